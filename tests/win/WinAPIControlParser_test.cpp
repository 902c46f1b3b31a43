// Edit and rich-edit windows as text sources: words, positions in the
// control's own UTF-16 characters, selection, replacement, and a whole check
// that changes the window's text.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "spelling/ParsingEngine.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/WinAPIControlParser_win.h"

using namespace wx;

namespace {

class Control {
 public:
  Control(const wchar_t* cls, const std::wstring& text) {
    if (std::wstring(cls) == L"RichEdit20W") LoadLibraryW(L"riched20.dll");
    hwnd_ = CreateWindowExW(0, cls, text.c_str(), WS_OVERLAPPEDWINDOW | ES_MULTILINE | WS_VSCROLL, 0, 0, 400, 200,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  ~Control() {
    if (hwnd_) DestroyWindow(hwnd_);
  }
  HWND hwnd() const { return hwnd_; }
  std::wstring Text() const {
    const int n = GetWindowTextLengthW(hwnd_);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(hwnd_, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
  }

 private:
  HWND hwnd_ = nullptr;
};

std::vector<std::string> Words(HWND h, std::vector<std::pair<int, int>>* starts = nullptr) {
  TWinAPIControlParser p(h);
  p.Initialize();
  TMainParsingEngine engine;
  engine.Start(&p, kModeWholeText);
  std::vector<std::string> out;
  std::string w;
  for (int guard = 0; guard < 100; ++guard) {
    engine.GetNextWord(w);
    if (w.empty()) break;
    out.push_back(w);
    int x, y;
    p.GetPosition(x, y);
    if (starts) starts->push_back({x - static_cast<int>(w.size()), y});
  }
  return out;
}

class ControlKinds : public ::testing::TestWithParam<const wchar_t*> {};

}  // namespace

TEST_P(ControlKinds, WordsAndPositionsAcrossLines) {
  Control c(GetParam(), L"one caf\u00e9\r\ntwo \u0142x three\r\nfour");
  ASSERT_NE(c.hwnd(), nullptr);
  std::vector<std::pair<int, int>> starts;
  // "\u0142" is outside the code page: it ends a word and is never part of one.
  EXPECT_EQ(Words(c.hwnd(), &starts),
            (std::vector<std::string>{"one", "caf\xE9", "two", "x", "three", "four"}));
  ASSERT_EQ(starts.size(), 6u);
  EXPECT_EQ(starts[1], std::make_pair(4, 0));
  EXPECT_EQ(starts[3], std::make_pair(5, 1));
  EXPECT_EQ(starts[5], std::make_pair(0, 2));
}

TEST_P(ControlKinds, SelectReplaceAndSelection) {
  Control c(GetParam(), L"alpha beta\r\ngamma");
  TWinAPIControlParser p(c.hwnd());
  p.Initialize();
  p.SetPosition(10, 0, kMoveCursor);  // after "beta"
  p.SelectWord(4);
  int x1, y1, x2, y2;
  p.GetSelection(x1, y1, x2, y2);
  EXPECT_EQ(std::make_pair(x1, y1), std::make_pair(6, 0));
  EXPECT_EQ(std::make_pair(x2, y2), std::make_pair(10, 0));
  p.ReplaceWord("BETA-BETA");
  int x, y;
  p.GetPosition(x, y);
  EXPECT_EQ(x, 15);
  std::wstring t = c.Text();
  EXPECT_EQ(t.substr(0, 15), L"alpha BETA-BETA");
  EXPECT_NE(t.find(L"gamma"), std::wstring::npos);
  p.SetPosition(0, 1, kMoveCursor);
  EXPECT_EQ(p.GetChar(), 'g');
  EXPECT_TRUE(p.MovePrevious());   // back over the line break
  EXPECT_NE(p.GetChar(), 0);
  p.GetPosition(x, y);
  EXPECT_EQ(y, 0);
}

TEST_P(ControlKinds, CheckChangesTheWindow) {
  Control c(GetParam(), L"the caat sat");
  TSpellConfigSettings settings;
  settings.ConfigStorage = TConfigStorage::csNone;
  settings.ConfigUseMSWordCustom = false;
  settings.ConfigDefaultMain = {};
  settings.ConfigDefaultCustom = {};
  settings.ConfigDefaultActiveCustom = "";
  TSpellCheckerBase checker(settings);
  for (const char* w : {"the", "cat", "sat"}) checker.TemporaryDictionary().AddWord(w);
  std::vector<std::string> prompts;
  checker.OnPromptWord = [&](const std::string& w, bool) { prompts.push_back(w); };
  CheckWindow(checker, c.hwnd(), kModeWholeText);
  ASSERT_TRUE(checker.Checking());
  EXPECT_EQ(checker.CurrentWord(), "caat");
  checker.Change("cat");
  EXPECT_FALSE(checker.Checking());
  EXPECT_EQ(c.Text(), L"the cat sat");
  EXPECT_EQ(WordCountWindow(checker, c.hwnd(), kModeWholeText), 3);
}

INSTANTIATE_TEST_SUITE_P(EditAndRichEdit, ControlKinds, ::testing::Values(L"Edit", L"RichEdit20W"));
