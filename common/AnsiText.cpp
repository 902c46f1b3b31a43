#include "common/AnsiText.h"

namespace wx {

namespace {

// Unicode characters of bytes 0x80..0x9F; the five unassigned bytes map to the
// C1 control of the same value, as the system's conversion does.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

enum : uint8_t { kAlpha = 1, kUpper = 2, kLower = 4, kDigit = 8 };

struct Tables {
  uint8_t cls[256];
  uint8_t upper[256];
  uint8_t lower[256];
  Tables() {
    for (int c = 0; c < 256; ++c) {
      cls[c] = 0;
      upper[c] = lower[c] = uint8_t(c);
    }
    auto pair = [this](int up, int low) {
      cls[up] = kAlpha | kUpper;
      cls[low] = kAlpha | kLower;
      lower[up] = uint8_t(low);
      upper[low] = uint8_t(up);
    };
    for (int c = 'A'; c <= 'Z'; ++c) pair(c, c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
      if (c != 0xD7) pair(c, c + 32);
    pair(0x8A, 0x9A);  // S caron
    pair(0x8C, 0x9C);  // OE
    pair(0x8E, 0x9E);  // Z caron
    pair(0x9F, 0xFF);  // Y diaeresis
    for (int c : {0x83, 0xAA, 0xB5, 0xBA, 0xDF}) cls[c] = kAlpha | kLower;  // no case partner
    for (int c = '0'; c <= '9'; ++c) cls[c] = kDigit;
  }
};

const Tables& T() {
  static const Tables t;
  return t;
}

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// Decodes one code point from UTF-8 at i (advancing it); U+FFFD when malformed.
uint32_t NextUtf8(std::string_view s, size_t& i) {
  uint8_t c = uint8_t(s[i++]);
  if (c < 0x80) return c;
  int extra = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : -1;
  if (extra < 0) return 0xFFFD;
  uint32_t cp = c & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    if (i >= s.size() || (uint8_t(s[i]) & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (uint8_t(s[i++]) & 0x3F);
  }
  static constexpr uint32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return 0xFFFD;
  return cp;
}

}  // namespace

char16_t AnsiToUnicodeChar(uint8_t c) { return c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : char16_t(c); }

bool UnicodeCharToAnsi(char16_t u, uint8_t& out) {
  if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
    out = uint8_t(u);
    return true;
  }
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == u) {
      out = uint8_t(0x80 + i);
      return true;
    }
  return false;
}

std::u16string AnsiToUnicode(std::string_view ansi) {
  std::u16string out;
  out.reserve(ansi.size());
  for (char c : ansi) out += AnsiToUnicodeChar(uint8_t(c));
  return out;
}

bool UnicodeToAnsi(std::u16string_view text, std::string& out) {
  std::string result;
  result.reserve(text.size());
  for (char16_t u : text) {
    uint8_t b;
    if (!UnicodeCharToAnsi(u, b)) return false;
    result += char(b);
  }
  out = std::move(result);
  return true;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    uint32_t cp = NextUtf8(utf8, i);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += char16_t(0xD800 + (cp >> 10));
      out += char16_t(0xDC00 + (cp & 0x3FF));
    } else {
      out += char16_t(cp);
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    uint32_t cp = s[i];
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp < 0xE000) {
      cp = 0xFFFD;
    }
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  for (char16_t u : Utf8ToUtf16(utf8)) {
    uint8_t b;
    out += UnicodeCharToAnsi(u, b) ? char(b) : '?';
  }
  return out;
}

std::string AnsiToUtf8(std::string_view ansi) { return Utf16ToUtf8(AnsiToUnicode(ansi)); }

std::wstring Utf8ToWide(std::string_view utf8) {
  std::wstring out;
  if constexpr (sizeof(wchar_t) == 2) {
    for (char16_t u : Utf8ToUtf16(utf8)) out += wchar_t(u);
  } else {
    for (size_t i = 0; i < utf8.size();) out += wchar_t(NextUtf8(utf8, i));
  }
  return out;
}

std::string WideToUtf8(std::wstring_view wide) {
  std::u16string s;
  for (wchar_t w : wide) {
    uint32_t cp = uint32_t(w);
    if (cp > 0xFFFF && cp <= 0x10FFFF) {
      cp -= 0x10000;
      s += char16_t(0xD800 + (cp >> 10));
      s += char16_t(0xDC00 + (cp & 0x3FF));
    } else {
      s += cp > 0xFFFF ? char16_t(0xFFFD) : char16_t(cp);
    }
  }
  return Utf16ToUtf8(s);
}

bool IsAnsiAlpha(uint8_t c) { return T().cls[c] & kAlpha; }
bool IsAnsiAlnum(uint8_t c) { return T().cls[c] & (kAlpha | kDigit); }
bool IsAnsiUpper(uint8_t c) { return T().cls[c] & kUpper; }
bool IsAnsiLower(uint8_t c) { return T().cls[c] & kLower; }
bool IsAnsiDigit(uint8_t c) { return T().cls[c] & kDigit; }
uint8_t AnsiUpperChar(uint8_t c) { return T().upper[c]; }
uint8_t AnsiLowerChar(uint8_t c) { return T().lower[c]; }

std::string AnsiUpper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = char(T().upper[uint8_t(c)]);
  return out;
}

std::string AnsiLower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = char(T().lower[uint8_t(c)]);
  return out;
}

bool AsciiSameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = char(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = char(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool AnsiSameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (T().lower[uint8_t(a[i])] != T().lower[uint8_t(b[i])]) return false;
  return true;
}

}  // namespace wx
