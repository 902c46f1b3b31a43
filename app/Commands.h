// The one command enumeration through which the tray menu, tray clicks,
// hotkeys and the Smart Bar dispatch, and the tray menu of each edition.
#pragma once

#include <cstdint>
#include <vector>

#include "app/Edition.h"
#include "app/HotKeys.h"
#include "common/Command.h"
#include "windows/SmartBarModel.h"

namespace wx {

// What the Smart Bar offers in an edition.
TSmartBarFeatures SmartBarFeaturesFor(TBuildEdition edition);

// The command a tray click action code runs (None for 0 and unknown codes).
Command CommandForMouseAction(int code);
// The command a hotkey slot runs.
Command CommandForSlot(HotKeySlot slot);

struct TrayMenuItem {
  const char* name;     // component name, e.g. "pmtExit"; "-" for a separator
  const char* caption;  // with "&" accelerators
  Command command;
  int helpContext;
  bool submenuHelp;     // the "&Help" item opens the help submenu
};

// The tray menu top to bottom as the edition shows it (hidden items left out).
std::vector<TrayMenuItem> TrayMenuFor(TBuildEdition edition);
// The help submenu.
std::vector<TrayMenuItem> HelpMenu();

}  // namespace wx
