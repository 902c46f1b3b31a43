#include "common/ReadableColor.h"

#include <algorithm>
#include <cmath>

namespace wx {

namespace {

double Channel(uint32_t value) {
  const double c = double(value & 0xFF) / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t color) {
  return 0.2126 * Channel(color) + 0.7152 * Channel(color >> 8) + 0.0722 * Channel(color >> 16);
}

}  // namespace

double ContrastRatio(uint32_t a, uint32_t b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

uint32_t ReadableTextColor(uint32_t background, std::initializer_list<uint32_t> candidates, double minRatio) {
  for (uint32_t c : candidates)
    if (ContrastRatio(c, background) >= minRatio) return c;
  constexpr uint32_t kBlack = 0x000000, kWhite = 0xFFFFFF;
  return ContrastRatio(kBlack, background) >= ContrastRatio(kWhite, background) ? kBlack : kWhite;
}

}  // namespace wx
