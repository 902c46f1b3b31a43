// The custom dictionary editor and the custom dictionaries dialog, driven
// like a user through their portable models.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "spelling/CustomDictionariesModel.h"
#include "spelling/CustomDictionaryEditModel.h"

namespace wx {
namespace {

using test::ScratchDir;
using Model = TCustomDictionaryEditModel;

TEST(CustomDictionaryEditor, AddedAndExcludedPages) {
  TCustomDictionary d;
  d.AddWord("beta");
  d.AddWord("alpha");
  d.AddExcluded("alot");
  d.AddAutoCorrect("teh", "the");
  Model m(d, false, true);
  EXPECT_TRUE(m.ExcludedPageVisible());
  m.ShowPage(Model::pgAdded);
  EXPECT_EQ(m.Added().list, (std::vector<std::string>{"alpha", "beta"}));

  m.TextChanged(Model::pgAdded, "alot");  // an excluded word keeps Add disabled
  EXPECT_FALSE(m.Added().addEnabled);
  m.TextChanged(Model::pgAdded, "teh");  // so does an auto-correct key
  EXPECT_FALSE(m.Added().addEnabled);
  EXPECT_FALSE(m.Add(Model::pgAdded));
  m.TextChanged(Model::pgAdded, "");
  EXPECT_FALSE(m.Added().addEnabled);
  m.TextChanged(Model::pgAdded, "beta");  // present: selected, Delete enabled
  EXPECT_FALSE(m.Added().addEnabled);
  EXPECT_EQ(m.Added().selected, 1);
  EXPECT_TRUE(m.Added().deleteEnabled);

  m.TextChanged(Model::pgAdded, "gamma");
  EXPECT_TRUE(m.Added().addEnabled);
  ASSERT_TRUE(m.Add(Model::pgAdded));
  EXPECT_TRUE(d.IsAdded("gamma"));
  EXPECT_EQ(m.Added().list, (std::vector<std::string>{"alpha", "beta", "gamma"}));
  EXPECT_EQ(m.Added().selected, 2);

  // Deleting the last entry selects the new last one; the only one, nothing.
  ASSERT_TRUE(m.Delete(Model::pgAdded));
  EXPECT_FALSE(d.IsAdded("gamma"));
  EXPECT_EQ(m.Added().text, "beta");
  EXPECT_EQ(m.Added().selected, 1);
  m.ClickRow(Model::pgAdded, 0);
  EXPECT_EQ(m.Added().text, "alpha");
  ASSERT_TRUE(m.Delete(Model::pgAdded));
  EXPECT_EQ(m.Added().text, "beta");
  EXPECT_EQ(m.Added().selected, 0);
  ASSERT_TRUE(m.Delete(Model::pgAdded));
  EXPECT_EQ(m.Added().selected, -1);
  EXPECT_EQ(m.Added().text, "");

  m.TextChanged(Model::pgExcluded, "irregardless");
  ASSERT_TRUE(m.Add(Model::pgExcluded));
  EXPECT_TRUE(d.IsExcludedWord("irregardless"));
  EXPECT_EQ(m.Excluded().list, (std::vector<std::string>{"alot", "irregardless"}));

  TCustomDictionary temp;
  EXPECT_FALSE(Model(temp, true, true).ExcludedPageVisible());
  EXPECT_FALSE(Model(d, false, false).ExcludedPageVisible());
}

TEST(CustomDictionaryEditor, AutoCorrectPage) {
  TCustomDictionary d;
  d.AddAutoCorrect("teh", "the");
  d.AddAutoCorrect("adn", "and");
  d.AddWord("word");
  Model m(d, false, true);
  m.ShowPage(Model::pgAutoCorrect);
  ASSERT_EQ(m.AutoCorrect().rows.size(), 2u);
  EXPECT_EQ(m.AutoCorrect().rows[0].first, "adn");

  m.AutoWordChanged("recieve");
  EXPECT_FALSE(m.AutoCorrect().addEnabled);  // no replacement yet
  m.AutoReplacementChanged("receive");
  EXPECT_TRUE(m.AutoCorrect().addEnabled);
  ASSERT_TRUE(m.AddAutoCorrect());
  std::string r;
  EXPECT_TRUE(d.GetAutoCorrect("recieve", r));
  EXPECT_EQ(m.AutoCorrect().selected, 1);
  m.AutoWordChanged("word");  // an added word cannot be a key
  EXPECT_FALSE(m.AutoCorrect().addEnabled);

  // Editing the replacement of a selected pair.
  m.ClickAutoRow(2);
  EXPECT_EQ(m.AutoCorrect().word, "teh");
  EXPECT_EQ(m.AutoCorrect().replacement, "the");
  EXPECT_TRUE(m.AutoCorrect().deleteEnabled);
  m.AutoReplacementChanged("");  // emptied: the pair stays
  ASSERT_TRUE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(r, "the");
  EXPECT_EQ(m.AutoCorrect().rows[2].second, "the");
  m.AutoReplacementChanged(std::string(600, 'x'));  // refused: the pair stays
  ASSERT_TRUE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(r, "the");
  m.AutoReplacementChanged("thee");
  ASSERT_TRUE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(r, "thee");
  EXPECT_EQ(m.AutoCorrect().rows[2].second, "thee");

  ASSERT_TRUE(m.DeleteAutoCorrect());  // the last row: the new last is selected
  EXPECT_FALSE(d.GetAutoCorrect("teh", r));
  EXPECT_EQ(m.AutoCorrect().word, "recieve");
  EXPECT_EQ(m.AutoCorrect().selected, 1);
}

TSpellConfigSettings Settings(const ScratchDir& dir) {
  TSpellConfigSettings s;
  s.ConfigStorage = TConfigStorage::csNone;
  s.ConfigDictionaryDir = {dir.path().string()};
  s.ConfigUseMSWordCustom = false;
  s.ConfigDefaultMain = {};
  s.ConfigDefaultCustom = {"default.qxu"};
  s.ConfigDefaultActiveCustom = "default.qxu";
  return s;
}

TEST(CustomDictionariesDialog, NewRenameDeleteAndChecks) {
  ScratchDir dir("customdicts-dialog");
  TSpellCheckerBase c(Settings(dir));
  TCustomDictionariesModel m(c);
  ASSERT_EQ(m.Rows().size(), 1u);  // the active one, not on disk yet
  EXPECT_EQ(m.Rows()[0].Shown, "default.qxu");
  EXPECT_FALSE(m.EditEnabled());

  EXPECT_EQ(m.New("  "), cnBlank);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / ".qxu"));
  ASSERT_EQ(m.New("Legal"), cnOk);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "Legal.qxu"));
  ASSERT_GE(m.Selected(), 0);
  EXPECT_EQ(m.Rows()[size_t(m.Selected())].Shown, "Legal.qxu");
  EXPECT_TRUE(m.Rows()[size_t(m.Selected())].Checked);
  EXPECT_TRUE(m.DeleteEnabled());
  const size_t rows = m.Rows().size();
  m.Select(-1);
  ASSERT_EQ(m.New("Legal.txt"), cnOk);  // a name already listed only selects its row
  EXPECT_EQ(m.Rows().size(), rows);
  ASSERT_GE(m.Selected(), 0);
  EXPECT_EQ(m.Rows()[size_t(m.Selected())].Shown, "Legal.qxu");

  const int legal = m.Selected();
  EXPECT_EQ(m.Rename(legal, "..\\x"), cnInvalid);
  EXPECT_EQ(m.Rows()[size_t(legal)].Shown, "Legal.qxu");
  ASSERT_EQ(m.Rename(legal, "Law"), cnOk);
  EXPECT_TRUE(std::filesystem::exists(dir.path() / "Law.qxu"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Legal.qxu"));
  const int law = m.Selected();
  ASSERT_GE(law, 0);
  EXPECT_EQ(m.Rows()[size_t(law)].Shown, "Law.qxu");

  EXPECT_FALSE(m.SetChecked(law, false));
  EXPECT_FALSE(m.Rows()[size_t(law)].Checked);
  EXPECT_TRUE(m.SetChecked(law, true));

  ASSERT_TRUE(m.Delete(law));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "Law.qxu"));
  for (const auto& row : m.Rows()) EXPECT_NE(row.Shown, "Law.qxu");

  // The temporary row appears once something was ignored; it stays checked.
  c.TemporaryDictionary().AddWord("ignored");
  m.Rebuild();
  ASSERT_TRUE(m.Rows()[0].Temporary);
  EXPECT_TRUE(m.SetChecked(0, false));
  m.Select(0);
  EXPECT_TRUE(m.EditEnabled());
  EXPECT_FALSE(m.DeleteEnabled());
}

