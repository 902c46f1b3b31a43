// The ranked suggestion generator through the checker, over small
// dictionaries built with the writers (tree, lookup index, word ranks).
#include "spelling/RankedSuggestions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "TestFiles.h"
#include "common/AnsiText.h"
#include "spelling/SpellCheckerBase.h"
#include "tools/lib/MainDictIndexWriter.h"
#include "tools/lib/WordRankWriter.h"

namespace wx {
namespace {

const std::vector<std::string> kWords = {
    "a",      "accommodate", "b",     "bicycle", "Cat",     "cat",    "definitely", "desperate", "fact", "hello",
    "helot",  "in",          "lot",   "Paris",   "parish", "receive",    "serval",    "several",
    "the",    "their",       "there", "zebra",      "fee",     "back",   "feedback", "I",        "think",     "p",
    "events", "detail", "details"};

// Count classes (the list level is 1 for the common ones).
const std::map<std::string, uint8_t> kCommon = {{"a", 31},    {"in", 31},  {"the", 31},  {"fact", 18},
                                                {"lot", 18},  {"hello", 20}, {"several", 20}, {"their", 24},
                                                {"there", 24}, {"receive", 16}, {"b", 6},
                                                {"cat", 14}, {"zebra", 8}, {"fee", 14},  {"back", 21},
                                                {"feedback", 9}, {"i", 29},  {"think", 20}, {"p", 28},
                                                {"events", 16}};

bool BuildDictionary(const test::ScratchDir& dir, const std::map<std::string, uint8_t>& classes, std::string& error) {
  if (!test::WriteTestMainDictionary(dir, kWords, error)) return false;
  tools::MainDictIndexStats stats;
  if (!tools::AddLookupIndex(dir.File("test.qxm"), stats, error)) return false;
  std::vector<std::pair<std::string, uint8_t>> ranks;
  for (const auto& [w, cls] : classes) ranks.push_back({w, TWordRanks::MakeRank(cls, cls >= 16 ? 1 : 0)});
  size_t bytes;
  return tools::AddWordRanks(dir.File("test.qxm"), ranks, bytes, error);
}

std::vector<std::string> Words(const TSuggestionList& list) {
  std::vector<std::string> out;
  for (const auto& s : list) out.push_back(s.Word);
  return out;
}

bool Has(const TSuggestionList& list, const std::string& w) {
  return std::any_of(list.begin(), list.end(), [&](const TSuggestion& s) { return s.Word == w; });
}

class Ranked : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(BuildDictionary(dir, kCommon, error)) << error;
    c.SetClassicSuggestions(false);
    c.OpenDictionaries();
  }
  TSuggestionList Suggest(const std::string& w, int max = -1) {
    TSuggestionList s;
    c.Suggest(w, max, s);
    return s;
  }

  test::ScratchDir dir{"ranked"};
  TSpellCheckerBase c{test::ScratchSpellSettings(dir)};
};

}  // namespace

TEST_F(Ranked, CommonWordsComeFirst) {
  ASSERT_TRUE(c.MainDictionaries().First()->HasWordRanks());
  // "several" and "serval" are one slip away each; the common word wins.
  auto s = Suggest("sevral");
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s[0].Word, "several");
  EXPECT_TRUE(Has(s, "serval"));
  s = Suggest("helo");
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].Word, "hello");
  EXPECT_EQ(Suggest("thier")[0].Word, "their");
  EXPECT_EQ(Suggest("recieve")[0].Word, "receive");
}

TEST(RankedSuggestions, TheWordRanksDecideBetweenEquallyCloseWords) {
  // The same words with the ranks of "several" and "serval" exchanged.
  test::ScratchDir dir{"ranked-swapped"};
  std::map<std::string, uint8_t> classes = kCommon;
  classes.erase("several");
  classes["serval"] = 20;
  std::string error;
  ASSERT_TRUE(BuildDictionary(dir, classes, error)) << error;
  TSpellCheckerBase c{test::ScratchSpellSettings(dir)};
  c.SetClassicSuggestions(false);
  TSuggestionList s;
  c.Suggest("sevral", -1, s);
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s[0].Word, "serval");
  EXPECT_EQ(s[1].Word, "several");
}

