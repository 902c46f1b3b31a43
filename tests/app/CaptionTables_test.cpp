// Every window's caption table is complete and consistent in all ten languages.
#include <gtest/gtest.h>

#include <span>

#include "spelling/SpellOptionsTexts.h"
#include "spelling/SpellDialogTexts.h"
#include "windows/SpellViewerTexts.h"
#include "definitions/DefinitionsFormTexts.h"
#include "spelling/CustomDictionariesTexts.h"
#include "app/AboutTexts.h"

#include <cctype>
#include <set>
#include <vector>

#include "app/CaptionTables.h"
#include "app/OptionsTexts.h"
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
    EXPECT_EQ(OptionsTexts().Text(TrayMenuTextId(item), UiLanguage::English), item.caption) << item.name;
  };
  for (int e = edAllServices; e <= edThesaurusOnly; ++e)
    for (const TrayMenuItem& item : TrayMenuFor(TBuildEdition(e))) check(item);
  for (const TrayMenuItem& item : HelpMenu()) check(item);
  SetActiveUiLanguage(UiLanguage::German);
  EXPECT_EQ(TrayMenuCaption(HelpMenu().back()), "Inf&o");
  SetActiveUiLanguage(UiLanguage::English);
}

}  // namespace wx

namespace wx {

namespace {
char AccessKey(std::string_view text) {
  size_t at = text.find('&');
  return at == std::string_view::npos || at + 1 >= text.size() ? 0 : char(std::tolower((unsigned char)text[at + 1]));
}
}  // namespace

// Within one menu no two items share an access key in a translation unless
// they already do in English.
TEST(CaptionTables, TrayMenuAccessKeysStayDistinct) {
  std::vector<std::vector<TrayMenuItem>> menus = {HelpMenu()};
  for (int e = edAllServices; e <= edThesaurusOnly; ++e) menus.push_back(TrayMenuFor(TBuildEdition(e)));
  for (const auto& menu : menus) {
    for (int l = 0; l < kUiLanguageCount; ++l) {
      for (size_t i = 0; i < menu.size(); ++i) {
        for (size_t j = i + 1; j < menu.size(); ++j) {
          if (menu[i].name[0] == '-' || menu[j].name[0] == '-') continue;
          SetActiveUiLanguage(UiLanguage(l));
          char a = AccessKey(TrayMenuCaption(menu[i])), b = AccessKey(TrayMenuCaption(menu[j]));
          SetActiveUiLanguage(UiLanguage::English);
          bool english = AccessKey(menu[i].caption) != 0 && AccessKey(menu[i].caption) == AccessKey(menu[j].caption);
          EXPECT_FALSE(a != 0 && a == b && !english)
              << UiLanguageName(UiLanguage(l)) << ": " << menu[i].name << " and " << menu[j].name << " share '" << a
              << "'";
        }
      }
    }
  }
}

}  // namespace wx

namespace wx {

// No two controls of one window (or page) share an access key in a
// translation unless they already do in English (where the texts are fixed).
void ExpectDistinctAccessKeys(const CaptionTable& t, std::span<const int> ids) {
  for (int l = 1; l < kUiLanguageCount; ++l) {
    for (size_t i = 0; i < ids.size(); ++i) {
      for (size_t j = i + 1; j < ids.size(); ++j) {
        const char a = AccessKey(t.Text(ids[i], UiLanguage(l))), b = AccessKey(t.Text(ids[j], UiLanguage(l)));
        const char ea = AccessKey(t.Text(ids[i], UiLanguage::English)),
                   eb = AccessKey(t.Text(ids[j], UiLanguage::English));
        EXPECT_FALSE(a != 0 && a == b && !(ea != 0 && ea == eb))
            << t.Window() << ", " << UiLanguageName(UiLanguage(l)) << ": \"" << t.Text(ids[i], UiLanguage(l))
            << "\" and \"" << t.Text(ids[j], UiLanguage(l)) << "\" share '" << a << "'";
      }
    }
  }
}

// The options window's General page with the window's buttons.
TEST(CaptionTables, OptionsGeneralPageAccessKeysStayDistinct) {
  const int ids[] = {idOptOK,           idOptCancel,          idOptHelp,          idChkAutoRun,
                     idChkSilentSpellMode, idChkCompatibilityMode, idChkCompatibilityCut, idChkDisableBackup,
                     idLblDelay,        idChkShowSmartBar};
  ExpectDistinctAccessKeys(OptionsTexts(), ids);
}

// The dialogs whose every control text is on screen at once: no two share
// an access key.
TEST(CaptionTables, DialogControlsHaveDistinctAccessKeys) {
  for (const CaptionTable* t : {&CustomDictionariesTexts(), &NewCustomDictionaryTexts(), &DefinitionsFormTexts(),
                                &SpellViewerTexts(), &SpellDialogTexts(), &AboutTexts()}) {
    std::vector<int> ids;
    for (const Caption& row : t->Rows())
      if (row.id != kCaptionWindowTitle && row.id < kCaptionMessageBase) ids.push_back(row.id);
    ExpectDistinctAccessKeys(*t, ids);
  }
}

// Spelling Options: distinct keys, and every option box reachable from the
// keyboard in each translation (English keeps its fixed texts).
TEST(CaptionTables, SpellingOptionsBoxesHaveDistinctAccessKeys) {
  std::vector<int> ids = {idOptionsOk, idOptionsGroup, idDictionariesGroup, idCustomLabel, idDictionariesButton};
  for (int box = 0; box < 10; ++box) ids.push_back(idOptionBox0 + box);
  ExpectDistinctAccessKeys(SpellOptionsTexts(), ids);
  for (int l = 1; l < kUiLanguageCount; ++l)
    for (int box = 0; box < 10; ++box)
      EXPECT_NE(AccessKey(SpellOptionsTexts().Text(idOptionBox0 + box, UiLanguage(l))), 0)
          << UiLanguageName(UiLanguage(l)) << ": " << SpellOptionsTexts().Text(idOptionBox0 + box, UiLanguage(l));
}

}  // namespace wx
