// build-thesaurus [--words LIST] [--common LIST] WORDNET_DIR OUTFILE: makes
// "Thesaurus.qxt" from WordNet.
//
// Design. A meaning is a WordNet synset; an adjective's cluster (the head
// synset with its satellites) makes one meaning, so "happy", a synset of one
// word, lists "blissful", "glad" and "cheerful". Every word of a meaning
// refers to it, its most used senses first; a participle that WordNet lists
// as an adjective ("spent") shows that meaning before its verb's. A
// meaning's list holds its synonyms, then similar and related words (the
// cluster, "also see", verb groups; for an adverb of few words the adverbs
// of its adjective), each group by how often a writer uses the word in that
// sense, then, only for a list still under three words, broader and then
// narrower words already in the file; never an antonym of the meaning's
// words. Words of under three letters and abbreviations stand last, and not
// at all in a list of fewer than three other words, unless they name the
// meaning. The context word shown for a meaning is the synonym that names
// it most plainly: common, and mainly used in this sense.
//
// How often a writer meets a word (its use): WordNet's tag counts (of
// cntlist.rev), plus its count in WordNet's own glosses and examples, plus a
// share for being in LIST of --common, a list of the common words.
//
// The format allows 65,536 nodes and 13,107 entries. An entry carries four
// lists, one per part of speech, under one head word, and a reference names
// the list by its kind; so a noun, a verb, an adjective and an adverb meaning
// with the same context word share one entry. Meanings are taken in order of
// use to a writer while both budgets last: first the most used sense of each
// of the 10,000 most frequent lemmas (those with three tag counts or more by
// them, then by use), then the first sense of each part of speech of the
// 5,000 most frequent, then the most used sense of the next 10,000, which
// leave 4,000 entries to all other meanings, taken by how much they give the
// common words among them. A frequent lemma whose most used sense has
// nothing to offer takes its next one. Proper names are left out unless one
// is a frequent lemma's most used sense ("Monday"); so are meanings that
// would list nothing but their own word.
// The words are chosen twice: first, to choose the meanings, the frequent
// lemmas, the synonyms of their first senses, then the words their meanings
// list, by what they add for the nodes they cost; then again for the meanings
// taken, so that no node goes to a word only a left-out meaning lists. The
// inflected forms of the most frequent lemmas come before the listed words;
// the nodes left go to the forms of the other frequent lemmas: irregular
// ones from WordNet's exception lists and regular ones by the spelling rules
// (checked against LIST of --words, a word list, when one is given). A form
// refers to its base word's meanings of the matching part of speech as a
// word form (kind 0) where that shows the right list, else under the
// meaning's kind.
#include <algorithm>
#include <array>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "common/AtomicFile.h"
#include "thesaurus/ThesaurusFile.h"
#include "tools/lib/Inflections.h"
#include "tools/lib/Progress.h"
#include "tools/lib/ThesaurusWriter.h"
#include "tools/lib/WordNet.h"

using namespace wx::tools;

