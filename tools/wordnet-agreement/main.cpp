// wordnet-agreement: compares the senses our definitions database finds for
// a fixed sample of words (base words and inflected forms) with what
// WordNet's own program reports for them (`wn WORD -over`, which also looks
// up the base forms WordNet's morphology finds). A sense is its part of
// speech, its words and its gloss. Every difference is listed with its kind.
//
//   wordnet-agreement [--words N] [Definitions.ydd] [WORDNET_DIR]
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/AnsiText.h"
#include "definitions/DefinitionsDatabase.h"
#include "definitions/DefinitionsError.h"
#include "definitions/IndexKey.h"
#include "tools/lib/WordNet.h"
#include "tools/lib/WordSample.h"

namespace {

const char* const kPos[4] = {"noun", "verb", "adj", "adv"};

struct Sense {
  int pos = 0;
  std::string lemma;  // the word it was found under (our head word, wn's overview word)
  std::string words;  // the meaning's words joined by ", " in their order
  std::string gloss;
};

// The database's text packing writes a grave accent as an apostrophe, so
// WordNet's `quoted' glosses are compared with that done.
std::string Key(const Sense& s) {
  std::string gloss = s.gloss;
  for (char& c : gloss)
    if (c == '`') c = '\'';
  return std::to_string(s.pos) + "|" + s.words + "|" + gloss;
}

std::string Quote(const std::string& w) {
  std::string q = "'";
  for (char c : w) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs wn WORD -over and parses its overviews.
std::vector<Sense> WordNetSenses(const std::string& word) {
  std::vector<Sense> out;
  std::string cmd = "wn " + Quote(word) + " -over 2>/dev/null";
  FILE* p = popen(cmd.c_str(), "r");
  if (!p) return out;
  std::string all;
  std::array<char, 65536> buf;
  size_t n;
  while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) all.append(buf.data(), n);
  pclose(p);
  int pos = -1;
  std::string lemma;
  size_t start = 0;
  while (start < all.size()) {
    size_t end = all.find('\n', start);
    if (end == std::string::npos) end = all.size();
    std::string line = all.substr(start, end - start);
    start = end + 1;
    if (line.rfind("Overview of ", 0) == 0) {
      std::string rest = line.substr(12);
      size_t blank = rest.find(' ');
      pos = -1;
      for (int i = 0; i < 4; ++i)
        if (rest.substr(0, blank) == kPos[i]) pos = i;
      lemma = rest.substr(blank + 1);
      continue;
    }
    if (pos < 0 || line.empty() || !isdigit(uint8_t(line[0]))) continue;
    size_t dot = line.find(". ");
    size_t dash = line.find(" -- (");
    if (dot == std::string::npos || dash == std::string::npos) continue;
    std::string words = line.substr(dot + 2, dash - dot - 2);
    if (!words.empty() && words[0] == '(') words = words.substr(words.find(") ") + 2);  // tag count
    Sense s;
    s.pos = pos;
    s.lemma = lemma;
    s.words = words;
    s.gloss = line.substr(dash + 5);
    if (!s.gloss.empty() && s.gloss.back() == ')') s.gloss.pop_back();
    out.push_back(s);
  }
  return out;
}

std::vector<Sense> OurSenses(wx::TDefinitionsDatabase& db, const std::string& word, int& ownSections) {
  std::vector<Sense> out;
  ownSections = 0;
  db.SearchWord(word);
  const wx::TWordLookup& r = db.Lookup();
  for (int i = 0; i < r.SenseCount(); ++i) {
    const wx::TSynset& m = r.Sense(i);
    if (m.partOfSpeech > 3) {
      ++ownSections;  // our own function words: WordNet has none
      continue;
    }
    Sense s;
    s.pos = m.partOfSpeech;
    s.lemma = m.headWord;
    for (size_t j = 0; j < m.wordsAsRead.size(); ++j) s.words += (j ? ", " : "") + m.wordsAsRead[j];
    s.gloss = m.gloss;
    out.push_back(s);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  size_t lemmas = 1200, inflected = 500;
  std::vector<std::string> pos;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--words" && i + 1 < argc) {
      size_t total = size_t(std::atol(argv[++i]));
      lemmas = total * 7 / 10;
      inflected = total - lemmas;
    } else {
      pos.push_back(a);
    }
  }
  std::string file = pos.size() > 0 ? pos[0] : "build/data/Definitions.ydd";
  std::string dir = pos.size() > 1 ? pos[1] : "/usr/share/wordnet";
  wx::tools::WordNet wn;
  wn.Load(dir, false);
  std::vector<std::string> words = wx::tools::SampleWords(wn, lemmas, inflected);
  wx::TDefinitionsDatabase db;
  db.SetDatabaseFile(file);

