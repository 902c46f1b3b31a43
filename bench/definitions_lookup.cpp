// peer: -lwordnet
// Definitions lookup speed: our SearchWord (all parts of speech, base forms
// of inflected words, meanings decoded) beside WordNet's own C library
// (findtheinfo_ds for every part of speech on the word and on each base form
// its morphology finds) over the same words, one run.
//
//   bench-definitions_lookup [Definitions.ydd] [WORDNET_DIR]
#include <wn.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "definitions/DefinitionsDatabase.h"
#include "tools/lib/WordNet.h"
#include "tools/lib/WordSample.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

uint64_t DirSize(const std::string& dir) {
  uint64_t total = 0;
  std::error_code ec;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir, ec))
    if (e.is_regular_file(ec)) total += e.file_size(ec);
  return total;
}

}  // namespace

int main(int argc, char** argv) {
  std::string file = argc > 1 ? argv[1] : "build/data/Definitions.ydd";
  std::string wnDir = argc > 2 ? argv[2] : "/usr/share/wordnet";
  wx::tools::WordNet wordnet;
  wordnet.Load(wnDir, false);
  std::vector<std::string> words = wx::tools::SampleWords(wordnet, 4000, 1000);
  const int rounds = 3;

  // Ours.
  wx::TDefinitionsDatabase db;
  db.SetDatabaseFile(file);
  db.SearchWord("");  // loads the index
  size_t ourSenses = 0;
  auto t0 = std::chrono::steady_clock::now();
  for (int r = 0; r < rounds; ++r)
    for (const auto& w : words) {
      db.SearchWord(w);
      ourSenses += size_t(db.Lookup().SenseCount());
    }
  double ours = Seconds(t0);
  // Ours with the database kept open by the caller (no mapping per search).
  db.OpenDatabase();
  t0 = std::chrono::steady_clock::now();
  for (int r = 0; r < rounds; ++r)
    for (const auto& w : words) db.SearchWord(w);
  double oursOpen = Seconds(t0);
  db.CloseDatabase();

  // WordNet's library.
  if (wninit() != 0) {
    std::fprintf(stderr, "wninit failed\n");
    return 1;
  }
  size_t peerSenses = 0;
  std::vector<char> buf;
  t0 = std::chrono::steady_clock::now();
  for (int r = 0; r < rounds; ++r)
    for (const auto& w : words) {
      for (int pos = NOUN; pos <= ADV; ++pos) {
        std::vector<std::string> forms{w};
        buf.assign(w.begin(), w.end());
        buf.push_back(0);
        for (char* base = morphstr(buf.data(), pos); base; base = morphstr(nullptr, pos))
          if (forms[0] != base) forms.push_back(base);
        for (const auto& f : forms) {
          std::vector<char> s(f.begin(), f.end());
          s.push_back(0);
          SynsetPtr list = findtheinfo_ds(s.data(), pos, SIMPTR, ALLSENSES);
          for (SynsetPtr p = list; p; p = p->nextss) ++peerSenses;
          if (list) free_syns(list);
        }
      }
    }
  double peer = Seconds(t0);

  size_t n = words.size() * rounds;
  std::printf("definitions lookup over %zu words x %d rounds\n", words.size(), rounds);
  std::printf("  ours   SearchWord          %9.0f words/s  (%zu senses)\n", n / ours, ourSenses);
  std::printf("  ours   SearchWord, kept open %7.0f words/s\n", n / oursOpen);
  std::printf("  WordNet findtheinfo_ds      %9.0f words/s  (%zu senses)\n", n / peer, peerSenses);
  std::printf("  ratio  %.1fx (kept open %.1fx)\n", peer / ours, peer / oursOpen);
  std::printf("  data   Definitions.ydd %.1f MB, WordNet dict folder %.1f MB\n",
              std::filesystem::file_size(file) / 1e6, DirSize(wnDir) / 1e6);
  return 0;
}
