#include "common/AnsiText.h"

#include <gtest/gtest.h>

namespace wx {

TEST(AnsiText, RoundTripsEveryCodePageByte) {
  for (int c = 0; c < 256; ++c) {
    std::u16string u = AnsiToUnicode(std::string(1, char(c)));
    std::string back;
    ASSERT_TRUE(UnicodeToAnsi(u, back)) << c;
    EXPECT_EQ(back, std::string(1, char(c)));
  }
  EXPECT_EQ(AnsiToUnicodeChar(0x80), u'\u20AC');
  EXPECT_EQ(AnsiToUnicodeChar(0x9C), u'\u0153');
}

TEST(AnsiText, WordWithCharacterOutsideCodePageIsLeftAlone) {
  std::string out = "untouched";
  EXPECT_FALSE(UnicodeToAnsi(u"caf\u00e9\u03b1", out));
  EXPECT_EQ(out, "untouched");
  EXPECT_TRUE(UnicodeToAnsi(u"caf\u00e9", out));
  EXPECT_EQ(out, "caf\xe9");
}

TEST(AnsiText, CaseTablesCoverAccentedLetters) {
  EXPECT_EQ(AnsiUpper("\xe9t\xe9 \x9c\xff\xdf"), "\xc9T\xc9 \x8c\x9f\xdf");
  EXPECT_EQ(AnsiLower("\xc0\x8a"), "\xe0\x9a");
  EXPECT_TRUE(IsAnsiAlpha(0xdf));
  EXPECT_FALSE(IsAnsiAlpha(0xd7));  // multiplication sign
  EXPECT_FALSE(IsAnsiUpper('1'));
  EXPECT_TRUE(AnsiSameText("Caf\xc9", "cAF\xe9"));
  EXPECT_FALSE(AnsiSameText("abc", "abcd"));
}

TEST(AnsiText, Utf8ConversionsSurviveMalformedInput) {
  EXPECT_EQ(Utf8ToUtf16("a\xc3\xa9\xf0\x9f\x98\x80"), u"a\u00e9\U0001F600");
  EXPECT_EQ(Utf16ToUtf8(u"a\u00e9\U0001F600"), "a\xc3\xa9\xf0\x9f\x98\x80");
  EXPECT_EQ(Utf8ToUtf16("\xff\xc3"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xe0\x80\x80"), u"\uFFFD");  // overlong
  EXPECT_EQ(Utf8ToAnsi("na\xc3\xafve \xce\xb1"), "na\xefve ?");
}

}  // namespace wx
