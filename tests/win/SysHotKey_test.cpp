// The hotkey component when its hidden window cannot be made: it reports
// the failure instead of registering hotkeys to the thread, where the
// message loop would drop them.
#include <windows.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/HotKeys.h"
#include "app/SysHotKey_win.h"

using namespace wx;

TEST(SysHotKey, WindowThatCannotBeCreatedIsReportedNotRegisteredToTheThread) {
  // The component's window class, taken first by one whose windows refuse
  // to be created.
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    return m == WM_NCCREATE ? FALSE : DefWindowProcW(h, m, w, l);
  };
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TSysHotKeyWindow";
  ASSERT_NE(RegisterClassExW(&wc), 0);

  int f8 = -1;
  for (size_t i = 0; i < HotKeyTable().size(); ++i)
    if (HotKeyTable()[i] == VK_F8) f8 = int(i);
  ASSERT_GE(f8, 0);
  {
    TSysHotKey hotKeys;
    hotKeys.SetActive(true);
    EXPECT_THROW(hotKeys.AddHotKey(f8, 0), std::runtime_error);
    EXPECT_FALSE(hotKeys.Registered(0));
    // F8 is still free: nothing was registered for the thread.
    EXPECT_TRUE(RegisterHotKey(nullptr, 7, 0, VK_F8));
    UnregisterHotKey(nullptr, 7);
  }
  UnregisterClassW(L"TSysHotKeyWindow", GetModuleHandleW(nullptr));
}
