#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "spelling/PhoneticsMap.h"
#include "spelling/SuggestionsGenerator.h"
#include "spelling/WordDistance.h"

using namespace wx;

namespace {

std::string Code(TPhoneticsMap& m, const std::string& w) {
  std::string c;
  m.BuildCode(w, c);
  return c;
}

std::vector<std::string> Gen(const std::set<std::string>& vocab, const std::string& word, int max = -1,
                             int kinds = -1) {
  TSuggestionsGenerator g;
  if (kinds >= 0) g.SetKinds(kinds);
  TSuggestionList list;
  TSuggestionsGenerator::ExistsFn exists = [&](const std::string& w) { return vocab.count(w) > 0; };
  g.GenerateWithCaseVariants(word, max, exists, &list);
  std::vector<std::string> out;
  for (auto& s : list) out.push_back(s.Word);
  return out;
}

using V = std::vector<std::string>;

}  // namespace

TEST(ReplaceNode, LongestMatchAndContext) {
  TReplaceNode root;
  root.Add("c", "k", 1);
  root.Add("ch", "x", 2);
  root.Add("cia", "x", 1);
  const std::string* d = nullptr;
  int n = 0;
  ASSERT_TRUE(root.Match("church", d, 0, n));
  EXPECT_EQ(*d, "x");
  EXPECT_EQ(n, 2);
  ASSERT_TRUE(root.Match("social", d, 2, n));
  EXPECT_EQ(*d, "x");
  EXPECT_EQ(n, 1);
  ASSERT_TRUE(root.Match("cio", d, 0, n));  // "ci" is no rule: falls back to "c"
  EXPECT_EQ(*d, "k");
  EXPECT_FALSE(root.Match("abc", d, 0, n));
  EXPECT_FALSE(root.Match("c", d, 1, n));
  root.Add("c", "s", 1);  // replaces
  ASSERT_TRUE(root.Match("c", d, 0, n));
  EXPECT_EQ(*d, "s");
  root.Clear();
  EXPECT_FALSE(root.Match("c", d, 0, n));
}

TEST(PhoneticsMap, EnglishCodes) {
  TPhoneticsMap m;
  m.SetLanguage(0x0409);
  EXPECT_EQ(Code(m, "phone"), "phn");
  EXPECT_EQ(Code(m, "receive"), "resf");
  EXPECT_EQ(Code(m, "recieve"), "resf");
  EXPECT_EQ(Code(m, "knight"), "knt");
  EXPECT_EQ(Code(m, "night"), "nit");
  EXPECT_EQ(Code(m, "Thither"), "th0r");
  EXPECT_EQ(Code(m, "ballad"), "balt");      // "ll" once
  EXPECT_EQ(Code(m, "abbcdfghjklmnp"), "abktfjkl");  // cut after six code letters
  EXPECT_EQ(Code(m, "a"), "a");
  EXPECT_EQ(Code(m, ""), "");
  m.SetStartDepth(0);  // refused
  EXPECT_EQ(m.StartDepth(), 2);
  m.SetStartDepth(3);
  EXPECT_EQ(Code(m, "knight"), "knit");
}

TEST(PhoneticsMap, OtherRuleSetsAndDistance) {
  TPhoneticsMap m;
  m.SetLanguage(0x0407);  // generic
  EXPECT_EQ(Code(m, "haus"), "hak");
  m.SetLanguage(0x040C);
  EXPECT_EQ(Code(m, "maison"), "maxm");
  m.SetLanguage(0x0419);
  // "moloko": prefix "mo", then l -> l', o -> a, k -> g, o -> a.
  EXPECT_EQ(Code(m, "\xEC\xEE\xEB\xEE\xEA\xEE"), "\xEC\xEE\xEB\xFC\xE0\xE3\xE0");
  m.SetLanguage(0x0409);
  EXPECT_TRUE(m.DistanceAcceptable("word", 2));
  EXPECT_FALSE(m.DistanceAcceptable("word", 3));
  EXPECT_FALSE(m.DistanceAcceptable("abcdefghijklm", 5));  // DistanceMax 4
  m.SetDistanceDivisor(0);
  EXPECT_EQ(m.DistanceDivisor(), 1);
}

