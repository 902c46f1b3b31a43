#include "spelling/SpellCheckerBase.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "TestFiles.h"
#include "spelling/StringParser.h"
#include "tools/lib/MainDictWriter.h"

using namespace wx;

namespace {

const std::vector<std::string> kWords = {
    "the", "cat", "sat", "on", "mat", "hello", "world", "receive", "night", "knight", "phone", "is", "a",
    "and", "dog", "end", "start", "London", "there", "their", "recipe", "relieve", "cats"};

TSpellConfigSettings Settings(const test::ScratchDir& dir) { return test::ScratchSpellSettings(dir); }

TSpellOptions Without(TSpellOptions o, TSpellOption x) {
  o.Set(x, false);
  return o;
}
TSpellOptions With(TSpellOptions o, TSpellOption x) {
  o.Set(x, true);
  return o;
}
const TSpellOptions kDefaults = TSpellConfigSettings{}.ConfigDefaultOptions;

class Checker : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(test::WriteTestMainDictionary(dir, kWords, error)) << error;
    c.OnPromptWord = [this](const std::string& w, bool repeated) {
      prompts.push_back(repeated ? "repeated:" + w : w);
    };
  }
  // Checks text; returns the first presented word or "" when none.
  std::string Check(const std::string& t) {
    text = t;
    prompts.clear();
    c.CheckString(text);
    return c.Checking() ? c.CurrentWord() : std::string();
  }

  test::ScratchDir dir{"checker"};
  TSpellCheckerBase c{Settings(dir)};
  std::string text;
  std::vector<std::string> prompts;
};

}  // namespace

TEST_F(Checker, AcceptanceTests) {
  EXPECT_TRUE(c.CheckWord("cat"));
  EXPECT_TRUE(c.CheckWord("Cat"));         // initial capital
  EXPECT_FALSE(c.CheckWord("CAt"));
  EXPECT_TRUE(c.CheckWord("cat's"));       // English possessive
  EXPECT_TRUE(c.CheckWord("cat\x92s"));    // typed with the typographic apostrophe
  EXPECT_FALSE(c.CheckWord("caat\x92s"));
  EXPECT_TRUE(c.CheckWord("3.14"));
  EXPECT_TRUE(c.CheckWord("x"));           // one letter
  EXPECT_TRUE(c.CheckWord("NASA"));        // all capitals (default options)
  EXPECT_TRUE(c.CheckWord("b2b"));         // digits
  EXPECT_FALSE(c.CheckWord("inf"));
  EXPECT_FALSE(c.CheckWord("caat"));
  c.AllowedCases = cmAnyCase;
  EXPECT_TRUE(c.CheckWord("CAt"));
  c.SetOptions(TSpellOptions{});
  EXPECT_FALSE(c.CheckWord("NASA"));
  // Words with digits are not ignored now: numbers still pass as numbers.
  for (const char* number : {"3.14", "-2", "+7", ".5", "1.", "1e5", "6.02E+23", "1e999"})
    EXPECT_TRUE(c.CheckWord(number)) << number;
  for (const char* word : {"1e", "1.2.3", "+-5", "-inf", "b2b"}) EXPECT_FALSE(c.CheckWord(word)) << word;
}

TEST_F(Checker, CorrectTextEndsAtOnce) {
  EXPECT_EQ(Check("the cat sat on the mat"), "");
  EXPECT_FALSE(c.Checking());
  EXPECT_EQ(c.WordsChecked(), 6);
  EXPECT_EQ(Check(""), "");
  EXPECT_EQ(c.WordsChecked(), 0);
}

