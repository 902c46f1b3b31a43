// Reading the WordNet 3.0 database files. The files are plain text, one record
// a line; lines of data.* and index.* that begin with two blanks are the
// licence header and are skipped. Pointers name their target by part of
// speech and byte offset; they are resolved into synset indices once every
// data file is read.
#include "tools/lib/WordNet.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "tools/lib/Progress.h"

namespace wx::tools {

namespace {

const char* const kPosNames[4] = {"noun", "verb", "adj", "adv"};

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Splits a line into blank-separated fields (views into the line).
class Fields {
 public:
  Fields(std::string_view line, const std::string& where) : line_(line), where_(where) {}

  std::string_view Next() {
    while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
    size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] != ' ') ++pos_;
    if (start == pos_) Fail("line ends early");
    return line_.substr(start, pos_ - start);
  }
  uint32_t Number(int base) {
    std::string_view f = Next();
    uint32_t v = 0;
    auto [p, ec] = std::from_chars(f.data(), f.data() + f.size(), v, base);
    if (ec != std::errc() || p != f.data() + f.size()) Fail("bad number '" + std::string(f) + "'");
    return v;
  }
  bool AtEnd() {
    while (pos_ < line_.size() && line_[pos_] == ' ') ++pos_;
    return pos_ == line_.size();
  }
  // The text after "| " (the gloss), or empty.
  std::string_view Rest() const {
    size_t bar = line_.find('|', pos_);
    if (bar == std::string_view::npos) return {};
    std::string_view g = line_.substr(bar + 1);
    while (!g.empty() && g.front() == ' ') g.remove_prefix(1);
    while (!g.empty() && (g.back() == ' ' || g.back() == '\r')) g.remove_suffix(1);
    return g;
  }
  [[noreturn]] void Fail(const std::string& why) const {
    throw std::runtime_error(where_ + ": " + why + ": " + std::string(line_.substr(0, 60)));
  }

 private:
  std::string_view line_;
  const std::string& where_;
  size_t pos_ = 0;
};

bool PosFromChar(char c, WnPos& pos) {
  switch (c) {
    case 'n': pos = WnPos::Noun; return true;
    case 'v': pos = WnPos::Verb; return true;
    case 'a': case 's': pos = WnPos::Adj; return true;
    case 'r': pos = WnPos::Adv; return true;
    default: return false;
  }
}

uint64_t Key(WnPos pos, uint32_t offset) { return (uint64_t(pos) << 32) | offset; }

template <typename F>
void ForEachLine(const std::string& text, F&& f) {
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    f(line, pos);
    pos = end + 1;
  }
}

std::string Lower(std::string_view s) {
  std::string r(s);
  for (char& c : r)
    if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
  return r;
}

}  // namespace

