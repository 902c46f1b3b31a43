// The spell dialog on Windows: a whole check of an edit control while a
// second thread plays the user (reads what the dialog shows, presses its
// buttons and keys, answers the end message).
#include <windows.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "spelling/CustomDictionariesDialog_win.h"
#include "spelling/CustomDictionariesTexts.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/SpellDialogTexts.h"
#include "spelling/SpellDialog_win.h"
#include "win/DpiCheck.h"
// The writer is builder code, not part of the program's library.
#include "tools/lib/MainDictWriter.cpp"

using namespace wx;

namespace {

// Never blocks for long: the other thread may be busy.
std::wstring Text(HWND h) {
  wchar_t buf[512] = {};
  DWORD_PTR result = 0;
  SendMessageTimeoutW(h, WM_GETTEXT, 512, LPARAM(buf), SMTO_ABORTIFHUNG, 3000, &result);
  return buf;
}

struct Seen {
  std::wstring caption, label, word, replacement, change;
  std::vector<std::wstring> list;
  bool changeEnabled = false, changeAllEnabled = false, listEnabled = false, undoEnabled = false;
};

Seen Look(HWND dlg) {
  Seen s;
  s.caption = Text(dlg);
  s.label = Text(GetDlgItem(dlg, idSpellNotFoundLabel));
  s.word = Text(GetDlgItem(dlg, idSpellWordEdit));
  s.replacement = Text(GetDlgItem(dlg, idSpellReplaceEdit));
  s.change = Text(GetDlgItem(dlg, idSpellChange));
  HWND list = GetDlgItem(dlg, idSpellSuggestionList);
  const int n = int(SendMessageW(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    wchar_t buf[256] = {};
    SendMessageW(list, LB_GETTEXT, WPARAM(i), LPARAM(buf));
    s.list.push_back(buf);
  }
  s.changeEnabled = IsWindowEnabled(GetDlgItem(dlg, idSpellChange));
  s.changeAllEnabled = IsWindowEnabled(GetDlgItem(dlg, idSpellChangeAll));
  s.listEnabled = IsWindowEnabled(list);
  s.undoEnabled = IsWindowEnabled(GetDlgItem(dlg, idSpellUndo));
  return s;
}

// Posted: a button may open a window that waits for the user.
void Click(HWND dlg, int id) { PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dlg, id))); }

// Waits until cond holds (up to 5 s).
bool WaitFor(const std::function<bool()>& cond) {
  for (int i = 0; i < 250; ++i) {
    if (cond()) return true;
    Sleep(20);
  }
  return false;
}

// The visible top-level dialog of this process titled `title`, other than `not`.
HWND FindDialog(const wchar_t* title, HWND not_ = nullptr) {
  struct Ctx {
    const wchar_t* title;
    HWND not_, found;
  } ctx{title, not_, nullptr};
  EnumWindows(
      [](HWND h, LPARAM p) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(p);
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        wchar_t cls[32] = {};
        GetClassNameW(h, cls, 32);
        if (pid == GetCurrentProcessId() && h != c->not_ && IsWindowVisible(h) && std::wstring(cls) == L"#32770" &&
            Text(h) == c->title) {
          c->found = h;
          return FALSE;
        }
        return TRUE;
      },
      LPARAM(&ctx));
  return ctx.found;
}

// Runs the check of `initial` in an edit control here while user(dialog)
// plays on another thread; returns what RunSpellDialogCheck answered and the
// control's text afterwards.
struct Outcome {
  bool finished;
  std::wstring text;
};
Outcome CheckThroughDialog(TSpellCheckerBase& checker, const std::wstring& initial, std::function<void()> user) {
  HWND doc = CreateWindowExW(0, L"EDIT", initial.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE | ES_MULTILINE, 50, 50,
                             500, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  HANDLE th = CreateThread(
      nullptr, 0,
      [](LPVOID p) -> DWORD {
        (*static_cast<std::function<void()>*>(p))();
        return 0;
      },
      &user, 0, nullptr);
  Outcome o;
  o.finished = RunSpellDialogCheck(doc, checker, doc);
  // Until the user is done, keep answering its messages.
  while (MsgWaitForMultipleObjects(1, &th, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  CloseHandle(th);
  o.text = Text(doc);
  DestroyWindow(doc);
  return o;
}

class SpellDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    dir_ = std::wstring(tmp) + L"wx-spell-dialog-test";
    CreateDirectoryW(dir_.c_str(), nullptr);
    std::string image, error;
    tools::MainDictStats stats;
    ASSERT_TRUE(tools::BuildMainDictionary({"this", "is", "a", "test", "the", "end", "text"}, {}, image, stats, error))
        << error;
    std::ofstream((dir_ + L"\\test.qxm").c_str(), std::ios::binary) << image;
    TSpellConfigSettings s;
    s.ConfigStorage = TConfigStorage::csNone;
    s.ConfigDictionaryDir = {WideToUtf8(dir_)};
    s.ConfigUseMSWordCustom = false;
    s.ConfigDefaultMain = {"test.qxm"};
    s.ConfigDefaultCustom = {};
    s.ConfigDefaultActiveCustom = "";
    checker_ = std::make_unique<TSpellCheckerBase>(s);
    checker_->EndMessageWordCount = true;
    checker_->RecheckReplacedWords = false;
  }
  void TearDown() override {
    checker_.reset();
    DeleteFileW((dir_ + L"\\test.qxm").c_str());
    RemoveDirectoryW(dir_.c_str());
  }
  std::wstring dir_;
  std::unique_ptr<TSpellCheckerBase> checker_;
};

}  // namespace

