// Prepositions, conjunctions, pronouns and interjections, which WordNet does
// not describe: a small set of our own for the common ones.
#pragma once

#include <vector>

namespace wx::tools {

struct FunctionWord {
  int section;             // 4 preposition, 5 conjunction, 6 pronoun, 7 interjection
  const char* words;       // comma-separated synonyms
  const char* gloss;
};

const std::vector<FunctionWord>& FunctionWords();

}  // namespace wx::tools
