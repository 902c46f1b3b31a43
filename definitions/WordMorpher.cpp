#include "definitions/WordMorpher.h"

#include "common/AnsiText.h"
#include "definitions/IndexKey.h"

namespace wx {

namespace {

constexpr char kCR = '\r';

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool IsVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

char Last(std::string_view s) { return s.empty() ? 0 : s.back(); }

// Ends in H preceded by C or S ("church", "brush").
bool EndsInSibilantH(std::string_view d) {
  return d.size() >= 2 && d.back() == 'H' && (d[d.size() - 2] == 'C' || d[d.size() - 2] == 'S');
}

std::string Cut(std::string_view s, size_t n) { return std::string(s.substr(0, s.size() - n)); }

}  // namespace

TWordMorpher::TWordMorpher(std::string nouns, std::string verbs, std::string adjectives, std::string suffixStems,
                           std::string doubling) {
  lists_[kNouns] = std::move(nouns);
  lists_[kVerbs] = std::move(verbs);
  lists_[kAdjectives] = std::move(adjectives);
  lists_[kSuffixStems] = std::move(suffixStems);
  lists_[kDoubling] = std::move(doubling);
}

int TWordMorpher::ExceptionBases(std::string_view w, std::vector<std::string>& candidates, int list) const {
  if (w.size() <= 1) return 0;
  const std::string& text = lists_[list];
  std::string needle(1, ',');
  needle.append(w);
  int field = 0;
  for (size_t at = text.find(needle); at != std::string::npos; at = text.find(needle, at + 1)) {
    size_t after = at + needle.size();
    if (after >= text.size() || (text[after] != ',' && text[after] != kCR)) continue;
    size_t lineStart = text.rfind(kCR, at);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    int commas = 0;
    for (size_t i = lineStart; i < at; ++i) commas += text[i] == ',';
    size_t baseEnd = text.find(',', lineStart);
    candidates.push_back(text.substr(lineStart, baseEnd - lineStart));
    field = commas + 1;
  }
  return field;
}

size_t TWordMorpher::FindLine(int list, std::string_view w) const {
  const std::string& text = lists_[list];
  std::string needle;
  needle.reserve(w.size() + 2);
  needle.push_back(kCR);
  needle.append(w);
  needle.push_back(',');
  size_t at = text.find(needle);
  return at == std::string::npos ? at : at + 1;
}

bool TWordMorpher::OnList(int list, std::string_view w) const {
  std::string needle;
  needle.reserve(w.size() + 2);
  needle.push_back(kCR);
  needle.append(w);
  needle.push_back(kCR);
  return lists_[list].find(needle) != std::string::npos;
}

std::string TWordMorpher::ExceptionField(int list, size_t linePos, int n) const {
  const std::string& text = lists_[list];
  size_t p = linePos;
  auto atLineEnd = [&](size_t i) { return i >= text.size() || text[i] == kCR; };
  while (!atLineEnd(p) && text[p] != ',') ++p;  // the base
  if (atLineEnd(p)) return {};
  ++p;
  for (int i = 1; i < n; ++i) {
    while (!atLineEnd(p) && text[p] != ',') ++p;
    if (atLineEnd(p)) return {};
    ++p;
  }
  size_t end = p;
  while (!atLineEnd(end) && text[end] != ',') ++end;
  return AnsiLower(std::string_view(text).substr(p, end - p));
}

int TWordMorpher::NounBaseForms(std::string_view word, std::vector<std::string>& candidates) const {
  size_t before = candidates.size();
  std::string w = AnsiUpper(word);
  if (ExceptionBases(w, candidates, kNouns) > 0) return int(candidates.size() - before);
  size_t l = w.size();
  if (l > 4) {
    if (EndsWith(w, "IES")) candidates.push_back(Cut(w, 3) + "Y");
    if (EndsWith(w, "ES")) {
      char c = w[l - 3];
      if (c == 'O' || c == 'S' || c == 'X' || c == 'Z' || EndsInSibilantH(std::string_view(w).substr(0, l - 2)))
        candidates.push_back(Cut(w, 2));
    }
  }
  if (EndsWith(w, "S")) candidates.push_back(Cut(w, 1));
  return int(candidates.size() - before);
}

void TWordMorpher::StemTest(const std::string& stem, const std::string& w,
                            std::vector<std::string>& candidates) const {
  if (stem.empty() || OnList(kDoubling, stem)) return;
  size_t line = FindLine(kVerbs, stem);
  if (line != std::string::npos) {
    const std::string& text = lists_[kVerbs];
    size_t end = text.find(kCR, line);
    if (end == std::string::npos) end = text.size();
    // The word must stand within the line after its first letter.
    std::string_view rest = std::string_view(text).substr(line + 1, end - line - 1);
    if (rest.find(w) == std::string_view::npos) return;
  }
  candidates.push_back(stem);
}

int TWordMorpher::VerbBaseForms(std::string_view word, std::vector<std::string>& candidates,
                                uint8_t& type) const {
  size_t before = candidates.size();
  std::string w = NormalizeKey(word);
  int field = ExceptionBases(w, candidates, kVerbs);
  if (field > 0) {
    type = field == 1 ? kInflPast : field == 2 ? kInflPastParticiple : field == 3 ? kInflPresentParticiple
                                                                                   : field == 4 ? kInflThirdPerson
                                                                                                : kInflPast;
    return int(candidates.size() - before);
  }
  type = kInflThirdPerson;
  size_t l = w.size();
  if (l > 2) {
    if (w[l - 3] == 'I' && w[l - 2] == 'E') {
      char last = w[l - 1];
      if (last == 'D' || last == 'S') candidates.push_back(Cut(w, 3) + "Y");
      if (last != 'S') type = kInflPast;
    } else if (EndsWith(w, "ED") || EndsWith(w, "ES")) {
      std::string doubled = Cut(w, 3);
      if (l > 4 && w[l - 4] == w[l - 3] && OnList(kDoubling, doubled)) {
        candidates.push_back(doubled);
      } else {
        candidates.push_back(Cut(w, 1));
        StemTest(Cut(w, 2), w, candidates);
      }
      if (!EndsWith(w, "S")) type = kInflPast;
    } else if (EndsWith(w, "ING")) {
      type = kInflPresentParticiple;
      std::string doubled = Cut(w, 4);
      if (l > 5 && w[l - 4] == w[l - 5] && OnList(kDoubling, doubled)) {
        candidates.push_back(doubled);
      } else {
        std::string stem = Cut(w, 3);
        candidates.push_back(stem + "E");
        StemTest(stem, w, candidates);
        if (stem.size() > 1 && stem.back() == 'Y') candidates.push_back(Cut(stem, 1) + "IE");
      }
    } else if (EndsWith(w, "S")) {
      candidates.push_back(Cut(w, 1));
    }
  }
  size_t blank = word.find(' ');
  if (blank != std::string_view::npos) {
    std::vector<std::string> first;
    VerbBaseForms(word.substr(0, blank), first, type);
    std::string rest = NormalizeKey(word.substr(blank));
    for (auto& c : first) candidates.push_back(c + rest);
  }
  return int(candidates.size() - before);
}

int TWordMorpher::AdjectiveBaseForms(std::string_view word, std::vector<std::string>& candidates,
                                     uint8_t& type) const {
  size_t before = candidates.size();
  std::string w = NormalizeKey(word);
  int field = ExceptionBases(w, candidates, kAdjectives);
  if (field > 0) {
    type = field == 1 ? kInflComparative : kInflSuperlative;
    return int(candidates.size() - before);
  }
  size_t l = w.size();
  if (l > 3) {
    if (l > 4 && EndsWith(w, "IEST")) {
      type = kInflSuperlative;
      candidates.push_back(Cut(w, 4) + "Y");
    } else if (EndsWith(w, "IER")) {
      type = kInflComparative;
      candidates.push_back(Cut(w, 3) + "Y");
    }
    if (EndsWith(w, "EST")) {
      type = kInflSuperlative;
      candidates.push_back(Cut(w, 3));
      candidates.push_back(Cut(w, 2));
    } else if (EndsWith(w, "ER")) {
      type = kInflComparative;
      candidates.push_back(Cut(w, 2));
      candidates.push_back(Cut(w, 1));
    }
  }
  if (word.size() > 5 && word.find(' ') == 4) {
    std::string_view head = word.substr(0, 4);
    std::string rest = NormalizeKey(word.substr(4));
    if (head == "more") {
      type = kInflComparative;
      candidates.push_back(rest);
    } else if (head == "less") {
      type = kInflComparative;
      candidates.push_back(std::string("UN").append(rest));
    } else if (head == "most") {
      type = kInflSuperlative;
      candidates.push_back(rest);
    }
  }
  return int(candidates.size() - before);
}

std::string TWordMorpher::InflectNoun(std::string_view word, const std::string& d) const {
  if (word.empty()) return {};
  size_t line = FindLine(kNouns, d);
  if (line != std::string::npos) return ExceptionField(kNouns, line, 1);
  if (word.size() == 1) return std::string(word) + "s";
  bool capitalized = !IsAnsiLower(uint8_t(word[0])) && IsAnsiLower(uint8_t(word[1]));
  if (word.find(' ') != std::string_view::npos || capitalized) return {};
  std::string out(word);
  char last = Last(d);
  if (last == 'S' || last == 'X' || last == 'Z' || EndsInSibilantH(d)) return out + "es";
  if (last == 'Y' && d.size() >= 2 && IsAnsiAlpha(uint8_t(d[d.size() - 2])) && !IsVowel(d[d.size() - 2]))
    return Cut(out, 1) + "ies";
  return out + "s";
}

std::string TWordMorpher::InflectVerb(std::string_view word, const std::string& d, uint8_t type) const {
  if (word.size() <= 1) return {};
  size_t line = FindLine(kVerbs, d);
  if (line != std::string::npos) {
    if (type == kInflPast) return ExceptionField(kVerbs, line, 1);
    if (type == kInflPastParticiple) {
      std::string f = ExceptionField(kVerbs, line, 2);
      return f.empty() ? ExceptionField(kVerbs, line, 1) : f;
    }
    std::string f = ExceptionField(kVerbs, line, type == kInflPresentParticiple ? 3 : 4);
    if (!f.empty()) return f;
  } else if (OnList(kDoubling, d)) {
    std::string out(word);
    char last = word.back();
    if (type == kInflThirdPerson) {
      if (Last(d) == 'S' || Last(d) == 'Z') return out + last + "es";
      return out + "s";
    }
    if (type == kInflPresentParticiple) return out + last + "ing";
    return out + last + "ed";
  }
  size_t blank = word.find(' ');
  if (blank != std::string_view::npos) {
    std::string head = InflectWord(word.substr(0, blank), type);
    if (head.empty()) return {};
    return head + std::string(word.substr(blank));
  }
  std::string out(word);
  char last = Last(d);
  bool yAfterVowel = last == 'Y' && d.size() >= 2 && IsVowel(d[d.size() - 2]);
  if (type == kInflPresentParticiple) {
    if (EndsWith(d, "IE")) out = Cut(out, 2) + "y";
    else if (last == 'E') out = Cut(out, 1);
    return out + "ing";
  }
  if (type == kInflPast || type == kInflPastParticiple) {
    if (last == 'Y') return yAfterVowel ? out + "ed" : Cut(out, 1) + "ied";
    if (last == 'E') return out + "d";
    return out + "ed";
  }
  if (last == 'Y') return yAfterVowel ? out + "s" : Cut(out, 1) + "ies";
  if (last == 'E') return out + "s";
  if (last == 'O' || last == 'S' || last == 'X' || last == 'Z' || EndsInSibilantH(d)) return out + "es";
  return out + "s";
}

std::string TWordMorpher::InflectAdjective(std::string_view word, const std::string& d, uint8_t type) const {
  if (word.size() <= 1) return {};
  size_t line = FindLine(kAdjectives, d);
  if (line != std::string::npos) return ExceptionField(kAdjectives, line, type == kInflComparative ? 1 : 2);
  bool comparative = type == kInflComparative;
  std::string out(word);
  char last = Last(d);
  if (last == 'E') {
    out += comparative ? "r" : "st";
  } else if (last == 'Y') {
    bool afterVowel = d.size() >= 2 && IsVowel(d[d.size() - 2]);
    if (afterVowel) out += comparative ? "er" : "est";
    else out = Cut(out, 1) + (comparative ? "ier" : "iest");
  } else {
    out += comparative ? "er" : "est";
  }
  size_t cut = comparative ? 2 : 3;
  if (out.size() > cut && OnList(kSuffixStems, AnsiUpper(std::string_view(out).substr(0, out.size() - cut))))
    return out;
  if (!comparative) return std::string("most ").append(word);
  if (word.size() > 5 && word[0] == 'u' && word[1] == 'n') return std::string("less ").append(word.substr(2));
  return std::string("more ").append(word);
}

std::string TWordMorpher::InflectWord(std::string_view word, uint8_t type) const {
  std::string d = NormalizeKey(word);
  switch (type) {
    case kInflPlural:
      return InflectNoun(word, d);
    case kInflThirdPerson:
    case kInflPast:
    case kInflPastParticiple:
    case kInflPresentParticiple:
      return InflectVerb(word, d, type);
    case kInflComparative:
    case kInflSuperlative:
      return InflectAdjective(word, d, type);
    default:
      return std::string(word);
  }
}

void TWordMorpher::InflectList(std::vector<std::string>& words, uint8_t type) const {
  for (auto& w : words) {
    std::string inflected = InflectWord(w, type);
    if (inflected.empty()) w += "*";
    else w = std::move(inflected);
  }
}

std::string TWordMorpher::ListInflections(std::string_view word, int partOfSpeech) const {
  if (partOfSpeech < 0 || partOfSpeech > 2 || word.empty()) return {};
  std::string d = NormalizeKey(word);
  size_t line = FindLine(partOfSpeech, d);
  if (line != std::string::npos) {
    if (d == "BE") return "am,are,is,was,were,been,being";
    const std::string& text = lists_[partOfSpeech];
    size_t end = text.find(kCR, line);
    if (end == std::string::npos) end = text.size();
    std::string_view fields = std::string_view(text).substr(line, end - line);
    size_t comma = fields.find(',');
    std::string out;
    int n = 0;
    while (comma != std::string_view::npos) {
      ++n;
      size_t next = fields.find(',', comma + 1);
      std::string_view f = fields.substr(comma + 1, (next == std::string_view::npos ? fields.size() : next) - comma - 1);
      if (!f.empty()) {
        if (!out.empty()) out += n == 5 ? ", also " : ",";
        out += AnsiLower(f);
      }
      comma = next;
    }
    if (out.size() > 200) out.resize(200);
    return out;
  }
  if (partOfSpeech == 1 && OnList(kDoubling, d)) {
    std::string stem = AnsiLower(std::string(word) + word.back());
    return stem + "ed," + stem + "ing";
  }
  return {};
}

}  // namespace wx
