// peer: hunspell -laspell
// One language's figures on one text: a row of a table that compares our main
// dictionary with Hunspell's on the same words.
// - Agreement: the word tokens of the text as our word parser reads them
//   (words with digits, in capitals or of one letter left out: the default
//   options accept them by rule), checked by both; the share of tokens we flag
//   and Hunspell accepts, and the reverse.
// - Check speed: the same tokens per second of processor time, ours (the
//   program's checker), Hunspell's and Aspell's (when its dictionary for the
//   language is installed).
// - Suggestions: the most frequent words of the text that both accept (lower
//   case, four letters or more), each misspelled by one edit (a letter
//   deleted, inserted, replaced, or two swapped; a seeded generator, letters
//   from those of the words) into something both reject; the share whose
//   correct word comes first and anywhere, ours (ranked, the program's
//   default) beside Hunspell's.
//
// usage: bench-language_figures --dict FILE.qxm --hunspell BASE [--aspell LANG] --text FILE
//                               [--name NAME] [--words N] [--seed N] [--examples N]
//        bench-language_figures --header
// BASE is a Hunspell dictionary's path without .dic/.aff. --examples prints
// the tokens most often flagged by one and not the other (to stderr).
#include <aspell.h>
#include <hunspell/hunspell.hxx>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <ctime>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/AnsiText.h"
#include "spelling/ParsingEngine.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/StringParser.h"
#include "tools/lib/AnsiLine.h"

namespace {

double CpuSeconds() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

// The word tokens of the text (Windows-1252), as the checker's parser and
// ignore rules read them.
std::vector<std::string> Tokens(wx::TSpellCheckerBase& c, const std::string& text) {
  wx::TMainParsingEngine engine;
  engine.OnCharacter = [&c](uint8_t ch, wx::TControlParser& p) { return c.IgnoreRules().CharacterHook(ch, p); };
  engine.OnWord = [&c](const std::string& w, wx::TControlParser& p) { return c.IgnoreRules().WordHook(w, p); };
  engine.SetFrenchApostrophes((c.Language() & 0xFF) == 0x0C);
  std::vector<std::string> out;
  wx::tools::AnsiLine line;
  std::istringstream in(text);
  std::string raw, word;
  while (std::getline(in, raw)) {
    line.Assign(raw);
    if (c.IsLineIgnored(line.Text())) continue;
    wx::TStringParser parser(line.Text());
    parser.Initialize();
    engine.Start(&parser, wx::kModeWholeText);
    for (;;) {
      engine.GetNextWord(word);
      if (word.empty()) break;
      int x, y;
      parser.GetPosition(x, y);
      if (line.Foreign(x - 1 - int(word.size()), word.size())) continue;
      bool digit = false, lower = false;
      for (unsigned char ch : word) {
        digit = digit || wx::IsAnsiDigit(ch);
        lower = lower || wx::IsAnsiLower(ch);
      }
      if (word.size() < 2 || digit || !lower) continue;
      out.push_back(word);
    }
  }
  return out;
}

std::string Lower(const std::string& w) {
  std::string r = w;
  for (char& ch : r) ch = char(wx::AnsiLowerChar(uint8_t(ch)));
  return r;
}

struct Suggested {
  size_t first = 0, any = 0;
};

}  // namespace

