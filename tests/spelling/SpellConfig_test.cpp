#include "spelling/SpellConfig.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "common/MemoryRegistry.h"
#include "spelling/DictionaryFiles.h"
#include "TestFiles.h"
#include "tools/lib/MainDictWriter.h"

namespace wx {
namespace {

using test::ScratchDir;

const char* kSection = "Software\\Morvane\\Tarvelo\\Default";

MacroValues TestMacros(const std::string& appDir = "/app") {
  MacroValues v;
  v.appName = "Wendrix";
  v.userName = "bob";
  v.appDir = appDir;
  v.appData = "/home/bob/data";
  v.myDocuments = "/home/bob/docs";
  return v;
}

std::string Value(MemoryRegistry& reg, const std::string& name) {
  std::string v;
  return reg.GetString(kSection, name, v) ? v : "<missing>";
}

TEST(SpellConfig, FirstRunTakesDefaultsAndWritesThemAtTheSavePoint) {
  MemoryRegistry reg;
  MacroValues macros = TestMacros();
  {
    TSpellConfig c({}, &reg, &macros);
    int changes = 0;
    c.OnChanged = [&](bool dictionaries, bool) { changes += dictionaries; };
    EXPECT_EQ(c.MainDictionaries(), std::vector<std::string>{"american.qxm"});
    EXPECT_EQ(c.CustomDictionaries(), (std::vector<std::string>{"default.qxu", "autocorrect.qxu"}));
    EXPECT_EQ(c.ActiveCustom(), "default.qxu");
    EXPECT_TRUE(c.WordCustomDictionaries().empty());
    EXPECT_EQ(c.Options(), (TSpellOptions{soLiveSpelling, soLiveCorrect, soUpcase, soNumbers, soHTML, soInternet,
                                          soRepeated}));
    EXPECT_EQ(c.DialogX(), -1);
    EXPECT_EQ(changes, 1);       // loading reports a change of dictionaries
    EXPECT_TRUE(c.Modified());   // ... so that the loaded state is written back
    EXPECT_FALSE(reg.KeyExists(kSection));
    c.Save();
    EXPECT_FALSE(c.Modified());
  }
  EXPECT_EQ(Value(reg, "_FirstRun"), "+");
  EXPECT_EQ(Value(reg, "_Main_count"), "1");
  EXPECT_EQ(Value(reg, "_Main_0"), "american.qxm");
  EXPECT_EQ(Value(reg, "_Custom_count"), "2");
  EXPECT_EQ(Value(reg, "_Custom_1"), "autocorrect.qxu");
  EXPECT_EQ(Value(reg, "_ActiveCustom"), "default.qxu");
  EXPECT_EQ(Value(reg, "_soUpcase"), "+");
  EXPECT_EQ(Value(reg, "_soQuoted"), "-");
  EXPECT_EQ(Value(reg, "_soDUalCaps"), "-");
  EXPECT_EQ(Value(reg, "_soLiveCorrect"), "+");
  EXPECT_EQ(Value(reg, "_DialogY"), "-1");
  EXPECT_EQ(Value(reg, "_NewPaths_count"), "0");

  // A later run reads what was stored, including changes made then.
  {
    TSpellConfig c({}, &reg, &macros);
    c.SetMainDictionaries({"british.qxm", "american.qxm"});
    c.SetOptions(TSpellOptions{soQuoted, soUser4});
    c.SetDialogX(120);
    c.SetUserData("Theme", "dark");
    c.AddFolder("/Dicts/B");
    c.AddFolder("/dicts/a");
    EXPECT_FALSE(c.AddFolder("/DICTS/a"));  // no duplicates, whatever the case
  }  // destruction is a save point
  TSpellConfig c({}, &reg, &macros);
  EXPECT_EQ(c.MainDictionaries(), (std::vector<std::string>{"british.qxm", "american.qxm"}));
  EXPECT_EQ(c.Options(), (TSpellOptions{soQuoted, soUser4}));
  EXPECT_EQ(c.DialogX(), 120);
  EXPECT_EQ(c.DialogY(), -1);
  EXPECT_EQ(c.UserData("Theme"), "dark");
  EXPECT_EQ(c.AddedFolders(), (std::vector<std::string>{"/dicts/a", "/Dicts/B"}));
  EXPECT_EQ(c.SearchFolders(), (std::vector<std::string>{"/app", "/dicts/a", "/Dicts/B"}));

  // Deleting "_FirstRun" brings the defaults back at the next load.
  reg.DeleteValue(kSection, "_FirstRun");
  c.SetLoaded(false);  // saves: "_FirstRun" is written again
  reg.DeleteValue(kSection, "_FirstRun");
  EXPECT_EQ(c.MainDictionaries(), std::vector<std::string>{"american.qxm"});
  EXPECT_TRUE(c.AddedFolders().empty());
}

TEST(SpellConfig, DamagedStoredValuesReadAsDefaults) {
  MemoryRegistry reg;
  reg.SetString(kSection, "_FirstRun", "+");
  reg.SetString(kSection, "_Main_count", "two");
  reg.SetString(kSection, "_Custom_count", "3");
  reg.SetString(kSection, "_Custom_0", "a.qxu");
  reg.SetString(kSection, "_Custom_1", "");
  reg.SetString(kSection, "_Custom_2", "c.qxu");
  reg.SetString(kSection, "_NewPaths_count", "2147483647");  // read no further than a sane limit
  reg.SetDword(kSection, "_soUpcase", 1);                   // wrong registry type
  reg.SetString(kSection, "_soNumbers", "+");
  reg.SetString(kSection, "_DialogX", "12x");
  MacroValues macros = TestMacros();
  TSpellConfig c({}, &reg, &macros);
  EXPECT_TRUE(c.MainDictionaries().empty());
  EXPECT_EQ(c.CustomDictionaries(), (std::vector<std::string>{"a.qxu", "c.qxu"}));
  EXPECT_TRUE(c.AddedFolders().empty());
  EXPECT_EQ(c.Options(), TSpellOptions{soNumbers});
  EXPECT_EQ(c.DialogX(), -1);
  EXPECT_EQ(c.ActiveCustom(), "");  // not a first run: no default active dictionary
}

TEST(SpellConfig, ChangesAreReported) {
  MemoryRegistry reg;
  MacroValues macros = TestMacros();
  TSpellConfig c({}, &reg, &macros);
  c.SetLoaded(true);
  std::vector<std::pair<bool, bool>> seen;
  c.OnChanged = [&](bool d, bool o) { seen.emplace_back(d, o); };
  c.SetActiveCustom("mine.qxu");  // enters the custom list
  EXPECT_EQ(c.CustomDictionaries().back(), "mine.qxu");
  c.SetOptions(TSpellOptions{soUpcase});
  c.SetOptions(TSpellOptions{soUpcase});  // no change, no report
  c.SetDialogY(5);
  EXPECT_TRUE(c.AddMainDictionary("extra.qxm"));
  EXPECT_FALSE(c.AddMainDictionary("extra.qxm"));
  EXPECT_TRUE(c.RemoveCustomDictionary("autocorrect.qxu"));
  EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {false, false}, {true, false},
                                                       {true, false}}));
}

