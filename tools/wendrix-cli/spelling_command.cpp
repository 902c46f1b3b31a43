// Spelling on the command line: "list" prints the misspelled words of files,
// "pipe" speaks the Ispell pipe protocol (a banner line, then for each input
// line one result line per word and an empty line) for editors and scripts.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <algorithm>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "common/AnsiText.h"
#include "common/MappedFile.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/StringParser.h"
#include "tools/lib/AnsiLine.h"

namespace wx::cli {
namespace {

struct SpellArgs {
  std::vector<std::string> mains;
  std::string custom;
  TSpellOptions options = TSpellConfigSettings{}.ConfigDefaultOptions;
  int maxSuggestions = 15;
  bool classic = false;  // the classic suggestion generator instead of the ranked one
  std::vector<std::string> files;
};

const struct {
  const char* name;
  TSpellOption option;
} kOptionNames[] = {{"upcase", soUpcase},       {"numbers", soNumbers},         {"html", soHTML},
                    {"internet", soInternet},   {"quoted", soQuoted},           {"abbreviations", soAbbreviations},
                    {"primaryonly", soPrimaryOnly}, {"repeated", soRepeated},   {"dualcaps", soDUalCaps}};

// "-o upcase,-numbers,+html" adjusts the default set; "-o none,..." starts empty.
bool ParseOptions(const std::string& text, TSpellOptions& options) {
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    std::string item = text.substr(start, end - start);
    start = end + 1;
    if (item.empty()) continue;
    bool on = true;
    if (item[0] == '-' || item[0] == '+') {
      on = item[0] == '+';
      item.erase(0, 1);
    }
    if (item == "none") {
      options = TSpellOptions{};
      continue;
    }
    bool found = false;
    for (const auto& o : kOptionNames)
      if (item == o.name) {
        found = true;
        options.Set(o.option, on);
      }
    if (!found) return false;
  }
  return true;
}

std::string DefaultMainDictionary() {
  namespace fs = std::filesystem;
  const fs::path exe = ExecutableDir();
  const fs::path candidates[] = {exe / "../../windows/american.qxm", exe / "../../../build/data/american.qxm",
                                 exe / "../data/american.qxm", exe / "american.qxm", "build/data/american.qxm",
                                 "dist/windows/american.qxm"};
  for (const auto& p : candidates) {
    std::error_code ec;
    if (fs::is_regular_file(p, ec)) return fs::weakly_canonical(p, ec).string();
  }
  return {};
}

bool ParseArgs(const std::vector<std::string>& args, SpellArgs& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](std::string& v) {
      if (i + 1 >= args.size()) {
        std::fprintf(stderr, "missing value after %s\n", a.c_str());
        return false;
      }
      v = args[++i];
      return true;
    };
    std::string v;
    if (a == "-d" || a == "--dict") {
      if (!value(v)) return false;
      out.mains.push_back(v);
    } else if (a == "-p" || a == "--custom") {
      if (!value(v)) return false;
      out.custom = v;
    } else if (a == "-o" || a == "--options") {
      if (!value(v)) return false;
      if (!ParseOptions(v, out.options)) {
        std::fprintf(stderr, "unknown option in '%s'\n", v.c_str());
        return false;
      }
    } else if (a == "-n" || a == "--max") {
      if (!value(v)) return false;
      out.maxSuggestions = std::atoi(v.c_str());
    } else if (a == "--classic") {
      out.classic = true;
    } else if (a == "-a") {
      // accepted for compatibility with pipe clients
    } else if (a.size() > 1 && a[0] == '-') {
      std::fprintf(stderr, "unknown argument %s\n", a.c_str());
      return false;
    } else {
      out.files.push_back(a);
    }
  }
  if (out.mains.empty()) {
    const std::string d = DefaultMainDictionary();
    if (d.empty()) {
      std::fprintf(stderr, "no main dictionary: american.qxm not found; name one with -d FILE\n");
      return false;
    }
    out.mains.push_back(d);
  }
  for (auto& m : out.mains) {
    if (!std::filesystem::exists(m)) {
      std::fprintf(stderr, "main dictionary %s not found\n", m.c_str());
      return false;
    }
    m = std::filesystem::absolute(m).string();
  }
  if (!out.custom.empty()) out.custom = std::filesystem::absolute(out.custom).string();
  return true;
}

// The command line is the whole configuration: nothing is read from or
// written to a store.
TSpellConfigSettings Settings(const SpellArgs& a) {
  TSpellConfigSettings s;
  s.ConfigStorage = TConfigStorage::csNone;
  s.ConfigDictionaryDir.clear();
  s.ConfigUseMSWordCustom = false;
  s.ConfigDefaultMain = a.mains;
  s.ConfigDefaultCustom.clear();
  if (!a.custom.empty()) s.ConfigDefaultCustom.push_back(a.custom);
  s.ConfigDefaultActiveCustom = a.custom;
  s.ConfigDefaultOptions = a.options;
  return s;
}

