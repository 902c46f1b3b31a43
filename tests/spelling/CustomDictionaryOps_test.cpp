// The checker's operations on custom dictionary files: new, rename, delete,
// listing, the cached file lists and the word processor's dictionaries.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestFiles.h"
#include "common/MemoryRegistry.h"
#include "spelling/SpellCheckerBase.h"

namespace wx {
namespace {

using test::ScratchDir;

TSpellConfigSettings Settings(const ScratchDir& dir) {
  TSpellConfigSettings s;
  s.ConfigStorage = TConfigStorage::csNone;
  s.ConfigDictionaryDir = {(dir.path() / "dicts").string(), (dir.path() / "more").string()};
  s.ConfigUseMSWordCustom = false;
  s.ConfigDefaultMain = {};
  s.ConfigDefaultCustom = {"user.qxu"};
  s.ConfigDefaultActiveCustom = "user.qxu";
  return s;
}

class CustomOps : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.path() / "dicts");
    std::filesystem::create_directories(dir.path() / "more");
  }
  std::string InDicts(const std::string& name) const { return (dir.path() / "dicts" / name).string(); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(InDicts(name)); }
  bool Listed(const std::string& name) {
    const auto& l = c.Config().CustomDictionaries();
    return std::find(l.begin(), l.end(), name) != l.end();
  }
  ScratchDir dir{"customops"};
  TSpellCheckerBase c{Settings(dir)};
};

TEST_F(CustomOps, NewNamesAreReducedOrRefused) {
  std::string made;
  EXPECT_EQ(c.NewCustomDictionary("   ", &made), cnBlank);  // never ".qxu"
  EXPECT_EQ(c.NewCustomDictionary("", &made), cnBlank);
  EXPECT_FALSE(Exists(".qxu"));
  for (const char* bad : {"CON", "nul.txt", "Com1", "a<b", "...", "x|y"})
    EXPECT_EQ(c.NewCustomDictionary(bad), cnInvalid) << bad;

  ASSERT_EQ(c.NewCustomDictionary("Legal", &made), cnOk);
  EXPECT_EQ(made, "Legal.qxu");
  EXPECT_TRUE(Exists("Legal.qxu"));
  EXPECT_TRUE(TCustomDictionary::CheckFile(InDicts("Legal.qxu")));
  EXPECT_TRUE(Listed("Legal.qxu"));
  // A folder or another extension: the file name with .qxu in the first folder.
  ASSERT_EQ(c.NewCustomDictionary((dir.path() / "elsewhere" / "notes.txt").string(), &made), cnOk);
  EXPECT_EQ(made, "notes.qxu");
  EXPECT_TRUE(Exists("notes.qxu"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "elsewhere"));
  EXPECT_EQ(c.NewCustomDictionary("..\\up"), cnOk);
  EXPECT_TRUE(Exists("up.qxu"));
  // An existing dictionary keeps its words.
  {
    auto d = c.OpenCustomDictionary("Legal.qxu");
    d->AddWord("tort");
  }
  ASSERT_EQ(c.NewCustomDictionary("Legal.qxu"), cnOk);
  EXPECT_TRUE(c.OpenCustomDictionary("Legal.qxu")->IsAdded("tort"));
  // The cached list of files was forgotten each time.
  const auto& files = c.CustomDictionaryFiles();
  for (const char* f : {"Legal.qxu", "notes.qxu", "up.qxu", "user.qxu"})
    EXPECT_NE(std::find(files.begin(), files.end(), f), files.end()) << f;
}

TEST_F(CustomOps, RenameStaysInTheFolderAndSavesOpenObjects) {
  ASSERT_EQ(c.NewCustomDictionary("Legal"), cnOk);
  c.Config().SetActiveCustom("Legal.qxu");
  // The checker's active object has an unsaved word: it reaches the renamed file.
  ASSERT_TRUE(c.ActiveCustomDictionary());
  c.ActiveCustomDictionary()->AddWord("estoppel");
  ASSERT_EQ(c.NewCustomDictionary("Taken"), cnOk);

  EXPECT_EQ(c.RenameCustomDictionary("Legal.qxu", "..\\x"), cnInvalid);
  EXPECT_EQ(c.RenameCustomDictionary("Legal.qxu", (dir.path() / "more" / "y").string()), cnInvalid);
  EXPECT_EQ(c.RenameCustomDictionary("Legal.qxu", "C:y"), cnInvalid);
  EXPECT_EQ(c.RenameCustomDictionary("Legal.qxu", " "), cnBlank);
  EXPECT_EQ(c.RenameCustomDictionary("Legal.qxu", "PRN"), cnInvalid);
  EXPECT_EQ(c.RenameCustomDictionary("Legal.qxu", "Taken"), cnExists);
  EXPECT_EQ(c.RenameCustomDictionary("Legal.qxu", "Legal"), cnExists);
  EXPECT_EQ(c.RenameCustomDictionary("Absent.qxu", "Other"), cnFailed);
  EXPECT_TRUE(Exists("Legal.qxu"));
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "x.qxu"));

  ASSERT_EQ(c.RenameCustomDictionary("Legal.qxu", "Law.txt"), cnOk);
  EXPECT_FALSE(Exists("Legal.qxu"));
  ASSERT_TRUE(Exists("Law.qxu"));
  EXPECT_TRUE(Listed("Law.qxu"));
  EXPECT_FALSE(Listed("Legal.qxu"));
  EXPECT_EQ(c.Config().ActiveCustom(), "Law.qxu");
  ASSERT_TRUE(c.ActiveCustomDictionary());
  EXPECT_EQ(c.ActiveCustomDictionary()->FileName(), InDicts("Law.qxu"));
  EXPECT_TRUE(c.ActiveCustomDictionary()->IsAdded("estoppel"));
  // Nothing wrote the old file back afterwards.
  c.DeactivateDictionaries();
  EXPECT_FALSE(Exists("Legal.qxu"));
}

