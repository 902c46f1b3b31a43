// Writes a definitions database ("Definitions.ydd") that the product's reader
// (definitions/DefinitionsDatabase.h) reads: meaning records grouped by part
// of speech, the coded index blocks, the bucket table, the word-form lists,
// the notice and the trailer. Used by build-definitions and by the tests,
// which build small databases with it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace wx::tools {

struct DefPointer {
  uint8_t type = 0;      // relation type 0..11
  uint32_t target = 0;   // index into DefinitionsWriter::meanings
  uint8_t source = 0;    // word numbers, 0 = the whole meaning
  uint8_t dest = 0;
};

struct DefMeaning {
  uint8_t section = 0;               // part of speech 0..7
  std::vector<std::string> words;    // display form, blanks inside allowed
  std::string gloss;
  std::vector<DefPointer> pointers;
};

struct DefWriterStats {
  size_t meanings = 0;
  size_t entries = 0;         // index keys
  size_t blocks = 0;
  size_t largestBlockEntries = 0;
  size_t pointers = 0;
  size_t droppedPointers = 0;  // left out so that a record fits its 2048 bytes
  size_t cutGlosses = 0;       // shortened for the same reason
  size_t cappedEntries = 0;    // index keys with more than 128 meanings
  size_t skippedWords = 0;     // words without a usable key
  size_t meaningBytes = 0;
  size_t indexBytes = 0;
  size_t fileSize = 0;
};

class DefinitionsWriter {
 public:
  std::vector<DefMeaning> meanings;
  // The five word-form lists (upper case, CR before every line and at the end).
  std::string wordForms[5];
  std::string notice;  // padded or cut to 598 bytes

  // Adds a meaning; returns its number for pointers and index words.
  uint32_t AddMeaning(DefMeaning m);
  // Lists meaning under the index key of word (after the meanings already
  // listed for that key; a meaning is listed once per key).
  void AddIndexWord(const std::string& word, uint32_t meaning);

  // The file's bytes. Throws std::runtime_error when the data cannot be
  // written in this format (an offset beyond 24 bits, an overfull block).
  // progress(done, total) is called now and then when set.
  std::string Build(DefWriterStats* stats = nullptr,
                    const std::function<void(size_t, size_t)>& progress = nullptr) const;

  // The keys of the index (normalized), for key statistics.
  std::vector<std::string> Keys() const;

 private:
  std::unordered_map<std::string, std::vector<uint32_t>> index_;
  std::vector<std::string> keyOrder_;
};

// The C++ source of the index-key tables of contexts 1 to 43, derived from
// the character statistics of the given keys (contexts 0 and 44 are fixed).
std::string IndexKeyTablesSource(const std::vector<std::string>& keys);

}  // namespace wx::tools
