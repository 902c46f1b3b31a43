#include "tools/lib/DefinitionsWriter.h"

#include <gtest/gtest.h>


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
  const std::unordered_set<std::string> english = {"traveled", "traveling", "worked", "taller", "tallest"};
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

TEST(DefinitionsWordForms, AnotherVerbsPastIsNoSecondSpelling) {
  // "hoped" and "stared" are words, but as the pasts of "hope" and "stare":
  // "hop" and "star" double their last letter and have no other spelling.
  WordNet wn;
  wn.exceptions[1] = {{"hopped", {"hop"}},   {"hopping", {"hop"}},     {"starred", {"star"}},
                      {"starring", {"star"}}, {"travelled", {"travel"}}, {"travelling", {"travel"}}};
  for (const char* v : {"hop", "hope", "star", "stare", "travel"}) {
    WnIndexEntry e;
    e.lemma = v;
    e.pos = WnPos::Verb;
    wn.index.push_back(e);
  }
  const std::unordered_set<std::string> english = {"hoped", "hoping", "stared", "staring", "traveled", "traveling"};
  WordFormLists f = MakeWordFormLists(wn, english);
  EXPECT_EQ(Lines(f.lists[4]), std::vector<std::string>({"HOP", "STAR"}));
  for (const auto& l : Lines(f.lists[1])) {
    EXPECT_EQ(l.find("HOPED"), std::string::npos) << l;
    EXPECT_EQ(l.find("STARED"), std::string::npos) << l;
  }
  EXPECT_TRUE(Has(Lines(f.lists[1]), "TRAVEL,TRAVELED,,TRAVELING,TRAVELS,TRAVELLED,TRAVELLING"));
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
  // Every brace-enclosed list of numbers is a table.
  std::vector<std::vector<long>> tables;
  for (size_t open = src.find('{'); open != std::string::npos; open = src.find('{', open + 1)) {
    size_t close = src.find('}', open);
    std::vector<long> t;
    bool digits = true;
    for (size_t i = open + 1; i < close; ++i) {
      char c = src[i];
      if (c >= '0' && c <= '9') {
        if (!digits || t.empty()) t.push_back(0);
        t.back() = t.back() * 10 + (c - '0');
        digits = true;
      } else if (c == ',') {
        digits = false;
      } else if (c != ' ' && c != '\n') {
        t.clear();
        break;
      }
    }
    if (t.size() == size_t(kIndexKeySymbols + 1)) tables.push_back(t);
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
