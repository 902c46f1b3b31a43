// peer: mythes
// Thesaurus lookups per second: our reader over Thesaurus.qxt beside the
// MyThes library over its English data, for the same word list in one run.
//   bench-thesaurus_lookup [THESAURUS.qxt [WORDLIST]]
#include <cstdio>  // before mythes.hxx, which uses FILE
#include <mythes.hxx>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "common/AtomicFile.h"
#include "thesaurus/ThesaurusFile.h"

namespace {

// Processor time of this process (user and system): the machine is shared,
// and wall time would count other programs' turns.
double CpuNow() {
  timespec ts{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

std::string FirstExisting(std::initializer_list<const char*> paths) {
  for (const char* p : paths)
    if (std::ifstream(p).good()) return p;
  return *paths.begin();
}

}  // namespace

int main(int argc, char** argv) {
  std::string qxt = argc > 1 ? argv[1]
                             : FirstExisting({"build/data/Thesaurus.qxt", "dist/windows/Thesaurus.qxt"});
  std::string list = argc > 2 ? argv[2] : "/usr/share/dict/american-english";
  const char* idx = "/usr/share/mythes/th_en_US_v2.idx";
  const char* dat = "/usr/share/mythes/th_en_US_v2.dat";

  std::vector<std::string> words;
  {
    std::ifstream in(list);
    std::string w;
    while (std::getline(in, w))
      if (!w.empty() && w.find('\'') == std::string::npos) words.push_back(w);
  }
  if (words.empty()) {
    std::fprintf(stderr, "no words in %s\n", list.c_str());
    return 2;
  }

  wx::TThesaurusFile ours;
  std::string bytes;
  if (!wx::ReadWholeFile(qxt, bytes) || !ours.LoadFromBytes(std::move(bytes))) {
    std::fprintf(stderr, "cannot load %s (run scripts/build-data.sh)\n", qxt.c_str());
    return 2;
  }
  MyThes peer(idx, dat);

  // What each returns, counted outside the timed rounds.
  size_t oursWords = 0, peerWords = 0;
  for (const auto& w : words) {
    if (ours.Lookup(w))
      for (const auto& m : ours.Contexts())
        for (const auto& l : m->lists) oursWords += l.size();
    mentry* pme = nullptr;
    int n = peer.Lookup(w.c_str(), int(w.size()), &pme);
    for (int i = 0; i < n; ++i) peerWords += size_t(pme[i].count);
    peer.CleanUpAfterLookup(&pme, n);
  }

  const int rounds = 5;
  size_t oursFound = 0, peerFound = 0, oursMeanings = 0, peerMeanings = 0;
  double oursBest = 1e9, peerBest = 1e9;
  for (int r = 0; r < rounds; ++r) {
    double t0 = CpuNow();
    size_t found = 0, meanings = 0;
    for (const auto& w : words)
      if (ours.Lookup(w)) {
        ++found;
        meanings += ours.Contexts().size();
      }
    oursBest = std::min(oursBest, CpuNow() - t0);
    oursFound = found;
    oursMeanings = meanings;

    t0 = CpuNow();
    found = meanings = 0;
    for (const auto& w : words) {
      mentry* pme = nullptr;
      int n = peer.Lookup(w.c_str(), int(w.size()), &pme);
      if (n > 0) {
        ++found;
        meanings += size_t(n);
      }
      peer.CleanUpAfterLookup(&pme, n);
    }
    peerBest = std::min(peerBest, CpuNow() - t0);
    peerFound = found;
    peerMeanings = meanings;
  }

  double oursRate = double(words.size()) / oursBest, peerRate = double(words.size()) / peerBest;
  std::printf("words looked up: %zu (from %s), best of %d rounds, processor time\n", words.size(), list.c_str(),
              rounds);
  std::printf("Wendrix reader:  %10.0f lookups/s  (%zu found, %zu meanings, %zu words; %s)\n",
              oursRate, oursFound, oursMeanings, oursWords, qxt.c_str());
  std::printf("MyThes:          %10.0f lookups/s  (%zu found, %zu meanings, %zu words; th_en_US_v2)\n",
              peerRate, peerFound, peerMeanings, peerWords);
  std::printf("ratio:           %.1fx MyThes\n", oursRate / peerRate);
  return 0;
}
