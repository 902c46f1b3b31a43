// The thesaurus dialog on Windows: a session on a small file while a second
// thread plays the user (reads what the dialog shows, clicks and closes).
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "thesaurus/ThesDialog_win.h"
#include "thesaurus/ThesaurusFixture.h"
#include "thesaurus/Thesaurus_win.h"
#include "ui/Dpi_win.h"
// The writer is builder code, not part of the program's library.
#include "tools/lib/ThesaurusWriter.cpp"

using namespace wx;

namespace {

struct Seen {
  std::wstring caption, lookedUp, contextsLabel, replaceWith, edit;
  std::wstring previous, lookup, replace, close;
  std::vector<std::wstring> history, contexts, kinds, words;
  int selectedWord = -1;
  bool contextsEnabled = false, previousEnabled = false, lookupEnabled = false,
       replaceEnabled = false;
  RECT client{};
};

std::wstring Text(HWND h) {
  wchar_t buf[512] = {};
  SendMessageW(h, WM_GETTEXT, 512, LPARAM(buf));
  return buf;
}

std::wstring ItemText(HWND lv, int row, int col) {
  wchar_t buf[512] = {};
  LVITEMW item{};
  item.iSubItem = col;
  item.pszText = buf;
  item.cchTextMax = 512;
  SendMessageW(lv, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item));
  return buf;
}

Seen Look(HWND dlg) {
  Seen s;
  s.caption = Text(dlg);
  s.lookedUp = Text(GetDlgItem(dlg, idLookedUpLabel));
  s.contextsLabel = Text(GetDlgItem(dlg, idContextsLabel));
  s.replaceWith = Text(GetDlgItem(dlg, idReplaceWithLabel));
  s.edit = Text(GetDlgItem(dlg, idReplaceEdit));
  s.previous = Text(GetDlgItem(dlg, idPreviousButton));
  s.lookup = Text(GetDlgItem(dlg, idLookupButton));
  s.replace = Text(GetDlgItem(dlg, idReplaceButton));
  s.close = Text(GetDlgItem(dlg, idCloseButton));
  HWND combo = GetDlgItem(dlg, idLookupCombo);
  int n = int(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    wchar_t buf[512] = {};
    SendMessageW(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(buf));
    s.history.push_back(buf);
  }
  HWND lv = GetDlgItem(dlg, idContextLV);
  n = int(SendMessageW(lv, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    s.contexts.push_back(ItemText(lv, i, 0));
    s.kinds.push_back(ItemText(lv, i, 1));
  }
  s.contextsEnabled = IsWindowEnabled(lv);
  HWND words = GetDlgItem(dlg, idWordList);
  n = int(SendMessageW(words, LVM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) s.words.push_back(ItemText(words, i, 0));
  s.selectedWord = int(SendMessageW(words, LVM_GETNEXTITEM, WPARAM(-1), LVNI_SELECTED));
  s.previousEnabled = IsWindowEnabled(GetDlgItem(dlg, idPreviousButton));
  s.lookupEnabled = IsWindowEnabled(GetDlgItem(dlg, idLookupButton));
  s.replaceEnabled = IsWindowEnabled(GetDlgItem(dlg, idReplaceButton));
  GetClientRect(dlg, &s.client);
  return s;
}

void Click(HWND dlg, int id) {
  SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dlg, id)));
}

void SelectWord(HWND dlg, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(GetDlgItem(dlg, idWordList), LVM_SETITEMSTATE, WPARAM(row), LPARAM(&item));
}

// Runs user(dialog) on another thread while a session for word runs here.
std::wstring Session(TThesaurus& t, const std::wstring& word, std::function<void(HWND)> user) {
  struct Ctx {
    std::function<void(HWND)> user;
    std::wstring caption;
  } ctx{std::move(user), L"Thesaurus: Test Thesaurus"};
  HANDLE th = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
    auto* c = static_cast<Ctx*>(p);
    HWND dlg = nullptr;
    for (int i = 0; i < 500 && !dlg; ++i) {
      dlg = FindWindowW(L"#32770", c->caption.c_str());
      if (!dlg) Sleep(20);
    }
    if (dlg) {
      Sleep(100);  // let the 10 ms centring timer fire
      c->user(dlg);
    }
    return 0;
  }, &ctx, 0, nullptr);
  std::wstring r = ThesaurusSession(t, word);
  WaitForSingleObject(th, INFINITE);
  CloseHandle(th);
  return r;
}

class ThesDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t dir[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    path_ = WideToUtf8(dir) + "wx-thes-dialog-test.qxt";
    std::ofstream(Utf8ToWide(path_).c_str(), std::ios::binary) << wx::test::BuildFixture();
    t.ExpandFileName = nullptr;
    t.SetFilename(path_);
  }
  void TearDown() override { DeleteFileW(Utf8ToWide(path_).c_str()); }
  std::string path_;
  TThesaurus t;
};

TEST_F(ThesDialogTest, ShowsTheMeaningsAndReturnsTheChosenWord) {
  Seen first, afterSelect;
  std::wstring r = Session(t, L"car", [&](HWND dlg) {
    first = Look(dlg);
    if (const char* hold = std::getenv("WX_THES_HOLD_MS")) Sleep(DWORD(std::atoi(hold)));
    SelectWord(dlg, 1);
    afterSelect = Look(dlg);
    Click(dlg, idReplaceButton);
  });
  EXPECT_EQ(first.caption, L"Thesaurus: Test Thesaurus");
  EXPECT_EQ(first.lookedUp, L"Looked &Up:");
  EXPECT_EQ(first.contextsLabel, L"Conte&xts:");
  EXPECT_EQ(first.replaceWith, L"Replace &With:");
  EXPECT_EQ(first.previous, L"&Previous");
  EXPECT_EQ(first.lookup, L"&Lookup");
  EXPECT_EQ(first.replace, L"&Replace");
  EXPECT_EQ(first.close, L"&Close");
  EXPECT_EQ(first.client.right, 361);  // at 96 dpi
  EXPECT_EQ(first.client.bottom, 211);
  EXPECT_EQ(first.history, std::vector<std::wstring>{L"car"});
  EXPECT_EQ(first.contexts, (std::vector<std::wstring>{L"car", L"cart"}));
  EXPECT_EQ(first.kinds, (std::vector<std::wstring>{L"noun", L"verb"}));
  EXPECT_EQ(first.words, (std::vector<std::wstring>{L"car", L"automobile", L"auto", L"vehicle"}));
  EXPECT_EQ(first.selectedWord, 0);
  EXPECT_EQ(first.edit, L"");
  EXPECT_FALSE(first.previousEnabled);
  EXPECT_FALSE(first.replaceEnabled);
  EXPECT_EQ(afterSelect.edit, L"automobile");
  EXPECT_TRUE(afterSelect.replaceEnabled);
  EXPECT_TRUE(afterSelect.lookupEnabled);
  EXPECT_EQ(r, L"automobile");
  EXPECT_FALSE(t.File().Loaded());
}

TEST_F(ThesDialogTest, NotFoundLookupPreviousAndEscape) {
  Seen notFound, looked, back;
  std::wstring r = Session(t, L"zebra", [&](HWND dlg) {
    notFound = Look(dlg);
    SetDlgItemTextW(dlg, idReplaceEdit, L"box");  // typed: EN_CHANGE enables Lookup
    Click(dlg, idLookupButton);
    looked = Look(dlg);
    Click(dlg, idPreviousButton);
    back = Look(dlg);
    SendMessageW(dlg, WM_CLOSE, 0, 0);  // the title bar's close button
  });
  EXPECT_EQ(notFound.contexts, std::vector<std::wstring>{L"(not found)"});
  EXPECT_FALSE(notFound.contextsEnabled);
  EXPECT_TRUE(notFound.words.empty());
  EXPECT_EQ(looked.history, (std::vector<std::wstring>{L"box", L"zebra"}));
  EXPECT_TRUE(looked.previousEnabled);
  EXPECT_EQ(looked.contexts, std::vector<std::wstring>{L"carton"});
  EXPECT_EQ(looked.kinds, std::vector<std::wstring>{L"adverb"});
  EXPECT_EQ(looked.words, (std::vector<std::wstring>{L"station", L"nation"}));
  EXPECT_EQ(back.history, std::vector<std::wstring>{L"zebra"});
  EXPECT_FALSE(back.previousEnabled);
  EXPECT_EQ(back.contexts, std::vector<std::wstring>{L"(not found)"});
  EXPECT_EQ(r, L"");
}

TEST_F(ThesDialogTest, DoubleClickLooksUpAndEscapeYieldsNothing) {
  Seen after;
  std::wstring r = Session(t, L"car", [&](HWND dlg) {
    SelectWord(dlg, 3);
    NMITEMACTIVATE nm{};
    nm.hdr.hwndFrom = GetDlgItem(dlg, idWordList);
    nm.hdr.idFrom = idWordList;
    nm.hdr.code = NM_DBLCLK;
    nm.iItem = 3;
    SendMessageW(dlg, WM_NOTIFY, idWordList, LPARAM(&nm));
    after = Look(dlg);
    Click(dlg, IDCANCEL);  // Esc
  });
  EXPECT_EQ(after.history, (std::vector<std::wstring>{L"vehicle", L"car"}));
  EXPECT_EQ(after.contexts, std::vector<std::wstring>{L"car"});
  EXPECT_EQ(after.selectedWord, 3);  // the looked-up word is selected in its list
  EXPECT_EQ(r, L"");
}

