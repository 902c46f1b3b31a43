// The notices and questions of the Selected actions when no text could be
// taken from the working application, and of the clipboard actions when the
// clipboard or the application stays out of reach, in the active interface
// language (put together from the sentences of app/AppTexts.h).
#pragma once

#include <string>

namespace wx {

// The four Selected actions, numbered as the capture keeps them pending.
enum PendingActionCode : int {
  paNone = 0,
  paSpellCheckSelected = 1,
  paSpellCheckAll = 2,
  paThesaurusSelected = 3,
  paDefinitionsSelected = 4,
};

// The compatibility-mode notice (time-out or empty copy) of an action.
std::string CompatibilityModeNotice(int action);
// The direct-mode question offering compatibility mode.
std::string DirectModeQuestion(int action);

// The name of a Selected action as its messages use it ("Thesaurus Selected").
std::string SelectedActionName(int action);
// Another program kept the clipboard open: the action (named as the user
// knows it, "Thesaurus Selected", "Spell Check ClipBoard") stopped. An
// action's English name, in any letter case, is shown in the active language.
std::string ClipboardBusyNotice(const std::string& actionName);
// The working application did not answer an edit message in time.
std::string NotRespondingNotice(const std::string& actionName);
// Spell Check Clipboard found nothing on the clipboard.
std::string EmptyClipboardNotice();

}  // namespace wx
