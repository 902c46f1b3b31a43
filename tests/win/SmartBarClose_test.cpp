// The Smart Bar's caption close button shows a cross drawn with lines, not
// a letter of a symbol font that may be missing.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "common/MemoryRegistry.h"
#include "common/Registry.h"
#include "win/SmartBarTestHost.h"

namespace wx {

namespace {

// The close button's rectangle in window coordinates: where the frame answers HTCLOSE.
bool CloseRect(HWND w, RECT& out) {
  RECT wr{};
  GetWindowRect(w, &wr);
  auto isClose = [w](int x, int y) {
    return SendMessageW(w, WM_NCHITTEST, 0, MAKELPARAM(short(x), short(y))) == HTCLOSE;
  };
  for (int y = wr.top; y < wr.top + 40; ++y)
    for (int x = wr.right - 1; x > wr.right - 60; --x)
      if (isClose(x, y)) {
        int left = x, bottom = y;
        while (isClose(left - 1, y)) --left;
        while (isClose(x, bottom)) ++bottom;
        out = {left - wr.left, y - wr.top, x + 1 - wr.left, bottom - wr.top};
        return true;
      }
  return false;
}

bool Dark(COLORREF c) { return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 100; }

// Dark on both diagonals near the centre, light on the axes between them: a cross.
bool ShowsACross(HWND w, const RECT& r) {
  HDC dc = GetWindowDC(w);
  const int cx = (r.left + r.right) / 2, cy = (r.top + r.bottom) / 2;
  const int d = std::max(2, int(r.bottom - r.top) / 7);
  bool cross = true;
  for (int sx : {-1, 1})
    for (int sy : {-1, 1}) cross = cross && Dark(GetPixel(dc, cx + sx * d, cy + sy * d));
  for (auto [dx, dy] : {std::pair{0, -d}, {0, d}, {-d, 0}, {d, 0}})
    cross = cross && !Dark(GetPixel(dc, cx + dx, cy + dy));
  ReleaseDC(w, dc);
  return cross;
}

}  // namespace

TEST(SmartBarWindow, CloseButtonShowsACrossOfLines) {
  SetCurrentRegistry(std::make_shared<MemoryRegistry>());
  TSmartBarHost host = QuietSmartBarHost();
  {
    TfrmSmartBar bar(host);
    ASSERT_TRUE(bar.Create());
    bar.Show();
    RECT close{};
    ASSERT_TRUE(CloseRect(bar.Handle(), close)) << "no close button on the caption";
    RedrawWindow(bar.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    bool cross = false;
    const DWORD start = GetTickCount();
    while (!(cross = ShowsACross(bar.Handle(), close)) && GetTickCount() - start < 3000) {
      MSG msg;
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      Sleep(10);
    }
    EXPECT_TRUE(cross) << "close button at " << close.left << "," << close.top << " - " << close.right << ","
                       << close.bottom;
  }
  SetCurrentRegistry(nullptr);
}

}  // namespace wx
