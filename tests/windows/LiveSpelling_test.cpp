// Live spelling driven like a user: text typed into a view over plain
// strings, marks read back per line, the suggestion menu answered through the
// checker's menu hook, corrections while typing, and the checker's listener
// lists that keep the marks in step.
#include "windows/LiveSpelling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "common/Captions.h"
#include "spelling/TestFiles.h"

using namespace wx;

namespace {

// Paragraphs of UTF-16 text shown as rows (a paragraph longer than `wrap`
// characters wraps after its last space that fits, as a rich edit wraps to
// its width); a line break counts as one character. Rows are 10 pixels high
// and characters 7 wide. Every question a rich edit answers by walking its
// text is counted.
class FakeView : public TLiveTextView {
 public:
  std::vector<std::u16string> lines{u""};  // paragraphs
  int selStart = 0, selEnd = 0;
  bool readOnly = false;
  bool window = true;
  bool reportsState = true;  // false: the model keeps nothing between calls
  int wrap = 0;              // 0: rows are paragraphs
  int firstVisible = 0, lastVisible = 1000;
  std::vector<int> invalidatedLines;
  int invalidatedAll = 0;
  int updates = 0;
  bool busyCursor = false;
  int positionQuestions = 0;  // line indexes, rows, lines of characters and left edges asked
  int lineTexts = 0;

  struct Row {
    int start = 0, length = 0;  // length without the line break
  };
  std::vector<Row> Rows() const {
    std::vector<Row> rows;
    int at = 0;
    for (const std::u16string& p : lines) {
      size_t from = 0;
      while (wrap > 0 && p.size() - from > size_t(wrap)) {
        const size_t space = p.rfind(u' ', from + size_t(wrap) - 1);
        const size_t cut = space != std::u16string::npos && space >= from ? space + 1 : from + size_t(wrap);
        rows.push_back({at + int(from), int(cut - from)});
        from = cut;
      }
      rows.push_back({at + int(from), int(p.size() - from)});
      at += int(p.size()) + 1;
    }
    return rows;
  }
  int RowOf(int index) const {
    const std::vector<Row> rows = Rows();
    for (size_t i = 0; i + 1 < rows.size(); ++i)
      if (index < rows[i + 1].start) return int(i);
    return int(rows.size()) - 1;
  }

  void SetText(const std::u16string& text) {
    lines.assign(1, u"");
    for (char16_t c : text) {
      if (c == u'\r')
        lines.emplace_back();
      else
        lines.back().push_back(c);
    }
  }
  std::u16string Text() const {
    std::u16string t;
    for (size_t i = 0; i < lines.size(); ++i) t += (i ? u"\r" : u"") + lines[i];
    return t;
  }
  TEditProbe Probe() const { return {selStart, selEnd, int(Text().size())}; }
  // Replaces [start, end) as the control would and tells the model what its
  // probes before and after show.
  void Edit(TLiveRichEdit& live, int start, int end, const std::u16string& text, bool textKnown = true) {
    SetSelection(start, end);
    const TEditProbe before = Probe();
    const unsigned generation = live.EditGeneration();
    ReplaceSelection(text);
    TInferredEdit e;
    const int count = int(text.size());
    if (InferEdit(TEditKind::Replacement, count, before, Probe(), e) == TInference::Known)
      live.Edited(generation, e.At, e.Removed, e.Inserted, textKnown ? &text : nullptr);
    else
      live.LayoutChanged();
  }
  // Types text at the caret as a user would: a key press per character.
  void Type(TLiveRichEdit& live, const std::u16string& text) {
    for (char16_t c : text) {
      Edit(live, selStart, selEnd, std::u16string(1, c));
      live.KeyPressed(c);
      live.SelectionChanged();
      live.KeyReleased();
    }
  }

