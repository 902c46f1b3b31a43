#include "spelling/MainDictionary.h"

#include <algorithm>
#include <cstring>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "common/ByteReader.h"
#include "common/FileSystem.h"

namespace wx {

const std::string_view kMainDictionaryBanner =
    "Lexicon Image Builder, Version 4.0\r\n"
    "Packed letter tree for the spelling checker\r\n"
    "Main word list in read-only image form\r\n"
    "\r\n";

namespace {

constexpr size_t kHeaderBlock = 1024;
constexpr uint32_t kNoChildren = TMainDictionary::kNoChildLink;
constexpr uint64_t kTablesSize = 2048 + 1024;
// The header block, the title and the counts: at most 1024 + 1 + 512 + 48 bytes.
constexpr size_t kHeaderRead = kHeaderBlock + 1 + 512 + 48;

// Reads at most n bytes from the start of a file; false when it cannot be opened.
bool ReadFileStart(const std::string& path, size_t n, std::string& out, uint64_t& fileSize) {
  const FileFacts facts = FactsOf(path);
  if (!facts.regular) return false;
  fileSize = facts.size;
  return wx::ReadFileStart(path, n, out);
}

std::string TitleToAnsi(const std::u16string& units) {
  std::string out;
  if (UnicodeToAnsi(units, out)) return out;
  out.clear();
  for (char16_t u : units) {
    uint8_t c;
    out.push_back(UnicodeCharToAnsi(u, c) ? char(c) : '?');
  }
  return out;
}

}  // namespace

TMainDictionary::TMainDictionary() = default;

TMainDictionary::~TMainDictionary() { SetActive(false); }

bool TMainDictionary::ParseHeader(const char* data, size_t size, uint64_t fileSize, Header& h) {
  if (fileSize <= kHeaderBlock || size <= kHeaderBlock) return false;
  // The banner is compared as text: up to the first zero byte of the block.
  std::string_view block(data, kHeaderBlock);
  block = block.substr(0, block.find('\0'));
  if (block.substr(0, kMainDictionaryBanner.size()) != kMainDictionaryBanner) return false;

  ByteReader r(data, size);
  r.Seek(kHeaderBlock);
  uint8_t n = r.U8();
  std::u16string title;
  for (unsigned i = 0; i < n; ++i) title.push_back(char16_t(r.U16()));
  r.U16();  // the terminating zero unit
  h.language = r.U32();
  h.words = r.U32();
  h.nodes = r.U32();
  for (auto& c : h.counts) c = r.U32();
  if (!r.ok()) return false;
  h.title = TitleToAnsi(title);
  h.nodeArea = r.pos();
  return true;
}

void TMainDictionary::TakeHeader(const Header& h) {
  title_ = h.title;
  language_ = int32_t(h.language);
  wordCount_ = h.words;
  nodeCount_ = h.nodes;
  blockCounts_ = h.counts;
  blockStarts_[0] = h.nodeArea;
  firstNumbers_[0] = 0;
  for (int k = 0; k < 9; ++k) {
    blockStarts_[k + 1] = blockStarts_[k] + uint64_t(h.counts[k]) * uint64_t(4 + k);
    firstNumbers_[k + 1] = firstNumbers_[k] + h.counts[k];
  }
  wideRefs_ = h.nodes >= 0xFFFF;
}

bool TMainDictionary::Open(const std::string& fileName) {
  std::string head;
  uint64_t fileSize = 0;
  if (!ReadFileStart(fileName, kHeaderRead, head, fileSize)) return false;

  bool wasActive = active_;
  hitCount_ = 0;
  SetActive(false);

  Header h;
  if (!ParseHeader(head.data(), head.size(), fileSize, h)) return false;
  fileName_ = fileName;
  verifiedSize_ = 0;
  lettersBelow_.Clear();
  lettersBelowSize_ = 0;
  TakeHeader(h);
  SetActive(wasActive);
  return true;
}

void TMainDictionary::SetActive(bool value) {
  if (value == active_) return;
  ForgetLookupPath();
  secondLettersMade_ = false;
  lettersBelowChecked_ = false;
  index_.Detach();
  ranks_.Detach();
  indexChecked_ = false;
  if (!value) {
    view_.Close();
    linkage_ = nullptr;
    linkageSize_ = 0;
    active_ = false;
    return;
  }
  if (fileName_.empty()) return;
  if (!view_.Open(fileName_)) return;
  const uint64_t size = view_.size();
  // The file may have been replaced since it was opened (the dictionary update
  // tool does that between checks): the layout is taken from the bytes now
  // mapped, never from an earlier reading.
  Header h;
  const char* bytes = reinterpret_cast<const char*>(view_.data());
  if (!ParseHeader(bytes, size_t(std::min<uint64_t>(size, kHeaderRead)), size, h)) {
    view_.Close();
    return;
  }
  TakeHeader(h);
  const uint64_t e = blockStarts_[9];
  ByteReader r(view_.data(), view_.size());
  if (size <= e + 4) {
    view_.Close();
    return;
  }
  uint32_t l = r.U32At(size_t(e));
  if (!r.ok() || size < e + 4 + uint64_t(l) + kTablesSize) {
    view_.Close();
    return;
  }
  linkage_ = view_.data() + e + 4;
  for (int k = 0; k < 9; ++k) blockBase_[k] = view_.data() + blockStarts_[k];
  linkageSize_ = l;
  const uint8_t* tables = linkage_ + l;
  for (int c = 0; c < 256; ++c) {
    const uint8_t* t = tables + c * 8;
    firstLetters_[c].oneLetterWord = t[0] != 0;
    firstLetters_[c].childCount = t[1];
    firstLetters_[c].link = uint32_t(t[4]) | (uint32_t(t[5]) << 8) | (uint32_t(t[6]) << 16) | (uint32_t(t[7]) << 24);
  }
  std::memcpy(charTable_.data(), tables + 2048, charTable_.size());
  treeSize_ = e + 4 + l + kTablesSize;
  active_ = true;
}

void TMainDictionary::AttachIndex() {
  index_.Detach();
  ranks_.Detach();
  const uint64_t size = view_.size();
  if (!active_ || !indexUse_ || size <= treeSize_ + 8) return;
  const FileFacts facts = FactsOf(fileName_);
  const int64_t stamp = facts.time;
  if (!facts.exists || size != verifiedSize_ || stamp != verifiedTime_) {
    verifiedSize_ = 0;
    const uint64_t stored = ByteReader(view_.data(), size_t(size)).U64At(size_t(size - 8));
    if (IndexHash(view_.data(), size_t(size - 8), TMainDictionaryIndex::kChecksumSeed) != stored) return;
    if (facts.exists) {
      verifiedSize_ = size;
      verifiedTime_ = stamp;
    }
  }
  index_.Attach(view_.data() + treeSize_, size_t(size - treeSize_), treeSize_);
  ranks_.Attach(view_.data() + treeSize_, size_t(size - treeSize_ - 8));
}

uint8_t TMainDictionary::WordRank(std::string_view word) {
  if (!active_) SetActive(true);
  if (!active_) return 0;
  Index();
  return ranks_.Rank(word);
}

bool TMainDictionary::HasWordRanks() {
  if (!active_) SetActive(true);
  if (!active_) return false;
  Index();
  return ranks_.Attached();
}

void TMainDictionary::MakeSecondLetters() {
  for (auto& letters : secondLetters_) letters.fill(0);
  if (!active_) SetActive(true);
  secondLettersMade_ = true;  // an unusable file: no word begins anyhow
  if (!active_) return;
  for (int c = 0; c < 256; ++c) {
    std::array<uint64_t, 4>& letters = secondLetters_[size_t(c)];
    const FirstLetter& t = firstLetters_[size_t(c)];
    Children children;
    if (!ChildrenAt(t.childCount, t.link, children)) continue;
    uint32_t offset = children.offset;
    for (uint32_t i = 0; i < children.count; ++i) {
      uint32_t number, runLength;
      const uint8_t* node = NextChild(children, offset, number) ? NodeAddress(number, runLength) : nullptr;
      if (!node) {
        letters.fill(~uint64_t(0));  // what follows is unknown: anything may
        break;
      }
      letters[node[0] / 64] |= uint64_t(1) << (node[0] % 64);
    }
  }
}

void TMainDictionary::AdvanceLettersBelow(uint32_t budget) {
  if (!active_) SetActive(true);
  if (!active_) return;
  if (!lettersBelowChecked_) {
    lettersBelowChecked_ = true;
    const int64_t stamp = FactsOf(fileName_).time;
    const uint64_t size = view_.size();
    // A file whose time cannot be read counts as time 0: were it started
    // over at every activation, its table would never be made (the first
    // walk after a start makes none of it).
    if (size != lettersBelowSize_ || stamp != lettersBelowTime_) {
      lettersBelow_.Reset(uint32_t(firstNumbers_[9]));
      lettersBelowSize_ = size;
      lettersBelowTime_ = stamp;
      return;  // the first search after opening pays nothing for the table
    }
  }
  if (!lettersBelow_.Complete()) lettersBelow_.Advance(*this, budget);
}

bool TMainDictionary::FirstLetterBranch(uint8_t c, Branch& below, bool& oneLetterWord) {
  below = Branch();
  oneLetterWord = false;
  if (!active_) SetActive(true);
  if (!active_) return false;
  const FirstLetter& t = firstLetters_[c];
  oneLetterWord = t.oneLetterWord;
  return ChildrenAt(t.childCount, t.link, below);
}

void TMainDictionary::SetIndexUse(bool value) {
  indexUse_ = value;
  index_.Detach();
  ranks_.Detach();
  indexChecked_ = false;
}

bool TMainDictionary::ReadNode(uint32_t number, Node& node) const {
  // Every block lies inside the view (checked on activation), so a number
  // below S9 always addresses bytes of the view.
  if (number >= firstNumbers_[9]) return false;
  int k = 0;
  while (number >= firstNumbers_[k + 1]) ++k;
  const uint8_t* p = view_.data() + blockStarts_[k] + (number - firstNumbers_[k]) * uint64_t(4 + k);
  uint32_t w = uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
  node.ch = uint8_t(w);
  node.link = (w >> 8) & 0xFFFFF;
  node.childCount = uint8_t((w >> 28) & 7);
  node.endOfWord = (w >> 31) != 0;
  node.runLength = uint8_t(k);
  node.run = p + 4;
  return true;
}

bool TMainDictionary::ChildrenAt(uint8_t count, uint32_t link, Children& out) const {
  out = Children();
  if (count == 1) {
    out.direct = true;
    out.single = link;
    out.count = 1;
    return true;
  }
  out.count = count;
  out.offset = link;
  return count > 0;
}

bool TMainDictionary::FindChild(const Children& children, uint8_t ch, Node& node) const {
  uint32_t offset = children.offset;
  for (uint32_t i = 0; i < children.count; ++i) {
    uint32_t number;
    if (!NextChild(children, offset, number)) return false;
    if (!ReadNode(number, node)) return false;
    if (node.ch == ch) return true;
  }
  return false;
}

bool TMainDictionary::WordExists(std::string_view word, bool candidate) {
  if (!active_) SetActive(true);
  if (!active_ || word.empty()) return false;
  // The index's filter never turns away a stored word.
  if (candidate && !Index().MayContain(word)) return false;
  const uint8_t* w = reinterpret_cast<const uint8_t*>(word.data());
  const size_t m = word.size();
  const FirstLetter& t = firstLetters_[w[0]];
  if (m == 1) return t.oneLetterWord;
  // A count of 1 taken from a node or the table makes link the child's node
  // number; a count read from the linkage area is always followed by references.
  uint32_t count = t.childCount;
  uint32_t link = t.link;
  bool direct = count == 1;
  size_t i = 1;
  // Edit candidates of one word share long prefixes: start where the
  // previous lookup's path still applies (the deepest recorded point within
  // the prefix both words share).
  size_t common = 0;
  const size_t limit = std::min({m - 1, lastLength_, pathTop_});
  while (common < limit && lastWord_[common] == w[common]) ++common;
  PathStep* resumed = nullptr;
  for (size_t j = common; j >= 1; --j)
    if (path_[j].valid) {
      i = j;
      resumed = &path_[j];
      count = resumed->count;
      link = resumed->link;
      direct = resumed->direct;
      break;
    }
  lastLength_ = std::min(m, kPathMax);
  for (size_t k = common; k < lastLength_; ++k) lastWord_[k] = w[k];  // the shared part is there already
  pathTop_ = i;
  if (resumed) {
    // Many candidates differ from the word at this very point: the letters
    // of these children, gathered once, turn most of them away.
    if (!resumed->lettersKnown) {
      ChildLetters(*resumed);
      resumed->lettersKnown = true;
    }
    const uint8_t ch = w[i];
    if (!((resumed->letters[ch / 64] >> (ch % 64)) & 1)) return false;
  }
  const uint8_t* lk = linkage_;
  const uint32_t l = linkageSize_;
  for (bool first = true;; first = false) {
    if (i < kPathMax && !(first && resumed)) {
      PathStep& step = path_[i];
      step.count = count;
      step.link = link;
      step.direct = direct;
      step.valid = true;
      step.lettersKnown = false;
      pathTop_ = i;
    }
    if (count == 0) return false;
    const uint8_t ch = w[i];
    const uint8_t* node = nullptr;
    uint32_t runLength = 0;
    if (first && resumed && resumed->exact) {
      // The child with this letter, from the gathered list.
      node = NodeAddress(resumed->numbers[ch], runLength);
      if (!node) return false;
    } else if (direct) {
      node = NodeAddress(link, runLength);
      if (!node || node[0] != ch) return false;
    } else if (!wideRefs_) {
      if (uint64_t(link) + 2 * uint64_t(count) > l) return false;
      const uint8_t* ref = lk + link;
      for (uint32_t c = 0; c < count; ++c, ref += 2) {
        const uint8_t* p = NodeAddress(uint32_t(ref[0]) | (uint32_t(ref[1]) << 8), runLength);
        if (!p) return false;
        if (p[0] == ch) {
          node = p;
          break;
        }
      }
      if (!node) return false;
    } else {
      uint32_t offset = link;
      for (uint32_t c = 0; c < count; ++c) {
        uint32_t number;
        if (offset >= l) return false;
        if (lk[offset] & 0x80) {
          if (l - offset < 2) return false;
          number = (uint32_t(lk[offset] & 0x7F) << 8) | lk[offset + 1];
          offset += 2;
        } else {
          if (l - offset < 3) return false;
          number = (uint32_t(lk[offset]) << 16) | (uint32_t(lk[offset + 1]) << 8) | lk[offset + 2];
          offset += 3;
        }
        const uint8_t* p = NodeAddress(number, runLength);
        if (!p) return false;
        if (p[0] == ch) {
          node = p;
          break;
        }
      }
      if (!node) return false;
    }
    const uint32_t nw = uint32_t(node[0]) | (uint32_t(node[1]) << 8) | (uint32_t(node[2]) << 16) |
                        (uint32_t(node[3]) << 24);
    if (i == m - 1) return (nw >> 31) != 0;
    ++i;
    if (runLength) {
      // No lookup starts inside the run.
      for (size_t r = i; r < i + runLength && r < kPathMax; ++r) {
        path_[r].valid = false;
        pathTop_ = r;
      }
      if (runLength > m - i) return false;  // the word ends inside the run
      for (uint32_t r = 0; r < runLength; ++r)
        if (node[4 + r] != w[i + r]) return false;
      i += runLength;
      if (i == m) return false;  // a word never ends right after a run
    }
    count = (nw >> 28) & 7;
    link = (nw >> 8) & 0xFFFFF;
    direct = count == 1;
    if (count == 0) {
      if (link == kNoChildren || link >= l) return false;
      count = lk[link];
      ++link;
    }
  }
}

void TMainDictionary::NextLetters(std::string_view prefix, std::array<uint64_t, 4>& letters) {
  if (!active_) SetActive(true);
  if (!active_) return;
  auto add = [&](uint8_t c) { letters[c / 64] |= uint64_t(1) << (c % 64); };
  if (prefix.empty()) {
    for (int c = 0; c < 256; ++c)
      if (firstLetters_[c].childCount != 0 || firstLetters_[c].oneLetterWord) add(uint8_t(c));
    return;
  }
  const uint8_t* w = reinterpret_cast<const uint8_t*>(prefix.data());
  const size_t m = prefix.size();
  const FirstLetter& t = firstLetters_[w[0]];
  Children children;
  ChildrenAt(t.childCount, t.link, children);
  for (size_t i = 1;; ) {
    uint32_t offset = children.offset;
    if (i == m) {
      // The letters of the children (as far as their references are sound).
      for (uint32_t c = 0; c < children.count; ++c) {
        uint32_t number, runLength;
        if (!NextChild(children, offset, number)) return;
        const uint8_t* node = NodeAddress(number, runLength);
        if (!node) return;
        add(node[0]);
      }
      return;
    }
    const uint8_t* node = nullptr;
    uint32_t runLength = 0;
    for (uint32_t c = 0; c < children.count && !node; ++c) {
      uint32_t number;
      if (!NextChild(children, offset, number)) return;
      const uint8_t* p = NodeAddress(number, runLength);
      if (!p) return;
      if (p[0] == w[i]) node = p;
    }
    if (!node) return;
    ++i;
    for (uint32_t r = 0; r < runLength; ++r, ++i) {
      if (i == m) {
        add(node[4 + r]);
        return;
      }
      if (node[4 + r] != w[i]) return;
    }
    const uint32_t nw = uint32_t(node[0]) | (uint32_t(node[1]) << 8) | (uint32_t(node[2]) << 16) |
                        (uint32_t(node[3]) << 24);
    Node n;
    n.childCount = uint8_t((nw >> 28) & 7);
    n.link = (nw >> 8) & 0xFFFFF;
    if (!ChildrenOf(n, children)) return;
  }
}

void TMainDictionary::ChildLetters(PathStep& step) const {
  step.letters.fill(0);
  // Children in stored order; the first child with a letter is the one the
  // lookup finds.
  auto add = [&](uint32_t number) {
    uint32_t runLength;
    const uint8_t* node = NodeAddress(number, runLength);
    if (!node) return false;
    const uint8_t c = node[0];
    if ((step.letters[c / 64] >> (c % 64)) & 1) return true;
    step.letters[c / 64] |= uint64_t(1) << (c % 64);
    step.numbers[c] = number;
    return true;
  };
  bool ok = true;
  if (step.direct) {
    ok = add(step.link);
  } else {
    Children children;
    children.count = step.count;
    children.offset = step.link;
    uint32_t offset = children.offset;
    for (uint32_t c = 0; ok && c < children.count; ++c) {
      uint32_t number;
      ok = NextChild(children, offset, number) && add(number);
    }
  }
  step.exact = ok;
  // A damaged list is left to the lookup itself, which answers as it always did.
  if (!ok) step.letters.fill(~uint64_t(0));
}

void TMainDictionary::FindPhoneticMatches(std::string_view word, IPhoneticCoder& map,
                                          std::vector<std::string>& list) {
  if (!active_) SetActive(true);
  if (!active_) return;
  map.BuildCode(word, code_);
  if (code_.size() <= 1) return;

  size_t depth = size_t(map.StartDepth() > 0 ? map.StartDepth() : 1);
  size_t prefixLen = std::min({depth, word.size(), kCandidateBufferSize});
  std::memcpy(buffer_, word.data(), prefixLen);
  buffer_[prefixLen] = '\0';
  if (prefixLen == depth && maxVisits_ >= kMaxSearchVisits && Index().Attached()) {
    list_ = &list;
    const bool answered = IndexedMatches(word, prefixLen, map.CodeFingerprint());
    list_ = nullptr;
    if (answered) return;
  }

  Node node;
  if (!ReadNode(0, node)) return;
  size_t pos = 0, ownEnd = 0;
  while (pos < prefixLen) {
    Children children;
    if (!ChildrenOf(node, children)) return;
    if (!FindChild(children, uint8_t(buffer_[pos]), node)) return;
    ownEnd = ++pos;
    for (uint8_t r = 0; r < node.runLength; ++r) {
      if (pos == prefixLen) return;  // the prefix ends before the end of a run
      if (uint8_t(buffer_[pos]) != node.run[r]) return;
      ++pos;
    }
  }
  Children probe;
  if (!ChildrenOf(node, probe)) return;  // nothing below the prefix

  map_ = &map;
  list_ = &list;
  visits_ = 0;
  stepper_ = map.Stepper();
  TCodeStepper::State s;
  if (stepper_) {
    for (size_t i = 0; i < prefixLen; ++i) lower_[i] = char(stepper_->Lower(uint8_t(buffer_[i])));
    s = stepper_->Begin();
    stepper_->Settle(lower_, std::min(prefixLen, TCodeStepper::kMaxCoded), s, stepCode_);
  }
  Search(node, ownEnd, prefixLen, true, s);
  map_ = nullptr;
  list_ = nullptr;
  stepper_ = nullptr;
}

void TMainDictionary::Evaluate(size_t length, bool& descend) {
  map_->BuildCode(std::string_view(buffer_, length), candidateCode_);
  if (candidateCode_ != code_) {
    if (candidateCode_.size() > code_.size()) descend = false;
    return;
  }
  AddMatch(length, descend);
}

void TMainDictionary::EvaluateStepped(size_t length, const TCodeStepper::State& s, bool& descend) {
  stepper_->Finish(lower_, std::min(length, TCodeStepper::kMaxCoded), s, stepCode_);
  if (stepCode_ != code_) {
    if (stepCode_.size() > code_.size()) descend = false;
    return;
  }
  AddMatch(length, descend);
}

bool TMainDictionary::CodeCanMatch(const TCodeStepper::State& s, size_t from) const {
  if (s.codeLen > code_.size()) return false;
  if (s.done && s.codeLen != code_.size()) return false;
  return std::memcmp(stepCode_.data() + from, code_.data() + from, s.codeLen - from) == 0;
}

// Depth first below node. The buffer holds the word of the path up to and
// including the node's own character (ownEnd); the run is written only when
// the node is descended. For the node the prefix walk ended on, the buffer
// already holds the whole prefix (up to runEnd).
void TMainDictionary::Search(const Node& node, size_t ownEnd, size_t runEnd, bool isPrefixNode,
                             const TCodeStepper::State& s) {
  if (++visits_ > maxVisits_) return;
  bool descend = true;
  if (node.endOfWord) {
    // The prefix node's word may end before the prefix does (inside a run
    // of the prefix): it is coded whole.
    if (isPrefixNode || !stepper_)
      Evaluate(ownEnd, descend);
    else
      EvaluateStepped(ownEnd, s, descend);
  }
  if (!descend) return;
  size_t end = runEnd;
  TCodeStepper::State below = s;
  if (!isPrefixNode) {
    if (node.runLength > kCandidateBufferSize - ownEnd) return;
    std::memcpy(buffer_ + ownEnd, node.run, node.runLength);
    end = ownEnd + node.runLength;
    if (stepper_ && node.runLength) {
      for (size_t r = 0; r < node.runLength; ++r) lower_[ownEnd + r] = char(stepper_->Lower(node.run[r]));
      stepper_->Settle(lower_, std::min(end, TCodeStepper::kMaxCoded), below, stepCode_);
      if (!CodeCanMatch(below, s.codeLen)) return;
    }
  } else if (stepper_ && !CodeCanMatch(below, 0)) {
    return;
  }
  Children children;
  if (!ChildrenOf(node, children)) return;
  if (end >= kCandidateBufferSize) return;
  uint32_t offset = children.offset;
  for (uint32_t i = 0; i < children.count; ++i) {
    uint32_t number;
    Node child;
    if (!NextChild(children, offset, number) || !ReadNode(number, child)) return;
    buffer_[end] = char(child.ch);
    TCodeStepper::State at = below;
    if (stepper_) {
      lower_[end] = char(stepper_->Lower(child.ch));
      stepper_->Settle(lower_, std::min(end + 1, TCodeStepper::kMaxCoded), at, stepCode_);
      if (!CodeCanMatch(at, below.codeLen)) continue;
    }
    Search(child, end + 1, end + 1, false, at);
    if (visits_ > maxVisits_) return;
  }
}

bool TMainDictionary::IndexedMatches(std::string_view word, size_t prefixLen, uint64_t fingerprint) {
  const int set = index_.RuleSet(fingerprint, prefixLen);
  if (set < 0 || code_.size() < prefixLen) return false;
  return index_.ForEachSoundAlike(set, word.substr(0, prefixLen), std::string_view(code_).substr(prefixLen),
                                  code_.size(), [this](std::string_view match) {
                                    if (match.size() > kCandidateBufferSize) return true;
                                    std::memcpy(buffer_, match.data(), match.size());
                                    bool descend = true;
                                    AddMatch(match.size(), descend);
                                    return descend;
                                  });
}

bool TMainDictionary::WalkWords(const Children& children, std::string& path,
                                const std::function<void(std::string_view)>& fn) {
  uint32_t offset = children.offset;
  for (uint32_t i = 0; i < children.count; ++i) {
    uint32_t number;
    Node child;
    if (!NextChild(children, offset, number) || !ReadNode(number, child)) return true;
    if (++visits_ > maxVisits_ || path.size() + 1 + child.runLength > kCandidateBufferSize) return false;
    const size_t mark = path.size();
    path.push_back(char(child.ch));
    if (child.endOfWord) fn(path);
    path.append(reinterpret_cast<const char*>(child.run), child.runLength);
    Children below;
    if (ChildrenOf(child, below) && !WalkWords(below, path, fn)) return false;
    path.resize(mark);
  }
  return true;
}

bool TMainDictionary::ForEachWord(const std::function<void(std::string_view)>& fn) {
  if (!active_) SetActive(true);
  if (!active_) return false;
  visits_ = 0;
  std::string path;
  for (int c = 0; c < 256; ++c) {
    const FirstLetter& t = firstLetters_[c];
    path.assign(1, char(c));
    if (t.oneLetterWord) fn(path);
    Children children;
    if (ChildrenAt(t.childCount, t.link, children) && !WalkWords(children, path, fn)) return false;
  }
  return true;
}

// The words below a node in the order Search evaluates them; count numbers
// them within the group.
void TMainDictionary::WalkGroup(const Node& node, size_t ownEnd, std::string& path, int32_t parent, int32_t& count,
                                const std::function<void(std::string_view, int32_t)>& fn) {
  if (++visits_ > maxVisits_) return;
  if (node.endOfWord) {
    fn(std::string_view(path).substr(0, ownEnd), parent);
    parent = count++;
  }
  Children children;
  if (!ChildrenOf(node, children)) return;
  uint32_t offset = children.offset;
  for (uint32_t i = 0; i < children.count; ++i) {
    uint32_t number;
    Node child;
    if (!NextChild(children, offset, number) || !ReadNode(number, child)) return;
    if (path.size() + 1 + child.runLength > kCandidateBufferSize) return;
    const size_t mark = path.size();
    path.push_back(char(child.ch));
    path.append(reinterpret_cast<const char*>(child.run), child.runLength);
    WalkGroup(child, mark + 1, path, parent, count, fn);
    path.resize(mark);
    if (visits_ > maxVisits_) return;
  }
}

bool TMainDictionary::ForEachSoundAlikeGroup(size_t depth, const std::function<void(std::string_view)>& group,
                                             const std::function<void(std::string_view, int32_t)>& word) {
  if (!active_) SetActive(true);
  if (!active_ || depth == 0) return false;
  visits_ = 0;
  // The prefixes the search's prefix walk completes: it takes the first
  // child with each letter and must not stop inside a run.
  std::string path;
  std::function<bool(const Node&, size_t)> prefixes = [&](const Node& node, size_t ownEnd) -> bool {
    if (path.size() == depth) {
      Children probe;
      if (!ChildrenOf(node, probe)) return true;
      group(path);
      int32_t count = 0;
      WalkGroup(node, ownEnd, path, -1, count, word);
      return visits_ <= maxVisits_;
    }
    Children children;
    if (!ChildrenOf(node, children)) return true;
    std::array<bool, 256> seen{};
    uint32_t offset = children.offset;
    for (uint32_t i = 0; i < children.count; ++i) {
      uint32_t number;
      Node child;
      if (!NextChild(children, offset, number) || !ReadNode(number, child)) return true;
      if (seen[child.ch]) continue;
      seen[child.ch] = true;
      if (path.size() + 1 + child.runLength > depth) continue;
      const size_t mark = path.size();
      path.push_back(char(child.ch));
      path.append(reinterpret_cast<const char*>(child.run), child.runLength);
      if (!prefixes(child, mark + 1)) return false;
      path.resize(mark);
    }
    return true;
  };
  Node root;
  if (!ReadNode(0, root)) return true;
  return prefixes(root, 0);
}

void TMainDictionary::AddMatch(size_t length, bool& descend) {
  if (list_->size() > kMaxPhoneticMatches) {
    descend = false;
    return;
  }
  std::string_view candidate(buffer_, length);
  for (const std::string& s : *list_)
    if (AnsiSameText(s, candidate)) return;
  list_->emplace_back(candidate);
}

}  // namespace wx
