// Expands a Hunspell dictionary (.dic with its .aff) into the plain word list
// it describes: every stem with its prefixes and suffixes, two suffixes deep
// where an affix's continuation classes allow it, and prefixes combined with
// suffixes where the cross-product marks or the continuation classes allow it.
//
// What the affix file may say and how it is taken:
// - SET: the encoding of both files (UTF-8 or ISO8859-1/-15; without SET, a
//   file that is valid UTF-8 is read as UTF-8, anything else as ISO8859-1);
// - FLAG char (default), long (two characters), num (comma-separated
//   numbers), UTF-8 (one character each), and flag aliases (AF);
// - NEEDAFFIX: a stem or an affixed form so marked is a word only with a
//   further affix; CIRCUMFIX: such a suffix only together with such a prefix;
// - ONLYINCOMPOUND: stems and affixed forms so marked are compound parts and
//   never words of their own; FORBIDDENWORD: the stem is never a word;
// - IGNORE: the listed characters are removed from stems and affixes;
// - OCONV: where its source has a character beyond Latin-1 (Dutch "ĳ"), the
//   words are given in its output form ("ij"), as writers type them.
// Compounds that the compounding rules would allow are not generated (there
// are far too many of them); the words the .dic lists whole are kept.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace wx::tools {

struct HunspellExpansion {
  size_t stems = 0;             // entries of the .dic
  size_t forms = 0;             // words produced (duplicates included)
  size_t forbidden = 0;         // stems marked as forbidden words
  size_t compoundOnlyStems = 0; // stems usable only inside compounds
  size_t compoundOnlyForms = 0; // affixed forms usable only inside compounds
  size_t needAffix = 0;         // stems that are no word without an affix
  size_t elisionsLeftOut = 0;   // elided forms on affixed forms, not generated (see below)
  size_t grownTooLong = 0;      // forms left out for their growth (see below)
  std::string encoding;         // as the affix file declares it (or detected)
};

struct HunspellOptions {
  // Whether prefixes with an apostrophe (elided articles, pronouns and
  // prepositions: "dell'", "All'A", "m'") combine with suffixed forms too. Off, they
  // combine with the stems only: with a few dozen such prefixes on every
  // verb form a dictionary grows by tens of millions of words.
  bool elisionsOnSuffixedForms = true;
  // When not 0, forms more than this many characters longer than their stem
  // are left out: long affixes are mostly derivations (diminutives of
  // superlatives of adverbs), rare in running text, while the inflections
  // writers use all the time are short.
  size_t maxGrowth = 0;
};

// Expands the dictionary given as the texts of its two files; appends UTF-8
// words to out. False with a reason when the encoding is not one of those
// above or the affix file is malformed beyond use.
bool ExpandHunspellText(std::string_view aff, std::string_view dic, std::vector<std::string>& out,
                        HunspellExpansion& stats, std::string& error, const HunspellOptions& options = {});

// Reads dicPath and the .aff beside it and expands them. False when either
// file cannot be read.
bool ExpandHunspellDictionary(const std::string& dicPath, std::vector<std::string>& out, std::string& error,
                              HunspellExpansion* stats = nullptr, const HunspellOptions& options = {});

}  // namespace wx::tools
