// build-definitions: writes the definitions database "Definitions.ydd" from
// WordNet 3.0 as Debian's wordnet-base installs it.
//
//   build-definitions WORDNET_DIR OUTFILE
//   build-definitions --key-tables WORDNET_DIR definitions/IndexKeyTables.cpp
//
// The second form regenerates the index-key frequency tables that are
// compiled into the program from the statistics of WordNet's index keys; a
// database must be rebuilt with the program built from the new tables.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <unordered_set>

#include "common/AtomicFile.h"
#include "definitions/IndexKey.h"
#include "FunctionWords.h"
#include "tools/lib/DefinitionsWordForms.h"
#include "tools/lib/DefinitionsWriter.h"
#include "tools/lib/Progress.h"
#include "tools/lib/WordNet.h"

using namespace wx::tools;

namespace {

const char kNotice[] =
    "Definitions derived from WordNet 3.0, Copyright 2006 by Princeton University. All rights reserved. "
    "WordNet is used under its licence: permission to use, copy, modify and distribute this software and "
    "database and its documentation for any purpose and without fee or royalty is granted, provided that the "
    "copyright notice and these statements appear in all copies. WordNet 3.0 is provided \"as is\" and "
    "Princeton University makes no representations or warranties, express or implied. The name of Princeton "
    "University may not be used in advertising or publicity pertaining to distribution of the database. "
    "Prepositions, conjunctions, pronouns and interjections are our own.";

// Relation type of a WordNet pointer symbol, or -1 for pointers not shown.
int RelationOf(const std::string& symbol) {
  if (symbol == "!") return 0;
  if (symbol == "=") return 1;
  if (symbol == ">") return 2;
  if (symbol == "+" || symbol == "\\") return 3;
  if (symbol == "*") return 4;
  if (symbol == "%m" || symbol == "%s" || symbol == "%p") return 5;
  if (symbol == "@" || symbol == "@i") return 6;
  if (symbol == "~" || symbol == "~i") return 7;
  if (symbol == "#m" || symbol == "#s" || symbol == "#p") return 8;
  if (symbol == "<") return 9;
  if (symbol == "^" || symbol == "$") return 10;
  if (symbol == "&") return 11;
  return -1;  // domain pointers
}

std::string Display(const std::string& lemma) {
  std::string s = lemma;
  for (char& c : s)
    if (c == '_') c = ' ';
  return s;
}

std::unordered_set<std::string> ReadWordList(const std::string& path) {
  std::unordered_set<std::string> words;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) words.insert(line);
  return words;
}

int Usage() {
  std::fprintf(stderr,
               "usage: build-definitions WORDNET_DIR OUTFILE\n"
               "       build-definitions --key-tables WORDNET_DIR OUT.cpp\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool keyTables = argc == 4 && std::strcmp(argv[1], "--key-tables") == 0;
  if (argc != 3 && !keyTables) return Usage();
  const std::string dir = argv[keyTables ? 2 : 1];
  const std::string outPath = argv[keyTables ? 3 : 2];
  auto started = std::chrono::steady_clock::now();
  try {
    WordNet wn;
    wn.Load(dir, true);

    DefinitionsWriter writer;
    size_t droppedDomain = 0;
    {
      Progress progress("collecting meanings");
      for (size_t i = 0; i < wn.synsets.size(); ++i) {
        const WnSynset& s = wn.synsets[i];
        DefMeaning m;
        m.section = uint8_t(s.pos);
        for (const auto& w : s.words) m.words.push_back(Display(w.lemma));
        m.gloss = s.gloss;
        for (const auto& p : s.pointers) {
          int type = RelationOf(p.symbol);
          if (type < 0) {
            ++droppedDomain;
            continue;
          }
          DefPointer d;
          d.type = uint8_t(type);
          d.target = p.target;
          d.source = uint8_t(p.source > 255 ? 255 : p.source);
          d.dest = uint8_t(p.dest > 255 ? 255 : p.dest);
          m.pointers.push_back(d);
        }
        writer.AddMeaning(std::move(m));
        if ((i & 4095) == 0) progress.Update(i, wn.synsets.size());
      }
    }
    // The index: every lemma lists its senses in WordNet's order (most
    // frequent first), part of speech by part of speech.
    for (const auto& e : wn.index)
      for (uint32_t s : e.synsets) writer.AddIndexWord(Display(e.lemma), s);
    // Our own function words.
    size_t functionWords = 0;
    for (const auto& f : FunctionWords()) {
      DefMeaning m;
      m.section = uint8_t(f.section);
      std::string words = f.words;
      for (size_t start = 0; start <= words.size();) {
        size_t comma = words.find(',', start);
        if (comma == std::string::npos) comma = words.size();
        m.words.push_back(words.substr(start, comma - start));
        start = comma + 1;
      }
      m.gloss = f.gloss;
      std::vector<std::string> w = m.words;
      uint32_t id = writer.AddMeaning(std::move(m));
      for (const auto& word : w) writer.AddIndexWord(word, id);
      ++functionWords;
    }

    if (keyTables) {
      std::string src = IndexKeyTablesSource(writer.Keys());
      if (!wx::WriteFileAtomically(outPath, src)) throw std::runtime_error("cannot write " + outPath);
      std::fprintf(stderr, "index-key tables from %zu keys written to %s\n", writer.Keys().size(), outPath.c_str());
      return 0;
    }

    std::unordered_set<std::string> english;
    for (const char* list : {"/usr/share/dict/american-english", "/usr/share/dict/words"}) {
      english = ReadWordList(list);
      if (!english.empty()) break;
    }
    WordFormLists forms = MakeWordFormLists(wn, english);
    for (int i = 0; i < 5; ++i) writer.wordForms[i] = forms.lists[i];
    writer.notice = kNotice;

    DefWriterStats st;
    std::string bytes;
    {
      Progress progress("writing " + outPath);
      bytes = writer.Build(&st, [&](size_t done, size_t total) { progress.Update(done, total); });
    }
    if (!wx::WriteFileAtomically(outPath, bytes)) throw std::runtime_error("cannot write " + outPath);
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    size_t perPos[8] = {};
    for (const auto& m : writer.meanings) ++perPos[m.section];
    std::printf("build-definitions: %s\n", outPath.c_str());
    std::printf("  meanings      %zu (noun %zu, verb %zu, adjective %zu, adverb %zu; our own function words %zu)\n",
                st.meanings, perPos[0], perPos[1], perPos[2], perPos[3], functionWords);
    std::printf("  index entries %zu in %zu blocks (largest %zu keys); %zu keys over 128 meanings capped\n",
                st.entries, st.blocks, st.largestBlockEntries, st.cappedEntries);
    std::printf("  pointers      %zu (%zu domain pointers not shown, %zu left out to fit records)\n", st.pointers,
                droppedDomain, st.droppedPointers);
    std::printf("  glosses cut   %zu\n", st.cutGlosses);
    std::printf("  word forms    %zu noun, %zu verb, %zu adjective lines, %zu suffix stems, %zu doubling verbs\n",
                forms.lines[0], forms.lines[1], forms.lines[2], forms.lines[3], forms.lines[4]);
    std::printf("  file size     %zu bytes (meanings %zu, index %zu)\n", st.fileSize, st.meaningBytes,
                st.indexBytes);
    std::printf("  time          %.1f s\n", secs);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "\nbuild-definitions: %s\n", e.what());
    return 1;
  }
}
