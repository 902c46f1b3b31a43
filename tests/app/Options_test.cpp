// The options window's model over all six editions, the interface-language
// choice, auto-run with its legacy value, and the version text.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "app/AppLanguage.h"
#include "app/AutoRun.h"
#include "app/Commands.h"
#include "app/Edition.h"
#include "app/HelpTopics.h"
#include "app/MainOptions.h"
#include "app/OptionsModel.h"
#include "app/OptionsTexts.h"
#include "app/Version.h"
#include "common/MemoryRegistry.h"
#include "common/RegistryStyles.h"

namespace wx {

namespace {

std::vector<std::string> Texts(const std::vector<OptionsNode>& nodes) {
  std::vector<std::string> out;
  for (const auto& n : nodes) out.push_back((n.child ? "  " : "") + OptionsTexts().TextString(n.text));
  return out;
}
std::vector<int> Codes(const std::vector<MouseOption>& list) {
  std::vector<int> out;
  for (const auto& m : list) out.push_back(m.code);
  return out;
}

MainOptions Stored(TBuildEdition edition) {
  MemoryRegistry reg;
  MainOptions o;
  LoadMainOptions(reg, edition, o);
  return o;
}

int KeyListIndex(const char* name) {
  for (size_t i = 0; i < KeyList().size(); ++i)
    if (std::string(KeyList()[i].name) == name) return int(i);
  return -1;
}

}  // namespace

TEST(OptionsModel, EachEditionShowsItsPagesAndClickActions) {
  using V = std::vector<std::string>;
  using C = std::vector<int>;
  const V all = {"General", "Hotkeys", "  Definitions Dictionary", "  Spelling", "  Thesaurus", "  Instant Spell",
                 "Mouse Options", "Character Preferences"};
  EXPECT_EQ(Texts(NavigationNodes(edAllServices)), all);
  for (TBuildEdition suite : {edSuiteA, edSuiteB, edSuiteC}) {
    EXPECT_EQ(Texts(NavigationNodes(suite)),
              (V{"General", "Hotkeys", "  Definitions Dictionary", "  Spelling", "  Thesaurus", "  Editor",
                 "  Instant Spell", "Mouse Options", "Character Preferences"}));
    EXPECT_EQ(Codes(MouseOptions(suite)), (C{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  }
  EXPECT_EQ(Texts(NavigationNodes(edSpellingOnly)),
            (V{"General", "Hotkeys", "  Spelling", "  Instant Spell", "Mouse Options", "Character Preferences"}));
  EXPECT_EQ(Texts(NavigationNodes(edThesaurusOnly)), (V{"General", "Hotkeys", "  Thesaurus", "Mouse Options"}));

  EXPECT_EQ(Codes(MouseOptions(edAllServices)), (C{0, 1, 2, 3, 5, 6, 7, 8, 9}));
  EXPECT_EQ(Codes(MouseOptions(edSpellingOnly)), (C{0, 1, 5, 6, 7, 8, 9}));
  EXPECT_EQ(Codes(MouseOptions(edThesaurusOnly)), (C{0, 2, 7, 8, 9}));

  // Every hotkey row an edition registers is reachable through its tree, and
  // no row it does not register is.
  for (int e = edAllServices; e <= edThesaurusOnly; ++e) {
    std::set<int> shown;
    for (const OptionsNode& n : NavigationNodes(TBuildEdition(e)))
      for (HotKeySlot s : PageHotKeySlots(n.page)) shown.insert(s);
    for (int s = 0; s < kHotKeySlotCount; ++s)
      EXPECT_EQ(shown.count(s) == 1, SlotRegisteredIn(HotKeySlot(s), TBuildEdition(e))) << "edition " << e
                                                                                        << " slot " << s;
  }
}

TEST(OptionsModel, NavigationAndCaptionsFollowTheLanguage) {
  OptionsModel m(edThesaurusOnly);
  EXPECT_EQ(m.SelectedNode(), 0);
  EXPECT_EQ(m.Page(), opGeneral);
  m.SelectNode(2);
  EXPECT_EQ(m.Page(), opThesaurus);
  EXPECT_EQ(OptionsTexts().Text(m.CaptionText(), UiLanguage::German), "Thesaurus");
  EXPECT_EQ(OptionsTexts().Text(m.CaptionText(), UiLanguage::French), "Synonymes");
  m.SelectNode(9);  // no such node
  EXPECT_EQ(m.Page(), opThesaurus);
  EXPECT_FALSE(m.ShowsSpellModeGroup());
  EXPECT_TRUE(OptionsModel(edSpellingOnly).ShowsSpellModeGroup());
}

TEST(OptionsModel, DefaultsShowAndStoreTheirClickActions) {
  OptionsModel m(edThesaurusOnly);
  m.Load(Stored(edThesaurusOnly), false);
  ASSERT_GE(m.SingleClickIndex(), 0);
  EXPECT_EQ(OptionsTexts().TextString(m.MouseList()[size_t(m.SingleClickIndex())].text), "Thesaurus ClipBoard");
  EXPECT_EQ(OptionsTexts().TextString(m.MouseList()[size_t(m.DoubleClickIndex())].text), "Options");
  MainOptions r = m.Result();
  EXPECT_EQ(r.singleClickAction, moThesaurusClipBoard);
  EXPECT_EQ(r.doubleClickAction, moOpenPreferences);
  m.ChooseDoubleClick(4);  // "Show Tray Menu"
  EXPECT_EQ(m.Result().doubleClickAction, moShowPopupMenu);
}

TEST(OptionsModel, ClickCodesTheListDoesNotShowAreKeptUntilReplaced) {
  MainOptions stored = Stored(edThesaurusOnly);
  stored.singleClickAction = moSpellCheckClipBoard;   // stored by hand: the only road to the speller here
  stored.doubleClickAction = moDefinitionsClipBoard;
  OptionsModel m(edThesaurusOnly);
  m.Load(stored, false);
  EXPECT_EQ(m.SingleClickIndex(), -1);
  EXPECT_EQ(m.DoubleClickIndex(), -1);
  EXPECT_EQ(m.Result().singleClickAction, moSpellCheckClipBoard);
  EXPECT_EQ(m.Result().doubleClickAction, moDefinitionsClipBoard);
  // The boxes name what is stored (an extra last entry), never a blank.
  EXPECT_EQ(OptionsTexts().TextString(m.SingleClickUnlistedText()), "Spell Check ClipBoard");
  EXPECT_EQ(OptionsTexts().TextString(m.DoubleClickUnlistedText()), "Definitions ClipBoard");
  m.ChooseSingleClick(1);  // another entry, then the stored one again
  EXPECT_EQ(m.Result().singleClickAction, m.MouseList()[1].code);
  m.ChooseSingleClick(int(m.MouseList().size()));
  EXPECT_EQ(m.SingleClickIndex(), -1);
  EXPECT_EQ(m.Result().singleClickAction, moSpellCheckClipBoard);

  m.ChooseSingleClick(0);  // "None" chosen on purpose
  m.ChooseDoubleClick(7);  // no such entry: nothing changes
  EXPECT_EQ(m.Result().singleClickAction, moNoAction);
  EXPECT_EQ(m.Result().doubleClickAction, moDefinitionsClipBoard);

  for (uint8_t code : {uint8_t(moOpenInstantSpell), uint8_t(moSpellCheckConfiguration)}) {
    stored.singleClickAction = code;
    m.Load(stored, false);  // Cancel's reload forgets the choice
    EXPECT_EQ(m.Result().singleClickAction, code);
  }
  stored.singleClickAction = 42;  // no action at all
  m.Load(stored, false);
  EXPECT_EQ(m.Result().singleClickAction, moNoAction);
  EXPECT_EQ(m.SingleClickUnlistedText(), -1);
  m.ChooseSingleClick(int(m.MouseList().size()));  // no extra entry to choose
  EXPECT_EQ(m.Result().singleClickAction, moNoAction);
}

TEST(OptionsModel, GeneralPageEnablingAndStoredValues) {
  MainOptions stored = Stored(edAllServices);
  stored.compatibilityDelay = 1050;
  OptionsModel m(edAllServices);
  m.Load(stored, true);
  EXPECT_TRUE(m.autoRun);
  EXPECT_FALSE(m.CompatibilityControlsEnabled());
  EXPECT_EQ(m.DelayPosition(), 10);
  m.SetCompatibilityMode(true);
  EXPECT_TRUE(m.CompatibilityControlsEnabled());
  m.compatibilityCut = true;
  m.disableBackup = true;
  m.silentSpellMode = true;
  m.showSmartBarOnOpen = false;
  MainOptions r = m.Result();
  EXPECT_EQ(r.compatibilityDelay, 1000);  // position x 100
  EXPECT_TRUE(r.compatibilityMode && r.compatibilityCut && r.disableBackup && r.silentSpellMode);
  EXPECT_FALSE(r.showSmartBarOnOpen);
  EXPECT_FALSE(r.spellViewerAlwaysOnTop);
  m.SetDelayPosition(50);
  EXPECT_EQ(m.Result().compatibilityDelay, 2000);
  m.SetDelayPosition(0);
  EXPECT_EQ(m.Result().compatibilityDelay, 200);
  m.SetCompatibilityMode(false);
  EXPECT_FALSE(m.CompatibilityControlsEnabled());
}

TEST(OptionsModel, HotKeyRowsRebuildTheirSlotAndReloadRestoresIt) {
  MainOptions stored = Stored(edThesaurusOnly);
  OptionsModel m(edThesaurusOnly);
  m.Load(stored, false);
  EXPECT_EQ(m.KeyIndex(hsThesApp), KeyListIndex("F8"));
  m.SetModifier(hsThesApp, hkCtrl, true);
  EXPECT_EQ(HotKeyToText(m.HotKey(hsThesApp)), "Ctrl+F8");
  m.SetKey(hsThesApp, KeyListIndex("F9"));
  m.SetModifier(hsThesApp, hkAlt, true);
  m.SetModifier(hsThesApp, hkCtrl, false);
  EXPECT_EQ(HotKeyToText(m.Result().hotKeys[hsThesApp]), "Alt+F9");
  EXPECT_EQ(m.Result().hotKeys[hsThesClip], stored.hotKeys[hsThesClip]);
  EXPECT_EQ(m.Result().hotKeys[hsSpellApp].KeyName, "F7");  // rows the edition hides keep their values

  m.Load(stored, false);  // Cancel
  EXPECT_EQ(HotKeyToText(m.Result().hotKeys[hsThesApp]), "F8");
  EXPECT_FALSE(m.HasModifier(hsThesApp, hkAlt));

  // A stored key name outside the list shows no entry; a box change then
  // leaves the slot without a key name.
  stored.hotKeys[hsThesClip] = {"Banana", hkShift};
  m.Load(stored, false);
  EXPECT_EQ(m.KeyIndex(hsThesClip), -1);
  EXPECT_EQ(m.Result().hotKeys[hsThesClip].KeyName, "Banana");
  m.SetModifier(hsThesClip, hkWin, true);
  EXPECT_EQ(HotKeyToText(m.Result().hotKeys[hsThesClip]), "Win+Shift+");
}

class AppLanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { SetActiveUiLanguage(UiLanguage::English); }
  int StoredCode() { return IniRegistry(reg, kLanguageKey).ReadInteger("Options", "Language Code", -1); }
  MemoryRegistry reg;
};

TEST_F(AppLanguageTest, AttachFollowsTheStoredOrTheUsersLanguage) {
  int userLanguage = 0x0C07;  // German (Austria)
  TAppLanguage lang(reg, [&] { return userLanguage; });
  lang.Attach();
  EXPECT_EQ(ActiveUiLanguage(), UiLanguage::German);
  EXPECT_EQ(lang.ThesaurusLanguage(), TThesaurusLanguageType::ltGerman);
  EXPECT_EQ(lang.SpellerLanguage(), UiLanguage::German);
  EXPECT_EQ(StoredCode(), 0x0407);

  IniRegistry(reg, kLanguageKey).WriteInteger("Options", "Language Code", 0x0414);  // Norwegian: not offered
  lang.Attach();
  EXPECT_EQ(ActiveUiLanguage(), UiLanguage::English);
  EXPECT_EQ(StoredCode(), 0x0409);
  EXPECT_EQ(lang.ThesaurusLanguage(), TThesaurusLanguageType::ltEnglish);

  IniRegistry(reg, kLanguageKey).WriteInteger("Options", "Language Code", 0x0816);
  lang.Attach();
  EXPECT_EQ(ActiveUiLanguage(), UiLanguage::StdPortuguese);
  EXPECT_EQ(lang.ThesaurusLanguage(), TThesaurusLanguageType::ltStdPortuguese);
}

TEST_F(AppLanguageTest, ApplyingALanguageSwitchesCaptionsEnginesAndTheStoredCode) {
  TAppLanguage lang(reg, [] { return 0x0409; });
  int changes = 0;
  CaptionListener window([&] { ++changes; });
  lang.Attach();
  EXPECT_EQ(changes, 0);  // English already
  lang.Apply(1031);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(StoredCode(), 1031);
  EXPECT_EQ(lang.ThesaurusLanguage(), TThesaurusLanguageType::ltGerman);
  EXPECT_EQ(OptionsTexts().Text(idOptCancel), "&Abbrechen");
  lang.Apply(0x041D);
  EXPECT_EQ(ActiveUiLanguage(), UiLanguage::Swedish);
  EXPECT_EQ(lang.ThesaurusLanguage(), TThesaurusLanguageType::ltSwedish);
  lang.Apply(0x0C07);  // not in the list: captions stay, the engines follow the primary language
  EXPECT_EQ(ActiveUiLanguage(), UiLanguage::Swedish);
  EXPECT_EQ(lang.ThesaurusLanguage(), TThesaurusLanguageType::ltGerman);

  auto items = TAppLanguage::BoxItems();
  ASSERT_EQ(items.size(), 10u);
  EXPECT_EQ(items[4].text, "German (Germany)");
  EXPECT_EQ(items[4].id, 0x0407);
  EXPECT_EQ(items[8].text, "Spanish (International Sort)");
  EXPECT_EQ(items[8].id, 0x0C0A);
  EXPECT_EQ(TAppLanguage::BoxSelection(), 9);
}

TEST(AppLanguage, LanguageIdsInNames) {
  EXPECT_EQ(LanguageIdOfName("German (Germany) [$0407]"), 0x0407);
  EXPECT_EQ(LanguageIdOfName("X [1031]"), 1031);
  EXPECT_EQ(LanguageIdOfName("X [$0c0a]"), 0x0C0A);
  EXPECT_EQ(LanguageIdOfName("X [$04070]"), 0);  // six characters
  EXPECT_EQ(LanguageIdOfName("X [12a]"), 0);
  EXPECT_EQ(LanguageIdOfName("X []"), 0);
  EXPECT_EQ(LanguageIdOfName("X [$0407"), 0);
  EXPECT_EQ(LanguageIdOfName("X"), 0);
}

namespace {

class FakeShell : public AutoRunShell {
 public:
  std::map<bool, bool> legacy;  // machine -> present
  bool machineLocked = false;
  std::string knownStartup = "C:\\Users\\u\\Start Menu\\Programs\\Startup";
  std::map<std::string, std::string> files;  // link -> target
  bool failSave = false, failRemove = false;
  std::vector<std::string> calls;

  bool LegacyValuePresent(bool machine) override { return legacy[machine]; }
  bool LegacyValueDeletable(bool machine) override { return !(machine && machineLocked); }
  bool DeleteLegacyValue(bool machine) override {
    calls.push_back(machine ? "delete machine" : "delete user");
    if (machine && machineLocked) return false;
    legacy[machine] = false;
    return true;
  }
  std::string KnownStartupFolder() override { return knownStartup; }
  bool FileExists(const std::string& p) override { return files.count(p) != 0; }
  bool RemoveFile(const std::string& p, std::string& error) override {
    if (failRemove) {
      error = "Access is denied.";
      return false;
    }
    files.erase(p);
    return true;
  }
  bool SaveShortcut(const std::string& link, const std::string& target, std::string& error) override {
    calls.push_back("save " + link);
    if (failSave) {
      error = "Access is denied.";
      return false;
    }
    files[link] = target;
    return true;
  }
};

const char kExe[] = "C:\\Program Files\\Wendrix\\WendrixTray.exe";

}  // namespace

TEST(AutoRun, ShortcutGoesToTheStartupFolderNeverTheDriveRoot) {
  MemoryRegistry reg;
  FakeShell shell;
  // No "Startup" value: the shell's own Startup folder.
  EXPECT_EQ(StartupShortcutPath(reg, shell, "Wendrix"), shell.knownStartup + "\\Wendrix.lnk");
  IniRegistry(reg, kExplorerKey).WriteString("Shell Folders", "Startup", "D:\\Autostart\\");
  EXPECT_EQ(StartupShortcutPath(reg, shell, "Wendrix"), "D:\\Autostart\\Wendrix.lnk");
  IniRegistry(reg, kExplorerKey).WriteString("Shell Folders", "Startup", "");
  shell.knownStartup.clear();
  EXPECT_THROW(StartupShortcutPath(reg, shell, "Wendrix"), EAutoRunError);
  EXPECT_THROW(SaveAutoRun(reg, shell, true, kExe), EAutoRunError);
  EXPECT_TRUE(shell.files.empty());
}

TEST(AutoRun, SavingWritesOrRemovesTheShortcutAndReportsFailures) {
  MemoryRegistry reg;
  FakeShell shell;
  const std::string link = shell.knownStartup + "\\Wendrix.lnk";
  EXPECT_FALSE(CheckAutoRun(reg, shell, kExe));
  SaveAutoRun(reg, shell, true, kExe);
  EXPECT_EQ(shell.files[link], kExe);
  EXPECT_TRUE(CheckAutoRun(reg, shell, kExe));
  SaveAutoRun(reg, shell, false, kExe);
  EXPECT_FALSE(CheckAutoRun(reg, shell, kExe));
  SaveAutoRun(reg, shell, false, kExe);  // already gone: no error

  shell.failSave = true;
  try {
    SaveAutoRun(reg, shell, true, kExe);
    FAIL() << "a failed save must be reported";
  } catch (const EAutoRunError& e) {
    EXPECT_NE(std::string(e.what()).find("Could not save the shortcut " + link), std::string::npos);
    EXPECT_NE(std::string(e.what()).find("Access is denied."), std::string::npos);
  }
  shell.failSave = false;
  SaveAutoRun(reg, shell, true, kExe);
  shell.failRemove = true;
  EXPECT_THROW(SaveAutoRun(reg, shell, false, kExe), EAutoRunError);
  EXPECT_TRUE(shell.FileExists(link));
}

TEST(AutoRun, LegacyValueIsRemovedOnlyOnceTheShortcutExists) {
  MemoryRegistry reg;
  FakeShell shell;
  const std::string link = shell.knownStartup + "\\Wendrix.lnk";
  shell.legacy[false] = true;
  shell.failSave = true;
  EXPECT_THROW(CheckAutoRun(reg, shell, kExe), EAutoRunError);
  EXPECT_TRUE(shell.legacy[false]);  // kept: the program would no longer start otherwise

  shell.failSave = false;
  shell.calls.clear();
  EXPECT_TRUE(CheckAutoRun(reg, shell, kExe));
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"save " + link, "delete user"}));
  EXPECT_FALSE(shell.legacy[false]);
  EXPECT_EQ(shell.files[link], kExe);

