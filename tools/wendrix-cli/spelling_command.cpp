// Spelling on the command line: "list" prints the misspelled words of files,
// "pipe" speaks the Ispell pipe protocol (a banner line, then for each input
// line one result line per word and an empty line) for editors and scripts.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "common/AnsiText.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/StringParser.h"

namespace wx::cli {
namespace {

struct SpellArgs {
  std::vector<std::string> mains;
  std::string custom;
  TSpellOptions options = kConfigDefaultOptions;
  int maxSuggestions = 15;
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
      options = 0;
      continue;
    }
    bool found = false;
    for (const auto& o : kOptionNames)
      if (item == o.name) {
        found = true;
        if (on)
          options |= SpellOptionBit(o.option);
        else
          options &= static_cast<TSpellOptions>(~SpellOptionBit(o.option));
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
  for (const auto& m : out.mains)
    if (!std::filesystem::exists(m)) {
      std::fprintf(stderr, "main dictionary %s not found\n", m.c_str());
      return false;
    }
  return true;
}

void Configure(TSpellCheckerBase& c, const SpellArgs& a) {
  c.SetMainDictionaryNames(a.mains);
  if (!a.custom.empty()) c.SetCustomDictionaryNames({a.custom}, a.custom);
  c.SetOptions(a.options);
  c.KeepDictionariesActive = true;
  c.SuggestionsLearning = false;
  c.MaxSuggestions = a.maxSuggestions;
  c.OpenDictionaries();
}

// Calls fn(word, offset) for each word of an ANSI line with the checker's
// word rules; offset is the word's 0-based character position.
template <typename Fn>
void ForEachWord(TSpellCheckerBase& c, TMainParsingEngine& engine, std::string& line, Fn&& fn) {
  if (c.IsLineIgnored(line)) return;
  TStringParser parser(line);
  parser.Initialize();
  engine.Start(&parser, kModeWholeText);
  std::string word;
  for (;;) {
    engine.GetNextWord(word);
    if (word.empty()) break;
    int x, y;
    parser.GetPosition(x, y);
    fn(word, x - 1 - static_cast<int>(word.size()));
  }
}

void WireEngine(TSpellCheckerBase& c, TMainParsingEngine& engine) {
  engine.OnCharacter = [&c](uint8_t ch, TControlParser& p) { return c.IgnoreRules().CharacterHook(ch, p); };
  engine.OnWord = [&c](const std::string& w, TControlParser& p) { return c.IgnoreRules().WordHook(w, p); };
  engine.SetFrenchApostrophes((c.Language() & 0xFF) == 0x0C);
}

bool Misspelled(TSpellCheckerBase& c, const std::string& w) {
  return !c.CheckWord(w) || (c.UseExcludeWords && c.IsExcluded(w));
}

int RunList(const std::vector<std::string>& args) {
  SpellArgs a;
  if (!ParseArgs(args, a)) return 2;
  TSpellCheckerBase c;
  Configure(c, a);
  TMainParsingEngine engine;
  WireEngine(c, engine);
  std::string out;
  out.reserve(1 << 16);
  auto flush = [&] {
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
  };
  auto run = [&](std::istream& in) {
    std::string utf8, line;
    while (std::getline(in, utf8)) {
      if (!utf8.empty() && utf8.back() == '\r') utf8.pop_back();
      line = Utf8ToAnsi(utf8);
      ForEachWord(c, engine, line, [&](const std::string& w, int) {
        if (Misspelled(c, w)) {
          out += AnsiToUtf8(w);
          out += '\n';
          if (out.size() > (1 << 15)) flush();
        }
      });
    }
  };
  int rc = 0;
  if (a.files.empty()) {
    run(std::cin);
  } else {
    for (const auto& f : a.files) {
      std::ifstream in(f, std::ios::binary);
      if (!in) {
        std::fprintf(stderr, "wendrix-cli list: cannot open %s\n", f.c_str());
        rc = 1;
        continue;
      }
      run(in);
    }
  }
  flush();
  return rc;
}

int RunPipe(const std::vector<std::string>& args) {
  SpellArgs a;
  if (!ParseArgs(args, a)) return 2;
  TSpellCheckerBase c;
  Configure(c, a);
  TMainParsingEngine engine;
  WireEngine(c, engine);
  std::printf("@(#) International Ispell Version 3.2.06 (but really Wendrix 5.1.6)\n");
  std::fflush(stdout);
  bool terse = false;
  std::string utf8, line, out;
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
          continue;
        case '@':  // accept for this session
          c.TemporaryDictionary().AddWord(rest);
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
    line = Utf8ToAnsi(std::string_view(utf8).substr(skip));
    out.clear();
    ForEachWord(c, engine, line, [&](const std::string& w, int offset) {
      const int at = offset + static_cast<int>(skip);
      if (!Misspelled(c, w)) {
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
                              "word, one per line",
                              RunList}};
const CommandRegistrar kPipe{{"pipe",
                              "[-d MAIN.qxm]... [-p CUSTOM.qxu] [-o OPTIONS] [-n MAXSUGGESTIONS]: Ispell pipe "
                              "protocol on standard input and output (OPTIONS: upcase,numbers,html,internet,quoted,"
                              "abbreviations,primaryonly,repeated,dualcaps; -name removes, none clears)",
                              RunPipe}};

}  // namespace
}  // namespace wx::cli