TEST_F(Ranked, ALetterLeftOutComesBeforeOtherEditsAsClose) {
  // "detail" is one letter typed for another away, "details" one left out:
  // equally far for the walk, and as common; writers leave letters out
  // more often.
  auto s = Suggest("detais");
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s[0].Word, "details");
  EXPECT_EQ(s[1].Word, "detail");
  // Asked for one, of more words found: the first is the same.
  s = Suggest("detais", 1);
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].Word, "details");
  // A letter typed twice still costs less: "detaill" is "detail".
  s = Suggest("detaill");
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].Word, "detail");
}

TEST_F(Ranked, ReachesWordsTwoEditsAway) {
  // Two doubled letters typed single; two vowels wrong and one left out.
  EXPECT_EQ(Suggest("acomodate")[0].Word, "accommodate");
  EXPECT_EQ(Suggest("definatly")[0].Word, "definitely");
  EXPECT_EQ(Suggest("bicyle")[0].Word, "bicycle");
  // Three letters left out is beyond the reach of a six-letter word.
  EXPECT_FALSE(Has(Suggest("desprt"), "desperate"));
  // Nothing near: nothing offered.
  EXPECT_TRUE(Suggest("qqqqqqqq").empty());
}

TEST_F(Ranked, SplitsRunTogetherWords) {
  EXPECT_EQ(Suggest("infact")[0].Word, "in fact");
  EXPECT_TRUE(Has(Suggest("alot"), "a lot"));
  EXPECT_TRUE(Has(Suggest("thecat"), "the cat"));
  // A one-letter half only when it is among the most common words, and
  // no half that is a rare word.
  EXPECT_FALSE(Has(Suggest("blot"), "b lot"));
  EXPECT_FALSE(Has(Suggest("thezebra"), "the zebra"));
  // A pair of words is rarer than either: two of middling counts lose to
  // a rarer word as close to the misspelling.
  auto s = Suggest("feeback");
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].Word, "feedback");
  EXPECT_TRUE(Has(s, "fee back"));
  // English has two words of one letter, and "I" is a capital.
  EXPECT_TRUE(Has(Suggest("ithink"), "I think"));
  EXPECT_FALSE(Has(Suggest("ithink"), "i think"));
  EXPECT_FALSE(Has(Suggest("pevents"), "p events"));
}

TEST_F(Ranked, CarriesTheCaseOver) {
  EXPECT_EQ(Suggest("Sevral")[0].Word, "Several");
  EXPECT_EQ(Suggest("SEVRAL")[0].Word, "SEVERAL");
  EXPECT_EQ(Suggest("Infact")[0].Word, "In fact");
  // A name keeps its capital for a lower-case misspelling.
  const auto s = Suggest("pariss");
  EXPECT_TRUE(Has(s, "Paris"));
  EXPECT_FALSE(Has(s, "paris"));
  // A lower-case misspelling gets the lower-case word, not also its
  // capitalised form.
  const auto cat = Suggest("catt");
  EXPECT_TRUE(Has(cat, "cat"));
  EXPECT_FALSE(Has(cat, "Cat"));
  EXPECT_EQ(Suggest("Catt")[0].Word, "Cat");
  // The same word offered once, whatever the case it was found in.
  const auto upper = Words(Suggest("PARISS"));
  EXPECT_EQ(std::count(upper.begin(), upper.end(), "PARIS"), 1);
}