// The model follows the list's highlight: a click on empty space leaves
// nothing to edit or delete, a check box does not choose a row, and the
// question before Delete names the file whose words would be lost.
TEST(CustomDictionariesDialog, ActsOnlyOnTheHighlightedRow) {
  ScratchDir dir("customdicts-highlight");
  TSpellCheckerBase c(Settings(dir));
  TCustomDictionariesModel m(c);
  ASSERT_EQ(m.New("Legal"), cnOk);
  ASSERT_EQ(m.New("Medical"), cnOk);
  const int medical = m.Selected();
  ASSERT_GE(medical, 0);
  EXPECT_NE(m.DeleteQuestion().find("Medical.qxu"), std::string::npos) << m.DeleteQuestion();

  m.SelectionChanged(medical, false);
  EXPECT_EQ(m.Selected(), -1);
  EXPECT_FALSE(m.EditEnabled());
  EXPECT_FALSE(m.DeleteEnabled());

  int legal = -1;
  for (size_t i = 0; i < m.Rows().size(); ++i)
    if (m.Rows()[i].Shown == "Legal.qxu") legal = int(i);
  ASSERT_GE(legal, 0);
  EXPECT_FALSE(m.SetChecked(legal, false));
  EXPECT_EQ(m.Selected(), -1);
  EXPECT_FALSE(m.DeleteEnabled());

  // Another row's highlight going away leaves the chosen one chosen.
  m.SelectionChanged(legal, true);
  m.SelectionChanged(medical, false);
  EXPECT_EQ(m.Selected(), legal);
  EXPECT_NE(m.DeleteQuestion().find("Legal.qxu"), std::string::npos) << m.DeleteQuestion();
  m.SelectionChanged(-1, false);
  EXPECT_FALSE(m.DeleteEnabled());
}

}  // namespace
}  // namespace wx
