#include "tools/lib/HunspellWordList.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <unordered_map>
#include <unordered_set>

namespace wx::tools {

namespace {

using Flag = uint64_t;
using Text = std::u32string;

// ---- encodings -------------------------------------------------------------

bool DecodeUtf8(std::string_view s, Text& out) {
  out.clear();
  for (size_t i = 0; i < s.size();) {
    const uint8_t c = uint8_t(s[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
    if (n == 0 || i + n > s.size()) return false;
    char32_t u = n == 1 ? c : n == 2 ? (c & 0x1F) : n == 3 ? (c & 0x0F) : (c & 0x07);
    for (size_t k = 1; k < n; ++k) {
      const uint8_t cc = uint8_t(s[i + k]);
      if ((cc & 0xC0) != 0x80) return false;
      u = (u << 6) | (cc & 0x3F);
    }
    out.push_back(u);
    i += n;
  }
  return true;
}

void EncodeUtf8(const Text& t, std::string& out) {
  out.clear();
  for (char32_t u : t) {
    if (u < 0x80) {
      out.push_back(char(u));
    } else if (u < 0x800) {
      out.push_back(char(0xC0 | (u >> 6)));
      out.push_back(char(0x80 | (u & 0x3F)));
    } else if (u < 0x10000) {
      out.push_back(char(0xE0 | (u >> 12)));
      out.push_back(char(0x80 | ((u >> 6) & 0x3F)));
      out.push_back(char(0x80 | (u & 0x3F)));
    } else {
      out.push_back(char(0xF0 | (u >> 18)));
      out.push_back(char(0x80 | ((u >> 12) & 0x3F)));
      out.push_back(char(0x80 | ((u >> 6) & 0x3F)));
      out.push_back(char(0x80 | (u & 0x3F)));
    }
  }
}

enum class Encoding { kUtf8, kLatin1, kLatin9 };

void DecodeSingleByte(std::string_view s, Encoding e, Text& out) {
  out.clear();
  for (char ch : s) {
    char32_t u = uint8_t(ch);
    if (e == Encoding::kLatin9) switch (u) {  // where ISO8859-15 differs from -1
        case 0xA4: u = 0x20AC; break;
        case 0xA6: u = 0x0160; break;
        case 0xA8: u = 0x0161; break;
        case 0xB4: u = 0x017D; break;
        case 0xB8: u = 0x017E; break;
        case 0xBC: u = 0x0152; break;
        case 0xBD: u = 0x0153; break;
        case 0xBE: u = 0x0178; break;
        default: break;
      }
    out.push_back(u);
  }
}

// The lines of a file in its encoding, decoded; a leading byte-order mark and
// line-end CRs dropped.
void DecodeLines(std::string_view text, Encoding e, std::vector<Text>& lines) {
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  Text line;
  for (size_t pos = 0; pos < text.size();) {
    size_t nl = text.find('\n', pos);
    if (nl == std::string_view::npos) nl = text.size();
    std::string_view raw = text.substr(pos, nl - pos);
    pos = nl + 1;
    if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
    if (e == Encoding::kUtf8) {
      if (!DecodeUtf8(raw, line)) DecodeSingleByte(raw, Encoding::kLatin1, line);  // a stray byte: keep the line
    } else {
      DecodeSingleByte(raw, e, line);
    }
    lines.push_back(line);
  }
}

bool ChooseEncoding(std::string_view aff, std::string_view dic, Encoding& e, std::string& name) {
  std::istringstream in{std::string(aff.substr(0, std::min<size_t>(aff.size(), 1 << 16)))};
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, 4, "SET ") != 0) continue;
    std::istringstream f(line.substr(4));
    f >> name;
    std::string upper = name;
    for (char& c : upper) c = char(std::toupper(uint8_t(c)));
    if (upper == "UTF-8") e = Encoding::kUtf8;
    else if (upper == "ISO8859-1" || upper == "ISO-8859-1") e = Encoding::kLatin1;
    else if (upper == "ISO8859-15" || upper == "ISO-8859-15") e = Encoding::kLatin9;
    else return false;
    return true;
  }
  Text scratch;
  const bool utf8 = DecodeUtf8(aff, scratch) && DecodeUtf8(dic.substr(0, std::min<size_t>(dic.size(), 1 << 20)), scratch);
  e = utf8 ? Encoding::kUtf8 : Encoding::kLatin1;
  name = utf8 ? "UTF-8 (no SET; detected)" : "ISO8859-1 (no SET)";
  return true;
}

// ---- affix file ------------------------------------------------------------

enum class FlagMode { kChar, kLong, kNum, kUtf8 };

std::vector<Flag> ParseFlags(const Text& s, FlagMode mode) {
  std::vector<Flag> out;
  switch (mode) {
    case FlagMode::kChar:
    case FlagMode::kUtf8:
      for (char32_t c : s) out.push_back(c);
      break;
    case FlagMode::kLong:
      for (size_t i = 0; i + 1 < s.size(); i += 2) out.push_back((Flag(s[i]) << 32) | s[i + 1]);
      break;
    case FlagMode::kNum: {
      Flag v = 0;
      bool any = false;
      for (char32_t c : s) {
        if (c >= '0' && c <= '9') {
          v = v * 10 + (c - '0');
          any = true;
        } else if (c == ',') {
          if (any) out.push_back(v);
          v = 0;
          any = false;
        }
      }
      if (any) out.push_back(v);
      break;
    }
  }
  return out;
}

// Whitespace-separated fields of a line.
std::vector<Text> Fields(const Text& line) {
  std::vector<Text> out;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    size_t j = i;
    while (j < line.size() && line[j] != ' ' && line[j] != '\t') ++j;
    if (j > i) out.push_back(line.substr(i, j - i));
    i = j;
  }
  return out;
}

