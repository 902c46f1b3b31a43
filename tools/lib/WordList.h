// Word lists as the main dictionary builder reads them: UTF-8 lists (one word
// a line) or Hunspell dictionaries, converted to Windows-1252.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tools/lib/HunspellWordList.h"

namespace wx::tools {

struct WordListWords {
  std::vector<std::string> words;  // Windows-1252
  size_t read = 0;                 // words read (after expansion)
  size_t unrepresentable = 0;      // skipped: characters outside Windows-1252
  size_t possessives = 0;          // skipped: "'s" forms of listed words
  size_t split = 0;                // words split into the parts the word parser reads
  HunspellExpansion expansion;     // what the Hunspell dictionaries gave
};

struct WordListOptions {
  // Leaves out a word ending in "'s" whose stem is also listed: the spell
  // checker accepts English possessives by rule.
  bool english = false;
  // The word parser's French mode: apostrophes end words ("l'homme" is read as
  // "l" and "homme"; "aujourd'hui" and "entr'..." stay whole).
  bool frenchApostrophes = false;
  HunspellOptions hunspell;
};

// The words the spell checker's word parser reads in a Windows-1252 word:
// the word itself, or its parts when it holds characters that end words
// ("almanjarrou-lhes" is read as "almanjarrou" and "lhes", and so is it in
// running text). A listed word is stored as these parts: the whole could never
// be looked up.
void SplitAsParsed(const std::string& word, bool frenchApostrophes, std::vector<std::string>& parts);

// The non-empty lines of a text file (CR LF or LF); false when it cannot be read.
bool ReadLines(const std::string& path, std::vector<std::string>& out);

// Reads the lists (a path ending in ".dic" is a Hunspell dictionary with its
// .aff beside it) as the options say; words are kept once each.
bool LoadWordLists(const std::vector<std::string>& paths, bool english, WordListWords& out, std::string& error);
bool LoadWordLists(const std::vector<std::string>& paths, const WordListOptions& options, WordListWords& out,
                   std::string& error);

// Counts the words of UTF-8 text (letters with inner apostrophes, in
// Windows-1252). A word is also counted under its form with a lower-case first
// letter, so that sentence-initial words count for the dictionary form.
void CountTextWords(const std::string& utf8, std::unordered_map<std::string, double>& counts);

// CountTextWords over a file, or over every file of a folder.
bool CountWordsIn(const std::string& path, std::unordered_map<std::string, double>& counts, std::string& error);

// A word weight for the main dictionary writer: the word's count in the
// text, plus 2^-length so that words the text lacks order short ones first.
std::function<double(std::string_view)> FrequencyWeight(
    std::shared_ptr<const std::unordered_map<std::string, double>> counts);

}  // namespace wx::tools
