#include "definitions/DefinitionsFormModel.h"

#include <gtest/gtest.h>

#include "TestDatabase.h"
#include "definitions/DefinitionsDatabase.h"

namespace wx {
namespace {

class DefinitionsFormModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db.SetDatabaseImage(testing::FixtureBytes());
    m.SetDatabase(db);
  }
  int TabOf(int relation) const {
    for (size_t i = 0; i < m.tabs.size(); ++i)
      if (m.tabs[i] == relation) return int(i);
    return -1;
  }
  int WordRow(const std::string& w) const {
    for (size_t i = 0; i < m.words.size(); ++i)
      if (m.words[i] == w) return int(i);
    return -1;
  }
  TDefinitionsDatabase db;
  TDefinitionsFormModel m;
};

TEST_F(DefinitionsFormModelTest, FoundWordShowsHeadingsNumberedSensesButtonsAndTabs) {
  m.KeyWordChanged("dog");
  EXPECT_TRUE(m.searchEnabled);
  m.Search("dog");
  // Noun "dog" with two senses, then verb "dog" with one; numbering restarts.
  ASSERT_EQ(m.rows.size(), 5u);
  EXPECT_TRUE(m.rows[0].heading);
  EXPECT_EQ(m.rows[0].partOfSpeech, 0);
  EXPECT_EQ(m.rows[0].headWord, "dog");
  EXPECT_EQ(m.rows[1].number, 1);
  EXPECT_EQ(m.rows[1].gloss.substr(0, 10), "A member o");  // capital first letter
  EXPECT_EQ(m.rows[2].number, 2);
  EXPECT_TRUE(m.rows[3].heading);
  EXPECT_EQ(m.rows[3].partOfSpeech, 1);
  EXPECT_EQ(m.rows[4].number, 1);
  EXPECT_EQ(m.rows[4].senseIndex, 2);
  EXPECT_TRUE(m.notFoundWord.empty());
  EXPECT_TRUE(m.posEnabled[0] && m.posEnabled[1]);
  EXPECT_FALSE(m.posEnabled[2] || m.posEnabled[3]);
  // Synonyms first and selected, then the relation types present in type order.
  ASSERT_EQ(m.tabs, (std::vector<int>{12, 3, 6, 7}));
  EXPECT_EQ(m.selectedTab, 0);
  EXPECT_GE(WordRow("domestic dog"), 0);
  EXPECT_FALSE(m.searchEnabled);
  EXPECT_FALSE(m.copyEnabled);
  EXPECT_FALSE(m.previousEnabled);
  EXPECT_EQ(m.history, std::vector<std::string>{"dog"});
}

TEST_F(DefinitionsFormModelTest, UnknownWordShowsNotFoundAndNeighboursWithoutHistoryEntry) {
  m.Search("dog");
  m.Search("dogz");
  EXPECT_EQ(m.notFoundWord, "dogz");
  EXPECT_TRUE(m.rows.empty());
  for (bool e : m.posEnabled) EXPECT_FALSE(e);
  EXPECT_TRUE(m.tabs.empty());
  ASSERT_FALSE(m.words.empty());
  EXPECT_GE(m.wordSelected, 0);
  EXPECT_EQ(m.history, std::vector<std::string>{"dog"});
  // Back to the word on show before the unknown one.
  EXPECT_TRUE(m.previousEnabled);
  m.Previous();
  EXPECT_EQ(m.lastSearched, "dog");
  EXPECT_EQ(m.keyWord, "dog");
  EXPECT_FALSE(m.previousEnabled);
}

TEST_F(DefinitionsFormModelTest, PreviousStepsBackOneEntryWithoutAppendingAndStopsAtTheFirst) {
  m.Search("dog");
  m.SelectWord(WordRow("domestic dog"));
  EXPECT_FALSE(m.WordListActivate());  // follows the word
  EXPECT_EQ(m.lastSearched, "domestic dog");
  m.ChooseTab(TabOf(6));
  m.SelectWord(WordRow("canine"));
  m.WordListActivate();
  m.Search("canine");  // the same word again is kept once
  ASSERT_EQ(m.history, (std::vector<std::string>{"dog", "domestic dog", "canine"}));
  EXPECT_TRUE(m.previousEnabled);
  m.Previous();
  EXPECT_EQ(m.lastSearched, "domestic dog");
  EXPECT_TRUE(m.previousEnabled);
  m.Previous();
  EXPECT_EQ(m.lastSearched, "dog");
  EXPECT_FALSE(m.previousEnabled);
  m.Previous();  // disabled: nothing happens
  EXPECT_EQ(m.lastSearched, "dog");
  EXPECT_EQ(m.history.size(), 3u);
  // A new word after going back replaces the entries ahead.
  m.Search("glass");
  EXPECT_EQ(m.history, (std::vector<std::string>{"dog", "glass"}));
  EXPECT_TRUE(m.previousEnabled);
}

TEST_F(DefinitionsFormModelTest, ChoosingSensesNarrowsTheWordsAndChoosingAgainReleases) {
  m.Search("dog");
  m.ChooseSense(1);  // frump, dog
  EXPECT_EQ(m.chosenSense, 1);
  EXPECT_EQ(m.words, std::vector<std::string>{"frump"});
  EXPECT_EQ(m.tabs, (std::vector<int>{12, 6}));
  m.ChooseTab(1);
  EXPECT_EQ(m.words, (std::vector<std::string>{"canid", "canine"}));
  m.ChooseSense(1);  // released: all senses count again, the relation kept
  EXPECT_EQ(m.chosenSense, -1);
  EXPECT_EQ(m.currentRelation, 6);
  EXPECT_EQ(m.tabs.size(), 4u);
  // A part-of-speech button narrows to its senses; choosing a verb sense widens again.
  m.PartOfSpeechButton(0, true);
  EXPECT_TRUE(m.posDown[0]);
  EXPECT_EQ(m.scrollToPartOfSpeech, 0);
  EXPECT_EQ(TabOf(3), -1);  // "Derived" belongs to the verb
  m.ChooseSense(2);
  EXPECT_FALSE(m.posDown[0]);
  EXPECT_NE(TabOf(3), -1);
  m.PartOfSpeechButton(1, true);
  EXPECT_EQ(m.chosenSense, -1);
  m.PartOfSpeechButton(1, false);
  EXPECT_EQ(TabOf(7), 3);
}