TEST_F(SpellDialogTest, ChangeDeleteUndoEscAndNoSuggestions) {
  std::vector<Seen> seen;
  std::wstring endMessage;
  bool endAnswered = false;
  Outcome first = CheckThroughDialog(*checker_, L"This is a tset. the the end", [&] {
    HWND dlg = nullptr;
    if (!WaitFor([&] { return (dlg = FindDialog(L"Spelling")) != nullptr; })) return;
    seen.push_back(Look(dlg));  // 0: "tset"
    // The user moves the dialog; the next check opens it there.
    SetWindowPos(dlg, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Click(dlg, idSpellChange);
    WaitFor([&] { return Text(GetDlgItem(dlg, idSpellWordEdit)) == L"the the"; });
    seen.push_back(Look(dlg));  // 1: the repeated pair
    Click(dlg, idSpellUndo);
    WaitFor([&] { return Text(GetDlgItem(dlg, idSpellWordEdit)) == L"tset"; });
    seen.push_back(Look(dlg));  // 2: "tset" again
    Click(dlg, idSpellChange);
    WaitFor([&] { return Text(GetDlgItem(dlg, idSpellWordEdit)) == L"the the"; });
    Click(dlg, idSpellChange);  // Delete the second "the"
    // The end message replaces the dialog.
    HWND box = nullptr;
    if (!WaitFor([&] { return (box = FindDialog(L"Spelling", dlg)) != nullptr; })) return;
    EnumChildWindows(
        box,
        [](HWND h, LPARAM p) -> BOOL {
          const std::wstring t = Text(h);
          if (t.find(L"complete") != std::wstring::npos) *reinterpret_cast<std::wstring*>(p) = t;
          return TRUE;
        },
        LPARAM(&endMessage));
    endAnswered = IsWindowVisible(dlg) == FALSE;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  });
  EXPECT_TRUE(first.finished);
  EXPECT_EQ(first.text, L"This is a test. the end");
  ASSERT_EQ(seen.size(), 3u);
  EXPECT_EQ(seen[0].caption, L"Spelling");
  EXPECT_EQ(seen[0].label, L"Not Found:");
  EXPECT_EQ(seen[0].word, L"tset");
  EXPECT_EQ(seen[0].replacement, L"test");
  ASSERT_FALSE(seen[0].list.empty());
  EXPECT_EQ(seen[0].list[0], L"test");
  EXPECT_EQ(seen[0].change, L"C&hange");
  EXPECT_TRUE(seen[0].changeEnabled);
  EXPECT_FALSE(seen[0].undoEnabled);

  EXPECT_EQ(seen[1].label, L"Repeated Word:");
  EXPECT_EQ(seen[1].word, L"the the");
  EXPECT_EQ(seen[1].replacement, L"the");
  EXPECT_EQ(seen[1].change, L"&Delete");
  EXPECT_TRUE(seen[1].changeEnabled);
  EXPECT_FALSE(seen[1].changeAllEnabled);
  EXPECT_TRUE(seen[1].undoEnabled);

  EXPECT_EQ(seen[2].word, L"tset");
  EXPECT_EQ(seen[2].change, L"C&hange");
  EXPECT_TRUE(endAnswered);
  // Undo goes back, so some words are counted twice: the number is not fixed.
  EXPECT_EQ(endMessage.rfind(L"The spelling check is complete.\n\nWords checked: ", 0), 0u) << WideToUtf8(endMessage);

  EXPECT_EQ(checker_->Config().DialogX(), 123);
  EXPECT_EQ(checker_->Config().DialogY(), 77);

  // A word without suggestions, then Esc: the check is cancelled and the
  // text left as it was.
  std::string events;
  checker_->OnSpellDialogShow = [&] { events += "show "; };
  checker_->OnSpellDialogHide = [&] { events += "hide "; };
  checker_->OnDialogDeactivate = [&] { events += "away "; };
  checker_->OnDialogActivate = [&] { events += "back "; };
  Seen none;
  RECT place{};
  bool closed = false, awayIgnore = true, awayCancel = false, backIgnore = false;
  std::wstring backWord;
  Outcome second = CheckThroughDialog(*checker_, L"the qqqqzzzz end", [&] {
    HWND dlg = nullptr;
    if (!WaitFor([&] { return (dlg = FindDialog(L"Spelling")) != nullptr; })) return;
    none = Look(dlg);
    GetWindowRect(dlg, &place);
    // The user clicks into the document: the dialog's commands rest until
    // they come back, and the check goes on from the word.
    HWND doc = GetWindow(dlg, GW_OWNER);
    DWORD_PTR r = 0;
    SendMessageTimeoutW(dlg, WM_ACTIVATE, WA_INACTIVE, LPARAM(doc), SMTO_ABORTIFHUNG, 3000, &r);
    SendMessageTimeoutW(dlg, WM_ACTIVATE, WA_INACTIVE, LPARAM(doc), SMTO_ABORTIFHUNG, 3000, &r);
    awayIgnore = IsWindowEnabled(GetDlgItem(dlg, idSpellIgnore));
    awayCancel = IsWindowEnabled(GetDlgItem(dlg, idSpellCancel));
    SendMessageTimeoutW(dlg, WM_ACTIVATE, WA_ACTIVE, LPARAM(doc), SMTO_ABORTIFHUNG, 3000, &r);
    backIgnore = IsWindowEnabled(GetDlgItem(dlg, idSpellIgnore));
    backWord = Text(GetDlgItem(dlg, idSpellWordEdit));
    HWND edit = GetDlgItem(dlg, idSpellReplaceEdit);
    PostMessageW(edit, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(edit, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    closed = WaitFor([&] { return !IsWindowVisible(dlg); });
  });
  EXPECT_TRUE(closed);
  EXPECT_FALSE(second.finished);
  EXPECT_TRUE(checker_->Cancelled());
  EXPECT_EQ(second.text, L"the qqqqzzzz end");
  EXPECT_EQ(events, "show away back hide ");
  EXPECT_FALSE(awayIgnore);
  EXPECT_TRUE(awayCancel);
  EXPECT_TRUE(backIgnore);
  EXPECT_EQ(backWord, L"qqqqzzzz");
  EXPECT_EQ(place.left, 123);
  EXPECT_EQ(place.top, 77);
  EXPECT_EQ(none.word, L"qqqqzzzz");
  EXPECT_EQ(none.list, std::vector<std::wstring>{L"(no suggestions)"});
  EXPECT_FALSE(none.listEnabled);
  EXPECT_EQ(none.replacement, L"");
  EXPECT_FALSE(none.changeEnabled);
  EXPECT_FALSE(none.changeAllEnabled);
}

TEST_F(SpellDialogTest, TextInMemoryKeepsCharactersOutsideTheCodePage) {
  // Shown at once, and asked for modal: this dialog is modeless, and the
  // check still starts.
  checker_->DialogShowImmediate = true;
  checker_->DialogShowModal = true;
  std::wstring text = L"\u0394\u03b5\u03bb\u03c4\u03b1 tset \u2014 end";
  bool ok = false;
  HANDLE th = CreateThread(
      nullptr, 0,
      [](LPVOID) -> DWORD {
        HWND dlg = nullptr;
        if (!WaitFor([&] { return (dlg = FindDialog(L"Spelling")) != nullptr; })) return 0;
        Click(dlg, idSpellChange);
        HWND box = nullptr;
        if (WaitFor([&] { return (box = FindDialog(L"Spelling", dlg)) != nullptr; }))
          PostMessageW(box, WM_COMMAND, IDOK, 0);
        return 0;
      },
      nullptr, 0, nullptr);
  ok = RunSpellDialogCheckText(nullptr, *checker_, text);
  while (MsgWaitForMultipleObjects(1, &th, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  CloseHandle(th);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(checker_->DialogShowModal);  // the checker's setting is back
  EXPECT_EQ(text, L"\u0394\u03b5\u03bb\u03c4\u03b1 test \u2014 end");
}

// The custom dictionaries window follows its DPI like every spelling dialog,
// its list's column included (win/DpiCheck.h).
TEST_F(SpellDialogTest, TheCustomDictionariesWindowFollowsTheDpiOfItsWindow) {
  using namespace dpicheck;
  const Moves m = MoveBetweenDpis([&] { ShowCustomDictionariesDialog(nullptr, *checker_); },
                                  Probe{idDictsOk, 0, 0, false, {}, 3, 2, idDictsList},
                                  [](HWND w) { ClickButton(w, idDictsOk); });
  ExpectFollows(m);
  for (const dpicheck::Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    ExpectPlaced(s->control, 224, 234, 80, 23, s->dpi);
  }
  EXPECT_EQ(m.first.column, ScaleToDpi(176, m.first.dpi));
}
