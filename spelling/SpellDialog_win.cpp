#include "spelling/SpellDialog_win.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "common/Captions_win.h"
#include "common/WinText_win.h"
#include "spelling/DialogBase_win.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/SpellDialogModel.h"
#include "spelling/SpellDialogTexts.h"
#include "spelling/SpellOptionsDialog_win.h"
#include "spelling/WinAPIControlParser_win.h"

namespace wx {

namespace {

// Control ids in TSpellDialogControl order (the edit and the list last).
constexpr int kControlId[kSpellDialogControlCount] = {
    idSpellIgnore, idSpellIgnoreAll, idSpellChange,  idSpellChangeAll, idSpellAdd,         idSpellAutoCorrect,
    idSpellHelp,   idSpellUndo,      idSpellCancel,  idSpellOptions,   idSpellReplaceEdit, idSpellSuggestionList};

TWordRect FromRECT(const RECT& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }

TWordRect WorkAreaNear(const RECT& r) {
  MONITORINFO mi{};
  mi.cbSize = sizeof(mi);
  GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi);
  return FromRECT(mi.rcWork);
}

class SpellDialog : public DialogBase, public TSpellDialogHooks {
 public:
  SpellDialog(HWND owner, TSpellCheckerBase& checker, HWND document)
      : owner_(owner), checker_(checker), document_(document), model_(checker) {}
  ~SpellDialog() override {
    captions_.reset();
    if (hwnd_) DestroyWindow(hwnd_);
  }

  // --- the check's hooks ---
  void ShowDialog(TControlParser* source) override {
    source_ = source;
    if (!hwnd_ && !Create(owner_)) return;
    if (shown_) return;
    if (checker_.OnSpellDialogShow) checker_.OnSpellDialogShow();
    model_.Configure();
    Sync();
    Place(true);
    ShowWindow(hwnd_, SW_SHOW);
    shown_ = true;
  }

  void PresentWord(const std::string& word, bool repeated) override {
    if (!hwnd_) return;
    model_.PromptWord(word, repeated);
    Sync();
    Place(false);
    if (GetActiveWindow() == hwnd_) FocusFirstUsable();
  }

  void CloseDialog(bool keepOpen) override {
    if (!hwnd_) return;
    if (keepOpen)
      StorePlace();
    else
      HideDialog();
  }

  bool DialogVisible() override { return hwnd_ && IsWindowVisible(hwnd_); }

  void MessageBox(const std::string& caption, const std::string& text) override {
    // The end message: the dialog closes after it, so it goes first.
    HideDialog();
    AskUser(OwnerForMessages(), Utf8ToWide(text), Utf8ToWide(caption), MB_OK | MB_ICONINFORMATION);
  }

  bool AskYesNo(const std::string& caption, const std::string& text) override {
    return AskUser(OwnerForMessages(), Utf8ToWide(text), Utf8ToWide(caption), MB_YESNO | MB_ICONQUESTION) == IDYES;
  }