  bool HasWindow() override { return window; }
  bool ReadOnly() override { return readOnly; }
  int LineCount() override { return int(Rows().size()); }
  int FirstVisibleLine() override {
    ++positionQuestions;
    return firstVisible;
  }
  int LastVisibleLine() override { return std::min(lastVisible, LineCount() - 1); }
  int LineIndex(int line) override {
    ++positionQuestions;
    const std::vector<Row> rows = Rows();
    return line < 0 || line >= int(rows.size()) ? -1 : rows[size_t(line)].start;
  }
  int LineFromChar(int index) override {
    ++positionQuestions;
    return RowOf(index);
  }
  int CharTop(int index) override {
    ++positionQuestions;
    return (RowOf(index) - firstVisible) * 10;
  }
  int CharLeft(int index) override {
    ++positionQuestions;
    return (index - Rows()[size_t(RowOf(index))].start) * 7;
  }
  int LineAtRow(int y) override {
    ++positionQuestions;
    return std::clamp(firstVisible + y / 10, 0, LineCount() - 1);
  }
  std::u16string LineText(int line) override {
    ++lineTexts;
    const Row row = Rows().at(size_t(line));
    return Text().substr(size_t(row.start), size_t(row.length));
  }
  std::u16string TextRange(int start, int end) override {
    ++lineTexts;
    const std::u16string all = Text();
    if (end < 0 || end > int(all.size())) end = int(all.size());
    return start >= end ? std::u16string() : all.substr(size_t(start), size_t(end - start));
  }
  bool ReadState(TViewState& state) override {
    if (!reportsState) return false;
    state.ScrollY = firstVisible * 10;
    state.Width = wrap * 7;
    state.Height = 250;
    state.Length = int(Text().size());
    state.Lines = LineCount();
    return true;
  }
  bool EditKeepsLeftPart() override { return true; }
  void GetSelection(int& s, int& e) override {
    s = selStart;
    e = selEnd;
  }
  void SetSelection(int s, int e) override {
    selStart = s;
    selEnd = e;
  }
  void ReplaceSelection(const std::u16string& text) override {
    std::u16string all = Text();
    all.replace(size_t(selStart), size_t(selEnd - selStart), text);
    SetText(all);
    selStart = selEnd = selStart + static_cast<int>(text.size());
  }
  void InvalidateLine(int line) override { invalidatedLines.push_back(line); }
  void InvalidateAll() override { ++invalidatedAll; }
  void BeginUpdate() override { ++updates; }
  void SetBusyCursor(bool on) override { busyCursor = on; }
};

const std::vector<std::string> kWords = {"a",   "of",   "the",  "text", "test", "is", "here", "and", "cat",
                                         "sat", "mat",  "on",   "word", "big",  "red", "there", "dog", "caf\xE9"};

TSpellConfigSettings Settings(const test::ScratchDir& dir) { return test::ScratchSpellSettings(dir); }

class Live : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(test::WriteTestMainDictionary(dir, kWords, error)) << error;
    live.SetView(&view);
    live.SetSpellEngine(&checker);
    ASSERT_TRUE(live.SpellingActive());
  }
  // The marked words of a line, as text.
  std::vector<std::string> Marked(int line, int caret = -1) {
    std::vector<std::string> out;
    for (const TSpellingError& e : live.CheckLine(line, caret))
      out.push_back(Utf16ToUtf8(view.lines[size_t(line)].substr(size_t(e.Start), size_t(e.End - e.Start))));
    return out;
  }
  // Answers the next menu with this tag and word; records the entries shown.
  void AnswerMenu(TSpellPopupOption tag, const std::string& word = {}) {
    checker.OnPopupDoMenu = [this, tag, word](const std::vector<TPopupItem>& items, int, int, int& action,
                                              std::string& chosen) {
      shownMenu = items;
      action = tag;
      chosen = word;
    };
  }
  bool MenuHas(int tag) const {
    for (const auto& i : shownMenu) {
      if (i.Tag == tag) return true;
      for (const auto& c : i.Children)
        if (c.Tag == tag) return true;
    }
    return false;
  }

  test::ScratchDir dir{"live"};
  TSpellCheckerBase checker{Settings(dir)};
  FakeView view;
  TLiveRichEdit live;
  std::vector<TPopupItem> shownMenu;
};

}  // namespace

TEST(EventList, OrderDuplicatesAndRemovalWhileNotifying) {
  TEventList<int> list;
  std::vector<std::string> calls;
  int a = 0, b = 0, c = 0;
  list.Add(&a, [&](int v) { calls.push_back("a" + std::to_string(v)); });
  list.Add(&b, [&](int v) {
    calls.push_back("b" + std::to_string(v));
    list.Remove(&c);                                     // c is not called after its removal
    list.Add(&b, [&](int w) { calls.push_back("B" + std::to_string(w)); });  // same place, new handler
  });
  list.Add(&c, [&](int v) { calls.push_back("c" + std::to_string(v)); });
  list.Add(&a, [&](int v) { calls.push_back("A" + std::to_string(v)); });  // no duplicate: replaces a
  EXPECT_EQ(list.Count(), 3u);
  list.Notify(1);
  list.Notify(2);
  EXPECT_EQ(calls, (std::vector<std::string>{"A1", "b1", "A2", "B2"}));
  EXPECT_FALSE(list.Contains(&c));
}

TEST_F(Live, CheckerRaisesItsListenerLists) {
  int applied = 0, changed = 0, configChanged = 0;
  std::vector<std::pair<bool, int>> skipped;
  std::vector<TSpellPopupOption> results;
  checker.OptionsAppliedList.Add(this, [&] { ++applied; });
  checker.ConfigChangedList.Add(this, [&] { ++changed; });
  checker.OnConfigChanged = [&] { ++configChanged; };
  checker.WordSkippedList.Add(this, [&](bool before, int state) { skipped.push_back({before, state}); });
  checker.PopupResultList.Add(this, [&](TSpellPopupOption r) { results.push_back(r); });

  TSpellOptions o = checker.Options();
  o.Set(soNumbers, !o.Has(soNumbers));
  checker.Config().SetOptions(o);  // the configuration reports the change
  EXPECT_GE(applied, 1);
  EXPECT_GE(changed, 1);
  EXPECT_EQ(changed, configChanged);

  std::string text = "a tset here";
  checker.CheckString(text);
  ASSERT_TRUE(checker.Checking());
  checker.IgnoreAll();
  EXPECT_EQ(skipped, (std::vector<std::pair<bool, int>>{{true, 11}, {false, 11}}));

  // The configuration's own events reach the checker's.
  TSpellCheckerBase fresh{Settings(dir)};
  int loaded = 0, saved = 0;
  fresh.OnConfigLoaded = [&] { ++loaded; };
  fresh.OnConfigSaved = [&] { ++saved; };
  fresh.SetOptions(TSpellOptions{soUpcase});
  fresh.Config().Save();
  EXPECT_EQ(loaded, 1);
  EXPECT_EQ(saved, 1);

  AnswerMenu(spIgnore);
  std::string word = "zzq";
  EXPECT_EQ(checker.ShowWordPopup(kDefaultLiveMenuOptions, word, 0, 0), spIgnore);
  EXPECT_EQ(results, (std::vector<TSpellPopupOption>{spIgnore}));
}

