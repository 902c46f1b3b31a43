// Word lists as the main dictionary builder reads them: UTF-8 lists (one word
// a line) or Hunspell dictionaries, converted to Windows-1252.
#pragma once

#include <string>
#include <vector>

namespace wx::tools {

struct WordListWords {
  std::vector<std::string> words;  // Windows-1252
  size_t read = 0;                 // words read (after expansion)
  size_t unrepresentable = 0;      // skipped: characters outside Windows-1252
  size_t possessives = 0;          // skipped: "'s" forms of listed words
};

// Reads the lists (a path ending in ".dic" is a Hunspell dictionary with its
// .aff beside it). With english set, a word ending in "'s" whose stem is also
// listed is left out: the spell checker accepts English possessives by rule.
bool LoadWordLists(const std::vector<std::string>& paths, bool english, WordListWords& out, std::string& error);

}  // namespace wx::tools
