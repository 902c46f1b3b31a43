// Edit candidates for a misspelled word: one transposed, inserted, deleted or
// replaced letter, or a split into two words. A candidate is kept only when
// the vocabulary accepts it (the exists callback).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace wx {

class TMainDictionary;

struct TSuggestion {
  std::string Word;
  int Distance = 0;
};
using TSuggestionList = std::vector<TSuggestion>;

// What the checker offers a generator that builds and ranks its whole list
// (see TSuggestionsGenerator::RanksOwnList).
class TSuggestionSource {
 public:
  virtual ~TSuggestionSource() = default;
  // The open main dictionaries in the checker's order (the first decides the
  // language).
  virtual size_t MainCount() = 0;
  virtual TMainDictionary& Main(size_t i) = 0;
  // Whether the checker may offer this word: the vocabulary its options
  // allow (case adjustment included) holds it and it is not an excluded word.
  virtual bool Offerable(const std::string& word) = 0;
  // Whether the checker must not offer this word of its vocabulary (an
  // excluded word).
  virtual bool Excluded(const std::string& word) = 0;
  // The words added to the custom dictionaries the options allow (none with
  // primary-only); false when there are too many to go through one by one.
  virtual bool ForEachAddedWord(const std::function<void(const std::string& word)>& fn) = 0;
  // The word is one the user chose as a replacement before.
  virtual bool IsLearned(const std::string& word) = 0;
};

// Suggestion kinds, bits of the enabled set.
enum : int { skInsert = 1, skTranspose = 2, skDelete = 4, skReplace = 8, skSplit = 16 };

class TSuggestionsGenerator {
 public:
  using ExistsFn = std::function<bool(const std::string& word)>;
  // Letters (a bit per byte value) that may follow a prefix in a word the
  // exists callback accepts; false when it cannot tell. A candidate whose
  // changed byte is outside the set is not tried: the callback would refuse it.
  using Letters = std::array<uint64_t, 4>;
  using LettersFn = std::function<bool(std::string_view prefix, Letters& letters)>;
  // Used by the runs that follow until it is set again (empty: none).
  void SetLetterGate(LettersFn gate) { gate_ = std::move(gate); }

  TSuggestionsGenerator();
  virtual ~TSuggestionsGenerator() = default;

  virtual void SetLanguage(int language);
  virtual void SetDefaultKinds(bool flag);
  virtual void SetKinds(int kinds);
  virtual bool AddCandidate(const std::string& word);
  virtual bool TryCandidate(const std::string& word);
  virtual bool TryInsertions();
  virtual bool TryTranspositions(int gap);
  virtual bool TryDeletions();
  virtual bool TryReplacements();
  virtual bool TrySplits();
  virtual void Generate(const std::string& word, int maxCount, const ExistsFn& exists, TSuggestionList* list);
  virtual void GenerateWithCaseVariants(const std::string& word, int maxCount, const ExistsFn& exists,
                                        TSuggestionList* list);

  // A generator that builds and ranks the whole list itself answers true;
  // the checker then calls Rank in place of its edit candidates, sound-alike
  // search and sort, and applies only the mapping dictionary, the learned
  // replacement and the count to the result. This generator answers false.
  virtual bool RanksOwnList() const { return false; }
  // Fills list (emptied first) with at most maxCount (-1: no limit)
  // suggestions for word, best first.
  virtual void Rank(const std::string& word, int maxCount, TSuggestionSource& source, TSuggestionList& list) {
    (void)word, (void)maxCount, (void)source;
    list.clear();
  }

  int Kinds() const { return kinds_; }
  int Language() const { return language_; }
  const std::string& FirstPositionLetters() const { return firstLetters_; }

  static const std::string& LowerCaseLetters();
  static const std::string& MixedLetters();

 private:
  bool Full() const { return static_cast<int>(list_->size()) > maxCount_; }

  std::string word_;
  bool wordIsLower_ = false;
  TSuggestionList* list_ = nullptr;
  const ExistsFn* exists_ = nullptr;
  int maxCount_ = 0;
  int language_ = 0;
  bool defaultKinds_ = true;
  int kinds_ = 31;
  const std::string* withinLetters_;
  std::string firstLetters_;
  std::string scratch_;
  LettersFn gate_;
  // The gate's answers for word_'s prefixes, asked once per prefix length
  // in a run (insertions and replacements ask for the same prefixes).
  static constexpr size_t kMaxGated = 256;
  enum : uint8_t { kGateUnknown, kGateOpen, kGateSet };
  std::array<uint8_t, kMaxGated> gateState_{};
  std::array<Letters, kMaxGated> gateLetters_{};
  // Sets letters to the bytes that may follow word_'s first n bytes; false
  // when every byte may (no gate, or it cannot tell).
  bool Gate(size_t n, Letters& letters);
};

}  // namespace wx
