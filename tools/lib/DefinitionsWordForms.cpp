#include "tools/lib/DefinitionsWordForms.h"

// GCC 12 reports false -Wrestrict overlaps in std::string concatenation.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <algorithm>
#include <map>
#include <set>

#include "common/AnsiText.h"
#include "definitions/IndexKey.h"

namespace wx::tools {

namespace {

std::string Raw(const std::string& lemma) {  // upper case, blanks for "_"
  std::string s = AnsiUpper(lemma);
  std::replace(s.begin(), s.end(), '_', ' ');
  return s;
}

bool EndsWith(const std::string& s, const char* tail) {
  size_t n = std::char_traits<char>::length(tail);
  return s.size() >= n && s.compare(s.size() - n, n, tail) == 0;
}

bool IsVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

// Emits a line (base first, then fields) and, when normalizing changes any
// field, a second line of normalized fields so that a normalized word finds it
// too. The first field is always the normalized base, which inflection looks up.
void EmitLine(std::string& list, size_t& lines, std::set<std::string>& seen, const std::string& base,
              const std::vector<std::string>& fields, bool alsoRawBase) {
  auto emit = [&](const std::string& first, bool normalizeFields) {
    std::string line = first;
    bool changed = false;
    for (const auto& f : fields) {
      std::string v = normalizeFields ? NormalizeKey(f) : f;
      changed |= v != f;
      line += "," + v;
    }
    if (seen.insert(line).second) {
      list += line;
      list.push_back('\r');
      ++lines;
    }
    return changed;
  };
  std::string norm = NormalizeKey(base);
  emit(norm, false);
  bool fieldsChange = false;
  for (const auto& f : fields) fieldsChange |= NormalizeKey(f) != f;
  if (fieldsChange) emit(norm, true);
  if (alsoRawBase && base != norm) emit(base, false);
}

// Base -> its inflected forms (upper case, blanks), from one exception list.
std::map<std::string, std::vector<std::string>> Invert(
    const std::unordered_map<std::string, std::vector<std::string>>& exc) {
  std::map<std::string, std::vector<std::string>> out;
  for (const auto& [form, bases] : exc)
    for (const auto& b : bases) {
      if (b == form) continue;
      out[Raw(b)].push_back(Raw(form));
    }
  for (auto& [b, forms] : out) {
    std::sort(forms.begin(), forms.end());
    forms.erase(std::unique(forms.begin(), forms.end()), forms.end());
  }
  return out;
}

std::string RegularPast(const std::string& b) {
  if (EndsWith(b, "E")) return b + "D";
  if (EndsWith(b, "Y") && b.size() > 1 && !IsVowel(b[b.size() - 2])) return b.substr(0, b.size() - 1) + "IED";
  return b + "ED";
}

std::string RegularIng(const std::string& b) {
  if (EndsWith(b, "IE")) return b.substr(0, b.size() - 2) + "YING";
  if (EndsWith(b, "EE") || EndsWith(b, "OE") || EndsWith(b, "YE")) return b + "ING";
  if (EndsWith(b, "E") && b.size() > 2) return b.substr(0, b.size() - 1) + "ING";
  return b + "ING";
}

std::string RegularThird(const std::string& b) {
  if (EndsWith(b, "Y") && b.size() > 1 && !IsVowel(b[b.size() - 2])) return b.substr(0, b.size() - 1) + "IES";
  if (EndsWith(b, "O") || EndsWith(b, "S") || EndsWith(b, "X") || EndsWith(b, "Z") || EndsWith(b, "CH") ||
      EndsWith(b, "SH"))
    return b + "ES";
  return b + "S";
}

// A past participle among irregular forms: "given", "gone", "sung" (beside "sang").
bool LooksLikeParticiple(const std::string& base, const std::string& f) {
  for (const char* tail : {"EN", "NE", "WN", "RN", "UN"})
    if (EndsWith(f, tail)) return true;
  return base.find('I') != std::string::npos && f.find('U') != std::string::npos;
}

}  // namespace

WordFormLists MakeWordFormLists(const WordNet& wn, const std::unordered_set<std::string>& english) {
  WordFormLists out;
  for (auto& l : out.lists) l = "\r";
  std::set<std::string> seen[5];

  // Nouns: BASE,PLURAL[,more plurals]. The raw base (with blanks or hyphens)
  // gets its own line too, since noun plurals are looked up as typed.
  for (const auto& [base, forms] : Invert(wn.exceptions[0]))
    EmitLine(out.lists[0], out.lines[0], seen[0], base, forms, true);

  // Verbs: BASE,PAST,PAST PARTICIPLE,PRESENT PARTICIPLE,THIRD PERSON[,variants].
  std::set<std::string> doubling;
  std::set<std::string> withLine;
  auto isWord = [&](const std::string& upper) { return english.count(AnsiLower(upper)) > 0; };
  // Verbs by their upper-case lemma: "hoped" is the past of "hope", so it is
  // no proof that "hop" has a single-letter spelling.
  std::unordered_set<std::string> verbs;
  for (const auto& e : wn.index)
    if (e.pos == WnPos::Verb) verbs.insert(Raw(e.lemma));
  auto singleSpelling = [&](const std::string& base) {
    return isWord(base + "ED") && isWord(base + "ING") && !verbs.count(base + "E");
  };
  for (const auto& [base, forms] : Invert(wn.exceptions[1])) {
    if (base == "BE") continue;
    const bool single = base.find(' ') == std::string::npos;
    std::string last(1, base.back());
    std::vector<std::string> past, participle, ing, third, variants;
    bool doubles = false;
    for (const auto& f : forms) {
      if (f == base + last + "ED" || f == base + last + "ING") doubles = true;
      if (EndsWith(f, "ING")) (ing.empty() ? ing : variants).push_back(f);
      else if (EndsWith(f, "S") && !EndsWith(f, "ED")) (third.empty() ? third : variants).push_back(f);
      else if (LooksLikeParticiple(base, f)) participle.push_back(f);
      else past.push_back(f);
    }
    bool onlyDoubled = true;
    for (const auto& f : forms) onlyDoubled &= f == base + last + "ED" || f == base + last + "ING";
    // A verb that doubles only in one spelling ("travelled" beside "traveled")
    // keeps its regular forms first and the doubled ones as variants.
    const bool bothSpellings = doubles && single && singleSpelling(base);
    if (doubles && single && !bothSpellings) doubling.insert(NormalizeKey(base));
    if (onlyDoubled && doubles && !bothSpellings) continue;  // the doubling list says it all
    if (bothSpellings) {
      for (auto* group : {&past, &participle, &ing, &third})
        for (const auto& f : *group) variants.push_back(f);
      past.assign(1, RegularPast(base));
      participle.clear();
      ing.assign(1, RegularIng(base));
      third.clear();
    }
    if (past.empty() && !participle.empty()) past.push_back(RegularPast(base));
    if (past.empty() && participle.empty() && (!ing.empty() || !third.empty())) past.push_back(RegularPast(base));
    for (size_t i = 1; i < past.size(); ++i) variants.push_back(past[i]);
    for (size_t i = 1; i < participle.size(); ++i) variants.push_back(participle[i]);
    // The -ing and -s forms of a verb are regular even when its past is not
    // ("working" beside "wrought"); naming them lets the search accept them.
    std::string ingForm = ing.empty() ? (single ? RegularIng(base) : "") : ing[0];
    std::string thirdForm = third.empty() ? (single ? RegularThird(base) : "") : third[0];
    // A regular past beside the irregular one ("worked" beside "wrought").
    if (single && !bothSpellings && isWord(RegularPast(base)) && !verbs.count(base + "E") &&
        std::find(forms.begin(), forms.end(), RegularPast(base)) == forms.end())
      variants.push_back(RegularPast(base));
    std::vector<std::string> fields = {past.empty() ? "" : past[0], participle.empty() ? "" : participle[0],
                                       ingForm, thirdForm};
    fields.insert(fields.end(), variants.begin(), variants.end());
    while (!fields.empty() && fields.back().empty()) fields.pop_back();
    EmitLine(out.lists[1], out.lines[1], seen[1], base, fields, false);
    withLine.insert(NormalizeKey(base));
  }
  EmitLine(out.lists[1], out.lines[1], seen[1], "BE", {"WAS", "BEEN", "BEING", "IS", "WERE", "AM", "ARE"}, false);
  for (const auto& e : wn.index) {
    if (e.pos != WnPos::Verb) continue;
    std::string b = Raw(e.lemma);
    if (b.find(' ') != std::string::npos || withLine.count(NormalizeKey(b))) continue;
    if (EndsWith(b, "EE") || EndsWith(b, "OE") || EndsWith(b, "YE")) {
      EmitLine(out.lists[1], out.lines[1], seen[1], b, {b + "D", "", b + "ING", b + "S"}, false);
      withLine.insert(NormalizeKey(b));
    }
  }

  // Adjectives: BASE,COMPARATIVE,SUPERLATIVE[,variants].
  std::set<std::string> stems;
  for (const auto& [base, forms] : Invert(wn.exceptions[2])) {
    std::vector<std::string> comp, sup;
    for (const auto& f : forms) (EndsWith(f, "ST") ? sup : comp).push_back(f);
    std::vector<std::string> fields = {comp.empty() ? "" : comp[0], sup.empty() ? "" : sup[0]};
    for (size_t i = 1; i < comp.size(); ++i) fields.push_back(comp[i]);
    for (size_t i = 1; i < sup.size(); ++i) fields.push_back(sup[i]);
    while (!fields.empty() && fields.back().empty()) fields.pop_back();
    EmitLine(out.lists[2], out.lines[2], seen[2], base, fields, false);
    for (const auto& c : comp)
      if (EndsWith(c, "ER")) stems.insert(c.substr(0, c.size() - 2));
  }
  // Stems of adjectives that compare with suffixes: those whose -er and -est
  // forms are both English words.
  if (!english.empty()) {
    for (const auto& e : wn.index) {
      if (e.pos != WnPos::Adj) continue;
      const std::string& a = e.lemma;
      if (a.size() < 2 || a.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos) continue;
      std::string comp, sup;
      char last = a.back();
      if (last == 'e') {
        comp = a + "r";
        sup = a + "st";
      } else if (last == 'y' && !IsVowel(char(a[a.size() - 2] - 32))) {
        comp = a.substr(0, a.size() - 1) + "ier";
        sup = a.substr(0, a.size() - 1) + "iest";
      } else {
        comp = a + "er";
        sup = a + "est";
      }
      if (english.count(comp) && english.count(sup)) stems.insert(AnsiUpper(comp.substr(0, comp.size() - 2)));
    }
  }
  for (const auto& s : stems) {
    out.lists[3] += s + "\r";
    ++out.lines[3];
  }
  for (const auto& d : doubling) {
    out.lists[4] += d + "\r";
    ++out.lines[4];
  }
  return out;
}

}  // namespace wx::tools
