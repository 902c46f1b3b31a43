// Wendrix's own suggestion generator. It finds the dictionary words within
// about two edits of a misspelling, with the edit costs of TEditCosts
// (writers' common slips cost less), by walking the letter tree below the
// misspelling's first letter, so that it reaches words the one-edit
// candidates miss ("acomodate", "definatly"); words with another first
// letter are looked up one edit away. It also splits run-together words into
// two common ones ("infact" -> "in fact"). The walk leaves a branch whose
// words would all need more edits than allowed for the typed letters that no
// letter below it matches (TLettersBelow): that saves time, never a word.
// It ranks what it finds by that cost, by how common each word is (the
// dictionary's word ranks, when the file carries them), and by whether the
// word sounds like the misspelling (the phonetic codes, from the first
// letter on), so that common words win ties that generation order used to
// decide ("sevral": several, not serval).
//
// The case of the misspelling carries over: a capitalised misspelling gets
// capitalised suggestions, one in capitals gets them in capitals.
#pragma once

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define WX_RANKED_SSE2 1
#else
#define WX_RANKED_SSE2 0
#endif

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "spelling/EditCosts.h"
#include "spelling/MainDictionary.h"
#include "spelling/PhoneticsMap.h"
#include "spelling/SuggestionsGenerator.h"

namespace wx {

class TRankedSuggestions : public TSuggestionsGenerator {
 public:
  // Words longer than this get no suggestions (the walk keeps a row of costs
  // per letter).
  static constexpr size_t kMaxWord = 60;
  // Added words of custom dictionaries compared one by one, at most.
  static constexpr size_t kMaxAddedWords = 5000;
  // Tree nodes one walk may visit: a sound file needs far fewer; a damaged
  // one whose references form cycles ends there.
  static constexpr uint32_t kMaxVisits = 400000;
  // Suggestions offered at most when the caller sets no count: further down
  // the ranking lie words no writer meant. A count the caller sets is kept.
  static constexpr size_t kMaxOffered = 20;
  // Each walk but the first after opening a dictionary first makes this
  // much more of its table of the letters below each node (the bound of a
  // branch; see BranchMayYield), so that no suggestion waits long for it
  // (the pass reads the whole tree); the English table is complete after
  // two dozen suggestions.
  static constexpr uint32_t kLettersBelowSlice = 8192;

  TRankedSuggestions();

  bool RanksOwnList() const override { return true; }
  void Rank(const std::string& word, int maxCount, TSuggestionSource& source, TSuggestionList& list) override;

  // The weights of the score (in edit-cost units, TEditCosts::kEdit a plain
  // edit); exposed for measuring them.
  struct Weights {
    double countClass = 0.6;   // per count class of the word's rank
    // Count classes above this count as this: among words that common, how
    // often each occurs in the builder's texts says little about which one
    // a writer meant, and the edits should decide ("helo": hello, a letter
    // left out, before hell, a letter typed for another). On the
    // development lists the cap left the shares as they were (0.1 point
    // more first, 0.1 fewer in the first five).
    int countClassCap = 11;
    double listLevel = 4.0;    // per list level of the word's rank
    double soundsAlike = 4.0;  // the phonetic codes agree
    double firstLetter = 4.0;  // the first letter differs
    double learned = 5.0;      // the user chose the word before
    double capitals = 2.0;     // a word with capitals for a lower-case misspelling
    double split = 10.0;       // the cost of a space put in
  };
  Weights& weights() { return weights_; }
  // Off: every branch of the walk is entered that the rows allow, without
  // the bound of the letters below it (which only saves time: the lists
  // stay the same); for measuring and testing it.
  void SetBranchBound(bool value) { branchBound_ = value; }

 private:
  struct Candidate {
    // The word as the dictionary spells it, at this place of words_ (one
    // buffer for all, so that a candidate costs no allocation of its own).
    uint32_t at = 0, length = 0;
    std::string_view word(const std::string& words) const { return std::string_view(words).substr(at, length); }
    int cost = 0;      // edit cost from the word to the misspelling
    uint8_t rank = 0;  // the best word rank a dictionary gave it
    bool split = false;
    double rest = 0;  // the score but for the cost
    double score = 0;
  };