TEST_F(Live, MarksMisspelledWordsButNotTheOneBeingTyped) {
  view.SetText(u"a tset of teh text");
  EXPECT_EQ(Marked(0), (std::vector<std::string>{"tset", "teh"}));
  ASSERT_NE(live.Cache(0), nullptr);
  EXPECT_EQ(live.Cache(0)->Errors, (std::vector<TSpellingError>{{2, 6}, {10, 13}}));

  // Typing a new misspelled word: no mark while the caret is at its end.
  view.SetText(u"");
  view.Type(live, u"the cat sat on teh");
  EXPECT_EQ(Marked(0, view.selStart), std::vector<std::string>{});
  EXPECT_TRUE(live.Cache(0)->Dirty);
  // Moving the caret away asks for the line to be painted again, which marks it.
  view.invalidatedLines.clear();
  view.SetSelection(0, 0);
  live.SelectionChanged();
  EXPECT_EQ(view.invalidatedLines, std::vector<int>{0});
  EXPECT_EQ(Marked(0, 0), std::vector<std::string>{"teh"});
  EXPECT_FALSE(live.Cache(0)->Dirty);
  // Typing a space after it marks it as well.
  view.SetSelection(18, 18);
  view.Type(live, u" ");
  EXPECT_EQ(Marked(0, view.selStart), std::vector<std::string>{"teh"});
}

TEST_F(Live, NoStaleMarksAfterEditsOrInsertedLines) {
  view.SetText(u"one tset\rthe cat");
  EXPECT_EQ(Marked(0), (std::vector<std::string>{"one", "tset"}));
  EXPECT_EQ(Marked(1), std::vector<std::string>{});
  // A line inserted above: each line is compared with its cache by text.
  view.SetText(u"dogg\rone tset\rthe cat");
  EXPECT_EQ(Marked(0), std::vector<std::string>{"dogg"});
  EXPECT_EQ(Marked(1), (std::vector<std::string>{"one", "tset"}));
  EXPECT_EQ(Marked(2), std::vector<std::string>{});
  // The word corrected in place: its mark goes.
  view.lines[1] = u"a test";
  EXPECT_EQ(Marked(1), std::vector<std::string>{});
  // Lines longer than the checked part are marked only within it.
  std::u16string longLine(TLiveRichEdit::kMaxLineCheck - 2, u' ');
  view.lines[2] = longLine + u"tset zzzz";
  EXPECT_EQ(Marked(2), std::vector<std::string>{});
  view.lines[2] = longLine + u"x zzzz";
  EXPECT_EQ(Marked(2), std::vector<std::string>{});
}

TEST_F(Live, ActivationFollowsSwitchesEngineOptionsAndReadOnly) {
  view.SetText(u"a tset");
  EXPECT_EQ(Marked(0).size(), 1u);
  EXPECT_TRUE(checker.ConfigAvailableOptions.Has(soLiveSpelling));

  // The engine option switched off elsewhere: marks and caches go at once.
  TSpellOptions o = checker.Options();
  o.Set(soLiveSpelling, false);
  const int before = view.invalidatedAll;
  checker.Config().SetOptions(o);
  EXPECT_FALSE(live.SpellingActive());
  EXPECT_GT(view.invalidatedAll, before);
  EXPECT_EQ(live.Cache(0), nullptr);
  EXPECT_TRUE(Marked(0).empty());
  // A control that ignores the engine's options only needs its own switch.
  live.SetLiveSpellingOptions(false);
  EXPECT_TRUE(live.SpellingActive());
  live.SetLiveSpelling(false);
  EXPECT_FALSE(live.SpellingActive());
  live.SetLiveSpelling(true);

  // Read-only: no marks unless the control asks for them.
  view.readOnly = true;
  live.UpdateActivation();
  EXPECT_FALSE(live.SpellingActive());
  EXPECT_FALSE(live.CorrectionActive());
  live.SetLiveSpellingReadOnly(true);
  EXPECT_TRUE(live.SpellingActive());
  EXPECT_TRUE(live.CorrectionActive());

  // Without an engine or a window nothing is active.
  live.SetSpellEngine(nullptr);
  EXPECT_FALSE(live.SpellingActive());
  live.SetSpellEngine(&checker);
  view.window = false;
  live.UpdateActivation();
  EXPECT_FALSE(live.SpellingActive());
  EXPECT_TRUE(Marked(0).empty());
}

TEST_F(Live, ExcludedWordsAreMarkedAndIgnoreRulesApply) {
  checker.ActiveCustomDictionary()->AddExcluded("mat");
  view.SetText(u"the cat sat on the mat NASA b2b");
  EXPECT_EQ(Marked(0), std::vector<std::string>{"mat"});
  checker.UseExcludeWords = false;
  live.RecheckAll();
  EXPECT_EQ(Marked(0), std::vector<std::string>{});
}

