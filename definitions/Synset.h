// One meaning of the definitions dictionary: its words, its gloss and its
// typed pointers to related meanings, as read from the database.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wx {

struct TSynsetPointer {
  uint8_t type = 0;      // relation type 0..11
  uint32_t target = 0;   // absolute file offset of the target meaning
  uint8_t source = 0;    // 1-based word number in this meaning, 0 = the meaning as a whole
  uint8_t dest = 0;      // 1-based word number in the target, 0 = the whole target
};

class TSynset {
 public:
  virtual ~TSynset() = default;

  // Makes the word whose index key equals key the head word: it leaves the
  // word list, and only the pointers of the whole meaning or of that word
  // remain. No match leaves the meaning unchanged.
  void Focus(std::string_view key);
  // Bit n for every pointer of type n.
  uint16_t RelationMask() const;
  int PointerCount() const { return int(pointers.size()); }

  std::string headWord;
  std::string gloss;
  uint8_t inflection = 0;
  int32_t offset = -1;
  std::vector<std::string> words;
  std::vector<std::string> wordsAsRead;
  std::vector<TSynsetPointer> pointers;
  uint8_t partOfSpeech = 0;
};

}  // namespace wx
