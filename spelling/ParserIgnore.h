// Ignore rules: parts of the text to skip (HTML tags, internet addresses) and
// words to let pass (all capitals, words with digits, abbreviations, quoted
// lines). The checker keeps them in lists and asks them through the
// dispatchers of TIgnoreRules.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "spelling/ControlParser.h"

namespace wx {

class TParserIgnore {
 public:
  virtual ~TParserIgnore() = default;
  virtual bool ScansCharacters() = 0;
  virtual bool ScansLines() = 0;
  virtual bool SkipAtCharacter(uint8_t ch, TControlParser& parser) = 0;
  virtual bool SkipAfterWord(const std::string& word, TControlParser& parser) = 0;
  virtual bool IgnoreWord(const std::string& word, TControlParser* parser) = 0;
  virtual bool IgnoreLine(const std::string& line) = 0;
};

// Every slot answers false.
class TParserIgnoreBase : public TParserIgnore {
 public:
  bool ScansCharacters() override { return false; }
  bool ScansLines() override { return false; }
  bool SkipAtCharacter(uint8_t, TControlParser&) override { return false; }
  bool SkipAfterWord(const std::string&, TControlParser&) override { return false; }
  bool IgnoreWord(const std::string&, TControlParser*) override { return false; }
  bool IgnoreLine(const std::string&) override { return false; }
};

class TURLIgnore : public TParserIgnoreBase {
 public:
  bool ScansCharacters() override { return true; }
  bool SkipAfterWord(const std::string& word, TControlParser& parser) override;
  bool IgnoreWord(const std::string& word, TControlParser* parser) override;
};

class TUppercaseWordIgnore : public TParserIgnoreBase {
 public:
  bool IgnoreWord(const std::string& word, TControlParser* parser) override;
};

class TNumbersIgnore : public TParserIgnoreBase {
 public:
  bool IgnoreWord(const std::string& word, TControlParser* parser) override;
};

class THTMLIgnore : public TParserIgnoreBase {
 public:
  bool ScansCharacters() override { return true; }
  bool SkipAtCharacter(uint8_t ch, TControlParser& parser) override;
  bool IgnoreWord(const std::string& word, TControlParser* parser) override;
};

class TQuotedLineIgnore : public TParserIgnoreBase {
 public:
  explicit TQuotedLineIgnore(std::string quoteChars) : quoteChars_(std::move(quoteChars)) {}
  bool ScansLines() override { return true; }
  bool IgnoreLine(const std::string& line) override;
  bool IgnoreWord(const std::string& word, TControlParser* parser) override;

 private:
  std::string quoteChars_;
};

class TAbbreviationsIgnore : public TParserIgnoreBase {
 public:
  bool IgnoreWord(const std::string& word, TControlParser* parser) override;
};

// The rule lists and the four dispatchers; each dispatcher stops at the first
// rule that answers true. Owns the rules.
class TIgnoreRules {
 public:
  void Register(std::unique_ptr<TParserIgnore> rule);
  void Clear();

  bool CharacterHook(uint8_t ch, TControlParser& parser);
  bool WordHook(const std::string& word, TControlParser& parser);
  bool IgnoreWordByRules(const std::string& word, TControlParser* parser);
  bool IsLineIgnored(const std::string& line);

  size_t Count() const { return all_.size(); }

  // Fills the lists in the fixed order from the enabled rule kinds.
  void Build(bool internet, bool upcase, bool numbers, bool html, bool quoted, bool abbreviations,
             const std::string& quoteChars);

 private:
  std::vector<std::unique_ptr<TParserIgnore>> all_;
  std::vector<TParserIgnore*> characterList_;
  std::vector<TParserIgnore*> lineList_;
};

}  // namespace wx
