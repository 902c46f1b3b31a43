// The spelling options dialog: a thin window over TSpellOptionsModel.
#pragma once

#include <windows.h>


namespace wx {

class TSpellCheckerBase;

// Shows the dialog modally, centred on the monitor in use; every change goes
// to the checker's configuration at once. The main dictionaries are
// reordered when it closes, so the first one's language takes effect.
void ShowSpellOptionsDialog(HWND owner, TSpellCheckerBase& checker);
// The same on a checker made for the dialog over the program's stored
// configuration (the registry), which writes its changes back when it goes.
void ShowProgramSpellOptions(HWND owner);

}  // namespace wx