namespace {

constexpr size_t kTopLemmas = 20000;
// The lemmas whose first sense of each part of speech comes before any other
// meaning, since a writer expects every part of speech of these words.
constexpr size_t kFirstSenseLemmas = 5000;
// The lemmas whose inflected forms come before the words that lists offer;
// the forms of the others take the nodes that remain.
constexpr size_t kFormFirstLemmas = 1000;
// Meanings are chosen against a word set this many nodes smaller than the
// file holds, so that a meaning earns its entry only with context and list
// words that are sure to be in the file; the words are chosen again for the
// meanings taken (RefitWords), with all the nodes.
constexpr size_t kChoiceNodeMargin = 6000;
constexpr size_t kShortList = 3;           // broader words fill lists shorter than this
constexpr size_t kFilledList = 6;          // ... up to this many words
// The use of a lemma (CountUse): its tag count, plus this much for each time
// it occurs in WordNet's glosses and examples, plus kCommonWordUse when the
// list of common words holds it; a participle adjective has at least
// kParticipleShare of its verb's use.
constexpr double kGlossUse = 0.2;
constexpr double kCommonWordUse = 2.0;
constexpr double kParticipleShare = 0.5;
constexpr double kReliableTags = 3;
// Entries kept from the less frequent lemmas' most used senses for the
// senses that give most to the common words ("accept" as "take, receive").
constexpr size_t kValueEntries = 4000;
// The frequent lemmas whose most used sense comes before kValueEntries.
constexpr size_t kSureLemmas = 10000;
// The share of a gloss word's count that goes to itself when it is also an
// inflected form of another lemma ("made", "left"); the rest goes to that one.
constexpr double kFormOwnShare = 0.1;

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

// A word a writer would not pick first from a list: one of under three
// letters ("in", "yr"... but also "go"), or an abbreviation: a word with a
// full stop, one in capitals ("TV"), or one with no vowel ("hr", "mph";
// "y" counts as a vowel after the first letter: "sky", "gym", but "yr").
bool Terse(const std::string& word) {
  if (word.size() < 3) return true;
  bool vowel = false, lower = false;
  for (size_t i = 0; i < word.size(); ++i) {
    char c = word[i];
    if (c == '.') return true;
    if (c >= 'a' && c <= 'z') lower = true;
    char l = char(std::tolower(uint8_t(c)));
    if (std::strchr("aeiou", l) || (l == 'y' && i > 0)) vowel = true;
  }
  return !lower || !vowel;
}

bool HasPointer(const WnSynset& s, const char* symbol) {
  for (const auto& p : s.pointers)
    if (p.symbol == symbol) return true;
  return false;
}

// Appends the words of worth that are not forced, the most worth for the
// nodes they cost first (a longer word costs more).
void AppendByWorth(const std::unordered_map<std::string, double>& worth,
                   const std::unordered_set<std::string>& forced, std::vector<std::string>& words) {
  std::vector<std::pair<double, std::string>> rest;
  for (const auto& [w, v] : worth)
    if (!forced.count(w)) rest.emplace_back(v / (1.0 + 0.15 * double(w.size())), w);
  std::sort(rest.begin(), rest.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  for (auto& r : rest) words.push_back(std::move(r.second));
}

// The length of the longest run of words, from the first, whose letter graph
// takes at most nodeLimit nodes.
size_t LongestFit(const std::vector<std::string>& words, size_t nodeLimit, Progress& bar) {
  size_t lo = 0, hi = words.size();
  while (lo < hi) {
    bar.Update(words.size() - (hi - lo), words.size());
    size_t mid = (lo + hi + 1) / 2;
    if (ThesaurusWriter::CountNodes({words.begin(), words.begin() + long(mid)}) <= nodeLimit)
      lo = mid;
    else
      hi = mid - 1;
  }
  return lo;
}

struct Meaning {
  WnPos pos = WnPos::Noun;
  std::vector<uint32_t> members;  // the synset that names it first, then satellites
  std::vector<std::string> words;  // lemmas that refer to it, as WordNet writes them
  std::string head;                // display form of the context word
  bool proper = false;             // a proper name ("Monday", "Paris")
  double value = 0;
  uint32_t entry = 0;  // entry number once written
};

class Builder {
 public:
  Builder(const WordNet& wn, std::unordered_set<std::string> wordList,
          std::unordered_set<std::string> commonWords)
      : wn_(wn), wordList_(std::move(wordList)), commonWords_(std::move(commonWords)) {}

  void Run(const std::string& outFile);

 private:
  uint32_t Freq(const std::string& lower) const {
    auto it = freq_.find(lower);
    if (it != freq_.end()) return it->second;
    return freq_[lower] = wn_.LemmaTagCount(lower);
  }
  // Tag count of a lemma (lower case) within a meaning.
  uint32_t TagIn(const Meaning& m, const std::string& lower) const {
    uint32_t t = 0;
    for (uint32_t s : m.members)
      for (const auto& w : wn_.synsets[s].words)
        if (Lower(w.lemma) == lower) t += w.tagCount;
    return t;
  }
  // How often a writer meets a lemma (lower case): see CountUse.
  double Use(const std::string& lower) const {
    auto it = use_.find(lower);
    return it == use_.end() ? 0.0 : it->second;
  }
  // Use, without the share a participle adjective takes from its verb.
  double UseAsWord(const std::string& lower) const {
    auto it = useAsWord_.find(lower);
    return it == useAsWord_.end() ? 0.0 : it->second;
  }
  size_t Senses(const std::string& lower) const {
    auto it = meaningsOf_.find(lower);
    return it == meaningsOf_.end() ? 1 : std::max<size_t>(1, it->second.size());
  }

  void MakeMeanings();
  void CountUse();
  void RankLemmas();
  void ChooseMeanings();
  void RefitWords();
  std::vector<std::pair<std::string, bool>> FormsOf(const std::string& lemma, WnPos pos) const;
  std::vector<std::string> ListOf(const Meaning& m, bool withBroader, bool allTerse = false) const;
  std::vector<std::string> FillWords(const Meaning& m,
                                     const std::vector<std::vector<std::string>>& lists) const;
  void Write(const std::string& outFile);

  const WordNet& wn_;
  std::unordered_set<std::string> wordList_;  // confirms regular forms when not empty
  std::unordered_set<std::string> commonWords_;  // a list of the common words, may be empty
  std::unordered_map<std::string, double> use_, useAsWord_;  // lower lemma -> use (CountUse)
  std::vector<std::string> byTags_;  // lemmas by tag count alone, for the coverage figures
  // Adjective synset -> the adverb synsets that come from it ("\\" pointers).
  std::unordered_map<uint32_t, std::vector<uint32_t>> adverbsOf_;
  mutable std::unordered_map<std::string, uint32_t> freq_;  // lemma tag counts, cached
  std::vector<Meaning> meanings_;
  std::vector<int32_t> meaningOfSynset_;  // synset -> meaning, -1 when left out
  std::unordered_map<std::string, std::vector<uint32_t>> meaningsOf_;  // lower lemma -> meanings
  std::vector<std::string> top_;                                       // frequent lemmas, lower case
  std::vector<uint32_t> order_;  // taken meanings in order of use
  size_t properNames_ = 0, candidates_ = 0, leftForEntries_ = 0, wordsLeftOut_ = 0;
  // Nodes of the frequent lemmas, context words and first-sense synonyms, and
  // what the forms of the most frequent lemmas add to them.
  size_t nodesForNames_ = 0, nodesForFirstForms_ = 0;
  std::unordered_set<std::string> present_;  // display forms of the words in the file
  // Irregular forms by part of speech: base -> forms, made on first use.
  mutable std::array<std::unordered_map<std::string, std::vector<std::string>>, 4> irregular_;
};

void Builder::MakeMeanings() {
  Progress bar("gathering meanings");
  meaningOfSynset_.assign(wn_.synsets.size(), -1);
  // Heads and plain synsets first, then satellites join their head's cluster.
  for (uint32_t s = 0; s < wn_.synsets.size(); ++s) {
    const WnSynset& syn = wn_.synsets[s];
    if (syn.satellite) continue;
    bool proper = false;
    if (syn.pos == WnPos::Noun) {
      proper = HasPointer(syn, "@i");
      if (!proper) {
        proper = true;
        for (const auto& w : syn.words) proper = proper && w.lemma[0] >= 'A' && w.lemma[0] <= 'Z';
      }
      if (proper) ++properNames_;
    }
    meaningOfSynset_[s] = int32_t(meanings_.size());
    Meaning m;
    m.pos = syn.pos;
    m.proper = syn.pos == WnPos::Noun && proper;
    m.members.push_back(s);
    meanings_.push_back(std::move(m));
  }
  for (uint32_t s = 0; s < wn_.synsets.size(); ++s) {
    const WnSynset& syn = wn_.synsets[s];
    if (!syn.satellite) continue;
    for (const auto& p : syn.pointers)
      if (p.symbol == "&" && meaningOfSynset_[p.target] >= 0 && !wn_.synsets[p.target].satellite) {
        meaningOfSynset_[s] = meaningOfSynset_[p.target];
        meanings_[size_t(meaningOfSynset_[s])].members.push_back(s);
        break;
      }
  }
  for (uint32_t i = 0; i < meanings_.size(); ++i) {
    bar.Update(i, meanings_.size());
    Meaning& m = meanings_[i];
    std::set<std::string> seen;
    for (uint32_t s : m.members)
      for (const auto& w : wn_.synsets[s].words)
        if (seen.insert(w.lemma).second) {
          m.words.push_back(w.lemma);
          auto& list = meaningsOf_[Lower(w.lemma)];
          if (list.empty() || list.back() != i) list.push_back(i);
        }
  }
  candidates_ = meanings_.size() - properNames_;
  for (uint32_t s = 0; s < wn_.synsets.size(); ++s)
    if (wn_.synsets[s].pos == WnPos::Adv)
      for (const auto& p : wn_.synsets[s].pointers)
        if (p.symbol == "\\" && wn_.synsets[p.target].pos == WnPos::Adj) {
          auto& advs = adverbsOf_[p.target];
          if (advs.empty() || advs.back() != s) advs.push_back(s);
        }  // proper names are counted apart
}

// Suffix rules that undo regular inflection, by part of speech: an ending
// and what replaces it ("ies" -> "y").
const std::vector<std::pair<const char*, const char*>> kUninflect[4] = {
    {{"s", ""}, {"ses", "s"}, {"xes", "x"}, {"zes", "z"}, {"ches", "ch"}, {"shes", "sh"},
     {"men", "man"}, {"ies", "y"}},
    {{"s", ""}, {"ies", "y"}, {"es", "e"}, {"es", ""}, {"ed", "e"}, {"ed", ""}, {"ing", "e"},
     {"ing", ""}},
    {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}},
    {}};

// How often a writer meets each lemma. WordNet's tag counts measure that
// well for the most common words but are zero for most of the vocabulary
// ("printer", "gene"), so the words of WordNet's own glosses and examples
// count too (an inflected word for its base: "genes" for "gene"; a word that
// is also an inflected form of another lemma mostly for that one: "made"),
// and so does a place in the list of common words, when one is given. A
// participle that WordNet lists as an adjective ("spent", "worrying") is met
// as often as a good share of its verb's uses, for it is how the verb is
// met in the writer's text; that share counts for choosing the words and
// meanings of the file, not for the order of a meaning's words.
void Builder::CountUse() {
  Progress bar("counting word use");
  auto isLemma = [&](const std::string& l) { return !wn_.Lookup(l).empty(); };
  auto isLemmaOf = [&](const std::string& l, int pos) {
    for (const auto* e : wn_.Lookup(l))
      if (int(e->pos) == pos) return true;
    return false;
  };
  // The lemmas that token is an inflected form of, other than itself: a
  // form of a word of the same part of speech ("printer" is no comparative
  // of the noun "print").
  auto basesOf = [&](const std::string& token) {
    std::vector<std::string> bases;
    for (int p = 0; p < 4; ++p) {
      auto ex = wn_.exceptions[p].find(token);
      if (ex != wn_.exceptions[p].end())
        for (const auto& b : ex->second)
          if (b != token && isLemmaOf(b, p)) bases.push_back(b);
      for (const auto& [end, repl] : kUninflect[p]) {
        size_t n = std::char_traits<char>::length(end);
        if (token.size() <= n + 1 || token.compare(token.size() - n, n, end) != 0) continue;
        std::string b = token.substr(0, token.size() - n) + repl;
        if (b != token && isLemmaOf(b, p)) bases.push_back(b);
      }
    }
    std::sort(bases.begin(), bases.end());
    bases.erase(std::unique(bases.begin(), bases.end()), bases.end());
    return bases;
  };
  std::unordered_map<std::string, double> gloss;
  std::unordered_map<std::string, std::vector<std::string>> basesCache;
  std::vector<std::string> tokens;
  for (size_t si = 0; si < wn_.synsets.size(); ++si) {
    if (si % 4096 == 0) bar.Update(si, wn_.synsets.size());
    tokens.clear();
    const std::string& g = wn_.synsets[si].gloss;
    for (size_t i = 0; i < g.size();) {
      if (!std::isalpha(uint8_t(g[i]))) {
        ++i;
        continue;
      }
      size_t j = i;
      while (j < g.size() && (std::isalpha(uint8_t(g[j])) || g[j] == '-' || g[j] == '\'')) ++j;
      std::string t = Lower(g.substr(i, j - i));
      while (!t.empty() && (t.back() == '-' || t.back() == '\'')) t.pop_back();
      tokens.push_back(std::move(t));
      i = j;
    }
    for (size_t i = 0; i < tokens.size(); ++i) {
      // Phrases of two and three words count when they are lemmas.
      std::string phrase = tokens[i];
      for (size_t n = 1; n < 3 && i + n < tokens.size(); ++n) {
        phrase += '_' + tokens[i + n];
        if (isLemma(phrase)) gloss[phrase] += 1;
      }
      const std::string& t = tokens[i];
      auto bc = basesCache.find(t);
      if (bc == basesCache.end()) bc = basesCache.emplace(t, basesOf(t)).first;
      const auto& bases = bc->second;
      bool lemma = isLemma(t);
      if (lemma) gloss[t] += bases.empty() ? 1.0 : kFormOwnShare;
      for (const auto& b : bases) gloss[b] += 1.0 / double(bases.size());
    }
  }
  bar.Done();
  std::unordered_set<std::string> formLemmas;
  for (const auto& [t, bases] : basesCache)
    if (!bases.empty()) formLemmas.insert(t);
  for (const auto& e : wn_.index) {
    if (useAsWord_.count(e.lemma)) continue;
    double u = double(Freq(e.lemma));
    auto g = gloss.find(e.lemma);
    if (g != gloss.end()) u += kGlossUse * g->second;
    // The list holds inflected forms too, so it tells nothing about a
    // lemma that is also a form of another ("made").
    if (commonWords_.count(Display(e.lemma)) && !formLemmas.count(e.lemma)) u += kCommonWordUse;
    useAsWord_[e.lemma] = u;
  }
  use_ = useAsWord_;
  for (const auto& e : wn_.index) {
    if (e.pos != WnPos::Verb) continue;
    for (const auto& f : FormsOf(e.lemma, WnPos::Verb)) {
      // Irregular forms are past forms ("spent", "chosen"); regular ones end
      // in -ed or -ing ("worrying"), not -s.
      bool participle = !f.second || f.first.back() == 'd' || f.first.back() == 'g';
      bool adjective = false;
      for (const auto* x : wn_.Lookup(f.first)) adjective = adjective || x->pos == WnPos::Adj;
      if (!participle || !adjective) continue;
      double& u = use_[f.first];
      u = std::max(u, kParticipleShare * useAsWord_[e.lemma]);
    }
  }
}

// The frequent lemmas: those with kReliableTags tag counts or more by their
// tag counts, which measure prose well where they are not too few to tell;
// then the others by their use (CountUse).
void Builder::RankLemmas() {
  auto rank = [&](auto&& value, std::vector<std::string>& out) {
    std::vector<std::pair<std::pair<double, double>, std::string>> counted;
    std::unordered_set<std::string> seen;
    for (const auto& e : wn_.index) {
      if (!seen.insert(e.lemma).second) continue;
      auto f = value(e.lemma);
      if (f.second > 0) counted.emplace_back(f, e.lemma);
    }
    std::sort(counted.begin(), counted.end(), [](const auto& a, const auto& b) {
      return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    for (size_t i = 0; i < counted.size() && i < kTopLemmas; ++i) out.push_back(counted[i].second);
  };
  rank(
      [&](const std::string& l) {
        double tags = Freq(l);
        return std::make_pair(tags >= kReliableTags ? tags : 0.0, Use(l));
      },
      top_);
  rank([&](const std::string& l) { return std::make_pair(0.0, double(Freq(l))); }, byTags_);
}

void Builder::ChooseMeanings() {
  Progress bar("choosing meanings");
  // The words each meaning brings into the file, and per lemma the words
  // of all its meanings together.
  std::vector<std::vector<std::string>> lists(meanings_.size());
  std::unordered_map<std::string, double> listed;  // lower lemma -> words over its meanings
  for (uint32_t i = 0; i < meanings_.size(); ++i) {
    lists[i] = ListOf(meanings_[i], false);
    for (const auto& lemma : meanings_[i].words) listed[Lower(lemma)] += double(lists[i].size());
  }
  // What a meaning gives: for each of its words, the word's weight (frequent
  // words count, rare ones hardly) times this meaning's share of the word,
  // half by use (tag counts) and half by the share of the word's related
  // words that it lists, since a writer looking up a common word wants its
  // other senses too.
  for (uint32_t i = 0; i < meanings_.size(); ++i) {
    Meaning& m = meanings_[i];
    double v = 0;
    for (const auto& lemma : m.words) {
      std::string l = Lower(lemma);
      double f = Freq(l), senses = double(Senses(l)), u = Use(l);
      double weight = u > 0 ? std::log(2.0 + u) : 0.05;
      double share = 0.5 * (TagIn(m, l) + 0.5) / (f + 0.5 * senses) +
                     0.5 * double(lists[i].size()) / std::max(1.0, listed[l]);
      v += weight * share;
    }
    m.value = v;
  }

  // The words of the file. Every frequent lemma is one; the other nodes go
  // to the words that the frequent lemmas' meanings list, each worth what it
  // adds to those lemmas' lists for the nodes it costs.
  std::unordered_map<std::string, double> worth;
  for (uint32_t i = 0; i < meanings_.size(); ++i) {
    if (meanings_[i].proper) continue;
    double give = 0;
    for (const auto& lemma : meanings_[i].words) {
      std::string l = Lower(lemma);
      double u = Use(l);
      if (u > 0) give += std::log(2.0 + u) / std::max(1.0, listed[l]);
    }
    for (const auto& w : lists[i]) worth[w] += give;
  }
  std::vector<std::string> words;
  std::unordered_set<std::string> forced;
  for (const std::string& l : top_)
    if (forced.insert(Display(l)).second) words.push_back(Display(l));
  // Then the synonyms of their first senses, which name their main meanings.
  for (const std::string& l : top_)
    for (const auto* e : wn_.Lookup(l)) {
      if (e->synsets.empty()) continue;
      for (const auto& w : wn_.synsets[e->synsets[0]].words)
        if (meaningOfSynset_[e->synsets[0]] >= 0 && forced.insert(Display(w.lemma)).second)
          words.push_back(Display(w.lemma));
    }
  // Then what fills their main senses' short lists ("camel").
  for (const std::string& l : top_)
    for (const auto* e : wn_.Lookup(l)) {
      if (e->synsets.empty() || meaningOfSynset_[e->synsets[0]] < 0) continue;
      for (const auto& w : FillWords(meanings_[size_t(meaningOfSynset_[e->synsets[0]])], lists))
        if (forced.insert(w).second) words.push_back(w);
    }
  AppendByWorth(worth, forced, words);
  size_t lo = LongestFit(words, wx::kThesaurusMaxNodes - kChoiceNodeMargin, bar);
  present_.insert(words.begin(), words.begin() + long(lo));
  wordsLeftOut_ = words.size() - lo;

  // Context words: among the words in the file, by how plainly they name
  // the meaning (common, and mainly used in this sense).
  std::vector<std::vector<std::pair<double, std::string>>> heads(meanings_.size());
  // A cluster is named by its head synset's words where one is in the file,
  // else by its satellites' words ("ominous" for a cluster whose head word,
  // "alarming", is too rare to be in the file).
  for (uint32_t i = 0; i < meanings_.size(); ++i) {
    for (size_t mi = 0; mi < meanings_[i].members.size(); ++mi) {
      if (mi == 1 && !heads[i].empty()) break;
      for (const auto& w : wn_.synsets[meanings_[i].members[mi]].words) {
        if (!present_.count(Display(w.lemma))) continue;
        std::string l = Lower(w.lemma);
        double f = Freq(l);
        double share = (w.tagCount + 1.0) / (f + double(Senses(l)));
        double score = share * std::sqrt(1.0 + std::log(1.0 + UseAsWord(l)));
        if (w.lemma.find('_') != std::string::npos) score *= 0.7;
        if (Terse(Display(w.lemma))) score *= 0.1;
        if (w.lemma[0] >= 'A' && w.lemma[0] <= 'Z') score *= 0.5;
        heads[i].emplace_back(score, Display(w.lemma));
      }
    }
    std::stable_sort(heads[i].begin(), heads[i].end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
  }

  // Entries: one per head word and part of speech, shared across parts of
  // speech. A meaning needs a context word in the file and two words to list.
  std::unordered_map<std::string, std::array<uint32_t, 4>> perHead;
  size_t entries = 0;
  std::vector<char> queued(meanings_.size(), 0), taken(meanings_.size(), 0);
  // Takes meaning mi if it can be offered; true when it is in the file.
  // Those of the less frequent lemmas' senses that find no entry within
  // entryLimit then compete with the others by what they give.
  size_t entryLimit = wx::kThesaurusMaxEntries;
  std::vector<uint32_t> deferred;
  auto take = [&](int64_t mi) {
    if (mi < 0) return false;
    if (queued[size_t(mi)]) return bool(taken[size_t(mi)]);
    queued[size_t(mi)] = 1;
    Meaning& m = meanings_[size_t(mi)];
    const auto& hs = heads[size_t(mi)];
    if (hs.empty()) return false;
    // Nothing to offer but the word itself, even with the broader words that
    // are put in the file for the short lists of frequent lemmas' senses.
    if (ListOf(m, true, true).size() + FillWords(m, lists).size() < 2) return false;
    // The plainest context word, or the plainest of its synonyms whose
    // entries have room for this part of speech: entries are what runs out.
    m.head = hs[0].second;
    for (const auto& h : hs) {
      auto it = perHead.find(h.second);
      if (it == perHead.end()) continue;
      const auto& sl = it->second;
      if (sl[size_t(m.pos)] < *std::max_element(sl.begin(), sl.end())) {
        m.head = h.second;
        break;
      }
    }
    auto& slots = perHead[m.head];
    uint32_t before = *std::max_element(slots.begin(), slots.end());
    uint32_t& mine = slots[size_t(m.pos)];
    size_t extra = mine + 1 > before ? 1 : 0;
    if (entries + extra > entryLimit) {
      if (entryLimit < wx::kThesaurusMaxEntries) {
        queued[size_t(mi)] = 0;
        deferred.push_back(uint32_t(mi));
      } else {
        ++leftForEntries_;
      }
      return false;
    }
    ++mine;
    entries += extra;
    order_.push_back(uint32_t(mi));
    taken[size_t(mi)] = 1;
    return true;
  };
  // First the senses every frequent lemma must have: its most used sense
  // that has something to offer (a sense of one word with nothing similar,
  // like "calmly" as "with self-possession", yields to the next one);
  // then, for the most frequent, the first such sense of each part of
  // speech; then the most used sense of the lemmas after kSureLemmas, which
  // leave kValueEntries entries to the senses that give most.
  entryLimit = wx::kThesaurusMaxEntries;
  auto mainSense = [&](size_t li) {
    const std::string& l = top_[li];
    std::vector<std::pair<uint32_t, uint32_t>> senses;  // (tag count, meaning), in sense order
    for (const auto* e : wn_.Lookup(l))
      for (uint32_t s : e->synsets) {
        int32_t m = meaningOfSynset_[s];
        if (m >= 0) senses.emplace_back(TagIn(meanings_[size_t(m)], l), uint32_t(m));
      }
    std::stable_sort(senses.begin(), senses.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& sense : senses)
      if (take(sense.second) || li >= kFirstSenseLemmas) break;
  };
  for (size_t li = 0; li < top_.size() && li < kSureLemmas; ++li) mainSense(li);
  for (size_t li = 0; li < top_.size() && li < kFirstSenseLemmas; ++li)
    for (const auto* e : wn_.Lookup(top_[li]))
      for (uint32_t s : e->synsets)
        if (meaningOfSynset_[s] >= 0 && !meanings_[size_t(meaningOfSynset_[s])].proper) {
          take(meaningOfSynset_[s]);
          break;
        }
  entryLimit = wx::kThesaurusMaxEntries - kValueEntries;
  for (size_t li = kSureLemmas; li < top_.size(); ++li) mainSense(li);
  // Then the rest by what they give.
  entryLimit = wx::kThesaurusMaxEntries;
  std::vector<uint32_t> rest;
  std::vector<char> wasDeferred(meanings_.size(), 0);
  for (uint32_t i : deferred) wasDeferred[i] = 1;
  for (uint32_t i = 0; i < meanings_.size(); ++i)
    if (!queued[i] && (!meanings_[i].proper || wasDeferred[i])) rest.push_back(i);
  std::stable_sort(rest.begin(), rest.end(), [&](uint32_t a, uint32_t b) {
    return meanings_[a].value > meanings_[b].value;
  });
  for (uint32_t i : rest) take(i);
}

// The inflected forms of a lemma (lower case) as a word of part of speech
// pos, each marked regular or irregular: irregular ones from WordNet's
// exception lists, regular ones by the spelling rules, confirmed by the word
// list when one is given.
std::vector<std::pair<std::string, bool>> Builder::FormsOf(const std::string& lemma, WnPos pos) const {
  if (irregular_[0].empty())
    for (int p = 0; p < 4; ++p) {
      for (const auto& [form, bases] : wn_.exceptions[p])
        for (const auto& b : bases) irregular_[size_t(p)][b].push_back(form);
      for (auto& [b, f] : irregular_[size_t(p)]) std::sort(f.begin(), f.end());
    }
  std::vector<std::pair<std::string, bool>> texts;
  // A word with irregular forms has no regular ones of the same kind
  // ("drived"), but keeps its -s and -ing forms. A form spelled like the
  // word itself counts ("shed" as the past of "shed": no "shedded").
  bool hasIrregular = false;
  auto irr = irregular_[size_t(pos)].find(lemma);
  if (irr != irregular_[size_t(pos)].end())
    for (const auto& f : irr->second) {
      if (f.find('_') != std::string::npos) continue;
      hasIrregular = true;
      if (f != lemma) texts.emplace_back(f, false);
    }
  for (const auto& f : RegularForms(lemma, pos)) {
    bool pastOrCompared = f.text.back() == 'd' || f.text.back() == 'r' ||
                          (f.text.size() > 3 && f.text.compare(f.text.size() - 3, 3, "est") == 0);
    if (hasIrregular && (pos != WnPos::Verb || pastOrCompared)) continue;
    if (f.text != lemma && (wordList_.empty() ? f.certain : wordList_.count(f.text) > 0))
      texts.emplace_back(f.text, true);
  }
  return texts;
}

// The words were chosen before the meanings, so some of them serve only
// meanings that found no entry. Chooses them again for the meanings taken:
// the frequent lemmas and the context words first, then the words those
// meanings list, each worth what it adds to the lists of the frequent lemmas
// among the meaning's words for the nodes it costs.
void Builder::RefitWords() {
  Progress bar("fitting words");
  std::unordered_map<std::string, double> listed;  // lower lemma -> words its taken meanings list
  std::vector<std::vector<std::string>> lists(order_.size());
  for (size_t oi = 0; oi < order_.size(); ++oi) {
    lists[oi] = ListOf(meanings_[order_[oi]], false);
    for (const auto& lemma : meanings_[order_[oi]].words)
      listed[Lower(lemma)] += double(lists[oi].size());
  }
  std::unordered_map<std::string, double> worth;
  for (size_t oi = 0; oi < order_.size(); ++oi) {
    double give = 0;
    for (const auto& lemma : meanings_[order_[oi]].words) {
      std::string l = Lower(lemma);
      double u = Use(l);
      if (u > 0) give += std::pow(std::log(2.0 + u), 2.0) / std::max(1.0, listed[l]);
    }
    for (const auto& w : lists[oi]) worth[w] += give;
  }
  std::vector<std::string> words;
  std::unordered_set<std::string> forced;
  for (const std::string& l : top_)
    if (forced.insert(Display(l)).second) words.push_back(Display(l));
  for (uint32_t i : order_)
    if (forced.insert(meanings_[i].head).second) words.push_back(meanings_[i].head);
  // The synonyms of the most frequent lemmas' first sense of each part of
  // speech, which name their main meanings.
  std::vector<char> taken(meanings_.size(), 0);
  for (uint32_t i : order_) taken[i] = 1;
  for (size_t li = 0; li < top_.size() && li < kFirstSenseLemmas; ++li)
    for (const auto* e : wn_.Lookup(top_[li])) {
      if (e->synsets.empty() || meaningOfSynset_[e->synsets[0]] < 0 ||
          !taken[size_t(meaningOfSynset_[e->synsets[0]])])
        continue;
      for (const auto& w : wn_.synsets[e->synsets[0]].words)
        if (forced.insert(Display(w.lemma)).second) words.push_back(Display(w.lemma));
    }
  // The inflected forms of the most frequent lemmas come next: a writer
  // looks up "days" and "called" more often than a rare word of a list.
  // They take their nodes here; they get their references, and their place
  // in the file, when it is written.
  const size_t formsBegin = words.size();
  for (size_t li = 0; li < top_.size() && li < kFormFirstLemmas; ++li) {
    auto it = meaningsOf_.find(top_[li]);
    if (it == meaningsOf_.end()) continue;
    std::array<bool, 4> hasPos{};
    for (uint32_t m : it->second) hasPos[size_t(meanings_[m].pos)] |= bool(taken[m]);
    for (int p = 0; p < 4; ++p)
      if (hasPos[size_t(p)])
        for (const auto& f : FormsOf(top_[li], WnPos(p)))
          if (forced.insert(f.first).second) words.push_back(f.first);
  }
  const size_t formsEnd = words.size();
  // Then what fills the short lists of the frequent lemmas' first senses
  // ("camel"), while nodes last.
  {
    std::vector<std::vector<std::string>> all(meanings_.size());
    for (size_t oi = 0; oi < order_.size(); ++oi) all[order_[oi]] = lists[oi];
    for (const std::string& l : top_)
      for (const auto* e : wn_.Lookup(l)) {
        if (e->synsets.empty() || meaningOfSynset_[e->synsets[0]] < 0 ||
            !taken[size_t(meaningOfSynset_[e->synsets[0]])])
          continue;
        for (const auto& w : FillWords(meanings_[size_t(meaningOfSynset_[e->synsets[0]])], all))
          if (forced.insert(w).second) words.push_back(w);
      }
  }
  AppendByWorth(worth, forced, words);
  size_t lo = LongestFit(words, wx::kThesaurusMaxNodes, bar);
  if (lo < formsEnd)
    throw std::runtime_error("the frequent lemmas and their forms need more nodes than there are");
  wordsLeftOut_ = words.size() - lo;
  nodesForNames_ = ThesaurusWriter::CountNodes({words.begin(), words.begin() + long(formsBegin)});
  nodesForFirstForms_ =
      ThesaurusWriter::CountNodes({words.begin(), words.begin() + long(formsEnd)}) - nodesForNames_;
  present_.clear();
  present_.insert(words.begin(), words.begin() + long(formsBegin));
  present_.insert(words.begin() + long(formsEnd), words.begin() + long(lo));
}

// The words a meaning lists (display forms). Without withBroader, all that it
// could bring into the file: its own words and similar and related ones. With
// it, what the file lists: those of them in the file, and for a short list
// broader and then narrower words in the file.
std::vector<std::string> Builder::ListOf(const Meaning& m, bool withBroader, bool allTerse) const {
  std::set<std::string> antonyms;
  for (uint32_t s : m.members)
    for (const auto& p : wn_.synsets[s].pointers)
      if (p.symbol == "!")
        for (const auto& w : wn_.synsets[p.target].words) antonyms.insert(Display(w.lemma));

  // Short words and abbreviations come last, after the words that fill a
  // short list, unless the meaning is named by one (or, before it is named,
  // has nothing else): they are no word a writer picks, but one who looks
  // up "lb" still finds its meaning.
  bool terseAllowed = true;
  if (withBroader && !m.head.empty()) {
    terseAllowed = Terse(m.head);
  } else {
    for (const auto& w : m.words) terseAllowed = terseAllowed && Terse(Display(w));
  }
  std::vector<std::string> list, terse;
  std::set<std::string> in;
  // A group's words in order of how often a writer uses each in this sense:
  // its tag count here, plus its other use shared among its meanings.
  auto addGroup = [&](std::vector<const WnWord*> group) {
    std::vector<std::pair<double, const WnWord*>> ranked;
    for (const WnWord* w : group) {
      std::string l = Lower(w->lemma);
      ranked.emplace_back(double(w->tagCount) + UseAsWord(l) / double(Senses(l)), w);
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [rank, w] : ranked) {
      std::string d = Display(w->lemma);
      if (withBroader && !present_.count(d)) continue;
      if (!antonyms.count(d) && in.insert(d).second) (!terseAllowed && Terse(d) ? terse : list).push_back(d);
    }
  };
  auto wordsOf = [&](uint32_t s, std::vector<const WnWord*>& out) {
    for (const auto& w : wn_.synsets[s].words) out.push_back(&w);
  };
  // Synonyms.
  std::vector<const WnWord*> group;
  wordsOf(m.members[0], group);
  addGroup(group);
  // Similar and related: the cluster's satellites, "also see", verb groups.
  group.clear();
  for (size_t i = 1; i < m.members.size(); ++i) wordsOf(m.members[i], group);
  for (uint32_t s : m.members)
    for (const auto& p : wn_.synsets[s].pointers)
      if (p.symbol == "^" || p.symbol == "$") wordsOf(p.target, group);
  addGroup(group);
  // An adverb's short list takes the adverbs of the adjectives it comes from
  // and of their clusters ("simultaneously": "concurrently").
  if (m.pos == WnPos::Adv && list.size() < kShortList) {
    group.clear();
    for (uint32_t s : m.members)
      for (const auto& p : wn_.synsets[s].pointers) {
        if (p.symbol != "\\" || wn_.synsets[p.target].pos != WnPos::Adj) continue;
        int32_t cluster = meaningOfSynset_[p.target];
        std::vector<uint32_t> adjectives{p.target};
        if (cluster >= 0) adjectives = meanings_[size_t(cluster)].members;
        for (uint32_t a : adjectives) {
          auto it = adverbsOf_.find(a);
          if (it == adverbsOf_.end()) continue;
          for (uint32_t adv : it->second)
            if (adv != s) wordsOf(adv, group);
        }
      }
    addGroup(group);
  }
  if (!withBroader) {
    list.insert(list.end(), terse.begin(), terse.end());
    return list;
  }
  // Broader, then narrower words for a short list, up to a few: only words
  // in the file for other reasons.
  for (const char* kind : {"@", "~"}) {
    if (list.size() >= kShortList) break;
    group.clear();
    for (const auto& p : wn_.synsets[m.members[0]].pointers)
      if (p.symbol == kind)
        for (const auto& w : wn_.synsets[p.target].words)
          if (present_.count(Display(w.lemma))) group.push_back(&w);
    addGroup(group);
    if (list.size() > kFilledList) list.resize(kFilledList);
  }
  // They never stand among the first three (allTerse: all of them, to tell
  // whether the meaning has something to offer those who look them up).
  if (allTerse || list.size() >= kShortList) list.insert(list.end(), terse.begin(), terse.end());
  return list;
}

// The words that fill a short list when they are in the file: for a meaning
// whose own and related words (lists, by meaning) are fewer than three, the
// first word of each broader and then each narrower meaning, as many as
// bring it to three.
std::vector<std::string> Builder::FillWords(const Meaning& m,
                                            const std::vector<std::vector<std::string>>& lists) const {
  std::vector<std::string> out;
  size_t at = size_t(&m - meanings_.data());
  size_t plain = 0;  // the words a writer would pick
  for (const auto& w : lists[at]) plain += !Terse(w);
  if (plain >= kShortList) return out;
  for (const char* kind : {"@", "~"})
    for (const auto& p : wn_.synsets[m.members[0]].pointers)
      if (p.symbol == kind && plain + out.size() < kShortList &&
          !wn_.synsets[p.target].words.empty()) {
        std::string d = Display(wn_.synsets[p.target].words[0].lemma);
        if (!Terse(d)) out.push_back(d);
      }
  return out;
}

void Builder::Write(const std::string& outFile) {
  ThesaurusWriter tw;
  tw.header = "Wendrix thesaurus data\r\nMade by build-thesaurus from WordNet 3.0 "
              "(Princeton University); see the WordNet licence.\r\n";
  tw.name = "English";
  tw.kindNames = {"word form", "noun", "verb", "adjective", "adverb"};

  std::unordered_map<std::string, uint32_t> ids;  // display form -> word number
  auto word = [&](const std::string& d) {
    auto it = ids.find(d);
    if (it != ids.end()) return it->second;
    return ids[d] = tw.AddWord(d);
  };

  // Entries: per head word, one entry for each meaning of a part of speech.
  Progress bar("writing meanings");
  std::map<std::string, std::array<std::vector<uint32_t>, 4>> byHead;
  for (uint32_t i : order_) byHead[meanings_[i].head][size_t(meanings_[i].pos)].push_back(i);
  std::array<size_t, 4> byKind{};
  size_t done = 0;
  for (const auto& [head, perPos] : byHead) {
    size_t n = 0;
    for (const auto& v : perPos) n = std::max(n, v.size());
    for (size_t k = 0; k < n; ++k) {
      std::array<std::vector<uint32_t>, 4> lists;
      for (size_t p = 0; p < 4; ++p) {
        if (k >= perPos[p].size()) continue;
        for (const auto& w : ListOf(meanings_[perPos[p][k]], true)) lists[p].push_back(word(w));
        ++byKind[p];
        bar.Update(++done, order_.size());
      }
      uint32_t e = tw.AddEntry(word(head), lists);
      for (size_t p = 0; p < 4; ++p)
        if (k < perPos[p].size()) meanings_[perPos[p][k]].entry = e;
    }
  }
  bar.Done();

  // References of each word: its most used senses first.
  struct Ref {
    uint32_t entry;
    uint8_t kind;
    uint32_t tag;
    size_t order;
    bool form = false;  // from an inflected form to its base word's meaning
  };
  std::vector<std::vector<Ref>> refs(tw.WordCount());
  auto refsOf = [&](uint32_t id) -> std::vector<Ref>& {
    if (refs.size() <= id) refs.resize(id + 1);
    return refs[id];
  };
  for (size_t oi = 0; oi < order_.size(); ++oi) {
    const Meaning& m = meanings_[order_[oi]];
    // Each word refers to its meanings; a word typed in lower case also to
    // the meanings of its capitalised forms ("be": "Be", beryllium).
    for (const auto& lemma : m.words)
      for (const std::string& d : {Display(lemma), Display(Lower(lemma))}) {
        if (!present_.count(d)) continue;
        auto& r = refsOf(word(d));
        if (r.empty() || r.back().entry != m.entry || r.back().kind != int(m.pos) + 1)
          r.push_back({m.entry, uint8_t(int(m.pos) + 1), TagIn(m, Lower(lemma)), oi});
      }
  }
  for (auto& r : refs)
    std::stable_sort(r.begin(), r.end(), [](const Ref& a, const Ref& b) {
      return a.tag != b.tag ? a.tag > b.tag : a.order < b.order;
    });

  // Inflected forms of frequent lemmas while nodes remain. A word-form
  // reference (kind 0) shows the first list of its entry that holds the
  // entry's head word: the list of the entry's first part of speech.
  std::vector<uint8_t> firstPos(tw.EntryCount(), 4);
  for (uint32_t i : order_)
    firstPos[meanings_[i].entry] = std::min<uint8_t>(firstPos[meanings_[i].entry], uint8_t(meanings_[i].pos));
  struct Form {
    std::string text;
    std::vector<Ref> refs;
    bool regular;
  };
  std::vector<Form> forms;
  {
    Progress fbar("choosing inflected forms");
    std::unordered_map<std::string, size_t> formAt;
    for (size_t li = 0; li < top_.size(); ++li) {
      fbar.Update(li, top_.size());
      auto it = ids.find(Display(top_[li]));
      if (it == ids.end() || it->second >= refs.size()) continue;
      for (int p = 0; p < 4; ++p) {
        std::vector<Ref> r;
        for (const Ref& x : refs[it->second])
          if (x.kind == p + 1)
            r.push_back({x.entry, uint8_t(firstPos[x.entry] == p ? 0 : p + 1), x.tag, x.order, true});
        if (r.empty()) continue;
        for (const auto& [t, regular] : FormsOf(top_[li], WnPos(p))) {
          if (t == top_[li]) continue;
          auto at = formAt.find(t);
          if (at == formAt.end()) {
            formAt.emplace(t, forms.size());
            forms.push_back({t, r, regular});
          } else {
            auto& more = forms[at->second].refs;
            more.insert(more.end(), r.begin(), r.end());
          }
        }
      }
    }
  }
  // Forms that are words already only gain references; new ones need
  // nodes: the longest run of them that fits.
  std::vector<std::string> words;
  for (uint32_t i = 0; i < tw.WordCount(); ++i) words.push_back(tw.Word(i));
  std::vector<size_t> newForms;
  for (size_t i = 0; i < forms.size(); ++i)
    if (!ids.count(forms[i].text)) newForms.push_back(i);
  size_t lo = 0;
  {
    Progress fbar("fitting inflected forms");
    const size_t known = words.size();
    for (size_t i : newForms) words.push_back(forms[i].text);
    lo = std::max(LongestFit(words, wx::kThesaurusMaxNodes, fbar), known) - known;
  }
  std::set<size_t> dropped;
  for (size_t i = lo; i < newForms.size(); ++i) dropped.insert(newForms[i]);
  size_t regularKept = 0, irregularKept = 0, formRefsAdded = 0;
  for (size_t i = 0; i < forms.size(); ++i) {
    if (dropped.count(i)) continue;
    bool isNew = !ids.count(forms[i].text);
    auto& r = refsOf(word(forms[i].text));
    for (const Ref& x : forms[i].refs) {
      bool dup = false;
      for (const Ref& y : r) dup = dup || y.entry == x.entry;
      if (!dup) r.push_back(x), ++formRefsAdded;
    }
    // A form that is a word of its own ("spent", "building") shows its own
    // adjective meanings first: a participle used as an adjective is what
    // the writer selected. Then its base word's meanings and its own others
    // by use, a base word's sense counting half, since the form names it
    // only in part ("building" stays a noun first, "chosen" a verb).
    std::stable_sort(r.begin(), r.end(), [](const Ref& a, const Ref& b) {
      bool adjA = !a.form && a.kind == 3, adjB = !b.form && b.kind == 3;
      if (adjA != adjB) return adjA;
      double ta = a.form ? a.tag / 2.0 : a.tag, tb = b.form ? b.tag / 2.0 : b.tag;
      return ta > tb;
    });
    if (isNew) (forms[i].regular ? regularKept : irregularKept) += 1;
  }

  size_t cut = 0;
  for (uint32_t id = 0; id < refs.size(); ++id) {
    auto& r = refs[id];
    if (r.size() > wx::kThesaurusMaxFanout) cut += r.size() - wx::kThesaurusMaxFanout, r.resize(wx::kThesaurusMaxFanout);
    for (const Ref& x : r) tw.AddReference(id, x.entry, x.kind);
  }

  ThesaurusWriter::Stats stats;
  std::string bytes = tw.Build(&stats);
  if (!wx::WriteFileAtomically(outFile, bytes))
    throw std::runtime_error("cannot write " + outFile);

  // Read the file back with the program's reader and measure the coverage:
  // frequent lemmas, typed as WordNet writes them, found with a meaning.
  wx::TThesaurusFile check;
  if (!check.LoadFromBytes(bytes)) throw std::runtime_error("the written file does not load");
  auto isFound = [&](const std::string& l) {
    std::string typed = Display(l), capital = typed;
    capital[0] = char(std::toupper(uint8_t(capital[0])));
    return (check.Lookup(typed) && !check.Contexts().empty()) ||
           (check.Lookup(capital) && !check.Contexts().empty());
  };
  size_t found = 0;
  for (const auto& l : top_) {
    bool ok = isFound(l);
    found += ok;
    if (!ok && std::getenv("WX_SHOW_MISSING")) std::fprintf(stderr, "missing: %s\n", l.c_str());
  }
  std::array<size_t, 2> foundByTags{};  // of the first 10,000 and of all
  for (size_t i = 0; i < byTags_.size(); ++i)
    if (isFound(byTags_[i])) foundByTags[1] += 1, foundByTags[0] += i < 10000;

  size_t properTaken = 0;
  for (uint32_t i : order_) properTaken += meanings_[i].proper;
  std::printf("Thesaurus written to %s (%zu bytes)\n", outFile.c_str(), stats.bytes);
  std::printf("  meanings:   %zu (%zu nouns, %zu verbs, %zu adjective clusters, %zu adverbs)\n",
              order_.size(), byKind[0], byKind[1], byKind[2], byKind[3]);
  std::printf("  entries:    %zu of %u\n", stats.entries, wx::kThesaurusMaxEntries);
  std::printf("  words:      %zu (%zu regular and %zu irregular inflected forms added)\n", stats.words,
              regularKept, irregularKept);
  std::printf("  references: %zu (%zu from inflected forms to their base word's meanings)\n",
              stats.references, formRefsAdded);
  std::printf("  nodes:      %zu of %u (%zu in shared word-ending chains): %zu for the frequent lemmas,\n"
              "              context words and first-sense synonyms, %zu for the forms of the %zu most\n"
              "              frequent lemmas, the rest for other listed words and forms\n",
              stats.nodes, wx::kThesaurusMaxNodes, stats.chainNodes, nodesForNames_,
              nodesForFirstForms_, kFormFirstLemmas);
  std::printf("  left out:   %zu words that the meanings list, for nodes;\n"
              "              %zu of %zu meanings without a context word or a second word in the file,\n"
              "              %zu more for entries; %zu proper names (%zu kept: the main sense of a\n"
              "              frequent lemma); %zu inflected forms for nodes; %zu references over %u\n",
              wordsLeftOut_, candidates_ - (order_.size() - properTaken) - leftForEntries_, candidates_,
              leftForEntries_, properNames_ - properTaken, properTaken, newForms.size() - lo, cut,
              wx::kThesaurusMaxFanout);
  std::printf("  coverage:   %zu of %zu (%.1f%%) of the most frequent lemmas are found with a meaning\n",
              found, top_.size(), top_.empty() ? 0.0 : 100.0 * found / top_.size());
  std::printf("              by tag counts alone: %zu of the first %zu, %zu of %zu\n", foundByTags[0],
              std::min<size_t>(10000, byTags_.size()), foundByTags[1], byTags_.size());
}

void Builder::Run(const std::string& outFile) {
  MakeMeanings();
  CountUse();
  RankLemmas();
  ChooseMeanings();
  RefitWords();
  Write(outFile);
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string listFile, commonFile;
  while (args.size() >= 2 && (args[0] == "--words" || args[0] == "--common")) {
    (args[0] == "--words" ? listFile : commonFile) = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: build-thesaurus [--words LIST] [--common LIST] WORDNET_DIR OUTFILE\n");
    return 2;
  }
  try {
    auto read = [](const std::string& file) {
      std::unordered_set<std::string> words;
      if (file.empty()) return words;
      std::ifstream in(file);
      if (!in) throw std::runtime_error("cannot open " + file);
      std::string line;
      while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) words.insert(line);
      }
      return words;
    };
    std::unordered_set<std::string> wordList = read(listFile), commonWords = read(commonFile);
    WordNet wn;
    wn.Load(args[0], true);
    Builder(wn, std::move(wordList), std::move(commonWords)).Run(args[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "build-thesaurus: %s\n", e.what());
    return 1;
  }
  return 0;
}
