#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "spelling/ParserIgnore.h"
#include "spelling/ParsingEngine.h"
#include "spelling/StringParser.h"

using namespace wx;

namespace {

struct Harness {
  std::string text;
  TStringParser parser{text};
  TMainParsingEngine engine;
  TIgnoreRules rules;

  explicit Harness(std::string t) : text(std::move(t)) {
    engine.OnCharacter = [this](uint8_t c, TControlParser& p) { return rules.CharacterHook(c, p); };
    engine.OnWord = [this](const std::string& w, TControlParser& p) { return rules.WordHook(w, p); };
  }
  std::vector<std::string> Words(int mode = kModeWholeText) {
    parser.Initialize();
    engine.Start(&parser, mode);
    std::vector<std::string> out;
    std::string w;
    for (int guard = 0; guard < 1000; ++guard) {
      engine.GetNextWord(w);
      if (w.empty()) break;
      out.push_back(w);
    }
    return out;
  }
};

std::vector<std::string> Words(const std::string& text) { return Harness(text).Words(); }
using V = std::vector<std::string>;

}  // namespace

TEST(ParsingEngine, DefaultWordRules) {
  EXPECT_EQ(Words("don't stop"), (V{"don't", "stop"}));
  EXPECT_EQ(Words("say 'quoted' now"), (V{"say", "quoted", "now"}));
  EXPECT_EQ(Words("\"Hi\" e.g. U.S.A. end."), (V{"Hi", "e.g.", "U.S.A.", "end"}));
  EXPECT_EQ(Words("Mr. Smith at 9 a.m."), (V{"Mr", "Smith", "at", "9", "a.m."}));
  EXPECT_EQ(Words("pi is 3.5 or so"), (V{"pi", "is", "3.5", "or", "so"}));
  EXPECT_EQ(Words("&amp a&b"), (V{"&amp", "a", "&b"}));
  EXPECT_EQ(Words(""), V{});
  EXPECT_EQ(Words("... !? -- ,"), V{});
  EXPECT_EQ(Words("caf\xE9 na\xEFve"), (V{"caf\xE9", "na\xEFve"}));
  EXPECT_EQ(Words("it\x92s"), (V{"it\x92s"}));
}

TEST(ParsingEngine, FrenchApostrophes) {
  Harness h("l'homme aujourd'hui entr'ouvert");
  h.engine.SetFrenchApostrophes(true);
  EXPECT_EQ(h.Words(), (V{"l", "homme", "aujourd'hui", "entr'ouvert"}));
  h.engine.SetFrenchApostrophes(false);
  EXPECT_EQ(h.Words(), (V{"l'homme", "aujourd'hui", "entr'ouvert"}));
  // The typographic apostrophe splits the same way.
  Harness t("l\x92homme aujourd\x92hui c\x92" "est");
  t.engine.SetFrenchApostrophes(true);
  EXPECT_EQ(t.Words(), (V{"l", "homme", "aujourd\x92hui", "c", "est"}));
  t.engine.SetFrenchApostrophes(false);
  EXPECT_EQ(t.Words(), (V{"l\x92homme", "aujourd\x92hui", "c\x92" "est"}));
}

TEST(ParsingEngine, EndMarkDropsCutWordButEndOfTextKeepsIt) {
  Harness h("alpha beta gamma");
  h.parser.Initialize();
  h.engine.Start(&h.parser, kModeKeepPosition);
  h.parser.SetPosition(9, 0, kSetEndMark);  // ends inside "beta"
  std::string w;
  h.engine.GetNextWord(w);
  EXPECT_EQ(w, "alpha");
  h.engine.GetNextWord(w);
  EXPECT_EQ(w, "");
  h.engine.AllowIncompleteLastWord = true;
  h.parser.SetPosition(7, 0, kMoveCursor);
  h.engine.GetNextWord(w);
  EXPECT_EQ(w, "bet");  // the end mark's own character is inside the range

  Harness whole("alpha beta");
  EXPECT_EQ(whole.Words(), (V{"alpha", "beta"}));
}

TEST(ParsingEngine, FromCaretIncludesWordUnderCaret) {
  Harness h("one two three");
  h.parser.Initialize();
  h.parser.SetPosition(7, 0, kMoveCursor);  // the "o" of "two"
  h.engine.Start(&h.parser, kModeFromCaret);
  std::string w;
  h.engine.GetNextWord(w);
  EXPECT_EQ(w, "two");
}

