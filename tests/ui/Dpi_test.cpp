#include "ui/Dpi.h"

#include <gtest/gtest.h>

namespace wx {

TEST(Dpi, ScalingRoundsAsTheSystemDoes) {
  // 96 DPI is the layout itself.
  EXPECT_EQ(ScaleToDpi(361, 96), 361);
  // 120 and 144 DPI: halves round away from zero (MulDiv).
  EXPECT_EQ(ScaleToDpi(25, 120), 31);   // 31.25
  EXPECT_EQ(ScaleToDpi(3, 144), 5);     // 4.5
  EXPECT_EQ(ScaleToDpi(-3, 144), -5);   // -4.5: negative offsets mirror positive ones
  EXPECT_EQ(ScaleToDpi(361, 144), 542);  // 541.5
  EXPECT_EQ(ScaleFromDpi(542, 144), 361);
  // A DPI the system cannot mean reads as 96.
  EXPECT_EQ(ScaleToDpi(50, 0), 50);
  EXPECT_EQ(UsableDpi(-120), 96);
  EXPECT_EQ(MulDivRound(5, 1, 0), -1);
}

TEST(Dpi, FontHeightsFollowTheDpi) {
  EXPECT_EQ(FontHeightForDpi(8, 96), -11);   // 10.67
  EXPECT_EQ(FontHeightForDpi(8, 144), -16);
  EXPECT_EQ(FontHeightForDpi(9, 120), -15);
  // The system's message font, given for one monitor, moved to another.
  EXPECT_EQ(RescaleFontHeight(-12, 96, 144), -18);
  EXPECT_EQ(RescaleFontHeight(-18, 144, 96), -12);
  EXPECT_EQ(RescaleFontHeight(-12, 96, 96), -12);
}

TEST(Dpi, ModalWindowsAreCentredOnTheirOwnerAndKeptOnItsWorkArea) {
  const TRect work{0, 0, 1024, 738};
  // Centred on the owner.
  EXPECT_EQ(CentredOn({100, 100, 500, 400}, 200, 100, work), (TRect{200, 200, 400, 300}));
  // An owner near the right edge: the window is pulled back onto the work area.
  EXPECT_EQ(CentredOn({900, 600, 1020, 700}, 300, 200, work), (TRect{724, 538, 1024, 738}));
  // No owner to centre on (hidden: no size): the work area's centre.
  EXPECT_EQ(CentredOn({}, 200, 100, work), (TRect{412, 319, 612, 419}));
  EXPECT_EQ(CentredIn({1024, 0, 2304, 1000}, 280, 100), (TRect{1524, 450, 1804, 550}));
}

TEST(DpiLayout, AWindowMovedToAnotherMonitorIsLaidOutFromItsBaseSizes) {
  // A dialog made on a 96-DPI monitor: a list, a button under it, a label.
  TDpiLayout layout;
  layout.SetClientSize(361, 245);
  layout.Add(1, {8, 8, 353, 200});
  layout.Add(2, {278, 210, 353, 235});
  layout.Add(3, {8, 214, 120, 227});
  EXPECT_EQ(layout.Placed(2), (TRect{278, 210, 353, 235}));
  EXPECT_EQ(layout.ClientWidth(), 361);

  // Dragged onto a 144-DPI monitor: every control and the client area grow by half.
  layout.SetDpi(144);
  EXPECT_EQ(layout.Placed(1), (TRect{12, 12, 530, 300}));
  EXPECT_EQ(layout.Placed(2), (TRect{417, 315, 530, 353}));
  EXPECT_EQ(layout.ClientWidth(), 542);
  EXPECT_EQ(layout.ClientHeight(), 368);
  // The button still ends where the list ends: edges are scaled, not sizes.
  EXPECT_EQ(layout.Placed(1).right, layout.Placed(2).right);

  // On to 120 DPI and back to 96: the layout returns exactly, with no drift.
  layout.SetDpi(120);
  EXPECT_EQ(layout.Placed(3), (TRect{10, 268, 150, 284}));
  layout.SetDpi(96);
  EXPECT_EQ(layout.Placed(1), (TRect{8, 8, 353, 200}));
  EXPECT_EQ(layout.Placed(3), (TRect{8, 214, 120, 227}));
  EXPECT_EQ(layout.Placed(99), TRect{});
}

TEST(DpiLayout, ControlsTakenFromAScaledWindowKeepTheirPlaces) {
  // A window first made at 144 DPI: its controls are captured as placed there.
  TDpiLayout layout;
  layout.SetDpi(144);
  layout.Capture(7, {12, 12, 530, 300}, 144);
  EXPECT_EQ(layout.Placed(7), (TRect{12, 12, 530, 300}));
  layout.SetDpi(96);
  EXPECT_EQ(layout.Placed(7), (TRect{8, 8, 353, 200}));
  // Capturing a known id again replaces it.
  layout.Capture(7, {0, 0, 96, 48}, 96);
  EXPECT_EQ(layout.Items().size(), 1u);
  EXPECT_EQ(layout.Placed(7), (TRect{0, 0, 96, 48}));
}

TEST(DpiLengths, ColumnWidthsFollowTheDpiWithoutDrifting) {
  TDpiLengths columns;
  // 61 pixels at 144 DPI, on to 96 (40.67: 41) and back: 61 again, where
  // scaling the last width (41 * 1.5 = 61.5) would give 62.
  EXPECT_EQ(columns.Rescale(1, 61, 144, 96), 41);
  EXPECT_EQ(columns.Rescale(1, 41, 96, 120), 51);
  EXPECT_EQ(columns.Rescale(1, 51, 120, 144), 61);
  EXPECT_EQ(columns.Rescale(0, 125, 96, 120), 156);
  EXPECT_EQ(columns.Rescale(0, 156, 120, 96), 125);
  // Column 1 was not touched by column 0's moves.
  EXPECT_EQ(columns.Rescale(1, 61, 144, 96), 41);
  // A column the user widened since it was placed is taken from its new width.
  EXPECT_EQ(columns.Rescale(0, 300, 96, 144), 450);
  EXPECT_EQ(columns.Rescale(0, 450, 144, 96), 300);
  // The same DPI on both sides leaves a width as it is; a DPI of 0 reads as 96.
  EXPECT_EQ(columns.Rescale(2, 77, 120, 120), 77);
  EXPECT_EQ(columns.Rescale(3, 77, 0, 144), 116);
  columns.Clear();
  EXPECT_EQ(columns.Rescale(1, 41, 96, 144), 62);
}

}  // namespace wx
