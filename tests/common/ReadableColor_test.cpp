#include "common/ReadableColor.h"

#include <gtest/gtest.h>

using namespace wx;

// The reference ratios: black on white is 21, a colour on itself 1, and the
// measure does not depend on the order.
TEST(ReadableColor, ContrastRatioMatchesTheReferencePoints) {
  EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 0.01);
  EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0x000000), 21.0, 0.01);
  EXPECT_NEAR(ContrastRatio(0x808080, 0x808080), 1.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);  // the lightest grey readable on white
  // Blue weighs less than red, red less than green (0x00BBGGRR).
  EXPECT_GT(ContrastRatio(0xFF0000, 0xFFFFFF), ContrastRatio(0x0000FF, 0xFFFFFF));
  EXPECT_GT(ContrastRatio(0x0000FF, 0xFFFFFF), ContrastRatio(0x00FF00, 0xFFFFFF));
}

// A light link colour on a light face (the theme that hid the About box's
// web address) gives way to the next candidate, and to black or white when
// no candidate is readable.
TEST(ReadableColor, UnreadableCandidatesGiveWay) {
  const uint32_t face = 0xF5F5F5, pale = 0xE0E0E0, darkBlue = 0xCC0000;
  EXPECT_EQ(ReadableTextColor(face, {darkBlue, pale}), darkBlue);
  EXPECT_EQ(ReadableTextColor(face, {pale, darkBlue}), darkBlue);
  EXPECT_EQ(ReadableTextColor(face, {pale}), 0x000000u);
  EXPECT_EQ(ReadableTextColor(0x202020, {0x303030}), 0xFFFFFFu);
  // Bright blue on a mid grey: neither works; black stands out more.
  EXPECT_EQ(ReadableTextColor(0x999999, {0xFF9933}), 0x000000u);
}