TEST(SpellConfig, FileCallbackAndNoStorage) {
  ScratchDir dir("spellconfig-storage");
  MacroValues macros = TestMacros(dir.path().string());
  TSpellConfigSettings file;
  file.ConfigStorage = TConfigStorage::csFile;
  file.ConfigFilename = "%AppDir%/conf/%ConfigID%.cfg";
  file.ConfigID = "%UserName%";
  file.ConfigDefaultActiveCustom = "%ConfigID%.qxu";
  {
    TSpellConfig c(file, nullptr, &macros);
    EXPECT_EQ(c.ActiveCustom(), "bob.qxu");
    EXPECT_EQ(c.CustomDictionaries().back(), "bob.qxu");
    c.SetDialogX(7);
  }
  std::string text = test::ReadBytes(dir.File("conf/bob.cfg"));
  EXPECT_NE(text.find("[bob]"), std::string::npos);
  EXPECT_NE(text.find("_FirstRun=+"), std::string::npos);
  {
    TSpellConfig c(file, nullptr, &macros);
    EXPECT_EQ(c.DialogX(), 7);
    // Another ConfigID is another section: a first run there.
    c.SetConfigID("other");
    EXPECT_EQ(c.DialogX(), -1);
    EXPECT_EQ(c.ActiveCustom(), "other.qxu");
  }

  std::map<std::string, std::string> store;
  TSpellConfigSettings cb;
  cb.ConfigStorage = TConfigStorage::csCallback;
  {
    TSpellConfig c(cb, nullptr, &macros);
    c.OnConfigReadString = [&](const std::string& id, const std::string& key, const std::string&, std::string& value) {
      auto it = store.find(id + "/" + key);
      if (it != store.end()) value = it->second;
    };
    c.OnConfigWriteString = [&](const std::string& id, const std::string& key, const std::string& value) {
      store[id + "/" + key] = value;
    };
    c.SetMainDictionaries({"x.qxm"});
    c.Reload();
    EXPECT_EQ(store["Default/_FirstRun"], "+");
    EXPECT_EQ(c.MainDictionaries(), std::vector<std::string>{"x.qxm"});
  }

  MemoryRegistry reg;
  TSpellConfigSettings none;
  none.ConfigStorage = TConfigStorage::csNone;
  TSpellConfig c(none, &reg, &macros);
  c.SetMainDictionaries({"y.qxm"});
  c.Reload();  // every load is a first run
  EXPECT_EQ(c.MainDictionaries(), std::vector<std::string>{"american.qxm"});
  EXPECT_TRUE(reg.SubkeyNames("").empty());
}

