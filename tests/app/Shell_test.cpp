// Edition tables, the tray menu, click actions, error texts, path macros and
// don't-show-again storage.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "app/AppErrors.h"
#include "app/Commands.h"
#include "app/DontShowAgain.h"
#include "common/ExpandMacros.h"
#include "common/MemoryRegistry.h"

namespace wx {

namespace {
std::vector<std::string> Captions(const std::vector<TrayMenuItem>& items) {
  std::vector<std::string> out;
  for (auto& i : items) out.push_back(i.name[0] == '-' ? "-" : i.caption);
  return out;
}
}  // namespace

TEST(TrayMenu, EachEditionShowsItsItems) {
  EXPECT_EQ(Captions(TrayMenuFor(edThesaurusOnly)),
            (std::vector<std::string>{"E&xit", "-", "General O&ptions", "-", "&Help", "-", "&Smart Bar",
                                      "Thesaurus ClipBoard"}));
  EXPECT_EQ(Captions(TrayMenuFor(edSpellingOnly)),
            (std::vector<std::string>{"E&xit", "-", "General O&ptions", "Spe&lling Options",
                                      "E&dit Custom Dictionary", "-", "&Help", "-", "&Instant Spell",
                                      "&Smart Bar", "-", "Spell Check ClipBoard"}));
  EXPECT_EQ(Captions(TrayMenuFor(edAllServices)),
            (std::vector<std::string>{"E&xit", "-", "General O&ptions", "Spe&lling Options",
                                      "E&dit Custom Dictionary", "-", "&Help", "-", "&Instant Spell",
                                      "&Smart Bar", "-", "Definitions ClipBoard", "Spell Check ClipBoard",
                                      "Thesaurus ClipBoard"}));
  for (TBuildEdition e : {edSuiteA, edSuiteB, edSuiteC}) {
    auto captions = Captions(TrayMenuFor(e));
    ASSERT_EQ(captions.size(), 17u);
    EXPECT_EQ(captions[8], "&Penwick");
    EXPECT_EQ(captions[9], "Scriv&let");
  }
  EXPECT_EQ(Captions(HelpMenu()).size(), 7u);
}

TEST(MouseActions, CodesMapToCommands) {
  EXPECT_EQ(CommandForMouseAction(0), Command::None);
  EXPECT_EQ(CommandForMouseAction(1), Command::SpellClipboard);
  EXPECT_EQ(CommandForMouseAction(2), Command::ThesClipboard);
  EXPECT_EQ(CommandForMouseAction(3), Command::DefinitionsClipboard);
  EXPECT_EQ(CommandForMouseAction(4), Command::OpenEditor);
  EXPECT_EQ(CommandForMouseAction(5), Command::InstantSpell);
  EXPECT_EQ(CommandForMouseAction(6), Command::SpellOptions);
  EXPECT_EQ(CommandForMouseAction(7), Command::Preferences);
  EXPECT_EQ(CommandForMouseAction(8), Command::SmartBar);
  EXPECT_EQ(CommandForMouseAction(9), Command::PopupMenu);
  EXPECT_EQ(CommandForMouseAction(10), Command::None);
  EXPECT_EQ(CommandForMouseAction(-1), Command::None);
  EXPECT_EQ(CommandForSlot(hsThesApp), Command::ThesaurusSelected);
  EXPECT_EQ(CommandForSlot(hsThesClip), Command::ThesClipboard);
}

TEST(ErrorTexts, MissingFileNamesTheFileAndFolder) {
  std::string text = ErrorMessageText(EFileNotFoundAppDir("Thesaurus.qxt"), "C:\\Program Files\\Wendrix\\");
  EXPECT_EQ(text,
            "This function is not available due to the following problem:                \r\n\r\n"
            "A necessary file was not found:\r\nThesaurus.qxt\r\n\r\nThis file should be located in:\r\n"
            "C:\\Program Files\\Wendrix\\\r\n\r\nIf you need assistance, please contact Customer\r\nSupport at " +
                std::string(kSupportWebAddress));
  EXPECT_NE(ErrorMessageText(EFileNotFoundAppDir(""), "X\\").find("not found:\r\n\r\n"), std::string::npos);
  EXPECT_NE(ErrorMessageText(EEditorError(), "").find("Editor could not be started by Wendrix."),
            std::string::npos);
  EXPECT_NE(ErrorMessageText(EBrowserError(), "").find("Web browser could not be started by Wendrix."),
            std::string::npos);
  std::string other = ErrorMessageText(std::runtime_error("Invalid data type for 'x'"), "");
  EXPECT_EQ(other.find("This function is not available due to the following problem:                \r\n\r\n"
                       "Invalid data type for 'x'\r\n\r\n"),
            0u);
}

TEST(AppFiles, CheckAppFileLooksBesideTheProgram) {
  auto dir = std::filesystem::temp_directory_path() / ("wx_appdir_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  SetAppDirForTesting(dir.string() + "/");
  EXPECT_THROW(CheckAppFile("Thesaurus.qxt"), EFileNotFoundAppDir);
  EXPECT_THROW(CheckAppFile(""), EFileNotFoundAppDir);
  std::ofstream(dir / "Thesaurus.qxt") << "x";
  EXPECT_NO_THROW(CheckAppFile("Thesaurus.qxt"));
  try {
    CheckAppFile("Definitions.ydd");
    FAIL();
  } catch (const EFileNotFoundAppDir& e) {
    EXPECT_STREQ(e.what(), "Definitions.ydd");
  }
  EXPECT_EQ(AppFilePath("a.qxm"), dir.string() + "/a.qxm");
  SetAppDirForTesting("C:\\Prog");
  EXPECT_EQ(AppFilePath("a.qxm"), "C:\\Prog\\a.qxm");
  SetAppDirForTesting("");
  std::filesystem::remove_all(dir);
}

TEST(Macros, ExpandInOrderAtFirstOccurrenceOnly) {
  MacroValues v;
  v.appName = "WendrixTray";
  v.appDir = "C:\\W";
  v.appData = "C:\\Users\\ann\\AppData";
  v.myDocuments = "C:\\Docs";
  v.userName = "ann";
  v.expandEnvironment = [](const std::string& s) {
    return ExpandEnvironmentReferences(s, [](const std::string& n) -> std::optional<std::string> {
      if (n == "TEMP") return std::string("C:\\Tmp");
      return std::nullopt;
    });
  };
  EXPECT_EQ(ExpandMacros("%AppDir%\\%AppName%.qxu", v), "C:\\W\\WendrixTray.qxu");
  EXPECT_EQ(ExpandMacros("%AppData%\\%UserName%\\%UserName%", v), "C:\\Users\\ann\\AppData\\ann\\%UserName%");
  EXPECT_EQ(ExpandMacros("%MyDocuments%|%TEMP%|%NOPE%|100%", v), "C:\\Docs|C:\\Tmp|%NOPE%|100%");
  v.userName.reset();
  EXPECT_EQ(ExpandMacros("%UserName%", v), "default");
  v.userName = "";
  v.appData.clear();
  EXPECT_EQ(ExpandMacros("%UserName%@%AppData%", v), "default@C:\\W");
  EXPECT_EQ(ExpandMacros(std::string(5000, 'x'), v).size(), 4096u);
}

TEST(DontShowAgain, AnswersPersistPerIdentifier) {
  MemoryRegistry reg;
  EXPECT_TRUE(DSAIdentsGetState(reg, "Software\\Morvane\\Tarvelo", "SmartBar"));
  DSAIdentsSetState(reg, "Software\\Morvane\\Tarvelo", "SmartBar", false);
  uint32_t v = 0;
  ASSERT_TRUE(reg.GetDword("Software\\Morvane\\Tarvelo\\SmartBar", "DontShow", v));
  EXPECT_EQ(v, 1u);
  EXPECT_FALSE(DSAIdentsGetState(reg, "Software\\Morvane\\Tarvelo", "SmartBar"));
  EXPECT_TRUE(DSAIdentsGetState(reg, "Software\\Morvane\\Tarvelo", "Other"));
  // A stored answer of another type reads as "show".
  reg.SetString("Software\\Morvane\\Tarvelo\\Odd", "DontShow", "1");
  EXPECT_TRUE(DSAIdentsGetState(reg, "Software\\Morvane\\Tarvelo", "Odd"));
  EXPECT_EQ(CleanDsaIdent(" Close, now! "), "Close  now");
  EXPECT_EQ(CleanDsaStoragePath("C:\\a.b/c"), "C:\\a.b c");
  EXPECT_THROW(DSAIdentsGetState(reg, "Software", "?!"), std::runtime_error);
  try {
    DSAIdentsSetState(reg, "", "x", true);
    FAIL();
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "DSAIdentsSetState storage specifier blank");
  }
}

}  // namespace wx