int main(int argc, char** argv) {
  std::string dict, base, aspellLang, textPath, name;
  size_t wordsWanted = 300, examples = 0;
  unsigned seed = 26;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--header") {
      std::printf("| language | text tokens | we flag, Hunspell accepts | Hunspell flags, we accept | "
                  "check words/s: ours | Hunspell | Aspell | misspellings | first: ours | Hunspell | "
                  "anywhere: ours | Hunspell |\n");
      std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|\n");
      return 0;
    }
    if (i + 1 >= argc) break;
    const std::string v = argv[++i];
    if (a == "--dict") dict = v;
    else if (a == "--hunspell") base = v;
    else if (a == "--aspell") aspellLang = v;
    else if (a == "--text") textPath = v;
    else if (a == "--name") name = v;
    else if (a == "--words") wordsWanted = std::stoul(v);
    else if (a == "--seed") seed = unsigned(std::stoul(v));
    else if (a == "--examples") examples = std::stoul(v);
  }
  if (dict.empty() || base.empty() || textPath.empty()) {
    std::fprintf(stderr, "usage: bench-language_figures --dict FILE.qxm --hunspell BASE [--aspell LANG] --text FILE "
                         "[--name NAME] [--words N] [--seed N] [--examples N]\n");
    return 2;
  }
  std::ifstream in(textPath, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string text = buffer.str();

  // The checker as the command-line tool makes it: this dictionary alone,
  // nothing read from a settings store or a dictionary folder.
  wx::TSpellConfigSettings settings;
  settings.ConfigStorage = wx::TConfigStorage::csNone;
  settings.ConfigDictionaryDir.clear();
  settings.ConfigUseMSWordCustom = false;
  settings.ConfigDefaultMain = {std::filesystem::absolute(dict).string()};
  settings.ConfigDefaultCustom.clear();
  settings.ConfigDefaultActiveCustom.clear();
  auto checker = std::make_unique<wx::TSpellCheckerBase>(settings);
  checker->SetKeepDictionariesActive(true);
  checker->SetSuggestionsLearning(false);
  checker->OpenDictionaries();
  Hunspell hunspell((base + ".aff").c_str(), (base + ".dic").c_str());
  AspellSpeller* aspell = nullptr;
  if (!aspellLang.empty()) {
    AspellConfig* config = new_aspell_config();
    aspell_config_replace(config, "lang", aspellLang.c_str());
    aspell_config_replace(config, "encoding", "utf-8");
    AspellCanHaveError* made = new_aspell_speller(config);
    delete_aspell_config(config);
    if (aspell_error_number(made) == 0) aspell = to_aspell_speller(made);
    else delete_aspell_can_have_error(made);
  }

  const std::vector<std::string> tokens = Tokens(*checker, text);
  std::vector<std::string> utf8(tokens.size());
  for (size_t i = 0; i < tokens.size(); ++i) utf8[i] = wx::AnsiToUtf8(tokens[i]);

  // Agreement and speed (each checker's verdicts over all tokens, timed).
  std::vector<char> ours(tokens.size()), theirs(tokens.size());
  double t0 = CpuSeconds();
  for (size_t i = 0; i < tokens.size(); ++i) ours[i] = checker->CheckWord(tokens[i]);
  const double oursSeconds = CpuSeconds() - t0;
  t0 = CpuSeconds();
  for (size_t i = 0; i < tokens.size(); ++i) theirs[i] = hunspell.spell(utf8[i]);
  const double hunspellSeconds = CpuSeconds() - t0;
  double aspellSeconds = 0;
  if (aspell) {
    size_t accepted = 0;
    t0 = CpuSeconds();
    for (const auto& w : utf8) accepted += aspell_speller_check(aspell, w.c_str(), int(w.size())) == 1;
    aspellSeconds = CpuSeconds() - t0;
    if (accepted == 0) aspellSeconds = 0;
  }
  size_t onlyOurs = 0, onlyTheirs = 0;
  std::unordered_map<std::string, size_t> oursMiss, theirsMiss, counts;
  for (size_t i = 0; i < tokens.size(); ++i) {
    if (!ours[i] && theirs[i]) {
      ++onlyOurs;
      ++oursMiss[utf8[i]];
    }
    if (ours[i] && !theirs[i]) {
      ++onlyTheirs;
      ++theirsMiss[utf8[i]];
    }
    if (ours[i] && theirs[i] && tokens[i].size() >= 4 && Lower(tokens[i]) == tokens[i]) ++counts[tokens[i]];
  }
  auto top = [&](const std::unordered_map<std::string, size_t>& m, const char* what) {
    std::vector<std::pair<size_t, std::string>> v;
    for (const auto& [w, n] : m) v.push_back({n, w});
    std::sort(v.begin(), v.end(), [](auto& a, auto& b) { return a.first > b.first || (a.first == b.first && a.second < b.second); });
    std::fprintf(stderr, "%s, %s:", name.c_str(), what);
    for (size_t i = 0; i < v.size() && i < examples; ++i) std::fprintf(stderr, " %s(%zu)", v[i].second.c_str(), v[i].first);
    std::fprintf(stderr, "\n");
  };
  if (examples) {
    top(oursMiss, "we flag, Hunspell accepts");
    top(theirsMiss, "Hunspell flags, we accept");
  }

  // Misspellings of the most frequent words.
  std::vector<std::pair<size_t, std::string>> frequent;
  for (const auto& [w, n] : counts) frequent.push_back({n, w});
  std::sort(frequent.begin(), frequent.end(),
            [](auto& a, auto& b) { return a.first > b.first || (a.first == b.first && a.second < b.second); });
  if (frequent.size() > wordsWanted) frequent.resize(wordsWanted);
  std::string alphabet;
  for (const auto& [n, w] : frequent)
    for (char ch : w)
      if (alphabet.find(ch) == std::string::npos) alphabet += ch;
  std::sort(alphabet.begin(), alphabet.end());
  std::mt19937 random(seed);
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); };
  std::vector<std::pair<std::string, std::string>> cases;  // misspelling, correct (Windows-1252)
  for (const auto& [n, w] : frequent) {
    for (int attempt = 0; attempt < 20; ++attempt) {
      std::string m = w;
      switch (pick(4)) {
        case 0: m.erase(pick(m.size()), 1); break;
        case 1: m.insert(m.begin() + long(pick(m.size() + 1)), alphabet[pick(alphabet.size())]); break;
        case 2: m[pick(m.size())] = alphabet[pick(alphabet.size())]; break;
        default: {
          const size_t p = pick(m.size() - 1);
          std::swap(m[p], m[p + 1]);
        }
      }
      if (m == w || checker->CheckWord(m) || hunspell.spell(wx::AnsiToUtf8(m))) continue;
      cases.push_back({m, w});
      break;
    }
  }
  Suggested oursSuggested, theirsSuggested;
  for (const auto& [m, w] : cases) {
    wx::TSuggestionList list;
    checker->Suggest(m, -1, list);
    for (size_t k = 0; k < list.size(); ++k)
      if (list[k].Word == w) {
        oursSuggested.first += k == 0;
        ++oursSuggested.any;
        break;
      }
    const std::vector<std::string> s = hunspell.suggest(wx::AnsiToUtf8(m));
    const std::string right = wx::AnsiToUtf8(w);
    for (size_t k = 0; k < s.size(); ++k)
      if (s[k] == right) {
        theirsSuggested.first += k == 0;
        ++theirsSuggested.any;
        break;
      }
  }

  auto pct = [](size_t n, size_t of) { return of ? 100.0 * double(n) / double(of) : 0.0; };
  auto rate = [&](double seconds) {
    char b[32];
    if (seconds <= 0) return std::string("-");
    std::snprintf(b, sizeof b, "%.0f k", double(tokens.size()) / seconds / 1000.0);
    return std::string(b);
  };
  std::printf("| %s | %zu | %.2f%% | %.2f%% | %s | %s | %s | %zu | %.1f%% | %.1f%% | %.1f%% | %.1f%% |\n", name.c_str(),
              tokens.size(), pct(onlyOurs, tokens.size()), pct(onlyTheirs, tokens.size()), rate(oursSeconds).c_str(),
              rate(hunspellSeconds).c_str(), rate(aspellSeconds).c_str(), cases.size(),
              pct(oursSuggested.first, cases.size()), pct(theirsSuggested.first, cases.size()),
              pct(oursSuggested.any, cases.size()), pct(theirsSuggested.any, cases.size()));
  if (aspell) delete_aspell_speller(aspell);
  return 0;
}
