// Little-endian writes into a byte string: the counterpart of ByteReader for
// the data-file writers and the custom dictionary's saving.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace wx {

// Appends the low n bytes of v, least significant first.
inline void PutLE(std::string& out, uint64_t v, int n) {
  for (int i = 0; i < n; ++i) out.push_back(char((v >> (8 * i)) & 0xFF));
}
inline void Put16(std::string& out, uint32_t v) { PutLE(out, v, 2); }
inline void Put24(std::string& out, uint32_t v) { PutLE(out, v, 3); }
inline void Put32(std::string& out, uint32_t v) { PutLE(out, v, 4); }
inline void Put64(std::string& out, uint64_t v) { PutLE(out, v, 8); }

// Overwrites the 4 or 8 bytes at `at` (which must lie inside out).
inline void Set32(std::string& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = char((v >> (8 * i)) & 0xFF);
}
inline void Set64(std::string& out, size_t at, uint64_t v) {
  for (int i = 0; i < 8; ++i) out[at + i] = char((v >> (8 * i)) & 0xFF);
}

}  // namespace wx