TEST_F(Live, TextOutsideTheCodePageIsNeitherMarkedNorAltered) {
  checker.ActiveCustomDictionary()->AddAutoCorrect("teh", "the");
  // Greek, Cyrillic, CJK and an emoji (a surrogate pair) around and inside words.
  const std::u16string text = u"tset \u03b1\u03b2\u03b3 tset\u03a9 \u043c\u0438\u0440 \u65e5\u672c "
                              u"\U0001F600teh caf\u00e9 teh\u0436";
  view.SetText(text);
  EXPECT_EQ(Marked(0), std::vector<std::string>{"tset"});

  // Change All and correction while typing leave such words and the rest alone.
  EXPECT_EQ(live.ChangeAll(u"teh", u"the"), 0);
  EXPECT_EQ(view.Text(), text);
  view.SetSelection(static_cast<int>(text.size()), static_cast<int>(text.size()));
  view.Type(live, u" ");
  EXPECT_EQ(view.Text(), text + u" ");

  // The suggestion menu is not offered on them.
  int line = 0;
  TLiveWord w;
  EXPECT_FALSE(live.MisspelledWordAt(static_cast<int>(text.find(u"tset\u03a9")) + 1, line, w));
  EXPECT_TRUE(live.MisspelledWordAt(1, line, w));
  EXPECT_EQ(w.Ansi, "tset");
}

TEST_F(Live, CorrectsAWordWhenATriggerCharacterFollows) {
  checker.ActiveCustomDictionary()->AddAutoCorrect("teh", "the");
  view.Type(live, u"a teh ");
  EXPECT_EQ(view.Text(), u"a the ");
  EXPECT_EQ(view.selStart, 6);
  EXPECT_EQ(view.updates, 1);
  view.Type(live, u"teh.");
  EXPECT_EQ(view.Text(), u"a the the.");
  EXPECT_EQ(view.selStart, 10);  // after the full stop
  // Enter is no trigger; a selection stops it; switched off, nothing happens.
  view.SetText(u"teh");
  view.SetSelection(3, 3);
  live.KeyPressed(u'\r');
  EXPECT_FALSE(live.KeyReleased());
  view.SetText(u"teh ");
  view.SetSelection(2, 4);
  live.KeyPressed(u' ');
  EXPECT_FALSE(live.KeyReleased());
  live.SetLiveCorrect(false);
  view.SetText(u"");
  view.SetSelection(0, 0);
  view.Type(live, u"teh ");
  EXPECT_EQ(view.Text(), u"teh ");
  live.SetLiveCorrect(true);
  // A correct word is replaced only when the pairs come first.
  checker.ActiveCustomDictionary()->AddAutoCorrect("cat", "dog");
  view.Type(live, u"cat ");
  EXPECT_EQ(view.Text(), u"teh cat ");
  checker.UseAutoCorrectFirst = true;
  view.Type(live, u"cat ");
  EXPECT_EQ(view.Text(), u"teh cat dog ");
}

TEST_F(Live, MenuFindsTheWordUnderThePointIncludingJustAfterIt) {
  view.SetText(u"a tset of teh text");
  int line = -1;
  TLiveWord w;
  EXPECT_TRUE(live.MisspelledWordAt(6, line, w));  // just after "tset"
  EXPECT_EQ(w.Ansi, "tset");
  EXPECT_TRUE(live.MisspelledWordAt(11, line, w));
  EXPECT_EQ(w.Ansi, "teh");
  EXPECT_FALSE(live.MisspelledWordAt(8, line, w));   // "of"
  EXPECT_FALSE(live.MisspelledWordAt(16, line, w));  // "text"
  // Declined when spelling is off (the ordinary menu is due) or the line is quoted.
  live.SetLiveSpelling(false);
  EXPECT_FALSE(live.ContextMenu(3, nullptr));
  live.SetLiveSpelling(true);
  TSpellOptions o = checker.Options();
  o.Set(soQuoted, true);
  checker.SetOptions(o);
  view.SetText(u"> a tset");
  EXPECT_FALSE(live.MisspelledWordAt(5, line, w));
}

TEST_F(Live, MenuReplaceAndChangeAllKeepLetterCase) {
  view.SetText(u"a tset and tset\rTset is tset");
  AnswerMenu(spReplace, "test");
  int placedAt = -1;
  ASSERT_TRUE(live.ContextMenu(3, [&](int start, int& x, int& y) {
    placedAt = start;
    x = y = 0;
  }));
  EXPECT_EQ(placedAt, 2);
  EXPECT_EQ(view.Text(), u"a test and tset\rTset is tset");
  EXPECT_TRUE(MenuHas(spReplace));
  EXPECT_TRUE(MenuHas(spChangeAll));
  EXPECT_FALSE(MenuHas(spDialog));  // no dialog hook: no entry

  AnswerMenu(spChangeAll, "test");
  ASSERT_TRUE(live.ContextMenu(12, nullptr));
  EXPECT_EQ(view.Text(), u"a test and test\rTset is test");
  EXPECT_FALSE(live.Busy());

  // Without spReplace neither suggestions nor the submenus are offered.
  live.LiveMenuOptions = TSpellPopupOptions(kDefaultLiveMenuOptions & ~PopupOption(spReplace));
  int dialogs = 0;
  // The dialog checks the one word: no end message, placed under the word;
  // the engine's own settings return afterwards.
  checker.EndMessage = emAlways;
  checker.DialogInitialPos = ipScreenCenter;
  live.OnSpellDialog = [&] {
    ++dialogs;
    EXPECT_EQ(checker.EndMessage, emNever);
    EXPECT_EQ(checker.DialogInitialPos, ipUnderSelection);
  };
  AnswerMenu(spDialog);
  ASSERT_TRUE(live.ContextMenu(17, nullptr));
  EXPECT_FALSE(MenuHas(spReplace));
  EXPECT_FALSE(MenuHas(spChangeAll));
  EXPECT_FALSE(MenuHas(spAutoCorrect));
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(checker.EndMessage, emAlways);
  EXPECT_EQ(checker.DialogInitialPos, ipScreenCenter);
  EXPECT_EQ(view.selStart, 16);  // the word is selected for the dialog
  EXPECT_EQ(view.selEnd, 20);
  // A pane whose menu offers nothing declines, leaving the ordinary menu.
  live.LiveMenuOptions = 0;
  EXPECT_FALSE(live.ContextMenu(17, nullptr));
}

