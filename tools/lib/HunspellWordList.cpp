#include "tools/lib/HunspellWordList.h"

#include <fstream>
#include <map>
#include <sstream>

namespace wx::tools {

namespace {

struct Affix {
  std::string strip, append;
  std::vector<std::string> condition;  // one element per position: a char, "[...]" or "."
};

struct AffixGroup {
  bool prefix = false;
  bool cross = false;
  std::vector<Affix> entries;
};

std::vector<std::string> ParseCondition(const std::string& text) {
  std::vector<std::string> out;
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '[') {
      size_t end = text.find(']', i);
      if (end == std::string::npos) end = text.size() - 1;
      out.push_back(text.substr(i, end - i + 1));
      i = end + 1;
    } else {
      // One UTF-8 character.
      size_t n = 1;
      while (i + n < text.size() && (uint8_t(text[i + n]) & 0xC0) == 0x80) ++n;
      out.push_back(text.substr(i, n));
      i += n;
    }
  }
  return out;
}

bool MatchesOne(const std::string& cond, const std::string& ch) {
  if (cond == ".") return true;
  if (cond.size() >= 2 && cond[0] == '[') {
    bool negate = cond[1] == '^';
    std::string set = cond.substr(negate ? 2 : 1, cond.size() - (negate ? 3 : 2));
    bool in = set.find(ch) != std::string::npos;
    return in != negate;
  }
  return cond == ch;
}

// The word split into UTF-8 characters.
std::vector<std::string> Chars(const std::string& w) {
  std::vector<std::string> out;
  for (size_t i = 0; i < w.size();) {
    size_t n = 1;
    while (i + n < w.size() && (uint8_t(w[i + n]) & 0xC0) == 0x80) ++n;
    out.push_back(w.substr(i, n));
    i += n;
  }
  return out;
}

bool ConditionHolds(const Affix& a, const std::string& word, bool prefix) {
  if (a.condition.size() == 1 && a.condition[0] == ".") return true;
  std::vector<std::string> chars = Chars(word);
  if (chars.size() < a.condition.size()) return false;
  size_t base = prefix ? 0 : chars.size() - a.condition.size();
  for (size_t i = 0; i < a.condition.size(); ++i)
    if (!MatchesOne(a.condition[i], chars[base + i])) return false;
  return true;
}

bool Apply(const Affix& a, const std::string& word, bool prefix, std::string& out) {
  if (!ConditionHolds(a, word, prefix)) return false;
  if (prefix) {
    if (word.compare(0, a.strip.size(), a.strip) != 0) return false;
    out = a.append + word.substr(a.strip.size());
  } else {
    if (word.size() < a.strip.size() || word.compare(word.size() - a.strip.size(), a.strip.size(), a.strip) != 0)
      return false;
    out = word.substr(0, word.size() - a.strip.size()) + a.append;
  }
  return true;
}

}  // namespace

bool ExpandHunspellDictionary(const std::string& dicPath, std::vector<std::string>& out, std::string& error) {
  std::string affPath = dicPath.substr(0, dicPath.rfind('.')) + ".aff";
  std::ifstream aff(affPath), dic(dicPath);
  if (!aff || !dic) {
    error = "cannot read " + dicPath + " and " + affPath;
    return false;
  }
  std::map<char, AffixGroup> groups;
  std::string onlyInCompound;
  std::string line;
  while (std::getline(aff, line)) {
    std::istringstream in(line);
    std::string kind;
    in >> kind;
    if (kind == "ONLYINCOMPOUND") in >> onlyInCompound;
    if (kind != "PFX" && kind != "SFX") continue;
    std::string flag, a, b, c;
    in >> flag >> a >> b;
    if (flag.size() != 1) continue;
    AffixGroup& g = groups[flag[0]];
    g.prefix = kind == "PFX";
    if (a == "Y" || a == "N") {  // group header: cross product flag and count
      g.cross = a == "Y";
      continue;
    }
    in >> c;
    Affix affix;
    affix.strip = a == "0" ? "" : a;
    affix.append = b == "0" ? "" : b.substr(0, b.find('/'));
    affix.condition = ParseCondition(c.empty() ? "." : c);
    g.entries.push_back(std::move(affix));
  }
  std::getline(dic, line);  // the word count
  while (std::getline(dic, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t slash = line.find('/');
    std::string stem = line.substr(0, slash);
    std::string flags = slash == std::string::npos ? "" : line.substr(slash + 1);
    flags = flags.substr(0, flags.find_first_of(" \t"));
    if (stem.empty()) continue;
    if (!onlyInCompound.empty() && flags.find(onlyInCompound[0]) != std::string::npos) continue;
    out.push_back(stem);
    std::vector<std::pair<std::string, bool>> suffixed;  // form, cross-product allowed
    for (char f : flags) {
      auto it = groups.find(f);
      if (it == groups.end() || it->second.prefix) continue;
      for (const Affix& a : it->second.entries) {
        std::string w;
        if (Apply(a, stem, false, w)) {
          out.push_back(w);
          suffixed.emplace_back(w, it->second.cross);
        }
      }
    }
    for (char f : flags) {
      auto it = groups.find(f);
      if (it == groups.end() || !it->second.prefix) continue;
      for (const Affix& a : it->second.entries) {
        std::string w;
        if (Apply(a, stem, true, w)) out.push_back(w);
        if (!it->second.cross) continue;
        for (const auto& [form, cross] : suffixed)
          if (cross && Apply(a, form, true, w)) out.push_back(w);
      }
    }
  }
  return true;
}

}  // namespace wx::tools
