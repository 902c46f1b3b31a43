#include "app/OptionsDialog_win.h"

#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/ModalDialog_win.h"
#include "app/OptionsTexts.h"
#include "common/AnsiText.h"
#include "common/Captions_win.h"
#include "common/ReadableColor.h"

namespace wx {

namespace {

constexpr int kClientWidth = 545, kClientHeight = 384;
constexpr int kPageLeft = 166, kPageTop = 31;
constexpr int kAlways = -1;  // controls outside the notebook

// One of the window's fonts, as the DPI follower has it now.
class FollowedFont {
 public:
  void reset(const TDpiFollower& follower, int which) { follower_ = &follower, which_ = which; }
  HFONT get() const { return follower_ ? follower_->Font(which_) : nullptr; }

 private:
  const TDpiFollower* follower_ = nullptr;
  int which_ = 0;
};

int HelpContextOf(int controlId) {
  switch (controlId) {
    case idChkAutoRun: return 132;
    case idSingleClickBox: return 122;
    case idDoubleClickBox: return 123;
    case idQuoteEdit: return 124;
    case idIgnorePrefixEdit: return 125;
    case idIgnoreSuffixEdit: return 126;
    default: return kOptionsHelpContext;
  }
}

const HotKeyModifier kRowModifiers[4] = {hkCtrl, hkAlt, hkShift, hkWin};
const int kRowModifierTexts[4] = {txtModCtrl, txtModAlt, txtModShift, txtModWin};
// Ctrl, Alt, Shift and Win side by side before the key list (at 240): the
// Shift box is the widest, as its name is the longest in most languages.
const int kRowModifierLeft[4] = {32, 78, 118, 194};
const int kRowModifierWidth[4] = {44, 38, 74, 42};

// The caption bar above each hotkey row.
int RowBar(HotKeySlot slot) {
  switch (slot) {
    case hsDefApp: return idBarDefApp;
    case hsDefClip: return idBarDefClip;
    case hsSpellAppAll: return idBarSpellAll;
    case hsSpellApp: return idBarSpellApp;
    case hsSpellClip: return idBarSpellClip;
    case hsThesApp: return idBarThesApp;
    case hsThesClip: return idBarThesClip;
    case hsEditor: return idBarEditor;
    case hsEditor2: return 0;  // shares the editor's bar
    case hsInstantSpell: return idBarInstantSpell;
    default: return 0;
  }
}

class OptionsDialog {
 public:
  OptionsDialog(OptionsModel& model, TAppLanguage& language, const std::function<void(int)>& help)
      : model_(model), language_(language), help_(help) {}

  OptionsResult Show(HWND owner) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
    RunModalDialog(owner, this);
    return result_;
  }

  // Called by RunModalDialog.
  void Attach(HWND hwnd) {
    hwnd_ = hwnd;
    dpi_.Attach(hwnd);
    dpi_.OnDpiChanged([this] { ScaleControlMetrics(); });
  }
  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return Handle(msg, wp, lp); }

 private:
  struct PageControl {
    HWND h;
    int page;
    bool hidden;
  };

  int Scale(int px) const { return dpi_.Scale(px); }
  HWND Item(int id) const { return GetDlgItem(hwnd_, id); }

