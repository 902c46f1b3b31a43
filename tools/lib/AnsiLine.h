// A line of UTF-8 text in the dictionaries' code page (Windows-1252), one
// byte a character (a character beyond the 16-bit range counts as two, as in
// UTF-16), for the spell checker's word parser. A character the code page
// lacks is kept out of the engine: a letter becomes a placeholder letter, so
// that the word around it stays one word, and is marked foreign; anything
// else becomes a space. A word with a foreign letter is left alone, never
// reported: the dictionaries cannot hold it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wx::tools {

class AnsiLine {
 public:
  void Assign(std::string_view utf8);
  std::string& Text() { return text_; }
  bool HasForeign() const { return !foreign_.empty(); }
  // Whether the word at [offset, offset + length) holds a foreign letter.
  bool Foreign(int offset, size_t length) const;

 private:
  std::string text_;
  std::vector<bool> foreign_;
};

}  // namespace wx::tools
