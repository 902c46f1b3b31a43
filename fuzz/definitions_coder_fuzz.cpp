// The decoders and the text unpacker on arbitrary bytes, and round trips of
// whatever keys and texts the bytes spell.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "definitions/Coder.h"
#include "definitions/TextPacking.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const uint8_t* end = data + size;
  char key[wx::kMaxKeyLength];
  size_t len = 0;
  wx::DecodeIndexKey(data, end, key, wx::kMaxKeyLength, &len);
  uint8_t counts[wx::kMaxBlockEntries];
  wx::DecodeEntryCounts(data, end, counts, wx::kMaxBlockEntries, &len);
  uint8_t types[wx::kMaxPointers], words[2 * wx::kMaxPointers];
  int n = wx::DecodePointerList(data, end, types, words, wx::kMaxPointers, &len);
  if (n >= 0 && wx::EncodePointerList(types, words, size_t(n), nullptr) != len) std::abort();
  std::string text;
  wx::UnpackText(data, end, text);

  // Round trips.
  std::string k;
  for (size_t i = 0; i < size && k.size() < wx::kMaxKeyLength; ++i) {
    uint8_t c = data[i] % 36;
    k.push_back(char(c < 10 ? '0' + c : 'A' + c - 10));
  }
  if (!k.empty()) {
    uint8_t code[wx::kKeyCodeBufferSize + 4] = {};
    size_t coded = wx::EncodeIndexKey(k, code);
    size_t decodedLen = 0;
    int got = wx::DecodeIndexKey(code, code + coded + 4, key, wx::kMaxKeyLength, &decodedLen);
    if (got != int(k.size()) || std::string(key, k.size()) != k || decodedLen != coded) std::abort();
  }
  std::string plain(reinterpret_cast<const char*>(data), size);
  for (char& c : plain)
    if (c == 0 || c == '_' || c == '`' || (uint8_t(c) < 32)) c = 'x';
  std::string packed = wx::PackText(plain) + '\0';
  std::string back;
  size_t used = wx::UnpackText(reinterpret_cast<const uint8_t*>(packed.data()),
                               reinterpret_cast<const uint8_t*>(packed.data()) + packed.size(), back);
  // A text beyond the limit comes back cut there.
  if (used != packed.size() || back != plain.substr(0, wx::kMaxUnpackedText)) std::abort();
  return 0;
}
