// A read-only main dictionary: a packed letter tree in a .qxm file, mapped
// into memory and read in place.
//
// File layout (little-endian): a 1024-byte header block starting with the
// banner; the title (length byte, UTF-16LE units, a zero unit); Language,
// WordCount, NodeCount and nine node counts C0..C8; nine node blocks, block k
// holding Ck nodes of 4+k bytes (a 32-bit node word and a run of k characters);
// the linkage size L and the linkage area; the 2048-byte first-letter table;
// the 1024-byte character table; then, optionally, a lookup index
// (spelling/MainDictionaryIndex.h) that the tree reader never needs.
//
// The file is untrusted: every node number and linkage offset is checked
// against the mapped view before it is used, so a damaged file ends a lookup
// with "not found" and never reads outside the view.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/MappedFile.h"
#include "spelling/LettersBelow.h"
#include "spelling/MainDictionaryIndex.h"
#include "spelling/PhoneticCoder.h"
#include "spelling/WordRanks.h"

namespace wx {

// The identification banner every main dictionary file starts with.
extern const std::string_view kMainDictionaryBanner;

class TMainDictionary {
 public:
  struct FirstLetter {
    bool oneLetterWord = false;  // the one-letter word exists
    uint8_t childCount = 0;      // 0: no longer words begin with this letter
    uint32_t link = 0;           // node number (count 1) or linkage offset of the references
  };

  // Sound-alike results are capped near this many entries.
  static constexpr size_t kMaxPhoneticMatches = 500;
  // Longest candidate the sound-alike search builds.
  static constexpr size_t kCandidateBufferSize = 512;
  // Nodes the sound-alike search may visit in one call. A sound file never
  // comes near it; it ends the walk of a damaged file whose references form
  // cycles, which would otherwise enumerate without end.
  static constexpr uint32_t kMaxSearchVisits = 1u << 23;
  void SetSearchVisitLimit(uint32_t limit) { maxVisits_ = limit; }

  TMainDictionary();
  ~TMainDictionary();
  TMainDictionary(const TMainDictionary&) = delete;
  TMainDictionary& operator=(const TMainDictionary&) = delete;

  // Reads and checks the header of a file (UTF-8 path). On success the header
  // fields and FileName are replaced, HitCount is reset and the previous
  // active state is restored with the new file. On failure FileName and the
  // header fields keep their values (a file that could be opened leaves the
  // dictionary inactive). Returns whether the header was accepted.
  bool Open(const std::string& fileName);

  // Maps (true) or unmaps (false) the file; nothing when the state is already
  // the one asked for or when no file was opened. The header is read again
  // from the mapped bytes, so a file replaced since Open is read with its own
  // layout. A body too short for the counts of its header, or a header no
  // longer valid, leaves the dictionary inactive.
  void SetActive(bool value);
  bool Active() const { return active_; }

  // Exact, case-sensitive lookup of a byte string. Activates the dictionary
  // when needed; false for an empty word or an unusable file. A candidate is
  // a guess that is most likely no word (an edit of a misspelling): the
  // lookup index's filter turns most of those away without a walk. Words of
  // a text are mostly words, so they skip the filter.
  bool WordExists(std::string_view word, bool candidate = false);

  // Adds to letters (a bit per byte value) every byte that follows prefix in
  // some stored path: a word beginning with prefix and then a byte outside
  // the set is surely not in the dictionary (the set may hold more).
  void NextLetters(std::string_view prefix, std::array<uint64_t, 4>& letters);

  // Appends to list the words below word's first map.StartDepth() characters
  // whose phonetic code equals word's, skipping words the list already holds
  // in any case spelling.
  void FindPhoneticMatches(std::string_view word, IPhoneticCoder& map, std::vector<std::string>& list);

  // Asks the processor to fetch what WordExists(word, true) reads first (a
  // word of the lookup index's filter), so that a caller with many
  // candidates overlaps those reads, which lie far apart.
  void PrefetchCandidate(std::string_view word) {
    if (active_ && !word.empty()) Index().PrefetchFilter(word);
  }