TEST_F(Checker, ChangeIgnoreAndUndo) {
  EXPECT_EQ(Check("teh caat sat"), "teh");
  c.Change("the");
  EXPECT_EQ(text, "the caat sat");
  EXPECT_EQ(c.CurrentWord(), "caat");
  c.Undo();
  EXPECT_EQ(text, "teh caat sat");
  EXPECT_EQ(c.CurrentWord(), "teh");
  c.Ignore();
  EXPECT_EQ(c.CurrentWord(), "caat");
  c.Change("cat");
  EXPECT_FALSE(c.Checking());
  EXPECT_EQ(text, "teh cat sat");
  EXPECT_EQ(prompts, (std::vector<std::string>{"teh", "caat", "teh", "caat"}));
}

TEST_F(Checker, RecheckedReplacementIsPresentedAgain) {
  c.RecheckReplacedWords = true;
  EXPECT_EQ(Check("caat dog"), "caat");
  c.Change("kat");
  EXPECT_EQ(c.CurrentWord(), "kat");
  c.Change("cat");
  EXPECT_EQ(text, "cat dog");
  c.RecheckReplacedWords = false;
  EXPECT_EQ(Check("caat dog"), "caat");
  c.Change("kat");
  EXPECT_FALSE(c.Checking());
}

TEST_F(Checker, IgnoreAllAndChangeAllLastForTheComponentsLife) {
  EXPECT_EQ(Check("zorp and zorp"), "zorp");
  c.IgnoreAll();
  EXPECT_FALSE(c.Checking());
  EXPECT_EQ(Check("caat dog caat"), "caat");
  c.ChangeAll("cat");
  EXPECT_FALSE(c.Checking());
  EXPECT_EQ(text, "cat dog cat");
  EXPECT_EQ(Check("zorp caat"), "");  // a later check: both still apply
  EXPECT_EQ(text, "zorp cat");
}

TEST_F(Checker, UndoOfAutomaticCorrectionUndoesTheActionBefore) {
  c.RecheckReplacedWords = false;
  EXPECT_EQ(Check("caat dog caat relieev"), "caat");
  c.ChangeAll("cat");
  EXPECT_EQ(c.CurrentWord(), "relieev");
  EXPECT_EQ(text, "cat dog cat relieev");
  c.Undo();
  EXPECT_EQ(text, "caat dog caat relieev");
  EXPECT_EQ(c.CurrentWord(), "caat");
  EXPECT_FALSE(c.CanUndo());
}

TEST_F(Checker, MaxUndoLimits) {
  c.MaxUndo = 0;
  EXPECT_EQ(Check("aa bb cc dd ee"), "aa");
  c.Ignore();
  EXPECT_FALSE(c.CanUndo());
  c.Cancel();
  c.MaxUndo = 3;
  Check("aa bb cc dd ee");
  for (int i = 0; i < 4; ++i) c.Ignore();
  EXPECT_EQ(c.CurrentWord(), "ee");
  EXPECT_EQ(c.UndoList().size(), 3u);
  c.Undo();
  c.Undo();
  c.Undo();
  EXPECT_EQ(c.CurrentWord(), "bb");
  c.Undo();  // nothing left
  EXPECT_EQ(c.CurrentWord(), "bb");
  c.Cancel();
  EXPECT_TRUE(c.Cancelled());
}

TEST_F(Checker, RepeatedWords) {
  EXPECT_EQ(Check("the the cat"), "the the");
  EXPECT_TRUE(c.RepeatedPresented());
  c.IgnoreAll();  // refused for a repeated pair
  c.Change("x");
  c.Add();
  EXPECT_EQ(c.CurrentWord(), "the the");
  c.DeleteRepeated();
  EXPECT_FALSE(c.Checking());
  EXPECT_EQ(text, "the cat");
  EXPECT_EQ(Check("the  the The the"), "");  // two spaces, other case
  EXPECT_EQ(Check("a dog the the"), "the the");
  c.Undo();
  c.Cancel();
  c.SetOptions(Without(kDefaults, soRepeated));
  EXPECT_EQ(Check("the the cat"), "");
}