std::string MainImage(const std::vector<std::string>& words) {
  std::string image, error;
  tools::MainDictStats stats;
  tools::BuildMainDictionary(words, {}, image, stats, error);
  return image;
}

TEST(DictionaryFiles, SearchFoldersInOrder) {
  ScratchDir dir("dictfiles");
  std::string a = (dir.path() / "a").string(), b = (dir.path() / "b").string();
  std::filesystem::create_directories(a);
  std::filesystem::create_directories(b);
  test::WriteBytes(JoinPath(a, "broken.qxm"), "not a dictionary at all");
  test::WriteBytes(JoinPath(b, "broken.qxm"), MainImage({"second"}));
  test::WriteBytes(JoinPath(b, "only.QXM"), MainImage({"only"}));
  test::WriteBytes(JoinPath(a, "user.qxu"), "");
  test::WriteBytes(JoinPath(b, "notes.txt"), "");
  std::vector<std::string> folders = {a, b, (dir.path() / "missing").string()};

  EXPECT_EQ(FindDictionaryFiles(folders, "qxm"), (std::vector<std::string>{"broken.qxm", "only.QXM"}));
  EXPECT_EQ(FindDictionaryFiles(folders, "qxu"), std::vector<std::string>{"user.qxu"});
  EXPECT_EQ(CustomDictionaryFiles(folders, "user.qxu"), std::vector<std::string>{"user.qxu"});
  EXPECT_EQ(CustomDictionaryFiles(folders, "mine.qxu"), (std::vector<std::string>{"mine.qxu", "user.qxu"}));

  // The first folder whose file opens wins; a path is used as it is.
  auto d = OpenMainDictionary("broken.qxm", folders);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->FileName(), JoinPath(b, "broken.qxm"));
  EXPECT_TRUE(d->WordExists("second"));
  EXPECT_TRUE(OpenMainDictionary(JoinPath(b, "only.QXM"), {}));
  EXPECT_FALSE(OpenMainDictionary(JoinPath(a, "broken.qxm"), folders));
  EXPECT_FALSE(OpenMainDictionary("absent.qxm", folders));

  // Custom dictionaries: where the file is, else in the first folder.
  test::WriteBytes(JoinPath(b, "team.qxu"), "");
  std::filesystem::remove(JoinPath(b, "team.qxu"));
  {
    TCustomDictionary team;
    team.Open(JoinPath(b, "team.qxu"));
    team.AddWord("teamword");
  }
  EXPECT_EQ(CustomDictionaryPath("team.qxu", folders), JoinPath(b, "team.qxu"));
  EXPECT_EQ(CustomDictionaryPath("new.qxu", folders), JoinPath(a, "new.qxu"));
  std::string nested = (dir.path() / "x" / "y" / "z.qxu").string();
  EXPECT_EQ(CustomDictionaryPath(nested, folders), nested);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "x" / "y"));
  auto team = OpenCustomDictionary("team.qxu", folders);
  ASSERT_TRUE(team);
  EXPECT_TRUE(team->IsAdded("teamword"));
  EXPECT_FALSE(OpenCustomDictionary("user.qxu", folders));  // an empty file is no dictionary
}