  // Whether the active file carries a lookup index that covers it and
  // lookups may use it (checked on first use after activation).
  bool HasIndex() { return active_ && Index().Attached(); }
  // Off: every lookup walks the tree, as for a file without an index.
  void SetIndexUse(bool value);

  // For the index builder: every word the exact lookup can reach, each path
  // once. False when the walk ran past the visit limit (a damaged file).
  bool ForEachWord(const std::function<void(std::string_view word)>& fn);
  // For the index builder: every prefix of depth bytes a sound-alike search
  // can start from, followed by the words the search evaluates below it in
  // the order it evaluates them; parent is the number (counted from 0 within
  // the prefix) of the nearest evaluated word above on the word's path, or -1.
  bool ForEachSoundAlikeGroup(size_t depth, const std::function<void(std::string_view prefix)>& group,
                              const std::function<void(std::string_view word, int32_t parent)>& word);

  // A node's children as the reader walks them: either one node number or
  // count references starting at a linkage offset.
  struct Children {
    uint32_t count = 0;
    uint32_t single = 0;  // when the list is one direct node number
    uint32_t offset = 0;  // linkage offset of the first reference
    bool direct = false;
  };

  // How common a word is, from the table of word ranks the file may carry
  // after its lookup index (spelling/WordRanks.h): 0 when the file has no
  // such table or the table lacks the word. The table is used under the same
  // conditions as the index (its checksum holds, index use is on).
  uint8_t WordRank(std::string_view word);
  bool HasWordRanks();

  // Walking the tree a letter at a time, for searches that follow many
  // paths at once (ranked suggestions). Every reference is checked as in
  // the lookup; a damaged one ends the branch.
  using Branch = Children;
  // The link of a node without children.
  static constexpr uint32_t kNoChildLink = 0xFFFFF;
  struct TreeStep {
    uint32_t number = 0;  // the node's number (for LettersBelow)
    uint8_t ch = 0;
    bool endOfWord = false;  // the path through ch (before the run) is a word
    uint8_t runLength = 0;   // characters that follow ch unconditionally
    const uint8_t* run = nullptr;
    bool hasBelow = false;
    Branch below;  // the children after the run
    uint8_t countField = 0;  // the node's child count and link, as stored
    uint32_t link = 0;
  };
  // The branch of the words longer than the one letter c (false: none), and
  // whether c alone is a word.
  bool FirstLetterBranch(uint8_t c, Branch& below, bool& oneLetterWord);
  // Reads the child of branch at offset (start with branch.offset; it
  // advances); false when the reference is damaged. A branch has
  // branch.count children.
  bool NextStep(const Branch& branch, uint32_t& offset, TreeStep& step) const {
    const uint8_t* node;
    uint32_t runLength, number;
    if (!PeekStep(branch, offset, node, runLength, number)) return false;
    FinishStep(node, runLength, number, step);
    return true;
  }
  // NextStep in two halves, for a walk that turns most children away by
  // their letter alone: PeekStep finds the child's node (its letter is
  // node[0]) and FinishStep decodes the rest, which reads the linkage area
  // once more.
  bool PeekStep(const Branch& branch, uint32_t& offset, const uint8_t*& node, uint32_t& runLength,
                uint32_t& number) const {
    if (!active_ || !NextChild(branch, offset, number)) return false;
    node = NodeAddress(number, runLength);
    return node != nullptr;
  }
  // PeekStep for up to max children at once: fills nodes, runLengths and
  // numbers and answers how many were read, fewer than max when a reference
  // is damaged. (The references of one branch lie side by side: their
  // bounds are checked once for the batch when they can be.)
  size_t PeekSteps(const Branch& branch, uint32_t& offset, size_t max, const uint8_t** nodes, uint32_t* runLengths,
                   uint32_t* numbers) const {
    if (!active_) return 0;
    if (branch.direct || wideRefs_ || uint64_t(offset) + 2 * uint64_t(max) > linkageSize_) {
      size_t i = 0;
      while (i < max && PeekStep(branch, offset, nodes[i], runLengths[i], numbers[i])) ++i;
      return i;
    }
    for (size_t i = 0; i < max; ++i, offset += 2) {
      numbers[i] = uint32_t(linkage_[offset]) | (uint32_t(linkage_[offset + 1]) << 8);
      nodes[i] = NodeAddress(numbers[i], runLengths[i]);
      if (!nodes[i]) return i;
    }
    return max;
  }
  void FinishStep(const uint8_t* node, uint32_t runLength, uint32_t number, TreeStep& step) const {
    StepHead(node, runLength, number, step);
    step.hasBelow = BelowOf(step, step.below);
  }
  // FinishStep but for step.below and step.hasBelow, which BelowOf answers
  // later, when the walk goes on below the step at all; meanwhile the
  // linkage bytes it reads are fetched.
  void StepHead(const uint8_t* node, uint32_t runLength, uint32_t number, TreeStep& step) const {
    step.number = number;
    const uint32_t w = uint32_t(node[0]) | (uint32_t(node[1]) << 8) | (uint32_t(node[2]) << 16) |
                       (uint32_t(node[3]) << 24);
    step.ch = uint8_t(w);
    step.endOfWord = (w >> 31) != 0;
    step.runLength = uint8_t(runLength);
    step.run = node + 4;
    step.countField = uint8_t((w >> 28) & 7);
    step.link = (w >> 8) & 0xFFFFF;
#if defined(__GNUC__)
    // Without a branch (whether the node has references is anyone's
    // guess): a link that is no linkage offset fetches a line in vain.
    if (linkageSize_ != 0) __builtin_prefetch(linkage_ + (step.link < linkageSize_ ? step.link : 0));
#endif
  }
  bool BelowOf(const TreeStep& step, Branch& below) const { return ChildrenAtLink(step.countField, step.link, below); }