TEST_F(Checker, AddExcludeAndAutoCorrectThroughCustomDictionary) {
  ASSERT_NE(c.ActiveCustomDictionary(), nullptr);
  EXPECT_EQ(Check("zorp dog"), "zorp");
  c.Add();
  EXPECT_TRUE(c.ActiveCustomDictionary()->IsAdded("zorp"));
  EXPECT_TRUE(c.CheckWord("zorp"));
  c.ActiveCustomDictionary()->AddExcluded("dog");
  EXPECT_EQ(Check("the dog"), "dog");  // excluded though the dictionary knows it
  c.Cancel();
  c.ActiveCustomDictionary()->AddAutoCorrect("hte", "the");
  EXPECT_EQ(Check("hte cat"), "");
  EXPECT_EQ(text, "the cat");
  EXPECT_EQ(Check("wrold"), "wrold");
  c.AutoCorrect("world");
  std::string r;
  EXPECT_TRUE(c.ActiveCustomDictionary()->GetAutoCorrect("wrold", r));
  EXPECT_EQ(r, "world");
}

TEST_F(Checker, DualCapitals) {
  c.SetOptions(With(kDefaults, soDUalCaps));
  std::string r;
  EXPECT_TRUE(c.GetAutoCorrection("HEllo", r));
  EXPECT_EQ(r, "Hello");
  EXPECT_FALSE(c.GetAutoCorrection("HE", r));
  EXPECT_FALSE(c.GetAutoCorrection("HEllx", r));
}

TEST_F(Checker, CountWordsAndEndMessage) {
  std::string t = "the caat sat the the";
  TStringParser p(t);
  p.Initialize();
  int words, errors;
  bool any;
  c.CountWords(p, kModeWholeText, words, errors, any, false, true);
  EXPECT_EQ(words, 5);
  EXPECT_EQ(errors, 2);
  EXPECT_TRUE(any);
  c.CountWords(p, kModeWholeText, words, errors, any, true, true);
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(c.WordCountString(t), 5);

  struct Hooks : TSpellDialogHooks {
    std::vector<std::string> messages;
    void MessageBox(const std::string& caption, const std::string& text) override {
      messages.push_back(caption + "|" + text);
    }
  } hooks;
  c.SetDialogHooks(&hooks);
  c.UIType = suiDialog;
  c.EndMessageWordCount = true;
  Check("");
  ASSERT_EQ(hooks.messages.size(), 1u);
  EXPECT_EQ(hooks.messages[0], "Spelling|The spelling check is complete.\n\nWords checked: 0");
  Check("caat");
  c.Cancel();  // emExceptCancel: no message
  EXPECT_EQ(hooks.messages.size(), 1u);
}

TEST_F(Checker, SelectionThenRestChecksEverythingOnce) {
  text = "caat dog zorp";
  TStringParser* p = new TStringParser(text);
  p->Initialize();
  c.CheckParser(p, kModeSelectionThenRest, true);
  EXPECT_EQ(c.CurrentWord(), "caat");
  c.Ignore();
  EXPECT_EQ(c.CurrentWord(), "zorp");
  c.Ignore();
  EXPECT_FALSE(c.Checking());
  EXPECT_EQ(c.WordsChecked(), 3);
}

TEST_F(Checker, SuggestionRankingAndLearning) {
  TSuggestionList s;
  c.Suggest("recieve", -1, s);
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].Word, "receive");
  c.Suggest("thier", -1, s);
  ASSERT_EQ(s.size(), 2u);
  EXPECT_EQ(s[0].Word, "their");  // transposed: distance 1
  EXPECT_EQ(s[1].Word, "there");  // sound-alike, equal distance (index-wise swap credit): produced later
  EXPECT_EQ(s[1].Distance, 1);
  c.Suggest("thier", 1, s);
  EXPECT_EQ(s.size(), 1u);
  c.Suggest("endstart", -1, s);
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].Word, "end start");

  c.SetSuggestionsLearningDict("learn.qxl");
  c.OpenDictionaries();
  ASSERT_NE(c.LearningDictionary(), nullptr);
  c.LearnReplacement("thier", "their");
  c.Suggest("thier", -1, s);
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(s[0].Word, "their");
  EXPECT_EQ(s[0].Distance, -1);  // learned word, distance 0
  for (size_t i = 1; i < s.size(); ++i) EXPECT_GE(s[i].Distance, 1);
}

