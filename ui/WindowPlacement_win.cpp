#include "ui/WindowPlacement_win.h"

namespace wx {

TRect PrimaryWorkArea() {
  RECT r{};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0))
    r = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  return ToTRect(r);
}

std::vector<TRect> MonitorWorkAreas() {
  std::vector<TRect> areas{PrimaryWorkArea()};
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        auto* list = reinterpret_cast<std::vector<TRect>*>(data);
        if (GetMonitorInfoW(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY))
          list->push_back(ToTRect(info.rcWork));
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&areas));
  return areas;
}

TRect WorkAreaOf(HWND window) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &info)) return ToTRect(info.rcWork);
  return PrimaryWorkArea();
}

TRect WindowRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return ToTRect(r);
}

}  // namespace wx
