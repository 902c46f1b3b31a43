// Every window's caption table is complete and consistent in all ten languages.
#include <gtest/gtest.h>

#include <set>

#include "app/CaptionTables.h"
#include "app/TrayMenuTexts.h"

namespace wx {

TEST(CaptionTables, EveryTableIsCompleteAndConsistent) {
  std::set<std::string> names;
  for (const CaptionTable* table : AllCaptionTables()) {
    EXPECT_TRUE(names.insert(table->Window()).second) << "two tables named " << table->Window();
    EXPECT_EQ(CheckCaptionTable(*table), "");
  }
}

}  // namespace wx

namespace wx {

// The English texts are the menu's own captions, for every item of every edition.
TEST(CaptionTables, TrayMenuTextsCoverEveryItem) {
  auto check = [](const TrayMenuItem& item) {
    if (item.name[0] == '-') return;
    EXPECT_EQ(TrayMenuCaption(item), item.caption) << item.name;
    EXPECT_NE(TrayMenuTexts().Text(item.submenuHelp ? kCaptionMessageBase + 0x1000 : kCaptionMessageBase + int(item.command),
                                   UiLanguage::German),
              "")
        << item.name;
  };
  for (int e = edAllServices; e <= edThesaurusOnly; ++e)
    for (const TrayMenuItem& item : TrayMenuFor(TBuildEdition(e))) check(item);
  for (const TrayMenuItem& item : HelpMenu()) check(item);
  SetActiveUiLanguage(UiLanguage::German);
  EXPECT_EQ(TrayMenuCaption(HelpMenu().back()), "Inf&o");
  SetActiveUiLanguage(UiLanguage::English);
}

}  // namespace wx