TEST_F(Ranked, ObeysTheCheckersOptions) {
  // The suggestion count.
  EXPECT_EQ(Suggest("sevral", 1).size(), 1u);
  EXPECT_TRUE(Suggest("sevral", 0).empty());

  // Words of the custom dictionary, unless only the main dictionaries count.
  ASSERT_NE(c.ActiveCustomDictionary(), nullptr);
  c.ActiveCustomDictionary()->AddWord("wendrix");
  EXPECT_EQ(Suggest("wendirx")[0].Word, "wendrix");
  TSpellOptions o = c.Options();
  o.Set(soPrimaryOnly, true);
  c.SetOptions(o);
  EXPECT_FALSE(Has(Suggest("wendirx"), "wendrix"));
  o.Set(soPrimaryOnly, false);
  c.SetOptions(o);

  // An excluded word is never offered.
  c.ActiveCustomDictionary()->AddExcluded("serval");
  EXPECT_FALSE(Has(Suggest("sevral"), "serval"));
  c.UseExcludeWords = false;
  EXPECT_TRUE(Has(Suggest("sevral"), "serval"));
}

TEST_F(Ranked, LearnedReplacementComesFirst) {
  c.SetSuggestionsLearningDict("learn.qxl");
  c.OpenDictionaries();
  ASSERT_NE(c.LearningDictionary(), nullptr);
  c.LearnReplacement("sevral", "serval");
  auto s = Suggest("sevral");
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s[0].Word, "serval");
  const auto words = Words(s);
  EXPECT_EQ(std::count(words.begin(), words.end(), "serval"), 1);
  EXPECT_EQ(Suggest("sevral", 1).size(), 1u);
  // Learning off closes the learning dictionary: the ranks decide again.
  c.SetSuggestionsLearning(false);
  EXPECT_EQ(Suggest("sevral")[0].Word, "several");
}

TEST_F(Ranked, ClassicSuggestionsStaySelectable) {
  TSpellCheckerBase classic{test::ScratchSpellSettings(dir)};
  EXPECT_TRUE(classic.ClassicSuggestions());  // the component's default
  EXPECT_FALSE(c.ClassicSuggestions());
  TSuggestionList want, got;
  classic.Suggest("sevral", -1, want);
  c.SetClassicSuggestions(true);
  EXPECT_TRUE(c.ClassicSuggestions());
  c.Suggest("sevral", -1, got);
  EXPECT_EQ(Words(got), Words(want));
  // The classic generator ranks ties in the order it makes them.
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got[0].Word, "serval");
}

TEST(RankedSuggestions, WorksWithoutWordRanks) {
  // A dictionary without ranks (nor index): edit costs alone decide.
  test::ScratchDir dir{"ranked-plain"};
  std::string error;
  ASSERT_TRUE(test::WriteTestMainDictionary(dir, kWords, error)) << error;
  TSpellCheckerBase c{test::ScratchSpellSettings(dir)};
  c.SetClassicSuggestions(false);
  TSuggestionList s;
  c.Suggest("helo", -1, s);
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].Word, "hello");  // a doubled letter typed single costs least
  c.Suggest("acomodate", -1, s);
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].Word, "accommodate");
  // Splits into halves of two letters or more.
  c.Suggest("thecat", -1, s);
  EXPECT_TRUE(Has(s, "the cat"));
  c.Suggest("alot", -1, s);
  EXPECT_FALSE(Has(s, "a lot"));
}

TEST(RankedSuggestions, ADamagedTreeEndsTheWalk) {
  // Bytes of the tree changed at random: every walk still ends, inside the file.
  test::ScratchDir dir{"ranked-damaged"};
  std::string error;
  ASSERT_TRUE(test::WriteTestMainDictionary(dir, kWords, error)) << error;
  test::ForEachDamagedCopy(test::ReadBytes(dir.File("test.qxm")), 40, 24, 12345, [&](int, const std::string& bad) {
    test::WriteBytes(dir.File("test.qxm"), bad);
    TSpellCheckerBase c{test::ScratchSpellSettings(dir)};
    c.SetClassicSuggestions(false);
    TSuggestionList s;
    for (const char* w : {"sevral", "acomodate", "Thier", "alot", "x"}) c.Suggest(w, -1, s);
  });
}

// A dictionary of these words with these ranks (count class, list level) in dir.
bool BuildRankedDictionary(const test::ScratchDir& dir, const std::vector<std::string>& words,
                           const std::vector<std::pair<std::string, uint8_t>>& ranks, std::string& error) {
  if (!test::WriteTestMainDictionary(dir, words, error)) return false;
  tools::MainDictIndexStats stats;
  if (!tools::AddLookupIndex(dir.File("test.qxm"), stats, error)) return false;
  size_t bytes;
  return tools::AddWordRanks(dir.File("test.qxm"), ranks, bytes, error);
}

