// suggest-golden: writes the golden suggestion lists (see
// tools/lib/SuggestionGolden.h) for the development misspellings.
//
//   suggest-golden [--dict american.qxm] [--data DIR] OUTFILE
//
// Each misspelling appears once, in the order of the lists.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "tools/lib/Misspellings.h"
#include "tools/lib/SuggestionGolden.h"

int main(int argc, char** argv) {
  std::string dict = "build/data/american.qxm", data = wx::tools::kMisspellingsDir, out;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--dict") && i + 1 < argc)
      dict = argv[++i];
    else if (!std::strcmp(argv[i], "--data") && i + 1 < argc)
      data = argv[++i];
    else if (argv[i][0] == '-' || !out.empty()) {
      std::fprintf(stderr, "usage: suggest-golden [--dict american.qxm] [--data DIR] OUTFILE\n");
      return 2;
    } else {
      out = argv[i];
    }
  }
  if (out.empty()) {
    std::fprintf(stderr, "usage: suggest-golden [--dict american.qxm] [--data DIR] OUTFILE\n");
    return 2;
  }
  const std::string dictLine = wx::tools::GoldenDictionaryLine(dict);
  if (dictLine.empty()) {
    std::fprintf(stderr, "suggest-golden: cannot read %s\n", dict.c_str());
    return 1;
  }
  std::vector<std::string> words;
  std::set<std::string> seen;
  for (const auto& list : {wx::tools::LoadMisspellingTab(data + "/" + wx::tools::kMisspellingsTab),
                           wx::tools::LoadMisspellingNorvig(data + "/" + wx::tools::kMisspellingsNorvig)})
    for (const auto& m : list)
      if (seen.insert(m.wrong).second) words.push_back(m.wrong);
  if (words.empty()) {
    std::fprintf(stderr, "suggest-golden: no misspellings in %s\n", data.c_str());
    return 1;
  }
  auto checker = wx::tools::MakeSuggestionChecker(dict);
  std::ofstream file(out, std::ios::binary | std::ios::trunc);
  file << "# suggestion lists for the development misspellings (suggest-golden)\n" << dictLine << '\n';
  for (const auto& w : words) file << wx::tools::GoldenLine(*checker, w) << '\n';
  file.close();
  if (!file) {
    std::fprintf(stderr, "suggest-golden: cannot write %s\n", out.c_str());
    return 1;
  }
  std::printf("%zu words written to %s\n", words.size(), out.c_str());
  return 0;
}
