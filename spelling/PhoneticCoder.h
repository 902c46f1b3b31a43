// What the sound-alike search of a main dictionary needs from a phonetic map:
// the number of leading characters that all candidates share with the word,
// and the phonetic code of a word. The suggestion engine's phonetic map
// implements it; tests use small coders of their own.
#pragma once

#include <string>
#include <string_view>

namespace wx {

class IPhoneticCoder {
 public:
  virtual ~IPhoneticCoder() = default;
  // Leading characters copied verbatim into every code (at least 1).
  virtual int StartDepth() const = 0;
  // Replaces code with the phonetic code of word. Called once per candidate
  // during a search, so it should reuse code's storage rather than allocate.
  virtual void BuildCode(std::string_view word, std::string& code) = 0;
};

}  // namespace wx
