// wendrix-cli define [--neighbours N] [--file PATH] WORD...: the meanings of
// each word by part of speech (head word, synonyms, gloss) and the words
// related to them by relation type, as the definitions window shows them.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "CliCommand.h"
#include "common/AnsiText.h"
#include "definitions/DefinitionsDatabase.h"
#include "definitions/IndexKey.h"

namespace wx::cli {

namespace {

std::string FindDatabase() {
  namespace fs = std::filesystem;
  const std::string dir = ExecutableDir();
  for (const char* rel : {"/../../windows/Definitions.ydd", "/../../../build/data/Definitions.ydd",
                          "/../data/Definitions.ydd", "/Definitions.ydd"}) {
    std::error_code ec;
    fs::path p = fs::path(dir + rel).lexically_normal();
    if (fs::exists(p, ec)) return p.string();
  }
  return "build/data/Definitions.ydd";
}

std::string Join(const std::vector<std::string>& words, const char* sep) {
  std::string out;
  for (const auto& w : words) {
    if (!out.empty()) out += sep;
    out += AnsiToUtf8(w);
  }
  return out;
}

void Define(TDefinitionsDatabase& db, const std::string& word, int neighbours) {
  db.SearchWord(Utf8ToAnsi(word));
  TWordLookup& lookup = db.Lookup();
  std::printf("== %s\n", word.c_str());
  if (lookup.SenseCount() == 0) std::printf("  (not found)\n");
  int lastPos = -1;
  int number = 0;
  for (int i = 0; i < lookup.SenseCount(); ++i) {
    const TSynset& s = lookup.Sense(i);
    if (s.partOfSpeech != lastPos) {
      lastPos = s.partOfSpeech;
      number = 0;
      std::printf("%s\n", PartOfSpeechName(s.partOfSpeech));
    }
    std::printf("  %d. %s", ++number, AnsiToUtf8(s.headWord).c_str());
    if (!s.words.empty()) std::printf(" (%s)", Join(s.words, ", ").c_str());
    std::printf(": %s\n", AnsiToUtf8(s.gloss).c_str());
  }
  for (int type = 0; type < kSynonymsRelation + 1; ++type) {
    int n = type == kSynonymsRelation ? kSynonymsRelation : type;
    if (n != kSynonymsRelation && !(lookup.RelationsPresent() & (1u << n))) continue;
    const auto& words = lookup.RelatedByIndex(n);
    if (words.empty()) continue;
    std::printf("%s: %s\n", RelationName(n), Join(words, ", ").c_str());
  }
  if (neighbours > 0) {
    std::vector<std::string> list;
    int at = db.NeighbourWords(list, neighbours);
    std::printf("Nearby:");
    for (int i = 0; i < int(list.size()); ++i)
      std::printf(i == at ? " [%s]" : " %s", AnsiToUtf8(list[size_t(i)]).c_str());
    std::printf("\n");
  }
}

int RunDefine(const std::vector<std::string>& args) {
  std::string file;
  int neighbours = 0;
  std::vector<std::string> words;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--file" && i + 1 < args.size()) {
      file = args[++i];
    } else if (args[i] == "--neighbours" && i + 1 < args.size()) {
      neighbours = std::atoi(args[++i].c_str());
    } else {
      words.push_back(args[i]);
    }
  }
  if (words.empty()) {
    std::fprintf(stderr, "usage: wendrix-cli define [--neighbours N] [--file PATH] WORD...\n");
    return 2;
  }
  if (file.empty()) file = FindDatabase();
  if (!std::filesystem::exists(file)) {
    std::fprintf(stderr, "wendrix-cli define: no definitions database at %s (use --file)\n", file.c_str());
    return 2;
  }
  TDefinitionsDatabase db;
  db.SetDatabaseFile(file);
  for (const auto& w : words) Define(db, w, neighbours);
  return 0;
}

const CommandRegistrar kDefine({"define", "[--neighbours N] [--file PATH] WORD...: meanings and related words",
                                RunDefine});

}  // namespace

}  // namespace wx::cli
