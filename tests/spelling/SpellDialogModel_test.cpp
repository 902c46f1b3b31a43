// The spell dialog, driven like a user through its model on a real check:
// what it shows for each word, which buttons it offers, what they do to the
// text, and where the dialog goes on the screen.
#include "spelling/SpellDialogModel.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "TestFiles.h"
#include "spelling/SpellDialogTexts.h"
#include "tools/lib/MainDictWriter.h"

namespace wx {
namespace {

// Plays the window: every presented word goes to the model.
struct ModelHooks : TSpellDialogHooks {
  TSpellDialogModel* model = nullptr;
  int shown = 0;
  std::vector<std::string> messages;
  void ShowDialog(TControlParser*) override {
    if (shown++ == 0) model->Configure();
  }
  void PresentWord(const std::string& word, bool repeated) override { model->PromptWord(word, repeated); }
  void CloseDialog(bool keepOpen) override {
    if (!keepOpen) shown = 0;
  }
  void MessageBox(const std::string& caption, const std::string& text) override {
    messages.push_back(caption + "|" + text);
  }
};

class SpellDialogModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string image, error;
    tools::MainDictStats stats;
    ASSERT_TRUE(tools::BuildMainDictionary({"this", "is", "a", "test", "the", "end", "text"}, {}, image, stats,
                                           error))
        << error;
    test::WriteBytes(dir.File("test.qxm"), image);
    hooks.model = &model;
    c.UIType = suiDialog;
    c.SetDialogHooks(&hooks);
  }
  static TSpellConfigSettings Settings(const test::ScratchDir& d, bool custom = true) {
    TSpellConfigSettings s;
    s.ConfigStorage = TConfigStorage::csNone;
    s.ConfigDictionaryDir = {d.path().string()};
    s.ConfigUseMSWordCustom = false;
    s.ConfigDefaultMain = {"test.qxm"};
    if (custom) {
      s.ConfigDefaultCustom = {"user.qxu"};
      s.ConfigDefaultActiveCustom = "user.qxu";
    } else {
      s.ConfigDefaultCustom = {};
      s.ConfigDefaultActiveCustom = "";
    }
    return s;
  }
  bool Enabled(TSpellDialogControl ctl) const { return model.State(ctl).enabled; }

  test::ScratchDir dir{"spelldialog"};
  TSpellCheckerBase c{Settings(dir)};
  TSpellDialogModel model{c};
  ModelHooks hooks;
  std::string text;
};

