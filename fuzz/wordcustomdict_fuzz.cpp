// Word-processor custom dictionary reader on arbitrary bytes (plain, UTF-8
// or UTF-16 text): it must stay inside the bytes, end, and leave a
// dictionary that answers lookups.
#include <cstdint>
#include <string>

#include "spelling/DictionaryFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  wx::TCustomDictionary d;
  size_t added = wx::ReadWordCustomDictionary(std::string_view(reinterpret_cast<const char*>(data), size), d);
  if (added != size_t(d.AddedCount())) __builtin_trap();
  std::string w;
  for (size_t i = 0; d.GetAddedWord(i, w); ++i)
    if (w.empty() || !d.IsAdded(w)) __builtin_trap();
  return 0;
}
