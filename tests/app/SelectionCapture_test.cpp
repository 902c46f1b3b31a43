// The Selected actions' capture against a scripted system: the order of the
// clipboard steps, the busy state around all of them, and the clean give-up
// when the clipboard is held or the target does not answer.
#include <gtest/gtest.h>

#include <deque>
#include <stdexcept>

#include "app/SelectionCapture.h"
#include "app/WorkState.h"

namespace wx {

namespace {

class ScriptedHost : public CaptureHost {
 public:
  // What the system answers.
  bool saveOk = true, emptyOk = true, attachOk = true, answerYes = false, paste = true;
  bool hungOn[3] = {false, false, false};  // by EditRequest
  std::deque<ClipboardState> reads;        // Text reads come with `copied`
  std::wstring copied = L"happy";
  bool serviceThrows = false;
  // Runs inside the first message wait (the copy arriving, a hotkey, ...).
  std::function<void()> duringWait;

  std::vector<std::string> log;
  std::vector<int> waits;
  WorkState work;

  // Only the outermost stretch of work is logged.
  void BeginWork() override {
    if (work.Begin()) log.push_back("begin");
  }
  void EndWork() override {
    if (work.End()) log.push_back("end");
  }
  bool SaveBackup() override { return Step("save", saveOk); }
  bool RestoreBackup() override { return Step("restore", true); }
  bool EmptyClipboard() override { return Step("empty", emptyOk); }
  ClipboardState ReadClipboard(std::wstring& text) override {
    ClipboardState s = reads.empty() ? ClipboardState::Text : reads.front();
    if (!reads.empty()) reads.pop_front();
    text = s == ClipboardState::Text ? copied : L"";
    Step(s == ClipboardState::Text ? "read" : s == ClipboardState::Empty ? "read-empty" : "read-locked", true);
    return s;
  }
  bool AttachToFocus() override { return Step("attach", attachOk); }
  void Detach() override { Step("detach", true); }
  void WaitForTypedKeys() override { Step("keys", true); }
  bool SendEdit(EditRequest r) override {
    static const char* names[] = {"select-all", "copy", "paste"};
    return Step(names[int(r)], !hungOn[int(r)]);
  }
  void PrepareKeys() override { Step("prepare", true); }
  void SendCtrlKey(char key) override { Step(std::string("ctrl+") + key, true); }
  void ProgramToFront() override {}
  void TargetToFront() override { Step("target", true); }
  void ProcessMessagesWhile(const std::function<bool()>& more, int ms) override {
    waits.push_back(ms);
    Step("wait", true);
    if (duringWait && more()) {
      auto once = std::move(duringWait);
      duringWait = nullptr;
      once();
    }
  }
  void Pause(int) override {}
  bool RunService(int, const std::wstring& text) override {
    // The clipboard actions begin and end a stretch of work of their own.
    WorkScope<ScriptedHost> own(*this);
    Step("service:" + std::string(text.begin(), text.end()), true);
    if (serviceThrows) throw std::runtime_error("no thesaurus");
    return paste;
  }
  // Logged by its kind; the whole text is kept.
  void Notify(const std::string& text) override {
    notices.push_back(text);
    Step(text.find("holding it open") != std::string::npos ? "notify:busy"
         : text.find("not responding") != std::string::npos ? "notify:hung"
         : text.find("could not retrieve") != std::string::npos ? "notify:no-text"
                                                                 : "notify:?",
         true);
  }
  std::vector<std::string> notices;
  bool Ask(const std::string&) override { return Step("ask", answerYes); }
  void EnableCompatibilityMode() override { Step("compatibility-on", true); }