TEST_F(SpellDialogModelTest, ChangeRepeatedDeleteUndoAndCancel) {
  text = "This is a tset. the the end";
  c.CheckString(text);
  ASSERT_TRUE(c.Checking());
  // The misspelled word with its best suggestion ready to use.
  EXPECT_EQ(model.Word(), "tset");
  EXPECT_FALSE(model.Repeated());
  ASSERT_FALSE(model.Suggestions().empty());
  EXPECT_EQ(model.Suggestions()[0], "test");
  EXPECT_EQ(model.Replacement(), "test");
  EXPECT_EQ(model.SelectedSuggestion(), 0);
  EXPECT_TRUE(Enabled(dcChange));
  EXPECT_TRUE(Enabled(dcAdd));
  EXPECT_FALSE(Enabled(dcUndo));  // nothing done yet

  model.Press(dcChange);
  EXPECT_EQ(text, "This is a test. the the end");
  // The repeated pair: the single word offered, only Ignore, Change (which
  // deletes) and Options usable.
  EXPECT_EQ(model.Word(), "the the");
  EXPECT_TRUE(model.Repeated());
  EXPECT_EQ(model.Replacement(), "the");
  EXPECT_TRUE(Enabled(dcChange));
  EXPECT_TRUE(Enabled(dcIgnore));
  EXPECT_TRUE(Enabled(dcOptions));
  EXPECT_TRUE(Enabled(dcUndo));
  for (TSpellDialogControl off : {dcIgnoreAll, dcChangeAll, dcAdd, dcAutoCorrect, dcReplaceEdit, dcSuggestions})
    EXPECT_FALSE(Enabled(off)) << int(off);
  model.Press(dcChangeAll);  // disabled: nothing happens
  EXPECT_TRUE(model.Repeated());

  model.Press(dcChange);
  EXPECT_EQ(text, "This is a test. the end");
  EXPECT_FALSE(c.Checking());  // the rest is correct
  ASSERT_EQ(hooks.messages.size(), 1u);
  EXPECT_EQ(hooks.messages[0], "Spelling|The spelling check is complete.");

  // Undo brings the pair back, then the misspelled word.
  text = "a tset the the end";
  c.CheckString(text);
  model.Press(dcChange);
  ASSERT_TRUE(model.Repeated());
  model.Press(dcChange);
  EXPECT_EQ(text, "a test the end");
  ASSERT_FALSE(c.Checking());
  text = "a tset the the end";
  c.CheckString(text);
  model.Press(dcChange);
  ASSERT_TRUE(model.Repeated());
  model.Press(dcUndo);
  EXPECT_EQ(text, "a tset the the end");
  EXPECT_EQ(model.Word(), "tset");
  EXPECT_FALSE(model.Repeated());
  EXPECT_TRUE(Enabled(dcAdd));  // back from the repeated state
  EXPECT_FALSE(Enabled(dcUndo));

  hooks.messages.clear();
  model.Press(dcCancel);
  EXPECT_FALSE(c.Checking());
  EXPECT_TRUE(c.Cancelled());
  EXPECT_EQ(text, "a tset the the end");
  EXPECT_TRUE(hooks.messages.empty());  // no end message after Cancel
}

TEST_F(SpellDialogModelTest, NoSuggestionsAndTheReplacementField) {
  text = "a qqqqzzzz end";
  c.CheckString(text);
  ASSERT_EQ(model.Word(), "qqqqzzzz");
  EXPECT_TRUE(model.NoSuggestions());
  EXPECT_TRUE(model.Suggestions().empty());
  EXPECT_EQ(model.Replacement(), "");
  for (TSpellDialogControl off : {dcChange, dcChangeAll, dcAutoCorrect, dcSuggestions}) EXPECT_FALSE(Enabled(off));
  EXPECT_TRUE(Enabled(dcIgnore));
  EXPECT_TRUE(Enabled(dcAdd));

  model.Press(dcChange);  // disabled: the text stays
  EXPECT_EQ(text, "a qqqqzzzz end");

  // Typing a replacement enables the change buttons.
  model.SetReplacement("quiz");
  EXPECT_TRUE(Enabled(dcChange));
  EXPECT_TRUE(Enabled(dcChangeAll));
  EXPECT_TRUE(Enabled(dcAutoCorrect));
  // One the code page cannot hold would reach the text altered: refused.
  model.SetReplacement("\xD0\xB6uiz");  // Cyrillic zhe
  EXPECT_FALSE(Enabled(dcChange));
  EXPECT_FALSE(Enabled(dcAutoCorrect));
  model.Press(dcChange);
  EXPECT_EQ(text, "a qqqqzzzz end");
  // Accented letters of the code page are fine.
  model.SetReplacement("caf\xC3\xA9");
  EXPECT_TRUE(Enabled(dcChange));
  model.Press(dcChange);
  EXPECT_EQ(text, "a caf\xE9 end");
}

TEST_F(SpellDialogModelTest, SuggestionClicksAndTheWordField) {
  text = "tet";
  c.CheckString(text);
  ASSERT_GE(model.Suggestions().size(), 2u);
  model.SelectSuggestion(1);
  EXPECT_EQ(model.SelectedSuggestion(), 1);
  EXPECT_EQ(model.Replacement(), model.Suggestions()[1]);
  model.SelectSuggestion(99);  // out of range: unchanged
  EXPECT_EQ(model.SelectedSuggestion(), 1);
  model.CopyWordToReplacement();
  EXPECT_EQ(model.Replacement(), "tet");
  const std::string second = model.Suggestions()[1];
  model.ChangeToSuggestion(1);  // double click changes at once
  EXPECT_EQ(text, second);
}

