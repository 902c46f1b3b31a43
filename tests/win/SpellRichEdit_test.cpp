// The live-spelling rich edit as a real window: marks after painting (read
// back through the control and through its registered message, and as red
// pixels on screen), correction while typing, the menu's Add landing in the
// custom dictionary file, read-only panes and text outside the code page.
#include <windows.h>
#include <richedit.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "spelling/CustomDictionary.h"
#include "spelling/SpellCheckerBase.h"
#include "windows/SpellRichEdit_win.h"

using namespace wx;

namespace {

std::string TempFolder() {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  std::string folder = WideToUtf8(dir) + "wx-live-test";
  CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr);
  return folder;
}

TSpellConfigSettings Settings(const std::string& folder) {
  TSpellConfigSettings s;
  s.ConfigStorage = TConfigStorage::csNone;
  s.ConfigUseMSWordCustom = false;
  s.ConfigDictionaryDir = {folder};
  s.ConfigDefaultMain = {};
  s.ConfigDefaultCustom = {"live.qxu"};
  s.ConfigDefaultActiveCustom = "live.qxu";
  return s;
}

class SpellRichEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(Utf8ToWide(file).c_str());
    for (const char* w : {"a", "of", "the", "text", "test", "is", "here"}) checker.TemporaryDictionary().AddWord(w);
    ASSERT_NE(parent, nullptr);
    ASSERT_TRUE(edit.Create(parent, 101, 10, 10, 480, 160));
    edit.SetSpellEngine(&checker);
    ASSERT_TRUE(edit.SpellingActive());
  }
  // One visible parent for the whole suite: showing a window is slow under Wine.
  static void SetUpTestSuite() {
    parent = CreateWindowExW(0, L"STATIC", L"live", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 520, 240, nullptr,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  static void TearDownTestSuite() {
    if (parent) DestroyWindow(parent);
    parent = nullptr;
  }
  void SetText(const std::wstring& text) {
    SetWindowTextW(edit.Handle(), text.c_str());
    Repaint();
  }
  void Repaint() {
    InvalidateRect(edit.Handle(), nullptr, FALSE);
    UpdateWindow(edit.Handle());
  }
  std::wstring Text() {
    const int n = GetWindowTextLengthW(edit.Handle());
    std::wstring s(size_t(n) + 1, L'\0');
    GetWindowTextW(edit.Handle(), s.data(), n + 1);
    s.resize(size_t(n));
    return s;
  }
  void Type(const std::wstring& keys) {
    for (wchar_t c : keys) {
      SendMessageW(edit.Handle(), WM_CHAR, c, 1);
      SendMessageW(edit.Handle(), WM_KEYUP, c == L' ' ? VK_SPACE : 'A', 0xC0000001);
    }
  }
  // Right-clicks the character at index and answers the menu.
  void RightClick(int index, TSpellPopupOption tag, const std::string& word = {}) {
    edit.OnShowMenu = [=](const std::vector<TPopupItem>&, int, int, int& action, std::string& chosen) {
      action = tag;
      chosen = word;
    };
    POINTL p{0, 0};
    SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p), index);
    POINT screen{p.x + 2, p.y + 2};
    ClientToScreen(edit.Handle(), &screen);
    SendMessageW(edit.Handle(), WM_CONTEXTMENU, WPARAM(edit.Handle()), MAKELPARAM(screen.x, screen.y));
  }
  // The marks as the registered message reports them to another process.
  std::vector<std::pair<int, int>> MarksByMessage() {
    const UINT msg = RegisterWindowMessageW(TSpellRichEdit::kMarksMessageName);
    std::vector<std::pair<int, int>> out;
    const LRESULT count = SendMessageW(edit.Handle(), msg, WPARAM(-1), 0);
    for (LRESULT i = 0; i < count; ++i) {
      const uint64_t v = uint64_t(SendMessageW(edit.Handle(), msg, WPARAM(i), 0));
      out.push_back({int(v >> 32), int(v & 0xFFFFFFFF)});
    }
    return out;
  }
  // Red pixels in the band under a character range of the first line.
  int RedPixelsUnder(int start, int end) {
    POINTL a{0, 0}, b{0, 0};
    SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&a), start);
    SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&b), end);
    HDC dc = GetDC(edit.Handle());
    int red = 0;
    for (int y = a.y; y < a.y + 30; ++y)
      for (int x = a.x; x < b.x; ++x)
        if (GetPixel(dc, x, y) == RGB(255, 0, 0)) ++red;
    ReleaseDC(edit.Handle(), dc);
    return red;
  }

  // Red pixels under a character range, from its line's top to just above
  // the top of the line below (rows: that line's height).
  int RedPixelsOnLine(int start, int end, int rows) {
    POINTL a{0, 0}, b{0, 0};
    SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&a), start);
    SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&b), end);
    HDC dc = GetDC(edit.Handle());
    int red = 0;
    for (int y = a.y; y < a.y + rows; ++y)
      for (int x = a.x; x < b.x; ++x)
        if (GetPixel(dc, x, y) == RGB(255, 0, 0)) ++red;
    ReleaseDC(edit.Handle(), dc);
    return red;
  }
  int LineIndex(int line) { return int(SendMessageW(edit.Handle(), EM_LINEINDEX, line, 0)); }
  // The length and a range in the control's character indexes (a line break counts one).
  int Length() {
    GETTEXTLENGTHEX how{GTL_DEFAULT, 1200};
    return int(SendMessageW(edit.Handle(), EM_GETTEXTLENGTHEX, WPARAM(&how), 0));
  }
  std::wstring Range(int start, int end) {
    std::wstring buf(size_t(end - start) + 1, L'\0');
    TEXTRANGEW tr{{start, end}, buf.data()};
    buf.resize(size_t(SendMessageW(edit.Handle(), EM_GETTEXTRANGE, 0, LPARAM(&tr))));
    return buf;
  }
  void Key(WPARAM key) {
    SendMessageW(edit.Handle(), WM_KEYDOWN, key, 1);
    SendMessageW(edit.Handle(), WM_KEYUP, key, 0xC0000001);
    UpdateWindow(edit.Handle());
  }

  std::string folder = TempFolder();
  std::string file = folder + "\\live.qxu";
  TSpellCheckerBase checker{Settings(folder)};
  static inline HWND parent = nullptr;
  TSpellRichEdit edit;
};

