// Sound-alike codes: a word's first StartDepth letters verbatim, then the
// outputs of the language's replacement rules, cut after Limit characters.
// Words with equal codes under the same prefix are sound-alike suggestions.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "spelling/PhoneticCoder.h"
#include "spelling/ReplaceNode.h"

namespace wx {

class TPhoneticsMap : public TReplaceNode, public IPhoneticCoder {
 public:
  TPhoneticsMap();

  // Loads the rule set for a language: English (low byte 9), Russian (0x19),
  // French (0x0C), or the generic set.
  virtual void SetLanguage(int language);
  virtual void SetStartDepth(int value);
  void BuildCode(std::string_view word, std::string& code) override;
  const TCodeStepper* Stepper() override;
  uint64_t CodeFingerprint() override;
  void Clear() override;
  void Add(std::string_view source, std::string_view destination, int sourceLength) override;
  virtual bool DistanceAcceptable(std::string_view word, int distance) const;

  int StartDepth() const override { return startDepth_; }
  int Language() const { return language_; }
  void SetDistanceDivisor(int value) { distanceDivisor_ = value < 1 ? 1 : value; }
  int DistanceDivisor() const { return distanceDivisor_; }
  int DistanceMax = 4;
  bool RemoveDupes = true;
  int Limit = 6;

 private:
  // The rules by first byte, longest source first: the same longest match as
  // the trie, without its pointer chase (codes are built for every word of a
  // sound-alike search).
  struct FlatRule {
    std::string source;
    std::string destination;
    int sourceLength;
  };
  // The coding steps over the flattened rules.
  class Steps final : public TCodeStepper {
   public:
    explicit Steps(const TPhoneticsMap& map) : map_(map) {}
    uint8_t Lower(uint8_t c) const override;
    State Begin() const override;
    void Settle(const char* w, size_t k, State& s, std::string& code) const override;
    void Finish(const char* w, size_t n, const State& s, std::string& code) const override;

   private:
    // One rule decision at s.pos of w[0..n). Settling, it answers false
    // (and changes nothing) while a longer rule could still match.
    template <bool kSettling>
    bool Step(const char* w, size_t n, State& s, std::string& code) const;
    const TPhoneticsMap& map_;
  };
  Steps steps_{*this};
  void Flatten();
  using FlatRules = std::array<std::vector<FlatRule>, 256>;
  std::unique_ptr<FlatRules> flat_ = std::make_unique<FlatRules>();
  bool flatDirty_ = true;
  uint64_t rulesHash_ = 0;  // of the flattened rules, made with them

  // The suggestion code switches between a language's rules and the generic
  // ones for nearly every word: the rule sets loaded before stay compiled
  // here and are swapped in instead of being built again. Only a set as
  // loaded is kept; one changed afterwards (Add, Clear) is built anew.
  enum RuleSet { kEnglish, kRussian, kFrench, kGeneric, kRuleSets };
  static RuleSet RuleSetOf(int language);
  struct StoredRules {
    TReplaceNode trie;
    std::unique_ptr<FlatRules> flat = std::make_unique<FlatRules>();
    bool flatDirty = true;
    uint64_t rulesHash = 0;
    bool valid = false;
  };
  void SwapWith(StoredRules& stored);
  std::array<StoredRules, kRuleSets> stored_;
  bool loading_ = false;   // SetLanguage is adding its own rules
  bool pristine_ = false;  // the rules are the loaded set, unchanged since

  void AddEnglish();
  void AddRussian();
  void AddFrench();
  void AddGeneric();

  int startDepth_ = 2;
  int language_ = -1;
  int distanceDivisor_ = 2;
};

}  // namespace wx