TEST(RankedSuggestions, NamesTypedInLowerCaseMustBeginRight) {
  // Below a capital first letter the walk allows a lower-case misspelling
  // fewer edits near the start: a plain edit in the first two letters is
  // too many there, and only there.
  test::ScratchDir dir{"ranked-names"};
  std::string error;
  ASSERT_TRUE(BuildRankedDictionary(dir, {"Bristol", "bristle", "Kingsbury"}, {}, error)) << error;
  TSpellCheckerBase c{test::ScratchSpellSettings(dir)};
  c.SetClassicSuggestions(false);
  TSuggestionList s;
  c.Suggest("bxistle", -1, s);
  EXPECT_TRUE(Has(s, "bristle"));
  c.Suggest("bxistol", -1, s);
  EXPECT_FALSE(Has(s, "Bristol"));
  // Typed with its capital, or with the edit further in, the name is found.
  c.Suggest("Bxistol", -1, s);
  EXPECT_TRUE(Has(s, "Bristol"));
  c.Suggest("bristxl", -1, s);
  EXPECT_TRUE(Has(s, "Bristol"));
  c.Suggest("kingsbxry", -1, s);
  EXPECT_TRUE(Has(s, "Kingsbury"));
}

TEST(RankedSuggestions, AmongCommonWordsTheEditsDecide) {
  // "hell" is counted more often than "hello", both are common: the letter
  // left out costs less than the letter typed for another.
  test::ScratchDir dir{"ranked-common"};
  std::string error;
  ASSERT_TRUE(BuildRankedDictionary(dir, {"hell", "hello", "helot", "shell"},
                                    {{"hell", TWordRanks::MakeRank(14, 1)}, {"hello", TWordRanks::MakeRank(9, 1)}},
                                    error))
      << error;
  TSpellCheckerBase c{test::ScratchSpellSettings(dir)};
  c.SetClassicSuggestions(false);
  TSuggestionList s;
  c.Suggest("helo", -1, s);
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s[0].Word, "hello");
  EXPECT_EQ(s[1].Word, "hell");
  // A rare word still loses to a common one as close.
  c.Suggest("hellt", -1, s);
  ASSERT_GE(s.size(), 2u);
  EXPECT_EQ(s[0].Word, "hell");
}

TEST(RankedSuggestions, OffersTwentyAtMostUnlessTheCallerAsksForMore) {
  // Twenty-five words one letter away from "bant".
  test::ScratchDir dir{"ranked-count"};
  std::vector<std::string> words;
  for (char x = 'a'; x <= 'z'; ++x)
    if (x != 'n') words.push_back(std::string("ba") + x + "t");
  std::string error;
  ASSERT_TRUE(BuildRankedDictionary(dir, words, {{"bait", TWordRanks::MakeRank(12, 1)}}, error)) << error;
  TSpellCheckerBase c{test::ScratchSpellSettings(dir)};
  c.SetClassicSuggestions(false);
  TSuggestionList s;
  c.Suggest("bant", -1, s);
  EXPECT_EQ(s.size(), TRankedSuggestions::kMaxOffered);
  c.Suggest("bant", 25, s);
  EXPECT_EQ(s.size(), 25u);
  c.Suggest("bant", 3, s);
  ASSERT_EQ(s.size(), 3u);
  EXPECT_EQ(s[0].Word, "bait");
  // A learned replacement put first does not make the list longer.
  c.SetSuggestionsLearningDict("learn.qxl");
  c.OpenDictionaries();
  ASSERT_NE(c.LearningDictionary(), nullptr);
  c.LearnReplacement("bant", "baxt");
  c.Suggest("bant", -1, s);
  ASSERT_EQ(s.size(), TRankedSuggestions::kMaxOffered);
  EXPECT_EQ(s[0].Word, "baxt");
}

