// What it costs to get from the word a writer meant to the word they typed,
// one letter at a time: a replaced letter, a letter left out, a letter too
// many, two letters swapped. Plain edits cost kEdit; edits writers make often
// cost less: a doubled letter typed single or a single one doubled, and, for
// English, a vowel written for another vowel and a key next to the right one
// on the keyboard. Letters are compared in lower case.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace wx {

class TEditCosts {
 public:
  static constexpr int kEdit = 10;

  TEditCosts() { SetLanguage(0); }
  // Loads the weighting of a language (only the low byte counts).
  void SetLanguage(int language);
  int Language() const { return language_; }
  // No letter left out costs more than this (until a SetLanguage for
  // another language loads that one's costs).
  void SetOmission(int cost);

  // The meant letter `meant` was typed as `typed` (both lower case); 0 when equal.
  int Replace(uint8_t meant, uint8_t typed) const { return replace_[size_t(meant) * 256 + typed]; }
  // Replace(meant, typed) for every typed letter, indexed by it.
  const uint8_t* ReplaceRow(uint8_t meant) const { return &replace_[size_t(meant) * 256]; }
  // The meant letter was left out; before is the meant letter ahead of it (0 at the start).
  int Omit(uint8_t meant, uint8_t before) const { return meant == before ? doubled_ : omit_[meant]; }
  // The typed letter is one too many; before is the typed letter ahead of it (0 at the start).
  int Extra(uint8_t typed, uint8_t before) const { return typed == before ? doubled_ : kEdit; }
  int Swap() const { return swap_; }
  // The least any edit costs.
  int Cheapest() const { return cheapest_; }
  // The least a meant letter costs that is neither typed where it stands,
  // nor a doubling of the letter before it, nor swapped with a neighbour.
  int CheapestOther() const { return cheapestOther_; }

  // The least the meant letter c costs when it is neither typed where it
  // stands nor a doubling of the letter before it: left out or typed as
  // another letter.
  int CheapestFor(uint8_t c) const { return cheapestFor_[c]; }

  // The cost from meant to typed (both lower case) with the edits above, or
  // bound + 1 when it is more than bound.
  int Distance(std::string_view meant, std::string_view typed, int bound) const;

 private:
  // The least costs that follow from the others.
  void MakeCheapest();

  int language_ = -1;
  int doubled_ = 6;
  int swap_ = 6;
  int cheapest_ = 6;
  int cheapestOther_ = 7;
  std::vector<uint8_t> replace_ = std::vector<uint8_t>(256 * 256);
  std::array<uint8_t, 256> omit_{};
  std::array<uint8_t, 256> cheapestFor_{};
};

}  // namespace wx
