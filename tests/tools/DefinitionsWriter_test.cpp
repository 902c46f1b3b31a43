#include "tools/lib/DefinitionsWriter.h"

#include <gtest/gtest.h>

#include <regex>

#include "definitions/Coder.h"
#include "definitions/DefinitionsDatabase.h"
#include "tools/lib/DefinitionsWordForms.h"

namespace wx::tools {
namespace {

std::vector<std::string> Lines(const std::string& list) {
  std::vector<std::string> out;
  size_t start = 1;
  EXPECT_EQ(list.front(), '\r');
  EXPECT_EQ(list.back(), '\r');
  while (start < list.size()) {
    size_t end = list.find('\r', start);
    out.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return out;
}

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(DefinitionsWordForms, ListsComeFromTheExceptionsAndTheLemmas) {
  WordNet wn;
  wn.exceptions[0] = {{"geese", {"goose"}}, {"brothers-in-law", {"brother-in-law"}}};
  wn.exceptions[1] = {{"stopped", {"stop"}},   {"stopping", {"stop"}},  {"travelled", {"travel"}},
                      {"travelling", {"travel"}}, {"wrought", {"work"}}, {"went", {"go"}},
                      {"gone", {"go"}},          {"goes", {"go"}},        {"saw", {"see"}},
                      {"seen", {"see"}},         {"was", {"be"}}};
  wn.exceptions[2] = {{"better", {"good"}}, {"best", {"good"}}, {"abler", {"able"}}};
  WnIndexEntry agree;
  agree.lemma = "agree";
  agree.pos = WnPos::Verb;
  WnIndexEntry tall;
  tall.lemma = "tall";
  tall.pos = WnPos::Adj;
  wn.index = {agree, tall};
  const std::unordered_set<std::string> english = {"traveled", "worked", "taller", "tallest"};
  WordFormLists f = MakeWordFormLists(wn, english);

  auto nouns = Lines(f.lists[0]);
  EXPECT_TRUE(Has(nouns, "GOOSE,GEESE"));
  EXPECT_TRUE(Has(nouns, "BROTHERINLAW,BROTHERS-IN-LAW"));    // found by the normalized word
  EXPECT_TRUE(Has(nouns, "BROTHER-IN-LAW,BROTHERS-IN-LAW"));  // found as typed
  auto verbs = Lines(f.lists[1]);
  EXPECT_TRUE(Has(verbs, "GO,WENT,GONE,GOING,GOES"));
  EXPECT_TRUE(Has(verbs, "SEE,SAW,SEEN,SEEING,SEES"));  // -ee verbs keep their e
  EXPECT_TRUE(Has(verbs, "WORK,WROUGHT,,WORKING,WORKS,WORKED"));
  EXPECT_TRUE(Has(verbs, "TRAVEL,TRAVELED,,TRAVELING,TRAVELS,TRAVELLED,TRAVELLING"));
  EXPECT_TRUE(Has(verbs, "AGREE,AGREED,,AGREEING,AGREES"));
  EXPECT_TRUE(Has(verbs, "BE,WAS,BEEN,BEING,IS,WERE,AM,ARE"));
  for (const auto& l : verbs) EXPECT_NE(l.rfind("STOP,", 0), 0u) << l;  // the doubling list covers it
  EXPECT_EQ(Lines(f.lists[4]), std::vector<std::string>({"STOP"}));
  auto adjectives = Lines(f.lists[2]);
  EXPECT_TRUE(Has(adjectives, "GOOD,BETTER,BEST"));
  auto stems = Lines(f.lists[3]);
  EXPECT_TRUE(Has(stems, "TALL"));
  EXPECT_TRUE(Has(stems, "ABL"));  // from a regular comparative in the exceptions
}

TEST(DefinitionsWriter, OverfullRecordsLosePointersAndStillRead) {
  DefinitionsWriter w;
  DefMeaning target;
  target.words = {"leaf"};
  target.gloss = "a target";
  uint32_t t = w.AddMeaning(target);
  DefMeaning big;
  big.words = {"tree"};
  big.gloss = std::string(2500, 'x');  // longer than a record allows
  for (int i = 0; i < 900; ++i) big.pointers.push_back({uint8_t(i % 2 ? 7 : 5), t, 0, 0});
  big.pointers.push_back({0, t, 40, 0});  // a word number beyond the model: left out
  uint32_t b = w.AddMeaning(big);
  w.AddIndexWord("tree", b);
  w.AddIndexWord("leaf", t);
  w.AddIndexWord("--", t);  // no key
  for (auto& l : w.wordForms) l = "\r";
  DefWriterStats st;
  std::string bytes = w.Build(&st);
  EXPECT_EQ(st.meanings, 2u);
  EXPECT_EQ(st.entries, 2u);
  EXPECT_GT(st.droppedPointers, 300u);
  EXPECT_EQ(st.cutGlosses, 1u);
  EXPECT_EQ(st.fileSize, bytes.size());

  TDefinitionsDatabase db;
  db.SetDatabaseImage(bytes);
  db.SearchWord("tree");
  ASSERT_EQ(db.Lookup().SenseCount(), 1);
  const TSynset& s = db.Lookup().Sense(0);
  EXPECT_EQ(s.PointerCount(), int(900 + 1 - st.droppedPointers));
  EXPECT_EQ(s.gloss.substr(0, 10), "xxxxxxxxxx");
  EXPECT_EQ(db.Lookup().RelatedByIndex(7), std::vector<std::string>({"leaf"}));
}

TEST(DefinitionsWriter, KeyTableSourceKeepsTheFixedContextsAndShape) {
  std::string src = IndexKeyTablesSource({"DOG", "DOGMA", "CAT", "A1"});
  std::regex row(R"(\{([0-9, \n]+)\})");
  std::vector<std::vector<long>> tables;
  for (auto it = std::sregex_iterator(src.begin(), src.end(), row); it != std::sregex_iterator(); ++it) {
    std::vector<long> t;
    std::string nums = (*it)[1];
    std::regex num(R"([0-9]+)");
    for (auto n = std::sregex_iterator(nums.begin(), nums.end(), num); n != std::sregex_iterator(); ++n)
      t.push_back(std::stol(n->str()));
    tables.push_back(t);
  }
  ASSERT_EQ(tables.size(), 2u + kIndexKeyContexts);  // the two fixed ones, then all 45
  for (size_t i = 2; i < tables.size(); ++i) {
    const auto& t = tables[i];
    ASSERT_EQ(t.size(), size_t(kIndexKeySymbols + 1));
    EXPECT_LE(t[0], 65535);
    for (int s = 0; s < kIndexKeySymbols; ++s) EXPECT_GT(t[size_t(s)], t[size_t(s) + 1]);
    if (i - 2 >= 1 && i - 2 <= 43) {
      for (int s = 11; s <= 17; ++s) EXPECT_EQ(t[size_t(s)] - t[size_t(s) + 1], 1);
    }
  }
  EXPECT_EQ(tables[2], tables[0]);   // context 0 is the fixed table
  EXPECT_EQ(tables.back(), tables[1]);  // and so is context 44
  // After "G" (context 24) only the end follows in these keys, after "O" a "G".
  const auto& afterO = tables[2 + ('O' - 47)];
  EXPECT_GT(afterO[size_t('G' - 47)] - afterO[size_t('G' - 47) + 1], 30000);
}

}  // namespace
}  // namespace wx::tools
