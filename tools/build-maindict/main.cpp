// build-maindict: compiles word lists into a main dictionary (.qxm).
//
//   build-maindict [--title TEXT] [--language ID] [--frequency TEXT]... [--rank-text TEXT]...
//                  [--common LIST]... [--no-index] [--stem-elisions-only] [--max-growth N]
//                  LIST... OUTFILE
//   build-maindict --measure LIST... --prose FILE... [--misspellings FILE] [--top N]
//
// A LIST is a UTF-8 word list, one word per line, or a Hunspell .dic file
// (expanded with the .aff beside it; --stem-elisions-only joins prefixes with
// an apostrophe to the stems only; --max-growth N leaves out forms more than N
// characters longer than their stem; see HunspellWordList.h). Words are stored
// in Windows-1252; words with other characters are skipped. A word the spell
// checker's word parser reads as several (at a hyphen; in French, primary
// language 0x0C, at an apostrophe) is stored as its parts. For an English
// dictionary a word ending
// in "'s" whose stem is also listed is left out: the spell checker accepts
// possessives of English words by rule.
//
// --frequency names English text (a file or a folder of files) in which the
// words are counted: the tree stores the children of every node in the order
// of the lookups expected through them, so that common words are found with
// few steps. Words the text lacks weigh by their length (short ones first).
//
// With --rank-text or --common, the file also carries word ranks (after the
// lookup index): how common each word is, from its count in the text (that of
// --frequency and --rank-text; --rank-text counts for the ranks only and
// leaves the tree as --frequency orders it) and from how many of the --common
// lists (word lists of common words, smallest first) hold it. Ranked
// suggestions prefer common words.
//
// The file ends with a lookup index (a word filter and the words' sound-alike
// codes) that makes suggestions fast; --no-index leaves it out, and the
// checker then walks the tree for everything.
//
// --measure compares word lists for the default dictionary: for each list it
// counts the words of the prose files a spell check would flag (one-letter
// words, words in capitals and words with digits are skipped as the default
// options do), and, with --misspellings (lines "misspelling<TAB>correct"),
// how many known misspellings the list would accept as words.
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "spelling/MainDictionary.h"
#include "spelling/MainDictionaryList.h"
#include "tools/lib/MainDictIndexWriter.h"
#include "tools/lib/MainDictWriter.h"
#include "tools/lib/Progress.h"
#include "tools/lib/WordList.h"
#include "tools/lib/WordRankWriter.h"

