// The development lists of real misspellings: "misspelling<TAB>correct[, correct...]"
// lines and "correct: miss1 miss2 ..." lines. The suggestion benchmark scores
// against them, and the suggestion golden file lists our suggestions for them.
#pragma once

#include <string>
#include <vector>

namespace wx::tools {

struct Misspelling {
  std::string wrong;               // UTF-8
  std::vector<std::string> right;  // any of them counts
};

// Lines "misspelling<TAB>correct, correct ..."; missing file: empty.
std::vector<Misspelling> LoadMisspellingTab(const std::string& path);
// Lines "correct: miss1 miss2 ..."; missing file: empty.
std::vector<Misspelling> LoadMisspellingNorvig(const std::string& path);

// Where the lists lie unless a tool is told otherwise, and their file names.
inline constexpr const char* kMisspellingsDir = "/work/shared/data/misspellings";
inline constexpr const char* kMisspellingsTab = "wikipedia-common.tab";
inline constexpr const char* kMisspellingsNorvig = "norvig-testset1.txt";

}  // namespace wx::tools
