// The word extractor: walks a text source and returns one word at a time,
// deciding which characters start, continue and end words. Ignore rules plug
// in through two hooks: one asked for each character while looking for the
// start of a word (it may move the cursor past an HTML tag), one asked after
// each word (it may swallow an internet address).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "spelling/ControlParser.h"
#include "spelling/StringParser.h"

namespace wx {

// Check modes of Start.
enum : int { kModeSelection = 0, kModeFromCaret = 1, kModeWholeText = 2, kModeSelectionThenRest = 3,
             kModeKeepPosition = 4 };

class TParsingEngine {
 public:
  virtual ~TParsingEngine() = default;
  virtual void Start(TControlParser* parser, int mode) = 0;
  virtual void MoveToWordStart(int x, int y) = 0;
  virtual void GetNextWord(std::string& word) = 0;
};

class TMainParsingEngine : public TParsingEngine {
 public:
  using CharacterHook = std::function<bool(uint8_t ch, TControlParser& parser)>;
  using WordHook = std::function<bool(const std::string& word, TControlParser& parser)>;

  TMainParsingEngine();

  void Start(TControlParser* parser, int mode) override;
  void MoveToWordStart(int x, int y) override;
  void GetNextWord(std::string& word) override;
  void SetFrenchApostrophes(bool value);

  // Characters that may start or continue a word; rebuilds the tables.
  void SetWordCharacters(const std::string& chars);
  void SetForbidMidWord(const std::string& chars);
  const std::string& WordCharacters() const { return wordChars_; }

  std::string ForbidStart{"'\""};
  std::string ForbidEnd{"'\"."};
  bool AllowMidPeriod = true;
  bool AllowIncompleteLastWord = false;

  CharacterHook OnCharacter;
  WordHook OnWord;

  TControlParser* Parser() const { return parser_; }
  bool FrenchApostrophes() const { return french_; }
  const std::string& LastWord() const { return lastWord_; }

  // The default word character set.
  static std::string DefaultWordCharacters();

 private:
  void RebuildTables();
  template <class Source>
  void NextWord(Source& p, std::string& word);
  bool Starts(uint8_t c) const { return starts_[c]; }
  bool Continues(uint8_t c) const { return continues_[c]; }

  TControlParser* parser_ = nullptr;
  TStringParser* stringParser_ = nullptr;  // the same source when it is a string: calls need no dispatch
  std::string wordChars_;
  std::string forbidMid_{"&"};
  bool french_ = false;
  std::array<bool, 256> starts_{};
  std::array<bool, 256> continues_{};
  std::array<bool, 256> stripped_{};
  std::array<bool, 256> forbidStart_{};
  std::string builtForbidStart_, builtForbidEnd_;  // the values the tables were built from
  std::string lastWord_;
};

}  // namespace wx
