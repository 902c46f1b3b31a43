// The thesaurus session and the standard dialog's behaviour, driven through a
// form without a window: its "user" is a script run while the form is shown.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <stdexcept>

#include "thesaurus/ThesDialogModel.h"
#include "thesaurus/ThesaurusBase.h"
#include "thesaurus/ThesaurusFixture.h"

namespace fs = std::filesystem;
using namespace wx;

namespace {

using Words = std::vector<std::string>;

class ScriptForm : public TThesaurusForm {
 public:
  explicit ScriptForm(std::function<void(ScriptForm&)> user) : model(ctrl), user_(std::move(user)) {}
  TThesaurusDialogCtrl* FindDialogCtrl() override { return &ctrl; }
  void Center() override { centred = true; }
  TModalResult ShowModal() override {
    showing_ = true;
    result_ = TModalResult::mrNone;
    if (OnShow) OnShow();
    if (user_) user_(*this);
    if (showing_) model.Close();  // the user closes the window (Esc, title bar)
    showing_ = false;
    return result_;
  }
  void SetModalResult(TModalResult r) override {
    result_ = r;
    showing_ = false;
  }
  bool Showing() const override { return showing_; }

  TThesaurusDialogCtrl ctrl;
  TThesDialogModel model;
  bool centred = false;

 private:
  std::function<void(ScriptForm&)> user_;
  bool showing_ = false;
  TModalResult result_ = TModalResult::mrNone;
};

class ScriptThesaurus : public TThesaurusBase {
 public:
  std::function<void(ScriptForm&)> user;
  int formsMade = 0;