TEST_F(CustomOps, DeleteAndListing) {
  ASSERT_EQ(c.NewCustomDictionary("Legal"), cnOk);
  c.Config().SetActiveCustom("Legal.qxu");
  ASSERT_TRUE(c.ActiveCustomDictionary());
  c.ActiveCustomDictionary()->AddWord("pending");
  EXPECT_TRUE(c.DeleteCustomDictionary("Legal.qxu"));
  EXPECT_FALSE(Exists("Legal.qxu"));
  EXPECT_FALSE(Listed("Legal.qxu"));
  EXPECT_EQ(c.Config().ActiveCustom(), "user.qxu");  // the first remaining
  c.DeactivateDictionaries();
  EXPECT_FALSE(Exists("Legal.qxu"));  // not written back by the old object

  // Unlisting the active one with nothing left: no active dictionary.
  EXPECT_TRUE(c.SetCustomDictionaryListed("user.qxu", false));
  EXPECT_EQ(c.Config().ActiveCustom(), "");
  EXPECT_FALSE(c.SetCustomDictionaryListed("user.qxu", false));
  EXPECT_TRUE(c.SetCustomDictionaryListed("user.qxu", true));
  test::WriteBytes(InDicts("junk.qxu"), "not a dictionary");
  EXPECT_FALSE(c.SetCustomDictionaryListed("junk.qxu", true));
  EXPECT_FALSE(Listed("junk.qxu"));

  EXPECT_FALSE(c.SetWordCustomDictionaryListed(dir.File("gone.dic"), true));
  test::WriteBytes(dir.File("custom.dic"), "word\n");
  EXPECT_TRUE(c.SetWordCustomDictionaryListed(dir.File("custom.dic"), true));
  EXPECT_EQ(c.Config().WordCustomDictionaries(), std::vector<std::string>{dir.File("custom.dic")});
  EXPECT_TRUE(c.WordInVocabulary("word"));
  EXPECT_TRUE(c.SetWordCustomDictionaryListed(dir.File("custom.dic"), false));
  EXPECT_FALSE(c.WordInVocabulary("word"));
}

TEST_F(CustomOps, OpeningSavesOtherObjectsAndUsesTheFactory) {
  int made = 0;
  c.OnCreateCustomDictionary = [&] {
    ++made;
    return std::make_unique<TCustomDictionary>();
  };
  ASSERT_TRUE(c.ActiveCustomDictionary());
  EXPECT_GE(made, 1);
  c.ActiveCustomDictionary()->AddWord("unsaved");
  auto second = c.OpenCustomDictionary("user.qxu");
  ASSERT_TRUE(second);
  EXPECT_TRUE(second->IsAdded("unsaved"));  // the active object saved before
  EXPECT_FALSE(c.ActiveCustomDictionary()->Modified());
  // Cached lists: a file made behind the checker's back shows after a change.
  test::WriteBytes((dir.path() / "more" / "b.qxm").string(), "x");
  EXPECT_EQ(c.MainDictionaryFiles(), std::vector<std::string>{"b.qxm"});
  test::WriteBytes(InDicts("a.qxm"), "x");
  EXPECT_EQ(c.MainDictionaryFiles().size(), 1u);
  c.Config().AddMainDictionary("a.qxm");
  EXPECT_EQ(c.MainDictionaryFiles(), (std::vector<std::string>{"a.qxm", "b.qxm"}));
}

// The word processor's list: the user's key, else the machine's; detected
// dictionaries become the first run's defaults when both settings are on.
TEST(CustomOpsWordProcessor, MachineFallbackAndDetection) {
  ScratchDir dir("customops-word");
  const char* key = "Software\\Microsoft\\Shared Tools\\Proofing Tools\\Custom Dictionaries";
  test::WriteBytes(dir.File("machine.dic"), "m\n");
  test::WriteBytes(dir.File("user.dic"), "u\n");
  MemoryRegistry user, machine;
  machine.SetString(key, "1", dir.File("machine.dic"));
  TSpellConfigSettings s = Settings(dir);
  s.ConfigUseMSWordCustom = true;
  s.ConfigDefaultUseMSWordCustom = true;
  {
    TSpellCheckerBase c(s);
    c.SetWordProcessorRegistries(&user, &machine);
    EXPECT_EQ(c.WordCustomDictionaryFiles(), std::vector<std::string>{dir.File("machine.dic")});
    EXPECT_EQ(c.Config().WordCustomDictionaries(), std::vector<std::string>{dir.File("machine.dic")});
  }
  user.SetString(key, "1", dir.File("user.dic"));
  TSpellCheckerBase c(s);
  c.SetWordProcessorRegistries(&user, &machine);
  EXPECT_EQ(c.WordCustomDictionaryFiles(), std::vector<std::string>{dir.File("user.dic")});
  s.ConfigUseMSWordCustom = false;
  TSpellCheckerBase off(s);
  off.SetWordProcessorRegistries(&user, &machine);
  EXPECT_TRUE(off.WordCustomDictionaryFiles().empty());
}

}  // namespace
}  // namespace wx
