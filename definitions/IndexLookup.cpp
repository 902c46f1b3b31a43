#include "definitions/IndexLookup.h"

#include <algorithm>
#include <cstring>

#include "definitions/Coder.h"
#include "definitions/DefinitionsDatabase.h"
#include "definitions/DefinitionsError.h"

namespace wx {

namespace {
constexpr size_t kBlockSlack = 512;  // zero bytes after a block: the decoder's look-ahead
}

TIndexRec* TIndexDiskRec::Find(std::string_view k) {
  size_t i = LowerBound(k);
  if (i < entries.size() && KeyOf(entries[i]) == k) return &entries[i];
  return nullptr;
}

size_t TIndexDiskRec::LowerBound(std::string_view k) const {
  size_t lo = 0, hi = entries.size();
  while (lo < hi) {
    size_t mid = (lo + hi) / 2;
    if (KeyOf(entries[mid]) < k) lo = mid + 1;
    else hi = mid;
  }
  return lo;
}

void TIndexDiskRec::Clear() {
  entries.clear();
  keys_.clear();
}

void TIndexDiskRec::Parse(size_t size) {
  Clear();
  if (size == 0) throw EDefinitionsError("Dictavo index error");
  uint8_t* buf = buffer_.data();
  uint8_t* const end = buf + size + kBlockSlack;
  uint8_t counts[kMaxBlockEntries];
  size_t pos = 0;
  int n = DecodeEntryCounts(buf, end, counts, kMaxBlockEntries, &pos);
  if (n <= 0) return;
  entries.reserve(size_t(n));
  const uint8_t b0 = uint8_t(key & 0xFF), b1 = uint8_t(key >> 8);
  char text[kMaxKeyLength];
  bool sorted = true;
  for (int e = 0; e < n; ++e) {
    if (pos > size) return;
    // The key's code is the block key followed by the stored bytes: put the
    // block key in front of them for the decoder, then restore the buffer.
    int len;
    size_t coded = 0;  // the key's coded length, as re-encoding it would give
    if (pos >= 2) {
      uint8_t save0 = buf[pos - 2], save1 = buf[pos - 1];
      buf[pos - 2] = b0;
      buf[pos - 1] = b1;
      len = DecodeIndexKey(buf + pos - 2, std::min(end, buf + pos + 510), text, kMaxKeyLength, &coded);
      buf[pos - 2] = save0;
      buf[pos - 1] = save1;
    } else {
      uint8_t window[512] = {b0, b1};
      std::memcpy(window + 2, buf + pos, 510);
      len = DecodeIndexKey(window, window + sizeof window, text, kMaxKeyLength, &coded);
    }
    if (len <= 0) return;
    if (coded > 2) pos += coded - 2;
    TIndexRec rec;
    rec.count = counts[e];
    if (pos > size || size_t(rec.count) * 3 > size - pos) return;
    rec.offsets = buf + pos;
    pos += size_t(rec.count) * 3;
    rec.keyPos = uint32_t(keys_.size());
    rec.keyLen = uint16_t(len);
    if (!entries.empty() && KeyOf(entries.back()) >= std::string_view(text, size_t(len))) sorted = false;
    keys_.append(text, size_t(len));
    entries.push_back(std::move(rec));
  }
  if (!sorted) {
    std::stable_sort(entries.begin(), entries.end(),
                     [this](const TIndexRec& a, const TIndexRec& b) { return KeyOf(a) < KeyOf(b); });
  }
}

TIndexLookup::TIndexLookup() : current_(&empty_) {}

bool TIndexLookup::ParseBuckets(ByteReader& head, uint32_t blockAreaSize) {
  blockAreaSize_ = blockAreaSize;
  descriptors_.clear();
  for (int b = 0; b < 256; ++b) {
    bucketStart_[b] = uint32_t(descriptors_.size());
    unsigned count = head.U8();
    for (unsigned i = 0; i < count; ++i) {
      Descriptor d;
      d.first = head.U8();
      d.offset = head.U24();
      descriptors_.push_back(d);
    }
  }
  bucketStart_[256] = uint32_t(descriptors_.size());
  bigEndianKeys_.clear();
  for (int b = 0; b < 256; ++b)
    for (uint32_t i = bucketStart_[b]; i < bucketStart_[b + 1]; ++i)
      bigEndianKeys_.push_back(uint16_t(descriptors_[i].first << 8 | b));
  std::sort(bigEndianKeys_.begin(), bigEndianKeys_.end());
  return head.ok();
}

bool TIndexLookup::NextBlockKey(uint16_t from, bool upward, uint16_t& next) const {
  if (upward) {
    auto it = std::upper_bound(bigEndianKeys_.begin(), bigEndianKeys_.end(), from);
    if (it == bigEndianKeys_.end()) return false;
    next = *it;
    return true;
  }
  auto it = std::lower_bound(bigEndianKeys_.begin(), bigEndianKeys_.end(), from);
  if (it == bigEndianKeys_.begin()) return false;
  next = *--it;
  return true;
}

bool TIndexLookup::LocateBlock(uint8_t b0, uint8_t b1, uint32_t& offset, uint32_t& size) const {
  const Descriptor* first = descriptors_.data() + bucketStart_[b1];
  const Descriptor* last = descriptors_.data() + bucketStart_[b1 + 1];
  const Descriptor* d =
      std::lower_bound(first, last, b0, [](const Descriptor& x, uint8_t v) { return x.first < v; });
  if (d == last || d->first != b0) return false;
  offset = d->offset;
  // The next block in file order: the next descriptor of this bucket, else the
  // first of the next non-empty bucket, else the end of the block area.
  size_t next = size_t(d - descriptors_.data()) + 1;
  uint32_t nextOffset = next < descriptors_.size() ? descriptors_[next].offset : blockAreaSize_;
  size = nextOffset >= offset ? nextOffset - offset : 0;
  return true;
}

TIndexDiskRec& TIndexLookup::LoadBlock(uint8_t b0, uint8_t b1, TAbsDefinitionsDatabase& file,
                                       uint32_t blockBase) {
  const size_t fileSize = file.FileSize();
  const uint16_t k = uint16_t(b0 | (b1 << 8));
  for (size_t i = 0; i < cache_.size(); ++i) {
    if (cache_[i]->key == k) {
      std::unique_ptr<TIndexDiskRec> hit = std::move(cache_[i]);
      cache_.erase(cache_.begin() + std::ptrdiff_t(i));
      cache_.push_back(std::move(hit));
      current_ = cache_.back().get();
      return *current_;
    }
  }
  uint32_t offset = 0, size = 0;
  if (!LocateBlock(b0, b1, offset, size)) {
    current_ = &empty_;
    return empty_;
  }
  std::unique_ptr<TIndexDiskRec> block;
  if (cache_.size() < kCacheSize) {
    block = std::make_unique<TIndexDiskRec>();
  } else {
    block = std::move(cache_.front());
    cache_.erase(cache_.begin());
    block->Clear();
  }
  block->key = k;
  cache_.push_back(std::move(block));
  TIndexDiskRec& rec = *cache_.back();
  current_ = &rec;
  // The block must lie inside the block area, which must lie inside the file.
  size_t start = size_t(blockBase) + offset;
  if (offset > blockAreaSize_ || size > blockAreaSize_ - offset || start > fileSize || size > fileSize - start)
    size = 0;
  auto& buf = rec.buffer();
  buf.assign(size_t(size) + kBlockSlack, 0);
  try {
    file.ReadAt(start, buf.data(), size);
    rec.Parse(size);
  } catch (...) {
    cache_.pop_back();  // a block that failed is not kept as if it were empty
    current_ = &empty_;
    throw;
  }
  return rec;
}

}  // namespace wx
