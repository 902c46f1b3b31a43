#include "app/MainOptions.h"

#include <gtest/gtest.h>

#include "common/MemoryRegistry.h"
#include "common/RegistryStyles.h"

namespace wx {

namespace {

// Remembers the order values are written in.
class RecordingRegistry : public MemoryRegistry {
 public:
  std::vector<std::string> writes;
  bool SetString(const std::string& p, const std::string& n, const std::string& v) override {
    writes.push_back(n);
    return MemoryRegistry::SetString(p, n, v);
  }
  bool SetDword(const std::string& p, const std::string& n, uint32_t v) override {
    writes.push_back(n);
    return MemoryRegistry::SetDword(p, n, v);
  }
};

}  // namespace

TEST(MainOptions, FirstRunWritesEveryDefault) {
  MemoryRegistry reg;
  MainOptions o;
  LoadMainOptions(reg, edThesaurusOnly, o);
  const std::string key = kMainOptionsKey;
  std::string text;
  const std::pair<const char*, const char*> hotkeys[] = {
      {"SpellApp HotKey", "F7"}, {"SpellAppAll HotKey", "F3"}, {"ThesApp HotKey", "F8"},
      {"Editor HotKey", "F5"},   {"Editor2 HotKey", "F4"},     {"SpellClip HotKey", "F10"},
      {"ThesClip HotKey", "F11"}, {"DefClip HotKey", "F9"},    {"DefApp HotKey", "F6"},
      {"InstantSpell HotKey", "F12"}};
  for (auto [name, value] : hotkeys) {
    ASSERT_TRUE(reg.GetString(key, name, text)) << name;
    EXPECT_EQ(text, value);
  }
  uint32_t v;
  ASSERT_TRUE(reg.GetDword(key, "OnSingleClick", v));
  EXPECT_EQ(v, 2u);
  ASSERT_TRUE(reg.GetDword(key, "OnDblCLick", v));
  EXPECT_EQ(v, 7u);
  ASSERT_TRUE(reg.GetDword(key, "CompatibilityDelay", v));
  EXPECT_EQ(v, 1000u);
  ASSERT_TRUE(reg.GetDword(key, "ShowSmartBarOnOpen", v));
  EXPECT_EQ(v, 1u);
  for (const char* b :
       {"SilentSpellMode", "CompatibilityMode", "CompatibilityCut", "DisableBackup", "ClassicSuggestions"}) {
    ASSERT_TRUE(reg.GetDword(key, b, v)) << b;
    EXPECT_EQ(v, 0u);
  }
  ASSERT_TRUE(reg.GetString(key, "IgnoreSuffix", text));
  EXPECT_EQ(text, "';'s;.");
  ASSERT_TRUE(reg.GetString(key, "QuoteCharacters", text));
  EXPECT_EQ(text, ">");
  ASSERT_TRUE(reg.GetString(key, "IgnorePrefix", text));
  EXPECT_EQ(text, "'");
  EXPECT_EQ(reg.TypeOf(key, "SpellViewerAlwaysOnTop"), RegType::None);
  EXPECT_EQ(reg.ValueNames(key).size(), 22u);

  EXPECT_EQ(o.singleClickAction, moThesaurusClipBoard);
  EXPECT_EQ(o.doubleClickAction, moOpenPreferences);
  EXPECT_EQ(o.hotKeys[hsThesApp], (THotKeyRec{"F8", 0}));
  EXPECT_TRUE(o.showSmartBarOnOpen);
}

TEST(MainOptions, ClassicSuggestionsAreChosenInTheRegistry) {
  MemoryRegistry reg;
  EXPECT_FALSE(ReadClassicSuggestions(reg));  // nothing stored: the ranked suggestions
  MainOptions o;
  LoadMainOptions(reg, edThesaurusOnly, o);
  EXPECT_FALSE(o.classicSuggestions);
  EXPECT_FALSE(ReadClassicSuggestions(reg));
  reg.SetDword(kMainOptionsKey, "ClassicSuggestions", 1);
  EXPECT_TRUE(ReadClassicSuggestions(reg));
  LoadMainOptions(reg, edThesaurusOnly, o);
  EXPECT_TRUE(o.classicSuggestions);
  // A value of the wrong type leaves the default.
  reg.DeleteValue(kMainOptionsKey, "ClassicSuggestions");
  reg.SetString(kMainOptionsKey, "ClassicSuggestions", "1");
  EXPECT_FALSE(ReadClassicSuggestions(reg));
}

TEST(MainOptions, ClickDefaultsFollowTheEdition) {
  for (auto [edition, single, dbl] : {std::tuple{edAllServices, 1u, 2u}, std::tuple{edSuiteB, 1u, 2u},
                                      std::tuple{edSpellingOnly, 1u, 7u}, std::tuple{edThesaurusOnly, 2u, 7u}}) {
    MemoryRegistry reg;
    MainOptions o;
    LoadMainOptions(reg, edition, o);
    EXPECT_EQ(o.singleClickAction, single);
    EXPECT_EQ(o.doubleClickAction, dbl);
  }
}

TEST(MainOptions, StoredValuesAreKeptAndBinaryHotkeysReplaced) {
  MemoryRegistry reg;
  const std::string key = kMainOptionsKey;
  reg.SetString(key, "ThesApp HotKey", "ctrl+alt+F8");
  reg.SetBinary(key, "ThesClip HotKey", std::string("\x01\x02", 2));
  reg.SetDword(key, "OnSingleClick", 9);
  reg.SetDword(key, "OnDblCLick", 0);
  reg.SetDword(key, "CompatibilityDelay", 1050);
  MainOptions o;
  LoadMainOptions(reg, edThesaurusOnly, o);
  EXPECT_EQ(o.hotKeys[hsThesApp], (THotKeyRec{"F8", hkCtrl | hkAlt}));
  EXPECT_EQ(o.hotKeys[hsThesClip], (THotKeyRec{"F11", 0}));
  EXPECT_EQ(reg.TypeOf(key, "ThesClip HotKey"), RegType::String);
  EXPECT_EQ(o.singleClickAction, 9);
  EXPECT_EQ(o.doubleClickAction, 0);
  EXPECT_EQ(DelayTrackPosition(o.compatibilityDelay), 10);

  RecordingRegistry out;
  SaveMainOptions(out, o);
  uint32_t delay;
  ASSERT_TRUE(out.GetDword(key, "CompatibilityDelay", delay));
  EXPECT_EQ(delay, 1000u);  // through the track bar's steps of 100 ms
  std::string text;
  ASSERT_TRUE(out.GetString(key, "ThesApp HotKey", text));
  EXPECT_EQ(text, "Alt+Ctrl+F8");
  const std::vector<std::string> order = {
      "OnSingleClick", "OnDblCLick", "SpellApp HotKey", "SpellAppAll HotKey", "ThesApp HotKey",
      "Editor HotKey", "Editor2 HotKey", "SpellClip HotKey", "ThesClip HotKey", "DefClip HotKey",
      "DefApp HotKey", "InstantSpell HotKey", "SilentSpellMode", "SpellViewerAlwaysOnTop",
      "CompatibilityCut", "DisableBackup", "CompatibilityMode", "ShowSmartBarOnOpen", "CompatibilityDelay"};
  EXPECT_EQ(out.writes, order);
}

TEST(MainOptions, WrongTypesFailTheLoad) {
  {
    MemoryRegistry reg;
    reg.SetDword(kMainOptionsKey, "ThesApp HotKey", 119);  // an integer where text belongs
    MainOptions o;
    EXPECT_THROW(LoadMainOptions(reg, edThesaurusOnly, o), ERegistryException);
  }
  {
    MemoryRegistry reg;
    reg.SetString(kMainOptionsKey, "CompatibilityDelay", "1000");  // text where an integer belongs
    MainOptions o;
    EXPECT_THROW(LoadMainOptions(reg, edThesaurusOnly, o), ERegistryException);
  }
  {
    // A present single-click action with a missing double-click one is not repaired.
    MemoryRegistry reg;
    reg.SetDword(kMainOptionsKey, "OnSingleClick", 2);
    MainOptions o;
    EXPECT_THROW(LoadMainOptions(reg, edThesaurusOnly, o), ERegistryException);
    EXPECT_EQ(reg.TypeOf(kMainOptionsKey, "OnDblCLick"), RegType::None);
  }
}

TEST(RegistryStyles, IniStyleReadsDefaultsAndRejectsOtherTypes) {
  MemoryRegistry reg;
  IniRegistry ini(reg, "SOFTWARE\\Morvane\\Tarvelo");
  EXPECT_EQ(ini.ReadInteger("Options", "Stay Resident", 15), 15);
  ini.WriteInteger("Options", "Stay Resident", 3);
  EXPECT_EQ(ini.ReadInteger("options", "stay resident", 15), 3);  // names ignore case
  reg.SetString("Software\\Morvane\\Tarvelo\\Options", "Stay Resident", "three");
  EXPECT_EQ(ini.ReadInteger("Options", "Stay Resident", 15), 15);
  ini.WriteBool("Options", "Flag", true);
  std::string text;
  ASSERT_TRUE(reg.GetString("Software\\Morvane\\Tarvelo\\Options", "Flag", text));
  EXPECT_EQ(text, "1");
  reg.SetDword("Software\\Morvane\\Tarvelo\\Options", "Stay Resident", 3);
  EXPECT_THROW(ini.ReadInteger("Options", "Stay Resident", 15), ERegistryException);

  int32_t n;
  EXPECT_TRUE(ParseDecimal("-2147483648", n));
  EXPECT_EQ(n, INT32_MIN);
  EXPECT_FALSE(ParseDecimal("2147483648", n));
  EXPECT_FALSE(ParseDecimal(" 5", n));
  EXPECT_FALSE(ParseDecimal("-", n));
}

}  // namespace wx
