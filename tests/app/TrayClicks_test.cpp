#include "app/TrayClicks.h"

#include <gtest/gtest.h>

namespace wx {

namespace {
constexpr uint32_t kDelay = TrayClicks::kDelayMs;
}

TEST(TrayClicks, SingleClickFallsDueAfterTheDelayUnlessADoubleClickCancelsIt) {
  TrayClicks clicks;
  EXPECT_EQ(clicks.Press(TrayButton::Left, 1000, true, true, true), TrayClickEvent::None);
  EXPECT_TRUE(clicks.Pending());
  EXPECT_EQ(clicks.Tick(1000 + kDelay - 1), TrayClickEvent::None);
  EXPECT_EQ(clicks.Tick(1000 + kDelay), TrayClickEvent::Click);
  EXPECT_FALSE(clicks.Pending());
  EXPECT_EQ(clicks.Tick(5000), TrayClickEvent::None) << "a click is delivered once";

  // Down, double-click message: only the double click is delivered.
  EXPECT_EQ(clicks.Press(TrayButton::Left, 6000, true, true, true), TrayClickEvent::None);
  EXPECT_EQ(clicks.DoublePress(), TrayClickEvent::DoubleClick);
  EXPECT_EQ(clicks.Tick(6000 + 2 * kDelay), TrayClickEvent::None);

  // A second press restarts the wait.
  clicks.Press(TrayButton::Middle, 9000, true, true, true);
  clicks.Press(TrayButton::Middle, 9300, true, true, true);
  EXPECT_EQ(clicks.Tick(9000 + kDelay), TrayClickEvent::None);
  EXPECT_EQ(clicks.Tick(9300 + kDelay), TrayClickEvent::Click);

  // The tick count wraps after 49.7 days.
  clicks.Press(TrayButton::Left, 0xFFFFFF00u, true, true, true);
  EXPECT_EQ(clicks.Tick(0x10), TrayClickEvent::None);
  EXPECT_EQ(clicks.Tick(0xFFFFFF00u + kDelay), TrayClickEvent::Click);
}

TEST(TrayClicks, WithoutADoubleClickActionASingleClickIsDeliveredAtOnce) {
  TrayClicks clicks;
  EXPECT_EQ(clicks.Press(TrayButton::Left, 10, true, true, false), TrayClickEvent::Click);
  EXPECT_FALSE(clicks.Pending());
  EXPECT_EQ(clicks.Press(TrayButton::Left, 20, false, true, false), TrayClickEvent::None);
}

TEST(TrayClicks, RightButtonOpensTheMenuOnlyWhileIdle) {
  TrayClicks clicks;
  EXPECT_EQ(clicks.Press(TrayButton::Right, 100, true, true, true), TrayClickEvent::PopupMenu);
  EXPECT_FALSE(clicks.Pending());
  // No menu to build: a right click is a single click.
  EXPECT_EQ(clicks.Press(TrayButton::Right, 200, true, false, true), TrayClickEvent::None);
  EXPECT_EQ(clicks.Tick(200 + kDelay), TrayClickEvent::Click);
  // A menu opening cancels a single click still waiting.
  clicks.Press(TrayButton::Left, 1000, true, true, true);
  EXPECT_EQ(clicks.Press(TrayButton::Right, 1100, true, true, true), TrayClickEvent::PopupMenu);
  EXPECT_EQ(clicks.Tick(1000 + kDelay), TrayClickEvent::None);
}

TEST(TrayClicks, AClickMadeWhileBusyIsDroppedEvenWhenTheWorkEndsBeforeItFallsDue) {
  TrayClicks clicks;
  // Right click while busy: it counts as a single click, which nothing runs.
  EXPECT_EQ(clicks.Press(TrayButton::Right, 100, false, true, true), TrayClickEvent::None);
  EXPECT_TRUE(clicks.Pending());
  EXPECT_EQ(clicks.Tick(100 + kDelay), TrayClickEvent::None);
  EXPECT_FALSE(clicks.Pending());
  EXPECT_EQ(clicks.Press(TrayButton::Left, 1000, false, true, true), TrayClickEvent::None);
  EXPECT_EQ(clicks.Tick(1000 + kDelay), TrayClickEvent::None);

  // A press while idle after one while busy: the later state decides.
  clicks.Press(TrayButton::Left, 2000, false, true, true);
  clicks.Press(TrayButton::Left, 2100, true, true, true);
  EXPECT_EQ(clicks.Tick(2100 + kDelay), TrayClickEvent::Click);
  // And the other way round.
  clicks.Press(TrayButton::Left, 3000, true, true, true);
  clicks.Press(TrayButton::Left, 3100, false, true, true);
  EXPECT_EQ(clicks.Tick(3100 + kDelay), TrayClickEvent::None);
}

}  // namespace wx
