#include "windows/SpellViewerModel.h"

#include <gtest/gtest.h>

#include "common/Captions.h"
#include "common/MemoryRegistry.h"
#include "spelling/TestFiles.h"
#include "tools/lib/MainDictWriter.h"
#include "windows/SpellViewerTexts.h"

namespace wx {

namespace {

using M = TSpellViewerModel;

TSpellConfigSettings Settings(const test::ScratchDir& dir, bool custom) {
  TSpellConfigSettings s;
  s.ConfigStorage = TConfigStorage::csNone;
  s.ConfigDictionaryDir = {dir.path().string()};
  s.ConfigUseMSWordCustom = false;
  s.ConfigDefaultMain = {"test.qxm"};
  s.ConfigDefaultCustom = custom ? std::vector<std::string>{"user.qxu"} : std::vector<std::string>{};
  s.ConfigDefaultActiveCustom = custom ? "user.qxu" : "";
  return s;
}

// A checker over a small dictionary, the viewer's model on it, and a record
// of what the model asked of the window.
class Viewer : public ::testing::Test {
 protected:
  virtual bool Custom() const { return true; }
  void SetUp() override {
    static const std::vector<std::string> kWords = {"a", "test", "of", "the", "viewer", "cat", "sat", "on", "mat"};
    std::string image, error;
    tools::MainDictStats stats;
    ASSERT_TRUE(tools::BuildMainDictionary(kWords, {}, image, stats, error)) << error;
    test::WriteBytes(dir.File("test.qxm"), image);
    checker = std::make_unique<TSpellCheckerBase>(Settings(dir, Custom()));
    checker->RecheckReplacedWords = false;  // as the program has it
    viewer = std::make_unique<M>(c());
    model().OnRestoreStyle = [this] { ++restores; };
    model().Setup([this] { ++prompted; }, [this] { ++completed; });
  }
  TSpellCheckerBase& c() { return *checker; }
  M& model() { return *viewer; }
  void Check(const std::string& t) {
    text = t;
    c().CheckString(text);  // returns at the first word presented (no message loop here)
  }
  bool Enabled(M::Button b) const { return viewer->State(b).enabled; }