TEST(DictionaryFiles, WordProcessorDictionaries) {
  ScratchDir dir("dictfiles-word");
  std::string appData = dir.path().string();
  std::filesystem::create_directories(dir.path() / "Microsoft" / "Proof");
  std::string listed = JoinPath(JoinPath(JoinPath(appData, "Microsoft"), "Proof"), "CUSTOM.DIC");
  test::WriteBytes(listed, "Wendrix\r\nblog\r\n\r\nvlog\n");
  std::string absolute = dir.File("other.dic");
  test::WriteBytes(absolute, "zeitgeist\n");
  MemoryRegistry reg;
  const char* key = "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
  reg.SetString(key, "1", "CUSTOM.DIC");
  reg.SetString(key, "2", dir.File("gone.dic"));  // missing file: left out
  reg.SetString(key, "3", absolute);
  reg.SetString(key, "4", "");
  reg.SetString(key, "5", "CUSTOM.DIC");  // after an empty value: not read
  std::vector<std::string> files = WordCustomDictionaryFiles(reg, appData);
  EXPECT_EQ(files, (std::vector<std::string>{listed, absolute}));

  auto d = OpenWordCustomDictionary(listed);
  ASSERT_TRUE(d);
  EXPECT_TRUE(d->IsAdded("Wendrix"));
  EXPECT_TRUE(d->IsAdded("vlog"));
  EXPECT_EQ(d->AddedCount(), 3);
  EXPECT_TRUE(d->FileName().empty());  // never saved
  EXPECT_FALSE(OpenWordCustomDictionary(dir.File("gone.dic")));
}

// Word-processor dictionaries saved as Unicode text: UTF-16 (either byte
// order) and UTF-8 with a byte-order mark are converted; a word outside the
// code page is skipped, not altered.
TEST(DictionaryFiles, WordProcessorUnicodeDictionaries) {
  auto utf16 = [](const std::u16string& text, bool littleEndian) {
    std::string out = littleEndian ? "\xFF\xFE" : "\xFE\xFF";
    for (char16_t u : text) {
      char lo = char(u & 0xFF), hi = char(u >> 8);
      out += littleEndian ? std::string{lo, hi} : std::string{hi, lo};
    }
    return out;
  };
  const std::u16string text = u"caf\u00e9\r\nWendrix\r\n\u4e2d\u6587\r\n\r\nlast";
  for (bool le : {true, false}) {
    TCustomDictionary d;
    EXPECT_EQ(ReadWordCustomDictionary(utf16(text, le), d), 3u) << le;
    EXPECT_TRUE(d.IsAdded("caf\xE9"));
    EXPECT_TRUE(d.IsAdded("Wendrix"));
    EXPECT_TRUE(d.IsAdded("last"));
  }
  TCustomDictionary odd;  // a stray last byte is dropped
  EXPECT_EQ(ReadWordCustomDictionary(utf16(u"ab", true) + "c", odd), 1u);
  TCustomDictionary u8;
  EXPECT_EQ(ReadWordCustomDictionary("\xEF\xBB\xBFna\xC3\xAFve\r\n\xE4\xB8\xAD\nok", u8), 2u);
  EXPECT_TRUE(u8.IsAdded("na\xEFve"));
  EXPECT_TRUE(u8.IsAdded("ok"));
  TCustomDictionary ansi;  // no mark: bytes as they are
  EXPECT_EQ(ReadWordCustomDictionary("na\xEFve\n", ansi), 1u);
  EXPECT_TRUE(ansi.IsAdded("na\xEFve"));

  ScratchDir dir("dictfiles-unicode");
  test::WriteBytes(dir.File("CUSTOM.DIC"), utf16(text, true));
  auto d = OpenWordCustomDictionary(dir.File("CUSTOM.DIC"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->AddedCount(), 3);
}

}  // namespace
}  // namespace wx