TEST_F(DefinitionsFormModelTest, ReplaceReturnsListWordOrDefinitionSelection) {
  m.Search("dog");
  EXPECT_EQ(m.ReturnWord(), "");
  m.words.push_back("hound*");
  m.SelectWord(int(m.words.size()) - 1);
  EXPECT_TRUE(m.copyEnabled);
  EXPECT_EQ(m.ReturnWord(), "hound");
  m.EnterDefinition();
  EXPECT_FALSE(m.copyEnabled);
  EXPECT_EQ(m.wordSelected, -1);
  m.DefinitionSelectionChanged("genus Canis");
  EXPECT_TRUE(m.copyEnabled);
  EXPECT_EQ(m.ReturnWord(), "genus Canis");
  EXPECT_EQ(m.CopyButton(), TDefinitionsFormModel::CopyResult::CloseOk);
  m.copyAction = cbpCopyClipboard;
  EXPECT_EQ(m.CopyButton(), TDefinitionsFormModel::CopyResult::PutOnClipboard);
  m.LeaveDefinition();
  EXPECT_EQ(m.ReturnWord(), "");
  m.doubleClickAction = ldcReturnWord;
  m.SelectWord(0);
  EXPECT_TRUE(m.WordListActivate());
}

TEST_F(DefinitionsFormModelTest, HeightPercentHidesDefinitionsOrTabs) {
  m.SetDefinitionsHeightPercent(-5);
  EXPECT_TRUE(m.DefinitionsHidden());
  m.Search("dog");
  EXPECT_TRUE(m.rows.empty());
  EXPECT_FALSE(m.tabs.empty());
  m.SetDefinitionsHeightPercent(140);
  EXPECT_TRUE(m.DefinitionsOnly());
  m.tabs.clear();
  m.words.clear();
  m.Search("glass");
  EXPECT_FALSE(m.rows.empty());
  EXPECT_TRUE(m.tabs.empty());
  EXPECT_TRUE(m.words.empty());
  m.Search("glasz");  // no neighbours either
  EXPECT_TRUE(m.words.empty());
  EXPECT_EQ(m.notFoundWord, "glasz");
}

TEST(DefinitionsFormModelHeadings, InflectionsReadWithABlankAfterEachComma) {
  EXPECT_EQ(TDefinitionsFormModel::ReadableList("happier,happiest"), "happier, happiest");
  EXPECT_EQ(TDefinitionsFormModel::ReadableList("am,are,is"), "am, are, is");
  EXPECT_EQ(TDefinitionsFormModel::ReadableList("dove,dived, also dived"), "dove, dived, also dived");
  EXPECT_EQ(TDefinitionsFormModel::ReadableList("a,"), "a,");
  EXPECT_EQ(TDefinitionsFormModel::ReadableList(""), "");
}

TEST_F(DefinitionsFormModelTest, EmptyGlossShowsABlankAndErrorsResetTheButtons) {
  m.Search("hello");
  ASSERT_EQ(m.rows.size(), 2u);
  EXPECT_EQ(m.rows[1].gloss, "Hello, hi");  // a record without gloss lists its words
  TDefinitionsDatabase missing;
  missing.SetDatabaseFile("/nonexistent/Definitions.ydd");
  TDefinitionsFormModel f;
  f.SetDatabase(missing);
  f.KeyWordChanged("dog");
  EXPECT_ANY_THROW(f.Search("dog"));
  EXPECT_FALSE(f.searchEnabled);
  EXPECT_EQ(missing.OpenCount(), 0);

  // A search that fails leaves nothing of the word shown before it.
  ASSERT_FALSE(m.words.empty());
  ASSERT_FALSE(m.tabs.empty());
  const int wordsShown = m.wordsVersion, tabsShown = m.tabsVersion;
  m.SetDatabase(missing);
  EXPECT_ANY_THROW(m.Search("dog"));
  EXPECT_TRUE(m.rows.empty());
  EXPECT_TRUE(m.words.empty());
  EXPECT_TRUE(m.tabs.empty());
  EXPECT_NE(m.wordsVersion, wordsShown);
  EXPECT_NE(m.tabsVersion, tabsShown);
}

}  // namespace
}  // namespace wx

namespace wx {
namespace {

TEST(DefinitionsHighlightColour, StandsOutAgainstWindowAndText) {
  const uint32_t white = 0xFFFFFF, black = 0, blue = 0xFF0000, yellow = 0x00FFFF;
  EXPECT_EQ(DefinitionsHighlightColour(blue, white, black, white), blue);
  EXPECT_EQ(DefinitionsHighlightColour(white, white, black, blue), blue);    // highlight = window
  EXPECT_EQ(DefinitionsHighlightColour(white, white, black, white), black);  // and highlight text too
  EXPECT_EQ(DefinitionsHighlightColour(blue, white, blue, black), black);    // text = highlight
  EXPECT_EQ(DefinitionsHighlightColour(blue, white, blue, white), yellow);
}

}  // namespace
}  // namespace wx
