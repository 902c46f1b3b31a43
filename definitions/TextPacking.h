// The text of a meaning (its words and gloss) is stored as a NUL-terminated
// byte string in which frequent letter groups stand as single code bytes and
// any other character that could be mistaken for a code is escaped by "/".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wx {

// A meaning's unpacked text never exceeds this many characters.
constexpr size_t kMaxUnpackedText = 3000;

// Expands packed bytes (read no further than packedEnd, and no further than a
// NUL) into out, at most kMaxUnpackedText characters: a longer text is cut
// there. Returns the number of packed bytes consumed including the NUL, or 0
// when no NUL ends the text within packedEnd or an escape is left dangling.
size_t UnpackText(const uint8_t* packed, const uint8_t* packedEnd, std::string& out);

// Packs a text (for writing a database): "_" is written as a blank and "`" as
// an apostrophe. The result has no terminating NUL.
std::string PackText(std::string_view text);

// The letter group of a code byte, or an empty view for a literal or escape byte.
std::string_view LetterGroup(uint8_t code);

}  // namespace wx
