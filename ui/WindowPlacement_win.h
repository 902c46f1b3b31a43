// The screen's work areas, for placing windows (see WindowPlacement.h).
#pragma once

#include <windows.h>

#include <vector>

#include "ui/WindowPlacement.h"

namespace wx {

inline TRect ToTRect(const RECT& r) { return {int(r.left), int(r.top), int(r.right), int(r.bottom)}; }
inline RECT ToRECT(const TRect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The primary monitor's work area (the screen minus the task bars).
TRect PrimaryWorkArea();
// The work area of every monitor, the primary one first.
std::vector<TRect> MonitorWorkAreas();
// The work area of the monitor a window is on.
TRect WorkAreaOf(HWND window);
// A window's rectangle in screen coordinates.
TRect WindowRectOf(HWND window);

}  // namespace wx
