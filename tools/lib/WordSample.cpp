#include "tools/lib/WordSample.h"

#include <algorithm>
#include <map>
#include <set>

namespace wx::tools {

namespace {
std::string Display(std::string s) {
  std::replace(s.begin(), s.end(), '_', ' ');
  return s;
}
bool Plain(const std::string& s) { return s.find_first_not_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos; }
}  // namespace

std::vector<std::string> SampleWords(const WordNet& wn, size_t lemmas, size_t inflected) {
  std::vector<std::string> out;
  std::set<std::string> seen;
  auto add = [&](const std::string& w) {
    if (!w.empty() && seen.insert(w).second) out.push_back(w);
  };
  if (!wn.index.empty() && lemmas) {
    size_t step = std::max<size_t>(1, wn.index.size() / lemmas);
    for (size_t i = step / 2; i < wn.index.size(); i += step) add(Display(wn.index[i].lemma));
  }
  // Irregular forms from the exception lists, in a fixed order.
  std::vector<std::string> irregular;
  for (int p = 0; p < 3; ++p) {
    std::map<std::string, int> sorted;
    for (const auto& [form, bases] : wn.exceptions[p]) sorted[form] = p;
    size_t step = std::max<size_t>(1, sorted.size() / (inflected / 6 + 1));
    size_t i = 0;
    for (const auto& [form, pos] : sorted)
      if (i++ % step == step / 2) irregular.push_back(Display(form));
  }
  for (const auto& w : irregular) add(w);
  // Regular forms of sampled plain lemmas: plurals, -s, -ed, -ing, -er, -est.
  size_t regular = inflected > irregular.size() ? inflected - irregular.size() : 0;
  std::vector<const WnIndexEntry*> plain;
  for (const auto& e : wn.index)
    if (Plain(e.lemma) && e.lemma.size() > 3 && e.pos != WnPos::Adv) plain.push_back(&e);
  if (!plain.empty() && regular) {
    size_t step = std::max<size_t>(1, plain.size() / regular);
    for (size_t i = step / 3; i < plain.size(); i += step) {
      const std::string& l = plain[i]->lemma;
      char last = l.back();
      switch (plain[i]->pos) {
        case WnPos::Noun:
          add(last == 's' || last == 'x' || last == 'h' ? l + "es" : last == 'y' ? l.substr(0, l.size() - 1) + "ies" : l + "s");
          break;
        case WnPos::Verb:
          add((i / step) % 2 ? (last == 'e' ? l + "d" : l + "ed") : (last == 'e' ? l.substr(0, l.size() - 1) : l) + "ing");
          break;
        default:
          add((i / step) % 2 ? (last == 'e' ? l + "r" : l + "er") : (last == 'e' ? l + "st" : l + "est"));
          break;
      }
    }
  }
  return out;
}

}  // namespace wx::tools