bool Is(const Text& t, std::string_view ascii) {
  return t.size() == ascii.size() && std::equal(t.begin(), t.end(), ascii.begin(), [](char32_t a, char b) {
           return a == char32_t(uint8_t(b));
         });
}

// One position of an affix condition: any character, or a set (maybe negated).
struct Cond {
  bool any = false, negate = false;
  Text set;
  bool Matches(char32_t c) const {
    if (any) return true;
    return (set.find(c) != Text::npos) != negate;
  }
};

std::vector<Cond> ParseCondition(const Text& text) {
  std::vector<Cond> out;
  for (size_t i = 0; i < text.size();) {
    Cond c;
    if (text[i] == '[') {
      size_t end = text.find(']', i);
      if (end == Text::npos) end = text.size();
      size_t from = i + 1;
      if (from < end && text[from] == '^') {
        c.negate = true;
        ++from;
      }
      c.set = text.substr(from, end - from);
      i = end + 1;
    } else if (text[i] == '.') {
      c.any = true;
      ++i;
    } else {
      c.set = text.substr(i, 1);
      ++i;
    }
    out.push_back(std::move(c));
  }
  if (out.size() == 1 && out[0].any) out.clear();
  return out;
}

struct Affix {
  Text strip, append;
  std::vector<Cond> condition;
  std::vector<Flag> cont;  // continuation classes
  bool needAffix = false, circumfix = false, onlyInCompound = false;
};

struct Group {
  bool prefix = false, cross = false;
  std::vector<Affix> entries;
};

struct AffixFile {
  FlagMode mode = FlagMode::kChar;
  std::unordered_map<Flag, Group> groups;
  std::vector<std::vector<Flag>> aliases;  // AF, numbered from 1
  Text ignore;
  // OCONV pairs whose source holds a character beyond Latin-1 (Dutch "ĳ"
  // becomes "ij"): the form the dictionary gives its words for output.
  std::vector<std::pair<Text, Text>> output;
  Flag needAffix = 0, circumfix = 0, onlyInCompound = 0, forbidden = 0;
  bool hasNeedAffix = false, hasCircumfix = false, hasOnlyInCompound = false, hasForbidden = false;

  std::vector<Flag> FlagsOf(const Text& s) const {
    if (!aliases.empty() && !s.empty() && std::all_of(s.begin(), s.end(), [](char32_t c) { return c >= '0' && c <= '9'; })) {
      size_t n = 0;
      for (char32_t c : s) n = n * 10 + (c - '0');
      if (n >= 1 && n <= aliases.size()) return aliases[n - 1];
      return {};
    }
    return ParseFlags(s, mode);
  }
  Flag OneFlag(const Text& s) const {
    std::vector<Flag> f = ParseFlags(s, mode);
    return f.empty() ? 0 : f[0];
  }
  void Strip(Text& t) const {
    if (ignore.empty()) return;
    t.erase(std::remove_if(t.begin(), t.end(), [&](char32_t c) { return ignore.find(c) != Text::npos; }), t.end());
  }
};

