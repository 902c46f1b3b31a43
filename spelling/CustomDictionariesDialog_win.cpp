#include "spelling/CustomDictionariesDialog_win.h"

#include <commctrl.h>

#include <memory>
#include <string>

#include "common/AnsiText.h"
#include "common/Captions_win.h"
#include "spelling/CustomDictionariesModel.h"
#include "spelling/CustomDictionariesTexts.h"

namespace wx {

namespace {

struct alignas(4) EmptyTemplate {
  DLGTEMPLATE t;
  WORD menu, cls, title;
};

std::wstring TextOf(HWND h) {
  int n = GetWindowTextLengthW(h);
  std::wstring w(size_t(n) + 1, L'\0');
  GetWindowTextW(h, w.data(), n + 1);
  w.resize(size_t(n));
  return w;
}

// What both dialogs share: the font, pixel scaling, making controls and
// sizing and centring the window.
class DialogBase {
 public:
  DialogBase() {
    HDC dc = GetDC(nullptr);
    if (dc) {
      dpi_ = GetDeviceCaps(dc, LOGPIXELSY);
      ReleaseDC(nullptr, dc);
    }
  }
  virtual ~DialogBase() {
    if (font_) DeleteObject(font_);
  }
  INT_PTR Run(HWND owner) {
    INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    EmptyTemplate tmpl{};
    tmpl.t.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_3DLOOK;
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &tmpl.t, owner, Proc, LPARAM(this));
  }

 protected:
  virtual INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) = 0;
  int Scale(int v) const { return MulDiv(v, dpi_, 96); }
  HWND Make(DWORD exStyle, const wchar_t* cls, DWORD style, int x, int y, int w, int h, int id) {
    if (!font_)
      font_ = CreateFontW(-MulDiv(8, dpi_, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                          L"MS Sans Serif");
    HWND c = CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, Scale(x), Scale(y), Scale(w),
                             Scale(h), hwnd_, HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c, WM_SETFONT, WPARAM(font_), FALSE);
    return c;
  }
  void SizeAndCentre(int clientWidth, int clientHeight) {
    RECT r{0, 0, Scale(clientWidth), Scale(clientHeight)};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE, DWORD(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
    const int w = r.right - r.left, h = r.bottom - r.top;
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    POINT pt;
    GetCursorPos(&pt);
    GetMonitorInfoW(MonitorFromPoint(pt, MONITOR_DEFAULTTOPRIMARY), &mi);
    SetWindowPos(hwnd_, nullptr, mi.rcWork.left + (mi.rcWork.right - mi.rcWork.left - w) / 2,
                 mi.rcWork.top + (mi.rcWork.bottom - mi.rcWork.top - h) / 2, w, h, SWP_NOZORDER);
  }

  HWND hwnd_ = nullptr;

 private:
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
      SetWindowLongPtrW(hwnd, DWLP_USER, lp);
      reinterpret_cast<DialogBase*>(lp)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return self ? self->OnMessage(msg, wp, lp) : FALSE;
  }
  HFONT font_ = nullptr;
  int dpi_ = 96;
};

// The name prompt: one edit field, OK and Cancel.
class NamePrompt : public DialogBase {
 public:
  std::wstring name;

 protected:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM) override {
    if (msg == WM_INITDIALOG) {
      Make(0, L"STATIC", SS_LEFT, 8, 8, 264, 14, idPromptLabel);
      HWND edit = Make(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 8, 26, 264, 21, idPromptEdit);
      Make(0, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 112, 58, 78, 23, idDictsOk);
      Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 194, 58, 78, 23, idDictsCancel);
      SizeAndCentre(280, 90);
      captions_ = std::make_unique<WindowCaptions>(hwnd_, NewCustomDictionaryTexts());
      SetFocus(edit);
      return FALSE;
    }
    if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
      name = TextOf(GetDlgItem(hwnd_, idPromptEdit));
      EndDialog(hwnd_, LOWORD(wp));
      return TRUE;
    }
    return FALSE;
  }

 private:
  std::unique_ptr<WindowCaptions> captions_;
};

class CustomDictionariesDialog : public DialogBase {
 public:
  explicit CustomDictionariesDialog(TSpellCheckerBase& checker) : model_(checker) {}

