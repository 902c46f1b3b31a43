// A message dialog with a "don't show this message again" check box, built
// from code: an icon ("Image"), the text ("Message"), the buttons, and the
// check box placed under them; the answer is kept in the registry.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/AppTexts.h"
#include "app/DontShowAgain.h"
#include "app/ErrorBox_win.h"
#include "common/AnsiText.h"
#include "ui/ModalDialog_win.h"

namespace wx {

namespace {

constexpr int kCheckId = 1001;

struct Button {
  int id;
  int text;  // row of AppTexts()
};

// The buttons, captioned in the active interface language.
std::vector<Button> ButtonsFor(UINT buttons) {
  switch (buttons) {
    case MB_OKCANCEL: return {{IDOK, txtButtonOK}, {IDCANCEL, txtButtonCancel}};
    case MB_YESNO: return {{IDYES, txtButtonYes}, {IDNO, txtButtonNo}};
    case MB_YESNOCANCEL: return {{IDYES, txtButtonYes}, {IDNO, txtButtonNo}, {IDCANCEL, txtButtonCancel}};
    default: return {{IDOK, txtButtonOK}};
  }
}

LPCWSTR IconFor(UINT type) {
  switch (type) {
    case MB_ICONERROR: return IDI_ERROR;
    case MB_ICONWARNING: return IDI_WARNING;
    case MB_ICONQUESTION: return IDI_QUESTION;
    default: return IDI_INFORMATION;
  }
}

// The dialog: its controls made once, then laid out from the texts' extents
// in the message font at the window's DPI (again when the DPI changes).
class DsaDialog {
 public:
  DsaDialog(std::wstring text, UINT icon, UINT buttons) : text_(std::move(text)), icon_(icon), buttons_(buttons) {}
  bool checked = false;