// Switching rule sets back and forth gives each set's own codes; rules an
// application added after a switch are gone after the next one, as when every
// switch built the set anew.
TEST(PhoneticsMap, SwitchingRuleSetsKeepsEachSetsCodes) {
  TPhoneticsMap m;
  for (int round = 0; round < 3; ++round) {
    m.SetLanguage(0x0409);
    EXPECT_EQ(Code(m, "receive"), "resf");
    m.SetLanguage(0);
    EXPECT_EQ(Code(m, "receive"), "rekb");
    m.SetLanguage(0x040C);
    EXPECT_EQ(Code(m, "maison"), "maxm");
  }
  m.SetLanguage(0x0409);
  m.Add("v", "w", 1);  // an application's adjustment
  EXPECT_EQ(Code(m, "receive"), "resw");
  const std::string* d = nullptr;
  int n = 0;
  ASSERT_TRUE(m.Match("v", d, 0, n));
  EXPECT_EQ(*d, "w");
  m.SetLanguage(0);
  EXPECT_EQ(Code(m, "receive"), "rekb");
  m.SetLanguage(0x0809);  // English again: the set as loaded
  EXPECT_EQ(Code(m, "receive"), "resf");
  ASSERT_TRUE(m.Match("v", d, 0, n));
  EXPECT_EQ(*d, "f");
  m.SetLanguage(0);
  m.Clear();
  EXPECT_EQ(Code(m, "receive"), "re");
  m.SetLanguage(0x0409);
  m.SetLanguage(0x0407);  // generic again, built anew after the Clear
  EXPECT_EQ(Code(m, "receive"), "rekb");
}

// Coding step by step gives the whole code: a state settled over the first k
// letters, finished for the word, gives BuildCode's result, and its code is a
// prefix of the code of every longer word with the same first k letters.
TEST(PhoneticsMap, SteppedCodesEqualWholeCodes) {
  TPhoneticsMap m;
  std::mt19937 rng(5);
  const char letters[] = "aeioucghkstpnwyxdrz";
  for (int language : {0x0409, 0, 0x040C}) {
    m.SetLanguage(language);
    for (int limit : {6, 2, 40}) {
      m.Limit = limit;
      const TCodeStepper& steps = *m.Stepper();
      for (int round = 0; round < 2000; ++round) {
        std::string w;
        const size_t len = 1 + rng() % 12;
        for (size_t i = 0; i < len; ++i) w.push_back(letters[rng() % (sizeof letters - 1)]);
        std::string whole;
        m.BuildCode(w, whole);
        std::string code;
        TCodeStepper::State s = steps.Begin();
        for (size_t k = 1; k <= len; ++k) {
          steps.Settle(w.data(), k, s, code);
          ASSERT_EQ(whole.compare(0, s.codeLen, code, 0, s.codeLen), 0) << w << " k=" << k;
          std::string prefixCode, finished = code;  // the settled code goes on
          m.BuildCode(w.substr(0, k), prefixCode);
          steps.Finish(w.data(), k, s, finished);
          ASSERT_EQ(finished, prefixCode) << w << " k=" << k;
        }
      }
    }
  }
}

TEST(WordDistance, LevenshteinWithTranspositionCredit) {
  EXPECT_EQ(WordDistance("abc", "abc"), 0);
  EXPECT_EQ(WordDistance("", "abc"), 3);
  EXPECT_EQ(WordDistance("kitten", "sitting"), 3);
  EXPECT_EQ(WordDistance("recieve", "receive"), 1);  // swap credited
  EXPECT_EQ(WordDistance("teh", "the"), 1);
  EXPECT_EQ(WordDistance("aab", "aab"), 0);
  EXPECT_EQ(WordDistance("abab", "baba"), 0);  // two credits, distance 2 -> 0
  EXPECT_EQ(WordDistance(std::string(255, 'a'), "b"), 255);
}