 protected:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_INITDIALOG: {
        Make(0, L"BUTTON", BS_GROUPBOX, 8, 4, 304, 222, idDictsGroup);
        list_ = Make(WS_EX_CLIENTEDGE, WC_LISTVIEWW,
                     WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_EDITLABELS,
                     16, 22, 200, 194, idDictsList);
        SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                     LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        LVCOLUMNW col{};
        col.mask = LVCF_WIDTH;
        col.cx = Scale(176);
        SendMessageW(list_, LVM_INSERTCOLUMNW, 0, LPARAM(&col));
        // Edit is left out: the dictionary editor has no window yet.
        Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 224, 22, 80, 23, idDictsDelete);
        Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 224, 50, 80, 23, idDictsNew);
        Make(0, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 224, 234, 80, 23, idDictsOk);
        SizeAndCentre(320, 264);
        captions_ = std::make_unique<WindowCaptions>(hwnd_, CustomDictionariesTexts(), [this] { Fill(); });
        return TRUE;
      }
      case WM_COMMAND:
        switch (LOWORD(wp)) {
          case IDOK:
          case IDCANCEL: EndDialog(hwnd_, LOWORD(wp)); return TRUE;
          case idDictsNew: NewDictionary(); return TRUE;
          case idDictsDelete: DeleteDictionary(); return TRUE;
        }
        return FALSE;
      case WM_NOTIFY: return OnNotify(reinterpret_cast<NMHDR*>(lp));
      case kRenamed:
        Fill();
        if (renameResult_ == cnInvalid || renameResult_ == cnBlank) TellRefusal(renameResult_);
        return TRUE;
    }
    return FALSE;
  }

 private:
  void Fill() {
    filling_ = true;
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    const auto& rows = model_.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
      std::wstring text = rows[i].Temporary ? CaptionW(CustomDictionariesTexts(), txtTemporaryRow)
                                            : Utf8ToWide(rows[i].Shown);
      LVITEMW item{};
      item.mask = LVIF_TEXT;
      item.iItem = int(i);
      item.pszText = text.data();
      SendMessageW(list_, LVM_INSERTITEMW, 0, LPARAM(&item));
      SetCheck(int(i), rows[i].Checked);
    }
    if (model_.Selected() >= 0) {
      LVITEMW item{};
      item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(list_, LVM_SETITEMSTATE, WPARAM(model_.Selected()), LPARAM(&item));
    }
    filling_ = false;
    UpdateButtons();
  }
  void SetCheck(int row, bool on) {
    LVITEMW item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
    SendMessageW(list_, LVM_SETITEMSTATE, WPARAM(row), LPARAM(&item));
  }
  void UpdateButtons() { EnableWindow(GetDlgItem(hwnd_, idDictsDelete), model_.DeleteEnabled()); }

  void Tell(int textId) {
    MessageBoxW(hwnd_, CaptionW(CustomDictionariesTexts(), textId).c_str(),
                CaptionW(CustomDictionariesTexts(), kCaptionWindowTitle).c_str(), MB_OK | MB_ICONWARNING);
  }
  void TellRefusal(TCustomNameResult r) {
    switch (r) {
      case cnBlank: Tell(txtBlankName); break;
      case cnInvalid: Tell(txtUnusableName); break;
      case cnExists: Tell(txtNameTaken); break;
      case cnFailed: Tell(txtNotCreated); break;
      case cnOk: break;
    }
  }

  void NewDictionary() {
    NamePrompt prompt;
    if (prompt.Run(hwnd_) != IDOK) return;
    const TCustomNameResult r = model_.New(WideToUtf8(prompt.name));
    if (r != cnOk) return TellRefusal(r);
    Fill();
    SetFocus(list_);
  }

  void DeleteDictionary() {
    const int row = model_.Selected();
    if (row < 0 || !model_.DeleteEnabled()) return;
    if (MessageBoxW(hwnd_, CaptionW(CustomDictionariesTexts(), txtConfirmDelete).c_str(),
                    CaptionW(CustomDictionariesTexts(), txtConfirmCaption).c_str(),
                    MB_YESNO | MB_ICONWARNING) != IDYES)
      return;
    model_.Delete(row);
    Fill();
  }

  INT_PTR Answer(LONG_PTR result) {
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
  }

  INT_PTR OnNotify(NMHDR* hdr) {
    if (hdr->idFrom != UINT_PTR(idDictsList)) return FALSE;
    switch (hdr->code) {
      case LVN_ITEMCHANGED: {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(hdr);
        if (filling_ || nm->iItem < 0) return FALSE;
        if ((nm->uNewState & LVIS_SELECTED) && !(nm->uOldState & LVIS_SELECTED)) model_.Select(nm->iItem);
        if (((nm->uOldState ^ nm->uNewState) & LVIS_STATEIMAGEMASK) && (nm->uOldState & LVIS_STATEIMAGEMASK)) {
          const bool on = model_.SetChecked(nm->iItem, ((nm->uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2);
          filling_ = true;
          SetCheck(nm->iItem, on);
          filling_ = false;
        }
        UpdateButtons();
        return FALSE;
      }
      case LVN_BEGINLABELEDITW: {
        auto* di = reinterpret_cast<NMLVDISPINFOW*>(hdr);
        const int row = di->item.iItem;
        const bool renameable = row >= 0 && size_t(row) < model_.Rows().size() && model_.Rows()[size_t(row)].Renameable;
        if (renameable) SendMessageW(GetDlgItem(hwnd_, idDictsOk), BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
        return Answer(renameable ? FALSE : TRUE);
      }
      case LVN_ENDLABELEDITW: {
        SendMessageW(GetDlgItem(hwnd_, idDictsOk), BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
        auto* di = reinterpret_cast<NMLVDISPINFOW*>(hdr);
        if (!di->item.pszText) return Answer(FALSE);
        renameResult_ = model_.Rename(di->item.iItem, WideToUtf8(di->item.pszText));
        // The list is rebuilt from the model once the edit has ended: a
        // refused name leaves the old text.
        PostMessageW(hwnd_, kRenamed, 0, 0);
        return Answer(FALSE);
      }
    }
    return FALSE;
  }

  static constexpr UINT kRenamed = WM_APP + 1;
  TCustomDictionariesModel model_;
  TCustomNameResult renameResult_ = cnOk;
  HWND list_ = nullptr;
  bool filling_ = false;
  std::unique_ptr<WindowCaptions> captions_;
};

}  // namespace

void ShowCustomDictionariesDialog(HWND owner, TSpellCheckerBase& checker) {
  CustomDictionariesDialog dialog(checker);
  dialog.Run(owner);
}

void ShowProgramCustomDictionaries(HWND owner) {
  TSpellCheckerBase checker;
  ShowCustomDictionariesDialog(owner, checker);
}

}  // namespace wx
