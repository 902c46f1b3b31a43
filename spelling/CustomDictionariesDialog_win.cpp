#include "spelling/CustomDictionariesDialog_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "common/Captions_win.h"
#include "spelling/CustomDictionariesModel.h"
#include "spelling/DialogBase_win.h"
#include "spelling/CustomDictionariesTexts.h"
#include "spelling/CustomDictionaryEditModel.h"
#include "spelling/CustomDictionaryEditTexts.h"

namespace wx {

namespace {

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


// The dictionary editor: three pages over TCustomDictionaryEditModel.
class EditorDialog : public DialogBase {
 public:
  EditorDialog(TCustomDictionary& dictionary, bool temporary, bool useExcluded)
      : model_(dictionary, temporary, useExcluded), dict_(dictionary), temporary_(temporary) {}

 protected:
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_INITDIALOG: Create(); return TRUE;
      case WM_COMMAND: return OnCommand(LOWORD(wp), HIWORD(wp));
      case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        if (hdr->idFrom == UINT_PTR(idEditTabs) && hdr->code == TCN_SELCHANGE) ShowPage(CurrentPage());
        if (hdr->idFrom == UINT_PTR(idAutoList) && hdr->code == LVN_ITEMCHANGED && !updating_) {
          auto* nm = reinterpret_cast<NMLISTVIEW*>(hdr);
          if ((nm->uNewState & LVIS_SELECTED) && !(nm->uOldState & LVIS_SELECTED)) {
            model_.ClickAutoRow(nm->iItem);
            ShowAuto(true);
          }
        }
        return FALSE;
      }
    }
    return FALSE;
  }

 private:
  using M = TCustomDictionaryEditModel;
  static constexpr int kPageIds[3][8] = {
      {idAddedExplain, idAddedLabel, idAddedEdit, idAddedList, idAddedAdd, idAddedDelete, 0, 0},
      {idAutoExplain, idAutoWordLabel, idAutoWordEdit, idAutoWithLabel, idAutoWithEdit, idAutoList, idAutoAdd,
       idAutoDelete},
      {idExclExplain, idExclLabel, idExclEdit, idExclList, idExclAdd, idExclDelete, 0, 0}};

  void Create() {
    Make(0, WC_TABCONTROLW, WS_TABSTOP, 8, 8, 384, 300, idEditTabs);
    for (int page : {0, 2}) {
      const int* ids = kPageIds[page];
      Make(0, L"STATIC", SS_LEFT, 20, 40, 360, 30, ids[0]);
      Make(0, L"STATIC", SS_LEFT, 20, 76, 360, 14, ids[1]);
      Make(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 20, 92, 260, 21, ids[2]);
      Make(WS_EX_CLIENTEDGE, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 20, 118, 260,
           178, ids[3]);
      Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 292, 92, 88, 23, ids[4]);
      Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 292, 120, 88, 23, ids[5]);
    }
    Make(0, L"STATIC", SS_LEFT, 20, 40, 360, 30, idAutoExplain);
    Make(0, L"STATIC", SS_LEFT, 20, 76, 130, 14, idAutoWordLabel);
    Make(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 20, 92, 126, 21, idAutoWordEdit);
    Make(0, L"STATIC", SS_LEFT, 154, 76, 130, 14, idAutoWithLabel);
    Make(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 154, 92, 126, 21, idAutoWithEdit);
    HWND lv = Make(WS_EX_CLIENTEDGE, WC_LISTVIEWW,
                   WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 20, 118, 260,
                   178, idAutoList);
    SendMessageW(lv, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 2; ++i) {
      LVCOLUMNW col{};
      col.mask = LVCF_WIDTH;
      col.cx = Scale(i == 0 ? 134 : 120);  // the first as wide as the distance between the two fields
      SendMessageW(lv, LVM_INSERTCOLUMNW, WPARAM(i), LPARAM(&col));
    }
    Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 292, 92, 88, 23, idAutoAdd);
    Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 292, 120, 88, 23, idAutoDelete);
    Make(0, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 312, 316, 80, 23, idEditOk);
    SizeAndCentre(400, 348);
    captions_ = std::make_unique<WindowCaptions>(hwnd_, CustomDictionaryEditTexts(), [this] { Retitle(); });
    ShowPage(M::pgAdded);
  }

  // Title and tab texts, which depend on the dictionary.
  void Retitle() {
    const CaptionTable& t = CustomDictionaryEditTexts();
    SetWindowTextW(hwnd_, temporary_ ? CaptionW(t, txtTemporaryTitle).c_str()
                                     : Utf8ToWide(FileNamePart(dict_.FileName())).c_str());
    HWND tabs = GetDlgItem(hwnd_, idEditTabs);
    SendMessageW(tabs, TCM_DELETEALLITEMS, 0, 0);
    pages_.clear();
    auto add = [&](M::Page page, int text) {
      std::wstring w = CaptionW(t, text);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = w.data();
      SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(pages_.size()), LPARAM(&item));
      pages_.push_back(page);
    };
    add(M::pgAdded, temporary_ ? txtIgnoreAllTab : txtAddedTab);
    add(M::pgAutoCorrect, temporary_ ? txtChangeAllTab : txtAutoTab);
    if (model_.ExcludedPageVisible()) add(M::pgExcluded, txtExcludedTab);
  }

  M::Page CurrentPage() const {
    int i = int(SendMessageW(GetDlgItem(hwnd_, idEditTabs), TCM_GETCURSEL, 0, 0));
    return i >= 0 && size_t(i) < pages_.size() ? pages_[size_t(i)] : M::pgAdded;
  }

  void ShowPage(M::Page page) {
    HCURSOR old = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    model_.ShowPage(page);
    SetCursor(old);
    for (int p = 0; p < 3; ++p)
      for (int id : kPageIds[p])
        if (id) ShowWindow(GetDlgItem(hwnd_, id), p == page ? SW_SHOW : SW_HIDE);
    if (page == M::pgAutoCorrect) ShowAuto(false);
    else ShowWords(page, false);
  }

  // The field's text as an engine word; empty when a character is outside the code page.
  std::string Word(int id) {
    std::wstring w = TextOf(GetDlgItem(hwnd_, id));
    std::string ansi;
    return UnicodeToAnsi(std::u16string(w.begin(), w.end()), ansi) ? ansi : std::string();
  }
  void SetField(int id, const std::string& ansi) {
    if (Word(id) == ansi) return;
    std::u16string u = AnsiToUnicode(ansi);
    SetWindowTextW(GetDlgItem(hwnd_, id), std::wstring(u.begin(), u.end()).c_str());
  }

  void ShowWords(M::Page page, bool setField) {
    const int* ids = kPageIds[page];
    const M::WordPage& p = page == M::pgAdded ? model_.Added() : model_.Excluded();
    updating_ = true;
    HWND list = GetDlgItem(hwnd_, ids[3]);
    uint32_t& shown = page == M::pgAdded ? addedVersion_ : excludedVersion_;
    if (shown != p.version) {
      SendMessageW(list, LB_RESETCONTENT, 0, 0);
      for (const auto& w : p.list) {
        std::u16string u = AnsiToUnicode(w);
        SendMessageW(list, LB_ADDSTRING, 0, LPARAM(std::wstring(u.begin(), u.end()).c_str()));
      }
      shown = p.version;
    }
    SendMessageW(list, LB_SETCURSEL, WPARAM(p.selected), 0);
    if (setField) SetField(ids[2], p.text);
    EnableWindow(GetDlgItem(hwnd_, ids[4]), p.addEnabled);
    EnableWindow(GetDlgItem(hwnd_, ids[5]), p.deleteEnabled);
    updating_ = false;
  }

  void ShowAuto(bool setFields) {
    const M::AutoCorrectPage& p = model_.AutoCorrect();
    updating_ = true;
    HWND lv = GetDlgItem(hwnd_, idAutoList);
    if (autoVersion_ != p.version) {
      SendMessageW(lv, LVM_DELETEALLITEMS, 0, 0);
      for (size_t i = 0; i < p.rows.size(); ++i) {
        std::u16string a = AnsiToUnicode(p.rows[i].first), b = AnsiToUnicode(p.rows[i].second);
        const std::wstring wb(b.begin(), b.end());
        AddListRow(lv, int(i), std::wstring(a.begin(), a.end()), &wb);
      }
      autoVersion_ = p.version;
    }
    LVITEMW clear{};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(lv, LVM_SETITEMSTATE, WPARAM(-1), LPARAM(&clear));
    if (p.selected >= 0) {
      LVITEMW sel{};
      sel.stateMask = sel.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(lv, LVM_SETITEMSTATE, WPARAM(p.selected), LPARAM(&sel));
      SendMessageW(lv, LVM_ENSUREVISIBLE, WPARAM(p.selected), FALSE);
    }
    if (setFields) {
      SetField(idAutoWordEdit, p.word);
      SetField(idAutoWithEdit, p.replacement);
    }
    EnableWindow(GetDlgItem(hwnd_, idAutoAdd), p.addEnabled);
    EnableWindow(GetDlgItem(hwnd_, idAutoDelete), p.deleteEnabled);
    updating_ = false;
  }

  INT_PTR OnCommand(int id, int code) {
    if (id == IDOK) {
      // Enter in a field acts on the page; elsewhere it closes the editor.
      const int focus = GetDlgCtrlID(GetFocus());
      if (focus == idAddedEdit || focus == idExclEdit) {
        const M::Page page = focus == idAddedEdit ? M::pgAdded : M::pgExcluded;
        model_.Add(page);
        ShowWords(page, true);
        return TRUE;
      }
      if (focus == idAutoWordEdit) {
        if (!Word(idAutoWordEdit).empty()) SetFocus(GetDlgItem(hwnd_, idAutoWithEdit));
        return TRUE;
      }
      if (focus == idAutoWithEdit) {
        model_.AddAutoCorrect();
        ShowAuto(true);
        return TRUE;
      }
    }
    if (id == IDOK || id == IDCANCEL) {
      EndDialog(hwnd_, id);
      return TRUE;
    }
    if (updating_) return FALSE;
    for (M::Page page : {M::pgAdded, M::pgExcluded}) {
      const int* ids = kPageIds[page];
      if (id == ids[2] && code == EN_CHANGE) model_.TextChanged(page, Word(id));
      else if (id == ids[3] && code == LBN_SELCHANGE)
        model_.ClickRow(page, int(SendMessageW(GetDlgItem(hwnd_, id), LB_GETCURSEL, 0, 0)));
      else if (id == ids[4]) model_.Add(page);
      else if (id == ids[5]) model_.Delete(page);
      else continue;
      ShowWords(page, id != ids[2]);
      return TRUE;
    }
    if (id == idAutoWordEdit && code == EN_CHANGE) model_.AutoWordChanged(Word(id));
    else if (id == idAutoWithEdit && code == EN_CHANGE) model_.AutoReplacementChanged(Word(id));
    else if (id == idAutoAdd) model_.AddAutoCorrect();
    else if (id == idAutoDelete) model_.DeleteAutoCorrect();
    else return FALSE;
    ShowAuto(id == idAutoAdd || id == idAutoDelete);
    return TRUE;
  }

  TCustomDictionaryEditModel model_;
  TCustomDictionary& dict_;
  bool temporary_;
  bool updating_ = false;
  std::vector<M::Page> pages_;
  uint32_t addedVersion_ = ~0u, excludedVersion_ = ~0u, autoVersion_ = ~0u;
  std::unique_ptr<WindowCaptions> captions_;
};