  HWND Make(int page, const wchar_t* cls, DWORD style, int x, int y, int w, int h, int id, DWORD exStyle = 0,
            HFONT font = nullptr, bool hidden = false) {
    if (page != kAlways) {
      x += kPageLeft;
      y += kPageTop;
    }
    HWND c = CreateWindowExW(exStyle, cls, L"", WS_CHILD | style, Scale(x), Scale(y), Scale(w), Scale(h), hwnd_,
                             HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(c, WM_SETFONT, WPARAM(font ? font : font_.get()), FALSE);
    controls_.push_back({c, page, hidden});
    return c;
  }
  // A section heading: its text inside an etched frame, kept off the frame
  // on every side (a framed static would draw the text against its edge).
  HWND Bar(int page, int x, int y, int id, bool hidden = false) {
    Make(page, L"STATIC", SS_ETCHEDFRAME, x, y, 360, 18, 0xFFFF, 0, nullptr, hidden);
    return Make(page, L"STATIC", SS_LEFTNOWORDWRAP, x + 5, y + 2, 350, 14, id, 0, nullptr, hidden);
  }
  HWND Check(int page, int x, int y, int w, int id, bool hidden = false) {
    return Make(page, L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, x, y, w, 17, id, 0, nullptr, hidden);
  }
  HWND Label(int page, int x, int y, int w, int h, int id, bool hidden = false) {
    return Make(page, L"STATIC", SS_LEFT, x, y, w, h, id, 0, nullptr, hidden);
  }
  HWND DropList(int page, int x, int y, int w, int id, HFONT font = nullptr) {
    return Make(page, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, x, y, w, 200, id, 0, font);
  }

  void CreateControls() {
    // The system's message font at the window's DPI, the page caption in its face, bold, and
    // the key names in a fixed face; 13 pixels high at 96 DPI.
    auto makeFont = [](int weight, bool fixed) {
      return [weight, fixed](int dpi) {
        LOGFONTW lf = MessageFontAt(dpi);
        LOGFONTW made{};
        made.lfHeight = -ScaleToDpi(13, dpi);
        made.lfWeight = weight;
        made.lfCharSet = DEFAULT_CHARSET;
        made.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
        lstrcpynW(made.lfFaceName, fixed ? L"Courier New" : lf.lfFaceName, LF_FACESIZE);
        return made;
      };
    };
    font_.reset(dpi_, 0);
    boldFont_.reset(dpi_, dpi_.AddFont(makeFont(FW_BOLD, false)));
    fixedFont_.reset(dpi_, dpi_.AddFont(makeFont(FW_NORMAL, true)));

    Make(kAlways, WC_TREEVIEWW, WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT |
                                    TVS_SHOWSELALWAYS,
         3, 5, 159, 374, idNavTree, WS_EX_CLIENTEDGE);
    Make(kAlways, L"STATIC", WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN, 166, 5, 375, 24,
         idCaptionPanel, 0, boldFont_.get());

    // Page 0 "General".
    const bool spellGroup = model_.ShowsSpellModeGroup();
    Bar(opGeneral, 8, 4, idBarStartup);
    Check(opGeneral, 16, 22, 340, idChkAutoRun);
    Bar(opGeneral, 8, 46, idBarSpellMode, !spellGroup);
    Check(opGeneral, 16, 64, 340, idChkSilentSpellMode, !spellGroup);
    // Where the language box moves up (below), the boxes under it keep clear
    // of it: at their own places its bottom would touch the first of them.
    const int y = spellGroup ? 0 : 8;
    Check(opGeneral, 16, 84 + y, 340, idChkCompatibilityMode);
    Check(opGeneral, 32, 104 + y, 324, idChkCompatibilityCut);
    Check(opGeneral, 32, 124 + y, 324, idChkDisableBackup);
    Label(opGeneral, 32, 150 + y, 124, 15, idLblDelay);
    HWND track = Make(opGeneral, TRACKBAR_CLASSW, WS_TABSTOP | TBS_AUTOTICKS | TBS_BOTTOM, 156, 144 + y, 146, 28,
                      idDelayTrack);
    SendMessageW(track, TBM_SETRANGE, FALSE, MAKELPARAM(OptionsModel::kDelayMin, OptionsModel::kDelayMax));
    SendMessageW(track, TBM_SETPAGESIZE, 0, 2);
    Label(opGeneral, 304, 150 + y, 56, 15, idLblDelayLong);
    Check(opGeneral, 16, 178 + y, 340, idChkSpellViewerOnTop, true);  // hidden, never loaded
    Check(opGeneral, 16, 178 + y, 340, idChkShowSmartBar);
    // The thesaurus edition hides the "Spell Check Mode" group; the language
    // group moves up into its place.
    Bar(opGeneral, 8, spellGroup ? 204 : 46, idBarLanguage);
    Make(opGeneral, L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 16, spellGroup ? 222 : 64, 200, 240,
         idLanguageBox);
    // Moved up, the language box comes next in the tab order too, as it does on screen.
    if (!spellGroup)
      SetWindowPos(Item(idLanguageBox), Item(idChkAutoRun), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    // Page 1 "Hotkeys".
    Bar(opHotkeys, 8, 4, idBarAppHotkeys);
    Label(opHotkeys, 16, 24, 340, 30, idTxtAppHotkeys);
    Bar(opHotkeys, 8, 64, idBarClipHotkeys);
    Label(opHotkeys, 16, 84, 340, 30, idTxtClipHotkeys);

    // Pages 2 to 6: hotkey rows.
    for (int page = opDefinitions; page <= opInstantSpell; ++page) {
      int y = 4;
      for (HotKeySlot slot : PageHotKeySlots(OptionsPage(page))) {
        if (int bar = RowBar(slot)) {
          Bar(page, 8, y, bar);
          y += 20;
        }
        Label(page, 16, y, 340, 15, idRowLabelBase + int(slot));
        for (int m = 0; m < 4; ++m)
          Check(page, kRowModifierLeft[m], y + 18, kRowModifierWidth[m], HotKeyRowControlId(slot, m));
        HWND keys = DropList(page, 240, y + 16, 126, HotKeyRowControlId(slot, hrKey), fixedFont_.get());
        for (const KeyListEntry& k : KeyList())
          SendMessageW(keys, CB_ADDSTRING, 0, LPARAM(Utf8ToWide(k.name).c_str()));
        y += 52;
      }
    }

    // Page 7 "Mouse Options".
    Bar(opMouse, 8, 4, idBarMousePrefs);
    Bar(opMouse, 8, 28, idBarSingleClick);
    // The labels as wide as the longest one needs in one line; the lists take the rest.
    Label(opMouse, 16, 50, 196, 15, idLblSingleClick);
    DropList(opMouse, 214, 46, 146, idSingleClickBox);
    Bar(opMouse, 8, 80, idBarDoubleClick);
    Label(opMouse, 16, 102, 196, 15, idLblDoubleClick);
    DropList(opMouse, 214, 98, 146, idDoubleClickBox);

    // Page 8 "Character Options"; these edits are not kept in the settings.
    Bar(opCharacters, 8, 4, idBarCharPrefs);
    Label(opCharacters, 16, 26, 172, 15, idLblQuote);
    Make(opCharacters, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 190, 22, 60, 21, idQuoteEdit, WS_EX_CLIENTEDGE,
         fixedFont_.get());
    SetWindowTextW(Item(idQuoteEdit), L">");
    Bar(opCharacters, 8, 52, idBarIgnorePrefix, true);
    Label(opCharacters, 16, 74, 172, 15, idLblIgnorePrefix, true);
    Make(opCharacters, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 190, 70, 60, 21, idIgnorePrefixEdit, WS_EX_CLIENTEDGE,
         fixedFont_.get(), true);
    Bar(opCharacters, 8, 100, idBarIgnoreSuffix, true);
    Label(opCharacters, 16, 122, 172, 15, idLblIgnoreSuffix, true);
    Make(opCharacters, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, 190, 118, 60, 21, idIgnoreSuffixEdit, WS_EX_CLIENTEDGE,
         fixedFont_.get(), true);

    Make(kAlways, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 278, 356, 86, 25, idOptOK);
    Make(kAlways, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 367, 356, 86, 25, idOptCancel);
    Make(kAlways, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 456, 356, 86, 25, idOptHelp);

    tips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int id : {idSingleClickBox, idDoubleClickBox}) {
      TOOLINFOW ti{};
      ti.cbSize = sizeof ti;
      ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      ti.hwnd = hwnd_;
      ti.uId = UINT_PTR(Item(id));
      ti.lpszText = const_cast<wchar_t*>(L"");
      SendMessageW(tips_, TTM_ADDTOOLW, 0, LPARAM(&ti));
    }

    ScaleControlMetrics();

    // Client area 545 x 384, centred on the owner.
    SizeClientAndCentre(hwnd_, Scale(kClientWidth), Scale(kClientHeight));
    dpi_.Track();
  }

  // What the controls measure in pixels besides their rectangles: the tree's
  // indent, the key lists' item height, the tips' width.
  void ScaleControlMetrics() {
    SendMessageW(Item(idNavTree), TVM_SETINDENT, WPARAM(Scale(19)), 0);
    for (int slot = 0; slot < kHotKeySlotCount; ++slot)
      if (HWND keys = Item(HotKeyRowControlId(HotKeySlot(slot), hrKey)))
        SendMessageW(keys, CB_SETITEMHEIGHT, 0, Scale(16));
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, Scale(300));
  }