  // Called by RunModalDialog.
  void Attach(HWND hwnd) {
    dlg_ = hwnd;
    dpi_.Attach(hwnd);
    dpi_.OnDpiChanged([this] {
      ShowIcon();
      Layout();
    });
  }

  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM /*lp*/) {
    switch (msg) {
      case WM_INITDIALOG: {
        auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
          HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dlg_,
                                   HMENU(INT_PTR(id)), nullptr, nullptr);
          dpi_.ApplyFont(c);
          return c;
        };
        image_ = make(L"STATIC", L"Image", SS_ICON | SS_REALSIZECONTROL, 0);
        ShowIcon();
        message_ = make(L"STATIC", text_.c_str(), SS_NOPREFIX, 0);
        const auto buttons = ButtonsFor(buttons_);
        for (size_t i = 0; i < buttons.size(); ++i)
          make(L"BUTTON", Utf8ToWide(AppText(buttons[i].text)).c_str(),
               WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), buttons[i].id);
        make(L"BUTTON", Utf8ToWide(AppText(txtDontShowAgain)).c_str(), WS_TABSTOP | BS_AUTOCHECKBOX, kCheckId);
        Layout();
        CentreOnOwner(dlg_, GetWindow(dlg_, GW_OWNER));
        SetWindowTextW(dlg_, L"Wendrix");
        SetForegroundWindow(dlg_);
        return TRUE;
      }
      case WM_COMMAND: {
        int id = LOWORD(wp);
        if (id == kCheckId) return TRUE;
        checked = IsDlgButtonChecked(dlg_, kCheckId) == BST_CHECKED;
        if (id == IDCANCEL && buttons_ == MB_OK) id = IDOK;
        EndDialog(dlg_, id);
        return TRUE;
      }
    }
    return FALSE;
  }

 private:
  int Scale(int px) const { return dpi_.Scale(px); }

  // The system's icon for the message, 32 pixels at 96 DPI.
  void ShowIcon() {
    HICON icon = static_cast<HICON>(
        LoadImageW(nullptr, IconFor(icon_), IMAGE_ICON, Scale(32), Scale(32), LR_SHARED));
    if (!icon) icon = LoadIconW(nullptr, IconFor(icon_));
    SendMessageW(image_, STM_SETICON, WPARAM(icon), 0);
  }

  // The icon and text side by side, the buttons centred under them, the check
  // box under everything at the icon's left; the window's client area fits them.
  void Layout() {
    HDC dc = GetDC(dlg_);
    HGDIOBJ old = SelectObject(dc, dpi_.Font());
    RECT tr{0, 0, Scale(400), 0};
    DrawTextW(dc, text_.c_str(), -1, &tr, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    RECT cr{0, 0, 0, 0};
    const std::wstring checkText = Utf8ToWide(AppText(txtDontShowAgain));
    DrawTextW(dc, checkText.c_str(), -1, &cr, DT_CALCRECT | DT_SINGLELINE);

    const auto buttons = ButtonsFor(buttons_);
    // The buttons are as wide as the longest caption needs, 75 pixels at least.
    int btnW = Scale(75);
    for (const Button& b : buttons) {
      RECT br{0, 0, 0, 0};
      DrawTextW(dc, Utf8ToWide(AppText(b.text)).c_str(), -1, &br, DT_CALCRECT | DT_SINGLELINE);
      btnW = std::max<int>(btnW, br.right + Scale(16));
    }
    SelectObject(dc, old);
    ReleaseDC(dlg_, dc);

    const int margin = Scale(8), iconSize = Scale(32), btnH = Scale(25), btnGap = Scale(6);
    const int textLeft = margin + iconSize + margin;
    int clientW = std::max<int>(textLeft + tr.right + margin, int(buttons.size()) * (btnW + btnGap) + 2 * margin);
    const int textH = std::max<int>(tr.bottom, iconSize);
    const int btnTop = margin + textH + Scale(12);
    int clientH = btnTop + btnH + margin;
    SetWindowPos(image_, nullptr, margin, margin, iconSize, iconSize, SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowPos(message_, nullptr, textLeft, margin, tr.right, tr.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
    int x = (clientW - int(buttons.size()) * (btnW + btnGap) + btnGap) / 2;
    for (const Button& b : buttons) {
      SetWindowPos(GetDlgItem(dlg_, b.id), nullptr, x, btnTop, btnW, btnH, SWP_NOZORDER | SWP_NOACTIVATE);
      x += btnW + btnGap;
    }
    // The dialog grows by the check box's height plus the icon's top margin;
    // the box is its text, the box and the gap after it and a little air.
    const int checkW = cr.right + Scale(22), checkH = std::max<int>(Scale(17), cr.bottom + Scale(2));
    SetWindowPos(GetDlgItem(dlg_, kCheckId), nullptr, margin, clientH, checkW, checkH, SWP_NOZORDER | SWP_NOACTIVATE);
    clientH += checkH + margin;
    clientW = std::max(clientW, checkW + 2 * margin);

    RECT wr{0, 0, clientW, clientH};
    AdjustWindowRectEx(&wr, DWORD(GetWindowLongPtrW(dlg_, GWL_STYLE)), FALSE,
                       DWORD(GetWindowLongPtrW(dlg_, GWL_EXSTYLE)));
    SetWindowPos(dlg_, nullptr, 0, 0, wr.right - wr.left, wr.bottom - wr.top, SWP_NOZORDER | SWP_NOMOVE);
  }

  std::wstring text_;
  UINT icon_, buttons_;
  HWND dlg_ = nullptr, image_ = nullptr, message_ = nullptr;
  TDpiFollower dpi_;  // the window's DPI and font
};

}  // namespace

int DSAMessageDlg(const std::string& msg, UINT dlgType, UINT buttons, int /*helpCtx*/, const std::string& storagePath,
                  const std::string& ident, int defaultResult) {
  const std::string id = ident.empty() ? msg : ident;
  if (!DSAIdentsGetState(CurrentRegistry(), storagePath, id)) return defaultResult;

  DsaDialog dialog(Utf8ToWide(msg), dlgType, buttons);
  const INT_PTR result = RunModalDialog(ApplicationWindow(), &dialog,
                                        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND);
  DSAIdentsSetState(CurrentRegistry(), storagePath, id, !dialog.checked);
  return int(result);
}

}  // namespace wx