class CustomDictionariesDialog : public DialogBase {
 public:
  explicit CustomDictionariesDialog(TSpellCheckerBase& checker) : checker_(checker), model_(checker) {}

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
        Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 224, 22, 80, 23, idDictsEdit);
        Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, 224, 50, 80, 23, idDictsDelete);
        Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 224, 78, 80, 23, idDictsNew);
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
          case idDictsEdit: EditDictionary(); return TRUE;
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
      AddListRow(list_, int(i), text);
      SetRowCheck(list_, int(i), rows[i].Checked);
    }
    if (model_.Selected() >= 0) {
      LVITEMW item{};
      item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(list_, LVM_SETITEMSTATE, WPARAM(model_.Selected()), LPARAM(&item));
    }
    filling_ = false;
    UpdateButtons();
  }
  void UpdateButtons() {
    EnableWindow(GetDlgItem(hwnd_, idDictsEdit), model_.EditEnabled());
    EnableWindow(GetDlgItem(hwnd_, idDictsDelete), model_.DeleteEnabled());
  }

  void EditDictionary() {
    const int row = model_.Selected();
    if (row < 0) return;
    const TListEntry e = model_.Rows()[size_t(row)];
    if (e.WordProcessor) {
      // A word processor's dictionary is plain text: the system opens it.
      std::wstring path = Utf8ToWide(e.Name);
      std::wstring folder = path.substr(0, path.find_last_of(L"\\/") == std::wstring::npos ? 0 : path.find_last_of(L"\\/"));
      ShellExecuteW(hwnd_, L"open", path.c_str(), nullptr, folder.c_str(), SW_SHOWNORMAL);
      return;
    }
    if (e.Temporary) {
      EditorDialog(checker_.TemporaryDictionary(), true, checker_.UseExcludeWords).Run(hwnd_);
    } else if (auto d = checker_.OpenCustomDictionary(e.Name)) {
      EditorDialog(*d, false, checker_.UseExcludeWords).Run(hwnd_);
      d->Save();
    }
    // The checker reads the dictionaries again.
    checker_.ConfigurationChanged(true, false);
  }

  void Tell(int textId) {
    AskUser(hwnd_, CaptionW(CustomDictionariesTexts(), textId), CaptionW(CustomDictionariesTexts(), kCaptionWindowTitle),
            MB_OK | MB_ICONWARNING);
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
    if (AskUser(hwnd_, Utf8ToWide(model_.DeleteQuestion()), CaptionW(CustomDictionariesTexts(), txtConfirmCaption),
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
        if (filling_) return FALSE;
        // A click on empty space takes the highlight away: the model follows,
        // so Edit and Delete are disabled rather than acting on a row the
        // user no longer sees chosen.
        if ((nm->uOldState ^ nm->uNewState) & LVIS_SELECTED)
          model_.SelectionChanged(nm->iItem, (nm->uNewState & LVIS_SELECTED) != 0);
        if (nm->iItem < 0) {
          UpdateButtons();
          return FALSE;
        }
        if (((nm->uOldState ^ nm->uNewState) & LVIS_STATEIMAGEMASK) && (nm->uOldState & LVIS_STATEIMAGEMASK)) {
          const bool on = model_.SetChecked(nm->iItem, ((nm->uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2);
          filling_ = true;
          SetRowCheck(list_, nm->iItem, on);
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
  TSpellCheckerBase& checker_;
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

}  // namespace wx