using Marks = std::vector<std::pair<int, int>>;

}  // namespace

TEST_F(SpellRichEditTest, UnderlinesMisspelledWordsAfterPainting) {
  SetText(L"a tset of teh text");
  EXPECT_EQ(edit.Marks(), (Marks{{2, 6}, {10, 13}}));
  EXPECT_EQ(MarksByMessage(), edit.Marks());
  EXPECT_GT(RedPixelsUnder(2, 6), 0);
  EXPECT_EQ(RedPixelsUnder(7, 9), 0);  // "of"
  // Time to take a screenshot of the marks by hand.
  if (const char* hold = std::getenv("WX_LIVE_HOLD_MS")) Sleep(DWORD(std::atoi(hold)));

  // Read-only: no marks unless asked for; the switch takes effect at once.
  edit.SetReadOnly(true);
  Repaint();
  EXPECT_TRUE(edit.Marks().empty());
  edit.SetLiveSpellingReadOnly(true);
  Repaint();
  EXPECT_EQ(edit.Marks().size(), 2u);
  // A correction from the menu still reaches a read-only pane.
  RightClick(3, spReplace, "test");
  EXPECT_EQ(Text(), L"a test of teh text");
  Repaint();
  EXPECT_EQ(edit.Marks(), (Marks{{10, 13}}));
}

