// A fixed sample of words for the definitions agreement check and the lookup
// benchmark: WordNet lemmas of every part of speech taken at even steps, and
// inflected forms (irregular ones from the exception lists, regular ones made
// from sampled lemmas). The same WordNet gives the same sample.
#pragma once

#include <string>
#include <vector>

#include "tools/lib/WordNet.h"

namespace wx::tools {

// About `lemmas` base words plus about `inflected` inflected forms, in a
// fixed order; words with blanks for "_".
std::vector<std::string> SampleWords(const WordNet& wn, size_t lemmas, size_t inflected);

}  // namespace wx::tools
