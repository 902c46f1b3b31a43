#include "definitions/Synset.h"

#include "definitions/IndexKey.h"

namespace wx {

void TSynset::Focus(std::string_view key) {
  std::string k;
  for (size_t i = 0; i < words.size(); ++i) {
    NormalizeKeyInto(words[i], k);
    if (k != key) continue;
    headWord = words[i];
    words.erase(words.begin() + std::ptrdiff_t(i));
    const uint8_t number = uint8_t(i + 1);
    size_t kept = 0;
    for (const auto& p : pointers)
      if (p.source == 0 || p.source == number) pointers[kept++] = p;
    pointers.resize(kept);
    return;
  }
}

uint16_t TSynset::RelationMask() const {
  uint16_t mask = 0;
  for (const auto& p : pointers)
    if (p.type < 16) mask = uint16_t(mask | (1u << p.type));
  return mask;
}

}  // namespace wx
