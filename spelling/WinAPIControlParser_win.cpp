#include "spelling/WinAPIControlParser_win.h"

#include <richedit.h>

#include <algorithm>
#include <cwctype>
#include <vector>

#include "common/AnsiText.h"
#include "spelling/SpellCheckerBase.h"

namespace wx {

namespace {

// The byte the word extractor sees for a character outside the code page:
// not a word character, never 0 (which means "outside the text").
constexpr uint8_t kForeignChar = 0x7F;

LRESULT Send(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageW(w, msg, wp, lp); }

}  // namespace

void TWinAPIControlParser::Initialize() {
  x_ = y_ = 0;
  hasEnd_ = false;
  endX_ = endY_ = 0;
  cachedLine_ = -1;
  line_.clear();
  cacheInvalid_ = true;
  wordStart_ = 0;
  wordLength_ = 0;
  lineCount_ = static_cast<int>(Send(window_, EM_GETLINECOUNT));
  wchar_t cls[256] = {};
  GetClassNameW(window_, cls, 255);
  std::wstring name(cls);
  for (auto& c : name) c = static_cast<wchar_t>(std::towlower(c));
  if (name.find(L"richedit2") != std::wstring::npos)
    kind_ = kRichEdit2;
  else if (name.find(L"richedit") != std::wstring::npos || name.find(L"syntaxmemo") != std::wstring::npos ||
           name.find(L"lmdmemo") != std::wstring::npos)
    kind_ = kRichEdit1;
  else
    kind_ = kEdit;
}

bool TWinAPIControlParser::LoadLine(int line) {
  if (line == cachedLine_ && !cacheInvalid_) return true;
  if (line < 0 || line >= lineCount_) return false;
  std::vector<wchar_t> buf(kMaxLine + 2, 0);
  buf[0] = static_cast<wchar_t>(kMaxLine);  // EM_GETLINE: the first word holds the buffer size
  const LRESULT n = Send(window_, EM_GETLINE, static_cast<WPARAM>(line), reinterpret_cast<LPARAM>(buf.data()));
  const size_t count = static_cast<size_t>(std::clamp<LRESULT>(n, 0, kMaxLine));
  line_.assign(reinterpret_cast<const char16_t*>(buf.data()), count);
  line_ += u"\r\n";
  lineCount_ = static_cast<int>(Send(window_, EM_GETLINECOUNT));
  cachedLine_ = line;
  cacheInvalid_ = false;
  return true;
}

bool TWinAPIControlParser::FetchLine() {
  if (x_ < 0) {
    if (y_ == 0) {
      x_ = 0;
      return false;
    }
    if (!LoadLine(y_ - 1)) return false;
    --y_;
    x_ = static_cast<int>(line_.size()) - 1;
  }
  if (!LoadLine(y_)) return false;
  while (x_ >= static_cast<int>(line_.size())) {
    if (!LoadLine(y_ + 1)) return false;
    ++y_;
    x_ = 0;
  }
  if (hasEnd_ && (y_ > endY_ || (y_ == endY_ && x_ > endX_))) return false;
  return true;
}

uint8_t TWinAPIControlParser::GetChar() {
  if (!FetchLine()) return 0;
  const char16_t u = line_[static_cast<size_t>(x_)];
  if (u == 0) return kForeignChar;
  uint8_t b;
  return UnicodeCharToAnsi(u, b) && b != 0 ? b : kForeignChar;
}

void TWinAPIControlParser::GetLine(std::string& text) {
  text.clear();
  if (!FetchLine()) return;
  for (char16_t u : line_) {
    uint8_t b;
    text.push_back(static_cast<char>(UnicodeCharToAnsi(u, b) ? b : kForeignChar));
  }
  if (text.size() >= 2) text.resize(text.size() - 2);  // without the CR LF we appended
}

bool TWinAPIControlParser::MoveNext() {
  ++x_;
  return FetchLine();
}

bool TWinAPIControlParser::MovePrevious() {
  --x_;
  return FetchLine();
}

void TWinAPIControlParser::SetPosition(int x, int y, int mode) {
  if (mode == kMoveCursor) {
    x_ = std::max(0, x);
    y_ = std::clamp(y, 0, std::max(0, lineCount_ - 1));
    cacheInvalid_ = true;
  } else if (mode == kSetEndMark) {
    hasEnd_ = true;
    endX_ = x;
    endY_ = y;
  }
}

void TWinAPIControlParser::GetPosition(int& x, int& y) {
  x = x_;
  y = y_;
}

void TWinAPIControlParser::SelectWord(int length) {
  x_ = std::max(0, x_ - length);
  const LRESULT lineStart = Send(window_, EM_LINEINDEX, static_cast<WPARAM>(y_));
  wordStart_ = (lineStart < 0 ? 0 : lineStart) + x_;
  wordLength_ = length;
  Send(window_, EM_SETSEL, static_cast<WPARAM>(wordStart_), static_cast<LPARAM>(wordStart_ + wordLength_));
}

void TWinAPIControlParser::ReplaceWord(const std::string& text) {
  Send(window_, EM_SETSEL, static_cast<WPARAM>(wordStart_), static_cast<LPARAM>(wordStart_ + wordLength_));
  DWORD s = 0, e = 0;
  Send(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  const std::u16string wide = AnsiToUnicode(text);
  if (hasEnd_ && endY_ == y_) endX_ += static_cast<int>(wide.size()) - static_cast<int>(e - s);
  Send(window_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  x_ += static_cast<int>(wide.size());
  wordLength_ = static_cast<int>(wide.size());
  cacheInvalid_ = true;
  lineCount_ = static_cast<int>(Send(window_, EM_GETLINECOUNT));
}

void TWinAPIControlParser::SkipWord() {
  DWORD s = 0, e = 0;
  Send(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  x_ += static_cast<int>(e - s);
}

int TWinAPIControlParser::LineHeight() {
  HDC dc = GetDC(window_);
  if (!dc) return 16;
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(Send(window_, WM_GETFONT));
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  if (old) SelectObject(dc, old);
  ReleaseDC(window_, dc);
  const int h = tm.tmHeight + tm.tmExternalLeading;
  return h > 0 ? h : 16;
}

void TWinAPIControlParser::ScrollToWord() {
  RECT client{};
  GetClientRect(window_, &client);
  const int perPage = std::max(1, static_cast<int>(client.bottom - client.top) / LineHeight());
  const LRESULT first = Send(window_, EM_GETFIRSTVISIBLELINE);
  Send(window_, EM_LINESCROLL, 0, static_cast<LPARAM>(y_ - first - perPage / 2));
  DWORD s = 0, e = 0;
  Send(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  Send(window_, EM_SETSEL, s, s);
  Send(window_, EM_SCROLLCARET);
  Send(window_, EM_SETSEL, e, e);
  Send(window_, EM_SCROLLCARET);
  Send(window_, EM_SETSEL, s, e);
}

void TWinAPIControlParser::CharToPosition(LRESULT index, int& x, int& y) {
  const LRESULT line = Send(window_, EM_LINEFROMCHAR, static_cast<WPARAM>(index));
  const LRESULT start = Send(window_, EM_LINEINDEX, static_cast<WPARAM>(line));
  y = static_cast<int>(std::max<LRESULT>(0, line));
  x = static_cast<int>(std::max<LRESULT>(0, index - start));
}

void TWinAPIControlParser::GetSelectionStart(int& x, int& y) {
  DWORD s = 0, e = 0;
  Send(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  CharToPosition(s, x, y);
}

void TWinAPIControlParser::GetSelection(int& x1, int& y1, int& x2, int& y2) {
  DWORD s = 0, e = 0;
  Send(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  CharToPosition(s, x1, y1);
  CharToPosition(e, x2, y2);
}

void TWinAPIControlParser::GetControlRect(TWordRect& rect) {
  POINT origin{0, 0};
  ClientToScreen(window_, &origin);
  RECT w{};
  GetWindowRect(window_, &w);
  rect.Left = origin.x;
  rect.Top = origin.y;
  rect.Right = origin.x + (w.right - w.left);
  rect.Bottom = origin.y + (w.bottom - w.top);
}

POINT TWinAPIControlParser::CharPoint(LRESULT index) {
  POINT p{0, 0};
  if (kind_ == kRichEdit1) {
    POINTL pl{0, 0};
    Send(window_, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&pl), static_cast<LPARAM>(index));
    p.x = pl.x;
    p.y = pl.y;
  } else {
    const LRESULT r = Send(window_, EM_POSFROMCHAR, static_cast<WPARAM>(index));
    p.x = static_cast<short>(LOWORD(r));
    p.y = static_cast<short>(HIWORD(r));
  }
  ClientToScreen(window_, &p);
  return p;
}

int TWinAPIControlParser::GetWordRect(TWordRect& rect) {
  DWORD s = 0, e = 0;
  Send(window_, EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
  const POINT a = CharPoint(s), b = CharPoint(e);
  rect.Left = a.x;
  rect.Top = a.y;
  rect.Right = b.x;
  rect.Bottom = a.y + LineHeight();
  const LRESULT line = Send(window_, EM_LINEFROMCHAR, s);
  const LRESULT count = Send(window_, EM_GETLINECOUNT);
  if (line + 1 >= count) return -1;
  const LRESULT next = Send(window_, EM_LINEINDEX, static_cast<WPARAM>(line + 1));
  if (next < 0) return -1;
  const POINT n = CharPoint(next);
  rect.Bottom = std::max<int>(rect.Bottom, n.y);
  return n.y;
}

void CheckWindow(TSpellCheckerBase& checker, HWND window, int mode) {
  auto* p = new TWinAPIControlParser(window);
  p->Initialize();
  checker.CheckParser(p, mode, true);
}

void CheckRichEdit(TSpellCheckerBase& checker, HWND window, int mode) {
  auto* p = new TWinAPIControlParser(window);
  p->Initialize();
  p->SetKind(TWinAPIControlParser::kRichEdit1);
  checker.CheckParser(p, mode, true);
}

int WordCountWindow(TSpellCheckerBase& checker, HWND window, int mode) {
  TWinAPIControlParser p(window);
  p.Initialize();
  return checker.WordCountParser(p, mode);
}

}  // namespace wx
