// The definitions database reader on arbitrary bytes: the index head, the
// word forms, index blocks, meaning records, related words and neighbours.
// The input is used as a whole database image, and also spliced into a valid
// one (at the block area and at the records) so that deep paths are reached.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "definitions/DefinitionsDatabase.h"
#include "definitions/DefinitionsError.h"

namespace {

void Exercise(const std::string& image) {
  wx::TDefinitionsDatabase db;
  db.SetDatabaseImage(image);
  for (const char* w : {"dog", "dogs", "ran", "better", "a", "glasses", "looked up", "less happy"}) {
    try {
      db.SearchWord(w);
      wx::TWordLookup& r = db.Lookup();
      for (int n = 0; n <= 12; ++n) r.RelatedByIndex(n);
      if (r.SenseCount() > 0) r.SelectSense(0);
      std::vector<std::string> list;
      db.NeighbourWords(list, 4);
    } catch (const wx::EDefinitionsError&) {
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  Exercise(bytes);
  // The same bytes with a trailer that points into them, so that the bucket
  // table and blocks are read from fuzzed content.
  if (size >= 8) {
    std::string image = bytes;
    uint32_t base = 0, head = uint32_t(size / 2);
    for (int i = 0; i < 4; ++i) image.push_back(char((base >> (8 * i)) & 0xFF));
    for (int i = 0; i < 4; ++i) image.push_back(char((head >> (8 * i)) & 0xFF));
    for (int k = 0; k < 8; ++k) {
      uint32_t end = uint32_t(size / 2 * (k + 1) / 8);
      for (int i = 0; i < 4; ++i) image.push_back(char((end >> (8 * i)) & 0xFF));
    }
    Exercise(image);
  }
  return 0;
}
