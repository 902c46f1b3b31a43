#include "tools/lib/WordList.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <unordered_set>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "spelling/MainDictionaryList.h"
#include "spelling/ParsingEngine.h"
#include "spelling/StringParser.h"
#include "tools/lib/HunspellWordList.h"

namespace wx::tools {

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

void SplitAsParsed(const std::string& word, bool frenchApostrophes, std::vector<std::string>& parts) {
  if (std::all_of(word.begin(), word.end(), [](char c) { return IsAnsiAlpha(uint8_t(c)); })) {
    parts.push_back(word);
    return;
  }
  TMainParsingEngine engine;
  engine.SetFrenchApostrophes(frenchApostrophes);
  std::string text = word, part;
  TStringParser parser(text);
  parser.Initialize();
  engine.Start(&parser, kModeWholeText);
  for (;;) {
    engine.GetNextWord(part);
    if (part.empty()) break;
    parts.push_back(part);
  }
}

bool LoadWordLists(const std::vector<std::string>& paths, bool english, WordListWords& list, std::string& error) {
  WordListOptions options;
  options.english = english;
  return LoadWordLists(paths, options, list, error);
}

bool LoadWordLists(const std::vector<std::string>& paths, const WordListOptions& options, WordListWords& list,
                   std::string& error) {
  std::vector<std::string> utf8;
  for (const auto& p : paths) {
    if (p.size() > 4 && p.compare(p.size() - 4, 4, ".dic") == 0) {
      if (!ExpandHunspellDictionary(p, utf8, error, &list.expansion, options.hunspell)) return false;
    } else if (!ReadLines(p, utf8)) {
      error = "cannot read " + p;
      return false;
    }
  }
  list.read = utf8.size();
  std::unordered_set<std::string> all;
  std::vector<std::string> ansi;
  ansi.reserve(utf8.size());
  std::vector<std::string> parts;
  for (auto& w : utf8) {
    std::string a;
    if (!UnicodeToAnsi(Utf8ToUtf16(w), a) || a.empty()) {
      ++list.unrepresentable;
      continue;
    }
    std::string().swap(w);
    parts.clear();
    SplitAsParsed(a, options.frenchApostrophes, parts);
    if (parts.size() != 1 || parts[0] != a) {
      ++list.split;
      for (auto& part : parts)
        if (all.insert(part).second) ansi.push_back(std::move(part));
      continue;
    }
    if (all.insert(a).second) ansi.push_back(std::move(a));
  }
  for (auto& a : ansi) {
    std::string_view stem;
    if (options.english && TMainDictionaryList::PossessiveStem(a, stem) && all.count(std::string(stem))) {
      ++list.possessives;
      continue;
    }
    list.words.push_back(std::move(a));
  }
  return true;
}

void CountTextWords(const std::string& utf8, std::unordered_map<std::string, double>& counts) {
  std::u16string text = Utf8ToUtf16(utf8);
  std::string word;
  auto flush = [&] {
    while (!word.empty() && word.back() == '\'') word.pop_back();
    if (!word.empty()) {
      counts[word] += 1;
      uint8_t first = uint8_t(word[0]);
      if (AnsiLowerChar(first) != first) {
        word[0] = char(AnsiLowerChar(first));
        counts[word] += 1;
      }
    }
    word.clear();
  };
  for (char16_t u : text) {
    if (u == 0x2019) u = '\'';
    uint8_t c;
    if (UnicodeCharToAnsi(u, c) && (IsAnsiAlpha(c) || (c == '\'' && !word.empty())))
      word.push_back(char(c));
    else
      flush();
  }
  flush();
}

std::function<double(std::string_view)> FrequencyWeight(
    std::shared_ptr<const std::unordered_map<std::string, double>> counts) {
  return [counts](std::string_view word) {
    auto it = counts->find(std::string(word));
    return (it == counts->end() ? 0.0 : it->second) + std::ldexp(1.0, -int(word.size()));
  };
}

bool CountWordsIn(const std::string& path, std::unordered_map<std::string, double>& counts, std::string& error) {
  std::error_code ec;
  std::vector<std::string> files;
  if (std::filesystem::is_directory(path, ec)) {
    for (const auto& e : std::filesystem::directory_iterator(path, ec))
      if (e.is_regular_file(ec)) files.push_back(e.path().string());
    std::sort(files.begin(), files.end());
  } else {
    files.push_back(path);
  }
  for (const auto& f : files) {
    std::string text;
    if (!ReadWholeFile(f, text)) {
      error = "cannot read " + f;
      return false;
    }
    CountTextWords(text, counts);
  }
  return true;
}

}  // namespace wx::tools
