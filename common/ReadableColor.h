// Text colours that stay readable: the system's colours for links and
// captions depend on the theme, and some themes make them nearly the colour
// of the background they are drawn on. Colours are 0x00BBGGRR, as Windows
// keeps them.
//
// Portable: no Windows headers.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace wx {

// The contrast ratio of two colours (1 to 21), from their relative luminance.
double ContrastRatio(uint32_t a, uint32_t b);

// The first of the candidates whose contrast with the background is at least
// minRatio; when none is, black or white, whichever stands out more.
uint32_t ReadableTextColor(uint32_t background, std::initializer_list<uint32_t> candidates,
                           double minRatio = 4.5);

}  // namespace wx
