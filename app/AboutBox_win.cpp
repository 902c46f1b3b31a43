#include "app/AboutBox_win.h"

#include <shellapi.h>

#include <optional>
#include <string>

#include "app/AboutTexts.h"
#include "app/AppErrors.h"
#include "ui/ModalDialog_win.h"
#include "app/Version.h"
#include "common/AnsiText.h"
#include "common/Captions_win.h"
#include "common/ReadableColor.h"

namespace wx {

namespace {

constexpr int kClientWidth = 442, kClientHeight = 223;

class AboutBox {
 public:
  void Show(HWND owner) {
    RunModalDialog(owner, this);
    for (HFONT f : {font_, titleFont_, linkFont_})
      if (f) DeleteObject(f);
  }

  // Called by RunModalDialog.
  void Attach(HWND hwnd) {
    hwnd_ = hwnd;
    dpi_ = WindowDpi(hwnd);
  }
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return Handle(msg, wp, lp); }

 private:
  int Scale(int px) const { return ScaleToDpi(px, dpi_); }

  HWND Make(const wchar_t* cls, DWORD style, int x, int y, int w, int h, int id, HFONT font) {
    HWND c = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, Scale(x), Scale(y), Scale(w), Scale(h),
                             hwnd_, HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c, WM_SETFONT, WPARAM(font), FALSE);
    return c;
  }

  void Create() {
    // The system's message font at the window's DPI; the title larger, the link underlined.
    auto makeFont = [&](int height, bool underline) {
      LOGFONTW lf = MessageFontAt(dpi_);
      if (height) lf.lfHeight = height;
      lf.lfUnderline = underline;
      return CreateFontIndirectW(&lf);
    };
    font_ = makeFont(0, false);
    titleFont_ = makeFont(-Scale(19), false);
    linkFont_ = makeFont(0, true);
    HWND icon = Make(L"STATIC", SS_ICON | SS_REALSIZECONTROL, 50, 6, 48, 48, idAboutIcon, font_);
    HICON big = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, Scale(48), Scale(48), LR_SHARED));
    SendMessageW(icon, STM_SETICON, WPARAM(big), 0);
    // The title is the program's name and version in every language.
    Make(L"STATIC", SS_LEFT, 120, 14, 300, 26, idAboutTitle, titleFont_);
    SetWindowTextW(GetDlgItem(hwnd_, idAboutTitle),
                   Utf8ToWide(std::string(kProgramTitle) + " v" + FormatVersion(std::string(), false)).c_str());
    Make(L"STATIC", SS_LEFT, 120, 56, 300, 30, idAboutLine, font_);
    Make(L"STATIC", SS_LEFT | SS_NOTIFY, 120, 100, 300, 16, idAboutWebSite, linkFont_);
    Make(L"STATIC", SS_SUNKEN, 8, 176, 426, 2, idAboutBar, font_);
    Make(L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 178, 188, 86, 25, idAboutOK, font_);

    SizeClientAndCentre(hwnd_, Scale(kClientWidth), Scale(kClientHeight));
  }

  void AfterCaptions() {
    SetWindowTextW(GetDlgItem(hwnd_, idAboutWebSite),
                   (CaptionW(AboutTexts(), txtAboutWebSite) + Utf8ToWide(kSupportWebAddress)).c_str());
  }

  INT_PTR Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_INITDIALOG:
        Create();
        captions_.emplace(hwnd_, AboutTexts(), [this] { AfterCaptions(); });
        SetForegroundWindow(hwnd_);
        return TRUE;
      case WM_COMMAND:
        if (LOWORD(wp) == idAboutOK || LOWORD(wp) == IDCANCEL) {
          EndDialog(hwnd_, 0);
        } else if (LOWORD(wp) == idAboutWebSite && HIWORD(wp) == STN_CLICKED) {
          auto rc = reinterpret_cast<INT_PTR>(
              ShellExecuteW(hwnd_, nullptr, Utf8ToWide(kSupportWebAddress).c_str(), nullptr, nullptr, SW_SHOW));
          if (rc <= 32) throw EBrowserError();
        }
        return TRUE;
      case WM_CTLCOLORSTATIC:
        if (HWND(lp) == GetDlgItem(hwnd_, idAboutWebSite)) {
          // The theme's link colour, unless it is too pale on the dialog's face.
          SetTextColor(HDC(wp), ReadableTextColor(GetSysColor(COLOR_BTNFACE),
                                                  {GetSysColor(COLOR_HOTLIGHT), RGB(0, 0, 0xCC)}));
          SetBkMode(HDC(wp), TRANSPARENT);
          return INT_PTR(GetSysColorBrush(COLOR_BTNFACE));
        }
        return FALSE;
      case WM_SETCURSOR:
        if (HWND(wp) == GetDlgItem(hwnd_, idAboutWebSite)) {
          SetCursor(LoadCursorW(nullptr, IDC_HAND));
          SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
          return TRUE;
        }
        return FALSE;
      case WM_CLOSE:
        EndDialog(hwnd_, 0);
        return TRUE;
      case WM_DESTROY:
        captions_.reset();
        return FALSE;
    }
    return FALSE;
  }

  HWND hwnd_ = nullptr;
  int dpi_ = 96;
  HFONT font_ = nullptr, titleFont_ = nullptr, linkFont_ = nullptr;
  std::optional<WindowCaptions> captions_;
};

}  // namespace

void ShowAboutBox(HWND owner) {
  AboutBox box;
  box.Show(owner);
}

}  // namespace wx
