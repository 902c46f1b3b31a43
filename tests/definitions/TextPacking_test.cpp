#include "definitions/TextPacking.h"

#include <gtest/gtest.h>

#include <random>

namespace wx {
namespace {

std::string Unpack(const std::string& packed) {
  std::string withNul = packed + '\0';
  std::string out;
  size_t used = UnpackText(reinterpret_cast<const uint8_t*>(withNul.data()),
                           reinterpret_cast<const uint8_t*>(withNul.data()) + withNul.size(), out);
  EXPECT_EQ(used, withNul.size());
  return out;
}

TEST(TextPacking, CodesEscapesAndLiteralsUnpack) {
  EXPECT_EQ(Unpack("/B"), "B");
  EXPECT_EQ(Unpack(std::string(1, char(150))), "the ");
  EXPECT_EQ(Unpack(std::string(1, char(1))), "ed ");
  EXPECT_EQ(Unpack(std::string(1, char(35))), "p ");
  EXPECT_EQ(Unpack(std::string(1, char(255))), "os");
  EXPECT_EQ(Unpack("A dog"), "A dog");
  EXPECT_EQ(Unpack("//"), "/");
  EXPECT_EQ(LetterGroup('a'), "");
  EXPECT_EQ(LetterGroup('/'), "");
}

TEST(TextPacking, PackingShrinksTextAndRoundTrips) {
  const std::string gloss =
      "dog domestic;dog Canis;familiaris ;a member of the genus Canis (probably descended from the common wolf) "
      "that has been domesticated by man since prehistoric times; \"the dog barked all night\" ";
  std::string packed = PackText(gloss);
  EXPECT_LT(packed.size(), gloss.size() * 3 / 4);
  EXPECT_EQ(Unpack(packed), gloss);
  EXPECT_EQ(Unpack(PackText("snake_case and `quoted'")), "snake case and 'quoted'");
  EXPECT_EQ(Unpack(PackText("Zebra {x} [y] #1 ~2 \xE9t\xE9 a/b")), "Zebra {x} [y] #1 ~2 \xE9t\xE9 a/b");

  std::mt19937 rng(1);
  for (int i = 0; i < 500; ++i) {
    std::string text;
    size_t n = rng() % 200;
    for (size_t j = 0; j < n; ++j) {
      int r = int(rng() % 10);
      char c = r < 6 ? char('a' + rng() % 26) : r < 8 ? ' ' : r < 9 ? ';' : char(32 + rng() % 224);
      if (c == '_' || c == '`') c = 'x';
      text.push_back(c);
    }
    ASSERT_EQ(Unpack(PackText(text)), text);
  }
}

TEST(TextPacking, UnpackingStopsAtItsBounds) {
  std::string out;
  const uint8_t noNul[] = {'a', 'b', 150};
  EXPECT_EQ(UnpackText(noNul, noNul + sizeof noNul, out), 0u);
  const uint8_t danglingEscape[] = {'a', '/', 0};
  EXPECT_EQ(UnpackText(danglingEscape, danglingEscape + sizeof danglingEscape, out), 0u);
  // A longer text is cut at the limit, not lost; the whole packed text is used.
  std::string tooLong(kMaxUnpackedText / 6 + 2, char(123));  // "ation " is six characters
  tooLong.push_back('/');
  tooLong.push_back(char(200));
  tooLong.push_back('\0');
  EXPECT_EQ(UnpackText(reinterpret_cast<const uint8_t*>(tooLong.data()),
                       reinterpret_cast<const uint8_t*>(tooLong.data()) + tooLong.size(), out),
            tooLong.size());
  EXPECT_EQ(out.size(), kMaxUnpackedText);
  EXPECT_EQ(out.substr(out.size() - 6), "ation ");
  std::string exact(kMaxUnpackedText / 6, char(123));
  exact.push_back('\0');
  EXPECT_EQ(UnpackText(reinterpret_cast<const uint8_t*>(exact.data()),
                       reinterpret_cast<const uint8_t*>(exact.data()) + exact.size(), out),
            exact.size());
  EXPECT_EQ(out.size(), kMaxUnpackedText);
}

}  // namespace
}  // namespace wx
