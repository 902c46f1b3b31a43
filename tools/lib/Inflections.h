// Regular inflected forms of English base words, by the spelling rules of
// suffixes: plurals and third-person forms (-s, -es, -ies), past forms (-ed),
// present participles (-ing), comparatives and superlatives (-er, -est). Used
// by build-thesaurus to let "days", "called" and "words" find their base
// word's meanings. Irregular forms come from WordNet's exception lists, not
// from here.
#pragma once

#include <string>
#include <vector>

#include "tools/lib/WordNet.h"

namespace wx::tools {

struct InflectedForm {
  std::string text;
  // False where the rules cannot tell between spellings (a doubled final
  // consonant in a longer word: "visited" but "admitted"; "-os" or "-oes";
  // any comparative): such forms need a word list to confirm them.
  bool certain = true;
};

// The regular forms of base (lower-case letters only; anything else gives no
// forms) as a word of the given part of speech: nouns their plural, verbs
// their -s, -ed and -ing forms, adjectives their -er and -est forms, adverbs
// none. Where the spelling is in doubt every candidate is returned, marked
// uncertain.
std::vector<InflectedForm> RegularForms(const std::string& base, WnPos pos);

}  // namespace wx::tools
