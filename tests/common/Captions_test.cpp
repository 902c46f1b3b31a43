// Caption tables: fallback to English, the active language and its listeners,
// and the checks every window's table must pass.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/Captions.h"

namespace wx {

namespace {

const Caption kRows[] = {
    {kCaptionWindowTitle, {"Options", "Indstillinger", "Opties", "Options", "Optionen", "Opzioni", "Opções",
                           "Opções", "Opciones", "Alternativ"}},
    {10, {"&Cancel", nullptr, "", "&Annuler", "&Abbrechen", nullptr, nullptr, nullptr, nullptr, nullptr}},
    {kCaptionMessageBase + 1, {"Key %s in use", nullptr, nullptr, nullptr, "Taste %s belegt", nullptr, nullptr,
                               nullptr, nullptr, nullptr}},
};
const CaptionTable kTable("Test", kRows);

// Every test leaves the program in English, as it starts.
class CaptionsTest : public ::testing::Test {
 protected:
  void TearDown() override { SetActiveUiLanguage(UiLanguage::English); }
};

}  // namespace

TEST_F(CaptionsTest, TextsFallBackToEnglish) {
  EXPECT_EQ(kTable.Text(kCaptionWindowTitle, UiLanguage::Swedish), "Alternativ");
  EXPECT_EQ(kTable.Text(10, UiLanguage::German), "&Abbrechen");
  EXPECT_EQ(kTable.Text(10, UiLanguage::Danish), "&Cancel");  // null translation
  EXPECT_EQ(kTable.Text(10, UiLanguage::Dutch), "&Cancel");   // empty translation
  EXPECT_EQ(kTable.Text(99, UiLanguage::German), "");         // no such text
  EXPECT_EQ(kTable.Text(10, UiLanguage(200)), "&Cancel");     // out-of-range language

  EXPECT_EQ(kTable.Text(10), "&Cancel");
  SetActiveUiLanguage(UiLanguage::French);
  EXPECT_EQ(kTable.Text(10), "&Annuler");
  EXPECT_EQ(kTable.TextString(kCaptionMessageBase + 1), "Key %s in use");
}

TEST_F(CaptionsTest, LanguageListNamesAndNumbers) {
  EXPECT_STREQ(UiLanguageName(UiLanguage::English), "English (United States) [$0409]");
  EXPECT_STREQ(UiLanguageName(UiLanguage::German), "German (Germany) [$0407]");
  EXPECT_STREQ(UiLanguageName(UiLanguage::Swedish), "Swedish [$041D]");
  UiLanguage l = UiLanguage::English;
  EXPECT_TRUE(UiLanguageFromNumber(5, l));
  EXPECT_EQ(l, UiLanguage::German);
  EXPECT_TRUE(UiLanguageFromNumber(10, l));
  EXPECT_EQ(l, UiLanguage::Swedish);
  EXPECT_FALSE(UiLanguageFromNumber(0, l));
  EXPECT_FALSE(UiLanguageFromNumber(11, l));
  EXPECT_EQ(l, UiLanguage::Swedish);
}

TEST_F(CaptionsTest, ListenersHearEachChangeOnceWhileTheyLive) {
  std::vector<std::string> heard;
  std::optional<CaptionListener> a(std::in_place, [&] { heard.push_back("a:" + kTable.TextString(10)); });
  CaptionListener b([&] { heard.push_back("b"); });

  SetActiveUiLanguage(UiLanguage::German);
  SetActiveUiLanguage(UiLanguage::German);  // no change, nobody told
  EXPECT_EQ(heard, (std::vector<std::string>{"a:&Abbrechen", "b"}));

  heard.clear();
  CaptionListener moved = std::move(*a);
  a.reset();  // the moved-from object owns nothing
  SetActiveUiLanguage(UiLanguage::French);
  EXPECT_EQ(heard, (std::vector<std::string>{"a:&Annuler", "b"}));

  heard.clear();
  moved = CaptionListener();  // replacing a subscription ends it
  SetActiveUiLanguage(UiLanguage::English);
  EXPECT_EQ(heard, (std::vector<std::string>{"b"}));
}

TEST_F(CaptionsTest, ListenersMayChangeTheListWhileCalled) {
  std::vector<std::string> heard;
  std::unique_ptr<CaptionListener> second, late;
  CaptionListener first([&] {
    heard.push_back("first");
    second.reset();  // a window closed by another's change
    if (!late) late = std::make_unique<CaptionListener>([&] { heard.push_back("late"); });
  });
  second = std::make_unique<CaptionListener>([&] { heard.push_back("second"); });
  SetActiveUiLanguage(UiLanguage::Italian);
  EXPECT_EQ(heard, (std::vector<std::string>{"first"}));
  heard.clear();
  SetActiveUiLanguage(UiLanguage::Spanish);
  EXPECT_EQ(heard, (std::vector<std::string>{"first", "late"}));

  // A listener that switches again: everyone hears the final language once more
  // and nobody is told the overtaken one afterwards.
  heard.clear();
  CaptionListener switcher([&] {
    if (ActiveUiLanguage() == UiLanguage::Danish) SetActiveUiLanguage(UiLanguage::Dutch);
  });
  CaptionListener last([&] { heard.push_back(std::string("last:") + UiLanguageName(ActiveUiLanguage())); });
  SetActiveUiLanguage(UiLanguage::Danish);
  EXPECT_EQ(ActiveUiLanguage(), UiLanguage::Dutch);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "last:Dutch (Netherlands) [$0413]"), 1);
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "last:Danish [$0406]"), 0);
}

TEST(CaptionTableCheck, FindsTheFaultsOfATable) {
  EXPECT_NE(CheckCaptionTable(kTable).find("no text in Danish"), std::string::npos);

  const Caption good[] = {
      {1, {"&Save %s as %name%", "&Gem %s som %name%", "Op&slaan %s als %name%", "&Enregistrer %s sous %name%",
           "%s &speichern unter %name%", "&Salva %s come %name%", "&Salvar %s como %name%",
           "&Guardar %s como %name%", "&Guardar %s como %name%", "&Spara %s som %name%"}},
      {2, {"100%% && more", "a", "a", "a", "a", "a", "a", "a", "a", "a"}},
      {3, {"Ignore numbers", "&Ignorer tal", "a", "a", "a", "a", "a", "a", "a", "a"}},  // a key English lacks
  };
  EXPECT_EQ(CheckCaptionTable(CaptionTable("Good", good)), "");

  const Caption bad[] = {
      {1, {"&Save %s", "Gem", "&Op&slaan %s", "%d", "&Speichern %s", "x%s", "&x %s", "&x %s", "&x %s", "&x %s"}},
      {1, {"x", "x", "x", "x", "x", "x", "x", "x", "x", "x"}},
      {3, {nullptr, "x", "x", "x", "x", "x", "x", "x", "x", "x"}},
  };
  std::string p = CheckCaptionTable(CaptionTable("Bad", bad));
  EXPECT_NE(p.find("Bad text 1: placeholders differ from English in Danish"), std::string::npos) << p;
  EXPECT_NE(p.find("Bad text 1: more than one access key in Dutch"), std::string::npos) << p;
  EXPECT_NE(p.find("Bad text 1: placeholders differ from English in French"), std::string::npos) << p;
  EXPECT_NE(p.find("Bad text 1: no access key in Italian"), std::string::npos) << p;
  EXPECT_EQ(p.find("in German"), std::string::npos) << p;
  EXPECT_NE(p.find("Bad text 1: id used twice"), std::string::npos) << p;
  EXPECT_NE(p.find("Bad text 3: no English text"), std::string::npos) << p;
}

}  // namespace wx
