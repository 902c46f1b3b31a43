// The notices and questions of the Selected actions when no text could be
// taken from the working application.
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

}  // namespace wx
