// Sound-alike codes: a word's first StartDepth letters verbatim, then the
// outputs of the language's replacement rules, cut after Limit characters.
// Words with equal codes under the same prefix are sound-alike suggestions.
#pragma once

#include <string>
#include <string_view>

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
  virtual bool DistanceAcceptable(std::string_view word, int distance) const;

  int StartDepth() const override { return startDepth_; }
  int Language() const { return language_; }
  void SetDistanceDivisor(int value) { distanceDivisor_ = value < 1 ? 1 : value; }
  int DistanceDivisor() const { return distanceDivisor_; }
  int DistanceMax = 4;
  bool RemoveDupes = true;
  int Limit = 6;

 private:
  void AddEnglish();
  void AddRussian();
  void AddFrench();
  void AddGeneric();

  int startDepth_ = 2;
  int language_ = -1;
  int distanceDivisor_ = 2;
};

}  // namespace wx