bool ParseAffixFile(const std::vector<Text>& lines, AffixFile& a, std::string& error) {
  // Flag-typed options first: FLAG may come after them in a file.
  for (const Text& line : lines) {
    std::vector<Text> f = Fields(line);
    if (f.size() >= 2 && Is(f[0], "FLAG")) {
      if (Is(f[1], "long")) a.mode = FlagMode::kLong;
      else if (Is(f[1], "num")) a.mode = FlagMode::kNum;
      else if (Is(f[1], "UTF-8")) a.mode = FlagMode::kUtf8;
    }
  }
  bool seenAliasCount = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::vector<Text> f = Fields(lines[i]);
    if (f.empty()) continue;
    auto option = [&](const char* name, Flag& flag, bool& has) {
      if (f.size() >= 2 && Is(f[0], name)) {
        flag = a.OneFlag(f[1]);
        has = true;
      }
    };
    option("NEEDAFFIX", a.needAffix, a.hasNeedAffix);
    option("PSEUDOROOT", a.needAffix, a.hasNeedAffix);
    option("CIRCUMFIX", a.circumfix, a.hasCircumfix);
    option("ONLYINCOMPOUND", a.onlyInCompound, a.hasOnlyInCompound);
    option("FORBIDDENWORD", a.forbidden, a.hasForbidden);
    if (Is(f[0], "IGNORE") && f.size() >= 2) a.ignore = f[1];
    if (Is(f[0], "OCONV") && f.size() >= 3 &&
        std::any_of(f[1].begin(), f[1].end(), [](char32_t c) { return c > 0xFF; }))
      a.output.emplace_back(f[1], f[2]);
    // The first AF line gives the number of aliases, the following ones
    // their flags, numbered from 1.
    if (Is(f[0], "AF") && f.size() >= 2) {
      if (seenAliasCount) a.aliases.push_back(ParseFlags(f[1], a.mode));
      seenAliasCount = true;
    }
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    std::vector<Text> f = Fields(lines[i]);
    if (f.size() < 4 || !(Is(f[0], "PFX") || Is(f[0], "SFX"))) continue;
    // Header: "PFX flag Y|N count", then count entry lines.
    const bool prefix = Is(f[0], "PFX");
    const Flag flag = a.OneFlag(f[1]);
    Group& g = a.groups[flag];
    g.prefix = prefix;
    g.cross = Is(f[2], "Y");
    size_t count = 0;
    for (char32_t c : f[3]) {
      if (c < '0' || c > '9') {
        error = "malformed affix group header";
        return false;
      }
      count = count * 10 + (c - '0');
    }
    for (size_t k = 0; k < count && i + 1 < lines.size(); ++k) {
      std::vector<Text> e = Fields(lines[++i]);
      if (e.size() < 4 || !Is(e[0], prefix ? "PFX" : "SFX") || a.OneFlag(e[1]) != flag) {
        --i;  // a short group: the line belongs to what follows
        break;
      }
      Affix affix;
      affix.strip = Is(e[2], "0") ? Text() : e[2];
      Text append = e[3];
      const size_t slash = append.find('/');
      if (slash != Text::npos) {
        affix.cont = a.FlagsOf(append.substr(slash + 1));
        append.resize(slash);
      }
      affix.append = Is(append, "0") ? Text() : append;
      a.Strip(affix.strip);
      a.Strip(affix.append);
      affix.condition = ParseCondition(e.size() >= 5 ? e[4] : Text(1, U'.'));
      auto has = [&](bool on, Flag fl) { return on && std::find(affix.cont.begin(), affix.cont.end(), fl) != affix.cont.end(); };
      affix.needAffix = has(a.hasNeedAffix, a.needAffix);
      affix.circumfix = has(a.hasCircumfix, a.circumfix);
      affix.onlyInCompound = has(a.hasOnlyInCompound, a.onlyInCompound);
      g.entries.push_back(std::move(affix));
    }
  }
  return true;
}

// ---- expansion -------------------------------------------------------------

