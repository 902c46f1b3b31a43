// Word extraction, ignore rules and suggestion helpers on arbitrary text: the
// text a user checks is untrusted. Every pass must end, stay inside the text
// and make progress.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "spelling/ParserIgnore.h"
#include "spelling/ParsingEngine.h"
#include "spelling/PhoneticsMap.h"
#include "spelling/StringParser.h"
#include "spelling/SuggestionsGenerator.h"
#include "spelling/WordDistance.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const uint8_t flags = data[0];
  const int endMark = data[1];
  std::string text(reinterpret_cast<const char*>(data + 2), size - 2);

  wx::TIgnoreRules rules;
  rules.Build(flags & 1, flags & 2, flags & 4, flags & 8, flags & 16, flags & 32, ">");
  wx::TMainParsingEngine engine;
  engine.SetFrenchApostrophes(flags & 64);
  engine.AllowIncompleteLastWord = flags & 128;
  engine.OnCharacter = [&](uint8_t c, wx::TControlParser& p) { return rules.CharacterHook(c, p); };
  engine.OnWord = [&](const std::string& w, wx::TControlParser& p) { return rules.WordHook(w, p); };

  wx::TStringParser parser(text);
  parser.Initialize();
  engine.Start(&parser, wx::kModeWholeText);
  if (endMark) parser.SetPosition(endMark, 0, wx::kSetEndMark);
  std::string word, first;
  size_t words = 0;
  for (;;) {
    engine.GetNextWord(word);
    if (word.empty()) break;
    if (++words > text.size()) std::abort();  // no progress: a word per character at most
    if (first.empty()) first = word;
    rules.IgnoreWordByRules(word, &parser);
    int x, y;
    parser.GetPosition(x, y);
    if (x < 1 || x > static_cast<int>(text.size()) + 1) std::abort();
  }

  if (!first.empty()) {
    // Replace the first word in a fresh pass, then step over it.
    wx::TStringParser again(text);
    again.Initialize();
    engine.Start(&again, wx::kModeWholeText);
    engine.GetNextWord(word);
    if (!word.empty()) {
      again.SelectWord(static_cast<int>(word.size()));
      again.ReplaceWord(word + "x");
      again.SkipWord();
    }
    wx::TPhoneticsMap map;
    map.SetLanguage(flags & 1 ? 0x0409 : 0x0419);
    std::string code;
    map.BuildCode(first, code);
    wx::WordDistance(first, text.substr(0, 300));
    wx::TSuggestionsGenerator gen;
    wx::TSuggestionList list;
    const wx::TSuggestionsGenerator::ExistsFn exists = [](const std::string& w) { return w.size() % 3 == 0; };
    gen.GenerateWithCaseVariants(first.substr(0, 40), 20, exists, &list);
  }
  return 0;
}