TEST_F(SpellDialogModelTest, CommandSetsDecideButtons) {
  c.CommandsVisible.Set(sdcOptions, false).Set(sdcAdd, false);
  c.CommandsEnabled.Set(sdcIgnore, false).Set(sdcChangeAll, false);
  text = "tset";
  c.CheckString(text);
  EXPECT_FALSE(model.State(dcOptions).visible);
  EXPECT_FALSE(model.State(dcAdd).visible);
  EXPECT_TRUE(model.State(dcIgnoreAll).visible);
  // Undo takes the Options button's place.
  EXPECT_EQ(model.Layout(dcUndo).Top, model.Layout(dcOptions).Top);
  EXPECT_EQ(model.Layout(dcUndo).Left, 8);
  // A command that is not enabled stays disabled from the first word on.
  EXPECT_FALSE(Enabled(dcIgnore));
  EXPECT_FALSE(Enabled(dcChangeAll));
  EXPECT_TRUE(Enabled(dcChange));
  model.Press(dcIgnore);
  EXPECT_TRUE(c.Checking());
  model.Press(dcAdd);  // hidden
  EXPECT_TRUE(c.Checking());
  // Help needs a help topic besides its command.
  EXPECT_FALSE(model.State(dcHelp).visible);
  c.Cancel();
  c.HelpCtxSpellDialog = 12;
  c.CommandsEnabled.Set(sdcCancel, false);
  c.CheckString(text);
  EXPECT_TRUE(model.State(dcHelp).visible);
  EXPECT_FALSE(Enabled(dcCancel));
  model.Press(dcCancel);
  EXPECT_TRUE(c.Checking());
  c.Cancel();
}

TEST_F(SpellDialogModelTest, WithoutActiveCustomDictionaryAddStaysOff) {
  test::ScratchDir other("spelldialog-nocustom");
  test::WriteBytes(other.File("test.qxm"), test::ReadBytes(dir.File("test.qxm")));
  TSpellCheckerBase plain(Settings(other, false));
  TSpellDialogModel m(plain);
  ModelHooks h;
  h.model = &m;
  plain.UIType = suiDialog;
  plain.SetDialogHooks(&h);
  std::string t = "tset";
  plain.CheckString(t);
  ASSERT_EQ(m.Word(), "tset");
  EXPECT_FALSE(m.State(dcAdd).enabled);
  EXPECT_FALSE(m.State(dcAutoCorrect).enabled);
  m.SetReplacement("best");
  EXPECT_FALSE(m.State(dcAutoCorrect).enabled);
  EXPECT_TRUE(m.State(dcChange).enabled);
  plain.Cancel();
}

TEST_F(SpellDialogModelTest, LeavingAndComingBack) {
  text = "a tset the the end";
  c.CheckString(text);
  model.Deactivate();
  for (int i = 0; i < kSpellDialogControlCount; ++i) {
    const auto ctl = TSpellDialogControl(i);
    EXPECT_EQ(Enabled(ctl), ctl == dcHelp || ctl == dcCancel) << i;
  }
  model.SetReplacement("tst");  // typing while away enables nothing
  EXPECT_FALSE(Enabled(dcChange));
  EXPECT_TRUE(model.Activate());
  EXPECT_FALSE(model.Activate());  // only once
  EXPECT_TRUE(Enabled(dcChange));
  EXPECT_TRUE(Enabled(dcSuggestions));
  EXPECT_TRUE(Enabled(dcAdd));
  // The user edited the text meanwhile; resuming finds the word where it is.
  text = "a b tset the the end";
  c.Resume();
  EXPECT_EQ(model.Word(), "tset");
  model.Press(dcIgnore);
  ASSERT_TRUE(model.Repeated());
  // Coming back to a repeated word offers only its commands again.
  model.Deactivate();
  EXPECT_TRUE(model.Activate());
  EXPECT_TRUE(Enabled(dcChange));
  EXPECT_FALSE(Enabled(dcAdd));
  EXPECT_FALSE(Enabled(dcReplaceEdit));
  c.Cancel();
}

