#include "tools/lib/SuggestionGolden.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "common/AnsiText.h"
#include "spelling/MainDictionary.h"

namespace wx::tools {

std::unique_ptr<TSpellCheckerBase> MakeSuggestionChecker(const std::string& dictionary) {
  TSpellConfigSettings settings;
  settings.ConfigStorage = TConfigStorage::csNone;
  settings.ConfigUseMSWordCustom = false;
  settings.ConfigDefaultMain = {std::filesystem::absolute(dictionary).string()};
  settings.ConfigDefaultCustom = {};
  settings.ConfigDefaultActiveCustom = "";
  auto checker = std::make_unique<TSpellCheckerBase>(settings);
  checker->SetKeepDictionariesActive(true);
  checker->SetSuggestionsLearning(false);
  checker->OpenDictionaries();
  return checker;
}

std::string GoldenLine(TSpellCheckerBase& checker, const std::string& word) {
  TSuggestionList list;
  checker.Suggest(Utf8ToAnsi(word), -1, list);
  std::string line = word;
  for (const auto& s : list) {
    line += '\t';
    line += AnsiToUtf8(s.Word);
    line += '\t';
    line += std::to_string(s.Distance);
  }
  return line;
}

std::string GoldenDictionaryLine(const std::string& dictionary) {
  // The letter tree decides every list; the lookup index after it only
  // makes them faster, so a file with or without one has the same line.
  uint64_t treeSize = 0;
  {
    TMainDictionary d;
    if (!d.Open(dictionary)) return {};
    d.SetIndexUse(false);
    d.SetActive(true);
    treeSize = d.TreeSize();
  }
  if (treeSize == 0) return {};
  std::ifstream in(dictionary, std::ios::binary);
  if (!in) return {};
  uint64_t hash = 0xcbf29ce484222325ull, size = 0;
  char buf[65536];
  while (in && size < treeSize) {
    in.read(buf, std::streamsize(std::min<uint64_t>(sizeof buf, treeSize - size)));
    const std::streamsize got = in.gcount();
    for (std::streamsize i = 0; i < got; ++i) {
      hash ^= static_cast<uint8_t>(buf[i]);
      hash *= 0x100000001b3ull;
    }
    size += static_cast<uint64_t>(got);
  }
  char text[64];
  std::snprintf(text, sizeof text, "dictionary %llu %016llx", static_cast<unsigned long long>(size),
                static_cast<unsigned long long>(hash));
  return text;
}

}  // namespace wx::tools
