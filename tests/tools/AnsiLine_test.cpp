// UTF-8 lines handed to the word parser in the code page.
#include "tools/lib/AnsiLine.h"

#include <gtest/gtest.h>

namespace wx::tools {
namespace {

TEST(AnsiLine, KeepsCharacterPositionsAndMarksForeignLetters) {
  AnsiLine line;
  line.Assign("caf\xC3\xA9 \xC5\x81\xC3\xB3" "d\xC5\xBA \xE2\x80\x94 na\xC3\xAFve");  // "café Łódź — naïve"
  EXPECT_EQ(line.Text(), "caf\xE9 x\xF3" "dx \x97 na\xEFve");  // the dash is in the code page
  EXPECT_TRUE(line.HasForeign());
  EXPECT_FALSE(line.Foreign(0, 4));  // café
  EXPECT_TRUE(line.Foreign(5, 4));   // Łódź
  EXPECT_FALSE(line.Foreign(12, 5)); // naïve
  // Symbols the code page lacks separate words; a character beyond 16 bits
  // takes two places, as in UTF-16, so later offsets stay those of the text.
  line.Assign("a\xE2\x86\x92" "b \xF0\x9D\x90\x80x cd");  // "a→b 𝐀x cd"
  EXPECT_EQ(line.Text(), "a b xxx cd");
  EXPECT_TRUE(line.Foreign(4, 3));
  EXPECT_FALSE(line.Foreign(8, 2));
  // Plain ASCII passes unchanged with nothing foreign.
  line.Assign("plain text");
  EXPECT_EQ(line.Text(), "plain text");
  EXPECT_FALSE(line.HasForeign());
  EXPECT_FALSE(line.Foreign(-3, 5));
}

}  // namespace
}  // namespace wx::tools
