#include "spelling/WordRanks.h"

#include <cstring>

#include "common/ByteReader.h"
#include "spelling/MainDictionaryIndex.h"

namespace wx {

uint32_t TWordRanks::Key(std::string_view word) { return uint32_t(WordHash(word) >> 32); }

bool TWordRanks::Attach(const uint8_t* data, size_t size) {
  Detach();
  if (!data || size < kTrailerSize) return false;
  const size_t trailer = size - kTrailerSize;
  if (std::memcmp(data + trailer, kMagic.data(), kMagic.size()) != 0) return false;
  ByteReader r(data, size);
  const uint32_t offset = r.U32At(trailer + 8);
  const uint32_t count = r.U32At(trailer + 12);
  // The hashes and ranks fill the bytes between the offset and the trailer.
  if (!r.ok() || count > kMaxCount || offset > trailer || uint64_t(count) * 5 != trailer - offset) return false;
  data_ = data;
  hashes_ = offset;
  count_ = count;
  return true;
}

uint8_t TWordRanks::Rank(std::string_view word) const {
  if (!data_ || count_ == 0) return 0;
  const uint32_t key = Key(word);
  auto at = [&](uint32_t i) {
    const uint8_t* p = data_ + hashes_ + size_t(i) * 4;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
  };
  // The keys are hashes, spread evenly: the key's share of the key space
  // points near its place. Gallop from there to a range that holds it, then
  // halve it; every step stays inside the table and the steps double or
  // halve, so a damaged (unsorted) table ends the search as quickly.
  uint32_t lo = 0, hi = count_;  // the answer lies in [lo, hi]
  const uint32_t guess = uint32_t((uint64_t(key) * count_) >> 32);
  if (at(guess) < key) {
    lo = guess + 1;
    for (uint32_t step = 1; lo < count_; step *= 2) {
      const uint32_t probe = step < count_ - lo ? lo + step - 1 : count_ - 1;
      if (at(probe) >= key) {
        hi = probe;
        break;
      }
      lo = probe + 1;
      if (step >= count_) break;
    }
  } else {
    hi = guess;
    for (uint32_t step = 1; hi > 0; step *= 2) {
      const uint32_t probe = step < hi ? hi - step : 0;
      if (at(probe) < key) {
        lo = probe + 1;
        break;
      }
      hi = probe;
      if (step >= count_) break;
    }
  }
  // Lower bound within [lo, hi].
  uint32_t n = hi - lo;
  while (n > 0) {
    const uint32_t half = n / 2;
    if (at(lo + half) < key) {
      lo += half + 1;
      n -= half + 1;
    } else {
      n = half;
    }
  }
  if (lo >= count_ || at(lo) != key) return 0;
  return data_[hashes_ + size_t(count_) * 4 + lo];
}

}  // namespace wx