void WordNet::Load(const std::string& dir, bool progress) {
  synsets.clear();
  index.clear();
  for (auto& e : exceptions) e.clear();
  byOffset_.clear();
  byLemma_.clear();

  struct RawPointer {
    WnPos pos;
    uint32_t offset;
  };
  std::vector<std::vector<RawPointer>> raw;  // per synset, parallel to pointers

  // Data files.
  for (int p = 0; p < 4; ++p) {
    std::string where = dir + "/data." + kPosNames[p];
    std::string text = ReadFile(where);
    std::unique_ptr<Progress> bar;
    if (progress) bar = std::make_unique<Progress>(std::string("reading data.") + kPosNames[p]);
    ForEachLine(text, [&](std::string_view line, size_t at) {
      if (bar) bar->Update(at, text.size());
      if (line.empty() || line[0] == ' ') return;
      Fields f(line, where);
      WnSynset s;
      s.offset = f.Number(10);
      s.lexFile = uint8_t(f.Number(10));
      std::string_view type = f.Next();
      if (type.size() != 1 || !PosFromChar(type[0], s.pos)) f.Fail("bad synset type");
      if (int(s.pos) != p) f.Fail("synset type does not match the file");
      s.satellite = type[0] == 's';
      uint32_t wcnt = f.Number(16);
      for (uint32_t i = 0; i < wcnt; ++i) {
        WnWord w;
        std::string_view lemma = f.Next();
        if (lemma.size() > 2 && lemma.back() == ')') {
          size_t open = lemma.rfind('(');
          if (open != std::string_view::npos && open > 0) {
            w.marker = std::string(lemma.substr(open + 1, lemma.size() - open - 2));
            lemma = lemma.substr(0, open);
          }
        }
        w.lemma = std::string(lemma);
        w.lexId = uint8_t(f.Number(16));
        s.words.push_back(std::move(w));
      }
      uint32_t pcnt = f.Number(10);
      std::vector<RawPointer> rp;
      for (uint32_t i = 0; i < pcnt; ++i) {
        WnPointer ptr;
        ptr.symbol = std::string(f.Next());
        uint32_t off = f.Number(10);
        std::string_view tpos = f.Next();
        WnPos tp;
        if (tpos.size() != 1 || !PosFromChar(tpos[0], tp)) f.Fail("bad pointer part of speech");
        uint32_t st = f.Number(16);
        ptr.source = uint16_t(st >> 8);
        ptr.dest = uint16_t(st & 0xff);
        s.pointers.push_back(std::move(ptr));
        rp.push_back({tp, off});
      }
      if (s.pos == WnPos::Verb) {
        std::string_view next = f.Next();
        if (next != "|") {
          uint32_t fcnt = 0;
          auto [q, ec] = std::from_chars(next.data(), next.data() + next.size(), fcnt);
          if (ec != std::errc() || q != next.data() + next.size()) f.Fail("bad frame count");
          for (uint32_t i = 0; i < fcnt; ++i) {
            if (f.Next() != "+") f.Fail("bad frame");
            uint8_t fnum = uint8_t(f.Number(10));
            uint8_t wnum = uint8_t(f.Number(16));
            s.frames.emplace_back(fnum, wnum);
          }
        }
      }
      s.gloss = std::string(f.Rest());
      byOffset_[Key(s.pos, s.offset)] = uint32_t(synsets.size());
      synsets.push_back(std::move(s));
      raw.push_back(std::move(rp));
    });
  }

  // Resolve pointer targets.
  for (size_t i = 0; i < synsets.size(); ++i) {
    for (size_t j = 0; j < raw[i].size(); ++j) {
      int64_t t = Find(raw[i][j].pos, raw[i][j].offset);
      if (t < 0)
        throw std::runtime_error("pointer to a missing synset " + std::to_string(raw[i][j].offset) +
                                 " from " + std::to_string(synsets[i].offset));
      synsets[i].pointers[j].target = uint32_t(t);
    }
  }

  // Index files.
  for (int p = 0; p < 4; ++p) {
    std::string where = dir + "/index." + kPosNames[p];
    std::string text = ReadFile(where);
    ForEachLine(text, [&](std::string_view line, size_t) {
      if (line.empty() || line[0] == ' ') return;
      Fields f(line, where);
      WnIndexEntry e;
      e.lemma = std::string(f.Next());
      std::string_view pos = f.Next();
      if (pos.size() != 1 || !PosFromChar(pos[0], e.pos) || int(e.pos) != p)
        f.Fail("bad part of speech");
      uint32_t scnt = f.Number(10);
      uint32_t pcnt = f.Number(10);
      for (uint32_t i = 0; i < pcnt; ++i) f.Next();
      uint32_t senseCnt = f.Number(10);
      if (senseCnt != scnt) f.Fail("sense counts differ");
      e.tagSenseCount = f.Number(10);
      for (uint32_t i = 0; i < scnt; ++i) {
        int64_t t = Find(e.pos, f.Number(10));
        if (t < 0) f.Fail("index names a missing synset");
        e.synsets.push_back(uint32_t(t));
      }
      byLemma_[e.lemma].push_back(uint32_t(index.size()));
      index.push_back(std::move(e));
    });
  }

  // Exception lists.
  for (int p = 0; p < 4; ++p) {
    std::string where = dir + "/" + kPosNames[p] + ".exc";
    std::string text = ReadFile(where);
    ForEachLine(text, [&](std::string_view line, size_t) {
      if (line.empty()) return;
      Fields f(line, where);
      std::string form(f.Next());
      auto& bases = exceptions[p][form];
      while (!f.AtEnd()) bases.emplace_back(f.Next());
      if (bases.empty()) f.Fail("exception without a base form");
    });
  }

  // Tag counts: "lemma%ss_type:lex_filenum:lex_id:head_word:head_id sense_number tag_cnt".
  // The sense key names the synset exactly (lexicographer file, the word's
  // lex id and, for satellites, the head adjective); the sense number is
  // used only when no synset matches the key.
  {
    std::string where = dir + "/cntlist.rev";
    std::string text = ReadFile(where);
    ForEachLine(text, [&](std::string_view line, size_t) {
      if (line.empty()) return;
      Fields f(line, where);
      std::string_view key = f.Next();
      uint32_t sense = f.Number(10);
      uint32_t count = f.Number(10);
      size_t pct = key.find('%');
      if (pct == std::string_view::npos || pct + 1 >= key.size()) f.Fail("bad sense key");
      std::string lemma = Lower(key.substr(0, pct));
      // ss_type, lex_filenum, lex_id, head_word, head_id
      std::string_view part[5];
      std::string_view rest = key.substr(pct + 1);
      for (int i = 0; i < 5; ++i) {
        size_t colon = rest.find(':');
        part[i] = rest.substr(0, colon);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
      }
      WnPos pos;
      bool satellite = part[0] == "5";
      switch (part[0].empty() ? '?' : part[0][0]) {
        case '1': pos = WnPos::Noun; break;
        case '2': pos = WnPos::Verb; break;
        case '3': case '5': pos = WnPos::Adj; break;
        case '4': pos = WnPos::Adv; break;
        default: f.Fail("bad sense key type");
      }
      auto number = [&](std::string_view t) {
        uint32_t v = 0;
        std::from_chars(t.data(), t.data() + t.size(), v);
        return v;
      };
      uint32_t lexFile = number(part[1]), lexId = number(part[2]), headId = number(part[4]);
      std::string headWord = Lower(part[3]);
      auto it = byLemma_.find(lemma);
      if (it == byLemma_.end()) return;
      for (uint32_t ei : it->second) {
        const WnIndexEntry& e = index[ei];
        if (e.pos != pos) continue;
        WnWord* target = nullptr;
        for (uint32_t si : e.synsets) {
          WnSynset& s = synsets[si];
          if (s.lexFile != lexFile || s.satellite != satellite) continue;
          WnWord* word = nullptr;
          for (WnWord& w : s.words)
            if (w.lexId == lexId && Lower(w.lemma) == lemma) word = &w;
          if (!word) continue;
          if (satellite) {
            bool headOk = false;
            for (const WnPointer& p : s.pointers) {
              if (p.symbol != "&") continue;
              for (const WnWord& h : synsets[p.target].words)
                headOk = headOk || (Lower(h.lemma) == headWord && h.lexId == headId);
            }
            if (!headOk) continue;
          }
          target = word;
          break;
        }
        if (!target && sense >= 1 && sense <= e.synsets.size()) {
          for (WnWord& w : synsets[e.synsets[sense - 1]].words)
            if (Lower(w.lemma) == lemma) target = &w;
        }
        if (target) target->tagCount += count;
        return;
      }
    });
  }
}

int64_t WordNet::Find(WnPos pos, uint32_t offset) const {
  auto it = byOffset_.find(Key(pos, offset));
  return it == byOffset_.end() ? -1 : int64_t(it->second);
}

std::vector<const WnIndexEntry*> WordNet::Lookup(const std::string& lemma) const {
  std::vector<const WnIndexEntry*> r;
  auto it = byLemma_.find(lemma);
  if (it != byLemma_.end())
    for (uint32_t i : it->second) r.push_back(&index[i]);
  return r;
}

uint32_t WordNet::LemmaTagCount(const std::string& lemma) const {
  uint32_t sum = 0;
  for (const WnIndexEntry* e : Lookup(lemma))
    for (uint32_t si : e->synsets)
      for (const WnWord& w : synsets[si].words)
        if (Lower(w.lemma) == lemma) sum += w.tagCount;
  return sum;
}

}  // namespace wx::tools
