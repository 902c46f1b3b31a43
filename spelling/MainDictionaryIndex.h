// The lookup index a main dictionary file may carry after its last part
// (the character table), where the letter-tree reader never looks. It holds
// what the tree can only answer by walking it:
// - a word filter: a bit set (Bloom filter) over every word the tree holds,
//   so most edit candidates are turned away without a walk;
// - for each phonetic rule set it was built with, the sound-alike codes of
//   the words below every shared prefix, sorted by code, so a sound-alike
//   search is a binary search instead of coding the whole subtree.
// An index answers only what the walk would answer: the dictionary uses it
// when its checksum covers the whole file and the phonetic coder in use is
// the one a rule set was built with, and walks the tree otherwise.
//
// Layout (little-endian, offsets from the start of the index):
//   header   magic[8] version treeSize wordCount groupDepth
//            filterOffset filterBytes filterProbes
//            wordsOffset wordsBytes restartsOffset ruleSetCount   (52 bytes)
//   rule sets, 40 bytes each: fingerprint(8) keyWidth groupsOffset groupCount
//            codesOffset codeCount entriesOffset entryCount reserved
//   groups   16 bytes: prefix bytes (groupDepth <= 8, zero-padded) firstCode codeCount
//   codes    12 bytes: key(8) firstEntry; codeCount + 1 per rule set (the last ends the entries)
//   entries  4 bytes: word ordinal (low 24 bits), ancestors' longest code length (high 8)
//   words    front-coded in group order: shared-prefix length, suffix length, suffix bytes;
//            every 16th word is whole and its offset is listed under restarts
//   filter   filterBytes bytes: 64-bit words, a power of two of them (at most 2^24)
// The file's last 8 bytes are IndexHash of everything before them.
#pragma once

#include <cstddef>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace wx {

// Fast 64-bit hash of a byte range (the file checksum, rule fingerprints).
uint64_t IndexHash(const uint8_t* data, size_t size, uint64_t seed);
// A lighter hash for short strings: the word filter's.
uint64_t WordHash(std::string_view word);

class TMainDictionaryIndex {
 public:
  static constexpr std::string_view kMagic{"QXMIDX\r\n", 8};
  static constexpr uint32_t kVersion = 1;
  static constexpr size_t kHeaderSize = 52;
  static constexpr size_t kRuleSetSize = 40;
  static constexpr size_t kGroupSize = 16;
  static constexpr size_t kCodeSize = 12;
  static constexpr size_t kMaxGroupDepth = 8;
  static constexpr size_t kMaxKeyWidth = 7;
  static constexpr size_t kRestartEvery = 16;
  static constexpr uint32_t kMaxWords = 1u << 24;
  static constexpr uint64_t kChecksumSeed = 0xC0DEC0DE;

  // A code's part after the verbatim prefix, as the index sorts it: the
  // bytes from the most significant end, the length in the low byte.
  // False when it is longer than width.
  static bool CodeKey(std::string_view tail, size_t width, uint64_t& key);
  // The hash the word filter's bit positions are taken from.
  static uint64_t FilterHash(std::string_view word) { return WordHash(word); }

  // Takes the index bytes (from the end of the tree part to the end of the
  // file, checksum included) and checks that every table lies inside them.
  // treeSize is the size of the file part before the index.
  bool Attach(const uint8_t* data, size_t size, uint64_t treeSize);
  void Detach() { *this = TMainDictionaryIndex(); }
  bool Attached() const { return data_ != nullptr; }

  // The filter is blocked: a word sets kFilterProbes bits of one 64-bit
  // word (the bit numbers from the hash's low 24 bits, the word from its
  // high 24), so a lookup reads one cache line of one page.
  static constexpr uint32_t kFilterProbes = 4;
  static uint64_t FilterBits(uint64_t hash) {
    return (uint64_t(1) << (hash & 63)) | (uint64_t(1) << ((hash >> 6) & 63)) |
           (uint64_t(1) << ((hash >> 12) & 63)) | (uint64_t(1) << ((hash >> 18) & 63));
  }
  static size_t FilterWord(uint64_t hash, size_t words) { return size_t((hash >> 40) & (words - 1)); }

