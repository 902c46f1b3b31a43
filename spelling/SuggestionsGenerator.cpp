#include "spelling/SuggestionsGenerator.h"

#include "common/AnsiText.h"

namespace wx {

namespace {

std::string Bytes(std::initializer_list<int> list) {
  std::string s;
  for (int c : list) s.push_back(static_cast<char>(c));
  return s;
}

std::string Range(int from, int to) {
  std::string s;
  for (int c = from; c <= to; ++c) s.push_back(static_cast<char>(c));
  return s;
}

const std::string kTailLetters = Bytes({0xB8, 0xA8, 0xB9, 0xB3, 0xBF});

bool Has(const TSuggestionsGenerator::Letters& letters, char c) {
  const auto b = static_cast<uint8_t>(c);
  return (letters[b / 64] >> (b % 64)) & 1;
}

}  // namespace

const std::string& TSuggestionsGenerator::LowerCaseLetters() {
  static const std::string s = [] {
    std::string r(1, '\'');
    r.append(Range(0x61, 0x7A)).append(Bytes({0xD7, 0xDE, 0xDF})).append(Range(0xE0, 0xFF)).append(kTailLetters);
    return r;
  }();
  return s;
}

const std::string& TSuggestionsGenerator::MixedLetters() {
  static const std::string s = [] {
    std::string r(1, '\'');
    r.append(Range(0x61, 0x7A)).append(Range(0x41, 0x5A)).append(Range(0xC0, 0xFF)).append(kTailLetters);
    return r;
  }();
  return s;
}

TSuggestionsGenerator::TSuggestionsGenerator()
    : withinLetters_(&LowerCaseLetters()), firstLetters_(MixedLetters()) {}

void TSuggestionsGenerator::SetLanguage(int language) {
  if (language == language_) return;
  language_ = language;
  if (language == 0x0405) {
    firstLetters_ += Bytes({0xE1, 0xE8, 0xEF, 0xE9, 0xEC, 0xED, 0xF2, 0xF3, 0xF8, 0x9A, 0x9D, 0xFA, 0xF9, 0xFD, 0x9E,
                            0xC1, 0xC8, 0xCF, 0xC9, 0xCC, 0xCD, 0xD2, 0xD3, 0xD8, 0x8A, 0x8D, 0xDA, 0xD9, 0xDD,
                            0x8E});
  } else if ((language & 0xFF) == 0x0C) {
    firstLetters_ += Bytes({0x9C});
  } else if (language == 0x0419) {
    firstLetters_ += Bytes({0xB2, 0xA2, 0xB1, 0xA1, 0xBC, 0xAC, 0xB6, 0xA6});
  } else if (language == 0x0415) {
    firstLetters_ += Bytes({0xB9, 0xE6, 0xEA, 0xB3, 0xB3, 0xF1, 0xF3, 0x9C, 0xBF, 0x9F, 0xA5, 0xC6, 0xCA, 0xA3,
                            0xD1, 0xD3, 0x8C, 0xAF, 0x8F});
  }
  if (defaultKinds_) kinds_ = language_ == 0x041D ? 15 : 31;
}

void TSuggestionsGenerator::SetDefaultKinds(bool flag) {
  defaultKinds_ = flag;
  if (flag) kinds_ = language_ == 0x041D ? 15 : 31;
}

void TSuggestionsGenerator::SetKinds(int kinds) {
  defaultKinds_ = false;
  kinds_ = kinds & 31;
}

bool TSuggestionsGenerator::Gate(size_t n, Letters& letters) {
  if (!gate_) return false;
  if (n >= kMaxGated) return gate_(std::string_view(word_.data(), n), letters);
  if (gateState_[n] == kGateUnknown)
    gateState_[n] = gate_(std::string_view(word_.data(), n), gateLetters_[n]) ? kGateSet : kGateOpen;
  if (gateState_[n] == kGateOpen) return false;
  letters = gateLetters_[n];
  return true;
}

bool TSuggestionsGenerator::AddCandidate(const std::string& word) {
  // Entries may differ in case only (Paris, paris) but never repeat exactly.
  for (const auto& e : *list_)
    if (e.Word == word) return false;
  list_->push_back({word, 0});
  return true;
}

bool TSuggestionsGenerator::TryCandidate(const std::string& word) {
  if (word.size() < 2 || !(*exists_)(word)) return false;
  if (Full()) return true;
  if (wordIsLower_) {
    const std::string lower = AnsiLower(word);
    if (lower != word && (*exists_)(lower)) return false;
  }
  AddCandidate(word);
  return false;
}

bool TSuggestionsGenerator::TryTranspositions(int gap) {
  const int len = static_cast<int>(word_.size());
  if (len <= gap + 1) return false;
  std::string& s = scratch_;
  s = word_;
  for (int i = len - gap; i >= 1; --i) {
    std::swap(s[i - 1], s[i - 1 + gap]);
    const bool full = TryCandidate(s);
    std::swap(s[i - 1], s[i - 1 + gap]);
    if (full) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TryInsertions() {
  const int len = static_cast<int>(word_.size());
  std::string s;
  Letters letters;
  for (int p = len + 1; p >= 2; --p) {
    s = word_;
    s.insert(s.begin() + (p - 1), 'a');
    const bool gated = Gate(size_t(p - 1), letters);
    for (char c : *withinLetters_) {
      if (gated && !Has(letters, c)) continue;
      s[p - 1] = c;
      if (TryCandidate(s)) return true;
    }
  }
  s.assign(1, ' ');
  s.append(word_);
  const bool gated = Gate(0, letters);
  for (char c : firstLetters_) {
    if (gated && !Has(letters, c)) continue;
    s[0] = c;
    if (TryCandidate(s)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TryDeletions() {
  const int len = static_cast<int>(word_.size());
  std::string s;
  for (int p = len; p >= 1; --p) {
    s = word_;
    s.erase(static_cast<size_t>(p - 1), 1);
    if (TryCandidate(s)) return true;
  }
  return false;
}

bool TSuggestionsGenerator::TryReplacements() {
  const int len = static_cast<int>(word_.size());
  std::string s = word_;
  Letters letters;
  for (int p = len; p >= 2; --p) {
    const char original = s[p - 1];
    const bool gated = Gate(size_t(p - 1), letters);
    for (char c : *withinLetters_) {
      if (gated && !Has(letters, c)) continue;
      s[p - 1] = c;
      if (TryCandidate(s)) return true;
    }
    s[p - 1] = original;
  }
  if (len >= 1) {
    const bool gated = Gate(0, letters);
    for (char c : firstLetters_) {
      if (gated && !Has(letters, c)) continue;
      s[0] = c;
      if (TryCandidate(s)) return true;
    }
  }
  return false;
}

bool TSuggestionsGenerator::TrySplits() {
  const int len = static_cast<int>(word_.size());
  const ExistsFn& exists = *exists_;
  for (int k = 2; k <= len - 2; ++k) {
    const std::string left = word_.substr(0, static_cast<size_t>(k));
    const std::string right = word_.substr(static_cast<size_t>(k));
    if (exists(left) && exists(right)) {
      if (Full()) return true;
      AddCandidate(left + " " + right);
    }
  }
  const size_t dot = word_.rfind('.');
  if (dot != std::string::npos && dot >= 1 && dot + 1 < word_.size()) {
    const uint8_t next = static_cast<uint8_t>(word_[dot + 1]);
    const std::string before = word_.substr(0, dot);
    const std::string after = word_.substr(dot + 1);
    if (next == AnsiUpperChar(next) && exists(before) && exists(after) && !Full())
      AddCandidate(word_.substr(0, dot + 1) + "  " + after);
  }
  return false;
}

void TSuggestionsGenerator::Generate(const std::string& word, int maxCount, const ExistsFn& exists,
                                     TSuggestionList* list) {
  if (maxCount == -1) maxCount = 65535;
  if (!exists || !list || word.empty() || maxCount <= 0 || word.size() > 250) return;
  word_ = word;
  gateState_.fill(kGateUnknown);
  wordIsLower_ = AnsiLower(word) == word;
  list_ = list;
  exists_ = &exists;
  maxCount_ = maxCount;
  const std::string* saved = withinLetters_;
  withinLetters_ = wordIsLower_ ? &LowerCaseLetters() : &MixedLetters();
  [&] {
    if ((kinds_ & skTranspose) && TryTranspositions(1)) return;
    if ((kinds_ & skInsert) && TryInsertions()) return;
    if ((kinds_ & skDelete) && TryDeletions()) return;
    if ((kinds_ & skReplace) && TryReplacements()) return;
    if ((kinds_ & skTranspose) && TryTranspositions(2)) return;
    if (kinds_ & skSplit) TrySplits();
  }();
  withinLetters_ = saved;
  list_ = nullptr;
  exists_ = nullptr;
}

void TSuggestionsGenerator::GenerateWithCaseVariants(const std::string& word, int maxCount,
                                                     const ExistsFn& exists, TSuggestionList* list) {
  Generate(word, maxCount, exists, list);
  if (word.empty()) return;
  const std::string lower = AnsiLower(word);
  if (word == AnsiUpper(word) || word == lower) return;
  const uint8_t first = static_cast<uint8_t>(word[0]);
  const std::string variant = first != AnsiUpperChar(first) ? lower : word.substr(0, 1) + lower.substr(1);
  // A capitalised word is its own variant: a second run would try the same
  // candidates against the same list and add nothing.
  if (variant != word) Generate(variant, maxCount, exists, list);
}

}  // namespace wx
