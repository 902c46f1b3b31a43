// The distance that ranks suggestions: Levenshtein distance with a credit for
// adjacent transpositions at the same index in both words.
#pragma once

#include <string_view>

namespace wx {

int WordDistance(std::string_view a, std::string_view b);

}  // namespace wx