TEST_F(Checker, PopupMenuRecordsTheChoice) {
  std::vector<TPopupItem> shown;
  int pick = spChangeAll;
  c.OnPopupDoMenu = [&](const std::vector<TPopupItem>& items, int, int, int& action, std::string& w) {
    shown = items;
    action = pick;
    w = "cat";
  };
  const TSpellPopupOptions all = 0xFE;
  std::string word = "caat";
  EXPECT_EQ(c.ShowWordPopup(all, word, 0, 0), spChangeAll);
  EXPECT_EQ(word, "cat");
  std::string r;
  EXPECT_TRUE(c.TemporaryDictionary().GetAutoCorrect("caat", r));
  ASSERT_FALSE(shown.empty());
  EXPECT_EQ(shown[0].Caption, "cat");
  EXPECT_EQ(shown[0].Tag, spReplace);
  EXPECT_LE(std::count_if(shown.begin(), shown.end(), [](const TPopupItem& i) { return i.Tag == spReplace; }), 5);
  EXPECT_EQ(shown.back().Caption, "&Spelling ...");

  std::string nothing = "qqqqqqqq";
  pick = spCancel;
  EXPECT_EQ(c.ShowWordPopup(1u << spReplace, nothing, 0, 0), spCancel);
  ASSERT_GE(shown.size(), 1u);
  EXPECT_EQ(shown[0].Caption, "(no suggestions)");
  EXPECT_FALSE(shown[0].Enabled);
  std::string empty;
  EXPECT_EQ(c.ShowWordPopup(all, empty, 0, 0), spCancel);

  c.SetCustomDictionaryNames({}, "");
  word = "zorp";
  pick = spAdd;
  EXPECT_EQ(c.ShowWordPopup(all, word, 0, 0), spCancel);  // no active custom dictionary
}

TEST_F(Checker, WordCheckEventCanOverrideTheVerdict) {
  c.OnWordCheck = [](const std::string& w, TWordCheckType& type, std::string& r) {
    if (w == "dog") {
      type = wcAutoCorrect;
      r = "cat";
    }
    if (w == "zorp") type = wcCorrect;
  };
  EXPECT_EQ(Check("zorp dog sat"), "");
  EXPECT_EQ(text, "zorp cat sat");
}

TEST_F(Checker, AutoCorrectFirstAndMappingDictionary) {
  c.ActiveCustomDictionary()->AddAutoCorrect("cat", "dog");
  EXPECT_EQ(Check("the cat"), "");  // a correct word is not auto-corrected ...
  EXPECT_EQ(text, "the cat");
  c.UseAutoCorrectFirst = true;
  EXPECT_EQ(Check("the cat"), "");  // ... unless asked to
  EXPECT_EQ(text, "the dog");

  {
    TCustomDictionary map;
    ASSERT_TRUE(map.Open(dir.File("map.qxu")));
    map.AddAutoCorrect("wrold", "wurld");
    map.Save();
  }
  c.SetMappingDictionaryName("map.qxu");
  TSuggestionList s;
  c.Suggest("wrold", -1, s);
  ASSERT_EQ(s.size(), 1u);  // the mapped word and nothing else
  EXPECT_EQ(s[0].Word, "wurld");
  EXPECT_TRUE(c.IsExcluded("wrold"));
  c.UseAutoCorrectFirst = false;
  EXPECT_EQ(Check("wrold cat"), "");  // mapped automatically (MappingAutoReplace)
  EXPECT_EQ(text, "wurld cat");
}

