// Where the definitions window was last: kept in the ini-style key
// "Software\Morvane\Dialogs", section "Definitions Dictionary".
#pragma once

#include <vector>

#include "common/Registry.h"
#include "ui/WindowPlacement.h"

namespace wx {

struct WindowGeometry {
  int left = 40, top = 40, width = 500, height = 340;
};

// Missing or non-numeric values read as the defaults.
WindowGeometry ReadDefinitionsGeometry(Registry& registry);
// The same with the values to take where nothing is stored.
WindowGeometry ReadDefinitionsGeometry(Registry& registry, const WindowGeometry& defaults);
void WriteDefinitionsGeometry(Registry& registry, const WindowGeometry& geometry);

// The stored place as the window can use it: at least the minimum size and
// on a monitor's work area (a place stored on a monitor no longer attached,
// or an edited value, would otherwise open the window out of reach).
WindowGeometry UsableGeometry(const WindowGeometry& stored, int minWidth, int minHeight,
                              const std::vector<TRect>& workAreas);

}  // namespace wx
