// Word-rank table reader on arbitrary bytes: attaching and rank lookups must
// stay inside the bytes and end, whatever the trailer's offset and count say.
#include <cstdint>
#include <string_view>

#include "spelling/WordRanks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  wx::TWordRanks ranks;
  if (!ranks.Attach(data, size)) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  unsigned sink = 0;
  for (std::string_view w : {std::string_view("the"), std::string_view("a"), std::string_view(""),
                             bytes.substr(0, 8), bytes.substr(size / 2, 5)})
    sink += ranks.Rank(w);
  return sink == 0xFFFFFFFF;
}
