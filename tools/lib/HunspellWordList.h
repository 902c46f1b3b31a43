// Expands a Hunspell dictionary (.dic with its .aff) into the plain word list
// it describes: every stem with each of its prefixes and suffixes (and both,
// where the rules allow cross products). Enough of the affix format for
// Debian's English dictionaries: single-character flags, PFX and SFX groups
// with strip, append and a condition of characters and [classes].
#pragma once

#include <string>
#include <vector>

namespace wx::tools {

// Reads dicPath and the .aff beside it; appends UTF-8 words to out. False when
// either file cannot be read.
bool ExpandHunspellDictionary(const std::string& dicPath, std::vector<std::string>& out, std::string& error);

}  // namespace wx::tools