TEST_F(Checker, ResumeContinuesFromTheEarlierPlace) {
  c.ResumeFromLastPosition = true;
  EXPECT_EQ(Check("aa bb cc"), "aa");
  c.Ignore();
  EXPECT_EQ(c.CurrentWord(), "bb");
  // The user may have edited the document while the dialog was inactive: the
  // check goes on from the start of the presented word, which is checked
  // again; the word ignored before it stays behind.
  c.Resume();
  EXPECT_TRUE(c.Checking());
  EXPECT_EQ(c.CurrentWord(), "bb");
  EXPECT_FALSE(c.CanUndo());
  c.Ignore();
  EXPECT_EQ(c.CurrentWord(), "cc");
  c.Cancel();
}

namespace {

// A string source with a fixed selection (x1 up to x2), as an edit window has.
class SelectedText : public TControlParser {
 public:
  SelectedText(std::string& text, int x1, int x2) : p_(text), x1_(x1), x2_(x2) {}
  void Initialize() override { p_.Initialize(); }
  uint8_t GetChar() override { return p_.GetChar(); }
  void GetLine(std::string& t) override { p_.GetLine(t); }
  bool MoveNext() override { return p_.MoveNext(); }
  bool MovePrevious() override { return p_.MovePrevious(); }
  void SetPosition(int x, int y, int mode) override { p_.SetPosition(x, y, mode); }
  void GetPosition(int& x, int& y) override { p_.GetPosition(x, y); }
  void SelectWord(int length) override { p_.SelectWord(length); }
  void ReplaceWord(const std::string& t) override { p_.ReplaceWord(t); }
  void SkipWord() override { p_.SkipWord(); }
  void GetSelectionStart(int& x, int& y) override {
    x = x1_;
    y = 0;
  }
  void GetSelection(int& x1, int& y1, int& x2, int& y2) override {
    x1 = x1_;
    x2 = x2_;
    y1 = y2 = 0;
  }

 private:
  TStringParser p_;
  int x1_, x2_;
};

}  // namespace

TEST_F(Checker, TheRestAfterASelectionStartsAtTheStartOfTheWordItEndsIn) {
  text = "caat hello wrld";
  auto* p = new SelectedText(text, 1, 8);  // "caat he|llo"
  p->Initialize();
  c.CheckParser(p, kModeSelectionThenRest, true);
  for (int i = 0; i < 5 && c.Checking(); ++i) c.Ignore();
  EXPECT_FALSE(c.Checking());
  // "llo" is never presented on its own: the rest starts with "hello".
  EXPECT_EQ(std::count(prompts.begin(), prompts.end(), "llo"), 0) << ::testing::PrintToString(prompts);
  ASSERT_FALSE(prompts.empty());
  EXPECT_EQ(prompts.front(), "caat");
  EXPECT_EQ(prompts.back(), "wrld");
}

TEST_F(Checker, SettingsTakeEffectAtOnce) {
  // Keeping dictionaries active, then not: they are unmapped at once.
  c.SetKeepDictionariesActive(true);
  Check("the cat");
  ASSERT_EQ(c.MainDictionaries().Count(), 1u);
  EXPECT_TRUE(c.MainDictionaries()[0].Active());
  c.SetKeepDictionariesActive(false);
  EXPECT_FALSE(c.MainDictionaries()[0].Active());

  // Learning off closes the learning dictionary; on opens it again.
  c.SetSuggestionsLearningDict("learn.qxl");
  c.OpenDictionaries();
  ASSERT_NE(c.LearningDictionary(), nullptr);
  c.LearnReplacement("thier", "their");
  c.SetSuggestionsLearning(false);
  EXPECT_EQ(c.LearningDictionary(), nullptr);
  c.LearnReplacement("caat", "cat");
  c.SetSuggestionsLearning(true);
  ASSERT_NE(c.LearningDictionary(), nullptr);
  std::string r;
  EXPECT_TRUE(c.LearningDictionary()->GetAutoCorrect("thier", r));  // saved when closed
  EXPECT_FALSE(c.LearningDictionary()->GetAutoCorrect("caat", r));
}