  // The letter classes of a step's run and of every path below it; see
  // spelling/LettersBelow.h. Every class until the table is made.
  uint32_t LettersBelow(uint32_t number) const {
    return lettersBelowChecked_ ? lettersBelow_.Of(number) : TLettersBelow::kAll;
  }
  // Asks the processor to fetch what LettersBelow(number) reads.
  void PrefetchLettersBelow(uint32_t number) const { lettersBelow_.Prefetch(number); }
  // Goes on making the table behind LettersBelow, at most about budget
  // nodes and references further; the call that starts a table (for a file
  // opened or replaced) makes none of it, so that the first search after
  // start reads no more of the file than it did without the table. The table is kept while the file is the
  // same version (size and modification time): the program activates the
  // dictionary for every check.
  void AdvanceLettersBelow(uint32_t budget);
  // For that table's maker: node number's bytes (null when it is no node),
  // and its children (false when it has none, or is no node).
  bool NodeChildren(uint32_t number, Children& children, const uint8_t*& node, uint32_t& runLength) const {
    node = active_ ? NodeAddress(number, runLength) : nullptr;
    if (!node) return false;
    const uint32_t w = uint32_t(node[3]) << 24 | uint32_t(node[2]) << 16 | uint32_t(node[1]) << 8;
    return ChildrenAtLink(uint8_t((w >> 28) & 7), (w >> 8) & 0xFFFFF, children);
  }

  // Whether some stored word of two letters or more begins with the bytes a
  // and b (true as well when a reference below a is damaged): a candidate
  // that begins otherwise is no word, and is turned away without a lookup.
  // The table behind it is made from the tree on first use after each
  // activation (the first letters' children: about a thousand nodes).
  bool MayBegin(uint8_t a, uint8_t b) {
    if (!secondLettersMade_) MakeSecondLetters();
    return (secondLetters_[a][b / 64] >> (b % 64)) & 1;
  }

  // The part of the file the tree reader uses (before any index); 0 when inactive.
  uint64_t TreeSize() const { return active_ ? treeSize_ : 0; }

  const std::string& FileName() const { return fileName_; }
  const std::string& Title() const { return title_; }  // ANSI
  int32_t Language() const { return language_; }
  uint32_t WordCount() const { return wordCount_; }
  uint32_t NodeCount() const { return nodeCount_; }
  // Words the spell checker found in this dictionary; the checker counts.
  int32_t HitCount() const { return hitCount_; }
  void SetHitCount(int32_t value) { hitCount_ = value; }
  void IncrementHitCount() { ++hitCount_; }