void Configure(TSpellCheckerBase& c, const SpellArgs& a) {
  c.SetKeepDictionariesActive(true);
  c.SetSuggestionsLearning(false);
  c.MaxSuggestions = a.maxSuggestions;
  c.SetClassicSuggestions(a.classic);
  c.OpenDictionaries();
}

// Calls fn(word, offset) for each word of an ANSI line with the checker's
// word rules; offset is the word's 0-based character position.
template <bool kWantOffset = true, typename Fn>
void ForEachWord(TSpellCheckerBase& c, TMainParsingEngine& engine, std::string& line, Fn&& fn) {
  if (c.IsLineIgnored(line)) return;
  TStringParser parser(line);
  parser.Initialize();
  engine.Start(&parser, kModeWholeText);
  std::string word;
  for (;;) {
    engine.GetNextWord(word);
    if (word.empty()) break;
    int x = 0, y;
    if constexpr (kWantOffset) parser.GetPosition(x, y);
    fn(word, x - 1 - static_cast<int>(word.size()));
  }
}

void WireEngine(TSpellCheckerBase& c, TMainParsingEngine& engine) {
  engine.OnCharacter = [&c](uint8_t ch, TControlParser& p) { return c.IgnoreRules().CharacterHook(ch, p); };
  engine.OnWord = [&c](const std::string& w, TControlParser& p) { return c.IgnoreRules().WordHook(w, p); };
  engine.SetFrenchApostrophes((c.Language() & 0xFF) == 0x0C);
}

// The verdicts of words already seen: running text repeats its words, and a
// probe of a flat table is cheaper than a walk down the letter tree. Short
// words only; a slot is overwritten when its place is taken. Emptied
// whenever the vocabulary changes.
class VerdictCache {
 public:
  VerdictCache() : hot_(kHotSlots), slots_(kSlots) {}
  bool Misspelled(TSpellCheckerBase& c, const std::string& w) {
    if (w.size() > kMaxKey) return Check(c, w);
    uint32_t h = 2166136261u;
    for (char ch : w) h = (h ^ static_cast<uint8_t>(ch)) * 16777619u;
    // A small table that stays in the processor's cache holds the words met
    // most recently twice; the large one everything else.
    Slot& hot = hot_[h & (kHotSlots - 1)];
    if (Matches(hot, h, w)) return hot.bad;
    Slot& s = slots_[(h >> 8) & (kSlots - 1)];
    if (Matches(s, h, w)) {
      hot = s;
      return s.bad;
    }
    const bool bad = Check(c, w);
    Fill(s, h, w, bad);
    return bad;
  }
  void Clear() {
    std::fill(hot_.begin(), hot_.end(), Slot{});
    std::fill(slots_.begin(), slots_.end(), Slot{});
  }

 private:
  static constexpr size_t kHotSlots = 1 << 12;
  static constexpr size_t kSlots = 1 << 16;
  static constexpr size_t kMaxKey = 10;  // 16-byte slots: most words are this short
  struct Slot {
    uint32_t hash = 0;
    uint8_t length = 0;  // word length + 1; 0 = empty
    bool bad = false;
    char key[kMaxKey] = {};
  };
  static bool Matches(const Slot& s, uint32_t h, const std::string& w) {
    return s.length == w.size() + 1 && s.hash == h && std::memcmp(s.key, w.data(), w.size()) == 0;
  }
  static void Fill(Slot& s, uint32_t h, const std::string& w, bool bad) {
    s.hash = h;
    s.length = static_cast<uint8_t>(w.size() + 1);
    s.bad = bad;
    std::memcpy(s.key, w.data(), w.size());
  }
  static bool Check(TSpellCheckerBase& c, const std::string& w) {
    return !c.CheckWord(w) || (c.UseExcludeWords && c.IsExcluded(w));
  }
  std::vector<Slot> hot_;
  std::vector<Slot> slots_;
};

