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
  void Show(HWND owner) { RunModalDialog(owner, this); }

  // Called by RunModalDialog.
  void Attach(HWND hwnd) {
    hwnd_ = hwnd;
    dpi_.Attach(hwnd);
    dpi_.OnDpiChanged([this] { ShowIcon(); });
  }
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return Handle(msg, wp, lp); }

 private:
  int Scale(int px) const { return dpi_.Scale(px); }

  HWND Make(const wchar_t* cls, DWORD style, int x, int y, int w, int h, int id, int font) {
    HWND c = CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, Scale(x), Scale(y), Scale(w), Scale(h),
                             hwnd_, HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c, WM_SETFONT, WPARAM(dpi_.Font(font)), FALSE);
    return c;
  }

  // The program's icon drawn at 48 pixels at 96 DPI, from the size nearest the DPI's.
  void ShowIcon() {
    HICON big = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON, Scale(48), Scale(48), LR_SHARED));
    SendMessageW(GetDlgItem(hwnd_, idAboutIcon), STM_SETICON, WPARAM(big), 0);
  }

  void Create() {
    // The system's message font at the window's DPI; the title larger, the link underlined.
    titleFont_ = dpi_.AddFont([](int dpi) {
      LOGFONTW lf = MessageFontAt(dpi);
      lf.lfHeight = -ScaleToDpi(19, dpi);
      return lf;
    });
    linkFont_ = dpi_.AddFont([](int dpi) {
      LOGFONTW lf = MessageFontAt(dpi);
      lf.lfUnderline = TRUE;
      return lf;
    });
    Make(L"STATIC", SS_ICON | SS_REALSIZECONTROL, 50, 6, 48, 48, idAboutIcon, font_);
    ShowIcon();
    // The title is the program's name and version in every language.
    Make(L"STATIC", SS_LEFT, 120, 14, 300, 26, idAboutTitle, titleFont_);
    SetWindowTextW(GetDlgItem(hwnd_, idAboutTitle),
                   Utf8ToWide(std::string(kProgramTitle) + " v" + FormatVersion(std::string(), false)).c_str());
    Make(L"STATIC", SS_LEFT, 120, 56, 300, 30, idAboutLine, font_);
    Make(L"STATIC", SS_LEFT | SS_NOTIFY, 120, 100, 300, 16, idAboutWebSite, linkFont_);
    Make(L"STATIC", SS_SUNKEN, 8, 176, 426, 2, idAboutBar, font_);
    Make(L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 178, 188, 86, 25, idAboutOK, font_);

    SizeClientAndCentre(hwnd_, Scale(kClientWidth), Scale(kClientHeight));
    dpi_.Track();
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
  TDpiFollower dpi_;  // the window's DPI and its fonts
  int font_ = 0, titleFont_ = 0, linkFont_ = 0;  // the follower's numbers of them
  std::optional<WindowCaptions> captions_;
};

}  // namespace

void ShowAboutBox(HWND owner) {
  AboutBox box;
  box.Show(owner);
}

}  // namespace wx