TEST_F(Live, MenuAddAndAutoCorrectAreOnDiskAtOnce) {
  view.SetText(u"zorb and zorb\rtset");
  EXPECT_EQ(Marked(0).size(), 2u);
  AnswerMenu(spAdd);
  ASSERT_TRUE(live.ContextMenu(1, nullptr));
  // Every occurrence loses its mark at once.
  EXPECT_EQ(Marked(0), std::vector<std::string>{});
  AnswerMenu(spAutoCorrect, "test");
  ASSERT_TRUE(live.ContextMenu(16, nullptr));
  EXPECT_EQ(view.lines[1], u"test");

  // The file on disk has both before anything else is saved.
  TCustomDictionary onDisk;
  ASSERT_TRUE(onDisk.Open(dir.File("user.qxu")));
  EXPECT_TRUE(onDisk.IsAdded("zorb"));
  std::string replacement;
  EXPECT_TRUE(onDisk.GetAutoCorrect("tset", replacement));
  EXPECT_EQ(replacement, "test");
}

TEST_F(Live, IgnoreOnceHoldsOnlyAfterTheSamePreviousWord) {
  view.SetText(u"the zorb and zorb\rthe zorb big zorb\rzorb");
  AnswerMenu(spIgnore);
  ASSERT_TRUE(live.ContextMenu(5, nullptr));  // "zorb" after "the"
  EXPECT_TRUE(live.IgnoredOnce("zorb", "the"));
  EXPECT_EQ(Marked(0), std::vector<std::string>{"zorb"});  // still marked after "and"
  EXPECT_EQ(Marked(1), std::vector<std::string>{"zorb"});  // after "big"
  EXPECT_EQ(Marked(2), std::vector<std::string>{"zorb"});  // at the start of a line
  EXPECT_EQ(live.Cache(1)->Errors, (std::vector<TSpellingError>{{13, 17}}));

  // Ignore All from the menu clears every mark, in every control on the checker.
  TLiveRichEdit other;
  FakeView otherView;
  otherView.SetText(u"zorb");
  other.SetView(&otherView);
  other.SetSpellEngine(&checker);
  EXPECT_EQ(other.CheckLine(0, -1).size(), 1u);
  AnswerMenu(spIgnoreAll);
  ASSERT_TRUE(live.ContextMenu(2 * 18 + 1, nullptr));
  EXPECT_EQ(Marked(2), std::vector<std::string>{});
  EXPECT_TRUE(other.CheckLine(0, -1).empty());
}

TEST_F(Live, FollowsTheSpellDialogsDecisions) {
  view.SetText(u"the zorb is here\rblah zorb");
  EXPECT_EQ(Marked(0).size(), 1u);
  EXPECT_EQ(Marked(1).size(), 2u);
  // The dialog's Ignore on the word selected in this control: ignored once.
  std::string text = "the zorb";
  checker.CheckString(text);
  ASSERT_EQ(checker.CurrentWord(), "zorb");
  view.SetSelection(4, 8);
  checker.Ignore();
  EXPECT_EQ(Marked(0), std::vector<std::string>{});
  EXPECT_EQ(Marked(1), (std::vector<std::string>{"blah", "zorb"}));
  // Ignore All: the selection collapses and every line is checked again.
  text = "blah";
  checker.CheckString(text);
  view.SetSelection(17, 21);
  checker.IgnoreAll();
  EXPECT_EQ(view.selEnd, 17);
  EXPECT_EQ(Marked(1), std::vector<std::string>{"zorb"});
}

TEST_F(Live, ChangeAllLeavesSelectionAndShowsHourglassWhenSlow) {
  view.SetText(u"teh cat teh\rTeh teh");
  view.SetSelection(4, 7);
  live.HourglassAfterMs = -1;  // every walk counts as slow
  EXPECT_EQ(live.ChangeAll(u"teh", u"the"), 3);
  EXPECT_EQ(view.Text(), u"the cat the\rTeh the");
  EXPECT_EQ(view.selStart, 4);
  EXPECT_EQ(view.selEnd, 7);
  EXPECT_FALSE(view.busyCursor);  // back at the end
  EXPECT_EQ(live.ChangeAll(u"x", u"x"), 0);
}

// A control that wraps words at a width: a longer replacement makes more
// lines, and the paragraphs after it move down.
class WrappingView : public FakeView {
 public:
  std::u16string all;
  size_t width = 12;

  std::vector<int> Starts() const {
    std::vector<int> starts{0};
    size_t start = 0;
    for (;;) {
      size_t end = all.find(u'\r', start);
      if (end == std::u16string::npos) end = all.size();
      if (end - start <= width) {
        if (end == all.size()) return starts;
        start = end + 1;
      } else {
        size_t space = all.rfind(u' ', start + width);
        start = space == std::u16string::npos || space < start ? start + width : space + 1;
      }
      starts.push_back(int(start));
    }
  }
  int LineCount() override { return int(Starts().size()); }
  int LineIndex(int line) override { return Starts().at(size_t(line)); }
  int LineFromChar(int index) override {
    const std::vector<int> s = Starts();
    int line = 0;
    while (size_t(line + 1) < s.size() && s[size_t(line + 1)] <= index) ++line;
    return line;
  }
  std::u16string LineText(int line) override {
    const std::vector<int> s = Starts();
    size_t begin = size_t(s.at(size_t(line)));
    size_t end = size_t(line + 1) < s.size() ? size_t(s[size_t(line + 1)]) : all.size();
    if (end > begin && all[end - 1] == u'\r') --end;
    return all.substr(begin, end - begin);
  }
  void ReplaceSelection(const std::u16string& text) override {
    all.replace(size_t(selStart), size_t(selEnd - selStart), text);
    selStart = selEnd = selStart + int(text.size());
  }
};

