#include "ui/WindowPlacement.h"

#include <gtest/gtest.h>

namespace wx {

TEST(WindowPlacement, BottomRightUsesTheWorkAreasEdges) {
  // A taskbar at the top and on the left: the work area starts at 60,40.
  TRect area{60, 40, 1024, 768};
  EXPECT_EQ(BottomRightIn(area, 150, 140), (TRect{874, 628, 1024, 768}));
  // A second monitor to the right of the first.
  EXPECT_EQ(BottomRightIn({1024, 0, 2304, 1000}, 150, 140), (TRect{2154, 860, 2304, 1000}));
}

TEST(WindowPlacement, StoredPlaceIsKeptOnTheNearestWorkArea) {
  const std::vector<TRect> two = {{0, 0, 1024, 738}, {1024, 0, 2304, 1024}};
  const TRect bar{0, 0, 150, 140};
  // Fully on the second monitor: unchanged.
  EXPECT_EQ(KeepOnWorkArea(bar.MovedTo(1500, 300), two), bar.MovedTo(1500, 300));
  // Off every monitor (the second one was removed): onto the nearest edge.
  const std::vector<TRect> one = {two[0]};
  EXPECT_EQ(KeepOnWorkArea(bar.MovedTo(2100, 870), one), bar.MovedTo(874, 598));
  EXPECT_EQ(KeepOnWorkArea(bar.MovedTo(-900, -50), one), bar.MovedTo(0, 0));
  // Half on the first, half beyond its bottom: pulled up inside it.
  EXPECT_EQ(KeepOnWorkArea(bar.MovedTo(100, 700), one), bar.MovedTo(100, 598));
  // Straddling both: goes to the one it overlaps most.
  EXPECT_EQ(NearestWorkArea(bar.MovedTo(1000, 10), two), 1);
  EXPECT_EQ(NearestWorkArea(bar.MovedTo(940, 10), two), 0);
  // Above the second monitor, nearer to it than to the first.
  EXPECT_EQ(NearestWorkArea(bar.MovedTo(2000, -500), two), 1);
  // Larger than the area: its top-left corner on the area's.
  EXPECT_EQ(KeepOnWorkArea(TRect{500, 500, 2500, 1500}, one), (TRect{0, 0, 2000, 1000}));
  EXPECT_EQ(KeepOnWorkArea(bar.MovedTo(5000, 5000), {}), bar.MovedTo(5000, 5000));
}

}  // namespace wx

namespace wx {

TEST(WindowPlacement, FittedPlaceHasTheMinimumSizeAndStaysOnTheWorkArea) {
  const std::vector<TRect> one = {{0, 0, 1024, 738}};
  // A sound place is kept.
  EXPECT_EQ(FitOnWorkArea({40, 40, 540, 380}, 285, 230, one), (TRect{40, 40, 540, 380}));
  // Too small (or negative): grown to the minimum where it was.
  EXPECT_EQ(FitOnWorkArea({100, 100, 110, 90}, 285, 230, one), (TRect{100, 100, 385, 330}));
  // Far off screen: brought back by the nearest edges.
  EXPECT_EQ(FitOnWorkArea({5000, -4000, 5500, -3660}, 285, 230, one), (TRect{524, 0, 1024, 340}));
  // Larger than the screen: shrunk to it.
  EXPECT_EQ(FitOnWorkArea({-50, -50, 30000, 30000}, 285, 230, one), (TRect{0, 0, 1024, 738}));
}

}  // namespace wx
