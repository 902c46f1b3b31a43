#include "thesaurus/ThesDialog_win.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "common/WinText_win.h"
#include "ui/ModalDialog_win.h"

namespace wx {

namespace {

constexpr UINT_PTR kCentreTimer = 1;
constexpr int kClientWidth = 361, kClientHeight = 211;

std::wstring Wide(const std::string& utf8) { return Utf8ToWide(utf8); }
std::wstring WideAnsi(const std::string& ansi) { return AnsiToWide(ansi); }
// Text the user typed, whole (UTF-8); the model converts it for lookups only.
std::string Utf8OfWindow(HWND h) {
  int n = GetWindowTextLengthW(h);
  std::wstring w(size_t(n) + 1, L'\0');
  GetWindowTextW(h, w.data(), n + 1);
  w.resize(size_t(n));
  return WideToUtf8(w);
}

void SetListColumns(HWND lv, int count) {
  LVCOLUMNW col{};
  col.mask = LVCF_WIDTH;
  col.cx = 50;
  for (int i = 0; i < count; ++i) SendMessageW(lv, LVM_INSERTCOLUMNW, WPARAM(i), LPARAM(&col));
}

void AddRow(HWND lv, int row, const std::wstring& first, const std::wstring* second) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = const_cast<wchar_t*>(first.c_str());
  SendMessageW(lv, LVM_INSERTITEMW, 0, LPARAM(&item));
  if (second) {
    item.iSubItem = 1;
    item.pszText = const_cast<wchar_t*>(second->c_str());
    SendMessageW(lv, LVM_SETITEMTEXTW, WPARAM(row), LPARAM(&item));
  }
}

void SelectRow(HWND lv, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(lv, LVM_SETITEMSTATE, WPARAM(row), LPARAM(&item));
  SendMessageW(lv, LVM_ENSUREVISIBLE, WPARAM(row), FALSE);
}

int ListWidth(HWND lv) {
  RECT r;
  GetClientRect(lv, &r);
  return r.right - r.left;
}

// The width the columns may fill: the client area (which leaves out a scroll
// bar on show), less a scroll bar about to show because more rows than fit.
int ColumnsRoom(HWND lv) {
  int room = ListWidth(lv);
  const bool barShown = GetWindowLongW(lv, GWL_STYLE) & WS_VSCROLL;
  const int rows = int(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0));
  if (!barShown && rows > int(SendMessageW(lv, LVM_GETCOUNTPERPAGE, 0, 0))) room -= GetSystemMetrics(SM_CXVSCROLL);
  return room;
}

}  // namespace

TThesDialog::TThesDialog(HWND owner) : model_(ctrl_), owner_(owner) {}

TThesDialog::~TThesDialog() = default;

TModalResult TThesDialog::ShowModal() {
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof(icc);
  icc.dwICC = ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&icc);
  result_ = TModalResult::mrNone;
  RunModalDialog(owner_, this);
  hwnd_ = nullptr;
  return result_;
}

void TThesDialog::SetModalResult(TModalResult result) {
  result_ = result;
  if (hwnd_) EndDialog(hwnd_, INT_PTR(result));
  hwnd_ = nullptr;
}

void TThesDialog::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  dpi_.Attach(hwnd);
}