  // Every step but the busy state's own is logged with a mark when the
  // program was idle at the time.
  bool Step(const std::string& what, bool result) {
    log.push_back(work.Busy() ? what : what + " (idle!)");
    return result;
  }
};

using Log = std::vector<std::string>;
const CaptureOptions kDirect{};
const CaptureOptions kCompatibility{true, false, false, 1000};

}  // namespace

TEST(WorkState, NestedWorkEndsWithTheOutermostStretch) {
  WorkState s;
  EXPECT_TRUE(s.Begin());
  EXPECT_FALSE(s.Begin());  // a clipboard action inside a capture
  EXPECT_FALSE(s.End());
  EXPECT_TRUE(s.Busy());
  EXPECT_FALSE(s.AcceptsInput());
  EXPECT_TRUE(s.End());
  EXPECT_FALSE(s.End());  // an unmatched end changes nothing
  EXPECT_FALSE(s.Busy());
  EXPECT_TRUE(s.Begin());
  s.End();
  // A modal dialog of the tray menu refuses input without being busy.
  s.BeginModal();
  EXPECT_FALSE(s.Busy());
  EXPECT_FALSE(s.AcceptsInput());
  s.EndModal();
  s.EndModal();
  EXPECT_TRUE(s.AcceptsInput());
}

TEST(SelectionCapture, DirectModeCopiesRunsPastesAndRestoresWhileBusy) {
  ScriptedHost h;
  SelectionCapture c(h);
  c.Run(paThesaurusSelected, kDirect);
  EXPECT_EQ(h.log, (Log{"begin", "save", "empty", "attach", "keys", "copy", "read", "service:happy", "paste", "detach",
                        "restore", "end"}));

  ScriptedHost all;
  all.paste = true;
  SelectionCapture(all).Run(paSpellCheckAll, kDirect);
  EXPECT_EQ(all.log, (Log{"begin", "save", "empty", "attach", "keys", "select-all", "copy", "read", "service:happy",
                          "select-all", "paste", "detach", "restore", "end"}));

  // Definitions closed without OK: nothing is pasted.
  ScriptedHost cancelled;
  cancelled.paste = false;
  SelectionCapture(cancelled).Run(paDefinitionsSelected, kDirect);
  EXPECT_EQ(cancelled.log,
            (Log{"begin", "save", "empty", "attach", "keys", "copy", "read", "service:happy", "detach", "restore", "end"}));
}

TEST(SelectionCapture, DirectModeTellsAnEmptyCopyFromALockedClipboard) {
  // Nothing selected: the copy is tried again for a while, then the question.
  ScriptedHost empty;
  empty.reads.assign(kDirectCopyTries, ClipboardState::Empty);
  empty.answerYes = true;
  SelectionCapture(empty).Run(paThesaurusSelected, kDirect);
  Log expected{"begin", "save", "empty", "attach", "keys", "copy", "read-empty"};
  for (int i = 1; i < kDirectCopyTries; ++i) expected.insert(expected.end(), {"wait", "copy", "read-empty"});
  expected.insert(expected.end(), {"ask", "compatibility-on", "detach", "restore", "end"});
  EXPECT_EQ(empty.log, expected);
  EXPECT_EQ(empty.waits, std::vector<int>(kDirectCopyTries - 1, kDirectCopyRetryMs));
  EXPECT_LE(kDirectCopyTries * kDirectCopyRetryMs, 1000) << "the question must not keep the user waiting";

  // The selection reaches the control only after the first copy (its keys
  // were still queued): the second copy finds it, and no question is asked.
  ScriptedHost late;
  late.reads = {ClipboardState::Empty, ClipboardState::Empty};
  SelectionCapture(late).Run(paThesaurusSelected, kDirect);
  EXPECT_EQ(late.log, (Log{"begin", "save", "empty", "attach", "keys", "copy", "read-empty", "wait", "copy", "read-empty",
                           "wait", "copy", "read", "service:happy", "paste", "detach", "restore", "end"}));

  // The program stops answering between two copies: given up as hung.
  ScriptedHost hung;
  hung.reads = {ClipboardState::Empty};
  hung.duringWait = [&hung] { hung.hungOn[int(EditRequest::Copy)] = true; };
  SelectionCapture(hung).Run(paThesaurusSelected, kDirect);
  EXPECT_EQ(hung.log, (Log{"begin", "save", "empty", "attach", "keys", "copy", "read-empty", "wait", "copy", "detach",
                           "restore", "notify:hung", "end"}));

  // A clipboard held by another program is not "no text": no offer of
  // compatibility mode, and the notice comes once the clipboard is back.
  ScriptedHost locked;
  locked.reads = {ClipboardState::Locked};
  SelectionCapture(locked).Run(paThesaurusSelected, kDirect);
  EXPECT_EQ(locked.log, (Log{"begin", "save", "empty", "attach", "keys", "copy", "read-locked", "detach", "restore",
                             "notify:busy", "end"}));
  EXPECT_EQ(locked.notices.at(0).rfind("Thesaurus Selected could not use the Windows Clipboard because another "
                                       "program is holding it open.",
                                       0),
            0u);
}

TEST(SelectionCapture, ClipboardThatCannotBeSavedOrEmptiedStopsBeforeTheCopy) {
  ScriptedHost unsaved;
  unsaved.saveOk = false;
  SelectionCapture(unsaved).Run(paThesaurusSelected, kDirect);
  EXPECT_EQ(unsaved.log, (Log{"begin", "save", "notify:busy", "end"}));

  // The old contents would otherwise be taken for the selection and pasted.
  for (const CaptureOptions& o : {kDirect, kCompatibility}) {
    ScriptedHost held;
    held.emptyOk = false;
    SelectionCapture(held).Run(paSpellCheckSelected, o);
    EXPECT_EQ(held.log, (Log{"begin", "save", "empty", "restore", "notify:busy", "end"}));
  }

  // No backup in compatibility mode with "DisableBackup": nothing to restore.
  ScriptedHost noBackup;
  noBackup.emptyOk = false;
  SelectionCapture(noBackup).Run(paThesaurusSelected, {true, false, true, 1000});
  EXPECT_EQ(noBackup.log, (Log{"begin", "empty", "notify:busy", "end"}));
}

TEST(SelectionCapture, HungTargetIsGivenUpCleanly) {
  ScriptedHost copy;
  copy.hungOn[int(EditRequest::Copy)] = true;
  SelectionCapture(copy).Run(paThesaurusSelected, kDirect);
  EXPECT_EQ(copy.log, (Log{"begin", "save", "empty", "attach", "keys", "copy", "detach", "restore",
                           "notify:hung", "end"}));

  ScriptedHost select;
  select.hungOn[int(EditRequest::SelectAll)] = true;
  SelectionCapture(select).Run(paSpellCheckAll, kDirect);
  EXPECT_EQ(select.log, (Log{"begin", "save", "empty", "attach", "keys", "select-all", "detach", "restore",
                             "notify:hung", "end"}));
  EXPECT_EQ(select.notices.at(0).rfind("Spell Check All stopped because the working application is not responding.", 0),
            0u);

  ScriptedHost paste;
  paste.hungOn[int(EditRequest::Paste)] = true;
  SelectionCapture(paste).Run(paThesaurusSelected, kDirect);
  EXPECT_EQ(paste.log, (Log{"begin", "save", "empty", "attach", "keys", "copy", "read", "service:happy", "paste", "detach",
                            "restore", "notify:hung", "end"}));
}

TEST(SelectionCapture, FailingServiceStillRestoresAndEndsTheBusyState) {
  ScriptedHost h;
  h.serviceThrows = true;
  EXPECT_THROW(SelectionCapture(h).Run(paThesaurusSelected, kDirect), std::runtime_error);
  EXPECT_EQ(h.log, (Log{"begin", "save", "empty", "attach", "keys", "copy", "read", "service:happy", "detach", "restore",
                        "end"}));

  ScriptedHost unattached;
  unattached.attachOk = false;
  SelectionCapture(unattached).Run(paThesaurusSelected, kDirect);
  EXPECT_EQ(unattached.log, (Log{"begin", "save", "empty", "attach", "restore", "end"}));
}

TEST(SelectionCapture, CompatibilityModeStaysBusyUntilTheClipboardIsRestored) {
  ScriptedHost h;
  SelectionCapture c(h);
  bool sawPending = false;
  h.duringWait = [&] {
    sawPending = c.CaptureWaiting() && c.PendingAction() == paThesaurusSelected;
    c.ClipboardChanged();  // the copy arrives
    c.ClipboardChanged();  // the paste's own clipboard traffic is ignored
  };
  c.Run(paThesaurusSelected, kCompatibility);
  EXPECT_TRUE(sawPending);
  // No step between the copy and the restore runs idle (no "(idle!)" mark),
  // and the busy state ends last.
  EXPECT_EQ(h.log, (Log{"begin", "save", "empty", "prepare", "ctrl+C", "wait", "read", "service:happy", "target",
                        "read", "ctrl+V", "wait", "restore", "end"}));
  EXPECT_EQ(h.waits, (std::vector<int>{1000, kPasteGraceMs}));
  EXPECT_FALSE(c.CaptureWaiting());
  EXPECT_EQ(c.PendingAction(), paNone);

  // Spell Check All selects everything before the copy and again before the
  // paste; Cut is used when asked for.
  ScriptedHost all;
  SelectionCapture ca(all);
  all.duringWait = [&] { ca.ClipboardChanged(); };
  ca.Run(paSpellCheckAll, {true, true, false, 1000});
  EXPECT_EQ(all.log, (Log{"begin", "save", "empty", "prepare", "ctrl+A", "ctrl+X", "wait", "read", "service:happy",
                          "target", "ctrl+A", "read", "ctrl+V", "wait", "restore", "end"}));
}

TEST(SelectionCapture, CompatibilityTimeOutRestoresThenTellsAndIgnoresALateCopy) {
  ScriptedHost h;
  SelectionCapture c(h);
  c.Run(paDefinitionsSelected, {true, false, false, -5});  // a stored delay below the range
  EXPECT_EQ(h.log, (Log{"begin", "save", "empty", "prepare", "ctrl+C", "wait", "restore",
                        "notify:no-text", "end"}));
  EXPECT_EQ(h.waits, (std::vector<int>{200}));
  size_t before = h.log.size();
  c.ClipboardChanged();
  EXPECT_EQ(h.log.size(), before);

  // A copy of no text, and a clipboard held when the copy is announced.
  for (ClipboardState s : {ClipboardState::Empty, ClipboardState::Locked}) {
    ScriptedHost u;
    SelectionCapture cu(u);
    u.reads = {s, s};
    u.duringWait = [&] { cu.ClipboardChanged(); };
    cu.Run(paThesaurusSelected, kCompatibility);
    const bool empty = s == ClipboardState::Empty;
    const char* read = empty ? "read-empty" : "read-locked";
    EXPECT_EQ(u.log, (Log{"begin", "save", "empty", "prepare", "ctrl+C", "wait", read,
                          empty ? "notify:no-text" : "notify:busy", "target", read, "wait", "restore", "end"}));
  }

  EXPECT_EQ(CompatibilityDelayInUse(-1000), 200);
  EXPECT_EQ(CompatibilityDelayInUse(1500), 1500);
  EXPECT_EQ(CompatibilityDelayInUse(2000000000), 2000);
}

}  // namespace wx
