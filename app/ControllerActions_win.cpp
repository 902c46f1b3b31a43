// The controller's action dispatch and busy state: hotkeys, tray clicks and
// tray menu commands become Commands, run here with the busy state kept and
// shown by the tray icon.
#include "app/Controller_win.h"

#include "app/AboutBox_win.h"
#include "app/AppErrors.h"
#include "app/ErrorBox_win.h"
#include "app/Help_win.h"
#include "app/Managers_win.h"
#include "app/TrayMenuTexts.h"
#include "common/AnsiText.h"
#include "common/ScopeExit.h"
#include "spelling/CustomDictionariesDialog_win.h"
#include "spelling/SpellOptionsDialog_win.h"

namespace wx {

void TfrmTarvelo::BeginWork() {
  work_.Begin();
  ShowWorkState();
}

void TfrmTarvelo::EndWork() {
  work_.End();
  ShowWorkState();
}

void TfrmTarvelo::ShowWorkState() {
  tray_->AutoPopup = work_.AcceptsInput();
  tray_->SetHint(work_.Busy() ? Utf8ToWide(TrayBusyTip()) : L"Wendrix");
  tray_->SetState(work_.Busy() ? tsAnimated : tsDisabled);
}

void TfrmTarvelo::WithModalDialog(const std::function<void()>& body) {
  work_.BeginModal();
  ShowWorkState();
  ScopeExit modal([this] {
    work_.EndModal();
    ShowWorkState();
  });
  body();
}

void TfrmTarvelo::SysHotKey1HotKey(int index) {
  // Only post: the capture starts after the hotkey callback has returned.
  if (AcceptsInput()) PostMessageW(window_, WM_RUNHOTKEY, 0, LPARAM(index));
}

void TfrmTarvelo::WMHotKeyAction(LPARAM slotId) {
  if (!AcceptsInput()) return;
  for (HotKeySlot slot : SlotsForHotKeyId(hotKeyIds_, int(slotId))) RunCommand(CommandForSlot(slot), this);
}

void TfrmTarvelo::TrayIcon95Click() {
  if (tray_->State() != tsAnimated && AcceptsInput()) RunMouseAction(SingleClickAction);
}

void TfrmTarvelo::TrayIcon95DblClick() {
  if (tray_->State() != tsAnimated && AcceptsInput()) RunMouseAction(DoubleClickAction);
}

void TfrmTarvelo::RunMouseAction(int code) {
  Command c = CommandForMouseAction(code);
  if (c == Command::PopupMenu) {
    tray_->PopupAtCursor();
    return;
  }
  if (c != Command::None) RunCommand(c, this);
}

HMENU TfrmTarvelo::BuildTrayMenu() {
  // A language stored meanwhile takes effect when the menu opens.
  Guarded([this] { language_.Attach(); });
  HMENU menu = CreatePopupMenu();
  for (const TrayMenuItem& item : TrayMenuFor(BuildEdition)) {
    if (item.name[0] == '-') {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item.submenuHelp) {
      HMENU help = CreatePopupMenu();
      // The update tool's item is enabled only when the tool lies beside the program.
      bool updater = DictionaryUpdaterPresent();
      for (const TrayMenuItem& h : HelpMenu()) {
        if (h.name[0] == '-') {
          AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
          continue;
        }
        UINT flags = MF_STRING;
        if (h.command == Command::DictionaryUpdate && !updater) flags |= MF_GRAYED;
        AppendMenuW(help, flags, kMenuCommandBase + UINT(h.command), Utf8ToWide(TrayMenuCaption(h)).c_str());
      }
      AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(help), Utf8ToWide(TrayMenuCaption(item)).c_str());
    } else {
      AppendMenuW(menu, MF_STRING, kMenuCommandBase + UINT(item.command), Utf8ToWide(TrayMenuCaption(item)).c_str());
    }
  }
  return menu;
}

void TfrmTarvelo::RunCommand(Command command, const void* Sender) {
  switch (command) {
    case Command::SpellClipboard: SpellClipboard(Sender); break;
    case Command::ThesClipboard: ThesClipboard(Sender); break;
    case Command::DefinitionsClipboard: DefinitionsClipboard(Sender); break;
    case Command::SpellCheckSelected:
      CheckMainDictionaries();
      if (!Busy()) RunSelectedAction(paSpellCheckSelected);
      break;
    case Command::SpellCheckAll:
      CheckMainDictionaries();
      if (!Busy()) RunSelectedAction(paSpellCheckAll);
      break;
    case Command::ThesaurusSelected:
      if (Busy()) break;
      CheckAppFile("Thesaurus.qxt");
      RunSelectedAction(paThesaurusSelected);
      break;
    case Command::DefinitionsSelected:
      if (Busy()) break;
      CheckAppFile("Definitions.ydd");
      RunSelectedAction(paDefinitionsSelected);
      break;
    case Command::OpenEditor: LaunchEditor("Wendrix.exe"); break;
    case Command::OpenEditor2: LaunchEditor(""); break;  // no second editor ships with this version
    case Command::InstantSpell:
      CheckMainDictionaries();
      if (!Busy()) RunInstantSpell();
      break;
    case Command::SpellOptions:
      WithModalDialog([this] { WithSpeller([this](TSpellCheckerBase& s) { ShowSpellOptionsDialog(window_, s); }); });
      break;
    case Command::EditCustomDictionary:
      WithModalDialog(
          [this] { WithSpeller([this](TSpellCheckerBase& s) { ShowCustomDictionariesDialog(window_, s); }); });
      break;
    case Command::Preferences:
      WithModalDialog([this] { ShowOptions(); });
      break;
    case Command::SmartBar: ShowSmartBar(); break;
    case Command::PopupMenu: tray_->PopupAtCursor(); break;
    case Command::HelpContents: ShowHelp(window_, HelpRequest::Contents); break;
    case Command::HelpTopics: ShowHelp(window_, HelpRequest::Index); break;
    case Command::WebSite: OpenWebSite(); break;
    case Command::DictionaryUpdate: LaunchDictionaryUpdate(); break;
    case Command::About: WithModalDialog([this] { ShowAboutBox(window_); }); break;
    case Command::Exit: Close(); break;
    case Command::None: break;
  }
}

void TfrmTarvelo::WithSpeller(const std::function<void(TSpellCheckerBase&)>& body) {
  TSpellCheckerBase& speller = ManagedSpelling().Data().Speller;
  // What the dialog changed is stored when it closes, even when it fails,
  // so that an end of the session loses nothing.
  ScopeExit store([&] { speller.Config().Save(); });
  body(speller);
}

void TfrmTarvelo::CheckMainDictionaries() { mainDictionaries_.Run(CurrentRegistry()); }

}  // namespace wx
