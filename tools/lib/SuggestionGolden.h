// Golden suggestion lists: every suggestion (with its distance) our checker
// gives for a fixed set of words with one main dictionary, as text. The tool
// suggest-golden writes the file once; a test recomputes every list and
// demands the same text byte for byte, so a change meant to make suggestions
// faster cannot change them unnoticed.
//
// File: a comment line, a line "dictionary SIZE HASH" naming the dictionary
// the lists were made with (the size in bytes and 64-bit FNV-1a hash, hex, of
// its letter-tree part: the lookup index after it does not count),
// then one line per word: the word, then for each suggestion a tab, the
// suggestion, a tab and its distance. Words are UTF-8.
#pragma once

#include <memory>
#include <string>

#include "spelling/SpellCheckerBase.h"

namespace wx::tools {

// A checker with the program's suggestion settings (phonetic suggestions on,
// no limit on the count, no custom or learning dictionaries) over one main
// dictionary (path in UTF-8), its dictionaries open and kept mapped.
std::unique_ptr<TSpellCheckerBase> MakeSuggestionChecker(const std::string& dictionary);

// One line of the file for a word (UTF-8), without the line end.
std::string GoldenLine(TSpellCheckerBase& checker, const std::string& word);

// "dictionary SIZE HASH" for a file's bytes; empty when it cannot be read.
std::string GoldenDictionaryLine(const std::string& dictionary);

}  // namespace wx::tools
