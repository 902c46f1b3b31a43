#include "ui/TwoColumns.h"

#include <gtest/gtest.h>

namespace wx {
namespace {

TEST(TwoColumns, HalvesWhileTheLabelsFitThenSpareRoomThenAWiderWindow) {
  // Short labels: the design halves.
  TTwoColumns c = SplitTwoColumns(200, 150, 488, 4, 500);
  EXPECT_EQ(c.left, 242);
  EXPECT_EQ(c.right, 242);
  EXPECT_EQ(c.grow, 0);
  // One long label on the left: the right's spare room, no growth.
  c = SplitTwoColumns(270, 200, 488, 4, 500);
  EXPECT_EQ(c.left, 270);
  EXPECT_EQ(c.right, 214);
  EXPECT_EQ(c.grow, 0);
  // A long right column gives up none of what it needs.
  c = SplitTwoColumns(100, 300, 488, 4, 500);
  EXPECT_EQ(c.right, 300);
  EXPECT_EQ(c.left + c.right + 4, 488);
  // Both long: the window grows by exactly what is missing.
  c = SplitTwoColumns(300, 260, 488, 4, 500);
  EXPECT_EQ(c.grow, 76);
  EXPECT_GE(c.left, 300);
  EXPECT_GE(c.right, 260);
  EXPECT_EQ(c.left + c.right + 4, 488 + 76);
  // No room on the monitor: the growth stops there and the columns share.
  c = SplitTwoColumns(400, 400, 488, 4, 20);
  EXPECT_EQ(c.grow, 20);
  EXPECT_EQ(c.left + c.right + 4, 508);
  EXPECT_GE(c.left, 0);
  EXPECT_GE(c.right, 0);
}

}  // namespace
}  // namespace wx