  test::ScratchDir dir{"viewer"};
  std::unique_ptr<TSpellCheckerBase> checker;
  std::unique_ptr<M> viewer;
  std::string text;
  int restores = 0, prompted = 0, completed = 0;
};

class ViewerWithoutCustom : public Viewer {
 protected:
  bool Custom() const override { return false; }
};

}  // namespace

TEST_F(Viewer, CorrectsTwoWordsWithTheFirstSuggestions) {
  Check("a tset of teh viewer");
  ASSERT_EQ(model().CurrentWord(), "tset");
  EXPECT_EQ(prompted, 1);
  ASSERT_FALSE(model().suggestions.empty());
  EXPECT_EQ(model().suggestions[0], "test");
  EXPECT_EQ(model().replacement, "test");
  EXPECT_EQ(model().suggestionSelected, 0);
  EXPECT_TRUE(model().suggestionsEnabled);
  for (M::Button b : {M::btnIgnore, M::btnIgnoreAll, M::btnChange, M::btnChangeAll, M::btnAdd, M::btnAutoCorrect,
                      M::btnOptions, M::btnCancel})
    EXPECT_TRUE(Enabled(b)) << b;
  EXPECT_FALSE(Enabled(M::btnUndo));
  EXPECT_FALSE(model().State(M::btnHelp).visible);  // no help topic in this program

  model().Press(M::btnChange);
  ASSERT_EQ(model().CurrentWord(), "teh");
  EXPECT_EQ(model().replacement, "the");
  EXPECT_TRUE(Enabled(M::btnUndo));
  // Double-clicking a suggestion changes the word as Change does.
  model().SuggestionDoubleClicked(0);
  EXPECT_EQ(text, "a test of the viewer");
  EXPECT_EQ(completed, 1);
  EXPECT_EQ(restores, 2);  // the bold word got its style back before each change
  EXPECT_FALSE(c().Cancelled());
  EXPECT_EQ(c().WordsChecked(), 5);
}

TEST_F(Viewer, ClickedSuggestionFillsTheBoxAndUndoGoesBack) {
  Check("a tset");
  ASSERT_GE(model().suggestions.size(), 1u);
  model().ReplacementChanged("tost");
  model().SuggestionClicked(0);
  EXPECT_EQ(model().replacement, "test");
  const uint32_t version = model().replacementVersion;
  model().ReplacementChanged("toast");  // typed: the window's box is not refilled
  EXPECT_EQ(model().replacementVersion, version);
  model().Press(M::btnChange);
  EXPECT_EQ(text, "a toast");
  EXPECT_EQ(completed, 1);

  Check("tset teh");
  model().Press(M::btnIgnore);
  ASSERT_EQ(model().CurrentWord(), "teh");
  model().Press(M::btnUndo);
  EXPECT_EQ(model().CurrentWord(), "tset");
  EXPECT_FALSE(Enabled(M::btnUndo));
  model().Press(M::btnCancel);
  EXPECT_TRUE(c().Cancelled());
  EXPECT_EQ(restores, 3);  // Change, Ignore and Undo; Cancel leaves the style alone
}

TEST_F(Viewer, WordWithoutSuggestionsWaitsForATypedReplacement) {
  Check("a qzxjvk");
  ASSERT_EQ(model().CurrentWord(), "qzxjvk");
  EXPECT_TRUE(model().suggestions.empty());
  EXPECT_EQ(model().noSuggestionsText, "(no suggestions)");
  EXPECT_FALSE(model().suggestionsEnabled);
  EXPECT_EQ(model().replacement, "");
  for (M::Button b : {M::btnChange, M::btnChangeAll, M::btnAutoCorrect}) EXPECT_FALSE(Enabled(b)) << b;
  EXPECT_TRUE(Enabled(M::btnIgnore));
  EXPECT_TRUE(Enabled(M::btnAdd));
  model().Press(M::btnChange);  // refused while disabled
  EXPECT_EQ(model().CurrentWord(), "qzxjvk");
  model().ReplacementChanged("cat");
  for (M::Button b : {M::btnChange, M::btnChangeAll, M::btnAutoCorrect}) EXPECT_TRUE(Enabled(b)) << b;
  model().ReplacementChanged("");
  EXPECT_FALSE(Enabled(M::btnChange));
  // The next word with suggestions clears the notice.
  model().ReplacementChanged("cat");
  Check("qzxjvk tset");
  model().Press(M::btnIgnore);
  EXPECT_EQ(model().noSuggestionsText, "");
  EXPECT_TRUE(model().suggestionsEnabled);
}

TEST_F(Viewer, RepeatedWordOffersOnlyIgnoreChangeAndOptions) {
  TSpellOptions o = c().Options();
  o.Set(soRepeated, true);
  c().SetOptions(o);
  Check("the the cat");
  ASSERT_TRUE(model().Repeated());
  EXPECT_EQ(model().CurrentWord(), "the the");
  EXPECT_EQ(model().replacement, "the");
  for (M::Button b : {M::btnIgnore, M::btnChange, M::btnOptions}) EXPECT_TRUE(Enabled(b)) << b;
  for (M::Button b : {M::btnIgnoreAll, M::btnChangeAll, M::btnAdd, M::btnAutoCorrect}) EXPECT_FALSE(Enabled(b)) << b;
  EXPECT_FALSE(model().suggestionsEnabled);
  EXPECT_FALSE(model().replacementEnabled);
  // Emptying the box does not touch the repeated word's buttons.
  model().ReplacementChanged("");
  EXPECT_TRUE(Enabled(M::btnChange));
  model().Press(M::btnChange);
  EXPECT_EQ(text, "the cat");
  EXPECT_EQ(completed, 1);

  // After a repeated word an ordinary one gets its commands back.
  Check("the the tset");
  model().Press(M::btnIgnore);
  ASSERT_EQ(model().CurrentWord(), "tset");
  EXPECT_FALSE(model().Repeated());
  for (M::Button b : {M::btnIgnoreAll, M::btnChangeAll, M::btnAdd}) EXPECT_TRUE(Enabled(b)) << b;
  EXPECT_TRUE(model().replacementEnabled);
}

TEST_F(ViewerWithoutCustom, AddAndAutoCorrectNeedACustomDictionary) {
  Check("tset");
  EXPECT_FALSE(Enabled(M::btnAdd));
  EXPECT_FALSE(Enabled(M::btnAutoCorrect));
  EXPECT_TRUE(Enabled(M::btnChangeAll));
  model().ReplacementChanged("toast");
  EXPECT_FALSE(Enabled(M::btnAutoCorrect));
}

TEST_F(Viewer, CommandSetsDecideVisibilityAndEnabling) {
  c().CommandsVisible.Set(sdcOptions, false).Set(sdcHelp, true);
  c().CommandsEnabled.Set(sdcIgnoreAll, false).Set(sdcCancel, false);
  model().Setup({}, {});
  EXPECT_FALSE(model().State(M::btnOptions).visible);
  EXPECT_FALSE(model().State(M::btnHelp).visible);  // visible only with a help topic
  EXPECT_FALSE(Enabled(M::btnIgnoreAll));        // before the first word too
  EXPECT_FALSE(Enabled(M::btnCancel));
  c().HelpCtxSpellDialog = 7;
  model().Setup({}, {});
  EXPECT_TRUE(model().State(M::btnHelp).visible);
  Check("tset");
  EXPECT_FALSE(Enabled(M::btnIgnoreAll));
  model().Press(M::btnIgnoreAll);  // refused
  EXPECT_EQ(model().CurrentWord(), "tset");
  model().Press(M::btnOptions);  // hidden: refused
  model().Press(M::btnCancel);   // disabled: refused
  EXPECT_TRUE(c().Checking());
}

TEST_F(Viewer, SwitchingAwayGreysCommandsAndComingBackRestoresThem) {
  Check("qzxjvk tset");
  model().Deactivated();
  for (int b = 0; b < M::kButtonCount; ++b)
    if (b != M::btnHelp && b != M::btnCancel) {
      EXPECT_FALSE(Enabled(M::Button(b))) << b;
    }
  EXPECT_FALSE(model().replacementEnabled);
  model().Press(M::btnIgnore);
  EXPECT_EQ(model().CurrentWord(), "qzxjvk");
  model().Activated();
  EXPECT_TRUE(Enabled(M::btnIgnore));
  EXPECT_TRUE(model().replacementEnabled);
  // The word without suggestions keeps its own rules.
  EXPECT_FALSE(Enabled(M::btnChange));
  EXPECT_FALSE(model().suggestionsEnabled);
}

TEST_F(Viewer, OptionsRefreshTheListWithoutTakingTheStyleAgain) {
  Check("tset");
  int shown = 0;
  model().OnShowOptions = [&] {
    ++shown;
    c().MaxSuggestions = 0;  // stands for an option that changes the suggestions
  };
  model().Press(M::btnOptions);
  EXPECT_EQ(shown, 1);
  EXPECT_TRUE(model().suggestions.empty());
  EXPECT_EQ(model().noSuggestionsText, "(no suggestions)");
  EXPECT_EQ(restores, 0);
  EXPECT_EQ(prompted, 1);  // the window does not make the word bold a second time
  EXPECT_EQ(model().CurrentWord(), "tset");
}

// What the custom dictionary file on disk holds (read by a fresh object).
std::string PairOnDisk(const std::string& file, const std::string& word) {
  TCustomDictionary d;
  std::string replacement;
  if (!d.Open(file) || !d.GetAutoCorrect(word, replacement)) return "";
  return replacement;
}

bool WordOnDisk(const std::string& file, const std::string& word) {
  TCustomDictionary d;
  return d.Open(file) && d.IsAdded(word);
}

TEST_F(Viewer, AddedWordIsInTheFileWhileTheCheckGoesOn) {
  Check("zorp tset qzxjvk");
  model().Press(M::btnAdd);
  ASSERT_EQ(model().CurrentWord(), "tset");
  EXPECT_TRUE(WordOnDisk(dir.File("user.qxu"), "zorp"));
  model().ReplacementChanged("toast");
  model().Press(M::btnAutoCorrect);
  ASSERT_EQ(model().CurrentWord(), "qzxjvk");
  EXPECT_EQ(PairOnDisk(dir.File("user.qxu"), "tset"), "toast");
  // Undo takes the pair out of the file again.
  model().Press(M::btnUndo);
  EXPECT_EQ(model().CurrentWord(), "tset");
  EXPECT_EQ(PairOnDisk(dir.File("user.qxu"), "tset"), "");
  EXPECT_TRUE(WordOnDisk(dir.File("user.qxu"), "zorp"));
  model().Press(M::btnCancel);
}

TEST(SpellerTakeover, GivesTheCheckerBackOnEveryPath) {
  TSpellConfigSettings s;
  s.ConfigStorage = TConfigStorage::csNone;
  TSpellCheckerBase c(s);
  TSpellDialogHooks hooks;
  int prompts = 0, completes = 0, replaces = 0;
  c.UIType = suiDialog;
  c.SetDialogHooks(&hooks);
  c.OnPromptWord = [&](const std::string&, bool) { ++prompts; };
  c.OnCompleteCheck = [&] { ++completes; };
  c.OnParserReplaceWord = [&](const std::string&, bool, int) { ++replaces; };
  auto restored = [&] {
    EXPECT_EQ(c.UIType, suiDialog);
    EXPECT_EQ(c.DialogHooks(), &hooks);
    c.OnPromptWord("x", false);
    c.OnCompleteCheck();
    c.OnParserReplaceWord("y", true, 0);
  };
  {
    TSpellerTakeover takeover(c);
    EXPECT_EQ(c.UIType, suiSilent);
    TSpellViewerModel model(c);
    model.Setup({}, [] {});
    TSpellDialogHooks viewerHooks;
    c.SetDialogHooks(&viewerHooks);
    c.OnParserReplaceWord = nullptr;
  }
  restored();
  EXPECT_EQ(prompts, 1);
  EXPECT_EQ(completes, 1);
  try {
    TSpellerTakeover takeover(c);
    TSpellViewerModel model(c);
    model.Setup({}, {});
    c.SetDialogHooks(nullptr);
    throw std::runtime_error("the window could not be made");
  } catch (const std::runtime_error&) {
  }
  restored();
  EXPECT_EQ(prompts, 2);
  EXPECT_EQ(completes, 2);
  EXPECT_EQ(replaces, 2);
}

TEST(SpellViewerPlace, StoredPlaceComesBackOntoAWorkArea) {
  MemoryRegistry reg;
  const std::vector<TRect> areas = {{0, 0, 1024, 738}};
  const TRect form{100, 100, 600, 420};
  TSpellViewerSettings s;
  s.UseSavedPosition = true;
  s.Left = 5;  // not used with the stored place
  // Nothing stored: the form's place.
  EXPECT_EQ(SpellViewerPlacement(s, reg, form, 475, 307, areas), form);
  WriteSpellViewerPlace(reg, {1500, 900, 2100, 1300});  // on a monitor no longer attached
  std::string top;
  ASSERT_TRUE(reg.GetString("Software\\Morvane\\Tarvelo\\SpellViewer", "Top", top));
  EXPECT_EQ(top, "900");
  EXPECT_EQ(SpellViewerPlacement(s, reg, form, 475, 307, areas), (TRect{424, 338, 1024, 738}));
  // Too small and not numbers: the minimum size and the form's values.
  reg.SetString("Software\\Morvane\\Tarvelo\\SpellViewer", "Left", "left");
  reg.SetString("Software\\Morvane\\Tarvelo\\SpellViewer", "Top", "12");
  reg.SetString("Software\\Morvane\\Tarvelo\\SpellViewer", "Width", "50");
  reg.SetDword("Software\\Morvane\\Tarvelo\\SpellViewer", "Height", 400);  // of another type
  EXPECT_EQ(SpellViewerPlacement(s, reg, form, 475, 307, areas), (TRect{100, 12, 575, 332}));
  // Without the stored place: the caller's values, -1 left as the form has them.
  TSpellViewerSettings given;
  given.Left = 30;
  given.Width = 900;
  given.MaxWidth = 700;
  given.MinHeight = 400;
  EXPECT_EQ(SpellViewerPlacement(given, reg, form, 475, 307, areas), (TRect{30, 100, 730, 500}));
}

TEST(SpellViewerResult, RichTextLosesOnlyThePaneOwnParagraph) {
  EXPECT_EQ(RichResultLength(u"a test", false), 6u);
  EXPECT_EQ(RichResultLength(u"a test\r\n", false), 6u);
  EXPECT_EQ(RichResultLength(u"a test\r", false), 6u);
  // The user's own line break stays; only the pane's extra one goes.
  EXPECT_EQ(RichResultLength(u"a test\r", true), 7u);
  EXPECT_EQ(RichResultLength(u"a test\r\r", true), 7u);
  EXPECT_EQ(RichResultLength(u"a\r\n\r\n", false), 3u);
  EXPECT_EQ(RichResultLength(u"", false), 0u);
  EXPECT_EQ(RichResultLength(u"\r", false), 0u);
}

TEST_F(Viewer, TextsAreTheCheckersInItsLanguage) {
  Check("a tset");
  model().Press(M::btnChange);
  EXPECT_EQ(SpellViewerCompletionText(c()), "The spelling check is complete.\r\n\r\nWords checked: 2");
  c().UILanguage = ltGerman;
  c().OnGetString = [](int index, std::string& text) {
    if (index == kSpellTextWordsChecked) text = "Wörter:";
  };
  EXPECT_EQ(SpellViewerCompletionText(c()), "Die Rechtschreibprüfung ist abgeschlossen.\r\n\r\nWörter: 2");
  Check("a qzxjvk");
  EXPECT_EQ(model().noSuggestionsText, "(keine Vorschläge)");
  model().Press(M::btnCancel);
}

}  // namespace wx
