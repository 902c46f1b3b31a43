// peer: hunspell -laspell
// Suggestion quality and speed on lists of real misspellings: the share of
// misspellings whose correct word comes first, in the top 5 and in the top 10,
// and misspellings per second; ours (american.qxm) beside Aspell's normal
// mode and Hunspell's (en_US) in the same run on the same words.
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

#include "common/AnsiText.h"
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

  // Ours: the program's settings (phonetic suggestions on, no limit on the count).
  auto ours = wx::tools::MakeSuggestionChecker(dict);
  const SuggestFn oursFn = [&](const std::string& w, std::vector<std::string>& out) {
    wx::TSuggestionList list;
    ours->Suggest(wx::Utf8ToAnsi(w), -1, list);
    for (size_t i = 0; i < list.size() && i < 10; ++i) out.push_back(wx::AnsiToUtf8(list[i].Word));
  };

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

  std::printf("dictionary: %s\n", dict.c_str());
  Score total[3];
  auto add = [](Score& t, const Score& s) {
    t.total += s.total;
    t.top1 += s.top1;
    t.top5 += s.top5;
    t.top10 += s.top10;
    t.seconds += s.seconds;
  };
  auto report = [&](const char* name, size_t count, const Score& o, const Score& a, const Score& h) {
    std::printf("\n%s: %zu misspellings\n", name, count);
    std::printf("  %-24s %8s %8s %8s %12s\n", "suggester", "top 1", "top 5", "top 10", "words/s");
    Print("wendrix (american.qxm)", o);
    if (aspell) Print("aspell normal (en_US)", a);
    Print("hunspell (en_US)", h);
    if (o.seconds > 0)
      std::printf("  speed: %.1fx aspell's, %.1fx hunspell's\n", aspell ? a.seconds / o.seconds : 0.0,
                  h.seconds / o.seconds);
  };
  for (auto& set : sets) {
    if (set.cases.empty()) continue;
    const Score o = Measure(set.cases, oursFn);
    const Score a = aspell ? Measure(set.cases, aspellFn) : Score{};
    const Score h = Measure(set.cases, hunspellFn);
    report(set.name, set.cases.size(), o, a, h);
    add(total[0], o);
    add(total[1], a);
    add(total[2], h);
  }
  report("both lists", total[0].total, total[0], total[1], total[2]);
  if (aspell) delete_aspell_speller(aspell);
  return 0;
}