TEST_F(Live, ChangeAllReachesParagraphsThatAReplacementPushedDown) {
  WrappingView wrapping;
  wrapping.all = u"teh teh teh\rteh";
  ASSERT_EQ(wrapping.LineCount(), 2);
  live.SetView(&wrapping);
  EXPECT_EQ(live.ChangeAll(u"teh", u"thee"), 4);
  EXPECT_EQ(wrapping.all, u"thee thee thee\rthee");
  live.SetView(&view);
}

TEST_F(Live, EngineDestroyedFirstLeavesAPlainControl) {
  view.SetText(u"a tset");
  {
    auto shortLived = std::make_unique<TSpellCheckerBase>(Settings(dir));
    live.SetSpellEngine(shortLived.get());
    EXPECT_EQ(Marked(0).size(), 1u);
  }
  EXPECT_EQ(live.SpellEngine(), nullptr);
  EXPECT_FALSE(live.SpellingActive());
  EXPECT_TRUE(Marked(0).empty());
}

TEST(LiveMenuCaption, TranslatesCommandsAndKeepsSuggestionsLiteral) {
  SetActiveUiLanguage(UiLanguage::German);
  EXPECT_EQ(LiveMenuCaption({"&Ignore All", true, spIgnoreAll, {}}), "&Alle ignorieren");
  EXPECT_EQ(LiveMenuCaption({"&Change All", true, 0, {{"x", true, spChangeAll, {}}}}), "Alle ä&ndern");
  EXPECT_EQ(LiveMenuCaption({TSpellCheckerBase::kTextNoSuggestions, false, 0, {}}), "(keine Vorschläge)");
  SetActiveUiLanguage(UiLanguage::English);
  EXPECT_EQ(LiveMenuCaption({"&Spelling ...", true, spDialog, {}}), "&Spelling ...");
  EXPECT_EQ(LiveMenuCaption({"R&D caf\xE9", true, spReplace, {}}), "R&&D café");
  EXPECT_EQ(LiveMenuCaption({"-", true, 0, {}}), "-");
}

// A repaint checks only the lines that cross its band, asks each line's
// index and top once, and hands the painter the rows the wave needs.
TEST_F(Live, ARepaintChecksTheLinesOfItsBandOnly) {
  view.SetText(u"a tset\rof the text\rteh cat\rsat on a mat\rthe dgo");
  std::vector<TPaintedLine> painted;
  auto keep = [&](const TPaintedLine& p) { painted.push_back(p); };
  live.PaintBand(0, 12, 28, -1, keep);  // rows of lines 1 and 2
  ASSERT_EQ(painted.size(), 1u);
  EXPECT_EQ(painted[0].Line, 2);
  EXPECT_EQ(painted[0].Index, 19);
  EXPECT_EQ(painted[0].Top, 20);
  EXPECT_EQ(painted[0].NextTop, 30);
  EXPECT_EQ(*painted[0].Errors, (std::vector<TSpellingError>{{0, 3}}));
  EXPECT_EQ(view.lineTexts, 2);
  EXPECT_EQ(live.Cache(0), nullptr);  // line 0 lies outside the band
  // The last line has no next top; the line above's top is known from the pass.
  painted.clear();
  live.PaintBand(0, 0, 1000, -1, keep);
  ASSERT_EQ(painted.size(), 3u);
  EXPECT_EQ(painted.back().Line, 4);
  EXPECT_EQ(painted.back().NextTop, -1);
  EXPECT_EQ(painted.back().PreviousTop, 30);
  EXPECT_EQ(painted[0].PreviousTop, -1);
  EXPECT_EQ(live.VisibleMarks(), (std::vector<std::pair<int, int>>{{2, 6}, {19, 22}, {44, 47}}));
}

// The work of one typed key does not grow with the text: in a text of
// 20,000 lines, repainting the edited line near its end asks no position
// question of the control and reads no text (what the screen showed is
// followed through the edit), the same as near its start, and lines scrolled
// far away give their caches back.
TEST_F(Live, OneEditInALongTextCostsTheSameAnywhere) {
  std::u16string text;
  for (int i = 0; i < 20000; ++i) text += u"the cat sat on a mat\r";
  view.SetText(text);
  view.lastVisible = 24;
  auto cost = [&](int line) {
    view.firstVisible = line - 10;
    view.lastVisible = line + 14;
    live.PaintBand(view.firstVisible, 0, 250, -1, [](const TPaintedLine&) {});  // the screen after scrolling there
    const int index = view.LineIndex(line);
    view.Edit(live, index + 4, index + 7, u"cta");
    view.positionQuestions = view.lineTexts = 0;
    std::vector<int> marked;
    live.PaintBand(view.firstVisible, 100, 114, -1, [&](const TPaintedLine& p) { marked.push_back(p.Line); });
    EXPECT_EQ(marked, std::vector<int>{line});
    return std::make_pair(view.positionQuestions, view.lineTexts);
  };
  const auto nearStart = cost(20);
  const auto nearEnd = cost(19980);
  EXPECT_EQ(nearStart, nearEnd);
  EXPECT_EQ(nearEnd.first, 0);
  EXPECT_EQ(nearEnd.second, 0);
  EXPECT_EQ(live.Cache(20), nullptr);
  EXPECT_NE(live.Cache(19980), nullptr);
}

