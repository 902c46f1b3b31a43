// Plain facts about the thesaurus the program ships (build/data/Thesaurus.qxt,
// made by scripts/build-data.sh), read with the program's reader.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "thesaurus/ThesaurusBase.h"
#include "thesaurus/ThesaurusFile.h"

namespace {

class ShippedThesaurus : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string path = std::string(WX_SOURCE_DIR) + "/build/data/Thesaurus.qxt";
    if (!std::filesystem::exists(path)) return;
    file_ = new wx::TThesaurusFile;
    file_->SetFileName(path);
    file_->SetLoaded(true);
  }
  static void TearDownTestSuite() {
    delete file_;
    file_ = nullptr;
  }
  void SetUp() override {
    if (!file_) GTEST_SKIP() << "no build/data/Thesaurus.qxt: run scripts/build-data.sh";
    ASSERT_TRUE(file_->Loaded());
  }

  // The words each meaning of word shows, in order; empty when not found.
  static std::vector<std::vector<std::string>> Meanings(const std::string& word) {
    std::vector<std::vector<std::string>> r;
    if (!file_->Lookup(word)) return r;
    for (const auto& m : file_->Contexts()) r.push_back(wx::TThesaurusBase::ContextWords(*m));
    return r;
  }
  static bool Has(const std::vector<std::string>& list, const std::string& w) {
    return std::find(list.begin(), list.end(), w) != list.end();
  }
  static bool AnyHas(const std::vector<std::vector<std::string>>& meanings, const std::string& w) {
    for (const auto& l : meanings)
      if (Has(l, w)) return true;
    return false;
  }

  static wx::TThesaurusFile* file_;
};

wx::TThesaurusFile* ShippedThesaurus::file_ = nullptr;

TEST_F(ShippedThesaurus, CommonWordsShowTheirMainMeaningFirst) {
  auto happy = Meanings("happy");
  ASSERT_FALSE(happy.empty());
  EXPECT_TRUE(Has(happy[0], "glad"));
  EXPECT_TRUE(Has(happy[0], "cheerful"));
  EXPECT_FALSE(AnyHas(happy, "unhappy"));  // never an antonym
  EXPECT_EQ(file_->Contexts()[0]->contextWord, "happy");
  // The end-to-end tests choose "cheerful" for "happy", then "glad" for it.
  EXPECT_TRUE(AnyHas(Meanings("cheerful"), "glad"));

  auto beautiful = Meanings("beautiful");
  ASSERT_FALSE(beautiful.empty());
  EXPECT_TRUE(Has(beautiful[0], "lovely"));

  auto angry = Meanings("angry");
  ASSERT_FALSE(angry.empty());
  EXPECT_TRUE(Has(angry[0], "furious"));

  auto big = Meanings("big");
  ASSERT_FALSE(big.empty());
  EXPECT_EQ(file_->Contexts()[0]->contextWord, "large");

  auto use = Meanings("use");
  ASSERT_FALSE(use.empty());
  EXPECT_TRUE(Has(use[0], "employ"));
  EXPECT_FALSE(AnyHas(use, "misuse"));  // narrower terms are no synonyms
}

// Main senses that WordNet stores in shapes that list little by themselves.
TEST_F(ShippedThesaurus, MainSensesOfEveryShapeAreOffered) {
  // A satellite of a cluster whose head word is rare.
  EXPECT_TRUE(AnyHas(Meanings("ominous"), "sinister"));
  // A proper name that is the word's most used sense, typed in lower case.
  EXPECT_TRUE(AnyHas(Meanings("monday"), "Mon"));
}

// A participle that WordNet lists as an adjective shows that meaning first,
// then its verb's.
TEST_F(ShippedThesaurus, ParticiplesUsedAsAdjectivesShowThatMeaningFirst) {
  for (const auto& [word, synonym] : {std::pair<const char*, const char*>{"spent", "exhausted"},
                                      {"moved", "touched"},
                                      {"worrying", "disturbing"},
                                      {"fired", "dismissed"}}) {
    auto meanings = Meanings(word);
    ASSERT_GE(meanings.size(), 2u) << word;
    EXPECT_EQ(file_->Contexts()[0]->kindName, "adjective") << word;
    EXPECT_TRUE(Has(meanings[0], synonym)) << word;
    bool verb = false;
    for (const auto& m : file_->Contexts()) verb = verb || m->kind == 0 || m->kind == 2;
    EXPECT_TRUE(verb) << word;
  }
}

// Words a writer meets often though WordNet's tag counts hardly know them.
TEST_F(ShippedThesaurus, CommonWordsWithFewTagCountsAreFound) {
  for (const char* word : {"tennis", "printer", "gene", "camel"}) EXPECT_FALSE(Meanings(word).empty()) << word;
}

// Short words and abbreviations do not stand among a meaning's first three
// words unless the meaning is named by one; they still find their meaning.
TEST_F(ShippedThesaurus, AbbreviationsComeAfterTheWordsAWriterPicks) {
  auto isTerse = [](const std::string& w) {
    if (w.size() < 3 || w.find('.') != std::string::npos) return true;
    return std::none_of(w.begin(), w.end(), [](char c) { return std::strchr("aeiouAEIOU", c) != nullptr; }) &&
           w.find('y', 1) == std::string::npos;
  };
  for (const char* word : {"year", "foot", "inch", "quality", "so", "seem", "for example"}) {
    ASSERT_FALSE(Meanings(word).empty()) << word;
    for (const auto& m : file_->Contexts()) {
      if (isTerse(m->contextWord)) continue;
      auto words = wx::TThesaurusBase::ContextWords(*m);
      for (size_t i = 0; i < words.size() && i < 3; ++i) EXPECT_FALSE(isTerse(words[i])) << word << ": " << words[i];
    }
  }
  auto yr = Meanings("yr");
  ASSERT_FALSE(yr.empty());
  EXPECT_EQ(file_->Contexts()[0]->contextWord, "year");
  EXPECT_TRUE(Has(yr[0], "twelvemonth"));
}

// An adverb of few words lists the adverbs of the adjective it comes from.
TEST_F(ShippedThesaurus, ShortAdverbListsAreFilledFromTheirAdjective) {
  auto simultaneously = Meanings("simultaneously");
  ASSERT_FALSE(simultaneously.empty());
  EXPECT_TRUE(Has(simultaneously[0], "concurrently"));
  EXPECT_GE(simultaneously[0].size(), 3u);
}

TEST_F(ShippedThesaurus, InflectedFormsShowTheirBaseWordsMeanings) {
  EXPECT_TRUE(AnyHas(Meanings("days"), "day"));
  EXPECT_TRUE(AnyHas(Meanings("called"), "call"));
  EXPECT_TRUE(AnyHas(Meanings("words"), "word"));
  EXPECT_TRUE(AnyHas(Meanings("went"), "go"));        // irregular
  EXPECT_TRUE(AnyHas(Meanings("happier"), "happy"));  // comparative
  bool wordForm = false;
  ASSERT_TRUE(file_->Lookup("days"));
  for (const auto& m : file_->Contexts()) wordForm = wordForm || m->kind == 0;
  EXPECT_TRUE(wordForm);
}

}  // namespace