TEST(RankedSuggestions, LongAndShortMisspellingsFindTheirWords) {
  // Up to fifteen letters a misspelling's rows are computed several cells
  // at a time, beyond that one cell at a time: both find the same edits
  // (letters left out, doubled, swapped, replaced, one too many).
  test::ScratchDir dir{"ranked-long"};
  const std::vector<std::string> words = {"characterization", "incomprehensible",     "internationalization",
                                          "misunderstanding", "reason",               "responsibilities",
                                          "responsibility",   "responsible",          "unrecognizable"};
  std::string error;
  ASSERT_TRUE(test::WriteTestMainDictionary(dir, words, error)) << error;
  TSpellCheckerBase c{test::ScratchSpellSettings(dir)};
  c.SetClassicSuggestions(false);
  const std::pair<const char*, const char*> cases[] = {
      {"responsibilites", "responsibilities"},       // 15 letters: one left out
      {"misunderstandng", "misunderstanding"},       // 15
      {"responsbility", "responsibility"},           // 13
      {"unrecognisable", "unrecognizable"},          // 14: one replaced
      {"charactarization", "characterization"},      // 16: a vowel for a vowel
      {"incomprehensable", "incomprehensible"},      // 16
      {"resopnsibilities", "responsibilities"},      // 16: two swapped
      {"misunderstnading", "misunderstanding"},      // 16
      {"internationalisation", "internationalization"},  // 20
      {"internationallization", "internationalization"}, // 21: one doubled
      {"responsibilitiess", "responsibilities"},     // 17: one too many
  };
  for (const auto& [typed, meant] : cases) {
    TSuggestionList s;
    c.Suggest(typed, -1, s);
    ASSERT_FALSE(s.empty()) << typed;
    EXPECT_EQ(s[0].Word, meant) << typed;
  }
  // Two edits too many are out of reach either way.
  TSuggestionList s;
  c.Suggest("rqsponsqbilqties", -1, s);  // three letters typed as far keys
  EXPECT_FALSE(Has(s, "responsibilities"));
  c.Suggest("intrntnalization", -1, s);
  EXPECT_FALSE(Has(s, "internationalization"));
}

TEST(RankedSuggestions, TheBranchBoundLeavesEveryListAsItWas) {
  // The walk leaves branches whose letters cannot match enough of the typed
  // ones: that must never lose a word. Made-up words that share beginnings
  // and endings, misspelled by one or two slips of every kind (a letter left
  // out, one too many, one replaced, two swapped, also across the place
  // where a branch begins), get the same lists with the bound as without.
  test::ScratchDir dir{"ranked-bound"};
  uint32_t seed = 2024;
  auto next = [&](uint32_t below) { return (seed = seed * 1103515245u + 12345u) / 65536 % below; };
  const std::string letters = "etaoinshrdlucmfwypvbgkjqxz";
  auto letter = [&] { return letters[std::min(next(26), next(26))]; };  // the common ones more often
  std::vector<std::string> words, longWords;
  const char* endings[] = {"", "s", "ed", "ing", "er", "ly", "tion", "ness"};
  for (int i = 0; i < 1500; ++i) {
    std::string w;
    const size_t length = 2 + next(7) + (next(6) == 0 ? 8 : 0);  // some long enough for one cell at a time
    for (size_t k = 0; k < length; ++k) w += letter();
    w += endings[next(8)];
    if (next(10) == 0) w[0] = char(AnsiUpperChar(uint8_t(w[0])));
    words.push_back(w);
    if (w.size() >= 15) longWords.push_back(w);
  }
  ASSERT_GT(longWords.size(), 50u);
  std::string error;
  ASSERT_TRUE(test::WriteTestMainDictionary(dir, words, error)) << error;
  auto checker = [&](bool bound) {
    auto c = std::make_unique<TSpellCheckerBase>(test::ScratchSpellSettings(dir));
    c->SetClassicSuggestions(false);
    auto* g = new TRankedSuggestions;
    g->SetBranchBound(bound);
    g->SetLanguage(c->Language());
    c->SetGenerator(std::unique_ptr<TSuggestionsGenerator>(g));
    return c;
  };
  auto with = checker(true), without = checker(false);
  size_t offered = 0;
  for (int i = 0; i < 900; ++i) {
    // The last third misspell words of fifteen letters or more.
    const auto& from = i < 600 ? words : longWords;
    std::string w = from[next(uint32_t(from.size()))];
    for (int slips = 1 + int(next(2)); slips > 0 && w.size() > 2; --slips) {
      const size_t at = next(uint32_t(w.size() - 1));
      switch (next(4)) {
        case 0: w.erase(at, 1); break;
        case 1: w.insert(at, 1, letter()); break;
        case 2: w[at] = letter(); break;
        default: std::swap(w[at], w[at + 1]);
      }
    }
    TSuggestionList a, b;
    with->Suggest(w, -1, a);
    without->Suggest(w, -1, b);
    EXPECT_EQ(Words(a), Words(b)) << w;
    offered += a.size();
  }
  EXPECT_GT(offered, 600u);

  // Two letters swapped where a branch begins: "wled" for "wely" swaps the
  // path's "e" with the "l" below it, and the "d" matches nothing below.
  test::ScratchDir small{"ranked-bound-swap"};
  ASSERT_TRUE(test::WriteTestMainDictionary(small, {"wely", "pnly", "noaer"}, error)) << error;
  TSpellCheckerBase c{test::ScratchSpellSettings(small)};
  c.SetClassicSuggestions(false);
  for (const auto& [typed, meant] : {std::pair{"wled", "wely"}, {"plng", "pnly"}, {"nare", "noaer"}}) {
    TSuggestionList s;
    c.Suggest(typed, -1, s);
    EXPECT_TRUE(Has(s, meant)) << typed;
  }
}

