// The custom dictionaries dialog and its name prompt: thin windows over
// TCustomDictionariesModel.
#pragma once

#include <windows.h>

namespace wx {

class TSpellCheckerBase;

// Shows the dialog modally; every change goes to the checker's
// configuration and the dictionary files at once.
void ShowCustomDictionariesDialog(HWND owner, TSpellCheckerBase& checker);

}  // namespace wx
