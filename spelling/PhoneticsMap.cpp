#include "spelling/PhoneticsMap.h"

#include "common/AnsiText.h"

namespace wx {

TPhoneticsMap::TPhoneticsMap() = default;

void TPhoneticsMap::SetStartDepth(int value) {
  if (value > 0) startDepth_ = value;
}

void TPhoneticsMap::SetLanguage(int language) {
  if (language == language_) return;
  language_ = language;
  Clear();
  switch (language & 0xFF) {
    case 0x09: AddEnglish(); break;
    case 0x19: AddRussian(); break;
    case 0x0C: AddFrench(); break;
    default: AddGeneric(); break;
  }
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

void TPhoneticsMap::BuildCode(std::string_view word, std::string& code) {
  code.clear();
  // Lower-case into a small local buffer: this runs for every word of a
  // sound-alike search.
  char buf[256];
  const size_t n = word.size() < sizeof buf ? word.size() : sizeof buf;
  for (size_t i = 0; i < n; ++i) buf[i] = static_cast<char>(AnsiLowerChar(static_cast<uint8_t>(word[i])));
  const std::string_view w(buf, n);
  size_t pos = static_cast<size_t>(startDepth_) < n ? static_cast<size_t>(startDepth_) : n;
  code.assign(w.substr(0, pos));
  int remaining = Limit;
  while (pos < n) {
    const std::string* dest = nullptr;
    int consumed = 0;
    if (!Match(w, dest, pos, consumed)) {
      ++pos;
      continue;
    }
    const size_t step = consumed > 0 ? static_cast<size_t>(consumed) : 1;
    if (RemoveDupes && !code.empty() && consumed == 1 && !dest->empty() && code.back() == (*dest)[0]) {
      pos += step;
      continue;
    }
    code += *dest;
    remaining -= static_cast<int>(dest->size());
    if (remaining <= 0) break;
    pos += step;
  }
}

bool TPhoneticsMap::DistanceAcceptable(std::string_view word, int distance) const {
  return distance <= static_cast<int>(word.size()) / distanceDivisor_ && distance <= DistanceMax;
}

}  // namespace wx