namespace {

using namespace wx;

using ListWords = tools::WordListWords;
using tools::ReadLines;

bool LoadList(const std::vector<std::string>& paths, bool english, ListWords& list) {
  std::string error;
  if (tools::LoadWordLists(paths, english, list, error)) return true;
  std::fprintf(stderr, "build-maindict: %s\n", error.c_str());
  return false;
}

struct RankSources {
  std::shared_ptr<const std::unordered_map<std::string, double>> counts;
  std::vector<std::unordered_set<std::string>> lists;
  bool wanted = false;  // --rank-text or --common given
  bool Any() const { return wanted; }
};

int Build(const std::vector<std::string>& inputs, const std::string& outFile, tools::MainDictOptions opt,
          bool index, const RankSources& rankSources, const tools::HunspellOptions& hunspell) {
  auto start = std::chrono::steady_clock::now();
  ListWords list;
  {
    tools::Progress progress("reading word lists");
    tools::WordListOptions listOptions;
    listOptions.english = (opt.language & 0xFF) == 9;
    listOptions.frenchApostrophes = (opt.language & 0xFF) == 0x0C;
    listOptions.hunspell = hunspell;
    std::string error;
    if (!tools::LoadWordLists(inputs, listOptions, list, error)) {
      std::fprintf(stderr, "build-maindict: %s\n", error.c_str());
      return 1;
    }
  }
  const tools::HunspellExpansion expansion = list.expansion;
  const size_t listed = list.words.size();
  std::string image, error;
  tools::MainDictStats stats;
  std::unique_ptr<tools::Progress> progress;
  std::string stage;
  opt.progress = [&](const char* name, size_t done, size_t total) {
    if (stage != name) {
      progress.reset();
      stage = name;
      progress = std::make_unique<tools::Progress>(name);
    }
    progress->Update(done, total);
  };
  bool ok = tools::BuildMainDictionary(std::move(list.words), opt, image, stats, error);
  progress.reset();
  if (!ok) {
    std::fprintf(stderr, "build-maindict: %s\n", error.c_str());
    return 1;
  }
  if (!WriteFileAtomically(outFile, image)) {
    std::fprintf(stderr, "build-maindict: cannot write %s\n", outFile.c_str());
    return 1;
  }
  tools::MainDictIndexStats indexStats;
  if (index) {
    tools::Progress indexing("indexing");
    if (!tools::AddLookupIndex(outFile, indexStats, error)) {
      std::fprintf(stderr, "build-maindict: %s\n", error.c_str());
      return 1;
    }
  }
  size_t rankBytes = 0, ranked = 0;
  if (index && rankSources.Any()) {
    tools::Progress ranking("ranking words");
    std::vector<std::pair<std::string, uint8_t>> ranks;
    TMainDictionary dict;
    static const std::unordered_map<std::string, double> kNoCounts;
    const auto& counts = rankSources.counts ? *rankSources.counts : kNoCounts;
    if (dict.Open(outFile))
      dict.ForEachWord([&](std::string_view w) {
        const uint8_t r = tools::WordRankOf(w, counts, rankSources.lists);
        if (r != 0) ranks.push_back({std::string(w), r});
      });
    ranked = ranks.size();
    if (!tools::AddWordRanks(outFile, ranks, rankBytes, error)) {
      std::fprintf(stderr, "build-maindict: %s\n", error.c_str());
      return 1;
    }
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%s: %zu words (%zu lines read, %zu skipped outside Windows-1252, %zu possessives left to the rule)\n",
              outFile.c_str(), stats.words, list.read, list.unrepresentable, list.possessives);
  if (expansion.stems)
    std::printf("  Hunspell dictionary (%s): %zu stems read, expanded to %zu forms; left out: %zu forbidden stems, "
                "%zu compound-only stems, %zu compound-only affixed forms (compounds themselves are not generated); "
                "%zu stems valid only with an affix; %zu elided forms of affixed words not generated; "
                "%zu forms longer than their stem by more than %zu characters\n",
                expansion.encoding.c_str(), expansion.stems, expansion.forms, expansion.forbidden,
                expansion.compoundOnlyStems, expansion.compoundOnlyForms, expansion.needAffix,
                expansion.elisionsLeftOut, expansion.grownTooLong, hunspell.maxGrowth);
  if (list.split)
    std::printf("  %zu words stored as the parts the word parser reads (at hyphens%s)\n", list.split,
                (opt.language & 0xFF) == 0x0C ? " and apostrophes" : "");
  std::printf("  %zu distinct words kept, %zu stored\n", listed, stats.words);
  std::printf("  nodes %zu (letter tree %zu; %u with runs), linkage %zu bytes, file %zu bytes, built in %.2f s\n",
              stats.nodes, stats.treeNodes, stats.nodesWithRuns, stats.linkageBytes, stats.fileBytes, seconds);
  if (index)
    std::printf("  lookup index %zu bytes: filter %zu bytes over %zu words; %zu phonetic rule sets, %zu prefixes, "
                "%zu codes\n",
                indexStats.indexBytes, indexStats.filterBytes, indexStats.words, indexStats.ruleSets,
                indexStats.groups, indexStats.codes);
  if (rankBytes) std::printf("  word ranks %zu bytes for %zu words\n", rankBytes, ranked);
  return 0;
}

// Words of prose as the spell checker meets them: letters with inner apostrophes.
void Tokenize(const std::string& utf8, std::unordered_map<std::string, size_t>& counts) {
  std::u16string text = Utf8ToUtf16(utf8);
  std::string word;
  auto flush = [&] {
    while (!word.empty() && word.back() == '\'') word.pop_back();
    size_t lead = word.find_first_not_of('\'');
    if (lead != std::string::npos && !word.empty()) ++counts[word.substr(lead)];
    word.clear();
  };
  for (char16_t u : text) {
    if (u == 0x2019) u = '\'';
    uint8_t c;
    if (UnicodeCharToAnsi(u, c) && (IsAnsiAlpha(c) || IsAnsiDigit(c) || (c == '\'' && !word.empty()))) {
      word.push_back(char(c));
    } else {
      flush();
    }
  }
  flush();
}

bool Accepted(TMainDictionaryList& dicts, const std::string& w) {
  if (w.size() <= 1) return true;
  bool upper = true, digit = false;
  for (unsigned char c : w) {
    if (IsAnsiLower(c)) upper = false;
    if (IsAnsiDigit(c)) digit = true;
  }
  if (upper || digit) return true;  // the capitals and numbers rules
  if (dicts.WordExists(w)) return true;
  auto lowerFirst = [](std::string_view s) {
    std::string r(s);
    r[0] = char(AnsiLowerChar(uint8_t(r[0])));
    return r;
  };
  std::string lower = lowerFirst(w);
  if (lower != w && dicts.WordExists(lower)) return true;
  return dicts.IsPossessive(w, lowerFirst);
}

int Measure(const std::vector<std::string>& lists, const std::vector<std::string>& prose,
            const std::string& misspellings, size_t top) {
  std::unordered_map<std::string, size_t> counts;
  for (const auto& p : prose) {
    std::string text;
    if (!ReadWholeFile(p, text)) {
      std::fprintf(stderr, "build-maindict: cannot read %s\n", p.c_str());
      return 1;
    }
    // Fortune files separate their entries with lines holding "%".
    Tokenize(text, counts);
  }
  size_t tokens = 0;
  for (const auto& [w, n] : counts) tokens += n;
  std::vector<std::string> wrong, right;
  if (!misspellings.empty()) {
    std::vector<std::string> lines;
    ReadLines(misspellings, lines);
    for (const auto& l : lines) {
      size_t tab = l.find('\t');
      std::string a, b;
      if (tab == std::string::npos) continue;
      if (UnicodeToAnsi(Utf8ToUtf16(l.substr(0, tab)), a)) wrong.push_back(a);
      if (UnicodeToAnsi(Utf8ToUtf16(l.substr(tab + 1)), b)) right.push_back(b);
    }
  }
  std::printf("prose: %zu files, %zu words, %zu distinct\n\n", prose.size(), tokens, counts.size());
  std::printf("| word list | words stored | flagged in prose (occurrences) | flagged distinct | misspellings accepted | their corrections known |\n");
  std::printf("|---|---|---|---|---|---|\n");
  auto tmp = std::filesystem::temp_directory_path() / ("measure-" + std::to_string(::getpid()) + ".qxm");
  for (const auto& list : lists) {
    ListWords words;
    if (!LoadList({list}, true, words)) return 1;
    std::string image, error;
    tools::MainDictStats stats;
    if (!tools::BuildMainDictionary(std::move(words.words), {}, image, stats, error) ||
        !WriteFileAtomically(tmp.string(), image)) {
      std::fprintf(stderr, "build-maindict: %s: %s\n", list.c_str(), error.c_str());
      return 1;
    }
    TMainDictionaryList dicts;
    auto d = std::make_unique<TMainDictionary>();
    d->Open(tmp.string());
    dicts.Add(std::move(d));
    size_t flagged = 0, flaggedDistinct = 0;
    std::vector<std::pair<size_t, std::string>> worst;
    for (const auto& [w, n] : counts)
      if (!Accepted(dicts, w)) {
        flagged += n;
        ++flaggedDistinct;
        worst.emplace_back(n, w);
      }
    size_t accepted = 0, known = 0;
    for (const auto& w : wrong)
      if (Accepted(dicts, w)) ++accepted;
    for (const auto& w : right)
      if (Accepted(dicts, w)) ++known;
    std::printf("| %s | %zu | %zu (%.2f%%) | %zu | %zu of %zu | %zu of %zu |\n", list.c_str(), stats.words, flagged,
                tokens ? 100.0 * double(flagged) / double(tokens) : 0.0, flaggedDistinct, accepted, wrong.size(),
                known, right.size());
    if (top) {
      std::sort(worst.begin(), worst.end(), [](auto& a, auto& b) { return a.first > b.first || (a.first == b.first && a.second < b.second); });
      std::printf("    most flagged:");
      for (size_t i = 0; i < worst.size() && i < top; ++i)
        std::printf(" %s(%zu)", AnsiToUtf8(worst[i].second).c_str(), worst[i].first);
      std::printf("\n");
    }
  }
  std::filesystem::remove(tmp);
  return 0;
}

// A whole unsigned number (decimal, or with base 0: 0x hexadecimal too);
// false for anything else, signs, or a value above 32 bits.
bool ParseNumber(const std::string& text, int base, uint32_t& value) {
  if (text.empty() || !std::isxdigit(static_cast<unsigned char>(text[0]))) return false;
  errno = 0;
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text.c_str(), &end, base);
  if (errno != 0 || *end != '\0' || v > 0xFFFFFFFFull) return false;
  value = uint32_t(v);
  return true;
}