TEST_F(SpellRichEditTest, TypingCorrectsAWordWithAnAutoCorrectPair) {
  checker.ActiveCustomDictionary()->AddAutoCorrect("teh", "the");
  SetFocus(edit.Handle());
  Type(L"a teh ");
  EXPECT_EQ(Text(), L"a the ");
  CHARRANGE sel{0, 0};
  SendMessageW(edit.Handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
  EXPECT_EQ(sel.cpMin, 6);
  EXPECT_EQ(sel.cpMax, 6);
}

TEST_F(SpellRichEditTest, MenuAddIsInTheDictionaryFileAtOnce) {
  SetText(L"a zorb of text");
  ASSERT_EQ(edit.Marks(), (Marks{{2, 6}}));
  RightClick(3, spAdd);
  TCustomDictionary onDisk;
  ASSERT_TRUE(onDisk.Open(file));
  EXPECT_TRUE(onDisk.IsAdded("zorb"));
  Repaint();
  EXPECT_TRUE(edit.Marks().empty());
}

TEST_F(SpellRichEditTest, TextOutsideTheCodePagePassesThroughUnchanged) {
  const std::wstring text = L"tset \u03b1\u03b2\u03b3 tset\u03a9 \u043c\u0438\u0440 \u65e5\u672c \U0001F600 teh";
  SetText(text);
  EXPECT_EQ(Text(), text);
  EXPECT_EQ(edit.Marks(), (Marks{{0, 4}, {int(text.size()) - 3, int(text.size())}}));
  checker.ActiveCustomDictionary()->AddAutoCorrect("tset", "test");
  RightClick(int(text.size()) - 2, spChangeAll, "the");
  EXPECT_EQ(Text(), L"tset \u03b1\u03b2\u03b3 tset\u03a9 \u043c\u0438\u0440 \u65e5\u672c \U0001F600 the");
}

TEST_F(SpellRichEditTest, MarksFollowScrollingAndEditsAndTheBaselineSearch) {
  std::wstring text;
  for (int i = 0; i < 60; ++i) text += L"the tset\r";
  edit.SetDetectBaseline(true);
  SetText(text);
  ASSERT_FALSE(edit.Marks().empty());
  EXPECT_EQ(edit.Marks().front(), std::make_pair(4, 8));
  EXPECT_GT(RedPixelsUnder(4, 8), 0);
  // Scrolled down: only the lines now visible are marked.
  SendMessageW(edit.Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
  UpdateWindow(edit.Handle());
  const int first = int(SendMessageW(edit.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  ASSERT_GT(first, 0);
  const int firstIndex = int(SendMessageW(edit.Handle(), EM_LINEINDEX, first, 0));
  ASSERT_FALSE(edit.Marks().empty());
  EXPECT_EQ(edit.Marks().front(), std::make_pair(firstIndex + 4, firstIndex + 8));
  // The word corrected by an edit loses its mark at the next paint.
  CHARRANGE word{firstIndex + 4, firstIndex + 8};
  SendMessageW(edit.Handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&word));
  SendMessageW(edit.Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"test"));
  Repaint();
  ASSERT_FALSE(edit.Marks().empty());
  EXPECT_GT(edit.Marks().front().first, firstIndex + 8);
}

TEST_F(SpellRichEditTest, TheRealMenuMapsTheChosenEntryBack) {
  SetText(L"a zorb of text");
  ASSERT_EQ(edit.Marks(), (Marks{{2, 6}}));
  // While the menu is open, its access key for "Ignore All" is pressed.
  static HWND target;
  target = edit.Handle();
  const UINT_PTR timer = SetTimer(nullptr, 0, 200, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    PostMessageW(target, WM_KEYDOWN, 'I', 0x00170001);
    PostMessageW(target, WM_CHAR, 'i', 0x00170001);
  });
  ASSERT_NE(timer, 0u);
  POINTL p{0, 0};
  SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p), 3);
  POINT screen{p.x + 2, p.y + 2};
  ClientToScreen(edit.Handle(), &screen);
  SendMessageW(edit.Handle(), WM_CONTEXTMENU, WPARAM(edit.Handle()), MAKELPARAM(screen.x, screen.y));
  EXPECT_TRUE(checker.TemporaryDictionary().IsAdded("zorb"));
  Repaint();
  EXPECT_TRUE(edit.Marks().empty());
}

// The wave of a mark lies under its word: below the lowest row the word's
// letters paint and above the next line's top, on the last line too; with
// the control's font at the sizes 8 points take at 96 and at 144 dots per
// inch.
TEST_F(SpellRichEditTest, TheWaveLiesBetweenTheBaselineAndTheNextLine) {
  for (const int twips : {8 * 20, 12 * 20}) {
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR;
    lstrcpynW(cf.szFaceName, L"MS Sans Serif", LF_FACESIZE);
    cf.yHeight = twips;
    cf.crTextColor = RGB(0, 0, 0);
    SendMessageW(edit.Handle(), EM_SETCHARFORMAT, SCF_DEFAULT, LPARAM(&cf));
    SetText(L"a tset of text\rtest the tset");
    SendMessageW(edit.Handle(), EM_SETCHARFORMAT, SCF_ALL, LPARAM(&cf));
    Repaint();
    ASSERT_EQ(edit.Marks(), (Marks{{2, 6}, {24, 28}})) << twips;
    POINTL first{0, 0}, second{0, 0};
    SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&first), 0);
    SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&second), 15);
    const int spacing = second.y - first.y;
    ASSERT_GT(spacing, 0);
    HDC dc = GetDC(edit.Handle());
    for (const auto& [start, end] : edit.Marks()) {
      POINTL a{0, 0}, b{0, 0};
      SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&a), start);
      SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&b), end - 1);
      const int right = b.x + 4, nextTop = a.y + spacing;
      int lowestLetter = -1, topWave = 1 << 20, bottomWave = -1;
      for (int y = a.y; y < nextTop + 6; ++y)
        for (int x = a.x; x < right; ++x) {
          const COLORREF c = GetPixel(dc, x, y);
          if (c == RGB(255, 0, 0)) {
            topWave = std::min(topWave, y);
            bottomWave = std::max(bottomWave, y);
          } else if (c == RGB(0, 0, 0) && y < nextTop) {
            lowestLetter = std::max(lowestLetter, y);
          }
        }
      EXPECT_GE(lowestLetter, a.y) << twips << " " << start;
      EXPECT_GE(bottomWave, 0) << twips << " " << start << ": no wave";
      EXPECT_GT(topWave, lowestLetter) << twips << " " << start;
      EXPECT_LT(bottomWave, nextTop) << twips << " " << start;
    }
    ReleaseDC(edit.Handle(), dc);
  }
}

