#include "spelling/PhoneticsMap.h"

#include <algorithm>
#include <cstring>

#include "common/AnsiText.h"
#include "spelling/MainDictionaryIndex.h"

namespace wx {

TPhoneticsMap::TPhoneticsMap() = default;

namespace {

const std::array<uint8_t, 256>& LowerTable() {
  static const std::array<uint8_t, 256> table = [] {
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = AnsiLowerChar(static_cast<uint8_t>(c));
    return t;
  }();
  return table;
}

}  // namespace

void TPhoneticsMap::Clear() {
  TReplaceNode::Clear();
  flatDirty_ = true;
  if (!loading_) pristine_ = false;
}

void TPhoneticsMap::Add(std::string_view source, std::string_view destination, int sourceLength) {
  TReplaceNode::Add(source, destination, sourceLength);
  flatDirty_ = true;
  if (!loading_) pristine_ = false;
}

TPhoneticsMap::RuleSet TPhoneticsMap::RuleSetOf(int language) {
  switch (language & 0xFF) {
    case 0x09: return kEnglish;
    case 0x19: return kRussian;
    case 0x0C: return kFrench;
    default: return kGeneric;
  }
}

void TPhoneticsMap::SwapWith(StoredRules& stored) {
  SwapRules(stored.trie);
  flat_.swap(stored.flat);
  std::swap(flatDirty_, stored.flatDirty);
  std::swap(rulesHash_, stored.rulesHash);
}

void TPhoneticsMap::Flatten() {
  for (auto& v : *flat_) v.clear();
  ForEachRule([this](const std::string& source, const std::string& dest, int length) {
    (*flat_)[static_cast<uint8_t>(source[0])].push_back({source, dest, length});
  });
  for (auto& v : *flat_)
    std::stable_sort(v.begin(), v.end(),
                     [](const FlatRule& a, const FlatRule& b) { return a.source.size() > b.source.size(); });
  // The rules in the order the coder tries them decide every code.
  std::string all;
  for (const auto& v : *flat_)
    for (const FlatRule& r : v) {
      all += r.source;
      all += '\0';
      all += r.destination;
      all += '\0';
      all += std::to_string(r.sourceLength);
      all += '\0';
    }
  rulesHash_ = IndexHash(reinterpret_cast<const uint8_t*>(all.data()), all.size(), 0x52554C45);
  flatDirty_ = false;
}

void TPhoneticsMap::SetStartDepth(int value) {
  if (value > 0) startDepth_ = value;
}

void TPhoneticsMap::SetLanguage(int language) {
  if (language == language_) return;
  if (language_ != -1 && pristine_) {
    // Keep the set in use for a later switch back.
    StoredRules& keep = stored_[RuleSetOf(language_)];
    if (keep.trie.HasChildren()) keep.trie.Clear();
    SwapWith(keep);
    keep.valid = true;
  }
  language_ = language;
  StoredRules& next = stored_[RuleSetOf(language)];
  loading_ = true;
  if (HasChildren()) Clear();  // after keeping the set in use, nothing is left to clear
  if (next.valid) {
    SwapWith(next);
    next.valid = false;
  } else {
    switch (RuleSetOf(language)) {
      case kEnglish: AddEnglish(); break;
      case kRussian: AddRussian(); break;
      case kFrench: AddFrench(); break;
      default: AddGeneric(); break;
    }
  }
  loading_ = false;
  pristine_ = true;
}

void TPhoneticsMap::AddEnglish() {
  Add("b", "b", 1);
  Add("cia", "x", 1);
  Add("ch", "x", 2);
  for (const char* s : {"ci", "ce", "cy"}) Add(s, "s", 1);
  Add("c", "k", 1);
  for (const char* s : {"dge", "dgy", "dgi"}) Add(s, "j", 2);
  Add("d", "t", 1);
  Add("f", "f", 1);
  for (const char* s : {"gha", "ghe", "ghi", "gho", "ghu", "ghy"}) Add(s, "k", 2);
  Add("gh", "", 2);
  Add("gn", "n", 2);
  for (const char* s : {"gi", "ge", "gy"}) Add(s, "j", 1);
  Add("g", "k", 1);
  Add("h", "h", 1);
  static const char vowels[] = "aeiou";
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) Add(std::string{vowels[i], 'h', vowels[j]}, "h", 2);
  for (const char* s : {"ah", "eh", "ih", "oh", "uh"}) Add(s, "", 2);
  Add("j", "j", 1);
  Add("ck", "k", 2);
  Add("k", "k", 1);
  Add("l", "l", 1);
  Add("m", "m", 1);
  Add("n", "n", 1);
  Add("ph", "f", 2);
  Add("p", "p", 1);
  Add("q", "k", 1);
  Add("r", "r", 1);
  Add("sh", "x", 2);
  for (const char* s : {"sio", "sia"}) Add(s, "x", 1);
  Add("s", "s", 1);
  for (const char* s : {"tia", "tio"}) Add(s, "x", 1);
  Add("th", "0", 2);
  Add("tch", "x", 3);
  Add("t", "t", 1);
  Add("v", "f", 1);
  for (const char* s : {"wa", "we", "wi", "wo", "wu", "wy"}) Add(s, "w", 1);
  Add("x", "ks", 1);
  for (const char* s : {"ya", "ye", "yi", "yo", "yu"}) Add(s, "y", 1);
  Add("yy", "y", 2);
  Add("z", "s", 1);
}

