// The clipboard actions: the spelling, thesaurus and definitions services run
// on the clipboard's text, and the lookups the Instant Spell window asks for.
#include "app/Controller_win.h"

#include "app/AppErrors.h"
#include "app/CaptureMessages.h"
#include "app/Clipboard_win.h"
#include "app/ErrorBox_win.h"
#include "app/Managers_win.h"
#include "common/FreedMemory_win.h"
#include "common/WinText_win.h"
#include "spelling/SpellDialogTexts.h"
#include "windows/SpellViewer_win.h"

namespace wx {

void TfrmTarvelo::SpellClipboard(const void* Sender) {
  CheckMainDictionaries();
  if (Busy() && Sender) return;
  std::wstring text;
  ClipboardState clipboard = ReadClipboardText(window_, text);
  if (clipboard == ClipboardState::Locked) {
    ShowInformation(ClipboardBusyNotice("Spell Check ClipBoard"));
    return;
  }
  if (clipboard == ClipboardState::Empty) {
    ShowInformation(EmptyClipboardNotice());
    return;
  }
  WorkScope work(*this);
  TSpellCheckerBase& speller = ManagedSpelling().Data().Speller;
  // The viewer's texts are the speller's, in the interface language.
  speller.UILanguage = SpellLanguageOf(language_.SpellerLanguage());
  RunSpellViewer(speller, GetSpellViewerOptions());
  // The pane's long text is freed now; its heap pages go back too.
  GiveBackFreedMemory();
}

TSpellViewerSettings TfrmTarvelo::GetSpellViewerOptions() const {
  TSpellViewerSettings s;
  s.UseSavedPosition = true;
  s.SavePosition = true;
  // Its check box in the options window is never loaded, so never on.
  s.AlwaysOnTop = false;
  s.NoEndMessage = options_.silentSpellMode;
  return s;
}

void TfrmTarvelo::ThesClipboard(const void* Sender) {
  if (Busy() && Sender) return;
  CheckAppFile("Thesaurus.qxt");
  WorkScope work(*this);
  std::wstring word;
  if (ReadClipboardText(window_, word) == ClipboardState::Locked) {
    ShowInformation(ClipboardBusyNotice("Thesaurus ClipBoard"));
    return;
  }
  word = TrimText(word);
  if (!services_.thesaurusSession) throw ENotAvailable("The thesaurus");
  std::wstring replacement = services_.thesaurusSession(word);
  if (!replacement.empty()) SetClipboardText(window_, replacement);
}

std::wstring TfrmTarvelo::ThesaurusLookup(const std::wstring& word) {
  CheckAppFile("Thesaurus.qxt");
  if (!services_.thesaurusSession) throw ENotAvailable("The thesaurus");
  return services_.thesaurusSession(TrimText(word));
}

void TfrmTarvelo::DefinitionsClipboard(const void* Sender) {
  if (Busy() && Sender) return;
  WorkScope work(*this);
  CheckAppFile("Definitions.ydd");
  if (!services_.definitionsSession) throw ENotAvailable("The definitions window");
  std::wstring text;
  if (ReadClipboardText(window_, text) == ClipboardState::Locked) {
    ShowInformation(ClipboardBusyNotice("Definitions ClipBoard"));
    return;
  }
  std::wstring result;
  if (services_.definitionsSession(text.size() > 50 ? std::wstring() : text, result))
    SetClipboardText(window_, result);
}

std::wstring TfrmTarvelo::DefinitionsLookup(const std::wstring& word) {
  CheckAppFile("Definitions.ydd");
  if (!services_.definitionsSession) throw ENotAvailable("The definitions window");
  std::wstring result;
  if (!services_.definitionsSession(word.size() > 50 ? std::wstring() : word, result)) result.clear();
  return result;
}

}  // namespace wx