bool Apply(const Affix& a, const Text& word, bool prefix, Text& out) {
  const size_t n = a.condition.size();
  if (word.size() < n || word.size() < a.strip.size()) return false;
  if (prefix) {
    for (size_t i = 0; i < n; ++i)
      if (!a.condition[i].Matches(word[i])) return false;
    if (word.compare(0, a.strip.size(), a.strip) != 0) return false;
    out.assign(a.append);
    out.append(word, a.strip.size(), Text::npos);
  } else {
    const size_t base = word.size() - n;
    for (size_t i = 0; i < n; ++i)
      if (!a.condition[i].Matches(word[base + i])) return false;
    if (word.compare(word.size() - a.strip.size(), a.strip.size(), a.strip) != 0) return false;
    out.assign(word, 0, word.size() - a.strip.size());
    out.append(a.append);
  }
  // Stripping the whole word and appending nothing leaves no word.
  return !out.empty();
}

class Expander {
 public:
  Expander(const AffixFile& a, std::vector<std::string>& out, HunspellExpansion& stats, const HunspellOptions& o)
      : a_(a), out_(out), stats_(stats), options_(o) {}

  void Stem(const Text& stem, const std::vector<Flag>& flags) {
    ++stats_.stems;
    stemLength_ = stem.size();
    auto has = [&](bool on, Flag f) { return on && std::find(flags.begin(), flags.end(), f) != flags.end(); };
    if (has(a_.hasForbidden, a_.forbidden)) {
      ++stats_.forbidden;
      return;
    }
    if (has(a_.hasOnlyInCompound, a_.onlyInCompound)) {
      ++stats_.compoundOnlyStems;
      return;
    }
    const bool stemNeedsAffix = has(a_.hasNeedAffix, a_.needAffix);
    if (stemNeedsAffix) ++stats_.needAffix;
    else Emit(stem);

    Text w1, w2, wp;
    for (Flag f : flags) {
      const Group* g = GroupOf(f);
      if (!g || g->prefix) continue;
      for (const Affix& s1 : g->entries) {
        if (!Apply(s1, stem, false, w1)) continue;
        Valid({&s1}, nullptr, w1);
        Prefixes(flags, g->cross, {&s1}, w1);
        for (Flag f2 : s1.cont) {
          const Group* g2 = GroupOf(f2);
          if (!g2 || g2->prefix) continue;
          for (const Affix& s2 : g2->entries) {
            if (!Apply(s2, w1, false, w2)) continue;
            Valid({&s1, &s2}, nullptr, w2);
            Prefixes(flags, g->cross && g2->cross, {&s1, &s2}, w2);
          }
        }
      }
    }
    for (Flag f : flags) {
      const Group* g = GroupOf(f);
      if (!g || !g->prefix) continue;
      for (const Affix& p : g->entries) {
        if (!Apply(p, stem, true, wp)) continue;
        Valid({}, &p, wp);
        // A prefix whose continuation names suffixes takes them too.
        for (Flag f2 : p.cont) {
          const Group* g2 = GroupOf(f2);
          if (!g2 || g2->prefix) continue;
          for (const Affix& s : g2->entries)
            if (Apply(s, stem, false, w1) && Apply(p, w1, true, w2)) Valid({&s}, &p, w2);
        }
      }
    }
  }

 private:
  const Group* GroupOf(Flag f) const {
    auto it = a_.groups.find(f);
    return it == a_.groups.end() ? nullptr : &it->second;
  }

  // Prefixes on a suffixed form: those of the stem when every suffix allows
  // the cross product, and those the suffixes' continuations name.
  void Prefixes(const std::vector<Flag>& stemFlags, bool cross, std::vector<const Affix*> suffixes, const Text& word) {
    std::vector<Flag> tried;
    Text w;
    auto tryGroup = [&](Flag f) {
      const Group* g = GroupOf(f);
      if (!g || !g->prefix || std::find(tried.begin(), tried.end(), f) != tried.end()) return;
      tried.push_back(f);
      for (const Affix& p : g->entries) {
        if (!Apply(p, word, true, w)) continue;
        if (!options_.elisionsOnSuffixedForms && p.append.find(U'\'') != Text::npos)
          ++stats_.elisionsLeftOut;
        else
          Valid(suffixes, &p, w);
      }
    };
    if (cross)
      for (Flag f : stemFlags)
        if (const Group* g = GroupOf(f); g && g->prefix && g->cross) tryGroup(f);
    for (const Affix* s : suffixes)
      for (Flag f : s->cont) tryGroup(f);
  }