// ------------------------------------------------------------ placement

TSpellDialogPlaceInput Screen() {
  TSpellDialogPlaceInput in;
  in.workArea = {0, 0, 1000, 700};
  in.screen = {0, 0, 1000, 740};
  in.desktop = {-800, 0, 1000, 740};
  in.dialog = {0, 0, 440, 200};
  return in;
}

TEST(SpellDialogPlacement, StaysOnTheWorkArea) {
  const TWordRect area{0, 0, 1000, 700};
  EXPECT_EQ(KeepInside({900, 650, 1340, 850}, area).Left, 560);  // moved left
  EXPECT_EQ(KeepInside({900, 650, 1340, 850}, area).Top, 500);   // and up
  EXPECT_EQ(KeepInside({-50, -20, 390, 180}, area).Left, 0);
  EXPECT_EQ(KeepInside({-50, -20, 390, 180}, area).Top, 0);
  // Larger than the area: the title bar stays reachable.
  const TWordRect big = KeepInside({300, 300, 1500, 1200}, area);
  EXPECT_EQ(big.Left, 0);
  EXPECT_EQ(big.Top, 0);
  EXPECT_EQ(big.Right - big.Left, 1200);

  // The stored place of the last check, from a monitor no longer there.
  TSpellDialogPlaceInput in = Screen();
  in.storedX = 1800;
  in.storedY = 900;
  TWordRect r = InitialDialogPlace(ipLastUserPos, in);
  EXPECT_EQ(r.Left, 560);
  EXPECT_EQ(r.Top, 500);
  EXPECT_EQ(r.Right - r.Left, 440);
  in.storedX = 120;
  in.storedY = 80;
  r = InitialDialogPlace(ipLastUserPos, in);
  EXPECT_EQ(r.Left, 120);
  EXPECT_EQ(r.Top, 80);
  // Stored values are whatever the registry held.
  in.storedX = INT32_MAX;
  in.storedY = INT32_MIN;
  r = InitialDialogPlace(ipLastUserPos, in);
  EXPECT_EQ(r.Left, 560);
  EXPECT_EQ(r.Top, 0);
  // No stored place yet: beside the control.
  in.storedX = in.storedY = -1;
  in.control = {100, 100, 500, 300};
  r = InitialDialogPlace(ipLastUserPos, in);
  EXPECT_EQ(r.Left, 100);
  EXPECT_EQ(r.Top, 300);
  r = InitialDialogPlace(ipScreenCenter, in);
  EXPECT_EQ(r.Left, 280);
  EXPECT_EQ(r.Top, 270);
  r = InitialDialogPlace(ipDesktopCenter, in);
  EXPECT_EQ(r.Left, -120);
}

