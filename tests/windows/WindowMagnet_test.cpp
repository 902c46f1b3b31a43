#include "windows/WindowMagnet.h"

#include <gtest/gtest.h>

namespace wx {

namespace {
const TRect kArea{0, 0, 1024, 738};
const TRect kBar{0, 0, 150, 140};
}  // namespace

TEST(WindowMagnet, EdgesAttractFromLessThanThePowerOnEitherSide) {
  TScreenMagnet m;  // power 15
  for (int right : {1024 - 14, 1024 + 14, 1024 - 1, 1024}) {
    TRect r = kBar.MovedTo(right - 150, 300);
    SnapToEdges(r, kArea, m);
    EXPECT_EQ(r, kBar.MovedTo(1024 - 150, 300)) << right;
  }
  for (int right : {1024 - 15, 1024 + 15}) {
    TRect r = kBar.MovedTo(right - 150, 300);
    SnapToEdges(r, kArea, m);
    EXPECT_EQ(r.right, right);
  }
  TRect topLeft = kBar.MovedTo(-10, 12);
  SnapToEdges(topLeft, kArea, m);
  EXPECT_EQ(topLeft, kBar);
  // An edge turned off does not attract.
  m.Left = false;
  TRect free = kBar.MovedTo(5, 300);
  SnapToEdges(free, kArea, m);
  EXPECT_EQ(free.left, 5);
  // A window taller than the area near both ends is aligned to the bottom.
  TRect tall{100, -5, 250, 745};
  SnapToEdges(tall, kArea, TScreenMagnet{});
  EXPECT_EQ(tall, (TRect{100, -12, 250, 738}));
}

TEST(WindowMagnet, DragFollowsTheCursorSnapsAndComesLoose) {
  TFormMagnet magnet;
  // The user grabs the bar 20,10 inside its corner at 500,300.
  TRect r = kBar.MovedTo(500, 300);
  magnet.Moving(r, {520, 310}, {500, 300}, kArea, {});
  EXPECT_TRUE(magnet.Dragging());
  EXPECT_EQ(r, kBar.MovedTo(500, 300));
  // The system proposes something else; the rectangle follows the cursor.
  r = kBar.MovedTo(0, 0);
  magnet.Moving(r, {1024 - 150 - 10 + 20, 310}, {500, 300}, kArea, {});
  EXPECT_EQ(r, kBar.MovedTo(1024 - 150, 300)) << "10 px from the right edge snaps";
  r = kBar.MovedTo(1024 - 150, 300);
  magnet.Moving(r, {1024 - 150 - 20 + 20, 310}, {1024 - 150, 300}, kArea, {});
  EXPECT_EQ(r, kBar.MovedTo(1024 - 150 - 20, 300)) << "20 px away it comes loose";
  TRect current = r;
  std::vector<TGluedMove> moves;
  EXPECT_FALSE(magnet.ExitMove(current, kArea, {}, moves));
  EXPECT_FALSE(magnet.Dragging());

  // Inactive, or moved by another magnet: the proposal stands.
  magnet.Active = false;
  r = kBar.MovedTo(5, 5);
  magnet.Moving(r, {0, 0}, {5, 5}, kArea, {});
  EXPECT_EQ(r, kBar.MovedTo(5, 5));
}

TEST(WindowMagnet, AfterMovingSnapsOnlyWhenTheMoveEnds) {
  TFormMagnet magnet;
  magnet.MagnetType = mkAfterMoving;
  TRect r = kBar.MovedTo(100, 100);
  magnet.Moving(r, {105, 105}, {100, 100}, kArea, {});
  r = kBar;
  magnet.Moving(r, {12, 9}, {100, 100}, kArea, {});
  EXPECT_EQ(r, kBar.MovedTo(7, 4));
  std::vector<TGluedMove> moves;
  ASSERT_TRUE(magnet.ExitMove(r, kArea, {}, moves));
  EXPECT_EQ(r, kBar);
}

TEST(WindowMagnet, OtherWindowsAttractAndGlue) {
  const TRect other{400, 200, 600, 400};
  // Own bottom to its top, 5 px apart, x-ranges overlapping.
  TRect r = kBar.MovedTo(450, 200 - 140 - 5);
  EXPECT_TRUE(SnapToWindow(r, other, 20));
  EXPECT_EQ(r, kBar.MovedTo(450, 60));
  // Exactly touching (distance 0) is left alone; no overlap on the other axis, no pull.
  r = kBar.MovedTo(450, 60);
  EXPECT_FALSE(SnapToWindow(r, other, 20));
  r = kBar.MovedTo(700, 55);
  EXPECT_FALSE(SnapToWindow(r, other, 20));
  // Own left to its right.
  r = kBar.MovedTo(610, 250);
  EXPECT_TRUE(SnapToWindow(r, other, 20));
  EXPECT_EQ(r.left, 600);

  // A drag with a snapped peer keeps the work-area edges off unless glued.
  TFormMagnet magnet;
  const TRect beside{400, 100, 600, 300};
  r = kBar.MovedTo(240, 8);
  magnet.Moving(r, {250, 18}, {240, 8}, kArea, {{7, beside}});
  EXPECT_EQ(r, kBar.MovedTo(250, 8)) << "the peer pulled it sideways, so the top edge did not";

  // Glue: a peer touching the bar's right edge moves along, keeping its offset.
  TFormMagnet glue;
  glue.Glue = true;
  const TRect peer{150, 20, 350, 220};
  TRect g = kBar.MovedTo(0, 0);
  glue.Moving(g, {10, 10}, {0, 0}, kArea, {{3, peer}});
  g = kBar;
  auto moves = glue.Moving(g, {110, 60}, {0, 0}, kArea, {{3, peer}});
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0].id, 3);
  EXPECT_EQ(moves[0].to.x, 250);
  EXPECT_EQ(moves[0].to.y, 70);
  EXPECT_TRUE(EdgesTouch(kBar, peer));
  EXPECT_FALSE(EdgesTouch(kBar, other));
}

}  // namespace wx