TEST(StringParser, ReplaceShiftsEndMarkAndCursor) {
  std::string s = "abc def ghi";
  TStringParser p(s);
  p.Initialize();
  p.SetPosition(8, 0, kSetEndMark);
  p.SetPosition(8, 0, kMoveCursor);  // after "def"
  p.SelectWord(3);
  int x, y;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 5);
  p.ReplaceWord("dxxef");
  EXPECT_EQ(s, "abc dxxef ghi");
  p.GetPosition(x, y);
  EXPECT_EQ(x, 10);
  EXPECT_FALSE(p.MoveNext());  // the end mark moved from 8 to 10
}

TEST(IgnoreRules, InternetAddresses) {
  Harness h("see http://example.com/a,b then mail john@host.org or www.site.com now");
  h.rules.Build(true, false, false, false, false, false, ">");
  EXPECT_EQ(h.Words(), (V{"see", "b", "then", "mail", "or", "www.site.com", "now"}));
  EXPECT_TRUE(h.rules.IgnoreWordByRules("WWW.site.com", nullptr));
  Harness slash("go www.a.com/x/y done");
  slash.rules.Build(true, false, false, false, false, false, ">");
  EXPECT_EQ(slash.Words(), (V{"go", "done"}));
  Harness plain("http is a word: really");
  plain.rules.Build(true, false, false, false, false, false, ">");
  EXPECT_EQ(plain.Words(), (V{"http", "is", "a", "word", "really"}));
}

TEST(IgnoreRules, HtmlTagsCommentsAndServerBlocks) {
  Harness h("<b>bold</b> <!-- hidden words --> <% code here %> <?php x ?> <a href=\"x\">link</a> &nbsp;");
  h.rules.Build(false, false, false, true, false, false, ">");
  EXPECT_EQ(h.Words(), (V{"bold", "link", "&nbsp"}));
  EXPECT_TRUE(h.rules.IgnoreWordByRules("&nbsp", nullptr));
  EXPECT_EQ(Harness("a <unclosed tag").Words(), (V{"a", "unclosed", "tag"}));
  Harness cut("a <unclosed tag");
  cut.rules.Build(false, false, false, true, false, false, ">");
  EXPECT_EQ(cut.Words(), (V{"a"}));
  // A comment that "->" alone does not close.
  Harness c("<!-- a -> b --> c");
  c.rules.Build(false, false, false, true, false, false, ">");
  EXPECT_EQ(c.Words(), (V{"c"}));
}

TEST(IgnoreRules, TagCutByEndMarkDoesNotHang) {
  Harness h("word <tag> more");
  h.rules.Build(false, false, false, true, false, false, ">");
  h.parser.Initialize();
  h.engine.Start(&h.parser, kModeKeepPosition);
  h.parser.SetPosition(6, 0, kSetEndMark);  // the end mark sits on "<"
  std::string w;
  h.engine.GetNextWord(w);
  EXPECT_EQ(w, "word");
  h.engine.GetNextWord(w);
  EXPECT_EQ(w, "");
}

TEST(IgnoreRules, WordRules) {
  TIgnoreRules r;
  r.Build(false, true, true, false, true, true, ">|");
  EXPECT_TRUE(r.IgnoreWordByRules("NASA", nullptr));
  EXPECT_FALSE(r.IgnoreWordByRules("Nasa", nullptr));
  EXPECT_TRUE(r.IgnoreWordByRules("abc3", nullptr));
  EXPECT_TRUE(r.IgnoreWordByRules("e.g.", nullptr));
  EXPECT_TRUE(r.IgnoreWordByRules("U.s.a.", nullptr));
  EXPECT_FALSE(r.IgnoreWordByRules("etc.", nullptr));
  EXPECT_FALSE(r.IgnoreWordByRules("ab.cd", nullptr));
  EXPECT_TRUE(r.IsLineIgnored("> quoted"));
  EXPECT_TRUE(r.IsLineIgnored("|x"));
  EXPECT_FALSE(r.IsLineIgnored(" > no"));
  EXPECT_FALSE(r.IsLineIgnored(""));
  std::string line = "> some wrod";
  TStringParser p(line);
  p.Initialize();
  EXPECT_TRUE(r.IgnoreWordByRules("wrod", &p));
  TIgnoreRules none;
  none.Build(false, false, false, false, false, false, ">");
  EXPECT_EQ(none.Count(), 0u);
  EXPECT_FALSE(none.IgnoreWordByRules("NASA", nullptr));
}