// What a control's selection and length before and after an edit tell.
TEST(LiveLayout, InfersTypingDeletingAndReplacingFromTheProbes) {
  TInferredEdit e;
  using K = TEditKind;
  using I = TInference;
  // Typed at the caret, over a selection, overwriting the next character.
  EXPECT_EQ(InferEdit(K::Typed, 1, {5, 5, 10}, {6, 6, 11}, e), I::Known);
  EXPECT_EQ(e, (TInferredEdit{5, 0, 1}));
  EXPECT_EQ(InferEdit(K::Typed, 1, {2, 5, 10}, {3, 3, 8}, e), I::Known);
  EXPECT_EQ(e, (TInferredEdit{2, 3, 1}));
  EXPECT_EQ(InferEdit(K::Typed, 1, {5, 5, 10}, {6, 6, 10}, e), I::Known);
  EXPECT_EQ(e, (TInferredEdit{5, 1, 1}));
  // Refused (read-only, text limit): nothing changed.
  EXPECT_EQ(InferEdit(K::Typed, 1, {5, 5, 10}, {5, 5, 10}, e), I::Nothing);
  // Backspace, a word before the caret, Delete, the selection.
  EXPECT_EQ(InferEdit(K::Deletion, 0, {5, 5, 10}, {4, 4, 9}, e), I::Known);
  EXPECT_EQ(e, (TInferredEdit{4, 1, 0}));
  EXPECT_EQ(InferEdit(K::Deletion, 0, {9, 9, 20}, {4, 4, 15}, e), I::Known);
  EXPECT_EQ(e, (TInferredEdit{4, 5, 0}));
  EXPECT_EQ(InferEdit(K::Deletion, 0, {5, 5, 10}, {5, 5, 9}, e), I::Known);
  EXPECT_EQ(e, (TInferredEdit{5, 1, 0}));
  EXPECT_EQ(InferEdit(K::Deletion, 0, {2, 7, 10}, {2, 2, 5}, e), I::Known);
  EXPECT_EQ(e, (TInferredEdit{2, 5, 0}));
  // A replacement of the selection by known text.
  EXPECT_EQ(InferEdit(K::Replacement, 4, {2, 5, 10}, {6, 6, 11}, e), I::Known);
  EXPECT_EQ(e, (TInferredEdit{2, 3, 4}));
  // Probes that fit no such edit: a selection left behind, a caret elsewhere,
  // a length that does not add up (a line break typed as two characters).
  EXPECT_EQ(InferEdit(K::Typed, 1, {5, 5, 10}, {6, 8, 11}, e), I::Unknown);
  EXPECT_EQ(InferEdit(K::Typed, 1, {5, 5, 10}, {9, 9, 11}, e), I::Unknown);
  EXPECT_EQ(InferEdit(K::Typed, 1, {5, 5, 10}, {6, 6, 12}, e), I::Unknown);
  EXPECT_EQ(InferEdit(K::Deletion, 0, {5, 5, 10}, {4, 4, 8}, e), I::Unknown);
  EXPECT_EQ(InferEdit(K::Deletion, 0, {2, 7, 10}, {2, 2, 6}, e), I::Unknown);
  EXPECT_EQ(InferEdit(K::Replacement, 4, {2, 5, 10}, {6, 6, 13}, e), I::Unknown);
}

namespace {

// Everything a full repaint hands the painter, with each mark's left edges.
struct Screen {
  std::vector<std::tuple<int, int, int, int, std::vector<TSpellingError>>> lines;  // line, index, next, top, marks
  std::vector<std::pair<int, int>> lefts;                                        // each mark's edges
  bool operator==(const Screen&) const = default;
};

Screen Paint(TLiveRichEdit& live, FakeView& view, int caret = -1) {
  Screen s;
  live.PaintBand(live.FirstVisibleLine(), 0, 250, caret, [&](const TPaintedLine& p) {
    s.lines.emplace_back(p.Line, p.Index, p.NextIndex, p.Top, *p.Errors);
    for (const TSpellingError& e : *p.Errors)
      s.lefts.emplace_back(live.CharLeft(p.Index + e.Start), live.CharLeft(p.Index + e.End));
  });
  (void)view;
  return s;
}

}  // namespace