  bool ProcessMessages() override {
    if (document_ && !IsWindow(document_)) return false;  // the text went away: the check ends
    MSG msg;
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(int(msg.wParam));  // the caller's loop ends too
      return false;
    }
    if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) return true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    return true;
  }

  void SetHourglass(bool on) override {
    if (on) {
      savedCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    } else {
      SetCursor(savedCursor_ ? savedCursor_ : LoadCursorW(nullptr, IDC_ARROW));
      savedCursor_ = nullptr;
    }
  }

 private:
  HWND OwnerForMessages() const { return hwnd_ && IsWindowVisible(hwnd_) ? hwnd_ : owner_; }

  // The place the user left the dialog at, for the next check (and the next
  // run: it is part of the stored configuration).
  void StorePlace() {
    if (checker_.DialogInitialPos != ipLastUserPos || !shown_) return;
    RECT r{};
    GetWindowRect(hwnd_, &r);
    checker_.Config().SetDialogX(r.left);
    checker_.Config().SetDialogY(r.top);
  }

  void HideDialog() {
    if (!hwnd_ || !shown_) return;
    StorePlace();
    shown_ = false;
    ShowWindow(hwnd_, SW_HIDE);
    if (owner_ && IsWindow(owner_)) SetActiveWindow(owner_);
    if (checker_.OnSpellDialogHide) checker_.OnSpellDialogHide();
  }

  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  void CreateControls() {
    // Each label comes just before its field, so that its access key moves
    // the focus there; the tab order is the order made.
    Make(0, L"STATIC", SS_LEFT | SS_NOPREFIX, 8, 11, 94, 13, idSpellNotFoundLabel);
    wordEdit_ = Make(WS_EX_CLIENTEDGE, L"EDIT", ES_AUTOHSCROLL | ES_READONLY, 104, 8, 140, 21, idSpellWordEdit);
    SetWindowSubclass(wordEdit_, WordEditProc, 1, DWORD_PTR(this));
    Make(0, L"STATIC", SS_LEFT, 8, 38, 94, 13, idSpellReplaceLabel);
    MakeAt(WS_EX_CLIENTEDGE, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, dcReplaceEdit);
    Make(0, L"STATIC", SS_LEFT, 8, 66, 94, 13, idSpellSuggestionsLabel);
    MakeAt(WS_EX_CLIENTEDGE, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, dcSuggestions);
    for (TSpellDialogControl c : {dcIgnore, dcIgnoreAll, dcChange, dcChangeAll, dcAdd, dcAutoCorrect, dcHelp, dcUndo,
                                  dcCancel, dcOptions})
      MakeAt(0, L"BUTTON", WS_TABSTOP | (c == dcChange ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), c);
    SendMessageW(hwnd_, DM_SETDEFID, idSpellChange, 0);

    RECT r{0, 0, Scale(kSpellDialogWidth), Scale(kSpellDialogHeight)};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE, DWORD(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOMOVE);
    TrackLayout();
    captions_ = std::make_unique<WindowCaptions>(hwnd_, SpellDialogTexts(), [this] { Sync(true); });
  }

  void MakeAt(DWORD exStyle, const wchar_t* cls, DWORD style, TSpellDialogControl c) {
    const TWordRect r = model_.Layout(c);
    Make(exStyle, cls, style, r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top, kControlId[c]);
  }

  // Copies what the model shows into the controls; texts=true also after a
  // change of language.
  void Sync(bool texts = false) {
    if (!hwnd_) return;
    syncing_ = true;
    const std::wstring word = AnsiToWide(model_.Word());
    if (TextOf(wordEdit_) != word) SetWindowTextW(wordEdit_, word.c_str());
    SetWindowTextW(Item(idSpellNotFoundLabel),
                   CaptionW(SpellDialogTexts(), model_.Repeated() ? txtSpellRepeatedWord : txtSpellNotFound).c_str());
    SetWindowTextW(Item(idSpellChange),
                   CaptionW(SpellDialogTexts(), model_.Repeated() ? txtSpellDelete : txtSpellChange).c_str());
    HWND edit = Item(idSpellReplaceEdit);
    const std::wstring replacement = Utf8ToWide(model_.Replacement());
    if (TextOf(edit) != replacement) {
      SetWindowTextW(edit, replacement.c_str());
      SendMessageW(edit, EM_SETSEL, 0, -1);
    }
    HWND list = Item(idSpellSuggestionList);
    if (texts || listShown_ != model_.Suggestions() || listEmpty_ != model_.NoSuggestions()) {
      SendMessageW(list, LB_RESETCONTENT, 0, 0);
      for (const auto& s : model_.Suggestions()) SendMessageW(list, LB_ADDSTRING, 0, LPARAM(AnsiToWide(s).c_str()));
      if (model_.NoSuggestions())
        SendMessageW(list, LB_ADDSTRING, 0, LPARAM(CaptionW(SpellDialogTexts(), txtSpellNoSuggestions).c_str()));
      listShown_ = model_.Suggestions();
      listEmpty_ = model_.NoSuggestions();
    }
    SendMessageW(list, LB_SETCURSEL, WPARAM(model_.SelectedSuggestion()), 0);
    for (int c = 0; c < kSpellDialogControlCount; ++c) {
      const TControlState s = model_.State(TSpellDialogControl(c));
      HWND h = Item(kControlId[c]);
      ShowWindow(h, s.visible ? SW_SHOWNA : SW_HIDE);
      EnableWindow(h, s.enabled);
    }
    const TWordRect undo = model_.Layout(dcUndo);
    SetWindowPos(Item(idSpellUndo), nullptr, Scale(undo.Left), Scale(undo.Top), 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    syncing_ = false;
    // A control that was just disabled cannot keep the keyboard.
    HWND focus = GetFocus();
    if (focus && GetParent(focus) == hwnd_ && !IsWindowEnabled(focus)) FocusFirstUsable();
  }

  void FocusFirstUsable() {
    for (int id : {idSpellChange, idSpellIgnore, idSpellCancel}) {
      HWND h = Item(id);
      if (IsWindowVisible(h) && IsWindowEnabled(h)) {
        SendMessageW(hwnd_, WM_NEXTDLGCTL, WPARAM(h), TRUE);
        return;
      }
    }
  }

  // First showing: the place DialogInitialPos asks for; every word: off it.
  void Place(bool initial) {
    TSpellDialogPlaceInput in;
    RECT d{};
    GetWindowRect(hwnd_, &d);
    in.dialog = FromRECT(d);
    in.showImmediate = checker_.DialogShowImmediate;
    const bool sourceOnScreen = source_ && document_ && IsWindowVisible(document_);
    if (sourceOnScreen) {
      source_->GetControlRect(in.control);
      source_->GetWordRect(in.word);
    }
    in.screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    in.desktop.Left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    in.desktop.Top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    in.desktop.Right = in.desktop.Left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    in.desktop.Bottom = in.desktop.Top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    TWordRect target;
    if (initial) {
      TSpellDialogInitialPos pos = checker_.DialogInitialPos;
      in.storedX = checker_.Config().DialogX();
      in.storedY = checker_.Config().DialogY();
      if (in.storedX != -1) {
        in.storedX = SaneScreenCoordinate(in.storedX);
        in.storedY = SaneScreenCoordinate(in.storedY);
      }
      RECT around = d;
      if (pos == ipLastUserPos && in.storedX != -1) {
        // The stored place comes back onto the monitor nearest to it.
        OffsetRect(&around, in.storedX - d.left, in.storedY - d.top);
      } else if (sourceOnScreen) {
        GetWindowRect(document_, &around);
      } else if (owner_) {
        GetWindowRect(owner_, &around);
      }
      in.workArea = WorkAreaNear(around);
      // Without the text on screen there is nothing to stand beside.
      if (!sourceOnScreen && (pos == ipAvoidControl || pos == ipUnderSelection ||
                              (pos == ipLastUserPos && in.storedX == -1)))
        pos = ipScreenCenter;
      target = InitialDialogPlace(pos, in);
    } else {
      if (!sourceOnScreen) return;
      in.workArea = WorkAreaNear(d);
      target = AvoidWordPlace(checker_.DialogSelectionAvoid, in);
    }
    if (target.Left != in.dialog.Left || target.Top != in.dialog.Top)
      SetWindowPos(hwnd_, nullptr, target.Left, target.Top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
  }

  static LRESULT CALLBACK WordEditProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    if (msg == WM_LBUTTONDBLCLK) {
      auto* self = reinterpret_cast<SpellDialog*>(data);
      self->model_.CopyWordToReplacement();
      self->Sync();
      return 0;
    }
    if (msg == WM_NCDESTROY) RemoveWindowSubclass(h, WordEditProc, 1);
    return DefSubclassProc(h, msg, wp, lp);
  }

  void Command(int id, int code, HWND from) {
    switch (id) {
      case IDOK:  // Enter: the default button
      case idSpellChange: model_.Press(dcChange); break;
      case idSpellIgnore: model_.Press(dcIgnore); break;
      case idSpellIgnoreAll: model_.Press(dcIgnoreAll); break;
      case idSpellChangeAll: model_.Press(dcChangeAll); break;
      case idSpellAdd: model_.Press(dcAdd); break;
      case idSpellAutoCorrect: model_.Press(dcAutoCorrect); break;
      case idSpellUndo: model_.Press(dcUndo); break;
      case IDCANCEL: model_.Press(dcCancel); break;
      case idSpellHelp:
        if (model_.State(dcHelp).visible && model_.State(dcHelp).enabled && checker_.OnShowHelp)
          checker_.OnShowHelp(checker_.HelpCtxSpellDialog);
        return;
      case idSpellOptions:
        if (!model_.State(dcOptions).visible || !model_.State(dcOptions).enabled) return;
        ShowSpellOptionsDialog(hwnd_, checker_);
        // Suggestions follow the new options.
        if (checker_.Checking()) model_.Reprompt();
        break;
      case idSpellReplaceEdit:
        if (code != EN_CHANGE || syncing_) return;
        model_.SetReplacement(WideToUtf8(TextOf(from)));
        break;
      case idSpellSuggestionList: {
        const int sel = int(SendMessageW(from, LB_GETCURSEL, 0, 0));
        if (code == LBN_SELCHANGE && !syncing_)
          model_.SelectSuggestion(sel);
        else if (code == LBN_DBLCLK)
          model_.ChangeToSuggestion(sel);
        else
          return;
        break;
      }
      default:
        return;
    }
    Sync();
  }

  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_INITDIALOG:
        CreateControls();
        return FALSE;
      case WM_COMMAND:
        Command(LOWORD(wp), HIWORD(wp), HWND(lp));
        return TRUE;
      case WM_CLOSE:
        // The close box cancels the check, whatever the Cancel button shows.
        checker_.Cancel();
        return TRUE;
      case WM_ACTIVATE: {
        if (!shown_ || !checker_.Checking()) return FALSE;
        HWND other = HWND(lp);
        // Our own message boxes and the options dialog are not the document.
        if (other && GetWindow(other, GW_OWNER) == hwnd_) return FALSE;
        if (LOWORD(wp) == WA_INACTIVE) {
          if (model_.Deactivated()) return FALSE;
          model_.Deactivate();
          Sync();
          if (checker_.OnDialogDeactivate) checker_.OnDialogDeactivate();
        } else if (model_.Activate()) {
          Sync();
          if (checker_.OnDialogActivate) checker_.OnDialogActivate();
          // The document may have changed meanwhile.
          checker_.Resume();
        }
        return FALSE;
      }
      default:
        return FALSE;
    }
  }

  HWND owner_;
  TSpellCheckerBase& checker_;
  HWND document_;
  TControlParser* source_ = nullptr;
  TSpellDialogModel model_;
  HWND wordEdit_ = nullptr;
  bool shown_ = false;
  bool syncing_ = false;
  std::vector<std::string> listShown_;
  bool listEmpty_ = false;
  HCURSOR savedCursor_ = nullptr;
  std::unique_ptr<WindowCaptions> captions_;
};