  // Copies taken from the view on activation.
  const std::array<FirstLetter, 256>& FirstLetterTable() const { return firstLetters_; }
  const std::array<uint8_t, 1024>& CharacterTable() const { return charTable_; }

 private:
  struct Node {
    uint8_t ch;
    bool endOfWord;
    uint8_t childCount;  // field value 0..7
    uint32_t link;       // 20 bits
    uint8_t runLength;
    const uint8_t* run;
  };

  struct Header {
    std::string title;
    uint32_t language = 0, words = 0, nodes = 0;
    std::array<uint32_t, 9> counts{};
    uint64_t nodeArea = 0;  // file offset of block 0
  };
  // Checks the banner and reads the fields after it from the first bytes of
  // a file of fileSize bytes.
  static bool ParseHeader(const char* data, size_t size, uint64_t fileSize, Header& h);
  void TakeHeader(const Header& h);
  void ForgetLookupPath() {
    pathTop_ = 0;
    lastLength_ = 0;
  }

  bool ReadNode(uint32_t number, Node& node) const;
  // The exact lookup is the hot path of every spell check, so it works on
  // the raw node words: a child's character is compared before anything
  // else of it is decoded. Every node number is still checked first.
  const uint8_t* NodeAddress(uint32_t number, uint32_t& runLength) const {
    if (number < firstNumbers_[1]) {
      runLength = 0;
      return blockBase_[0] + size_t(number) * 4;
    }
    if (number >= firstNumbers_[9]) return nullptr;
    // The block is counted rather than searched for: a search's branches
    // mispredict on nodes met in no particular order.
    uint32_t k = 1;
    for (size_t b = 2; b < 9; ++b) k += uint32_t(number >= firstNumbers_[b]);
    runLength = k;
    return blockBase_[k] + size_t(number - firstNumbers_[k]) * (4 + k);
  }
  bool ChildrenOf(const Node& node, Children& out) const { return ChildrenAtLink(node.childCount, node.link, out); }
  // The children of a node with this count field and link: a count of 0
  // reads the count from the linkage area.
  bool ChildrenAtLink(uint8_t count, uint32_t link, Children& out) const {
    if (count != 0) {
      out.count = count;
      out.direct = count == 1;
      out.single = count == 1 ? link : 0;
      out.offset = count == 1 ? 0 : link;
      return true;
    }
    out = Children();
    if (link == kNoChildLink || link >= linkageSize_) return false;
    const uint8_t n = linkage_[link];
    if (n == 0) return false;
    out.count = n;
    out.offset = link + 1;
    return true;
  }
  bool ChildrenAt(uint8_t count, uint32_t link, Children& out) const;
  // The i-th child walked in order: reads the reference at offset (advancing it).
  bool NextChild(const Children& children, uint32_t& offset, uint32_t& number) const {
    if (children.direct) {
      number = children.single;
      return true;
    }
    const uint32_t l = linkageSize_;
    if (!wideRefs_) {
      if (l < 2 || offset > l - 2) return false;
      number = uint32_t(linkage_[offset]) | (uint32_t(linkage_[offset + 1]) << 8);
      offset += 2;
      return true;
    }
    if (offset >= l) return false;
    const uint8_t b0 = linkage_[offset];
    if (b0 & 0x80) {
      if (l < 2 || offset > l - 2) return false;
      number = (uint32_t(b0 & 0x7F) << 8) | linkage_[offset + 1];
      offset += 2;
    } else {
      if (l < 3 || offset > l - 3) return false;
      number = (uint32_t(b0) << 16) | (uint32_t(linkage_[offset + 1]) << 8) | linkage_[offset + 2];
      offset += 3;
    }
    return true;
  }
  bool FindChild(const Children& children, uint8_t ch, Node& node) const;
  // With a coder that codes step by step, s is the coder's state settled
  // over the path up to the node's own character (for the prefix node: over
  // the whole prefix), and a subtree whose settled code already differs from
  // the word's code holds no match and is not entered.
  void Search(const Node& node, size_t ownEnd, size_t runEnd, bool isPrefixNode, const TCodeStepper::State& s);
  void Evaluate(size_t length, bool& descend);
  void EvaluateStepped(size_t length, const TCodeStepper::State& s, bool& descend);
  // Whether words below a path settled to s (extending one settled to
  // codeLen from) can still have the word's code.
  bool CodeCanMatch(const TCodeStepper::State& s, size_t from) const;
  void AddMatch(size_t length, bool& descend);
  // The sound-alike search through the index; false when the index cannot answer.
  bool IndexedMatches(std::string_view word, size_t prefixLen, uint64_t fingerprint);
  void AttachIndex();
  const TMainDictionaryIndex& Index() {
    if (!indexChecked_) {
      indexChecked_ = true;
      AttachIndex();
    }
    return index_;
  }
  void MakeSecondLetters();
  bool WalkWords(const Children& children, std::string& path, const std::function<void(std::string_view)>& fn);
  void WalkGroup(const Node& node, size_t ownEnd, std::string& path, int32_t parent, int32_t& count,
                 const std::function<void(std::string_view, int32_t)>& fn);

