// The Smart Bar follows the DPI of the monitor it is on: moved to one of
// another DPI (WM_DPICHANGED as Windows sends it), it takes the suggested
// place, and its buttons and their font grow with the DPI; moved back, it is
// as it was.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

#include "common/MemoryRegistry.h"
#include "common/Registry.h"
#include "win/SmartBarTestHost.h"

namespace wx {

namespace {

struct BarSeen {
  RECT window{}, client{}, button{};
  int fontHeight = 0;
};

BarSeen Look(HWND bar) {
  BarSeen s;
  GetWindowRect(bar, &s.window);
  GetClientRect(bar, &s.client);
  // The first button: the bar's top one.
  HWND button = GetWindow(bar, GW_CHILD);
  while (button && !(GetWindowLongW(button, GWL_STYLE) & WS_VISIBLE)) button = GetWindow(button, GW_HWNDNEXT);
  if (button) {
    GetWindowRect(button, &s.button);
    MapWindowPoints(nullptr, bar, reinterpret_cast<POINT*>(&s.button), 2);
    LOGFONTW lf{};
    if (GetObjectW(HFONT(SendMessageW(button, WM_GETFONT, 0, 0)), sizeof lf, &lf)) s.fontHeight = std::abs(lf.lfHeight);
  }
  return s;
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

TEST(SmartBarWindow, FollowsAMoveToAMonitorOfAnotherDpi) {
  SetCurrentRegistry(std::make_shared<MemoryRegistry>());
  TSmartBarHost host = QuietSmartBarHost();
  {
    TfrmSmartBar bar(host);
    ASSERT_TRUE(bar.Create());
    bar.Show();
    const HWND w = bar.Handle();
    const int dpi = WindowDpi(w);
    const BarSeen before = Look(w);
    ASSERT_GT(Height(before.button), 0);
    ASSERT_GT(before.fontHeight, 0);

    // Half as many pixels again per inch: the system suggests a rectangle for a
    // client area that much larger (the frame here stays as it is); the bar takes it.
    const int other = dpi * 3 / 2;
    const int frameW = Width(before.window) - Width(before.client), frameH = Height(before.window) - Height(before.client);
    RECT suggested{before.window.left, before.window.top,
                   before.window.left + frameW + Width(before.client) * 3 / 2,
                   before.window.top + frameH + Height(before.client) * 3 / 2};
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(other, other), LPARAM(&suggested));
    const BarSeen moved = Look(w);
    EXPECT_EQ(Width(moved.window), Width(suggested));
    EXPECT_EQ(Height(moved.window), Height(suggested));
    EXPECT_NEAR(Width(moved.button), Width(before.button) * 3 / 2, 2);
    EXPECT_NEAR(Height(moved.button), Height(before.button) * 3 / 2, 2);
    EXPECT_NEAR(moved.fontHeight, before.fontHeight * 3 / 2, 2);
    // The buttons fill the bar's width at the new DPI, as before.
    EXPECT_NEAR(Width(moved.button), Width(moved.client), 2);

    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&before.window));
    const BarSeen back = Look(w);
    EXPECT_EQ(Width(back.button), Width(before.button));
    EXPECT_EQ(Height(back.button), Height(before.button));
    EXPECT_EQ(back.fontHeight, before.fontHeight);
    EXPECT_EQ(Width(back.window), Width(before.window));
  }
  SetCurrentRegistry(nullptr);
}

}  // namespace wx