TEST(SpellDialogPlacement, BesideTheControlAndOffTheWord) {
  TSpellDialogPlaceInput in = Screen();
  // Below, then right, above, left of the control.
  in.control = {100, 100, 500, 600};
  TWordRect r = BesideControl(in);
  EXPECT_EQ(r.Left, 500);
  EXPECT_EQ(r.Top, 100);
  in.control = {300, 400, 700, 690};
  r = BesideControl(in);
  EXPECT_EQ(r.Left, 300);
  EXPECT_EQ(r.Top, 200);
  in.control = {500, 100, 900, 690};
  r = BesideControl(in);
  EXPECT_EQ(r.Left, 60);
  EXPECT_EQ(r.Top, 100);
  // A control filling the screen: next to the word, or centred over it.
  in.control = {0, 0, 1000, 700};
  in.word = {950, 600, 990, 616};
  r = BesideControl(in);
  EXPECT_EQ(r.Left, 560);  // held inside the right edge
  EXPECT_EQ(r.Top, 400);   // above the word: below passes the bottom
  in.showImmediate = true;
  r = BesideControl(in);
  EXPECT_EQ(r.Left, 280);
  EXPECT_EQ(r.Top, 250);

  // Off the word: saAvoid moves only a dialog that covers the word.
  in = Screen();
  in.word = {600, 500, 650, 516};
  in.dialog = {0, 0, 440, 200};
  r = AvoidWordPlace(saAvoid, in);
  EXPECT_EQ(r.Left, 0);
  EXPECT_EQ(r.Top, 0);
  in.dialog = {500, 400, 940, 600};
  r = AvoidWordPlace(saAvoid, in);
  EXPECT_EQ(r.Left, 560);
  EXPECT_EQ(r.Top, 300);
  r = AvoidWordPlace(saAvoidUpDown, in);
  EXPECT_EQ(r.Left, 500);
  EXPECT_EQ(r.Top, 300);
  in.dialog = {0, 0, 440, 200};
  r = AvoidWordPlace(saMove, in);
  EXPECT_EQ(r.Left, 560);
  EXPECT_EQ(r.Top, 300);
  EXPECT_EQ(AvoidWordPlace(saNone, in).Left, 0);
  in.word = {};  // the source cannot tell where the word is
  EXPECT_EQ(AvoidWordPlace(saMove, in).Top, 0);
}

// ------------------------------------------------------------ texts

TEST(SpellStrings, IndexesLanguagesAndReplacement) {
  // The windows' tables hold exactly the texts of the indexes they serve.
  for (int i = 0; i < 66; ++i)
    EXPECT_EQ(SpellStringFromTables(i, UiLanguage::English), SpellStringEnglish(i)) << i;
  EXPECT_EQ(SpellStringEnglish(59), "(no suggestions)");
  EXPECT_EQ(SpellStringEnglish(66), "");
  EXPECT_EQ(SpellStringEnglish(-1), "");
  for (int i = 0; i < kUiLanguageCount; ++i)
    EXPECT_EQ(int(UiLanguageOf(SpellLanguageOf(UiLanguage(i)))), i);
  EXPECT_EQ(UiLanguageOf(ltRussian), UiLanguage::English);

  test::ScratchDir d("spellstrings");
  TSpellCheckerBase c{[&] {
    TSpellConfigSettings s;
    s.ConfigStorage = TConfigStorage::csNone;
    s.ConfigDictionaryDir = {d.path().string()};
    return s;
  }()};
  EXPECT_EQ(c.GetString(13), "Spelling");
  c.UILanguage = ltGerman;
  EXPECT_EQ(c.GetString(13), "Rechtschreibung");
  EXPECT_EQ(c.GetString(2), "Wörter in &GROSSBUCHSTABEN ignorieren");
  c.UILanguage = ltRussian;  // no Russian texts: English
  EXPECT_EQ(c.GetString(56), "The spelling check is complete.");
  c.OnGetString = [](int index, std::string& t) {
    if (index == 56) t = "Done.";
  };
  EXPECT_EQ(c.GetString(56), "Done.");
  EXPECT_EQ(c.GetString(13), "Spelling");

  // The end message speaks the checker's language.
  ModelHooks hooks;
  TSpellDialogModel m(c);
  hooks.model = &m;
  c.OnGetString = nullptr;
  c.UILanguage = ltSwedish;
  c.UIType = suiDialog;
  c.EndMessageWordCount = true;
  c.SetDialogHooks(&hooks);
  std::string t = "x y";
  c.CheckString(t);
  ASSERT_EQ(hooks.messages.size(), 1u);
  EXPECT_EQ(hooks.messages[0], "Stavning|Stavningskontrollen är klar.\n\nKontrollerade ord: 2");
}

}  // namespace
}  // namespace wx
