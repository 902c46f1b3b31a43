// peer: hunspell -laspell
// Suggestion quality and speed on lists of real misspellings: the share of
// misspellings whose correct word comes first, in the top 5 and in the top 10,
// and misspellings per second; ours (american.qxm) beside Aspell's normal
// mode and Hunspell's (en_US) in the same run on the same words. Ours is
// measured twice: with the dictionary's lookup index and with the same
// dictionary without it (the tree walk alone). Last, what a user waits for
// once: the first suggestion after the dictionary is opened (the index's
// checksum is computed then), and the first after it is activated again (the
// program releases its dictionaries after every check).
//
// usage: bench-spell_suggest [--dict american.qxm] [--data DIR] [--misses N]
#include <aspell.h>
#include <hunspell/hunspell.hxx>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "spelling/MainDictionary.h"
#include "spelling/SpellCheckerBase.h"
#include "tools/lib/Misspellings.h"
#include "tools/lib/SuggestionGolden.h"

namespace fs = std::filesystem;

namespace {

using Case = wx::tools::Misspelling;

struct Score {
  size_t total = 0, top1 = 0, top5 = 0, top10 = 0;
  double seconds = 0;
};

using SuggestFn = std::function<void(const std::string& word, std::vector<std::string>& out)>;

Score Measure(const std::vector<Case>& cases, const SuggestFn& suggest) {
  Score s;
  std::vector<std::vector<std::string>> results(cases.size());
  const auto t0 = std::chrono::steady_clock::now();
  for (size_t i = 0; i < cases.size(); ++i) suggest(cases[i].wrong, results[i]);
  s.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  for (size_t i = 0; i < cases.size(); ++i) {
    ++s.total;
    const auto& r = results[i];
    for (size_t k = 0; k < r.size() && k < 10; ++k) {
      bool hit = false;
      for (const auto& right : cases[i].right) hit = hit || r[k] == right;
      if (!hit) continue;
      if (k == 0) ++s.top1;
      if (k < 5) ++s.top5;
      ++s.top10;
      break;
    }
  }
  return s;
}

void Print(const char* name, const Score& s) {
  auto pct = [&](size_t n) { return s.total ? 100.0 * n / s.total : 0.0; };
  std::printf("  %-24s %7.1f%% %7.1f%% %7.1f%% %12.0f\n", name, pct(s.top1), pct(s.top5), pct(s.top10),
              s.seconds > 0 ? s.total / s.seconds : 0.0);
}

fs::path ExeDir() {
  std::error_code ec;
  auto p = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::path(".") : p.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  std::string dict, data = wx::tools::kMisspellingsDir;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!std::strcmp(argv[i], "--dict")) dict = argv[i + 1];
    if (!std::strcmp(argv[i], "--data")) data = argv[i + 1];
  }
  if (dict.empty()) {
    for (const fs::path p : {ExeDir() / "../../windows/american.qxm", ExeDir() / "../../../build/data/american.qxm",
                             ExeDir() / "../data/american.qxm", fs::path("build/data/american.qxm")})
      if (fs::exists(p)) {
        dict = p.string();
        break;
      }
  }
  if (dict.empty() || !fs::exists(dict)) {
    std::fprintf(stderr, "american.qxm not found (build it with scripts/build-data.sh or pass --dict)\n");
    return 1;
  }

  // The same dictionary without its lookup index.
  uint64_t treeSize = 0;
  bool indexed = false;
  {
    wx::TMainDictionary d;
    if (d.Open(dict)) {
      d.SetActive(true);
      treeSize = d.TreeSize();
      indexed = d.HasIndex();
    }
  }
  const fs::path walkDict = fs::temp_directory_path() / ("bench-walk-" + std::to_string(::getpid()) + ".qxm");
  {
    std::string bytes;
    if (treeSize == 0 || !wx::ReadWholeFile(dict, bytes) || !wx::WriteFileAtomically(walkDict.string(), bytes.substr(0, size_t(treeSize)))) {
      std::fprintf(stderr, "cannot read %s\n", dict.c_str());
      return 1;
    }
  }

  // Ours: the program's settings (phonetic suggestions on, no limit on the count).
  auto makeFn = [](wx::TSpellCheckerBase& checker) -> SuggestFn {
    return [&checker](const std::string& w, std::vector<std::string>& out) {
      wx::TSuggestionList list;
      checker.Suggest(wx::Utf8ToAnsi(w), -1, list);
      for (size_t i = 0; i < list.size() && i < 10; ++i) out.push_back(wx::AnsiToUtf8(list[i].Word));
    };
  };
  // The first suggestion after opening, and after activating again.
  auto firstCosts = [](const std::string& path, double& opening, double& again) {
    using clock = std::chrono::steady_clock;
    const auto t0 = clock::now();
    auto checker = wx::tools::MakeSuggestionChecker(path);
    wx::TSuggestionList list;
    checker->Suggest("recieve", -1, list);
    opening = std::chrono::duration<double, std::milli>(clock::now() - t0).count();
    constexpr int kRounds = 200;
    const auto t1 = clock::now();
    for (int i = 0; i < kRounds; ++i) {
      checker->DeactivateDictionaries();
      checker->Suggest("recieve", -1, list);
    }
    again = std::chrono::duration<double, std::milli>(clock::now() - t1).count() / kRounds;
  };
  double openIndexed, againIndexed, openWalk, againWalk;
  firstCosts(dict, openIndexed, againIndexed);
  firstCosts(walkDict.string(), openWalk, againWalk);
  auto ours = wx::tools::MakeSuggestionChecker(dict);
  auto oursWalk = wx::tools::MakeSuggestionChecker(walkDict.string());
  const SuggestFn oursFn = makeFn(*ours), oursWalkFn = makeFn(*oursWalk);

  AspellConfig* config = new_aspell_config();
  aspell_config_replace(config, "lang", "en_US");
  aspell_config_replace(config, "sug-mode", "normal");
  aspell_config_replace(config, "encoding", "utf-8");
  AspellCanHaveError* made = new_aspell_speller(config);
  delete_aspell_config(config);
  AspellSpeller* aspell = aspell_error_number(made) ? nullptr : to_aspell_speller(made);
  const SuggestFn aspellFn = [&](const std::string& w, std::vector<std::string>& out) {
    const AspellWordList* list = aspell_speller_suggest(aspell, w.c_str(), -1);
    AspellStringEnumeration* e = aspell_word_list_elements(list);
    while (const char* s = aspell_string_enumeration_next(e)) out.push_back(s);
    delete_aspell_string_enumeration(e);
  };

  Hunspell hunspell("/usr/share/hunspell/en_US.aff", "/usr/share/hunspell/en_US.dic");
  const SuggestFn hunspellFn = [&](const std::string& w, std::vector<std::string>& out) { out = hunspell.suggest(w); };

  struct Set {
    const char* name;
    std::vector<Case> cases;
  } sets[] = {{"wikipedia-common.tab", wx::tools::LoadMisspellingTab(data + "/" + wx::tools::kMisspellingsTab)},
              {"norvig-testset1.txt", wx::tools::LoadMisspellingNorvig(data + "/" + wx::tools::kMisspellingsNorvig)}};

  std::printf("dictionary: %s (%s)\n", dict.c_str(), indexed ? "with its lookup index" : "NO lookup index");
  Score total[4];
  auto add = [](Score& t, const Score& s) {
    t.total += s.total;
    t.top1 += s.top1;
    t.top5 += s.top5;
    t.top10 += s.top10;
    t.seconds += s.seconds;
  };
  auto report = [&](const char* name, size_t count, const Score& o, const Score& w, const Score& a,
                    const Score& h) {
    std::printf("\n%s: %zu misspellings\n", name, count);
    std::printf("  %-24s %8s %8s %8s %12s\n", "suggester", "top 1", "top 5", "top 10", "words/s");
    Print("wendrix (american.qxm)", o);
    Print("wendrix, tree walk only", w);
    if (aspell) Print("aspell normal (en_US)", a);
    Print("hunspell (en_US)", h);
    if (o.seconds > 0 && w.seconds > 0)
      std::printf("  speed: %.1fx aspell's, %.1fx hunspell's; the tree walk alone %.1fx aspell's\n",
                  aspell ? a.seconds / o.seconds : 0.0, h.seconds / o.seconds, aspell ? a.seconds / w.seconds : 0.0);
  };
  for (auto& set : sets) {
    if (set.cases.empty()) continue;
    const Score o = Measure(set.cases, oursFn);
    const Score w = Measure(set.cases, oursWalkFn);
    const Score a = aspell ? Measure(set.cases, aspellFn) : Score{};
    const Score h = Measure(set.cases, hunspellFn);
    report(set.name, set.cases.size(), o, w, a, h);
    add(total[0], o);
    add(total[1], w);
    add(total[2], a);
    add(total[3], h);
  }
  report("both lists", total[0].total, total[0], total[1], total[2], total[3]);
  std::printf("\nfirst suggestion after opening the dictionary: %.2f ms (tree walk only %.2f ms)\n", openIndexed,
              openWalk);
  std::printf("first suggestion after activating it again: %.3f ms (tree walk only %.3f ms)\n", againIndexed,
              againWalk);
  std::error_code ec;
  fs::remove(walkDict, ec);
  if (aspell) delete_aspell_speller(aspell);
  return 0;
}