  // A machine value without the rights to delete it is skipped silently:
  // once the user has turned auto-run off, checking again (each opening of
  // the options) writes no shortcut.
  shell.legacy[true] = true;
  shell.machineLocked = true;
  SaveAutoRun(reg, shell, false, kExe);
  shell.calls.clear();
  EXPECT_FALSE(CheckAutoRun(reg, shell, kExe));
  EXPECT_FALSE(CheckAutoRun(reg, shell, kExe));
  EXPECT_TRUE(shell.calls.empty()) << shell.calls.front();
  EXPECT_TRUE(shell.files.empty());
  EXPECT_TRUE(shell.legacy[true]);
}

TEST(Version, FormatShowsTheReleaseWhenItIsNotZero) {
  EXPECT_EQ(FormatVersion(FileVersion{5, 1, 6}, false), "5.1.6");
  EXPECT_EQ(FormatVersion(FileVersion{5, 1, 0}, false), "5.1");
  EXPECT_EQ(FormatVersion(FileVersion{5, 1, 0}, true), "5.1.0");
}

}  // namespace wx

namespace wx {

// Each edition's help page, written by the build's help writer from the one
// source page: the topics the edition's program opens are there, the services
// it lacks are not described, and no menu name shows its access-key mark.
TEST(Help, EachEditionsHelpHasItsTopicsAndNoOtherServices) {
  const std::string writer = std::string(WX_SOURCE_DIR) + "/resources/help/make_help.py";
  const std::string source = std::string(WX_SOURCE_DIR) + "/resources/help/" + kHtmlHelpFile;
  const std::string out = std::string(WX_BINARY_DIR) + "/help-test.html";
  for (int e = edAllServices; e <= edThesaurusOnly; ++e) {
    const auto edition = TBuildEdition(e);
    SCOPED_TRACE("edition " + std::to_string(e));
    std::remove(out.c_str());
    ASSERT_EQ(std::system(("python3 '" + writer + "' " + std::to_string(e) + " '" + source + "' '" + out + "'").c_str()),
              0);
    std::ifstream in(out, std::ios::binary);
    ASSERT_TRUE(in) << "no help page written";
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto has = [&](const std::string& text) { return html.find(text) != std::string::npos; };
    auto hasTopic = [&](int context) { return has("id=\"" + HelpAnchor(HelpRequest::Context, context) + "\""); };
    EXPECT_TRUE(has("id=\"contents\"") && has("id=\"index\""));
    for (const TrayMenuItem& item : TrayMenuFor(edition))
      if (item.helpContext) {
        EXPECT_TRUE(hasTopic(item.helpContext)) << item.caption;
      }
    // The options window, its click-action boxes and auto-run box, the tray
    // icon: in every edition.
    for (int c : {100, 122, 123, 130, 132}) EXPECT_TRUE(hasTopic(c)) << c;
    // The character edits are on the page only editions with spelling show.
    for (int c : {124, 125, 126}) EXPECT_EQ(hasTopic(c), EditionHasSpelling(edition)) << c;
    EXPECT_EQ(has("Spell"), EditionHasSpelling(edition));
    EXPECT_EQ(has("Definitions"), EditionHasDefinitions(edition));
    EXPECT_EQ(has("Thesaurus"), EditionHasThesaurus(edition));
    EXPECT_FALSE(has("&amp;"));
  }
  std::remove(out.c_str());
  // Every context the program knows has its topic in the edition with everything.
  std::ifstream in(source, std::ios::binary);
  const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (int c : HelpContexts())
    EXPECT_NE(html.find("id=\"" + HelpAnchor(HelpRequest::Context, c) + "\""), std::string::npos) << c;
}

TEST(Help, FileUrlsKeepThePathAndTheAnchor) {
  EXPECT_EQ(FileUrl("C:\\Program Files\\Wendrix\\WendrixHelp.html", "ctx100"),
            "file:///C:/Program%20Files/Wendrix/WendrixHelp.html#ctx100");
  EXPECT_EQ(FileUrl("C:\\Ünï#%\\h.html", ""), "file:///C:/%C3%9Cn%C3%AF%23%25/h.html");
  EXPECT_EQ(HelpAnchor(HelpRequest::Contents, 7), "contents");
  EXPECT_EQ(HelpAnchor(HelpRequest::Index, 7), "index");
  EXPECT_EQ(HelpAnchor(HelpRequest::Context, 132), "ctx132");
}

}  // namespace wx
