#include "tools/lib/WordList.h"

#include <fstream>
#include <unordered_set>

#include "common/AnsiText.h"
#include "spelling/MainDictionaryList.h"
#include "tools/lib/HunspellWordList.h"

namespace wx::tools {

namespace {

bool ReadLines(const std::string& path, std::vector<std::string>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) out.push_back(line);
  }
  return true;
}

}  // namespace

bool LoadWordLists(const std::vector<std::string>& paths, bool english, WordListWords& list, std::string& error) {
  std::vector<std::string> utf8;
  for (const auto& p : paths) {
    if (p.size() > 4 && p.compare(p.size() - 4, 4, ".dic") == 0) {
      if (!ExpandHunspellDictionary(p, utf8, error)) return false;
    } else if (!ReadLines(p, utf8)) {
      error = "cannot read " + p;
      return false;
    }
  }
  list.read = utf8.size();
  std::unordered_set<std::string> all;
  std::vector<std::string> ansi;
  ansi.reserve(utf8.size());
  for (const auto& w : utf8) {
    std::string a;
    if (!UnicodeToAnsi(Utf8ToUtf16(w), a) || a.empty()) {
      ++list.unrepresentable;
      continue;
    }
    all.insert(a);
    ansi.push_back(std::move(a));
  }
  for (auto& a : ansi) {
    std::string_view stem;
    if (english && TMainDictionaryList::PossessiveStem(a, stem) && all.count(std::string(stem))) {
      ++list.possessives;
      continue;
    }
    list.words.push_back(std::move(a));
  }
  return true;
}

}  // namespace wx::tools