TEST(EditCosts, CommonSlipsCostLess) {
  TEditCosts english;
  english.SetLanguage(0x0409);
  const int kEdit = TEditCosts::kEdit;
  EXPECT_EQ(english.Distance("hello", "hello", 20), 0);
  EXPECT_LT(english.Distance("hello", "helo", 20), kEdit);          // a doubled letter typed single
  EXPECT_LT(english.Distance("until", "untill", 20), kEdit);        // a single letter doubled
  EXPECT_LT(english.Distance("their", "thier", 20), kEdit);         // two letters swapped
  EXPECT_LT(english.Distance("separate", "seperate", 20), kEdit);   // a vowel for a vowel
  EXPECT_LT(english.Distance("cat", "xat", 20), kEdit);             // the key beside
  EXPECT_EQ(english.Distance("cat", "pat", 20), kEdit);             // a key far away
  EXPECT_EQ(english.Distance("cat", "cart", 20), kEdit);
  EXPECT_EQ(english.Distance("accommodate", "acomodate", 30), 2 * english.Distance("hello", "helo", 20));
  // Beyond the bound: bound + 1.
  EXPECT_EQ(english.Distance("desperate", "desprt", 15), 16);
  // Vowels and keys weigh only for English.
  TEditCosts other;
  other.SetLanguage(0x0407);
  EXPECT_EQ(other.Distance("separate", "seperate", 20), kEdit);
  EXPECT_EQ(other.Distance("cat", "xat", 20), kEdit);
  EXPECT_LT(other.Distance("hello", "helo", 20), kEdit);
  // Omissions made cheaper: only they change, and a swap next to one is
  // still found.
  english.SetOmission(4);
  EXPECT_EQ(english.Distance("cart", "cat", 20), 4);
  EXPECT_EQ(english.Distance("details", "detais", 20), 4);
  EXPECT_EQ(english.Distance("cat", "pat", 20), kEdit);
  EXPECT_EQ(english.Distance("cat", "cart", 20), kEdit);
  EXPECT_EQ(english.Distance("their", "thier", 20), 6);
  EXPECT_EQ(english.Distance("theirs", "thier", 20), 10);
  // Never dearer than before.
  english.SetOmission(30);
  EXPECT_EQ(english.Distance("cart", "cat", 20), 4);
}

}  // namespace wx
