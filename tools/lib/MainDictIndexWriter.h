// Builds the lookup index of a main dictionary file (see
// spelling/MainDictionaryIndex.h) from the file's own tree, read back with the
// product's reader, so that the index answers exactly what walking the tree
// answers.
#pragma once

#include <cstddef>
#include <string>

namespace wx::tools {

struct MainDictIndexStats {
  size_t words = 0;        // words the filter holds
  size_t filterBytes = 0;
  size_t ruleSets = 0;     // phonetic rule sets indexed
  size_t groups = 0;       // shared prefixes, over all rule sets
  size_t codes = 0;        // distinct codes under a prefix, over all rule sets
  size_t indexBytes = 0;   // the index with its checksum
};

// Rewrites the dictionary file at path (UTF-8) as its tree part followed by
// a new lookup index with the phonetic rules of the dictionary's language. The file is
// replaced atomically. False with a reason when it cannot be done.
bool AddLookupIndex(const std::string& path, MainDictIndexStats& stats, std::string& error);

}  // namespace wx::tools