 protected:
  std::unique_ptr<TThesaurusForm> CreateDialog() override {
    ++formsMade;
    return std::make_unique<ScriptForm>(user);
  }
};

class Session : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("wx-thes-session-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    file_ = (dir_ / "Thesaurus.qxt").string();
    std::ofstream(file_, std::ios::binary) << wx::test::BuildFixture();
    t.ExpandFileName = [this](const std::string& name) {
      std::string s = name;
      size_t at = s.find("%AppDir%");
      if (at != std::string::npos) s.replace(at, 8, dir_.string());
      return s;
    };
    t.SetFilename("%AppDir%/Thesaurus.qxt");
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Run(const std::string& word, std::function<void(ScriptForm&)> user) {
    t.user = std::move(user);
    std::string replacement = "untouched";
    t.ShowThesaurusAt(word, replacement);
    return replacement;
  }

  fs::path dir_;
  std::string file_;
  ScriptThesaurus t;
};

TEST_F(Session, ChoosingAWordReplacesAndReleasesTheData) {
  ASSERT_EQ(t.File().FileName(), file_);
  bool sawState = false;
  std::string result = Run("car", [&](ScriptForm& f) {
    const auto& m = f.model;
    EXPECT_TRUE(f.centred);
    EXPECT_EQ(m.caption, "Thesaurus: Test Thesaurus");
    EXPECT_EQ(m.buttonTexts[1], "&Lookup");
    EXPECT_EQ(m.history, Words{"car"});
    EXPECT_EQ(m.historySelected, 0);
    ASSERT_EQ(m.contextRows.size(), 2u);
    EXPECT_EQ(m.contextRows[0].word, "car");
    EXPECT_EQ(m.contextRows[0].kindName, "noun");
    EXPECT_EQ(m.contextRows[1].kindName, "verb");
    EXPECT_EQ(m.contextSelected, 0);
    EXPECT_EQ(m.words, (Words{"car", "automobile", "auto", "vehicle"}));
    // The looked-up word is selected and centred, the edit stays empty.
    EXPECT_EQ(m.wordSelected, 0);
    EXPECT_TRUE(m.timerRunning);
    EXPECT_EQ(m.replaceText, "");
    EXPECT_FALSE(m.replaceEnabled);
    EXPECT_FALSE(m.lookupEnabled);
    EXPECT_FALSE(m.previousEnabled);
    f.model.SelectWordRow(1);
    EXPECT_EQ(m.replaceText, "automobile");
    EXPECT_TRUE(m.replaceEnabled);
    EXPECT_TRUE(m.lookupEnabled);
    sawState = true;
    f.model.ReplaceButton();
    EXPECT_FALSE(f.Showing());
  });
  EXPECT_TRUE(sawState);
  EXPECT_EQ(result, "automobile");
  EXPECT_EQ(t.ReplacementWord(), "automobile");
  EXPECT_FALSE(t.File().Loaded());  // loaded only for the session
  EXPECT_FALSE(t.InSession());
  EXPECT_EQ(t.DialogForm(), nullptr);
}

TEST_F(Session, HistoryPreviousAndLookup) {
  std::string result = Run("car", [&](ScriptForm& f) {
    auto& m = f.model;
    m.TimerFired();
    EXPECT_FALSE(m.timerRunning);
    m.ReplaceTextChanged("box");  // typed into the edit
    EXPECT_TRUE(m.lookupEnabled);
    m.LookupButton();
    EXPECT_EQ(m.history, (Words{"box", "car"}));
    EXPECT_TRUE(m.previousEnabled);
    ASSERT_EQ(m.contextRows.size(), 1u);
    EXPECT_EQ(m.contextRows[0].word, "carton");
    EXPECT_EQ(m.words, (Words{"station", "nation"}));  // kind 4 shows list 4
    EXPECT_EQ(m.wordSelected, -1);                      // "box" is not among them
    EXPECT_FALSE(m.timerRunning);
    EXPECT_FALSE(m.lookupEnabled);
    EXPECT_FALSE(m.replaceEnabled);

    m.PreviousButton();
    EXPECT_EQ(m.history, Words{"car"});  // the first word alone on top again
    EXPECT_FALSE(m.previousEnabled);
    EXPECT_EQ(m.contextRows[0].word, "car");

    // The same word in another case does not duplicate the history.
    m.ChooseHistory(0);
    f.ctrl.LookupWord("CAR");
    EXPECT_EQ(m.history, Words{"CAR"});
    EXPECT_EQ(m.words, (Words{"CAR", "AUTOMOBILE", "AUTO", "VEHICLE"}));
    EXPECT_EQ(m.wordSelected, 0);  // found ignoring case
    m.ChooseHistory(5);            // no such entry: nothing
    EXPECT_EQ(m.history, Words{"CAR"});

    // A second meaning whose kind picks an empty list.
    m.SelectContextRow(1);
    EXPECT_TRUE(m.words.empty());
  });
  EXPECT_EQ(result, "");  // closed without Replace
}

TEST_F(Session, NotFoundThenLookupOfATypedWord) {
  std::string result = Run("zebra", [&](ScriptForm& f) {
    auto& m = f.model;
    EXPECT_EQ(m.history, Words{"zebra"});
    EXPECT_FALSE(m.contextsEnabled);
    EXPECT_TRUE(m.contextRows.empty());
    EXPECT_EQ(m.notFoundText, "(not found)");
    EXPECT_TRUE(m.words.empty());
    m.SelectContextRow(0);  // the disabled list cannot select
    EXPECT_TRUE(m.words.empty());
    m.ReplaceTextChanged("cart");
    m.LookupButton();
    EXPECT_TRUE(m.contextsEnabled);
    EXPECT_EQ(m.words, (Words{"cart", "wagon"}));
    m.SelectWordRow(0);  // the looked-up word itself: the edit stays empty
    EXPECT_EQ(m.replaceText, "");
    EXPECT_FALSE(m.replaceEnabled);
    m.ReplaceButton();  // disabled: nothing happens
    EXPECT_TRUE(f.Showing());
  });
  EXPECT_EQ(result, "");
}

TEST_F(Session, ATypedReplacementKeepsCharactersOutsideTheCodePage) {
  const std::string typed = "caf\xC3\xA9 \xE2\x86\x92 \xE6\x97\xA5";  // "café → 日" in UTF-8
  std::string result = Run("car", [&](ScriptForm& f) {
    auto& m = f.model;
    m.ReplaceTextChanged(typed);
    EXPECT_EQ(m.replaceText, "caf\xE9 ? ?");  // what a lookup would take
    EXPECT_TRUE(m.replaceEnabled);
    m.ReplaceButton();
    EXPECT_FALSE(f.Showing());
  });
  EXPECT_EQ(result, "caf\xE9 ? ?");
  EXPECT_EQ(t.ReplacementText(), typed);  // what Replace pastes

  // A word chosen from the list comes back the same both ways.
  result = Run("car", [&](ScriptForm& f) {
    f.model.SelectWordRow(1);
    EXPECT_EQ(f.model.replaceTyped, "automobile");
    f.model.ReplaceButton();
  });
  EXPECT_EQ(result, "automobile");
  EXPECT_EQ(t.ReplacementText(), "automobile");
}

TEST_F(Session, DoubleClickActions) {
  t.DoubleClickAction = TDialogDoubleClickAction::dcaLookup;
  std::string result = Run("car", [&](ScriptForm& f) {
    f.model.SelectWordRow(3);
    f.model.WordListDoubleClick(-1);  // empty space: not the selected row
    EXPECT_EQ(f.model.history, Words{"car"});
    f.model.WordListDoubleClick(1);  // the clicked row, whatever is selected
    EXPECT_TRUE(f.Showing());  // a lookup never closes the dialog
    EXPECT_EQ(f.model.history, (Words{"automobile", "car"}));
  });
  EXPECT_EQ(result, "");

  t.DoubleClickAction = TDialogDoubleClickAction::dcaReplace;
  result = Run("car", [&](ScriptForm& f) {
    f.model.SelectWordRow(3);
    f.model.WordListDoubleClick(-1);
    EXPECT_TRUE(f.Showing());
    f.model.WordListDoubleClick(3);
    EXPECT_FALSE(f.Showing());
  });
  EXPECT_EQ(result, "vehicle");

  t.DoubleClickAction = TDialogDoubleClickAction::dcaNone;
  result = Run("car", [&](ScriptForm& f) {
    f.model.WordListDoubleClick(3);
    EXPECT_TRUE(f.Showing());
    EXPECT_EQ(f.model.history, Words{"car"});
  });
  EXPECT_EQ(result, "");
}

TEST_F(Session, CommandsDisabledOrHidden) {
  t.CommandsEnabled.Set(tdcPrevious, false).Set(tdcReplace, false);
  t.CommandsVisible.Set(tdcLookedUp, false).Set(tdcClose, false);
  Run("car", [&](ScriptForm& f) {
    auto& m = f.model;
    EXPECT_FALSE(m.lookedUpVisible);
    EXPECT_EQ(m.contextsShift, 48);
    EXPECT_FALSE(m.closeVisible);
    EXPECT_TRUE(m.closeEnabled);
    m.SelectWordRow(1);
    EXPECT_TRUE(m.lookupEnabled);
    EXPECT_FALSE(m.replaceEnabled);
    m.LookupButton();
    EXPECT_EQ(m.history.size(), 2u);
    EXPECT_FALSE(m.previousEnabled);
    m.PreviousButton();  // disabled
    EXPECT_EQ(m.history.size(), 2u);
  });
}

TEST_F(Session, MissingDataLeavesTheResultAlone) {
  ScriptThesaurus other;
  other.ExpandFileName = nullptr;
  other.SetFilename((dir_ / "none.qxt").string());
  std::string replacement = "keep";
  other.ShowThesaurusAt("car", replacement);
  EXPECT_EQ(replacement, "keep");
  EXPECT_EQ(other.formsMade, 0);
  EXPECT_FALSE(other.InSession());

  // A file that cannot be read as a thesaurus behaves the same.
  std::ofstream(file_, std::ios::binary | std::ios::trunc) << "not a thesaurus";
  ScriptThesaurus bad;
  bad.ExpandFileName = nullptr;
  bad.SetFilename(file_);
  bad.ShowThesaurusAt("car", replacement);
  EXPECT_EQ(replacement, "keep");
  EXPECT_EQ(bad.formsMade, 0);
}

TEST_F(Session, OneSessionAtATimeAndStateSurvivesExceptions) {
  t.File().SetLoaded(true);
  Run("car", [&](ScriptForm&) {
    std::string inner = "inner";
    t.ShowThesaurusAt("box", inner);  // a second session while one runs
    EXPECT_EQ(inner, "inner");
  });
  EXPECT_TRUE(t.File().Loaded());  // loaded before, so kept

  t.File().SetLoaded(false);
  EXPECT_THROW(Run("car", [](ScriptForm&) { throw std::runtime_error("boom"); }),
               std::runtime_error);
  EXPECT_FALSE(t.InSession());
  EXPECT_FALSE(t.File().Loaded());
  EXPECT_EQ(t.DialogForm(), nullptr);
  EXPECT_EQ(Run("car", [](ScriptForm& f) { f.ctrl.Replace("auto"); }), "auto");
}

TEST_F(Session, EventsWithoutAFormAndSortedLists) {
  Words contexts, shown;
  t.OnCreateThesaurusDialog = [](void*, std::unique_ptr<TThesaurusForm>&, bool) {};  // declines
  t.OnPromptLookup = [&](void*, const std::string& word, const TContextList& list) {
    EXPECT_EQ(word, "car");
    contexts.clear();
    for (const auto& m : list) contexts.push_back(m->contextWord);
  };
  t.OnPromptContext = [&](void*, const Words& words) { shown = words; };
  t.SortedLists = true;
  std::string replacement = "x";
  t.ShowThesaurusAt("car", replacement);
  EXPECT_EQ(replacement, "");
  EXPECT_EQ(contexts, (Words{"car", "cart"}));

  t.File().Lookup("car");
  t.SelectContext(0);
  EXPECT_EQ(shown, (Words{"auto", "automobile", "car", "vehicle"}));
  t.SelectContext(7);  // outside the meanings: nothing
  EXPECT_EQ(shown.size(), 4u);

  // A form supplied by the event is attached, shown and handed back.
  bool disposed = false;
  t.OnCreateThesaurusDialog = [&](void*, std::unique_ptr<TThesaurusForm>& form, bool create) {
    if (create)
      form = std::make_unique<ScriptForm>([](ScriptForm& f) { f.model.SelectWordRow(1); f.model.ReplaceButton(); });
    else
      disposed = form != nullptr;
  };
  t.SortedLists = false;
  t.ShowThesaurusAt("car", replacement);
  EXPECT_EQ(replacement, "automobile");
  EXPECT_TRUE(disposed);
}

TEST(ThesaurusBase, KindPicksTheWordList) {
  TThesaurusEntry m;
  m.contextWord = "Big";
  m.lists = {Words{"one"}, Words{"two"}, Words{"large", "big"}, Words{"four"}};
  for (int k = 1; k <= 4; ++k) {
    m.kind = k;
    EXPECT_EQ(TThesaurusBase::ContextWords(m), m.lists[size_t(k - 1)]);
  }
  m.kind = 0;  // the list holding the context word, ignoring case
  EXPECT_EQ(TThesaurusBase::ContextWords(m), m.lists[2]);
  m.contextWord = "elsewhere";  // in no list: list 1
  EXPECT_EQ(TThesaurusBase::ContextWords(m), m.lists[0]);
}

TEST(ThesaurusBase, TextsInEveryLanguage) {
  TThesaurusBase t;
  for (int l = 0; l <= int(TThesaurusLanguageType::ltSwedish); ++l)
    for (int i = 0; i <= 8; ++i)
      EXPECT_FALSE(ThesaurusText(TThesaurusLanguageType(l), i).empty()) << l << " " << i;
  EXPECT_EQ(ThesaurusText(TThesaurusLanguageType::ltEnglish, 9), "");
  EXPECT_EQ(ThesaurusText(TThesaurusLanguageType(42), 1), "");
  EXPECT_EQ(ThesaurusText(TThesaurusLanguageType::ltBrPortuguese, 1), "Consult&ar:");
  EXPECT_EQ(ThesaurusText(TThesaurusLanguageType::ltStdPortuguese, 1), "Consult&ado:");
  EXPECT_EQ(ThesaurusText(TThesaurusLanguageType::ltGerman, 7), "&Schließen");

  t.UILanguage = TThesaurusLanguageType::ltRussian;
  EXPECT_EQ(t.GetString(0), "Тезаурус: ");  // no file: an empty name
  EXPECT_EQ(t.GetString(8), "(нет вариантов)");
  t.OnGetString = [](void*, int index, std::string& text) {
    if (index == 0) text = "%name% - %name%";
    if (index == 5) text = "Find";
  };
  EXPECT_EQ(t.GetString(5), "Find");
  EXPECT_EQ(t.GetString(0), " - %name%");  // only the first occurrence
  EXPECT_EQ(t.GetString(-1), "");

  TThesaurusDialogCtrl lonely;  // no component attached: every call is harmless
  std::string text = "x";
  lonely.GetString(1, text);
  EXPECT_EQ(text, "");
  lonely.LookupWord("car");
  lonely.SelectContext(0);
  lonely.Replace("car");
  lonely.CloseDialog();
}

}  // namespace
