// A reader of the WordNet 3.0 database files as Debian's wordnet-base installs
// them (/usr/share/wordnet): data.*, index.*, *.exc and cntlist.rev. Used by
// the data builders only. Words are kept as WordNet writes them (lower case,
// "_" for blanks, adjective markers such as "(a)" stripped into `marker`).
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace wx::tools {

enum class WnPos : uint8_t { Noun = 0, Verb = 1, Adj = 2, Adv = 3 };  // 'n', 'v', 'a'/'s', 'r'

struct WnPointer {
  std::string symbol;    // "@", "~", "!", "&", "^", "+", ";c", ... as in the file
  uint32_t target = 0;   // index into WordNet::synsets
  uint16_t source = 0;   // 1-based word number in this synset, 0 = whole synset
  uint16_t dest = 0;     // 1-based word number in the target, 0 = whole synset
};

struct WnWord {
  std::string lemma;     // as in the file ("Hawaii", "kick_the_bucket")
  std::string marker;    // adjective position marker without parentheses: "a", "p", "ip" or empty
  uint8_t lexId = 0;
  uint32_t tagCount = 0; // from cntlist.rev for this word in this synset (0 when absent)
};

struct WnSynset {
  uint32_t offset = 0;   // byte offset in data.POS (the synset's id there)
  WnPos pos = WnPos::Noun;
  bool satellite = false;  // ss_type 's'
  uint8_t lexFile = 0;
  std::vector<WnWord> words;
  std::vector<WnPointer> pointers;
  std::vector<std::pair<uint8_t, uint8_t>> frames;  // verb frames: (frame number, word number or 0)
  std::string gloss;     // text after "| ", trailing blanks removed
};

struct WnIndexEntry {
  std::string lemma;                 // lower case, "_" for blanks
  WnPos pos = WnPos::Noun;
  std::vector<uint32_t> synsets;     // indices into WordNet::synsets, in sense order
  uint32_t tagSenseCount = 0;
};

class WordNet {
 public:
  // Loads every file from dir; throws std::runtime_error when a file is missing
  // or malformed. When progress is set, shows progress on stderr.
  void Load(const std::string& dir, bool progress = true);

  std::vector<WnSynset> synsets;
  std::vector<WnIndexEntry> index;   // all four index files
  // exceptions[pos]: inflected form -> base forms (noun.exc, verb.exc, adj.exc, adv.exc)
  std::unordered_map<std::string, std::vector<std::string>> exceptions[4];

  // The synset at data.POS offset, or -1.
  int64_t Find(WnPos pos, uint32_t offset) const;
  // Index entries of a lemma (lower case, "_" for blanks) across parts of speech.
  std::vector<const WnIndexEntry*> Lookup(const std::string& lemma) const;
  // Sum of the tag counts of all senses of a lemma (any part of speech).
  uint32_t LemmaTagCount(const std::string& lemma) const;

 private:
  std::unordered_map<uint64_t, uint32_t> byOffset_;  // (pos << 32 | offset) -> synset index
  std::unordered_map<std::string, std::vector<uint32_t>> byLemma_;  // -> index entries
};

}  // namespace wx::tools
