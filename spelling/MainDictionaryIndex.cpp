#include "spelling/MainDictionaryIndex.h"

#include <bit>
#include <cstring>

namespace wx {

namespace {

inline uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  if constexpr (std::endian::native == std::endian::big) {
    uint64_t r = 0;
    for (int i = 0; i < 8; ++i, v >>= 8) r = (r << 8) | (v & 0xFF);
    v = r;
  }
  return v;
}

inline uint64_t Mix(uint64_t h) {
  h ^= h >> 32;
  h *= 0xD6E8FEB86659FD93ull;
  h ^= h >> 32;
  return h;
}

}  // namespace

uint64_t IndexHash(const uint8_t* data, size_t size, uint64_t seed) {
  uint64_t h = seed ^ (uint64_t(size) * 0x9E3779B97F4A7C15ull);
  // Four independent lanes keep a long range (the checksum) from waiting on
  // one multiplication chain.
  uint64_t lane[4] = {h, h ^ 0x243F6A8885A308D3ull, h ^ 0x13198A2E03707344ull, h ^ 0xA4093822299F31D0ull};
  size_t i = 0;
  for (; size - i >= 32; i += 32)
    for (int k = 0; k < 4; ++k) lane[k] = (lane[k] ^ Load64(data + i + 8 * k)) * 0x9E3779B97F4A7C15ull;
  h = Mix(lane[0]) ^ (Mix(lane[1]) * 3) ^ (Mix(lane[2]) * 5) ^ (Mix(lane[3]) * 7);
  for (; size - i >= 8; i += 8) h = Mix(h ^ Load64(data + i)) * 0x9E3779B97F4A7C15ull;
  uint64_t tail = 0;
  for (size_t k = 0; i + k < size; ++k) tail |= uint64_t(data[i + k]) << (8 * k);
  return Mix(Mix(h ^ tail ^ (uint64_t(size - i) << 59)));
}

uint64_t WordHash(std::string_view word) {
  const auto* p = reinterpret_cast<const uint8_t*>(word.data());
  const size_t n = word.size();
  // Words are short: two overlapping loads cover up to 16 bytes.
  uint64_t h = 0x5157AB1E ^ (uint64_t(n) * 0x9E3779B97F4A7C15ull);
  uint64_t a = 0, b = 0;
  if (n >= 8) {
    for (size_t i = 8; i + 8 < n; i += 8) h = (h ^ Load64(p + i)) * 0xBF58476D1CE4E5B9ull;
    a = Load64(p);
    b = Load64(p + n - 8);
  } else if (n >= 4) {
    uint32_t x, y;
    std::memcpy(&x, p, 4);
    std::memcpy(&y, p + n - 4, 4);
    if constexpr (std::endian::native == std::endian::big) {
      x = __builtin_bswap32(x);
      y = __builtin_bswap32(y);
    }
    a = x;
    b = y;
  } else if (n > 0) {
    a = uint64_t(p[0]) | (uint64_t(p[n / 2]) << 8) | (uint64_t(p[n - 1]) << 16);
  }
  h ^= a * 0x94D049BB133111EBull;
  h = ((h << 29) | (h >> 35)) ^ (b * 0xD6E8FEB86659FD93ull);
  // Every output bit must depend on every input bit: words differ in one
  // letter, and the filter takes bits from both ends of the hash.
  h ^= h >> 33;
  h *= 0xFF51AFD7ED558CCDull;
  h ^= h >> 33;
  h *= 0xC4CEB9FE1A85EC53ull;
  return h ^ (h >> 33);
}

bool TMainDictionaryIndex::CodeKey(std::string_view tail, size_t width, uint64_t& key) {
  if (tail.size() > width || width > kMaxKeyWidth) return false;
  key = tail.size();
  for (size_t i = 0; i < tail.size(); ++i) key |= uint64_t(uint8_t(tail[i])) << (56 - 8 * i);
  return true;
}

uint32_t TMainDictionaryIndex::U32(size_t off) const {
  const uint8_t* p = data_ + off;
  return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}

uint64_t TMainDictionaryIndex::U64(size_t off) const { return Load64(data_ + off); }

