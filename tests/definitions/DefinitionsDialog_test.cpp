#include "definitions/DefinitionsDialog.h"

#include <gtest/gtest.h>

#include "TestDatabase.h"

namespace wx {
namespace {

// A window that records what the component asks of it and closes as told.
struct FakeWindow : TDefinitionsWindow {
  struct Log {
    int created = 0, destroyed = 0, lookups = 0;
    std::string caption, returnCaption, lastLookup;
    int fontSize = 0, heightPercent = 0;
    int left = -1, top = -1, width = 0, height = 0;
    bool placed = false;
    TCopyButtonPressAction copy = cbpNoAction;
    TListDoubleClickAction dbl = ldcReturnWord;
    std::function<void()> onCopy;
    bool closeWithOk = true;
    std::string offer = "puppy";
    bool throwOnShow = false;
    int sensesSeen = -1;
  };
  explicit FakeWindow(Log& log) : log(log) { ++log.created; }
  ~FakeWindow() override { ++log.destroyed; }
  void SetDatabase(TDefinitionsDatabase& database, int percent) override {
    db = &database;
    log.heightPercent = percent;
  }
  void SetReturnButtonCaption(const std::string& c) override { log.returnCaption = c; }
  void SetFontSize(int size) override { log.fontSize = size; }
  void SetCaption(const std::string& c) override { log.caption = c; }
  void SetSize(int w, int h) override {
    log.width = w;
    log.height = h;
    log.placed = false;
  }
  void SetBounds(int l, int t, int w, int h) override {
    log.left = l;
    log.top = t;
    log.width = w;
    log.height = h;
    log.placed = true;
  }
  void GetBounds(int& l, int& t, int& w, int& h) const override {
    l = 100;
    t = 120;
    w = 640;
    h = 480;
  }
  void SetActions(TCopyButtonPressAction c, TListDoubleClickAction d, std::function<void()> onCopy) override {
    log.copy = c;
    log.dbl = d;
    log.onCopy = std::move(onCopy);
  }
  void LookUp(const std::string& word) override {
    ++log.lookups;
    log.lastLookup = word;
    db->SearchWord(word);
    log.sensesSeen = db->Lookup().SenseCount();
  }
  bool ShowModal() override {
    if (log.throwOnShow) throw std::runtime_error("window failed");
    if (log.onCopy) log.onCopy();
    return log.closeWithOk;
  }
  std::string LastSearchedWord() const override { return log.lastLookup; }
  std::string OfferedWord() const override { return log.offer; }

  Log& log;
  TDefinitionsDatabase* db = nullptr;
};

class DefinitionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TDefinitionsDialog::SetWindowFactory([this](TCustomDefinitionsDialog&) { return std::make_unique<FakeWindow>(log); });
    dialog.Database().SetDatabaseImage(testing::FixtureBytes());
  }
  void TearDown() override { TDefinitionsDialog::SetWindowFactory(nullptr); }
  FakeWindow::Log log;
  TDefinitionsDialog dialog;
};

TEST_F(DefinitionsDialogTest, RunsASessionAndReturnsTheOfferedWord) {
  int copies = 0, executes = 0;
  dialog.OnCopyClick = [&](TCustomDefinitionsDialog&) { ++copies; };
  dialog.OnExecute = [&](TCustomDefinitionsDialog&) { ++executes; };
  dialog.LookupWord = "dogs";
  dialog.Caption = "Definitions Dictionary";
  dialog.CopyButtonCaption = "Use";
  dialog.FontSize = 11;
  dialog.CopyClickAction = cbpCopyClipboard;
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(log.sensesSeen, 3);  // searched with derived forms
  EXPECT_EQ(dialog.ResultWord(), "puppy");
  EXPECT_EQ(dialog.LookupWord, "dogs");  // the window's last searched word
  EXPECT_EQ(log.caption, "Definitions Dictionary");
  EXPECT_EQ(log.returnCaption, "Use");
  EXPECT_EQ(log.fontSize, 11);
  EXPECT_EQ(log.heightPercent, 35);
  EXPECT_EQ(log.copy, cbpCopyClipboard);
  EXPECT_EQ(log.dbl, ldcLookupWord);
  EXPECT_EQ(copies, 1);
  EXPECT_EQ(executes, 1);
  // Centered: only the size is set; the bounds are remembered afterwards.
  EXPECT_FALSE(log.placed);
  EXPECT_EQ(log.width, 500);
  EXPECT_EQ(log.height, 340);
  EXPECT_EQ(dialog.WinLeft(), 100);
  EXPECT_EQ(dialog.WinWidth, 640);
  EXPECT_EQ(log.destroyed, 1);  // FreeOnClose
  EXPECT_EQ(dialog.Window(), nullptr);
}

TEST_F(DefinitionsDialogTest, OptionsReachTheDatabaseAndPositionsPlaceTheWindow) {
  dialog.TryDerivedForms = false;
  dialog.MatchPartOfSpeech = false;
  dialog.LookupWord = "dogs";
  dialog.SetWinLeft(5);
  EXPECT_FALSE(dialog.ScreenCentered);
  dialog.SetWinTop(7);
  dialog.RememberPosition = false;
  log.closeWithOk = false;
  log.offer = "";
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(log.sensesSeen, 0);
  EXPECT_FALSE(dialog.Database().matchForms);
  EXPECT_TRUE(log.placed);
  EXPECT_EQ(log.left, 5);
  EXPECT_EQ(log.top, 7);
  EXPECT_EQ(dialog.WinLeft(), 5);  // not remembered
  EXPECT_EQ(dialog.ResultWord(), "");
}

TEST_F(DefinitionsDialogTest, KeepsItsWindowWhenAskedAndFreesItAfterAFailure) {
  dialog.FreeOnClose = false;
  EXPECT_TRUE(dialog.Execute());
  EXPECT_TRUE(dialog.Execute());
  EXPECT_EQ(log.created, 1);
  EXPECT_EQ(log.lookups, 0);  // nothing to look up
  log.offer = "pup";
  EXPECT_EQ(dialog.ResultWord(), "pup");  // a live window answers itself
  dialog.WindowDestroyed();
  EXPECT_EQ(dialog.ResultWord(), "puppy");  // the word stored at the end of the session
  dialog.FreeOnClose = true;
  log.throwOnShow = true;
  EXPECT_THROW(dialog.Execute(), std::runtime_error);
  EXPECT_EQ(log.created, 2);  // the gone window was replaced
  EXPECT_EQ(log.destroyed, 2);
  EXPECT_EQ(dialog.Window(), nullptr);
}

TEST(DefinitionsDialog, WithoutAWindowNothingRuns) {
  TDefinitionsDialog dialog;
  dialog.LookupWord = "dog";
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.ResultWord(), "");
  dialog.SetDatabaseFile("x.ydd");
  EXPECT_EQ(dialog.DatabaseFile(), "x.ydd");
}

}  // namespace
}  // namespace wx