  std::string fileName_;
  std::string title_;
  int32_t language_ = 0;
  uint32_t wordCount_ = 0;
  uint32_t nodeCount_ = 0;
  std::array<uint32_t, 9> blockCounts_{};
  std::array<uint64_t, 10> blockStarts_{};  // file offsets; [9] is E
  std::array<uint64_t, 10> firstNumbers_{};  // S0..S9
  int32_t hitCount_ = 0;

  bool active_ = false;
  MappedFile view_;
  const uint8_t* linkage_ = nullptr;
  std::array<const uint8_t*, 9> blockBase_{};  // start of each node block in the view
  uint32_t linkageSize_ = 0;
  bool wideRefs_ = false;  // NodeCount >= 0xFFFF: big-endian 2/3-byte references
  std::array<FirstLetter, 256> firstLetters_{};
  std::array<uint8_t, 1024> charTable_{};
  // For MayBegin: by first byte, the bytes that follow it (a bit each).
  std::array<std::array<uint64_t, 4>, 256> secondLetters_{};
  bool secondLettersMade_ = false;  // since the last activation
  // LettersBelow, for the file of this size and time.
  TLettersBelow lettersBelow_;
  bool lettersBelowChecked_ = false;  // the file's version, since the last activation
  uint64_t lettersBelowSize_ = 0;
  int64_t lettersBelowTime_ = 0;

  // The lookup index after the tree part, when its checksum holds. It is
  // looked at only when a lookup can use it, and its checksum is computed
  // once per file version (size and modification time): the program
  // activates the dictionary for every check.
  TMainDictionaryIndex index_;
  TWordRanks ranks_;
  bool indexChecked_ = false;  // since the last activation
  bool indexUse_ = true;
  uint64_t treeSize_ = 0;
  uint64_t verifiedSize_ = 0;
  int64_t verifiedTime_ = 0;

  // The path of the last exact lookup: path_[i] (1 <= i <= pathTop_) holds
  // the children among which the letter at index i of lastWord_ was sought
  // (valid false where index i lies inside a run).
  static constexpr size_t kPathMax = 64;
  struct PathStep {
    uint32_t count = 0;
    uint32_t link = 0;
    bool direct = false;
    bool valid = false;
    bool lettersKnown = false;
    bool exact = false;                   // letters and numbers describe every child
    std::array<uint64_t, 4> letters{};    // the children's characters, once known
    std::array<uint32_t, 256> numbers{};  // the child's node number by character
  };
  // Fills step.letters (every bit when a reference is unusable).
  void ChildLetters(PathStep& step) const;
  std::array<PathStep, kPathMax> path_{};
  size_t pathTop_ = 0;
  uint8_t lastWord_[kPathMax] = {};
  size_t lastLength_ = 0;

  // State of one sound-alike search.
  IPhoneticCoder* map_ = nullptr;
  std::vector<std::string>* list_ = nullptr;
  std::string code_;
  std::string candidateCode_;
  char buffer_[kCandidateBufferSize + 1] = {};
  const TCodeStepper* stepper_ = nullptr;
  char lower_[kCandidateBufferSize + 1] = {};  // buffer_ in lower case, for the stepper
  std::string stepCode_;
  uint32_t visits_ = 0;
  uint32_t maxVisits_ = kMaxSearchVisits;
};

}  // namespace wx
