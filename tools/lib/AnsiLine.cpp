#include "tools/lib/AnsiLine.h"

#include <algorithm>
#include <cstdint>

#include "common/AnsiText.h"

namespace wx::tools {

namespace {

// Letters of the scripts a writer of these languages meets (Latin, Greek,
// Cyrillic, Armenian, Hebrew, Arabic and beyond, but not the punctuation,
// symbols and spaces of U+2000..U+2BFF and U+3000..U+303F) and the halves of
// characters beyond the 16-bit range.
bool IsForeignLetter(char16_t u) {
  return (u >= 0x0100 && u < 0x2000) || (u >= 0x2C00 && u < 0xD800 && !(u >= 0x3000 && u < 0x3040)) ||
         (u >= 0xD800 && u < 0xE000) || (u >= 0xF900 && u < 0xFE00);
}

}  // namespace

void AnsiLine::Assign(std::string_view utf8) {
  foreign_.clear();
  if (std::all_of(utf8.begin(), utf8.end(), [](char ch) { return static_cast<uint8_t>(ch) < 0x80; })) {
    text_.assign(utf8);
    return;
  }
  text_.clear();
  for (char16_t u : Utf8ToUtf16(utf8)) {
    uint8_t b;
    if (UnicodeCharToAnsi(u, b)) {
      text_ += char(b);
    } else if (IsForeignLetter(u)) {
      foreign_.resize(text_.size() + 1);
      foreign_.back() = true;
      text_ += 'x';
    } else {
      text_ += ' ';
    }
  }
}

bool AnsiLine::Foreign(int offset, size_t length) const {
  const size_t start = size_t(std::max(offset, 0));
  for (size_t i = start; i < start + length && i < foreign_.size(); ++i)
    if (foreign_[i]) return true;
  return false;
}

}  // namespace wx::tools
