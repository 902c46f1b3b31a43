// peer: hunspell -laspell
// Exact lookups per second in our main dictionary beside Hunspell's and
// Aspell's libraries checking the same words in the same process.
//
//   bench-maindict_lookup [--ours-only] [DICTIONARY.qxm] [TEXT...]
//
// Without a dictionary, american.qxm is built as scripts/build-data.sh has
// build-maindict build it (Debian's american-english-large list, word
// frequencies from the license texts in /usr/share/common-licenses); without texts, the words are those of the
// fortune files (prose: mostly known words, some names and oddities), each
// checked as it occurs. Each engine checks the whole sample repeatedly in
// several rounds, taking turns; the figures are each engine's best pass.
#include <aspell.h>
#include <hunspell/hunspell.hxx>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "spelling/MainDictionary.h"
#include "tools/lib/MainDictWriter.h"
#include "tools/lib/WordList.h"

namespace {

using namespace wx;

std::vector<std::string> Tokens(const std::string& utf8) {
  std::vector<std::string> out;
  std::u16string text = Utf8ToUtf16(utf8);
  std::string word;
  auto flush = [&] {
    while (!word.empty() && word.back() == '\'') word.pop_back();
    if (!word.empty()) out.push_back(word);
    word.clear();
  };
  for (char16_t u : text) {
    uint8_t c;
    if (UnicodeCharToAnsi(u, c) && (IsAnsiAlpha(c) || (c == '\'' && !word.empty())))
      word.push_back(char(c));
    else
      flush();
  }
  flush();
  return out;
}

// One pass over all words; returns words per second. A template, so that
// each engine's call is direct and the loop costs every engine the same.
template <typename Check>
double Pass(const std::vector<std::string>& words, Check&& check, size_t& sink) {
  auto start = std::chrono::steady_clock::now();
  for (const auto& w : words) sink += check(w);
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return double(words.size()) / seconds;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dictPath;
  std::vector<std::string> texts;
  bool oursOnly = false;  // for profiling our lookup alone
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--ours-only")
      oursOnly = true;
    else if (dictPath.empty() && a.size() > 4 && a.substr(a.size() - 4) == ".qxm")
      dictPath = a;
    else
      texts.push_back(a);
  }
  std::string tempDict;
  if (dictPath.empty()) {
    tools::WordListWords list;
    std::string error;
    if (!tools::LoadWordLists({"/usr/share/dict/american-english-large"}, true, list, error)) {
      std::fprintf(stderr, "%s: pass a .qxm file\n", error.c_str());
      return 1;
    }
    std::vector<std::string>& words = list.words;
    auto counts = std::make_shared<std::unordered_map<std::string, double>>();
    tools::CountWordsIn("/usr/share/common-licenses", *counts, error);
    std::string image;
    tools::MainDictStats stats;
    tools::MainDictOptions options;
    if (!counts->empty()) options.wordWeight = tools::FrequencyWeight(counts);
    if (!tools::BuildMainDictionary(words, options, image, stats, error)) return 1;
    tempDict = (std::filesystem::temp_directory_path() / ("bench-" + std::to_string(getpid()) + ".qxm")).string();
    WriteFileAtomically(tempDict, image);
    dictPath = tempDict;
  }
  if (texts.empty()) {
    const char* dir = "/usr/share/games/fortunes/";
    for (const char* f : {"fortunes", "literature", "wisdom", "humorists", "people", "politics", "science", "work"})
      texts.push_back(std::string(dir) + f);
  }
  std::vector<std::string> ansi;
  for (const auto& t : texts) {
    std::string text;
    if (!ReadWholeFile(t, text)) continue;
    for (auto& w : Tokens(text)) ansi.push_back(std::move(w));
  }
  if (ansi.empty()) {
    std::fprintf(stderr, "no words to check\n");
    return 1;
  }
  std::vector<std::string> utf8;
  for (const auto& w : ansi) utf8.push_back(AnsiToUtf8(w));

  TMainDictionary ours;
  if (!ours.Open(dictPath)) {
    std::fprintf(stderr, "cannot open %s\n", dictPath.c_str());
    return 1;
  }
  Hunspell hunspell("/usr/share/hunspell/en_US.aff", "/usr/share/hunspell/en_US.dic");
  AspellConfig* config = new_aspell_config();
  aspell_config_replace(config, "lang", "en_US");
  aspell_config_replace(config, "encoding", "utf-8");
  AspellCanHaveError* made = new_aspell_speller(config);
  delete_aspell_config(config);
  if (aspell_error_number(made) != 0) {
    std::fprintf(stderr, "aspell: %s\n", aspell_error_message(made));
    return 1;
  }
  AspellSpeller* aspell = to_aspell_speller(made);

  std::printf("%zu words from %zu texts; dictionary %s (%u words)\n", ansi.size(), texts.size(), dictPath.c_str(),
              ours.WordCount());
  struct Engine {
    const char* name;
    double best = 0;
    size_t known = 0;
  };
  std::vector<Engine> engines = {{"ours (exact lookup)"}, {"Hunspell spell()"}, {"Aspell check()"}};
  auto oursCheck = [&](const std::string& w) { return ours.WordExists(w); };
  auto hunspellCheck = [&](const std::string& w) { return hunspell.spell(w); };
  auto aspellCheck = [&](const std::string& w) {
    return aspell_speller_check(aspell, w.c_str(), int(w.size())) == 1;
  };
  if (oursOnly) engines.resize(1);
  // The machine is shared: the engines take turns for several rounds and each
  // keeps its best pass, so a busy moment does not count against one of them.
  size_t sink = 0;
  auto run = [&](size_t i, size_t& counter) {
    if (i == 0) return Pass(ansi, oursCheck, counter);
    if (i == 1) return Pass(utf8, hunspellCheck, counter);
    return Pass(utf8, aspellCheck, counter);
  };
  for (size_t i = 0; i < engines.size(); ++i) run(i, engines[i].known);  // warm-up and known words
  auto start = std::chrono::steady_clock::now();
  for (int round = 0; round < 15 || std::chrono::steady_clock::now() - start < std::chrono::seconds(3); ++round)
    for (size_t i = 0; i < engines.size(); ++i) engines[i].best = std::max(engines[i].best, run(i, sink));
  for (const auto& e : engines)
    std::printf("%-22s %12.0f words/s  %6.1f ns/word  (%zu known)\n", e.name, e.best, 1e9 / e.best, e.known);
  if (engines.size() == 3) {
    std::printf("ratio ours/Hunspell   %12.2f\n", engines[0].best / engines[1].best);
    std::printf("ratio ours/Aspell     %12.2f   (goal: at least 5)\n", engines[0].best / engines[2].best);
  }
  if (sink == size_t(-1)) std::puts("");

  delete_aspell_speller(aspell);
  if (!tempDict.empty()) std::filesystem::remove(tempDict);
  return 0;
}
