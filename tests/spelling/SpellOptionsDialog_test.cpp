// The spelling options dialog, driven like a user through its model.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "spelling/SpellOptionsModel.h"
#include "spelling/StringParser.h"
#include "tools/lib/MainDictWriter.h"

namespace wx {
namespace {

using test::ScratchDir;

TEST(SpellOptionsDialog, OptionsDictionariesAndCustomChoice) {
  ScratchDir dir("spelloptions");
  std::string image, error;
  tools::MainDictStats stats;
  tools::MainDictOptions o;
  o.title = "Testish";
  ASSERT_TRUE(tools::BuildMainDictionary({"the", "cat"}, o, image, stats, error)) << error;
  test::WriteBytes(dir.File("test.qxm"), image);
  test::WriteBytes(dir.File("broken.qxm"), "no dictionary");
  std::filesystem::create_directories(dir.path() / "extra");
  test::WriteBytes((dir.path() / "extra" / "more.qxm").string(), image);
  TCustomDictionary().SaveAs(dir.File("other.qxu"));

  TSpellConfigSettings s = test::ScratchSpellSettings(dir);
  s.ConfigDefaultOptions = {soUpcase};
  TSpellCheckerBase c(s);
  TSpellOptionsModel m(c);

  // Ten boxes in option order, each with its caption text.
  ASSERT_EQ(m.Boxes().size(), 10u);
  EXPECT_EQ(m.Boxes()[0].option, soUpcase);
  EXPECT_EQ(m.Boxes()[0].textIndex, 2);
  EXPECT_TRUE(m.Boxes()[0].checked);
  EXPECT_EQ(m.Boxes()[9].option, soLiveCorrect);
  EXPECT_FALSE(m.Boxes()[9].checked);

  // Clicking a box changes the stored options and the next check follows it.
  std::string text = "the CAT";
  c.CheckString(text);
  EXPECT_FALSE(c.Checking());
  m.ClickOption(0);
  EXPECT_FALSE(m.Boxes()[0].checked);
  EXPECT_FALSE(c.Config().Options().Has(soUpcase));
  text = "the CATT";
  c.CheckString(text);
  EXPECT_TRUE(c.Checking());
  c.Cancel();

  // Main dictionaries: title or "???", file name, checked when used, Locate last.
  ASSERT_EQ(m.MainRows().size(), 3u);
  EXPECT_EQ(m.MainRows()[0].file, "broken.qxm");
  EXPECT_EQ(m.MainRows()[0].title, "???");
  EXPECT_EQ(m.MainRows()[1].title, "Testish");
  EXPECT_TRUE(m.MainRows()[1].checked);
  EXPECT_TRUE(m.MainRows()[2].locate);
  EXPECT_FALSE(m.SetMainChecked(1, false));  // unchecking every one is allowed
  EXPECT_TRUE(c.Config().MainDictionaries().empty());
  EXPECT_FALSE(c.WordInMainDictionaries("cat"));
  EXPECT_FALSE(m.SetMainChecked(1, true));
  EXPECT_TRUE(c.WordInMainDictionaries("cat"));
  EXPECT_TRUE(m.SetMainChecked(2, true));  // Locate: ask for a folder
  EXPECT_FALSE(m.MainRows()[2].checked);
  m.AddDictionaryFolder((dir.path() / "extra").string());
  ASSERT_EQ(m.MainRows().size(), 4u);
  EXPECT_EQ(m.MainRows()[2].file, "more.qxm");  // folder by folder

  // The active custom dictionary choice.
  EXPECT_EQ(m.CustomItems(), (std::vector<std::string>{"user.qxu", "other.qxu"}));
  EXPECT_EQ(m.CustomSelected(), 0);
  m.ChooseCustom(1);
  EXPECT_EQ(c.Config().ActiveCustom(), "other.qxu");
  ASSERT_GE(m.CustomSelected(), 0);
  EXPECT_EQ(m.CustomItems()[size_t(m.CustomSelected())], "other.qxu");
}

}  // namespace
}  // namespace wx