// Installs the dialog on the checker for one check and puts the checker's
// own settings back afterwards.
class DialogSession {
 public:
  DialogSession(HWND owner, TSpellCheckerBase& checker, HWND document)
      : checker_(checker), dialog_(owner, checker, document), hooks_(checker.DialogHooks()),
        ui_(checker.UIType), synchronous_(checker.SynchronousCheck), modal_(checker.DialogShowModal) {
    checker.SetDialogHooks(&dialog_);
    checker.UIType = suiDialog;
    checker.SynchronousCheck = true;
    // This dialog is always modeless: a checker waiting for a modal one to
    // start the check would never start it.
    checker.DialogShowModal = false;
  }
  ~DialogSession() {
    // The message loop ended early (the program is quitting or the text's
    // window went away): end the check as cancelled.
    if (checker_.Checking()) checker_.StopCheck(true);
    checker_.SetDialogHooks(hooks_);
    checker_.UIType = ui_;
    checker_.SynchronousCheck = synchronous_;
    checker_.DialogShowModal = modal_;
  }
  DialogSession(const DialogSession&) = delete;
  DialogSession& operator=(const DialogSession&) = delete;

 private:
  TSpellCheckerBase& checker_;
  SpellDialog dialog_;
  TSpellDialogHooks* hooks_;
  TSpellUI ui_;
  bool synchronous_;
  bool modal_;
};

}  // namespace

bool RunSpellDialogCheck(HWND owner, TSpellCheckerBase& checker, HWND editControl, int mode) {
  if (checker.Checking() || !IsWindow(editControl)) return false;
  {
    DialogSession session(owner, checker, editControl);
    CheckWindow(checker, editControl, mode);
  }
  return !checker.Cancelled();
}

bool RunSpellDialogCheckText(HWND owner, TSpellCheckerBase& checker, std::wstring& text) {
  if (checker.Checking()) return false;
  // A hidden edit control holds the text: it keeps every Unicode character
  // and gives the check the same positions as any other control.
  HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL, 0, 0, 400,
                              200, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!edit) return false;
  SendMessageW(edit, EM_LIMITTEXT, 0, 0);
  SetWindowTextW(edit, text.c_str());
  {
    DialogSession session(owner, checker, edit);
    CheckWindow(checker, edit, kModeWholeText);
  }
  text = TextOf(edit);
  DestroyWindow(edit);
  return !checker.Cancelled();
}

}  // namespace wx