int RunList(const std::vector<std::string>& args) {
  SpellArgs a;
  if (!ParseArgs(args, a)) return 2;
  TSpellCheckerBase c(Settings(a));
  Configure(c, a);
  TMainParsingEngine engine;
  WireEngine(c, engine);
  VerdictCache cache;
  std::string out;
  out.reserve(1 << 16);
  auto flush = [&] {
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
  };
  // Line by line over the whole text: lines are the unit of the quoted-line
  // rule, and no word spans a line break.
  auto run = [&](std::string_view all) {
    tools::AnsiLine line;
    auto report = [&](const std::string& w) {
      if (cache.Misspelled(c, w)) {
        out += AnsiToUtf8(w);
        out += '\n';
        if (out.size() > (1 << 15)) flush();
      }
    };
    for (size_t pos = 0; pos < all.size();) {
      size_t nl = all.find('\n', pos);
      if (nl == std::string::npos) nl = all.size();
      size_t end = nl;
      if (end > pos && all[end - 1] == '\r') --end;
      line.Assign(all.substr(pos, end - pos));
      pos = nl + 1;
      if (!line.HasForeign()) {
        ForEachWord<false>(c, engine, line.Text(), [&](const std::string& w, int) { report(w); });
      } else {
        ForEachWord(c, engine, line.Text(), [&](const std::string& w, int offset) {
          if (!line.Foreign(offset, w.size())) report(w);
        });
      }
    }
  };
  int rc = 0;
  if (a.files.empty()) {
    const std::string all((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    run(all);
  } else {
    for (const auto& f : a.files) {
      MappedFile file;
      if (!file.Open(f)) {
        std::fprintf(stderr, "wendrix-cli list: cannot open %s\n", f.c_str());
        rc = 1;
        continue;
      }
      run(std::string_view(reinterpret_cast<const char*>(file.data()), file.size()));
    }
  }
  flush();
  return rc;
}

int RunPipe(const std::vector<std::string>& args) {
  SpellArgs a;
  if (!ParseArgs(args, a)) return 2;
  TSpellCheckerBase c(Settings(a));
  Configure(c, a);
  TMainParsingEngine engine;
  WireEngine(c, engine);
  std::printf("@(#) International Ispell Version 3.2.06 (but really Wendrix 5.1.6)\n");
  std::fflush(stdout);
  bool terse = false;
  VerdictCache cache;
  tools::AnsiLine line;
  std::string utf8, out;
  while (std::getline(std::cin, utf8)) {
    if (!utf8.empty() && utf8.back() == '\r') utf8.pop_back();
    size_t skip = 0;
    if (!utf8.empty()) {
      const char cmd = utf8[0];
      const std::string rest = Utf8ToAnsi(std::string_view(utf8).substr(1));
      switch (cmd) {
        case '^':
          skip = 1;
          break;
        case '*':  // add to the custom dictionary
          if (auto* d = c.ActiveCustomDictionary())
            d->AddWord(rest);
          else
            c.TemporaryDictionary().AddWord(rest);
          cache.Clear();
          continue;
        case '@':  // accept for this session
          c.TemporaryDictionary().AddWord(rest);
          cache.Clear();
          continue;
        case '#':  // save the custom dictionary
          if (auto* d = c.ActiveCustomDictionary()) d->Save();
          continue;
        case '!':
          terse = true;
          continue;
        case '%':
          terse = false;
          continue;
        case '+': case '-': case '~': case '$': case '&':
          continue;  // modes this checker has no use for
        default:
          break;
      }
    }
    line.Assign(std::string_view(utf8).substr(skip));
    out.clear();
    ForEachWord(c, engine, line.Text(), [&](const std::string& w, int offset) {
      const int at = offset + static_cast<int>(skip);
      if (line.Foreign(offset, w.size()) || !cache.Misspelled(c, w)) {
        if (!terse) out += "*\n";
        return;
      }
      TSuggestionList s;
      c.GetSuggestions(w, s);
      if (s.empty()) {
        out += "# " + AnsiToUtf8(w) + " " + std::to_string(at) + "\n";
        return;
      }
      out += "& " + AnsiToUtf8(w) + " " + std::to_string(s.size()) + " " + std::to_string(at) + ":";
      for (size_t i = 0; i < s.size(); ++i) out += (i ? ", " : " ") + AnsiToUtf8(s[i].Word);
      out += "\n";
    });
    out += "\n";
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fflush(stdout);
  }
  if (auto* d = c.ActiveCustomDictionary()) d->Save();
  return 0;
}

const CommandRegistrar kList{{"list",
                              "[-d MAIN.qxm]... [-p CUSTOM.qxu] [-o OPTIONS] [FILE...]: print each misspelled "
                              "word, one per line (text in UTF-8, from the files or standard input; words printed "
                              "in UTF-8; a word with letters the dictionaries' code page lacks is never reported)",
                              RunList}};
const CommandRegistrar kPipe{{"pipe",
                              "[-d MAIN.qxm]... [-p CUSTOM.qxu] [-o OPTIONS] [-n MAXSUGGESTIONS] [--classic]: Ispell "
                              "pipe protocol on standard input and output (OPTIONS: upcase,numbers,html,internet,"
                              "quoted,abbreviations,primaryonly,repeated,dualcaps; -name removes, none clears; "
                              "--classic: the classic suggestions instead of the ranked ones; lines in and out in "
                              "UTF-8, offsets in characters)",
                              RunPipe}};

}  // namespace
}  // namespace wx::cli