  // The texts the caption table cannot reach by control id.
  void AfterCaptions() {
    SetWindowTextW(Item(idLblDoubleClick), CaptionW(OptionsTexts(), idBarDoubleClick).c_str());
    for (int slot = 0; slot < kHotKeySlotCount; ++slot)
      for (int m = 0; m < 4; ++m)
        SetWindowTextW(Item(HotKeyRowControlId(HotKeySlot(slot), m)),
                       CaptionW(OptionsTexts(), kRowModifierTexts[m]).c_str());
    std::wstring single = CaptionW(OptionsTexts(), txtHintSingle), dbl = CaptionW(OptionsTexts(), txtHintDouble);
    for (auto [id, text] : {std::pair{idSingleClickBox, &single}, std::pair{idDoubleClickBox, &dbl}}) {
      TOOLINFOW ti{};
      ti.cbSize = sizeof ti;
      ti.hwnd = hwnd_;
      ti.uId = UINT_PTR(Item(id));
      ti.lpszText = text->data();
      SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, LPARAM(&ti));
    }
    BuildOptionLists();
    FillLanguageBox();
  }

  // The tree and both click lists from the edition's descriptor labels; the
  // first node becomes selected.
  void BuildOptionLists() {
    HWND tree = Item(idNavTree);
    building_ = true;
    SendMessageW(tree, TVM_DELETEITEM, 0, LPARAM(TVI_ROOT));
    HTREEITEM parent = TVI_ROOT, first = nullptr;
    const auto& nodes = model_.Nodes();
    for (size_t i = 0; i < nodes.size(); ++i) {
      std::wstring text = CaptionW(OptionsTexts(), nodes[i].text);
      TVINSERTSTRUCTW ins{};
      ins.hParent = nodes[i].child ? parent : TVI_ROOT;
      ins.hInsertAfter = TVI_LAST;
      ins.item.mask = TVIF_TEXT | TVIF_PARAM;
      ins.item.pszText = text.data();
      ins.item.lParam = LPARAM(i);
      auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, LPARAM(&ins)));
      if (!nodes[i].child) parent = item;
      if (!first) first = item;
    }
    for (HTREEITEM it = TreeView_GetRoot(tree); it; it = TreeView_GetNextSibling(tree, it))
      SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, LPARAM(it));
    building_ = false;
    model_.SelectNode(0);
    if (first) SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(first));
    ShowPage();

    SelectMouseActions();
  }

  // Fills the click boxes (with the stored action the edition does not list
  // as an extra last entry) and selects what each will store.
  void SelectMouseActions() {
    struct Box {
      int id, index, unlisted;
    };
    for (const Box& b : {Box{idSingleClickBox, model_.SingleClickIndex(), model_.SingleClickUnlistedText()},
                         Box{idDoubleClickBox, model_.DoubleClickIndex(), model_.DoubleClickUnlistedText()}}) {
      HWND box = Item(b.id);
      SendMessageW(box, CB_RESETCONTENT, 0, 0);
      for (const MouseOption& m : model_.MouseList())
        SendMessageW(box, CB_ADDSTRING, 0, LPARAM(CaptionW(OptionsTexts(), m.text).c_str()));
      int selected = b.index;
      if (b.unlisted >= 0) {
        SendMessageW(box, CB_ADDSTRING, 0, LPARAM(CaptionW(OptionsTexts(), b.unlisted).c_str()));
        if (selected < 0) selected = int(model_.MouseList().size());
      }
      SendMessageW(box, CB_SETCURSEL, WPARAM(selected), 0);
    }
  }

  void ShowPage() {
    int page = model_.Page();
    for (const PageControl& c : controls_)
      if (c.page != kAlways) ShowWindow(c.h, c.page == page && !c.hidden ? SW_SHOWNA : SW_HIDE);
    SetWindowTextW(Item(idCaptionPanel), CaptionW(OptionsTexts(), model_.CaptionText()).c_str());
  }

  // The language box: every list language, the active one selected.
  void FillLanguageBox() {
    HWND box = Item(idLanguageBox);
    filling_ = true;
    SendMessageW(box, CB_RESETCONTENT, 0, 0);
    for (const TAppLanguage::BoxItem& item : TAppLanguage::BoxItems()) {
      auto i = SendMessageW(box, CB_ADDSTRING, 0, LPARAM(Utf8ToWide(item.text).c_str()));
      SendMessageW(box, CB_SETITEMDATA, WPARAM(i), LPARAM(item.id));
    }
    SendMessageW(box, CB_SETCURSEL, WPARAM(TAppLanguage::BoxSelection()), 0);
    filling_ = false;
  }

  // Every control from the model.
  void ShowValues() {
    auto check = [&](int id, bool on) { SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); };
    check(idChkAutoRun, model_.autoRun);
    check(idChkSilentSpellMode, model_.silentSpellMode);
    check(idChkCompatibilityMode, model_.CompatibilityMode());
    check(idChkCompatibilityCut, model_.compatibilityCut);
    check(idChkDisableBackup, model_.disableBackup);
    check(idChkShowSmartBar, model_.showSmartBarOnOpen);
    SendMessageW(Item(idDelayTrack), TBM_SETPOS, TRUE, model_.DelayPosition());
    for (int s = 0; s < kHotKeySlotCount; ++s) {
      auto slot = HotKeySlot(s);
      for (int m = 0; m < 4; ++m) check(HotKeyRowControlId(slot, m), model_.HasModifier(slot, kRowModifiers[m]));
      SendMessageW(Item(HotKeyRowControlId(slot, hrKey)), CB_SETCURSEL, WPARAM(model_.KeyIndex(slot)), 0);
    }
    SelectMouseActions();
    ShowEnabling();
  }

  void ShowEnabling() {
    bool on = model_.CompatibilityControlsEnabled();
    // The delay's labels go grey with their slider, as a disabled control's label does.
    for (int id : {idChkCompatibilityCut, idDelayTrack, idChkDisableBackup, idLblDelay, idLblDelayLong})
      EnableWindow(Item(id), on);
  }

  bool Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

  void OnCommand(int id, int code) {
    switch (id) {
      case idOptOK: return End(OptionsResult::Ok);
      case idOptCancel: return End(OptionsResult::Cancel);
      case idOptHelp: return help_(kOptionsHelpContext);
      case idChkAutoRun: model_.autoRun = Checked(id); return;
      case idChkSilentSpellMode: model_.silentSpellMode = Checked(id); return;
      case idChkCompatibilityMode:
        model_.SetCompatibilityMode(Checked(id));
        return ShowEnabling();
      case idChkCompatibilityCut: model_.compatibilityCut = Checked(id); return;
      case idChkDisableBackup: model_.disableBackup = Checked(id); return;
      case idChkShowSmartBar: model_.showSmartBarOnOpen = Checked(id); return;
      case idSingleClickBox:
      case idDoubleClickBox:
        if (code == CBN_SELCHANGE) {
          int i = int(SendMessageW(Item(id), CB_GETCURSEL, 0, 0));
          id == idSingleClickBox ? model_.ChooseSingleClick(i) : model_.ChooseDoubleClick(i);
        }
        return;
      case idLanguageBox:
        if (filling_) return;
        if (code == CBN_DROPDOWN) return FillLanguageBox();
        if (code == CBN_SELCHANGE) {
          auto i = SendMessageW(Item(id), CB_GETCURSEL, 0, 0);
          if (i >= 0) language_.Apply(int(SendMessageW(Item(id), CB_GETITEMDATA, WPARAM(i), 0)));
        }
        return;
    }
    if (id >= idRowControlBase && id < idRowControlBase + kHotKeySlotCount * 8) {
      auto slot = HotKeySlot((id - idRowControlBase) / 8);
      int part = (id - idRowControlBase) % 8;
      if (part < 4) {
        model_.SetModifier(slot, kRowModifiers[part], Checked(id));
      } else if (part == hrKey && code == CBN_SELCHANGE) {
        model_.SetKey(slot, int(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)));
      }
    }
  }

  void End(OptionsResult r) {
    result_ = r;
    EndDialog(hwnd_, 0);
  }

  INT_PTR Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
      case WM_INITDIALOG:
        CreateControls();
        captions_.emplace(hwnd_, OptionsTexts(), [this] { AfterCaptions(); });
        ShowValues();
        SetForegroundWindow(hwnd_);
        SetFocus(Item(idNavTree));
        return FALSE;
      case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp));
        return TRUE;
      case WM_HSCROLL:
        if (HWND(lp) == Item(idDelayTrack))
          model_.SetDelayPosition(int(SendMessageW(Item(idDelayTrack), TBM_GETPOS, 0, 0)));
        return TRUE;
      case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        if (hdr->idFrom == UINT_PTR(idNavTree) && hdr->code == TVN_SELCHANGEDW && !building_) {
          model_.SelectNode(int(reinterpret_cast<NMTREEVIEWW*>(lp)->itemNew.lParam));
          ShowPage();
        }
        return TRUE;
      }
      case WM_CTLCOLORSTATIC:
        if (HWND(lp) == Item(idCaptionPanel)) {
          HDC dc = HDC(wp);
          // The caption colours of the theme, as long as the title stays readable on its panel.
          SetTextColor(dc, ReadableTextColor(GetSysColor(COLOR_INACTIVECAPTION),
                                             {GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_CAPTIONTEXT),
                                              GetSysColor(COLOR_INACTIVECAPTIONTEXT)}));
          SetBkColor(dc, GetSysColor(COLOR_INACTIVECAPTION));
          return INT_PTR(GetSysColorBrush(COLOR_INACTIVECAPTION));
        }
        return FALSE;
      case WM_HELP: {
        auto* info = reinterpret_cast<HELPINFO*>(lp);
        help_(info->iContextType == HELPINFO_WINDOW ? HelpContextOf(info->iCtrlId) : kOptionsHelpContext);
        return TRUE;
      }
      case WM_CLOSE:
        End(OptionsResult::Closed);  // neither saves nor reloads
        return TRUE;
      case WM_DESTROY:
        captions_.reset();
        return FALSE;
    }
    return FALSE;
  }

  OptionsModel& model_;
  TAppLanguage& language_;
  const std::function<void(int)>& help_;
  HWND hwnd_ = nullptr;
  HWND tips_ = nullptr;
  TDpiFollower dpi_;  // the window's DPI and its fonts
  FollowedFont font_, boldFont_, fixedFont_;
  std::vector<PageControl> controls_;
  std::optional<WindowCaptions> captions_;
  bool building_ = false;
  bool filling_ = false;
  OptionsResult result_ = OptionsResult::Closed;
};

}  // namespace

OptionsResult ShowOptionsDialog(HWND owner, OptionsModel& model, TAppLanguage& language,
                                const std::function<void(int context)>& help) {
  OptionsDialog dialog(model, language, help);
  return dialog.Show(owner);
}

}  // namespace wx
