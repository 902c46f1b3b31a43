// The spell checker's option set: which ignore rules apply, which checks run
// and whether live spelling is on. Stored as 16 bits, bit n for option n.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace wx {

enum TSpellOption : uint8_t {
  soUpcase = 0,      // ignore words in capitals
  soNumbers,         // ignore words with digits
  soHTML,            // ignore markup
  soInternet,        // ignore web and e-mail addresses
  soQuoted,          // ignore quoted lines
  soAbbreviations,   // ignore abbreviations
  soPrimaryOnly,     // suggestions from the main dictionaries only
  soRepeated,        // report a word typed twice
  soDUalCaps,        // correct TWo initial capitals
  soLiveSpelling,    // underline while typing
  soLiveCorrect,     // correct while typing
  soUser1,
  soUser2,
  soUser3,
  soUser4,
  kSpellOptionCount
};

class TSpellOptions {
 public:
  constexpr TSpellOptions() = default;
  constexpr TSpellOptions(std::initializer_list<TSpellOption> options) {
    for (TSpellOption o : options) bits_ = uint16_t(bits_ | (1u << o));
  }
  static constexpr TSpellOptions FromBits(uint16_t bits) {
    TSpellOptions s;
    s.bits_ = uint16_t(bits & ((1u << kSpellOptionCount) - 1));
    return s;
  }
  constexpr uint16_t Bits() const { return bits_; }
  constexpr bool Has(TSpellOption o) const { return (bits_ >> o) & 1; }
  constexpr void Set(TSpellOption o, bool on) {
    bits_ = on ? uint16_t(bits_ | (1u << o)) : uint16_t(bits_ & ~(1u << o));
  }
  constexpr bool operator==(const TSpellOptions&) const = default;

 private:
  uint16_t bits_ = 0;
};

// The registry/INI key of each option ("_soUpcase" ...), in option order.
const char* SpellOptionKey(TSpellOption option);

}  // namespace wx