  // Walks the tree below the misspelling's first letter (in either case).
  void Walk(TMainDictionary& dict);
  // Gives the words found since the last call the best rank the
  // dictionaries know for them.
  void RankFound(TSuggestionSource& source);
  void Descend(TMainDictionary& dict, const TMainDictionary::TreeStep& step, size_t depth);
  // Descends into the children of below that may follow row d.
  void DescendChildren(TMainDictionary& dict, const TMainDictionary::Branch& below, size_t d);
  // Whether the words below the path of row d, whose letters (after the
  // path's) all lie in these letter classes, may come within the bound.
  // Row d is one the walk found within the bound.
  bool BranchMayYield(uint32_t letters, size_t d) const {
    // Every typed letter may be matched below: the bound is the row's least
    // cost, which the walk has already found within the bound.
    return (letters & typedClasses_) == typedClasses_ || BranchBound(letters, d);
  }
  // BranchMayYield when some typed letter cannot be matched below.
  bool BranchBound(uint32_t letters, size_t d) const;
  // Computes the cost row of depth for the meant letter c, by costs (costs_
  // or rankCosts_, which differ only in omissions); false when every cost in
  // it is above limit (nothing below can come within it).
  bool Row(size_t depth, uint8_t c, int limit, const TEditCosts& costs);
  bool RowScalar(size_t depth, uint8_t c, int limit, const TEditCosts& costs);
  // After Row (depth): when the edits left allow only matching, swapped or
  // doubled letters, sets allowed to the lower-case letters a next meant
  // letter may be and answers true; false when any letter may follow.
  using Letters = std::array<uint64_t, 4>;
  bool NextLettersLimited(size_t depth, Letters& allowed) const;
  // Costs of the walk's rows; far more than any bound (sums saturate).
  using Cost = int16_t;
  // A row's cells where the meant letter and the one before it were typed
  // swapped (bit j of swaps: at cell j) take that cost from two rows up.
  void ApplySwaps(Cost* cur, uint64_t swaps) const;
  static constexpr Cost kFar = 0x3FFF;
  // The rows of a misspelling of up to 15 letters are 16 costs long, two
  // registers of eight, and computed eight cells at a time.
  static constexpr size_t kVectorStride = 16;
  // The cost of the meant letter c typed as each typed letter (index j for
  // typed letter j - 1), made on first use in a Rank call.
  const Cost* ReplaceCosts(uint8_t c) {
    if ((replaceReady_[c / 64] >> (c % 64)) & 1) return &replaceRows_[size_t(c) * stride_];
    return MakeReplaceCosts(c);
  }
  const Cost* MakeReplaceCosts(uint8_t c);
  // Makes the letter classes of the language's edit costs.
  void MakeCostClasses();
  // The walk spends at most one edit within the first two letters, one
  // plain edit or two slips within the first three, and two edits within
  // the first four: most of a tree's branches lie near its root, and
  // writers' slips lie mostly further in. On the development lists the cap
  // cut the time of a suggestion by more than half and left the share of
  // right words ranked first as it was (0.1 point fewer in the first five).
  //
  // Below a first letter in capitals, for a misspelling in lower case, the
  // walk spends less near the root: at most one slip within the first two
  // letters, one edit within three, one edit and a slip within four, two
  // edits within five. A writer who types a name in lower case has mostly
  // got its beginning right, and such a word ranks behind the lower-case
  // ones anyway (Weights::capitals). On the development lists this took a
  // sixth off the time of a suggestion; no right word moved down the lists,
  // three moved up (names that had come before them are gone).
  static constexpr size_t kCappedDepths = 8;
  static constexpr int kOwnCaps[kCappedDepths] = {0, 6, 10, 13, 18, 22, 26, 30};
  static constexpr int kCapitalCaps[kCappedDepths] = {0, 6, 7, 10, 14, 20, 24, 30};
  const int* caps_ = kOwnCaps;  // the caps of the walk under way
  int DepthCap(size_t depth) const { return depth < kCappedDepths ? caps_[depth] : 2 + 4 * int(depth); }
  void Add(std::string_view word, int cost, uint8_t rank, bool split);
  void AddSplits(TSuggestionSource& source);
  // The words one edit away that begin with another letter than the
  // misspelling: its first letter replaced, one put before it, it left out,
  // or swapped with the second; looked up (the lookup index's word filter
  // turns most away) rather than walked.
  void AddFirstLetterEdits(TMainDictionary& dict);
  // Costs the words found again by rankCosts_, and their scores with them.
  void RankCosts(size_t want);
  // A word's cost by rankCosts_ (the walk's rows, after the walk).
  int RankCost(std::string_view word);
  void AddAddedWords(TSuggestionSource& source);
  bool LowerFormIsWord(std::string_view word, TSuggestionSource& source);
  // The score without the cost and the sound-alike bonus.
  double ScoreBesidesCost(const Candidate& c, TSuggestionSource& source, bool lowerWord);
  std::string_view Word(const Candidate& c) const { return c.word(words_); }
  int Bound(size_t length) const;

