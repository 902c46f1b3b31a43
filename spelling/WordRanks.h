// How common the words of a main dictionary are: a small table the builder
// places after the lookup index, just before the file's checksum, where the
// letter-tree reader never looks. Ranked suggestions use it as a prior, so
// that of two candidates equally close to a misspelling the common word wins.
//
// Layout (little-endian), at the end of the bytes the checksum covers:
//   hashes   count x u32: the high 32 bits of WordHash(word), ascending
//   ranks    count x u8: the word's rank byte, in the order of the hashes
//   trailer  magic[8] "QXMRANK1", u32 offset of the hashes (from the start
//            of the index), u32 count
// Words without a table entry have rank 0.
//
// A rank byte holds two measures: bits 0-4 the count class, the word's count
// in the builder's text as 2 * log2(1 + count), capped at 31; bits 5-7 the
// list level, how many of the builder's lists of common words (smallest
// first) hold the word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wx {

class TWordRanks {
 public:
  static constexpr std::string_view kMagic{"QXMRANK1", 8};
  static constexpr size_t kTrailerSize = 16;
  static constexpr uint32_t kMaxCount = 1u << 24;

  static uint8_t CountClass(uint8_t rank) { return rank & 31; }
  static uint8_t ListLevel(uint8_t rank) { return rank >> 5; }
  static uint8_t MakeRank(uint32_t countClass, uint32_t listLevel) {
    return uint8_t((countClass > 31 ? 31 : countClass) | ((listLevel > 7 ? 7 : listLevel) << 5));
  }
  // The table key of a word.
  static uint32_t Key(std::string_view word);

  // Takes the index bytes without the checksum (the table ends there) and
  // checks the trailer and that the table lies inside them. False (and no
  // table) when there is none or it is damaged.
  bool Attach(const uint8_t* data, size_t size);
  void Detach() { *this = TWordRanks(); }
  bool Attached() const { return data_ != nullptr; }
  uint32_t Count() const { return count_; }

  // The rank byte of a word; 0 when the table does not hold it.
  uint8_t Rank(std::string_view word) const;

 private:
  const uint8_t* data_ = nullptr;
  uint32_t hashes_ = 0;  // offset of the hashes in data_
  uint32_t count_ = 0;
};

}  // namespace wx
