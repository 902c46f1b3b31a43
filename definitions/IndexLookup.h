// The index of the definitions database: a table of 256 buckets of block
// descriptors (kept in memory) and the coded index blocks in the file, of
// which the six used last are kept decoded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/ByteReader.h"

namespace wx {

// One entry of an index block: a key and the file offsets of its meanings.
struct TIndexRec {
  uint8_t count = 0;
  std::string matchedKey;             // set when a search finds the entry
  const uint8_t* offsets = nullptr;   // count * 3 bytes inside the block's buffer
  uint8_t inflection = 0;             // set when a search finds the entry
  uint32_t keyPos = 0;                // the key inside the block's key text
  uint16_t keyLen = 0;
  uint32_t Offset(int i) const {
    const uint8_t* p = offsets + 3 * i;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
  }
};

// One decoded index block: entries sorted by key.
class TIndexDiskRec {
 public:
  // First coded byte in the low half, second in the high half.
  uint16_t key = 0;
  std::vector<TIndexRec> entries;

  std::string_view KeyOf(const TIndexRec& r) const { return std::string_view(keys_).substr(r.keyPos, r.keyLen); }
  // The entry with this key, or null.
  TIndexRec* Find(std::string_view k);
  // The position of the first entry not below k.
  size_t LowerBound(std::string_view k) const;
  void Clear();
  // Decodes the block held in buffer (size bytes, then 512 zero bytes).
  // Throws EDefinitionsError for an empty block; a block that does not decode
  // keeps the entries read before the fault.
  void Parse(size_t size);
  std::vector<uint8_t>& buffer() { return buffer_; }

 private:
  std::vector<uint8_t> buffer_;
  std::string keys_;
};

class TAbsDefinitionsDatabase;

class TIndexLookup {
 public:
  static constexpr size_t kCacheSize = 6;

  TIndexLookup();
  // Reads the bucket table from the index head; returns false when it does
  // not fit. blockAreaSize is index offset minus block base.
  bool ParseBuckets(ByteReader& head, uint32_t blockAreaSize);
  // The block of coded key bytes (b0, b1): its offset from the block base and
  // its size. False when there is none.
  bool LocateBlock(uint8_t b0, uint8_t b1, uint32_t& offset, uint32_t& size) const;
  // Makes the block of (b0, b1) current, from the cache or from the open
  // database file, whose block area starts at blockBase. With no such block
  // the empty block becomes current.
  TIndexDiskRec& LoadBlock(uint8_t b0, uint8_t b1, TAbsDefinitionsDatabase& file, uint32_t blockBase);
  void UseEmptyBlock() { current_ = &empty_; }
  // The nearest block key above (or below) from that has a block, with both
  // keys read big-endian (first coded byte high). False when there is none.
  bool NextBlockKey(uint16_t from, bool upward, uint16_t& next) const;

  TIndexDiskRec& Current() { return *current_; }
  bool CurrentIsEmpty() const { return current_ == &empty_; }
  size_t CachedBlocks() const { return cache_.size(); }
  bool IsCached(uint16_t blockKey) const {
    for (const auto& b : cache_)
      if (b->key == blockKey) return true;
    return false;
  }
  uint32_t BlockAreaSize() const { return blockAreaSize_; }
  std::string lastKey;

 private:
  struct Descriptor {
    uint8_t first;
    uint32_t offset;
  };
  std::vector<Descriptor> descriptors_;   // bucket by bucket
  uint32_t bucketStart_[257] = {};        // descriptors of bucket b: [start[b], start[b+1])
  std::vector<uint16_t> bigEndianKeys_;   // every block's key, big-endian, ascending
  uint32_t blockAreaSize_ = 0;
  std::vector<std::unique_ptr<TIndexDiskRec>> cache_;  // least recently used first
  TIndexDiskRec* current_;
  TIndexDiskRec empty_;
};

}  // namespace wx