bool TMainDictionaryIndex::Attach(const uint8_t* data, size_t size, uint64_t treeSize) {
  Detach();
  // Every table must fit in the bytes before the checksum.
  if (!data || size < kHeaderSize + 8) return false;
  if (std::memcmp(data, kMagic.data(), kMagic.size()) != 0) return false;
  data_ = data;
  size_ = size - 8;
  auto fits = [&](uint64_t off, uint64_t count, uint64_t unit) {
    return off <= size_ && count <= (size_ - off) / unit;
  };
  bool ok = U32(8) == kVersion && U32(12) == treeSize;
  wordCount_ = U32(16);
  groupDepth_ = U32(20);
  filterOffset_ = U32(24);
  filterBytes_ = U32(28);
  filterProbes_ = U32(32);
  wordsOffset_ = U32(36);
  wordsBytes_ = U32(40);
  restartsOffset_ = U32(44);
  ruleSetCount_ = U32(48);
  ok = ok && wordCount_ <= kMaxWords && groupDepth_ >= 1 && groupDepth_ <= kMaxGroupDepth;
  // The filter: a power of two of 8-byte words, or none (no bytes, no probes).
  ok = ok && fits(filterOffset_, filterBytes_, 1) && filterBytes_ % 8 == 0 && filterBytes_ / 8 <= (1u << 24) &&
       (filterBytes_ & (filterBytes_ - 1)) == 0 &&
       (filterBytes_ == 0 ? filterProbes_ == 0 : filterProbes_ == kFilterProbes);
  filterWords_ = filterBytes_ / 8;
  ok = ok && fits(wordsOffset_, wordsBytes_, 1) &&
       fits(restartsOffset_, (uint64_t(wordCount_) + kRestartEvery - 1) / kRestartEvery, 4);
  ok = ok && ruleSetCount_ <= kMaxRuleSets && fits(kHeaderSize, ruleSetCount_, kRuleSetSize);
  for (uint32_t i = 0; ok && i < ruleSetCount_; ++i) {
    const size_t at = kHeaderSize + i * kRuleSetSize;
    RuleSetInfo& r = ruleSets_[i];
    r.fingerprint = U64(at);
    r.keyWidth = U32(at + 8);
    r.groupsOffset = U32(at + 12);
    r.groupCount = U32(at + 16);
    r.codesOffset = U32(at + 20);
    r.codeCount = U32(at + 24);
    r.entriesOffset = U32(at + 28);
    r.entryCount = U32(at + 32);
    ok = r.keyWidth <= kMaxKeyWidth && fits(r.groupsOffset, r.groupCount, kGroupSize) &&
         r.codeCount < 0xFFFFFFFFu && fits(r.codesOffset, uint64_t(r.codeCount) + 1, kCodeSize) &&
         fits(r.entriesOffset, r.entryCount, 4);
  }
  if (!ok) Detach();
  return ok;
}

int TMainDictionaryIndex::RuleSet(uint64_t fingerprint, size_t depth) const {
  if (!data_ || fingerprint == 0 || depth != groupDepth_) return -1;
  for (uint32_t i = 0; i < ruleSetCount_; ++i)
    if (ruleSets_[i].fingerprint == fingerprint) return int(i);
  return -1;
}

bool TMainDictionaryIndex::FindCode(const RuleSetInfo& r, std::string_view prefix, uint64_t key, uint32_t& first,
                                    uint32_t& end) const {
  // The group of the prefix: groups are sorted by their prefix bytes.
  uint8_t want[kMaxGroupDepth] = {};
  std::memcpy(want, prefix.data(), prefix.size());
  uint32_t lo = 0, hi = r.groupCount;
  while (lo < hi) {
    const uint32_t mid = lo + (hi - lo) / 2;
    const int c = std::memcmp(data_ + r.groupsOffset + size_t(mid) * kGroupSize, want, kMaxGroupDepth);
    if (c == 0) {
      lo = mid;
      hi = mid + 1;
      break;
    }
    if (c < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  if (lo >= hi) return false;
  const size_t g = r.groupsOffset + size_t(lo) * kGroupSize;
  const uint32_t codeFirst = U32(g + 8), codeCount = U32(g + 12);
  if (codeFirst > r.codeCount || codeCount > r.codeCount - codeFirst) return false;
  // The code within the group: codes are sorted by key.
  uint32_t a = codeFirst, b = codeFirst + codeCount;
  while (a < b) {
    const uint32_t mid = a + (b - a) / 2;
    const uint64_t k = U64(r.codesOffset + size_t(mid) * kCodeSize);
    if (k == key) {
      first = U32(r.codesOffset + size_t(mid) * kCodeSize + 8);
      end = U32(r.codesOffset + size_t(mid + 1) * kCodeSize + 8);
      return first <= end && end <= r.entryCount;
    }
    if (k < key)
      a = mid + 1;
    else
      b = mid;
  }
  return false;
}

bool TMainDictionaryIndex::Word(uint32_t n, std::string& out) const {
  if (n >= wordCount_) return false;
  uint32_t at = U32(restartsOffset_ + size_t(n / kRestartEvery) * 4);
  out.clear();
  for (uint32_t i = n - n % kRestartEvery;; ++i) {
    if (at > wordsBytes_ || wordsBytes_ - at < 2) return false;
    const uint8_t* p = data_ + wordsOffset_ + at;
    const uint32_t shared = p[0], length = p[1];
    if (shared > out.size() || length > wordsBytes_ - at - 2 || shared + length > 255) return false;
    out.resize(shared);
    out.append(reinterpret_cast<const char*>(p + 2), length);
    at += 2 + length;
    if (i == n) return true;
  }
}

}  // namespace wx