  // Emits an affixed form unless its affixes make it no word of its own.
  void Valid(const std::vector<const Affix*>& suffixes, const Affix* prefix, const Text& word) {
    bool allNeed = true, onlyCompound = false, suffixCircumfix = false;
    for (const Affix* s : suffixes) {
      allNeed = allNeed && s->needAffix;
      onlyCompound = onlyCompound || s->onlyInCompound;
      suffixCircumfix = suffixCircumfix || s->circumfix;
    }
    if (prefix) {
      allNeed = allNeed && prefix->needAffix;
      onlyCompound = onlyCompound || prefix->onlyInCompound;
    }
    // The outermost suffix needing a further affix needs it outside itself.
    if (!prefix && !suffixes.empty() && suffixes.back()->needAffix) allNeed = true;
    if (allNeed) return;
    if (onlyCompound) {
      ++stats_.compoundOnlyForms;
      return;
    }
    if (suffixCircumfix != (prefix && prefix->circumfix)) return;
    Emit(word);
  }

  void Emit(const Text& w) {
    if (options_.maxGrowth && w.size() > stemLength_ + options_.maxGrowth) {
      ++stats_.grownTooLong;
      return;
    }
    if (!a_.output.empty()) {
      converted_ = w;
      for (const auto& [from, to] : a_.output)
        for (size_t at = converted_.find(from); at != Text::npos; at = converted_.find(from, at + to.size()))
          converted_.replace(at, from.size(), to);
      EncodeUtf8(converted_, utf8_);
    } else {
      EncodeUtf8(w, utf8_);
    }
    out_.push_back(utf8_);
    ++stats_.forms;
  }

  const AffixFile& a_;
  std::vector<std::string>& out_;
  HunspellExpansion& stats_;
  const HunspellOptions& options_;
  Text converted_;
  std::string utf8_;
  size_t stemLength_ = 0;
};

}  // namespace

bool ExpandHunspellText(std::string_view aff, std::string_view dic, std::vector<std::string>& out,
                        HunspellExpansion& stats, std::string& error, const HunspellOptions& options) {
  Encoding enc;
  if (!ChooseEncoding(aff, dic, enc, stats.encoding)) {
    error = "unsupported encoding " + stats.encoding;
    return false;
  }
  std::vector<Text> affLines, dicLines;
  DecodeLines(aff, enc, affLines);
  AffixFile a;
  if (!ParseAffixFile(affLines, a, error)) return false;
  affLines.clear();
  DecodeLines(dic, enc, dicLines);
  Expander x(a, out, stats, options);
  for (size_t i = 1; i < dicLines.size(); ++i) {  // the first line is the count
    const Text& line = dicLines[i];
    if (line.empty() || line[0] == '#' || line[0] == '\t') continue;
    // The stem runs to an unescaped "/" or to white space.
    Text stem, flags;
    size_t k = 0;
    for (; k < line.size(); ++k) {
      const char32_t c = line[k];
      if (c == '\\' && k + 1 < line.size() && line[k + 1] == '/') {
        stem.push_back('/');
        ++k;
      } else if (c == '/' || c == ' ' || c == '\t') {
        break;
      } else {
        stem.push_back(c);
      }
    }
    if (k < line.size() && line[k] == '/') {
      size_t end = k + 1;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
      flags = line.substr(k + 1, end - k - 1);
    }
    a.Strip(stem);
    if (stem.empty()) continue;
    x.Stem(stem, a.FlagsOf(flags));
  }
  return true;
}

bool ExpandHunspellDictionary(const std::string& dicPath, std::vector<std::string>& out, std::string& error,
                              HunspellExpansion* stats, const HunspellOptions& options) {
  const std::string affPath = dicPath.substr(0, dicPath.rfind('.')) + ".aff";
  auto read = [](const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
  };
  std::string aff, dic;
  if (!read(affPath, aff) || !read(dicPath, dic)) {
    error = "cannot read " + dicPath + " and " + affPath;
    return false;
  }
  HunspellExpansion local;
  if (!ExpandHunspellText(aff, dic, out, stats ? *stats : local, error, options)) {
    error = dicPath + ": " + error;
    return false;
  }
  return true;
}

}  // namespace wx::tools
