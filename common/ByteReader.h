// Bounds-checked little-endian reads over a byte range that is not ours to
// trust (data files, registry values, clipboard contents). Every read checks
// "off > len - n" before touching memory; the first failed read sets a sticky
// flag and every later read then yields zero, so a parser can read a whole
// record and test ok() once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace wx {

class ByteReader {
 public:
  ByteReader() = default;
  ByteReader(const void* data, size_t size)
      : data_(static_cast<const uint8_t*>(data)), size_(data ? size : 0) {}

  size_t size() const { return size_; }
  size_t pos() const { return pos_; }
  size_t remaining() const { return failed_ ? 0 : size_ - pos_; }
  bool ok() const { return !failed_; }
  const uint8_t* data() const { return data_; }

  // Moves to an absolute offset; an offset past the end fails.
  bool Seek(size_t off) {
    if (failed_ || off > size_) return Fail();
    pos_ = off;
    return true;
  }
  bool Skip(size_t n) {
    if (failed_ || n > size_ - pos_) return Fail();
    pos_ += n;
    return true;
  }

  uint8_t U8() {
    if (!Need(1)) return 0;
    return data_[pos_++];
  }
  uint16_t U16() {
    if (!Need(2)) return 0;
    uint16_t v = uint16_t(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
  }
  uint32_t U24() {
    if (!Need(3)) return 0;
    uint32_t v = uint32_t(data_[pos_]) | (uint32_t(data_[pos_ + 1]) << 8) |
                 (uint32_t(data_[pos_ + 2]) << 16);
    pos_ += 3;
    return v;
  }
  uint32_t U32() {
    if (!Need(4)) return 0;
    uint32_t v = uint32_t(data_[pos_]) | (uint32_t(data_[pos_ + 1]) << 8) |
                 (uint32_t(data_[pos_ + 2]) << 16) | (uint32_t(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
  }
  // A view of the next n bytes (empty and failed when fewer remain).
  std::string_view Bytes(size_t n) {
    if (!Need(n)) return {};
    std::string_view v(reinterpret_cast<const char*>(data_ + pos_), n);
    pos_ += n;
    return v;
  }
  // A reader over the n bytes at absolute offset off, or a failed one.
  ByteReader Sub(size_t off, size_t n) const {
    if (failed_ || off > size_ || n > size_ - off) {
      ByteReader r;
      r.failed_ = true;
      return r;
    }
    return ByteReader(data_ + off, n);
  }
  // Random-access reads that leave the position alone and fail the reader when out of range.
  uint8_t U8At(size_t off) {
    if (failed_ || off >= size_) return Fail(), 0;
    return data_[off];
  }
  uint16_t U16At(size_t off) {
    if (failed_ || size_ < 2 || off > size_ - 2) return Fail(), 0;
    return uint16_t(data_[off] | (data_[off + 1] << 8));
  }
  uint32_t U32At(size_t off) {
    if (failed_ || size_ < 4 || off > size_ - 4) return Fail(), 0;
    return uint32_t(data_[off]) | (uint32_t(data_[off + 1]) << 8) |
           (uint32_t(data_[off + 2]) << 16) | (uint32_t(data_[off + 3]) << 24);
  }
  uint64_t U64At(size_t off) {
    if (failed_ || size_ < 8 || off > size_ - 8) return Fail(), 0;
    return uint64_t(U32At(off)) | (uint64_t(U32At(off + 4)) << 32);
  }

  bool Fail() {
    failed_ = true;
    return false;
  }

 private:
  bool Need(size_t n) {
    if (failed_ || n > size_ - pos_) return Fail();
    return true;
  }

  const uint8_t* data_ = nullptr;
  size_t size_ = 0;
  size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace wx