#include "app/MainDictionariesCheck.h"

namespace wx {

TEST(MainDictionariesCheck, MissingFileBlocksUntilRestored) {
  auto dir = std::filesystem::temp_directory_path() / ("wx_maindict_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  SetAppDirForTesting(dir.string() + "/");
  MemoryRegistry reg;
  MainDictionariesCheck check;
  check.Run(reg);  // no count: passes
  EXPECT_TRUE(check.Checked());

  MainDictionariesCheck second;
  reg.SetString("Software\\Morvane\\Tarvelo", "_Main_count", "2");
  reg.SetString("Software\\Morvane\\Tarvelo", "_Main_0", "american.qxm");
  reg.SetString("Software\\Morvane\\Tarvelo", "_Main_1", "medical.qxm");
  std::ofstream(dir / "american.qxm") << "x";
  EXPECT_THROW(second.Run(reg), EFileNotFoundAppDir);
  EXPECT_THROW(second.Run(reg), EFileNotFoundAppDir);  // every time
  EXPECT_FALSE(second.Checked());
  std::ofstream(dir / "medical.qxm") << "x";
  second.Run(reg);
  EXPECT_TRUE(second.Checked());
  std::filesystem::remove(dir / "medical.qxm");
  second.Run(reg);  // not repeated once it passed

  MainDictionariesCheck bad;
  reg.SetString("Software\\Morvane\\Tarvelo", "_Main_count", "two");
  EXPECT_THROW(bad.Run(reg), std::runtime_error);
  SetAppDirForTesting("");
  std::filesystem::remove_all(dir);
}

}  // namespace wx
