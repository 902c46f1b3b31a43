// The suggestion lists for the development misspellings must stay exactly the
// ones recorded in tests/spelling/data/suggestions.golden (words, order and
// distances), whatever is done to make suggestions faster: with the
// dictionary's lookup index and without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "spelling/MainDictionary.h"
#include "TestFiles.h"
#include "tools/lib/SuggestionGolden.h"

namespace {

// The lists of one dictionary file against the recorded ones.
void ExpectGoldenLists(const std::string& dict) {
  const std::string golden = std::string(WX_SOURCE_DIR) + "/tests/spelling/data/suggestions.golden";
  std::ifstream in(golden, std::ios::binary);
  ASSERT_TRUE(in) << golden;
  std::string comment, dictLine;
  std::getline(in, comment);
  std::getline(in, dictLine);
  ASSERT_EQ(dictLine, wx::tools::GoldenDictionaryLine(dict))
      << "american.qxm is not the dictionary the golden lists were made with; if the word list changed on "
         "purpose, rewrite them with: suggest-golden --dict " << dict << " " << golden;

  auto checker = wx::tools::MakeSuggestionChecker(dict);
  size_t lines = 0, differ = 0;
  std::string expected;
  while (std::getline(in, expected)) {
    ++lines;
    const std::string word = expected.substr(0, expected.find('\t'));
    const std::string actual = wx::tools::GoldenLine(*checker, word);
    if (actual != expected && ++differ <= 10) ADD_FAILURE() << "expected: " << expected << "\nactual:   " << actual;
  }
  EXPECT_EQ(differ, 0u);
  EXPECT_GT(lines, 4000u);
}

TEST(SuggestionGolden, EveryListMatchesTheRecordedOne) {
  const std::string dict = std::string(WX_SOURCE_DIR) + "/build/data/american.qxm";
  ASSERT_TRUE(std::filesystem::exists(dict)) << dict << " missing: build it with scripts/build-data.sh";
  // The shipped file answers through its lookup index...
  {
    wx::TMainDictionary d;
    ASSERT_TRUE(d.Open(dict));
    d.SetActive(true);
    ASSERT_TRUE(d.HasIndex()) << dict << " has no lookup index";
  }
  ExpectGoldenLists(dict);
  // ...and the same file without it by walking the tree.
  wx::test::ScratchDir dir("golden-walk");
  uint64_t treeSize = 0;
  {
    wx::TMainDictionary d;
    ASSERT_TRUE(d.Open(dict));
    d.SetActive(true);
    treeSize = d.TreeSize();
  }
  const std::string plain = dir.File("american.qxm");
  wx::test::WriteBytes(plain, wx::test::ReadBytes(dict).substr(0, size_t(treeSize)));
  ExpectGoldenLists(plain);
}

}  // namespace
