// What the controller opens: the Instant Spell window, the editors, the
// dictionary update tool, the web site and the options window.
#include "app/Controller_win.h"

#include <shellapi.h>

#include "app/AppErrors.h"
#include "app/AutoRun.h"
#include "app/ErrorBox_win.h"
#include "app/Help_win.h"
#include "app/Managers_win.h"
#include "app/OptionsDialog_win.h"
#include "app/ProgramPath_win.h"
#include "common/AnsiText.h"
#include "common/FileSystem.h"
#include "common/FreedMemory_win.h"
#include "common/ScopeExit.h"
#include "spelling/SpellDialogTexts.h"
#include "windows/InstantSpell_win.h"

namespace wx {

namespace {

// The dictionary update tool, which may lie beside the program.
const char kDictionaryUpdater[] = "DictionaryUpdate.exe";

}  // namespace

void TfrmTarvelo::RunInstantSpell() {
  WorkScope work(*this);
  // The window's F7, F8 and F9 would otherwise be taken by the program's own
  // hotkeys, which do nothing while it is busy: they are let go meanwhile.
  hotKeys_->SetActive(false);
  ScopeExit hotKeys([this] { Guarded([this] { hotKeys_->SetActive(true); }); });
  // The program's speller; what Active Spell changed is stored when the
  // window closes.
  WithSpeller([this](TSpellCheckerBase& speller) {
    // The check's messages in the program's interface language, as the window's texts.
    Guarded([this] { language_.Attach(); });
    speller.UILanguage = SpellLanguageOf(language_.SpellerLanguage());
    TInstantSpellServices services;
    services.engine = &speller;
    services.thesaurusLookup = [this](const std::wstring& word) { return ThesaurusLookup(word); };
    services.definitionsLookup = [this](const std::wstring& word) { return DefinitionsLookup(word); };
    services.guarded = [](const std::function<void()>& command) { Guarded(command); };
    ShowInstantSpell(window_, std::move(services));
  });
  // The editor's long text is freed now; its heap pages go back too.
  GiveBackFreedMemory();
}

void TfrmTarvelo::LaunchEditor(const std::string& fileName) {
  CheckAppFile(fileName);
  auto rc = reinterpret_cast<INT_PTR>(ShellExecuteW(window_, nullptr, Utf8ToWide(AppFilePath(fileName)).c_str(),
                                                    nullptr, nullptr, SW_SHOWNORMAL));
  if (rc <= 32) throw EEditorError();
}

bool DictionaryUpdaterPresent() {
  return PathExists(AppFilePath(kDictionaryUpdater));
}

void TfrmTarvelo::LaunchDictionaryUpdate() {
  ShellExecuteW(window_, nullptr, Utf8ToWide(AppFilePath(kDictionaryUpdater)).c_str(), nullptr, nullptr,
                SW_SHOWNORMAL);
}

void TfrmTarvelo::OpenWebSite() {
  auto rc = reinterpret_cast<INT_PTR>(
      ShellExecuteW(window_, nullptr, Utf8ToWide(kSupportWebAddress).c_str(), nullptr, nullptr, SW_SHOW));
  if (rc <= 32) throw EBrowserError();
}

void TfrmTarvelo::ShowOptions() {
  // Showing: the auto-run state is read afresh (converting a legacy start-up
  // value); a shortcut that cannot be written is reported, and the window
  // still opens.
  bool autoRun = false;
  try {
    autoRun = CheckAutoRun(CurrentRegistry(), SystemAutoRunShell(), ProgramPath());
  } catch (const EAutoRunError& e) {
    ShowErrorMessage(e);
  }
  if (optionsEdited_) {
    optionsModel_.autoRun = autoRun;
    optionsModel_.silentSpellMode = options_.silentSpellMode;
  } else {
    optionsModel_.Load(options_, autoRun);
  }
  // Counts as shown until Cancel has reloaded the settings, so that the
  // reload does not open the Smart Bar again.
  optionsShowing_ = true;
  ScopeExit hidden([this] { optionsShowing_ = false; });
  OptionsResult result = ShowOptionsDialog(window_, optionsModel_, language_, [this](int context) {
    Guarded([&] { ShowHelp(window_, HelpRequest::Context, context); });
  });
  optionsEdited_ = result == OptionsResult::Closed;
  if (result == OptionsResult::Ok) {
    MainOptions edited = optionsModel_.Result();
    options_ = edited;
    SingleClickAction = edited.singleClickAction;
    DoubleClickAction = edited.doubleClickAction;
    RegisterHotKeys();
    SaveMainOptions(CurrentRegistry(), options_);
    SaveAutoRun(CurrentRegistry(), SystemAutoRunShell(), optionsModel_.autoRun, ProgramPath());
  } else if (result == OptionsResult::Cancel) {
    LoadSettings();
  }
}

}  // namespace wx