// Marks stay on their words through typing, deleting, pasting, scrolling,
// wrapping and resizing: after each step the screen the model paints
// (lines, their indexes and tops, marks and their left edges) is the one a
// model that keeps nothing between calls paints from the same text.
TEST_F(Live, WhatTheScreenKeepsFollowsEveryKindOfEdit) {
  FakeView plain;
  plain.reportsState = false;
  TLiveRichEdit reference;
  reference.SetView(&plain);
  reference.SetSpellEngine(&checker);
  std::u16string text;
  for (int i = 0; i < 60; ++i) text += i % 3 ? u"the cat sat on a mat\r" : u"a tset of teh text and dgo\r";
  view.SetText(text);
  view.lastVisible = 24;
  auto same = [&](const char* step) {
    plain.lines = view.lines;
    plain.wrap = view.wrap;
    plain.firstVisible = view.firstVisible;
    plain.lastVisible = view.lastVisible;
    const Screen cached = Paint(live, view, view.selStart), fresh = Paint(reference, plain, view.selStart);
    EXPECT_EQ(cached, fresh) << step;
    EXPECT_EQ(live.VisibleMarks(), reference.VisibleMarks()) << step;
  };
  same("first paint");
  const int line3 = view.LineIndex(3);
  // Typed in the middle of a line, before its marks: they move right.
  view.SetSelection(line3 + 2, line3 + 2);
  view.Type(live, u"big ");
  same("typed before the marks");
  // Typed at the end of a line: a new misspelled word, marked once left.
  view.SetSelection(line3 + 30, line3 + 30);
  view.Type(live, u" zzx");
  view.SetSelection(0, 0);
  live.SelectionChanged();
  same("typed at the end");
  // Backspace over a word, a selection deleted, a word deleted forward.
  view.SetSelection(line3 + 6, line3 + 6);
  for (int i = 0; i < 4; ++i) view.Edit(live, view.selStart - 1, view.selStart, u"");
  same("backspace");
  view.Edit(live, line3 + 2, line3 + 9, u"");
  same("selection deleted");
  // Pasted text the model is not told, with and without a line break.
  view.Edit(live, line3 + 1, line3 + 1, u" dgo red", false);
  same("pasted");
  view.Edit(live, line3 + 1, line3 + 1, u"tset\rred ", false);
  same("pasted a line break");
  // A line break typed and one deleted: the lines below move.
  view.SetSelection(view.LineIndex(5) + 3, view.LineIndex(5) + 3);
  view.Type(live, u"\r");
  same("line break typed");
  view.Edit(live, view.LineIndex(6) - 1, view.LineIndex(6), u"");
  same("line break deleted");
  // Scrolled down and back.
  view.firstVisible = 17;
  same("scrolled");
  view.firstVisible = 2;
  same("scrolled back");
  // Narrowed: paragraphs wrap (the width is part of what is checked).
  view.lines[4] = u"the cat sat on";
  view.wrap = 12;
  same("wrapped");
  // Typed in a wrapped paragraph: a word moves to the next row, which keeps
  // the number of rows; then one that adds a row.
  int paragraph = 0;
  for (int i = 0; i < 4; ++i) paragraph += int(view.lines[size_t(i)].size()) + 1;
  view.SetSelection(paragraph + 11, paragraph + 11);
  const int rows = view.LineCount();
  view.Type(live, u"x");
  EXPECT_EQ(view.LineCount(), rows);
  same("typed in a wrapped paragraph");
  view.SetSelection(paragraph + 1, paragraph + 1);
  view.Type(live, u"wide ");
  same("typed a row more");
  view.wrap = 0;
  same("widened");
}

// Typing at the end of a 20,000-line text, with the caret's line and the
// one below marked, asks the control nothing: not where lines start or
// are, not their text, not the marks' edges, whether the model paints,
// follows the caret or looks for a correction after a space.
TEST_F(Live, TypingAtTheEndOfALongTextAsksTheControlNothing) {
  std::u16string text;
  for (int i = 0; i < 20000; ++i) text += u"the tset sat on teh mat\r";
  view.SetText(text + u"a dgo");
  view.firstVisible = 20000 - 20;
  view.lastVisible = 20000;
  view.SetSelection(int(view.Text().size()), int(view.Text().size()));
  Paint(live, view, view.selStart);
  for (const char16_t c : std::u16string(u" text zorb the ")) {
    view.positionQuestions = view.lineTexts = 0;
    view.Type(live, std::u16string(1, c));
    live.PaintBand(live.FirstVisibleLine(), 198, 214, view.selStart, [&](const TPaintedLine& p) {
      for (const TSpellingError& e : *p.Errors) live.CharLeft(p.Index + e.Start);
    });
    // A mark that appears asks for its own edges once.
    EXPECT_LE(view.positionQuestions, 2) << char(c);
    EXPECT_EQ(view.lineTexts, 0) << char(c);
  }
  EXPECT_EQ(live.VisibleMarks().back(), std::make_pair(int(view.Text().size()) - 9, int(view.Text().size()) - 5));
}

// Typed before marks on its line: the marks move by one amount, which one
// question finds for all of them; their edges are where the control puts them.
TEST_F(Live, TypingBeforeMarksAsksOnceForTheirNewEdges) {
  std::u16string text;
  for (int i = 0; i < 20000; ++i) text += u"the tset sat on teh mat\r";
  view.SetText(text);
  view.firstVisible = 20000 - 20;
  const int line = 20000 - 2, start = view.LineIndex(line);
  view.SetSelection(start + 3, start + 3);
  Paint(live, view, view.selStart);
  for (const char16_t c : std::u16string(u" a on a ")) {
    view.Type(live, std::u16string(1, c));
    view.positionQuestions = view.lineTexts = 0;
    std::vector<std::pair<int, int>> edges, truth;
    live.PaintBand(live.FirstVisibleLine(), (line - view.firstVisible) * 10, (line - view.firstVisible) * 10 + 4,
                   view.selStart, [&](const TPaintedLine& p) {
                     for (const TSpellingError& e : *p.Errors) {
                       edges.emplace_back(live.CharLeft(p.Index + e.Start), live.CharLeft(p.Index + e.End));
                       truth.emplace_back(e.Start * 7, e.End * 7);
                     }
                   });
    EXPECT_EQ(edges.size(), 2u) << char(c);
    EXPECT_EQ(edges, truth) << char(c);
    EXPECT_LE(view.positionQuestions, 1) << char(c);
    EXPECT_EQ(view.lineTexts, 0) << char(c);
  }
}
