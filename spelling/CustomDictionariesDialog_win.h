// The custom dictionaries dialog and its name prompt: thin windows over
// TCustomDictionariesModel.
#pragma once

#include <windows.h>

namespace wx {

class TSpellCheckerBase;

// Shows the dialog modally; every change goes to the checker's
// configuration and the dictionary files at once.
void ShowCustomDictionariesDialog(HWND owner, TSpellCheckerBase& checker);
// The same on a checker made for the dialog over the program's stored
// configuration, which writes its changes back when it goes.
void ShowProgramCustomDictionaries(HWND owner);

}  // namespace wx
