// Main dictionary reader on arbitrary bytes: the header, exact lookups and the
// sound-alike search must stay inside the mapped file and end.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "common/AnsiText.h"
#include "spelling/MainDictionary.h"

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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::string path = "/tmp/maindict_fuzz_" + std::to_string(getpid()) + ".qxm";
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
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
  Coder coder;
  std::vector<std::string> list;
  d.FindPhoneticMatches("antelope", coder, list);
  d.FindPhoneticMatches("there", coder, list);
  return 0;
}