// Where the dialog's thread has the keyboard focus.
HWND FocusOf(HWND dlg) {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(dlg, nullptr), &info);
  return info.hwndFocus;
}

void SelectRow(HWND lv, int row) {
  LVITEMW item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  SendMessageW(lv, LVM_SETITEMSTATE, WPARAM(row), LPARAM(&item));
}

void DoubleClickWord(HWND dlg, int row) {
  NMITEMACTIVATE nm{};
  nm.hdr.hwndFrom = GetDlgItem(dlg, idWordList);
  nm.hdr.idFrom = idWordList;
  nm.hdr.code = NM_DBLCLK;
  nm.iItem = row;
  SendMessageW(dlg, WM_NOTIFY, idWordList, LPARAM(&nm));
}

TEST_F(ThesDialogTest, FocusStaysInTheMeaningsListAndEmptySpaceIsNoWord) {
  HWND openFocus = nullptr, afterMeanings = nullptr, contexts = nullptr, words = nullptr;
  Seen afterEmpty, afterRow;
  std::wstring r = Session(t, L"car", [&](HWND dlg) {
    contexts = GetDlgItem(dlg, idContextLV);
    words = GetDlgItem(dlg, idWordList);
    openFocus = FocusOf(dlg);
    SendMessageW(dlg, WM_NEXTDLGCTL, WPARAM(contexts), TRUE);  // the user tabs to the meanings
    SelectRow(contexts, 1);
    SelectRow(contexts, 0);  // back to a meaning that lists the looked-up word
    afterMeanings = FocusOf(dlg);
    SelectWord(dlg, 3);
    DoubleClickWord(dlg, -1);  // empty space below the rows
    afterEmpty = Look(dlg);
    DoubleClickWord(dlg, 1);
    afterRow = Look(dlg);
    Click(dlg, IDCANCEL);
  });
  EXPECT_EQ(openFocus, words);  // the dialog opens with the word list focused
  EXPECT_EQ(afterMeanings, contexts);
  EXPECT_EQ(afterEmpty.history, std::vector<std::wstring>{L"car"});
  EXPECT_EQ(afterRow.history, (std::vector<std::wstring>{L"automobile", L"car"}));
  EXPECT_EQ(r, L"");
}

TEST_F(ThesDialogTest, ATypedReplacementComesBackWhole) {
  const std::wstring typed = Utf8ToWide("caf\xC3\xA9 \xE2\x86\x92 \xE6\x97\xA5\xE6\x9C\xAC");
  Seen typedSeen;
  std::wstring r = Session(t, L"car", [&](HWND dlg) {
    SetDlgItemTextW(dlg, idReplaceEdit, typed.c_str());
    typedSeen = Look(dlg);
    Click(dlg, idReplaceButton);
  });
  EXPECT_TRUE(typedSeen.replaceEnabled);
  EXPECT_EQ(typedSeen.edit, typed);  // not squeezed through the code page
  EXPECT_EQ(r, typed);
}

TEST_F(ThesDialogTest, RussianTexts) {
  t.UILanguage = TThesaurusLanguageType::ltRussian;
  Seen s;
  struct Restore {
    TThesaurus& t;
    ~Restore() { t.UILanguage = TThesaurusLanguageType::ltEnglish; }
  } restore{t};
  // The caption differs, so find the dialog through the session's form.
  std::wstring r;
  HANDLE th = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
    auto* seen = static_cast<Seen*>(p);
    HWND dlg = nullptr;
    for (int i = 0; i < 500 && !dlg; ++i) {
      dlg = FindWindowW(L"#32770", Utf8ToWide("Тезаурус: Test Thesaurus").c_str());
      if (!dlg) Sleep(20);
    }
    if (!dlg) return 1;
    *seen = Look(dlg);
    Click(dlg, IDCANCEL);
    return 0;
  }, &s, 0, nullptr);
  r = ThesaurusSession(t, L"car");
  WaitForSingleObject(th, INFINITE);
  CloseHandle(th);
  EXPECT_EQ(WideToUtf8(s.lookedUp), "Синонимы &для:");
  EXPECT_EQ(WideToUtf8(s.close), "Закрыть");
  EXPECT_EQ(r, L"");
}

}  // namespace