  TEditCosts costs_;
  // The costs the words found are ranked by: costs_'s, but that a letter
  // left out, the writer's commonest slip, costs no more than a doubled or
  // swapped one, so that of two words equally far by costs_ the one whose
  // letters the writer left out comes first ("insertin": inserting before
  // insertion; "detais": details before detail). The walk keeps costs_'s
  // dearer omissions: they bound its reach, and cheaper ones let it enter
  // more branches (a sixth more time at 8, twice the time at 6). On the
  // development lists ranking by these raised the first-ranked share by
  // 1.2 points; on another 6,000 misspellings kept apart by 2.2.
  TEditCosts rankCosts_;
  size_t rankedDepth_ = 0;  // the rows RankCost made for its last word
  double rankShare_ = 1;  // the least share of an edit's cost by costs_ that rankCosts_ charges
  std::vector<double> scores_;  // scratch of RankCosts
  bool branchBound_ = true;
  std::array<uint8_t, 256> lower_{};
  TPhoneticsMap phonetics_;  // codes from the first letter on, for ranking
  Weights weights_;

  // State of one Rank call.
  std::string typed_;  // the misspelling in lower case
  std::string code_;   // its phonetic code
  bool lowerWord_ = false;  // the misspelling has no capitals
  int bound_ = 0;
  size_t maxDepth_ = 0;    // the deepest row
  size_t stride_ = 0;        // the length of a row: typed_.size() + 1 or more
  std::vector<Cost> rows_;   // maxDepth_ + 1 rows of stride_ costs
  std::vector<Cost> extra_;  // the cost of each typed letter being one too many
  std::vector<Cost> extraSum_;  // the running sum of extra_
  std::vector<Cost> missCost_;  // by cell: the least cost of its typed letter for another letter class
  uint32_t typedClasses_ = 0;  // the classes of all typed letters
  std::vector<uint32_t> cellClasses_;  // by cell: its typed letter's class (TLettersBelow::Class)
  std::array<int, 256> otherReplace_{};  // by typed letter: see MakeCostClasses
  std::vector<Cost> padding_;   // the least cost of each cell: kFar past the misspelling
  std::vector<Cost> replaceRows_;  // 256 rows of stride_ costs
  Letters replaceReady_{};        // the rows of replaceRows_ made in this call
  // For each byte, the places j (bit j) where typed_ holds it at j - 1.
  std::array<uint64_t, 256> positions_{};
  // For the letters that may follow a row (NextLettersLimited), made for
  // the language: a row's least cost and this much more lets any letter
  // follow; the letters by the cost of their omission, cheapest first; and
  // for each distinct cost of a replacement, cheapest first, by typed
  // letter, the meant letters typed as it at that cost or less.
  int anyLetterSlack_ = 0;
  std::vector<std::pair<int, Letters>> omitClasses_;
  std::vector<std::pair<int, std::vector<Letters>>> replaceClasses_;
  bool costClassesMade_ = false;  // for costs_'s language
  // The letters of the walk's path, as stored and in lower case (the walk
  // never goes deeper than the misspelling's length and a few letters).
  std::array<char, kMaxWord + 16> path_{};
  std::array<uint8_t, kMaxWord + 16> folded_{};
  std::vector<Candidate> found_;
  std::string words_;  // the candidates' words, one after the other
  // Words passed to the source's checks, which take strings.
  std::string probe_, probeRight_;
  size_t ranked_ = 0;  // found_ before this has its ranks
  uint32_t visits_ = 0;
  std::string scratch_;
};

}  // namespace wx