  // False when the word is surely not in the dictionary.
  // A hint to fetch the filter word MayContain(word) reads.
  void PrefetchFilter(std::string_view word) const {
#if defined(__GNUC__)
    if (filterWords_ != 0) __builtin_prefetch(data_ + filterOffset_ + 8 * FilterWord(FilterHash(word), filterWords_));
#else
    (void)word;
#endif
  }
  bool MayContain(std::string_view word) const {
    if (filterWords_ == 0) return true;
    const uint64_t h = FilterHash(word);
    uint64_t block;
    std::memcpy(&block, data_ + filterOffset_ + 8 * FilterWord(h, filterWords_), 8);
    if constexpr (std::endian::native == std::endian::big) block = __builtin_bswap64(block);
    const uint64_t bits = FilterBits(h);
    return (block & bits) == bits;
  }

  // The rule set built with the coder of this fingerprint and prefix depth,
  // or -1.
  int RuleSet(uint64_t fingerprint, size_t depth) const;

  // Calls fn(word) for every word below prefix whose code has this tail and
  // whose path holds no word with a longer code than codeLength, in the
  // order of the tree; stops when fn returns false. Returns false (having
  // called nothing) when the tail cannot be looked up with this index.
  template <class Fn>
  bool ForEachSoundAlike(int ruleSet, std::string_view prefix, std::string_view tail, size_t codeLength, Fn&& fn) const;

 private:
  struct RuleSetInfo {
    uint64_t fingerprint = 0;
    uint32_t keyWidth = 0, groupsOffset = 0, groupCount = 0, codesOffset = 0, codeCount = 0, entriesOffset = 0,
             entryCount = 0;
  };
  static constexpr size_t kMaxRuleSets = 4;
  // Entries [first, end) of the code with this key below prefix; false when none.
  bool FindCode(const RuleSetInfo& r, std::string_view prefix, uint64_t key, uint32_t& first, uint32_t& end) const;
  // Spells word ordinal n into out (at most 255 bytes); false when damaged.
  bool Word(uint32_t n, std::string& out) const;
  uint32_t U32(size_t off) const;
  uint64_t U64(size_t off) const;

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  uint32_t wordCount_ = 0, groupDepth_ = 0;
  uint32_t filterOffset_ = 0, filterBytes_ = 0, filterProbes_ = 0;
  size_t filterWords_ = 0;  // 0: no filter
  uint32_t wordsOffset_ = 0, wordsBytes_ = 0, restartsOffset_ = 0;
  uint32_t ruleSetCount_ = 0;
  RuleSetInfo ruleSets_[kMaxRuleSets];
  mutable std::string word_;
};

template <class Fn>
bool TMainDictionaryIndex::ForEachSoundAlike(int ruleSet, std::string_view prefix, std::string_view tail,
                                             size_t codeLength, Fn&& fn) const {
  if (ruleSet < 0 || uint32_t(ruleSet) >= ruleSetCount_ || prefix.size() != groupDepth_) return false;
  const RuleSetInfo& r = ruleSets_[ruleSet];
  uint64_t key;
  if (!CodeKey(tail, r.keyWidth, key)) return true;  // longer than every stored code: no match
  uint32_t first, end;
  if (!FindCode(r, prefix, key, first, end)) return true;
  for (uint32_t e = first; e < end; ++e) {
    const uint32_t v = U32(r.entriesOffset + size_t(e) * 4);
    if ((v >> 24) > codeLength) continue;  // a word above it on the path ends the walk there
    if (!Word(v & 0xFFFFFF, word_)) return true;
    if (!fn(std::string_view(word_))) break;
  }
  return true;
}

}  // namespace wx
