// Writes thesaurus files: the letter graph of all words (with unique word
// endings moved into single-child chains that are shared by every word ending
// the same way), the entry table and the word lists. Used by build-thesaurus
// and by tests that need small files. Words are single-byte ANSI text.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace wx::tools {

class ThesaurusWriter {
 public:
  std::string header;                   // up to 165 bytes, padded with zeros
  std::string name;                     // shown in the dialog caption
  std::array<std::string, 5> kindNames;

  // Adds a word (or finds it) and returns its number. Empty words and words
  // longer than 255 bytes are refused with std::invalid_argument.
  uint32_t AddWord(const std::string& word);
  // Adds a meaning: a head word and four lists of word numbers; returns its number.
  uint32_t AddEntry(uint32_t headWord, const std::array<std::vector<uint32_t>, 4>& lists);
  // Makes word refer to entry under kind (0..4); references keep their order.
  void AddReference(uint32_t word, uint32_t entry, uint8_t kind);

  size_t WordCount() const { return words_.size(); }
  size_t EntryCount() const { return entries_.size(); }
  const std::string& Word(uint32_t id) const { return words_[id]; }

  struct Stats {
    size_t words = 0, entries = 0, references = 0, nodes = 0, chainNodes = 0, bytes = 0;
  };
  // The file's bytes. Throws std::runtime_error when the data breaks a limit
  // of the format (nodes, entries, children or references per node, link area).
  std::string Build(Stats* stats = nullptr) const;

  // Nodes that a graph of these words takes, without building a file.
  static size_t CountNodes(const std::vector<std::string>& words);

 private:
  struct Entry {
    uint32_t head;
    std::array<std::vector<uint32_t>, 4> lists;
  };
  std::vector<std::string> words_;
  std::unordered_map<std::string, uint32_t> ids_;
  std::vector<Entry> entries_;
  std::vector<std::vector<uint32_t>> refs_;  // per word: entry * 5 + kind
};

}  // namespace wx::tools