int BadArgument(const char* option, const std::string& text) {
  std::fprintf(stderr, "build-maindict: %s needs a number, not \"%s\"\n", option, text.c_str());
  return 2;
}

int Usage() {
  std::fprintf(stderr,
               "usage: build-maindict [--title TEXT] [--language ID] [--frequency TEXT]... [--rank-text TEXT]...\n"
               "                      [--common LIST]... [--no-index] [--stem-elisions-only] [--max-growth N]\n"
               "                      LIST... OUTFILE\n"
               "       build-maindict --measure LIST... --prose FILE... [--misspellings FILE] [--top N]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "--measure") {
    std::vector<std::string> lists, prose;
    std::string misspellings;
    size_t top = 0;
    std::vector<std::string>* into = &lists;
    for (size_t i = 1; i < args.size(); ++i) {
      if (args[i] == "--prose") {
        into = &prose;
      } else if (args[i] == "--misspellings" && i + 1 < args.size()) {
        misspellings = args[++i];
      } else if (args[i] == "--top" && i + 1 < args.size()) {
        uint32_t n;
        if (!ParseNumber(args[++i], 10, n)) return BadArgument("--top", args[i]);
        top = n;
      } else {
        into->push_back(args[i]);
      }
    }
    if (lists.empty() || prose.empty()) return Usage();
    return Measure(lists, prose, misspellings, top);
  }
  tools::MainDictOptions opt;
  std::vector<std::string> files;
  auto frequency = std::make_shared<std::unordered_map<std::string, double>>();
  bool index = true;
  tools::HunspellOptions hunspell;
  RankSources rankSources;
  auto rankCounts = std::make_shared<std::unordered_map<std::string, double>>();
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--no-index") {
      index = false;
    } else if (args[i] == "--stem-elisions-only") {
      hunspell.elisionsOnSuffixedForms = false;
    } else if (args[i] == "--max-growth" && i + 1 < args.size()) {
      uint32_t n;
      if (!ParseNumber(args[++i], 10, n)) return BadArgument("--max-growth", args[i]);
      hunspell.maxGrowth = n;
    } else if (args[i] == "--frequency" && i + 1 < args.size()) {
      std::string error;
      if (!tools::CountWordsIn(args[++i], *frequency, error)) {
        std::fprintf(stderr, "build-maindict: %s\n", error.c_str());
        return 1;
      }
    } else if (args[i] == "--rank-text" && i + 1 < args.size()) {
      std::string error;
      if (!tools::CountWordsIn(args[++i], *rankCounts, error)) {
        std::fprintf(stderr, "build-maindict: %s\n", error.c_str());
        return 1;
      }
      rankSources.wanted = true;
    } else if (args[i] == "--common" && i + 1 < args.size()) {
      rankSources.wanted = true;
      ListWords common;
      if (!LoadList({args[++i]}, false, common)) return 1;
      rankSources.lists.emplace_back(common.words.begin(), common.words.end());
    } else if (args[i] == "--title" && i + 1 < args.size()) {
      opt.title = args[++i];
    } else if (args[i] == "--language" && i + 1 < args.size()) {
      if (!ParseNumber(args[++i], 0, opt.language)) return BadArgument("--language", args[i]);
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() < 2) return Usage();
  std::string out = files.back();
  files.pop_back();
  if (!frequency->empty()) opt.wordWeight = tools::FrequencyWeight(frequency);
  for (const auto& [word, count] : *frequency) (*rankCounts)[word] += count;
  rankSources.counts = rankCounts;
  return Build(files, out, opt, index, rankSources, hunspell);
}
