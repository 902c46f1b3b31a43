// Writes a main dictionary (.qxm) from a word list. Used by build-maindict and
// by the tests, which read its output back with TMainDictionary.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wx::tools {

struct MainDictOptions {
  std::string title = "English (United States)";  // UTF-8
  uint32_t language = 0x0409;
  // Nodes at this depth or deeper (the first letter has depth 1) may carry
  // runs. Nodes above it never do, so that a sound-alike search whose shared
  // prefix is up to depth-1 characters long always completes its prefix walk.
  unsigned minRunDepth = 4;
  // Share identical subtrees (a node reached by several paths).
  bool shareSubtrees = true;
  // Written as NodeCount when larger than the real count: it selects the
  // reference width, so tests can produce the wide form with a small list.
  uint32_t minNodeCountField = 0;
  // How often a word is looked up, relative to the others; it orders the
  // children of every node (most looked-up paths first). By default a word
  // of length n weighs 2^-n: short words are the common ones in running text.
  std::function<double(std::string_view word)> wordWeight;
  // Progress of the long stages: stage name, done, total.
  std::function<void(const char*, size_t, size_t)> progress;
};

struct MainDictStats {
  size_t words = 0;         // distinct words stored
  size_t treeNodes = 0;     // letter-tree nodes before runs and sharing
  size_t nodes = 0;         // nodes written
  size_t linkageBytes = 0;
  size_t fileBytes = 0;
  uint32_t nodesWithRuns = 0;
};

// Builds the file image from words (ANSI byte strings; order and duplicates do
// not matter; empty words, words with a zero byte and words longer than 255
// bytes are left out). Returns false with a reason when the tree does not fit
// the format's limits.
bool BuildMainDictionary(std::vector<std::string> words, const MainDictOptions& options, std::string& image,
                         MainDictStats& stats, std::string& error);

}  // namespace wx::tools
