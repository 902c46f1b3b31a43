// Adds a table of word ranks (spelling/WordRanks.h) to a main dictionary
// file that carries a lookup index, and computes the ranks from counts in
// text and from lists of common words.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace wx::tools {

// The rank byte of a word: its count in the text (the word as it is, and for
// a capitalised word also its lower-case form's count, which counts
// sentence-initial uses) and how many of the lists hold it.
uint8_t WordRankOf(std::string_view word, const std::unordered_map<std::string, double>& counts,
                   const std::vector<std::unordered_set<std::string>>& lists);

// Rewrites the file at path (UTF-8) with the table of the given ranks (words
// with rank 0 are left out) before its checksum, replacing any table it had,
// and a new checksum. The file must carry a lookup index whose checksum
// holds. Replaced atomically; false with a reason when it cannot be done.
bool AddWordRanks(const std::string& path, const std::vector<std::pair<std::string, uint8_t>>& ranks,
                  size_t& tableBytes, std::string& error);

}  // namespace wx::tools