// Typing, deleting and scrolling in a long text keep every wave under its
// word: the model follows the edits without asking the control again, so
// what it draws is checked against the control's own positions.
TEST_F(SpellRichEditTest, MarksStayOnTheirWordsWhileTypingAndDeleting) {
  std::wstring text;
  for (int i = 0; i < 60; ++i) text += L"the tset\r";
  SetText(text + L"a teh");
  SetFocus(edit.Handle());
  SendMessageW(edit.Handle(), EM_SETSEL, WPARAM(-1), LPARAM(-1));
  SendMessageW(edit.Handle(), EM_SCROLLCARET, 0, 0);
  Repaint();
  const int first = int(SendMessageW(edit.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  ASSERT_GT(first, 0);
  POINTL top{0, 0}, below{0, 0};
  SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&top), LineIndex(first));
  SendMessageW(edit.Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&below), LineIndex(first + 1));
  const int rows = below.y - top.y;
  ASSERT_GT(rows, 0);
  // At the end: a word typed and left is marked where it stands.
  Type(L" zorb the");
  UpdateWindow(edit.Handle());
  const int length = Length();
  ASSERT_EQ(Range(length - 9, length), L" zorb the");
  ASSERT_FALSE(edit.Marks().empty());
  EXPECT_EQ(edit.Marks().back(), std::make_pair(length - 8, length - 4));
  EXPECT_GT(RedPixelsOnLine(length - 8, length - 4, rows), 0);
  EXPECT_EQ(RedPixelsOnLine(length - 3, length, rows), 0);
  // Before a mark in a line above: the mark moves right with its word and
  // nothing is left under the word typed in its old place.
  const int line = LineIndex(first + 1);
  SendMessageW(edit.Handle(), EM_SETSEL, line, line);
  Type(L"the ");
  UpdateWindow(edit.Handle());
  auto has = [&](int a, int b) {
    const auto marks = edit.Marks();
    return std::find(marks.begin(), marks.end(), std::make_pair(a, b)) != marks.end();
  };
  EXPECT_TRUE(has(line + 8, line + 12));
  EXPECT_FALSE(has(line + 4, line + 8));
  EXPECT_GT(RedPixelsOnLine(line + 8, line + 12, rows), 0);
  EXPECT_EQ(RedPixelsOnLine(line, line + 7, rows), 0);
  // The line below kept its own mark.
  EXPECT_TRUE(has(line + 13 + 4, line + 13 + 8));
  // Deleted again with Backspace: back in its old place.
  for (int i = 0; i < 4; ++i) Key(VK_BACK);
  EXPECT_EQ(Range(line, line + 8), L"the tset");
  EXPECT_TRUE(has(line + 4, line + 8));
  EXPECT_GT(RedPixelsOnLine(line + 4, line + 8, rows), 0);
  EXPECT_EQ(RedPixelsOnLine(line, line + 3, rows), 0);
  // Scrolled up a page: the lines now visible are marked where they are.
  SendMessageW(edit.Handle(), WM_VSCROLL, SB_PAGEUP, 0);
  UpdateWindow(edit.Handle());
  const int now = int(SendMessageW(edit.Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
  ASSERT_LT(now, first);
  ASSERT_FALSE(edit.Marks().empty());
  EXPECT_EQ(edit.Marks().front(), std::make_pair(LineIndex(now) + 4, LineIndex(now) + 8));
  EXPECT_GT(RedPixelsOnLine(LineIndex(now) + 4, LineIndex(now) + 8, rows), 0);
}