  size_t graveAccents = 0;
  size_t agreeWords = 0, ourTotal = 0, wnTotal = 0, matched = 0, ownSenses = 0, wordsWithOwn = 0;
  std::map<std::string, std::vector<std::string>> differences;  // kind -> lines
  for (size_t wi = 0; wi < words.size(); ++wi) {
    const std::string& word = words[wi];
    int own = 0;
    std::vector<Sense> ours = OurSenses(db, word, own);
    ownSenses += size_t(own);
    wordsWithOwn += own > 0;
    std::vector<Sense> theirs = WordNetSenses(word);
    ourTotal += ours.size();
    wnTotal += theirs.size();
    std::multiset<std::string> theirKeys, ourKeys;
    for (const auto& s : theirs) theirKeys.insert(Key(s));
    for (const auto& s : ours) ourKeys.insert(Key(s));
    bool same = true;
    const std::string key = wx::NormalizeKey(word);
    for (const auto& s : ours) {
      auto it = theirKeys.find(Key(s));
      if (it != theirKeys.end()) {
        theirKeys.erase(it);
        ++matched;
        if (s.gloss.find('\'') != std::string::npos) {
          for (const auto& t : theirs)
            if (Key(t) == Key(s) && t.gloss != s.gloss) {
              ++graveAccents;
              break;
            }
        }
        continue;
      }
      same = false;
      std::string kind;
      if (wx::NormalizeKey(s.lemma) == key)
        kind = "ours only: a word written with other punctuation, case or blanks (one index key)";
      else
        kind = "ours only: a base form our word-form rules give and WordNet's morphology does not";
      differences[kind].push_back(word + " -> " + kPos[s.pos] + " " + s.lemma + ": " + s.words + " -- " +
                                  s.gloss.substr(0, 70));
    }
    for (const auto& s : theirs) {
      auto it = ourKeys.find(Key(s));
      if (it != ourKeys.end()) {
        ourKeys.erase(it);
        continue;
      }
      same = false;
      std::string kind;
      if (wx::NormalizeKey(s.lemma) == key)
        kind = "WordNet only: the word itself";
      else
        kind = "WordNet only: a base form WordNet's morphology gives and our word-form rules do not";
      differences[kind].push_back(word + " -> " + kPos[s.pos] + " " + s.lemma + ": " + s.words + " -- " +
                                  s.gloss.substr(0, 70));
    }
    agreeWords += same;
    if ((wi & 63) == 0) std::fprintf(stderr, "\rchecking %zu/%zu", wi, words.size());
  }
  std::fprintf(stderr, "\r%40s\r", "");
  std::printf("wordnet-agreement: %zu words (%zu WordNet lemmas and inflected forms)\n", words.size(), words.size());
  std::printf("  words with the same senses     %zu (%.1f%%)\n", agreeWords, 100.0 * agreeWords / words.size());
  std::printf("  senses: ours %zu, WordNet %zu, the same %zu\n", ourTotal, wnTotal, matched);
  std::printf("  of them with a grave accent written as an apostrophe %zu\n", graveAccents);
  std::printf("  our own function-word senses (not compared) %zu in %zu words\n", ownSenses, wordsWithOwn);
  for (const auto& [kind, lines] : differences) {
    std::printf("\n%s: %zu\n", kind.c_str(), lines.size());
    for (const auto& l : lines) std::printf("  %s\n", l.c_str());
  }
  return 0;
}
