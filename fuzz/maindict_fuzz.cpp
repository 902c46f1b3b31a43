// Main dictionary reader on arbitrary bytes: the header, exact lookups, the
// sound-alike search (by walking or through a lookup index), the word ranks,
// the table of the letters below each node and the ranked suggestions' walk
// of the tree must stay inside the mapped file and end.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "common/AnsiText.h"
#include "spelling/MainDictionary.h"
#include "spelling/MainDictionaryIndex.h"
#include "spelling/PhoneticsMap.h"
#include "spelling/RankedSuggestions.h"

namespace {

class Coder : public wx::IPhoneticCoder {
 public:
  int StartDepth() const override { return 2; }
  void BuildCode(std::string_view word, std::string& code) override {
    code.clear();
    for (size_t i = 0; i < word.size() && code.size() < 6; ++i) {
      char c = char(wx::AnsiLowerChar(uint8_t(word[i])));
      if (i < 2 || (c != 'a' && c != 'e' && c != 'i' && c != 'o' && c != 'u')) code.push_back(c);
    }
  }
};

// The ranked suggestions over this one dictionary alone.
class Source : public wx::TSuggestionSource {
 public:
  explicit Source(wx::TMainDictionary& d) : d_(d) {}
  size_t MainCount() override { return 1; }
  wx::TMainDictionary& Main(size_t) override { return d_; }
  bool Offerable(const std::string& word) override { return d_.WordExists(word); }
  bool Excluded(const std::string&) override { return false; }
  bool ForEachAddedWord(const std::function<void(const std::string&)>&) override { return true; }
  bool IsLearned(const std::string&) override { return false; }

 private:
  wx::TMainDictionary& d_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/maindict_fuzz_" + std::to_string(getpid()) + ".qxm";
  // Half of the inputs get a checksum that holds, so that damaged lookup
  // indexes are attached and read too.
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (size > 8 && size % 2 == 0) {
    const uint64_t sum = wx::IndexHash(data, size - 8, wx::TMainDictionaryIndex::kChecksumSeed);
    for (int i = 0; i < 8; ++i) bytes[size - 8 + i] = char((sum >> (8 * i)) & 0xFF);
  }
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  wx::TMainDictionary d;
  d.SetSearchVisitLimit(50000);
  if (!d.Open(path)) return 0;
  for (const char* w : {"a", "an", "the", "there", "international", "zz", "abc\xE9", "antelopes"}) d.WordExists(w);
  // Words spelled from the bytes themselves reach deeper into damaged trees.
  if (size > 1100) {
    std::string w(reinterpret_cast<const char*>(data) + 1090, 8);
    d.WordExists(w);
  }
  // The table of beginnings, made from the first levels of the tree.
  for (uint8_t a : {uint8_t('a'), uint8_t('t'), uint8_t('z'), uint8_t(0xE9)})
    for (uint8_t b : {'n', 'h', 'e', 'z'}) d.MayBegin(a, b);
  Coder coder;
  std::vector<std::string> list;
  d.FindPhoneticMatches("antelope", coder, list);
  d.FindPhoneticMatches("there", coder, list);
  // The program's own rules: these may be answered by the index.
  wx::TPhoneticsMap rules;
  for (int language : {0x0409, 0}) {
    rules.SetLanguage(language);
    d.FindPhoneticMatches("antelope", rules, list);
    d.FindPhoneticMatches("telefohne", rules, list);
  }
  // The table of the letters below each node, made whole (one pass over
  // every node and reference), then read for every number.
  d.AdvanceLettersBelow(1u << 22);  // starts the table
  d.AdvanceLettersBelow(1u << 22);
  for (uint32_t n = 0; n < d.NodeCount() + 2 && n < 100000; ++n) d.LettersBelow(n);
  Source source(d);
  wx::TRankedSuggestions ranked;
  wx::TSuggestionList suggestions;
  for (const char* w : {"antelpoe", "Thier", "sevral", "alot"}) ranked.Rank(w, -1, source, suggestions);
  return 0;
}