TEST(SuggestionsGenerator, EditKindsAndOrder) {
  const std::set<std::string> vocab = {"the", "tea", "ten", "teeth", "he", "te"};
  // gap-1 transposition first, then insertions, deletions, replacements.
  EXPECT_EQ(Gen(vocab, "teh"), (V{"the", "te", "tea", "ten"}));
  EXPECT_EQ(Gen(vocab, "teh", 1), (V{"the", "te"}));  // stops once past the maximum
  EXPECT_EQ(Gen(vocab, "teh", -1, skReplace), (V{"tea", "ten"}));
}

TEST(SuggestionsGenerator, ShortWordsAndCase) {
  const std::set<std::string> vocab = {"ab", "ba", "a", "Paris", "paris", "London", "ohio", "Ohio", "Ab"};
  // Two-letter word: no gap-1 transposition ("ba" comes from no other kind).
  auto r = Gen(vocab, "ab", -1, skTranspose);
  EXPECT_TRUE(r.empty());
  // Candidates shorter than two bytes are never produced ("a" from deleting).
  EXPECT_EQ(Gen(vocab, "ax", -1, skDelete), V{});
  // A lower-case word gets a capitalised candidate only when its lower form is no word.
  EXPECT_EQ(Gen(vocab, "pariss", -1, skDelete), (V{"paris"}));
  EXPECT_EQ(Gen(vocab, "pondon", -1, skReplace), (V{"London"}));
  EXPECT_EQ(Gen(vocab, "oaris", -1, skReplace), (V{"paris"}));
  EXPECT_EQ(Gen(vocab, "Oaris", -1, skReplace), (V{"paris", "Paris"}));
  // Mixed case: the word is tried again in lower case.
  EXPECT_EQ(Gen(vocab, "oHIo", -1, skReplace), (V{"ohio"}));
}

TEST(SuggestionsGenerator, Splits) {
  const std::set<std::string> vocab = {"end", "Start", "to", "go"};
  EXPECT_EQ(Gen(vocab, "endStart", -1, skSplit), (V{"end Start"}));
  EXPECT_EQ(Gen(vocab, "end.Start", -1, skSplit), (V{"end.  Start"}));
  EXPECT_EQ(Gen(vocab, "end.start", -1, skSplit), V{});
  EXPECT_EQ(Gen(vocab, "togo", -1, skSplit), (V{"to go"}));
  TSuggestionsGenerator g;
  EXPECT_EQ(g.Kinds(), 31);
  g.SetLanguage(0x041D);
  EXPECT_EQ(g.Kinds(), 15);
  const size_t before = g.FirstPositionLetters().size();
  g.SetLanguage(0x0415);
  EXPECT_EQ(g.FirstPositionLetters().size(), before + 19);
  EXPECT_EQ(TSuggestionsGenerator::LowerCaseLetters().size(), 67u);
  EXPECT_EQ(TSuggestionsGenerator::MixedLetters().size(), 122u);
}

TEST(SuggestionsGenerator, RefusesWhatItCannotDo) {
  TSuggestionsGenerator g;
  TSuggestionList list;
  TSuggestionsGenerator::ExistsFn none;
  TSuggestionsGenerator::ExistsFn all = [](const std::string&) { return true; };
  g.Generate("abc", 5, none, &list);
  g.Generate("abc", 0, all, &list);
  g.Generate(std::string(251, 'a'), 5, all, &list);
  g.Generate("abc", 5, all, nullptr);
  EXPECT_TRUE(list.empty());
  g.Generate("abc", 5, all, &list);
  EXPECT_EQ(list.size(), 6u);  // one past the maximum tells "full"
}