void TPhoneticsMap::AddRussian() {
  // Windows-1251 letters.
  constexpr char be = '\xE1', ve = '\xE2', ge = '\xE3', de = '\xE4', ye = '\xE5', zhe = '\xE6',
                 ze = '\xE7', i = '\xE8', ka = '\xEA', el = '\xEB', em = '\xEC', en = '\xED',
                 o = '\xEE', pe = '\xEF', er = '\xF0', es = '\xF1', te = '\xF2', u = '\xF3',
                 che = '\xF7', sha = '\xF8', shcha = '\xF9', yery = '\xFB', soft = '\xFC',
                 yu = '\xFE', a = '\xE0';
  for (char c : {be, ve, ge, el, em, en, pe, er, es, te}) Add(std::string{c}, std::string{c, soft}, 1);
  Add(std::string{shcha}, std::string{sha, soft}, 1);
  Add(std::string{ze}, std::string{es}, 1);
  Add(std::string{zhe}, std::string{sha}, 1);
  Add(std::string{ka}, std::string{ge}, 1);
  Add(std::string{o}, std::string{a}, 1);
  Add(std::string{de}, std::string{te}, 1);
  Add(std::string{o, er, o}, std::string{o, er, a}, 3);
  Add(std::string{o, el, o}, std::string{o, el, a}, 3);
  Add(std::string{en, en}, std::string{en}, 2);
  Add(std::string{es, es}, std::string{es}, 2);
  Add(std::string{ye, ye}, std::string{ye}, 2);
  Add(std::string{zhe, i}, std::string{zhe, yery}, 2);
  Add(std::string{sha, i}, std::string{sha, yery}, 2);
  Add(std::string{shcha, u}, std::string{sha, yu}, 2);
  Add(std::string{es, che}, std::string{shcha}, 2);
  Add(std::string{es, sha}, std::string{sha}, 1);
}

void TPhoneticsMap::AddFrench() {
  static const char* const rules[][2] = {{"b", "b"}, {"p", "b"}, {"c", "c"}, {"k", "c"}, {"q", "c"},
                                         {"d", "d"}, {"t", "d"}, {"l", "l"}, {"m", "m"}, {"n", "m"},
                                         {"r", "r"}, {"g", "g"}, {"j", "g"}, {"x", "x"}, {"z", "x"},
                                         {"s", "x"}, {"f", "f"}, {"v", "f"}};
  for (const auto& r : rules) Add(r[0], r[1], 1);
}

void TPhoneticsMap::AddGeneric() {
  for (const char* s : {"b", "f", "p", "v"}) Add(s, "b", 1);
  for (const char* s : {"c", "g", "j", "k", "q", "s", "x", "z"}) Add(s, "k", 1);
  for (const char* s : {"d", "t"}) Add(s, "d", 1);
  Add("l", "l", 1);
  for (const char* s : {"m", "n"}) Add(s, "m", 1);
  Add("r", "r", 1);
}

