// A message dialog with a "don't show this message again" check box, built
// from code: an icon ("Image"), the text ("Message"), the buttons, and the
// check box placed under them; the answer is kept in the registry.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "app/AppTexts.h"
#include "app/DontShowAgain.h"
#include "app/ErrorBox_win.h"
#include "common/AnsiText.h"
#include "ui/Dpi_win.h"

namespace wx {

namespace {

struct DlgParams {
  std::wstring text;
  UINT icon;
  UINT buttons;
  bool checked = false;
  HFONT font = nullptr;  // made for the dialog; deleted when it has closed
};

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

INT_PTR CALLBACK DlgProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      auto* p = reinterpret_cast<DlgParams*>(lp);
      SetWindowLongPtrW(dlg, DWLP_USER, lp);
      // Sizes in 96-DPI pixels scaled for the window's DPI, in the message font at that DPI.
      const int dpi = WindowDpi(dlg);
      auto s = [dpi](int px) { return ScaleToDpi(px, dpi); };
      HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
      const LOGFONTW messageFont = MessageFontAt(dpi);
      if (HFONT made = CreateFontIndirectW(&messageFont)) font = p->font = made;
      HDC dc = GetDC(dlg);
      HGDIOBJ old = SelectObject(dc, font);
      RECT tr{0, 0, s(400), 0};
      DrawTextW(dc, p->text.c_str(), -1, &tr, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
      const std::wstring checkText = Utf8ToWide(AppText(txtDontShowAgain));
      RECT cr{0, 0, 0, 0};
      DrawTextW(dc, checkText.c_str(), -1, &cr, DT_CALCRECT | DT_SINGLELINE);
      auto buttons = ButtonsFor(p->buttons);
      // The buttons are as wide as the longest caption needs, 75 pixels at least.
      int btnW = s(75);
      for (const auto& b : buttons) {
        RECT br{0, 0, 0, 0};
        DrawTextW(dc, Utf8ToWide(AppText(b.text)).c_str(), -1, &br, DT_CALCRECT | DT_SINGLELINE);
        btnW = std::max<int>(btnW, br.right + s(16));
      }
      SelectObject(dc, old);
      ReleaseDC(dlg, dc);

      const int margin = s(8), iconSize = s(32), btnH = s(25);
      int textLeft = margin + iconSize + margin;
      int clientW = std::max<int>(textLeft + tr.right + margin, int(buttons.size()) * (btnW + s(6)) + 2 * margin);
      int textH = std::max<int>(tr.bottom, iconSize);
      int btnTop = margin + textH + s(12);
      int clientH = btnTop + btnH + margin;

      HWND image = CreateWindowExW(0, L"STATIC", L"Image", WS_CHILD | WS_VISIBLE | SS_ICON, margin, margin,
                                   iconSize, iconSize, dlg, nullptr, nullptr, nullptr);
      SendMessageW(image, STM_SETICON, WPARAM(LoadIconW(nullptr, IconFor(p->icon))), 0);
      HWND message = CreateWindowExW(0, L"STATIC", p->text.c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                                     textLeft, margin, tr.right, tr.bottom, dlg, nullptr, nullptr, nullptr);
      SendMessageW(message, WM_SETFONT, WPARAM(font), TRUE);
      int x = (clientW - int(buttons.size()) * (btnW + s(6)) + s(6)) / 2;
      for (size_t i = 0; i < buttons.size(); ++i) {
        HWND b = CreateWindowExW(0, L"BUTTON", Utf8ToWide(AppText(buttons[i].text)).c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | (i == 0 ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                                 x, btnTop, btnW, btnH, dlg, HMENU(INT_PTR(buttons[i].id)), nullptr, nullptr);
        SendMessageW(b, WM_SETFONT, WPARAM(font), TRUE);
        x += btnW + s(6);
      }
      // The check box goes under everything, at the icon's left; the dialog
      // grows by its height plus the icon's top margin.
      // The box, the gap after it and a little air.
      int checkW = cr.right + s(22), checkH = std::max<int>(s(17), cr.bottom + s(2));
      HWND check =
          CreateWindowExW(0, L"BUTTON", checkText.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, margin,
                          clientH, checkW, checkH, dlg, HMENU(INT_PTR(kCheckId)), nullptr, nullptr);
      SendMessageW(check, WM_SETFONT, WPARAM(font), TRUE);
      clientH += checkH + margin;
      if (clientW < checkW + 2 * margin) clientW = checkW + 2 * margin;

      RECT wr{0, 0, clientW, clientH};
      AdjustWindowRectEx(&wr, DWORD(GetWindowLongPtrW(dlg, GWL_STYLE)), FALSE,
                         DWORD(GetWindowLongPtrW(dlg, GWL_EXSTYLE)));
      int w = wr.right - wr.left, h = wr.bottom - wr.top;
      int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
      SetWindowPos(dlg, nullptr, (sw - w) / 2, sh / 2 - h / 2, w, h, SWP_NOZORDER);
      SetWindowTextW(dlg, L"Wendrix");
      return TRUE;
    }
    case WM_COMMAND: {
      int id = LOWORD(wp);
      if (id == kCheckId) return TRUE;
      auto* p = reinterpret_cast<DlgParams*>(GetWindowLongPtrW(dlg, DWLP_USER));
      if (p) p->checked = IsDlgButtonChecked(dlg, kCheckId) == BST_CHECKED;
      if (id == IDCANCEL && p && p->buttons == MB_OK) id = IDOK;
      EndDialog(dlg, id);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

int DSAMessageDlg(const std::string& msg, UINT dlgType, UINT buttons, int /*helpCtx*/, const std::string& storagePath,
                  const std::string& ident, int defaultResult) {
  const std::string id = ident.empty() ? msg : ident;
  if (!DSAIdentsGetState(CurrentRegistry(), storagePath, id)) return defaultResult;

  // An empty dialog template; the controls are made in WM_INITDIALOG.
  alignas(4) WORD tmpl[16] = {};
  auto* t = reinterpret_cast<DLGTEMPLATE*>(tmpl);
  t->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
  DlgParams p{Utf8ToWide(msg), dlgType, buttons};
  INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t, ApplicationWindow(), DlgProc,
                                           reinterpret_cast<LPARAM>(&p));
  if (p.font) DeleteObject(p.font);
  DSAIdentsSetState(CurrentRegistry(), storagePath, id, !p.checked);
  return int(result);
}

}  // namespace wx
