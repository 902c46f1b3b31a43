// The five word-form lists of the definitions database, made from WordNet's
// exception lists (noun.exc, verb.exc, adj.exc) and its lemmas: noun plurals,
// verb forms, adjective comparisons, stems that compare with -er/-est, and
// verbs that double their last letter.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

#include "tools/lib/WordNet.h"

namespace wx::tools {

struct WordFormLists {
  std::string lists[5];
  size_t lines[5] = {};
};

// english: a word list (one word a line, as /usr/share/dict has them) used to
// learn which adjectives take -er and -est; may be empty.
WordFormLists MakeWordFormLists(const WordNet& wn, const std::unordered_set<std::string>& english);

}  // namespace wx::tools
