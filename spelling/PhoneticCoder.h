// What the sound-alike search of a main dictionary needs from a phonetic map:
// the number of leading characters that all candidates share with the word,
// and the phonetic code of a word. The suggestion engine's phonetic map
// implements it; tests use small coders of their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace wx {

// Coding step by step, for the sound-alike search: it extends a word one
// letter at a time along the letter tree, so instead of coding every
// candidate from its first letter it keeps the coder's state for the part of
// the path whose coding later letters can no longer change ("settled"), and
// finishes a candidate's code from there. The same steps build whole codes,
// so both ways give the same code. Words are coded in lower case (Lower) and
// only their first kMaxCoded bytes count.
class TCodeStepper {
 public:
  static constexpr size_t kMaxCoded = 256;
  struct State {
    size_t pos = 0;      // next position of the word to code
    size_t codeLen = 0;  // code produced so far
    int remaining = 0;   // code letters left before the code is cut
    bool done = false;   // the code is cut: later letters add nothing
  };
  virtual ~TCodeStepper() = default;
  virtual uint8_t Lower(uint8_t c) const = 0;
  virtual State Begin() const = 0;
  // Advances s over the positions of the lower-case word w whose coding the
  // first k bytes decide whatever follows (or the word ending there); code
  // is cut back to s.codeLen first and receives their code letters.
  virtual void Settle(const char* w, size_t k, State& s, std::string& code) const = 0;
  // The code of the lower-case word w[0..n) from s on: code is cut back to
  // s.codeLen and completed.
  virtual void Finish(const char* w, size_t n, const State& s, std::string& code) const = 0;
};

class IPhoneticCoder {
 public:
  virtual ~IPhoneticCoder() = default;
  // Leading characters copied verbatim into every code (at least 1).
  virtual int StartDepth() const = 0;
  // Replaces code with the phonetic code of word. Called once per candidate
  // during a search, so it should reuse code's storage rather than allocate.
  virtual void BuildCode(std::string_view word, std::string& code) = 0;
  // The step-by-step form of BuildCode, or null when the coder has none (the
  // search then codes every candidate whole). A coder that overrides
  // BuildCode of one that has a stepper must override this too.
  virtual const TCodeStepper* Stepper() { return nullptr; }
  // Identifies the coding (rules, start depth, limits): two coders with the
  // same nonzero fingerprint give every word the same code, so codes stored
  // by one (a dictionary's lookup index) answer for the other. 0: unknown.
  virtual uint64_t CodeFingerprint() { return 0; }
};

}  // namespace wx