TEST_F(Checker, SuggestionLanguageFollowsTheFirstDictionaryAfterReordering) {
  std::string image, error;
  tools::MainDictStats stats;
  tools::MainDictOptions czech;
  czech.language = 0x0405;
  ASSERT_TRUE(tools::BuildMainDictionary({"pes", "kocka", "dum"}, czech, image, stats, error)) << error;
  test::WriteBytes(dir.File("czech.qxm"), image);
  struct Recorder : TSuggestionsGenerator {
    std::vector<int>* seen;
    void SetLanguage(int language) override {
      seen->push_back(language);
      TSuggestionsGenerator::SetLanguage(language);
    }
  };
  std::vector<int> seen;
  auto gen = std::make_unique<Recorder>();
  gen->seen = &seen;
  c.SetGenerator(std::move(gen));
  c.SetMainDictionaryNames({"test.qxm", "czech.qxm"});
  c.OpenDictionaries();
  EXPECT_EQ(c.Language(), 0x0409);
  // The second dictionary finds the words; presenting "zzzq" reorders.
  EXPECT_EQ(Check("pes kocka dum zzzq"), "zzzq");
  c.Cancel();
  EXPECT_EQ(c.Language(), 0x0405);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 0x0405);
}

TEST_F(Checker, EndCursorPositionAndCompleteEvent) {
  int completed = 0;
  c.OnCompleteCheck = [&] { ++completed; };
  text = "the caat";
  auto* p = new TStringParser(text);
  p->Initialize();
  p->SetPosition(5, 0, kMoveCursor);
  c.EndCursorPosition = epOriginal;
  c.CheckParser(p, kModeWholeText, false);
  c.Ignore();
  EXPECT_EQ(completed, 1);
  int x, y;
  p->GetPosition(x, y);
  EXPECT_EQ(x, 5);  // back at the caret the check started from
  delete p;
  EXPECT_EQ(c.Source(), nullptr);
}

// The generator skips letters no accepted word can have at a place; every
// kind of word the vocabulary accepts must still come through: main and
// custom dictionary words, ignored words, a capitalised word reached through
// its lower-case form, a possessive.
TEST_F(Checker, SuggestionsStillFindEveryKindOfAcceptedWord) {
  ASSERT_NE(c.ActiveCustomDictionary(), nullptr);
  c.ActiveCustomDictionary()->AddWord("zorblax");
  c.TemporaryDictionary().AddWord("Quuxly");
  auto has = [&](const std::string& word, const std::string& wanted) {
    TSuggestionList s;
    c.Suggest(word, -1, s);
    for (const auto& e : s)
      if (e.Word == wanted) return true;
    return false;
  };
  EXPECT_TRUE(has("zorbax", "zorblax"));   // inserted letter, custom word
  EXPECT_TRUE(has("zorblox", "zorblax"));  // replaced letter
  EXPECT_TRUE(has("Quuxlu", "Quuxly"));    // ignored word
  EXPECT_TRUE(has("Cst", "Cat"));          // "cat" accepts "Cat"
  EXPECT_TRUE(has("Xat", "Cat"));          // first letter replaced
  EXPECT_TRUE(has("cats's", "cat's"));     // possessive of "cat"
  EXPECT_TRUE(has("Lndon", "London"));
  // A custom dictionary too large to list for every prefix: every letter is tried.
  for (int i = 0; i < 400; ++i) c.ActiveCustomDictionary()->AddWord("filler" + std::to_string(i));
  EXPECT_TRUE(has("zorbax", "zorblax"));
  EXPECT_TRUE(has("filler3x", "filler3"));
  c.AllowedCases = cmAnyCase;              // other case rules: every letter is tried
  EXPECT_TRUE(has("zorbax", "zorblax"));
  EXPECT_TRUE(has("CAst", "CAt"));
}
