// A Smart Bar host for the Windows tests: every feature on, never busy, a
// command does nothing, and closing the bar is a shutdown (no notice).
#pragma once

#include "windows/SmartBar_win.h"

namespace wx {

inline TSmartBarHost QuietSmartBarHost() {
  TSmartBarHost host;
  host.features = {true, true, true, "Wendrix"};
  host.runCommand = [](Command) {};
  host.busy = [] { return false; };
  host.acceptsInput = [] { return true; };
  host.optionsWindowVisible = [] { return false; };
  host.updaterPresent = [] { return false; };
  host.shuttingDown = [] { return true; };
  host.sessionEnding = [] {};
  host.showCloseNotice = [] {};
  host.destroyed = [] {};
  return host;
}

}  // namespace wx
