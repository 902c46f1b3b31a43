// Any bytes as a thesaurus file: loading and lookups must neither crash nor hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "thesaurus/ThesaurusFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static wx::TThesaurusFile file;
  if (!file.LoadFromBytes(std::string(reinterpret_cast<const char*>(data), size))) return 0;
  for (const char* w : {"a", "car", "CAR", "Car", "automobile", "station", "x", "zz"}) {
    if (file.Lookup(w))
      for (const auto& m : file.Contexts()) (void)m->contextWord.size();
  }
  // Every node's text and every entry.
  std::string text;
  uint32_t nodes = file.NodeCount() < 4096 ? file.NodeCount() : 4096;
  for (uint32_t k = 0; k < nodes; ++k) file.WordFromNode(uint16_t(k), text);
  for (uint16_t e = 0; e < file.EntryCount() && e < 1024; ++e) {
    wx::TEntry entry;
    wx::TThesaurusEntry meaning;
    if (file.ReadEntry(e, entry)) file.FillEntry(entry, meaning);
  }
  return 0;
}
