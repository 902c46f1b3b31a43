// The spelling options dialog: a thin window over TSpellOptionsModel.
#pragma once

#include <windows.h>


namespace wx {

class TSpellCheckerBase;

// Shows the dialog modally, centred on the monitor in use; every change goes
// to the checker's configuration at once. The main dictionaries are
// reordered when it closes, so the first one's language takes effect.
void ShowSpellOptionsDialog(HWND owner, TSpellCheckerBase& checker);

}  // namespace wx