uint8_t TPhoneticsMap::Steps::Lower(uint8_t c) const { return LowerTable()[c]; }

TCodeStepper::State TPhoneticsMap::Steps::Begin() const {
  State s;
  s.remaining = map_.Limit;
  return s;
}

template <bool kSettling>
bool TPhoneticsMap::Steps::Step(const char* w, size_t n, State& s, std::string& code) const {
  const FlatRule* match = nullptr;
  const size_t left = n - s.pos;
  for (const FlatRule& r : (*map_.flat_)[static_cast<uint8_t>(w[s.pos])]) {
    // The first byte matches by construction; rules are a few bytes long.
    const size_t len = r.source.size();
    const char* src = r.source.data();
    if (len > left) {
      if (kSettling) {
        // A longer rule whose start matches all that is there may match once
        // more letters follow: undecided.
        size_t i = 1;
        while (i < left && src[i] == w[s.pos + i]) ++i;
        if (i == left) return false;
      }
      continue;
    }
    size_t i = 1;
    while (i < len && src[i] == w[s.pos + i]) ++i;
    if (i == len) {
      match = &r;
      break;
    }
  }
  if (!match) {
    ++s.pos;
    return true;
  }
  const std::string& dest = match->destination;
  const size_t step = match->sourceLength > 0 ? static_cast<size_t>(match->sourceLength) : 1;
  if (map_.RemoveDupes && !code.empty() && match->sourceLength == 1 && !dest.empty() && code.back() == dest[0]) {
    s.pos += step;
    return true;
  }
  code += dest;
  s.remaining -= static_cast<int>(dest.size());
  if (s.remaining <= 0) {
    s.done = true;
    return true;
  }
  s.pos += step;
  return true;
}

void TPhoneticsMap::Steps::Settle(const char* w, size_t k, State& s, std::string& code) const {
  code.resize(s.codeLen);
  if (s.done) return;
  const size_t verbatim = std::min(static_cast<size_t>(map_.startDepth_), k);
  while (s.pos < verbatim) code.push_back(w[s.pos++]);
  while (!s.done && s.pos < k && Step<true>(w, k, s, code)) {
  }
  s.codeLen = code.size();
}

void TPhoneticsMap::Steps::Finish(const char* w, size_t n, const State& from, std::string& code) const {
  State s = from;
  code.resize(s.codeLen);
  if (s.done) return;
  const size_t verbatim = std::min(static_cast<size_t>(map_.startDepth_), n);
  while (s.pos < verbatim) code.push_back(w[s.pos++]);
  while (!s.done && s.pos < n) Step<false>(w, n, s, code);
}

const TCodeStepper* TPhoneticsMap::Stepper() {
  if (flatDirty_) Flatten();
  return &steps_;
}

uint64_t TPhoneticsMap::CodeFingerprint() {
  if (flatDirty_) Flatten();
  const std::string settings = std::to_string(startDepth_) + ',' + std::to_string(Limit) + ',' +
                               (RemoveDupes ? "1" : "0");
  const uint64_t h =
      IndexHash(reinterpret_cast<const uint8_t*>(settings.data()), settings.size(), rulesHash_);
  return h ? h : 1;
}

void TPhoneticsMap::BuildCode(std::string_view word, std::string& code) {
  if (flatDirty_) Flatten();
  // Lower-case into a small local buffer: this runs for every word of a
  // sound-alike search.
  const auto& lower = LowerTable();
  char buf[TCodeStepper::kMaxCoded];
  const size_t n = std::min(word.size(), sizeof buf);
  for (size_t i = 0; i < n; ++i) buf[i] = static_cast<char>(lower[static_cast<uint8_t>(word[i])]);
  steps_.Finish(buf, n, steps_.Begin(), code);
}

bool TPhoneticsMap::DistanceAcceptable(std::string_view word, int distance) const {
  return distance <= static_cast<int>(word.size()) / distanceDivisor_ && distance <= DistanceMax;
}

}  // namespace wx
