// Lookup index reader on arbitrary bytes: attaching, the word filter and the
// sound-alike tables must stay inside the bytes and end, whatever the offsets
// and counts in them say.
#include <cstdint>
#include <string>
#include <string_view>

#include "spelling/MainDictionaryIndex.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The index names the size of the tree part it belongs to; take it from
  // the bytes so that the fuzzer gets past that check.
  uint32_t treeSize = 0;
  if (size >= 16) treeSize = uint32_t(data[12]) | (uint32_t(data[13]) << 8) | (uint32_t(data[14]) << 16) |
                             (uint32_t(data[15]) << 24);
  wx::TMainDictionaryIndex index;
  if (!index.Attach(data, size, treeSize)) return 0;
  size_t sink = 0;
  for (const char* w : {"a", "the", "antelope", "zz", "internationalization"}) sink += index.MayContain(w);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  for (int set = -1; set < 5; ++set)
    for (size_t depth = 1; depth <= 3; ++depth)
      for (std::string_view prefix : {std::string_view("anx", depth), bytes.substr(size / 2, depth)})
        for (std::string_view tail : {std::string_view(), std::string_view("ntlp"), bytes.substr(size / 3, 3)})
          index.ForEachSoundAlike(set, prefix, tail, 2 + (size & 7), [&](std::string_view w) {
            sink += w.size();
            return sink % 1000 != 999;
          });
  return sink == 0xFFFFFFFF;
}
