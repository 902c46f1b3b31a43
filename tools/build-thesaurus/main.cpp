// build-thesaurus WORDNET_DIR OUTFILE: makes "Thesaurus.qxt" from WordNet.
//
// Design. One stored meaning (entry) is one WordNet synset. Its kind is its
// part of speech (1 noun, 2 verb, 3 adjective, 4 adverb) and the list of the
// same number holds its words: first the synonyms (the synset's own words),
// then a few closely related words (similar adjectives, verb groups, "see
// also", broader and narrower terms) that are in the file anyway, each group
// with the more common words first. Every synonym refers to the meaning, the
// word's most common senses first. Kind 0 ("word form") lets an irregular
// inflected form ("went", "children") refer to the meanings of its base form.
// The head word (the context shown in the dialog) is the synonym that most
// plainly names this sense: a common word for which this is a main sense.
//
// The format allows 65,536 nodes and 13,107 meanings. Meanings are taken in
// order of use to a writer until one of the two runs out: first, for each of
// the 20,000 most frequent lemmas (by the tag counts of cntlist.rev) that has
// a synonym, its most frequent sense with synonyms; then all other senses
// with synonyms, most frequent first.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/AtomicFile.h"
#include "thesaurus/ThesaurusFile.h"
#include "tools/lib/Progress.h"
#include "tools/lib/ThesaurusWriter.h"
#include "tools/lib/WordNet.h"

using namespace wx::tools;

namespace {

constexpr size_t kTopLemmas = 20000;
constexpr size_t kMaxRelated = 12;
constexpr size_t kFormNodeReserve = 1200;  // nodes kept back for irregular forms

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return s;
}

// The form a writer types: blanks for WordNet's underscores.
std::string Display(const std::string& lemma) {
  std::string s = lemma;
  std::replace(s.begin(), s.end(), '_', ' ');
  return s;
}

class Builder {
 public:
  explicit Builder(const WordNet& wn) : wn_(wn) {}

  void Run(const std::string& outFile);

 private:
  uint32_t Freq(const std::string& lower) {
    auto it = freq_.find(lower);
    if (it != freq_.end()) return it->second;
    return freq_[lower] = wn_.LemmaTagCount(lower);
  }
  size_t Senses(const std::string& lower) {
    size_t n = 0;
    for (const auto* e : wn_.Lookup(lower)) n += e->synsets.size();
    return n;
  }
  size_t DistinctLemmas(const WnSynset& s) {
    std::set<std::string> d;
    for (const auto& w : s.words) d.insert(Lower(w.lemma));
    return d.size();
  }
  uint32_t TagIn(const WnSynset& s, const std::string& lower) {
    uint32_t t = 0;
    for (const auto& w : s.words)
      if (Lower(w.lemma) == lower) t += w.tagCount;
    return t;
  }
  // The synset a word (as written) most often means: the most tagged sense,
  // the lower sense number among equals.
  uint32_t MainSense(const std::string& lemma) {
    auto it = mainSense_.find(lemma);
    if (it != mainSense_.end()) return it->second;
    std::string lower = Lower(lemma);
    uint32_t best = UINT32_MAX, bestTag = 0;
    for (const auto* e : wn_.Lookup(lower))
      for (uint32_t si : e->synsets) {
        uint32_t tag = 0;
        bool holds = false;
        for (const auto& w : wn_.synsets[si].words)
          if (w.lemma == lemma) holds = true, tag += w.tagCount;
        if (holds && (best == UINT32_MAX || tag > bestTag)) best = si, bestTag = tag;
      }
    return mainSense_[lemma] = best;
  }
  // Whether a synset holds a lemma in the form it is typed in.
  bool Holds(const WnSynset& s, const std::string& lower) {
    auto it = written_.find(lower);
    if (it == written_.end()) return false;
    for (const auto& w : s.words)
      if (w.lemma == it->second) return true;
    return false;
  }
  // Sense number (0-based) of a lemma's synset within its part of speech.
  size_t SenseNumber(const std::string& lower, uint32_t synset) {
    for (const auto* e : wn_.Lookup(lower))
      for (size_t i = 0; i < e->synsets.size(); ++i)
        if (e->synsets[i] == synset) return i;
    return 999;
  }

  void RankLemmas();
  void SelectSynsets();
  void Write(const std::string& outFile);
  std::vector<std::string> WordsOf(size_t count);

  const WordNet& wn_;
  std::unordered_map<std::string, uint32_t> freq_;
  std::unordered_map<std::string, std::string> written_;
  std::unordered_map<std::string, uint32_t> mainSense_;  // lower case -> typed form
  std::vector<std::string> top_;       // the most frequent lemmas, lower case
  std::vector<std::string> topSyn_;    // those of them with a synonym
  std::vector<uint32_t> order_;        // candidate synsets, most useful first
  size_t phaseA_ = 0;                  // how many of order_ cover topSyn_
  size_t chosen_ = 0;                  // how many of order_ go into the file
};