void TThesDialog::CreateControls() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  // Created in tab order; each label just before the control its access key focuses.
  auto make = [&](DWORD exStyle, const wchar_t* cls, DWORD style, int x, int y, int w, int h, int id) {
    HWND c = CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, Scale(x), Scale(y),
                             Scale(w), Scale(h), hwnd_, HMENU(INT_PTR(id)), inst, nullptr);
    dpi_.ApplyFont(c);
    return c;
  };
  const DWORD listStyle = WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL |
                          LVS_SHOWSELALWAYS;
  make(0, L"STATIC", SS_LEFT, 8, 8, 161, 14, idLookedUpLabel);
  make(0, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 8, 24, 161, 160, idLookupCombo);
  make(0, L"STATIC", SS_LEFT, 8, 56, 161, 14, idContextsLabel);
  HWND contexts = make(WS_EX_CLIENTEDGE, WC_LISTVIEWW, listStyle, 8, 72, 161, 105, idContextLV);
  make(0, L"STATIC", SS_LEFT, 184, 8, 169, 14, idReplaceWithLabel);
  make(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 184, 24, 169, 21, idReplaceEdit);
  HWND words = make(WS_EX_CLIENTEDGE, WC_LISTVIEWW, listStyle, 192, 48, 162, 129, idWordList);
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 8, 184, 75, 23, idPreviousButton);
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 192, 184, 75, 23, idReplaceButton);
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 278, 184, 75, 23, idCloseButton);
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 94, 184, 75, 23, idLookupButton);
  for (HWND lv : {contexts, words}) {
    SendMessageW(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  }
  SetListColumns(contexts, 2);
  SetListColumns(words, 1);

  // Client area 361 x 211.
  RECT r{0, 0, Scale(kClientWidth), Scale(kClientHeight)};
  AdjustWindowRectEx(&r, DWORD(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE,
                     DWORD(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  // Centred on the owner when it is visible, else on the work area of the monitor in use.
  if (centre_) CentreOnOwner(hwnd_, owner_);
}

void TThesDialog::FillContexts() {
  HWND lv = GetDlgItem(hwnd_, idContextLV);
  SendMessageW(lv, WM_SETREDRAW, FALSE, 0);
  SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0);
  int row = 0;
  for (const auto& c : model_.contextRows) {
    std::wstring kind = WideAnsi(c.kindName);
    AddRow(lv, row++, WideAnsi(c.word), &kind);
  }
  if (!model_.contextsEnabled) AddRow(lv, 0, Wide(model_.notFoundText), nullptr);
  // The kind column fits its content; the word column takes the rest.
  SendMessageW(lv, LVM_SETCOLUMNWIDTH, 1, LVSCW_AUTOSIZE);
  int second = int(SendMessageW(lv, LVM_GETCOLUMNWIDTH, 1, 0));
  if (model_.contextRows.empty()) second = 0;
  int first = ColumnsRoom(lv) - second;
  SendMessageW(lv, LVM_SETCOLUMNWIDTH, 0, first);
  EnableWindow(lv, model_.contextsEnabled);
  if (model_.contextSelected >= 0) SelectRow(lv, model_.contextSelected);
  SendMessageW(lv, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(lv, nullptr, TRUE);
}

void TThesDialog::FillWords() {
  HWND lv = GetDlgItem(hwnd_, idWordList);
  SendMessageW(lv, WM_SETREDRAW, FALSE, 0);
  SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0);
  int row = 0;
  for (const auto& w : model_.words) AddRow(lv, row++, WideAnsi(w), nullptr);
  SendMessageW(lv, LVM_SETCOLUMNWIDTH, 0, ColumnsRoom(lv));
  SendMessageW(lv, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(lv, nullptr, TRUE);
}

void TThesDialog::Sync() {
  if (!hwnd_) return;
  syncing_ = true;
  HWND combo = GetDlgItem(hwnd_, idLookupCombo);
  if (shownHistory_ != model_.historyVersion) {
    shownHistory_ = model_.historyVersion;
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& h : model_.history)
      SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(WideAnsi(h).c_str()));
    SendMessageW(combo, CB_SETCURSEL, WPARAM(model_.historySelected), 0);
  }
  if (shownContexts_ != model_.contextsVersion) {
    shownContexts_ = model_.contextsVersion;
    FillContexts();
  }
  HWND words = GetDlgItem(hwnd_, idWordList);
  if (shownWords_ != model_.wordsVersion) {
    shownWords_ = model_.wordsVersion;
    FillWords();
  }
  if (model_.wordSelected >= 0 &&
      !(SendMessageW(words, LVM_GETITEMSTATE, WPARAM(model_.wordSelected), LVIS_SELECTED) &
        LVIS_SELECTED))
    SelectRow(words, model_.wordSelected);
  if (shownReplace_ != model_.replaceVersion) {
    shownReplace_ = model_.replaceVersion;
    SetDlgItemTextW(hwnd_, idReplaceEdit, Wide(model_.replaceTyped).c_str());
  }
  EnableWindow(GetDlgItem(hwnd_, idPreviousButton), model_.previousEnabled);
  EnableWindow(GetDlgItem(hwnd_, idLookupButton), model_.lookupEnabled);
  EnableWindow(GetDlgItem(hwnd_, idReplaceButton), model_.replaceEnabled);
  if (model_.timerRunning) SetTimer(hwnd_, kCentreTimer, 10, nullptr);
  syncing_ = false;
}

void TThesDialog::CentreSelectedWord() {
  HWND lv = GetDlgItem(hwnd_, idWordList);
  int sel = model_.wordSelected;
  if (sel < 0) return;
  RECT item{};
  item.left = LVIR_BOUNDS;
  if (!SendMessageW(lv, LVM_GETITEMRECT, WPARAM(sel), LPARAM(&item))) return;
  int rowHeight = item.bottom - item.top;
  RECT client;
  GetClientRect(lv, &client);
  // Scroll so that the selected row's middle meets the list's middle.
  int dy = (item.top + item.bottom) / 2 - (client.bottom - client.top) / 2;
  if (rowHeight > 0 && dy != 0) SendMessageW(lv, LVM_SCROLL, 0, dy);
}

INT_PTR TThesDialog::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG: {
      CreateControls();
      // Texts and visibility taken when the dialog control was attached.
      SetWindowTextW(hwnd_, Wide(model_.caption).c_str());
      const int labels[3] = {idLookedUpLabel, idContextsLabel, idReplaceWithLabel};
      for (int i = 0; i < 3; ++i) SetDlgItemTextW(hwnd_, labels[i], Wide(model_.labelTexts[i]).c_str());
      const int buttons[4] = {idPreviousButton, idLookupButton, idReplaceButton, idCloseButton};
      const bool visible[4] = {model_.previousVisible, model_.lookupVisible, model_.replaceVisible,
                               model_.closeVisible};
      for (int i = 0; i < 4; ++i) {
        HWND b = GetDlgItem(hwnd_, buttons[i]);
        SetWindowTextW(b, Wide(model_.buttonTexts[i]).c_str());
        ShowWindow(b, visible[i] ? SW_SHOW : SW_HIDE);
      }
      EnableWindow(GetDlgItem(hwnd_, idCloseButton), model_.closeEnabled);
      EnableWindow(GetDlgItem(hwnd_, idLookedUpLabel), model_.lookedUpEnabled);
      EnableWindow(GetDlgItem(hwnd_, idLookupCombo), model_.lookedUpEnabled);
      if (!model_.lookedUpVisible) {
        ShowWindow(GetDlgItem(hwnd_, idLookedUpLabel), SW_HIDE);
        ShowWindow(GetDlgItem(hwnd_, idLookupCombo), SW_HIDE);
        const int shift = Scale(model_.contextsShift);
        for (int id : {idContextsLabel, idContextLV}) {
          HWND c = GetDlgItem(hwnd_, id);
          RECT r;
          GetWindowRect(c, &r);
          MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
          SetWindowPos(c, nullptr, r.left, r.top - shift, r.right - r.left,
                       r.bottom - r.top + (id == idContextLV ? shift : 0), SWP_NOZORDER);
        }
      }
      // The controls as placed now are what a change of DPI rescales.
      dpi_.Track();
      if (OnShow) OnShow();
      Sync();
      SetFocus(GetDlgItem(hwnd_, idWordList));
      return FALSE;  // the focus is set
    }
    case WM_TIMER:
      if (wp == kCentreTimer) {
        KillTimer(hwnd_, kCentreTimer);
        model_.TimerFired();
        CentreSelectedWord();
        return TRUE;
      }
      break;
    case WM_COMMAND: {
      if (syncing_) return TRUE;
      int id = LOWORD(wp), code = HIWORD(wp);
      switch (id) {
        case idLookupCombo:
          if (code == CBN_SELCHANGE) {
            model_.ChooseHistory(int(SendMessageW(HWND(lp), CB_GETCURSEL, 0, 0)));
            Sync();
          }
          return TRUE;
        case idReplaceEdit:
          if (code == EN_CHANGE) {
            model_.ReplaceTextChanged(Utf8OfWindow(HWND(lp)));
            Sync();
          }
          return TRUE;
        case idPreviousButton: model_.PreviousButton(); Sync(); return TRUE;
        case idLookupButton: model_.LookupButton(); Sync(); return TRUE;
        case idReplaceButton:
          model_.ReplaceButton();
          if (!hwnd_) return TRUE;  // closed
          Sync();
          return TRUE;
        case idCloseButton:  // also Esc and the title bar's close button
          model_.Close();
          if (hwnd_) SetModalResult(TModalResult::mrCancel);
          return TRUE;
      }
      break;
    }
    case WM_NOTIFY: {
      if (syncing_) return TRUE;
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->code == LVN_ITEMCHANGED) {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(lp);
        bool nowSelected = (nm->uChanged & LVIF_STATE) && (nm->uNewState & LVIS_SELECTED) &&
                           !(nm->uOldState & LVIS_SELECTED);
        if (!nowSelected) return TRUE;
        if (hdr->idFrom == idContextLV)
          model_.SelectContextRow(nm->iItem);
        else if (hdr->idFrom == idWordList)
          model_.SelectWordRow(nm->iItem);
        Sync();
        return TRUE;
      }
      if (hdr->code == NM_DBLCLK && hdr->idFrom == idWordList) {
        // The item under the pointer (-1 on empty space), not the selection.
        model_.WordListDoubleClick(reinterpret_cast<NMITEMACTIVATE*>(lp)->iItem);
        Sync();
        return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

}  // namespace wx
