// Plain facts about the thesaurus the program ships (build/data/Thesaurus.qxt,
// made by scripts/build-data.sh), read with the program's reader.
#include <gtest/gtest.h>

#include <algorithm>
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