void Builder::RankLemmas() {
  Progress bar("ranking lemmas");
  // The form a lemma is typed in: lower case when WordNet has it so
  // anywhere, else as WordNet writes it ("Europe").
  for (const auto& s : wn_.synsets)
    for (const auto& w : s.words) {
      auto [it, added] = written_.emplace(Lower(w.lemma), w.lemma);
      if (!added && w.lemma == Lower(w.lemma)) it->second = w.lemma;
    }
  std::vector<std::pair<uint32_t, std::string>> counted;
  std::unordered_set<std::string> seen;
  for (size_t i = 0; i < wn_.index.size(); ++i) {
    bar.Update(i, wn_.index.size());
    const std::string& l = wn_.index[i].lemma;
    if (!seen.insert(l).second) continue;
    uint32_t f = Freq(l);
    if (f > 0) counted.emplace_back(f, l);
  }
  std::sort(counted.begin(), counted.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  for (size_t i = 0; i < counted.size() && i < kTopLemmas; ++i) {
    const std::string& l = counted[i].second;
    top_.push_back(l);
    bool syn = false;
    for (const auto* e : wn_.Lookup(l))
      for (uint32_t s : e->synsets)
        syn = syn || (DistinctLemmas(wn_.synsets[s]) >= 2 && Holds(wn_.synsets[s], l));
    if (syn) topSyn_.push_back(l);
  }
}

void Builder::SelectSynsets() {
  Progress bar("choosing meanings");
  std::vector<char> taken(wn_.synsets.size(), 0);
  std::unordered_set<std::string> covered;
  // First: the most frequent sense with synonyms of each frequent lemma.
  for (size_t i = 0; i < topSyn_.size(); ++i) {
    bar.Update(i, topSyn_.size() * 2);
    const std::string& l = topSyn_[i];
    if (covered.count(l)) continue;
    int64_t best = -1;
    uint32_t bestTag = 0;
    for (const auto* e : wn_.Lookup(l))
      for (uint32_t s : e->synsets) {
        if (DistinctLemmas(wn_.synsets[s]) < 2 || !Holds(wn_.synsets[s], l)) continue;
        uint32_t t = TagIn(wn_.synsets[s], l);
        if (best < 0 || t > bestTag) best = s, bestTag = t;
      }
    if (best < 0) continue;
    if (!taken[size_t(best)]) {
      taken[size_t(best)] = 1;
      order_.push_back(uint32_t(best));
    }
    for (const auto& w : wn_.synsets[size_t(best)].words)
      if (written_[Lower(w.lemma)] == w.lemma) covered.insert(Lower(w.lemma));
  }
  phaseA_ = order_.size();
  // Then every other synset with synonyms, the most used senses first.
  struct Cand {
    uint32_t synset, tags, maxFreq;
  };
  std::vector<Cand> rest;
  for (uint32_t s = 0; s < wn_.synsets.size(); ++s) {
    if (taken[s] || DistinctLemmas(wn_.synsets[s]) < 2) continue;
    Cand c{s, 0, 0};
    for (const auto& w : wn_.synsets[s].words) {
      c.tags += w.tagCount;
      c.maxFreq = std::max(c.maxFreq, Freq(Lower(w.lemma)));
    }
    rest.push_back(c);
  }
  std::sort(rest.begin(), rest.end(), [](const Cand& a, const Cand& b) {
    if (a.tags != b.tags) return a.tags > b.tags;
    if (a.maxFreq != b.maxFreq) return a.maxFreq > b.maxFreq;
    return a.synset < b.synset;
  });
  for (const Cand& c : rest) order_.push_back(c.synset);

  // As many as the entry and node limits allow. Nodes grow with the words
  // (almost always monotonically), so a binary search finds the cut.
  size_t hi = std::min<size_t>(order_.size(), wx::kThesaurusMaxEntries);
  const size_t nodeLimit = wx::kThesaurusMaxNodes - kFormNodeReserve;
  size_t lo = 0;
  while (lo < hi) {
    size_t mid = (lo + hi + 1) / 2;
    bar.Update(topSyn_.size() + topSyn_.size() * (hi - lo) / order_.size(), topSyn_.size() * 2);
    if (ThesaurusWriter::CountNodes(WordsOf(mid)) <= nodeLimit)
      lo = mid;
    else
      hi = mid - 1;
  }
  chosen_ = lo;
  if (std::getenv("WX_SHOW_MISSING")) std::fprintf(stderr, "first pass %zu, chosen %zu\n", phaseA_, chosen_);
}

std::vector<std::string> Builder::WordsOf(size_t count) {
  std::vector<std::string> words;
  for (size_t i = 0; i < count; ++i)
    for (const auto& w : wn_.synsets[order_[i]].words) words.push_back(Display(w.lemma));
  return words;
}

void Builder::Write(const std::string& outFile) {
  ThesaurusWriter tw;
  tw.header = "Wendrix thesaurus data\r\nMade by build-thesaurus from WordNet 3.0 "
              "(Princeton University); see the WordNet licence.\r\n";
  tw.name = "English";
  tw.kindNames = {"word form", "noun", "verb", "adjective", "adverb"};

  std::unordered_map<std::string, uint32_t> present;  // display form -> word number
  for (const auto& w : WordsOf(chosen_)) present.emplace(w, tw.AddWord(w));

  struct Ref {
    uint32_t entry;
    uint8_t kind;
    uint32_t tag;
    size_t sense;
  };
  std::vector<std::vector<Ref>> refs(tw.WordCount());
  std::unordered_map<std::string, std::vector<uint32_t>> entriesByHead;  // lower head -> entries

  Progress bar("writing meanings");
  for (size_t i = 0; i < chosen_; ++i) {
    bar.Update(i, chosen_);
    const WnSynset& s = wn_.synsets[order_[i]];
    uint8_t kind = uint8_t(int(s.pos) + 1);
    // Synonyms: common words first, the synset's own order among equals.
    std::vector<std::pair<uint32_t, std::string>> syn;
    std::set<std::string> inList;
    for (const auto& w : s.words) {
      std::string d = Display(w.lemma);
      if (inList.insert(d).second) syn.emplace_back(Freq(Lower(w.lemma)), d);
    }
    std::stable_sort(syn.begin(), syn.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    // Related words already in the file: similar senses first, then broader and narrower.
    std::vector<std::pair<uint32_t, std::string>> rel;
    for (const char* group : {"& $ ^", "@ @i", "~ ~i"}) {
      std::vector<std::pair<uint32_t, std::string>> part;
      std::string symbols = std::string(" ") + group + " ";
      for (const auto& p : s.pointers) {
        if (symbols.find(" " + p.symbol + " ") == std::string::npos) continue;
        const WnSynset& t = wn_.synsets[p.target];
        for (size_t k = 0; k < t.words.size(); ++k) {
          if (p.dest != 0 && p.dest != k + 1) continue;
          std::string d = Display(t.words[k].lemma);
          // Only words that mainly mean the related sense: "heap" is no car.
          if (!present.count(d) || MainSense(t.words[k].lemma) != p.target) continue;
          if (!inList.insert(d).second) continue;
          part.emplace_back(Freq(Lower(t.words[k].lemma)), d);
        }
      }
      std::stable_sort(part.begin(), part.end(),
                       [](const auto& a, const auto& b) { return a.first > b.first; });
      for (auto& x : part)
        if (rel.size() < kMaxRelated) rel.push_back(std::move(x));
    }
    // The head: the synonym that best names this sense.
    double bestScore = -1;
    std::string head;
    for (const auto& w : s.words) {
      std::string l = Lower(w.lemma);
      double f = Freq(l);
      double share = (w.tagCount + 1.0) / (f + double(Senses(l)));
      double score = share * std::sqrt(1.0 + std::log(1.0 + f));
      if (w.lemma.find('_') != std::string::npos) score *= 0.7;
      if (score > bestScore) bestScore = score, head = Display(w.lemma);
    }
    std::array<std::vector<uint32_t>, 4> lists;
    for (const auto& x : syn) lists[kind - 1].push_back(present.at(x.second));
    for (const auto& x : rel) lists[kind - 1].push_back(present.at(x.second));
    uint32_t e = tw.AddEntry(present.at(head), lists);
    entriesByHead[Lower(head)].push_back(e);
    for (const auto& w : s.words) {
      uint32_t id = present.at(Display(w.lemma));
      bool dup = false;
      for (const Ref& r : refs[id]) dup = dup || r.entry == e;
      if (!dup) refs[id].push_back({e, kind, w.tagCount, SenseNumber(Lower(w.lemma), order_[i])});
    }
  }
  bar.Done();

  // Irregular forms of frequent lemmas whose meanings are headed by the base
  // form itself ("went" -> the meanings headed "go"), while nodes remain.
  size_t forms = 0;
  {
    Progress fbar("adding irregular forms");
    std::vector<std::string> words;
    for (uint32_t i = 0; i < tw.WordCount(); ++i) words.push_back(tw.Word(i));
    std::set<std::string> topSet(top_.begin(), top_.end());
    std::vector<std::pair<std::string, std::vector<uint32_t>>> candidates;
    for (int p = 0; p < 4; ++p)
      for (const auto& [form, bases] : wn_.exceptions[p]) {
        std::string d = Display(form);
        if (present.count(d) || form.find('_') != std::string::npos) continue;
        std::vector<uint32_t> entries;
        for (const auto& b : bases) {
          if (!topSet.count(b)) continue;
          auto it = entriesByHead.find(b);
          if (it == entriesByHead.end()) continue;
          for (uint32_t e : it->second) entries.push_back(e);
        }
        if (!entries.empty()) candidates.emplace_back(d, entries);
      }
    std::sort(candidates.begin(), candidates.end(), [&](const auto& a, const auto& b) {
      return a.second.size() != b.second.size() ? a.second.size() > b.second.size()
                                                 : a.first < b.first;
    });
    // The longest run of candidates that still fits.
    size_t lo = 0, hi = candidates.size();
    while (lo < hi) {
      fbar.Update(candidates.size() - (hi - lo), candidates.size());
      size_t mid = (lo + hi + 1) / 2;
      std::vector<std::string> more = words;
      for (size_t i = 0; i < mid; ++i) more.push_back(candidates[i].first);
      if (ThesaurusWriter::CountNodes(more) <= wx::kThesaurusMaxNodes)
        lo = mid;
      else
        hi = mid - 1;
    }
    candidates.resize(lo);
    for (size_t i = 0; i < candidates.size(); ++i) {
      uint32_t id = tw.AddWord(candidates[i].first);
      present.emplace(candidates[i].first, id);
      refs.resize(tw.WordCount());
      for (uint32_t e : candidates[i].second)
        if (refs[id].size() < wx::kThesaurusMaxFanout) refs[id].push_back({e, 0, 0, 0});
      ++forms;
    }
  }

  // References: the word's most frequent senses first.
  for (uint32_t id = 0; id < refs.size(); ++id) {
    auto& r = refs[id];
    std::stable_sort(r.begin(), r.end(), [](const Ref& a, const Ref& b) {
      if (a.tag != b.tag) return a.tag > b.tag;
      if (a.kind != b.kind) return a.kind < b.kind;
      return a.sense < b.sense;
    });
    if (r.size() > wx::kThesaurusMaxFanout) r.resize(wx::kThesaurusMaxFanout);
    for (const Ref& x : r) tw.AddReference(id, x.entry, x.kind);
  }

  ThesaurusWriter::Stats stats;
  std::string bytes = tw.Build(&stats);
  if (!wx::WriteFileAtomically(outFile, bytes))
    throw std::runtime_error("cannot write " + outFile);

  // Read the file back with the program's reader and measure the coverage:
  // frequent lemmas with a synonym, typed as WordNet writes them.
  wx::TThesaurusFile check;
  if (!check.LoadFromBytes(bytes)) throw std::runtime_error("the written file does not load");
  size_t found = 0, foundAll = 0;
  std::set<std::string> synSet(topSyn_.begin(), topSyn_.end());
  for (const auto& l : top_) {
    auto it = written_.find(l);
    std::string form = Display(it == written_.end() ? l : it->second);
    bool ok = check.Lookup(form) && !check.Contexts().empty();
    foundAll += ok;
    if (synSet.count(l)) found += ok;
    if (synSet.count(l) && !ok && std::getenv("WX_SHOW_MISSING")) std::fprintf(stderr, "missing: %s\n", form.c_str());
  }

  std::printf("Thesaurus written to %s (%zu bytes)\n", outFile.c_str(), stats.bytes);
  std::printf("  words:      %zu (%zu irregular forms)\n", stats.words, forms);
  std::printf("  meanings:   %zu of %zu WordNet synsets with synonyms considered\n", stats.entries,
              order_.size());
  std::printf("  references: %zu\n", stats.references);
  std::printf("  nodes:      %zu of %u (%zu in shared word-ending chains)\n", stats.nodes,
              wx::kThesaurusMaxNodes, stats.chainNodes);
  std::printf("  entries:    %zu of %u\n", stats.entries, wx::kThesaurusMaxEntries);
  std::printf("  coverage:   %zu of %zu (%.1f%%) of the %zu most frequent lemmas that have a "
              "synonym are found with a meaning\n",
              found, topSyn_.size(), topSyn_.empty() ? 0.0 : 100.0 * found / topSyn_.size(),
              top_.size());
  std::printf("              (%zu of all %zu, %.1f%%)\n", foundAll, top_.size(),
              top_.empty() ? 0.0 : 100.0 * foundAll / top_.size());
}

void Builder::Run(const std::string& outFile) {
  RankLemmas();
  SelectSynsets();
  Write(outFile);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: build-thesaurus WORDNET_DIR OUTFILE\n");
    return 2;
  }
  try {
    WordNet wn;
    wn.Load(argv[1], true);
    Builder(wn).Run(argv[2]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "build-thesaurus: %s\n", e.what());
    return 1;
  }
  return 0;
}