namespace {

struct Placed {
  RECT window{}, client{}, close{};
  LOGFONTW font{};
  int wordColumn = 0, kindColumn = 0;  // list-view column widths
};

Placed PlacedNow(HWND dlg) {
  Placed p;
  GetWindowRect(dlg, &p.window);
  GetClientRect(dlg, &p.client);
  HWND close = GetDlgItem(dlg, idCloseButton);
  GetWindowRect(close, &p.close);
  MapWindowPoints(nullptr, dlg, reinterpret_cast<POINT*>(&p.close), 2);
  GetObjectW(HFONT(SendMessageW(close, WM_GETFONT, 0, 0)), sizeof p.font, &p.font);
  p.wordColumn = int(SendMessageW(GetDlgItem(dlg, idWordList), LVM_GETCOLUMNWIDTH, 0, 0));
  p.kindColumn = int(SendMessageW(GetDlgItem(dlg, idContextLV), LVM_GETCOLUMNWIDTH, 1, 0));
  return p;
}

}  // namespace

// The dialog is laid out for the DPI of its window (the test runs it at 96 and,
// from tests/e2e/test_high_dpi.sh, at 144) in the system's message font, and a
// move to a monitor of another DPI lays it out again and takes the suggested place.
TEST_F(ThesDialogTest, FollowsTheDpiOfItsWindow) {
  int dpi = 0;
  Placed first, moved, back;
  RECT suggested{};
  const int expected = std::getenv("WX_EXPECT_DPI") ? std::atoi(std::getenv("WX_EXPECT_DPI")) : 0;
  Session(t, L"car", [&](HWND dlg) {
    dpi = WindowDpi(dlg);
    first = PlacedNow(dlg);
    // As Windows sends it when the window is dragged onto a monitor of half as many dots again.
    const int larger = dpi * 3 / 2;
    suggested = {first.window.left + 10, first.window.top + 20,
                 first.window.left + 10 + MulDiv(first.window.right - first.window.left, 3, 2),
                 first.window.top + 20 + MulDiv(first.window.bottom - first.window.top, 3, 2)};
    SendMessageW(dlg, WM_DPICHANGED, MAKEWPARAM(larger, larger), LPARAM(&suggested));
    moved = PlacedNow(dlg);
    RECT again = first.window;
    SendMessageW(dlg, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&again));
    back = PlacedNow(dlg);
    Click(dlg, idCloseButton);
  });
  ASSERT_GT(dpi, 0);
  if (expected) EXPECT_EQ(dpi, expected);
  EXPECT_EQ(dpi, ScreenDpi());
  // Controls and client area in 96-DPI pixels scaled for the window's DPI.
  EXPECT_EQ(first.client.right, ScaleToDpi(361, dpi));
  EXPECT_EQ(first.client.bottom, ScaleToDpi(211, dpi));
  EXPECT_EQ(first.close.left, ScaleToDpi(278, dpi));
  EXPECT_EQ(first.close.right - first.close.left, ScaleToDpi(75, dpi));
  // The message font at the window's DPI, not a fixed face.
  const LOGFONTW message = MessageFontAt(dpi);
  EXPECT_EQ(first.font.lfHeight, message.lfHeight);
  EXPECT_EQ(std::wstring(first.font.lfFaceName), std::wstring(message.lfFaceName));
  if (dpi != 96) EXPECT_EQ(std::abs(first.font.lfHeight), std::abs(RescaleFontHeight(MessageFontAt(96).lfHeight, 96, dpi)));

  // Moved to the larger DPI: the suggested rectangle, controls and font rescaled.
  const int larger = dpi * 3 / 2;
  EXPECT_EQ(moved.window.left, suggested.left);
  EXPECT_EQ(moved.window.right, suggested.right);
  EXPECT_EQ(moved.close.left, ScaleToDpi(278, larger));
  EXPECT_EQ(moved.close.bottom, ScaleToDpi(184 + 23, larger));
  EXPECT_EQ(moved.font.lfHeight, MessageFontAt(larger).lfHeight);
  // The lists' columns as wide again in proportion.
  ASSERT_GT(first.wordColumn, 0);
  ASSERT_GT(first.kindColumn, 0);
  EXPECT_EQ(moved.wordColumn, MulDiv(first.wordColumn, larger, dpi));
  EXPECT_EQ(moved.kindColumn, MulDiv(first.kindColumn, larger, dpi));
  // And back: exactly where it was.
  EXPECT_EQ(back.close.left, first.close.left);
  EXPECT_EQ(back.close.bottom, first.close.bottom);
  EXPECT_EQ(back.font.lfHeight, first.font.lfHeight);
  EXPECT_EQ(back.wordColumn, first.wordColumn);
  EXPECT_EQ(back.kindColumn, first.kindColumn);
}
