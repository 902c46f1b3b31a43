#include "spelling/RankedSuggestions.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "common/AnsiText.h"

namespace wx {

namespace {

bool HasUpper(std::string_view w) {
  for (char c : w)
    if (IsAnsiUpper(uint8_t(c))) return true;
  return false;
}

}  // namespace

TRankedSuggestions::TRankedSuggestions() {
  phonetics_.SetStartDepth(1);
  for (int c = 0; c < 256; ++c) lower_[size_t(c)] = AnsiLowerChar(uint8_t(c));
}

void TRankedSuggestions::MakeCostClasses() {
  // This runs before a language's first suggestion: its passes over the
  // 256 x 256 replacement costs are plain runs of bytes, made into vector
  // code, and the few letters that cost less than a plain edit are found
  // row by row.
  anyLetterSlack_ = 0;
  for (int c = 0; c < 256; ++c) anyLetterSlack_ = std::max(anyLetterSlack_, costs_.CheapestFor(uint8_t(c)));
  omitClasses_.clear();
  for (int c = 1; c < 256; ++c) {
    const int cost = costs_.Omit(uint8_t(c), 0);
    auto it = std::find_if(omitClasses_.begin(), omitClasses_.end(), [&](const auto& k) { return k.first == cost; });
    if (it == omitClasses_.end()) it = omitClasses_.insert(omitClasses_.end(), {cost, Letters{}});
    it->second[size_t(c) / 64] |= uint64_t(1) << (c % 64);
  }
  std::sort(omitClasses_.begin(), omitClasses_.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  // The least cost of a typed letter for a meant one of another letter
  // class (see TLettersBelow::Class: the low five bits of the lower-case
  // letter, which both are).
  std::array<uint8_t, 256> least;
  least.fill(0xFF);
  for (int c = 0; c < 256; ++c) {
    std::array<uint8_t, 256> other;
    std::memcpy(other.data(), costs_.ReplaceRow(uint8_t(c)), other.size());
    for (size_t t = size_t(c & 31); t < 256; t += 32) other[t] = 0xFF;
    for (size_t t = 0; t < 256; ++t) least[t] = std::min(least[t], other[t]);
  }
  for (size_t t = 0; t < 256; ++t) otherReplace_[t] = least[t];
  // The letter sets a next letter is limited to (NextLettersLimited) for
  // each replacement cost below anyLetterSlack_: with a cell's slack that
  // high or more, the row's slack lets any letter follow, so dearer classes
  // are never asked for. A replacement costs a byte (uint8_t): the distinct
  // costs in question, ascending, from the rows that hold one.
  // Cheap: 0 < v < anyLetterSlack_, that is v - 1 below limit in bytes.
  const uint8_t limit = uint8_t(std::clamp(anyLetterSlack_, 1, 255) - 1);
  const auto cheap = [limit](uint8_t v) { return uint8_t(v - 1) < limit; };
  std::array<bool, 256> cheapRow{}, seen{};
  for (int c = 0; c < 256; ++c) {
    const uint8_t* replace = costs_.ReplaceRow(uint8_t(c));
    uint8_t any = 0;
    for (int t = 0; t < 256; ++t) any |= uint8_t(cheap(replace[t]));
    if (!any) continue;
    cheapRow[size_t(c)] = true;
    for (int t = 0; t < 256; ++t)
      if (cheap(replace[t])) seen[replace[t]] = true;
  }
  replaceClasses_.clear();
  std::array<int, 256> classOf{};  // the class of each cost
  for (int v = 1; v < 256; ++v)
    if (seen[size_t(v)]) {
      classOf[size_t(v)] = int(replaceClasses_.size());
      replaceClasses_.push_back({v, std::vector<Letters>(256)});
    }
  // A meant letter typed at some cost belongs to the class of that cost and
  // to every dearer one.
  for (int c = 0; c < 256; ++c) {
    if (!cheapRow[size_t(c)]) continue;
    const uint8_t* replace = costs_.ReplaceRow(uint8_t(c));
    const uint64_t bit = uint64_t(1) << (c % 64);
    for (int t = 0; t < 256; ++t)
      if (cheap(replace[t]))
        for (size_t k = size_t(classOf[replace[t]]); k < replaceClasses_.size(); ++k)
          replaceClasses_[k].second[size_t(t)][size_t(c) / 64] |= bit;
  }
  costClassesMade_ = true;
}

int TRankedSuggestions::Bound(size_t length) const {
  // About two edits, fewer for short words: everything is two edits away
  // from a word of three letters.
  if (length <= 2) return TEditCosts::kEdit;
  if (length <= 4) return TEditCosts::kEdit + 6;
  if (length <= 7) return 2 * TEditCosts::kEdit;
  return 2 * TEditCosts::kEdit + 5;
}

const TRankedSuggestions::Cost* TRankedSuggestions::MakeReplaceCosts(uint8_t c) {
  Cost* row = &replaceRows_[size_t(c) * stride_];
  replaceReady_[c / 64] |= uint64_t(1) << (c % 64);
  const uint8_t* replace = costs_.ReplaceRow(c);
  // Cell 0 has no typed letter: nothing may come into it from the left.
  row[0] = kFar;
  for (size_t j = 1; j <= typed_.size(); ++j) row[j] = Cost(replace[uint8_t(typed_[j - 1])]);
  for (size_t j = typed_.size() + 1; j < stride_; ++j) row[j] = kFar;
  return row;
}

#if defined(__GNUC__)
__attribute__((always_inline))
#endif
inline void TRankedSuggestions::ApplySwaps(Cost* cur, uint64_t swaps) const {
  const Cost* prev2 = cur - 2 * stride_;
  const int swap = costs_.Swap();
  for (; swaps; swaps &= swaps - 1) {
    const size_t j = size_t(std::countr_zero(swaps));
    cur[j] = Cost(std::min(int(cur[j]), prev2[j - 2] + swap));
  }
}

// The walk computes a row for every node it enters: inlined there, without
// a call's saving of registers; the rows of long misspellings (or of a
// processor without SSE2) are made by RowScalar.
#if defined(__GNUC__)
__attribute__((always_inline))
#endif
inline bool TRankedSuggestions::Row(size_t d, uint8_t c, int limit, const TEditCosts& costs) {
#if !WX_RANKED_SSE2
  return RowScalar(d, c, limit, costs);
#else
  if (stride_ != kVectorStride) return RowScalar(d, c, limit, costs);
  const size_t n = typed_.size(), w = stride_;
  Cost* cur = &rows_[d * w];
  const Cost* prev = cur - w;
  const uint8_t cb = d >= 2 ? folded_[d - 2] : 0;
  const int omit = costs.Omit(c, cb);
  const Cost* replace = ReplaceCosts(c);
  // The places j where c and cb were typed swapped: c typed at j - 1, cb
  // before it.
  uint64_t swaps = d >= 2 && c != cb ? (positions_[c] << 1) & positions_[cb] : 0;
  {
    // Cells n + 1 and on hold kFar, kept there by saturating sums and the
    // mask, so that they never count as the least. A misspelling of up to
    // seven letters fills the first register only: the second one keeps
    // the kFar it was made with, and half the work is saved.
    const __m128i omitV = _mm_set1_epi16(int16_t(omit));
    const __m128i far1 = _mm_set_epi16(0, 0, 0, 0, 0, 0, 0, kFar);
    const __m128i far2 = _mm_set_epi16(0, 0, 0, 0, 0, 0, kFar, kFar);
    const __m128i far4 = _mm_set_epi16(0, 0, 0, 0, kFar, kFar, kFar, kFar);
    const __m128i within = _mm_set1_epi16(int16_t(limit + 1));
    const __m128i p0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev));
    // The row above moved one cell right: prev[j - 1] at j.
    const __m128i s0 = _mm_slli_si128(p0, 2);
    const __m128i r0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(replace));
    __m128i a0 = _mm_min_epi16(_mm_adds_epi16(p0, omitV), _mm_adds_epi16(s0, r0));
    // The letters typed too many: cur[j] = min over k <= j of a[k] plus
    // the extra letters k + 1..j, that is E[j] + min(a[k] - E[k]) with E
    // the running sum of extra_: a running minimum in three shifts a
    // register.
    const __m128i e0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(extraSum_.data()));
    const __m128i pad0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(padding_.data()));
    if (n < 8) {
      if (swaps) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(cur), a0);
        ApplySwaps(cur, swaps);
        a0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur));
      }
      __m128i b0 = _mm_subs_epi16(a0, e0);
      b0 = _mm_min_epi16(b0, _mm_or_si128(_mm_slli_si128(b0, 2), far1));
      b0 = _mm_min_epi16(b0, _mm_or_si128(_mm_slli_si128(b0, 4), far2));
      b0 = _mm_min_epi16(b0, _mm_or_si128(_mm_slli_si128(b0, 8), far4));
      const __m128i c0 = _mm_max_epi16(_mm_adds_epi16(b0, e0), pad0);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cur), c0);
      return _mm_movemask_epi8(_mm_cmplt_epi16(c0, within)) != 0;
    }
    const __m128i p1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev + 8));
    const __m128i s1 = _mm_or_si128(_mm_slli_si128(p1, 2), _mm_srli_si128(p0, 14));
    const __m128i r1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(replace + 8));
    __m128i a1 = _mm_min_epi16(_mm_adds_epi16(p1, omitV), _mm_adds_epi16(s1, r1));
    if (swaps) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cur), a0);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(cur + 8), a1);
      ApplySwaps(cur, swaps);
      a0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur));
      a1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cur + 8));
    }
    const __m128i e1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(extraSum_.data() + 8));
    __m128i b0 = _mm_subs_epi16(a0, e0), b1 = _mm_subs_epi16(a1, e1);
    b0 = _mm_min_epi16(b0, _mm_or_si128(_mm_slli_si128(b0, 2), far1));
    b1 = _mm_min_epi16(b1, _mm_or_si128(_mm_slli_si128(b1, 2), far1));
    b0 = _mm_min_epi16(b0, _mm_or_si128(_mm_slli_si128(b0, 4), far2));
    b1 = _mm_min_epi16(b1, _mm_or_si128(_mm_slli_si128(b1, 4), far2));
    b0 = _mm_min_epi16(b0, _mm_or_si128(_mm_slli_si128(b0, 8), far4));
    b1 = _mm_min_epi16(b1, _mm_or_si128(_mm_slli_si128(b1, 8), far4));
    const __m128i last0 = _mm_shufflehi_epi16(b0, 0xFF);
    b1 = _mm_min_epi16(b1, _mm_unpackhi_epi64(last0, last0));
    const __m128i pad1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(padding_.data() + 8));
    const __m128i c0 = _mm_max_epi16(_mm_adds_epi16(b0, e0), pad0);
    const __m128i c1 = _mm_max_epi16(_mm_adds_epi16(b1, e1), pad1);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(cur), c0);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(cur + 8), c1);
    return _mm_movemask_epi8(_mm_cmplt_epi16(_mm_min_epi16(c0, c1), within)) != 0;
  }
#endif
}

bool TRankedSuggestions::RowScalar(size_t d, uint8_t c, int limit, const TEditCosts& costs) {
  const size_t n = typed_.size(), w = stride_;
  Cost* cur = &rows_[d * w];
  const Cost* prev = cur - w;
  const uint8_t cb = d >= 2 ? folded_[d - 2] : 0;
  const int omit = costs.Omit(c, cb);
  const Cost* replace = ReplaceCosts(c);
  uint64_t swaps = d >= 2 && c != cb ? (positions_[c] << 1) & positions_[cb] : 0;
  const Cost* extra = extra_.data();
  // First what each cell costs from the row above (c left out, or typed as
  // the letter there, or swapped with the letter before), then the typed
  // letters one too many, from left to right.
  cur[0] = Cost(prev[0] + omit);
  for (size_t j = 1; j <= n; ++j) cur[j] = Cost(std::min(prev[j] + omit, prev[j - 1] + replace[j]));
  if (swaps) ApplySwaps(cur, swaps);
  int best = cur[0];
  for (size_t j = 1; j <= n; ++j) {
    const int v = std::min(int(cur[j]), cur[j - 1] + extra[j]);
    cur[j] = Cost(v);
    best = std::min(best, v);
  }
  return best <= limit;
}

bool TRankedSuggestions::NextLettersLimited(size_t d, Letters& allowed) const {
  // The next row must keep within the bound and the next depth's cap. Its
  // cells come from this row's: a next meant letter left out costs its
  // omission more than this row's least cost; typed as the letter of cell j
  // it costs nothing more (a match) or its replacement by that letter more
  // than cell j - 1; it may also be a doubling of this one or swapped with
  // it. The letters for which one of these fits may follow, no other.
  const int bound = std::min(bound_, DepthCap(d + 1));
  const size_t n = typed_.size(), w = stride_;
  const Cost* row = &rows_[d * w];
  const int slack = bound - *std::min_element(row, row + n + 1);
  if (slack >= anyLetterSlack_) return false;  // any letter fits
  allowed.fill(0);
  auto add = [&](const Letters& letters) {
    for (size_t k = 0; k < allowed.size(); ++k) allowed[k] |= letters[k];
  };
  for (const auto& [cost, letters] : omitClasses_) {
    if (cost > slack) break;
    add(letters);
  }
  const Cost* prev = d >= 1 ? row - w : nullptr;
  const auto* t = reinterpret_cast<const uint8_t*>(typed_.data());
  if (d >= 1) {
    const uint8_t c = folded_[d - 1];
    allowed[c / 64] |= uint64_t(1) << (c % 64);
  }
  // The cells within the bound, cell k at bit k * step: few, deeper in
  // the walk.
  uint64_t fit = 0;
  int step = 1;
#if WX_RANKED_SSE2
  if (w == kVectorStride) {
    const __m128i limit = _mm_set1_epi16(int16_t(bound + 1));
    const int lo = _mm_movemask_epi8(_mm_cmplt_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row)), limit));
    const int hi =
        _mm_movemask_epi8(_mm_cmplt_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 8)), limit));
    // Two mask bits a cell (its two bytes): the lower one counts, for the
    // cells 0..n - 1.
    fit = (uint64_t(uint32_t(lo) | (uint32_t(hi) << 16)) & 0x55555555u) & ((uint64_t(1) << (2 * n)) - 1);
    step = 2;
  } else
#endif
  {
    for (size_t k = 0; k < n; ++k) fit |= uint64_t(row[k] <= bound) << k;
  }
  for (; fit; fit &= fit - 1) {
    const size_t j = size_t(std::countr_zero(fit) / step) + 1;
    const int cellSlack = bound - row[j - 1];
    const uint8_t c = t[j - 1];
    allowed[c / 64] |= uint64_t(1) << (c % 64);
    // The letters typed as c at a cost that fits (the classes grow with the cost).
    const Letters* near = nullptr;
    for (const auto& [cost, letters] : replaceClasses_) {
      if (cost > cellSlack) break;
      near = &letters[c];
    }
    if (near) add(*near);
  }
  if (prev) {
    // The next letter and this one swapped: this one matches typed letter
    // j - 1 and the next one typed letter j - 2.
    const int swap = costs_.Swap();
    for (uint64_t at = positions_[folded_[d - 1]] & ~uint64_t(3); at; at &= at - 1) {
      const size_t j = size_t(std::countr_zero(at));
      if (prev[j - 2] + swap <= bound) {
        const uint8_t c = t[j - 2];
        allowed[c / 64] |= uint64_t(1) << (c % 64);
      }
    }
  }
  return true;
}

void TRankedSuggestions::Add(std::string_view word, int cost, uint8_t rank, bool split) {
  // A word found twice (in two dictionaries, or also added by the user)
  // stays twice: the better of the two is offered first and the other is
  // left out as a repetition.
  found_.push_back({uint32_t(words_.size()), uint32_t(word.size()), cost, rank, split, 0});
  words_.append(word);
}

void TRankedSuggestions::Walk(TMainDictionary& dict) {
  const size_t n = typed_.size();
  dict.AdvanceLettersBelow(kLettersBelowSlice);
  for (int first = 1; first < 256; ++first) {
    if (lower_[first] != uint8_t(typed_[0])) continue;
    TMainDictionary::Branch below;
    bool oneLetter = false;
    const bool longer = dict.FirstLetterBranch(uint8_t(first), below, oneLetter);
    if (!longer && !oneLetter) continue;
    caps_ = lowerWord_ && uint8_t(first) != uint8_t(typed_[0]) ? kCapitalCaps : kOwnCaps;
    path_[0] = char(first);
    folded_[0] = lower_[first];
    if (!Row(1, folded_[0], bound_, costs_)) continue;
    if (oneLetter && rows_[stride_ + n] <= bound_) Add(std::string_view(path_.data(), 1), rows_[stride_ + n], 0, false);
    if (!longer) continue;
    DescendChildren(dict, below, 1);
  }
}

void TRankedSuggestions::DescendChildren(TMainDictionary& dict, const TMainDictionary::Branch& below, size_t d) {
  // Up to three children are as quickly tried as their letters are ruled
  // out: the row a child would fail to keep within the caps is all its
  // visit costs. (On the development lists trying up to two, three or four
  // alike took a tenth less time than ruling out the letters of two.)
  constexpr uint32_t kFewChildren = 3;
  Letters allowed;
  const bool limited = below.count > kFewChildren && NextLettersLimited(d, allowed);
  // The children's nodes are found a batch at a time and those whose letter
  // may follow are entered afterwards: the reads of their letters overlap
  // instead of each waiting for the one before, and no branch depends on
  // the letters.
  constexpr size_t kBatch = 32;
  const uint8_t* nodes[kBatch];
  uint32_t runs[kBatch], numbers[kBatch];
  uint32_t offset = below.offset, left = below.count;
  TMainDictionary::TreeStep child;
  while (left > 0 && visits_ <= kMaxVisits) {
    const size_t want = std::min<size_t>(kBatch, left);
    const size_t read = dict.PeekSteps(below, offset, want, nodes, runs, numbers);
    left -= uint32_t(want);
    const bool damaged = read < want;
    size_t found = read;
    if (limited) {
      found = 0;
      for (size_t i = 0; i < read; ++i) {
        nodes[found] = nodes[i];
        runs[found] = runs[i];
        numbers[found] = numbers[i];
        const uint8_t c = lower_[nodes[i][0]];
        found += (allowed[c / 64] >> (c % 64)) & 1;
      }
    }
    for (size_t i = 0; i < found; ++i) dict.PrefetchLettersBelow(numbers[i]);
    for (size_t i = 0; i < found && visits_ <= kMaxVisits; ++i) {
      // A child is bounded by its own letters and those below it before its
      // row is made: most children that pass the letters' filter above hold
      // no word within the bound.
      if (branchBound_) {
        if (!BranchMayYield(TLettersBelow::Class(lower_[nodes[i][0]]) | dict.LettersBelow(numbers[i]), d)) continue;
      }
      dict.StepHead(nodes[i], runs[i], numbers[i], child);
      Descend(dict, child, d + 1);
    }
    if (damaged) return;
  }
}

void TRankedSuggestions::Descend(TMainDictionary& dict, const TMainDictionary::TreeStep& step, size_t depth) {
  const size_t n = typed_.size();
  if (++visits_ > kMaxVisits || depth > maxDepth_) return;
  path_[depth - 1] = char(step.ch);
  folded_[depth - 1] = lower_[step.ch];
  if (!Row(depth, folded_[depth - 1], std::min(bound_, DepthCap(depth)), costs_)) return;
  const int cost = rows_[depth * stride_ + n];
  if (step.endOfWord && cost <= bound_) Add(std::string_view(path_.data(), depth), cost, 0, false);
  size_t d = depth;
  for (uint32_t r = 0; r < step.runLength; ++r) {
    if (++d > maxDepth_) return;
    path_[d - 1] = char(step.run[r]);
    folded_[d - 1] = lower_[step.run[r]];
    if (!Row(d, folded_[d - 1], bound_, costs_)) return;
  }
  TMainDictionary::Branch below;
  if (dict.BelowOf(step, below) && (!branchBound_ || BranchMayYield(dict.LettersBelow(step.number), d)))
    DescendChildren(dict, below, d);
}

bool TRankedSuggestions::BranchBound(uint32_t letters, size_t d) const {
  // A word below ends the path of row d with letters of these classes. The
  // typed letters after cell j that none of them can match cost at least
  // their least cost each (one too many, or typed for another letter), and
  // the rest may cost nothing: row[j] plus that sum bounds every word
  // below whose letters up to the row's take the first j typed ones. The
  // one alignment that does not split there is the path's last letter
  // swapped with the first one below: the letters before it take the first
  // j - 2 typed ones (the row above), the swap takes two more.
  const size_t n = typed_.size();
  const Cost* row = &rows_[d * stride_];
  const Cost* above = row - stride_;
  const uint64_t swapAt = positions_[folded_[d - 1]] & ~uint64_t(3);
  const int swap = costs_.Swap();
#if WX_RANKED_SSE2
  if (stride_ == kVectorStride) {
    // Eight cells a register, without a branch on the letters: cell j
    // gets the cost of typed letter j + 1 when no letter below matches it
    // (zero past the misspelling), and the sums from the right give each
    // cell the cost of the typed letters after it.
    const __m128i zero = _mm_setzero_si128();
    const __m128i below = _mm_set1_epi32(int(letters));
    auto missed = [&](size_t at) {
      const auto* classes = reinterpret_cast<const __m128i*>(cellClasses_.data() + at);
      const __m128i m0 = _mm_cmpeq_epi32(_mm_and_si128(_mm_loadu_si128(classes), below), zero);
      const __m128i m1 = _mm_cmpeq_epi32(_mm_and_si128(_mm_loadu_si128(classes + 1), below), zero);
      return _mm_and_si128(_mm_packs_epi32(m0, m1),
                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(missCost_.data() + at)));
    };
    const __m128i within = _mm_set1_epi16(int16_t(bound_ + 1));
    alignas(16) Cost sums[kVectorStride];
    __m128i s0 = missed(1);
    if (n < 8) {
      // The first register holds every cell (as in Row): the second one's
      // typed letters and cells are all past the misspelling.
      s0 = _mm_add_epi16(s0, _mm_srli_si128(s0, 2));
      s0 = _mm_add_epi16(s0, _mm_srli_si128(s0, 4));
      s0 = _mm_add_epi16(s0, _mm_srli_si128(s0, 8));
      const __m128i r0 = _mm_adds_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row)), s0);
      if (_mm_movemask_epi8(_mm_cmplt_epi16(r0, within)) != 0) return true;
      _mm_store_si128(reinterpret_cast<__m128i*>(sums), s0);
    } else {
      __m128i s1 = missed(9);
      s0 = _mm_add_epi16(s0, _mm_srli_si128(s0, 2));
      s1 = _mm_add_epi16(s1, _mm_srli_si128(s1, 2));
      s0 = _mm_add_epi16(s0, _mm_srli_si128(s0, 4));
      s1 = _mm_add_epi16(s1, _mm_srli_si128(s1, 4));
      s0 = _mm_add_epi16(s0, _mm_srli_si128(s0, 8));
      s1 = _mm_add_epi16(s1, _mm_srli_si128(s1, 8));
      const __m128i rest = _mm_shufflelo_epi16(s1, 0);  // the second register's sum
      s0 = _mm_add_epi16(s0, _mm_unpacklo_epi64(rest, rest));
      const __m128i r0 = _mm_adds_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row)), s0);
      const __m128i r1 = _mm_adds_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i*>(row + 8)), s1);
      if (_mm_movemask_epi8(_mm_cmplt_epi16(_mm_min_epi16(r0, r1), within)) != 0) return true;
      _mm_store_si128(reinterpret_cast<__m128i*>(sums), s0);
      _mm_store_si128(reinterpret_cast<__m128i*>(sums + 8), s1);
    }
    for (uint64_t at = swapAt; at; at &= at - 1) {
      const size_t j = size_t(std::countr_zero(at));
      if (above[j - 2] + swap + sums[j] <= bound_) return true;
    }
    return false;
  }
#endif
  int suffix = 0;
  for (size_t j = n;; --j) {
    if (row[j] + suffix <= bound_) return true;
    if (((swapAt >> j) & 1) && above[j - 2] + swap + suffix <= bound_) return true;
    if (j == 0) return false;
    if (!(letters & cellClasses_[j])) suffix += missCost_[j];
  }
}

void TRankedSuggestions::RankFound(TSuggestionSource& source) {
  for (; ranked_ < found_.size(); ++ranked_) {
    Candidate& c = found_[ranked_];
    if (c.split) continue;  // ranked when added
    for (size_t i = 0; i < source.MainCount(); ++i) c.rank = std::max(c.rank, source.Main(i).WordRank(Word(c)));
  }
}

void TRankedSuggestions::RankCosts(size_t want) {
  rankedDepth_ = 0;  // the walk's rows are not those of a word
  // A word's cost by rankCosts_ lies between rankShare_ of its cost by
  // costs_ and that cost itself, so the scores made with costs_ are the
  // dearest each word can have. A word whose score would stay behind the
  // first 2 * want of those (where sounding alike can still move it up; see
  // Rank) even at its least is not costed again, which spares many of the
  // words found for a short misspelling.
  double last = std::numeric_limits<double>::infinity();
  if (found_.size() > 2 * want) {
    scores_.clear();
    for (const auto& c : found_) scores_.push_back(c.score);
    std::nth_element(scores_.begin(), scores_.begin() + std::ptrdiff_t(2 * want - 1), scores_.end());
    last = scores_[2 * want - 1] + weights_.soundsAlike;
  }
  for (auto& c : found_) {
    if (c.split) continue;  // a space put in costs the same by both
    if (c.score - c.cost * (1 - rankShare_) > last) continue;
    c.cost = RankCost(Word(c));
    c.score = c.cost + c.rest;
  }
}

int TRankedSuggestions::RankCost(std::string_view word) {
  // The rows of the walk, which is over, made again for the word's letters
  // (as fast as the walk makes them); a word longer than they reach is
  // costed the plain way.
  const size_t m = word.size();
  if (m > maxDepth_) {
    rankedDepth_ = 0;
    scratch_.assign(word);
    for (char& ch : scratch_) ch = char(lower_[uint8_t(ch)]);
    return rankCosts_.Distance(scratch_, typed_, std::numeric_limits<int>::max() / 2);
  }
  // The words come in the walk's order: most share a beginning with the
  // word before, whose rows stand.
  size_t d = 0;
  while (d < m && d < rankedDepth_ && folded_[d] == lower_[uint8_t(word[d])]) ++d;
  for (; d < m; ++d) {
    folded_[d] = lower_[uint8_t(word[d])];
    Row(d + 1, folded_[d], kFar, rankCosts_);
  }
  rankedDepth_ = m;
  return rows_[m * stride_ + typed_.size()];
}

void TRankedSuggestions::AddFirstLetterEdits(TMainDictionary& dict) {
  const size_t n = typed_.size();
  const uint8_t own = uint8_t(typed_[0]);
  // The candidates are spelled in place (most are turned away by the
  // lookup index's filter): the one with a letter put before the typed
  // ones, and the one with the first letter replaced.
  std::array<char, kMaxWord + 1> before, replaced;
  std::memcpy(before.data() + 1, typed_.data(), n);
  std::memcpy(replaced.data(), typed_.data(), n);
  auto tryWord = [&](std::string_view w) {
    if (lower_[uint8_t(w[0])] == own || !dict.WordExists(w, true)) return;
    scratch_.assign(w);
    for (char& ch : scratch_) ch = char(lower_[uint8_t(ch)]);
    const int cost = costs_.Distance(scratch_, typed_, bound_);
    if (cost <= bound_) Add(w, cost, 0, false);
  };
  // Another first letter, in either case, in place of the typed one or
  // before it.
  std::array<uint8_t, 256> firsts;
  size_t count = 0;
  if (!dict.Active()) return;  // the walk activated it; a file that failed to map has no words
  const auto& table = dict.FirstLetterTable();
  for (int c = 1; c < 256; ++c) {
    if ((table[size_t(c)].childCount > 0 || table[size_t(c)].oneLetterWord) && lower_[c] != own) {
      firsts[count++] = uint8_t(c);
    }
  }
  // A quarter of these candidates begin with two letters no word begins
  // with: those are turned away before the lookup. The others' reads of the
  // lookup index's filter (far apart, each a wait on memory) are asked for
  // all at once before the first lookup, so that they overlap.
  const uint8_t second = n >= 2 ? uint8_t(typed_[1]) : 0;
  std::array<uint8_t, 256> replacing, putBefore;
  size_t replacings = 0, putsBefore = 0;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t c = firsts[i];
    if (n >= 2 && dict.MayBegin(c, second)) {
      replaced[0] = char(c);
      dict.PrefetchCandidate(std::string_view(replaced.data(), n));
      replacing[replacings++] = c;
    }
    if (dict.MayBegin(c, own)) {
      before[0] = char(c);
      dict.PrefetchCandidate(std::string_view(before.data(), n + 1));
      putBefore[putsBefore++] = c;
    }
  }
  for (size_t i = 0; i < replacings; ++i) {
    replaced[0] = char(replacing[i]);
    tryWord(std::string_view(replaced.data(), n));
  }
  for (size_t i = 0; i < putsBefore; ++i) {
    before[0] = char(putBefore[i]);
    tryWord(std::string_view(before.data(), n + 1));
  }
  // The first letter one too many, or swapped with the second.
  if (n >= 3) {
    tryWord(std::string_view(typed_).substr(1));
    replaced[0] = typed_[1];
    replaced[1] = typed_[0];
    tryWord(std::string_view(replaced.data(), n));
  }
}

void TRankedSuggestions::AddSplits(TSuggestionSource& source) {
  const size_t n = typed_.size();
  if (n < 3 || source.MainCount() == 0) return;
  TMainDictionary& first = source.Main(0);
  // Both halves must be common words, a one-letter half among the most
  // common ("a lot"): rare short words ("ts", "lo") make splits no writer
  // meant. (Requiring the halves to be common raised the first-ranked share
  // on the development lists by 0.4 point.) A dictionary without ranks
  // splits into halves of two letters or more.
  constexpr uint8_t kHalfClass = 12, kOneLetterClass = 20;
  constexpr int kCommonestClass = 31;  // the highest count class a rank holds
  const bool ranked = first.HasWordRanks();
  // In English the only words of one letter are "a" and "I": the other
  // letters are common in texts as initials, list marks and symbols, not as
  // words a writer runs into the next one ("p events", "v large").
  const bool english = (first.Language() & 0xFF) == 9;
  auto oneLetterWord = [&](char c) { return !english || c == 'a' || c == 'i'; };
  std::string& left = probe_;
  std::string& right = probeRight_;
  for (size_t k = 1; k < n; ++k) {
    if ((k == 1 && !oneLetterWord(typed_[0])) || (n - k == 1 && !oneLetterWord(typed_[k]))) continue;
    const std::string_view leftView = std::string_view(typed_).substr(0, k), rightView = std::string_view(typed_).substr(k);
    const uint8_t rl = first.WordRank(leftView);
    const uint8_t cl = TWordRanks::CountClass(rl);
    if (ranked && (cl < kHalfClass || (k == 1 && cl < kOneLetterClass))) continue;  // the right half need not be looked up
    const uint8_t rr = first.WordRank(rightView);
    const uint8_t cr = TWordRanks::CountClass(rr);
    if (ranked ? std::min(cl, cr) < kHalfClass || (k == 1 && cl < kOneLetterClass) ||
                     (n - k == 1 && cr < kOneLetterClass)
               : k < 2 || n - k < 2)
      continue;
    left.assign(leftView);
    right.assign(rightView);
    if (english && left == "i") left = "I";
    if (english && right == "i") right = "I";
    if (!source.Offerable(left) || !source.Offerable(right)) continue;
    // Two words run together are as common as the pair: taken as
    // independent, their count classes (logarithms of counts) add, less the
    // class of the commonest words, so that "a lot" keeps the class of "lot"
    // and two words of middling classes make a rare pair ("fee back" is no
    // rival to "feedback"). (The lesser class of the two made every split
    // as common as the commonest words; the sum raised the first-ranked
    // share on the development lists by 0.4 point.)
    const int pair = std::max(0, int(cl) + int(cr) - kCommonestClass);
    const uint8_t rank =
        TWordRanks::MakeRank(uint32_t(pair), std::min(TWordRanks::ListLevel(rl), TWordRanks::ListLevel(rr)));
    left += ' ';
    left += right;
    Add(left, int(weights_.split), rank, true);
  }
}

void TRankedSuggestions::AddAddedWords(TSuggestionSource& source) {
  std::vector<std::string> words;
  bool tooMany = false;
  const bool listed = source.ForEachAddedWord([&](const std::string& w) {
    if (words.size() >= kMaxAddedWords) tooMany = true;
    if (!tooMany && !w.empty()) words.push_back(w);
  });
  if (!listed || tooMany) return;
  for (const auto& w : words) {
    if (w.size() > typed_.size() + 4 || w.size() + 4 < typed_.size()) continue;
    scratch_.assign(w);
    for (char& ch : scratch_) ch = char(lower_[uint8_t(ch)]);
    const int d = costs_.Distance(scratch_, typed_, bound_);
    if (d <= bound_) Add(w, d, 0, false);
  }
}

double TRankedSuggestions::ScoreBesidesCost(const Candidate& c, TSuggestionSource& source, bool lowerWord) {
  const std::string_view word = Word(c);
  double s = 0;
  const int countClass = std::min<int>(TWordRanks::CountClass(c.rank), weights_.countClassCap);
  s -= weights_.countClass * countClass + weights_.listLevel * TWordRanks::ListLevel(c.rank);
  if (lower_[uint8_t(word[0])] != uint8_t(typed_[0])) s += weights_.firstLetter;
  if (lowerWord && HasUpper(word)) s += weights_.capitals;
  if (!c.split && source.IsLearned(probe_.assign(word))) s -= weights_.learned;
  return s;
}

bool TRankedSuggestions::LowerFormIsWord(std::string_view word, TSuggestionSource& source) {
  probe_.assign(word);
  for (char& ch : probe_) ch = char(lower_[uint8_t(ch)]);
  for (size_t i = 0; i < source.MainCount(); ++i)
    if (source.Main(i).WordExists(probe_)) return true;
  return false;
}

void TRankedSuggestions::Rank(const std::string& word, int maxCount, TSuggestionSource& source,
                              TSuggestionList& list) {
  list.clear();
  if (word.empty() || word.size() > kMaxWord || maxCount == 0) return;
  typed_.assign(word);
  for (char& ch : typed_) ch = char(lower_[uint8_t(ch)]);
  const size_t n = typed_.size();
  bound_ = Bound(n);
  // Every meant letter beyond the typed ones costs at least a doubled
  // letter's omission: the walk never goes deeper than this.
  maxDepth_ = n + size_t(bound_ / 5) + 1;
  stride_ = kVectorStride > n ? kVectorStride : n + 1;
  rows_.assign((maxDepth_ + 1) * stride_, kFar);
  extra_.assign(stride_, 0);
  extraSum_.assign(stride_, 0);
  // One cell more than a row, as the bound of a branch reads them.
  missCost_.assign(stride_ + 1, 0);
  cellClasses_.assign(stride_ + 1, 0);
  typedClasses_ = 0;
  for (size_t j = 1; j <= n; ++j) typedClasses_ |= cellClasses_[j] = TLettersBelow::Class(uint8_t(typed_[j - 1]));
  padding_.assign(stride_, kFar);
  rows_[0] = 0;
  for (size_t j = 1; j <= n; ++j) {
    extra_[j] = Cost(costs_.Extra(uint8_t(typed_[j - 1]), j >= 2 ? uint8_t(typed_[j - 2]) : 0));
    rows_[j] = extraSum_[j] = Cost(rows_[j - 1] + extra_[j]);
  }
  for (size_t j = 0; j <= n; ++j) padding_[j] = std::numeric_limits<Cost>::min();
  found_.clear();
  words_.clear();
  ranked_ = 0;
  visits_ = 0;
  positions_.fill(0);
  for (size_t j = 1; j <= n; ++j) positions_[uint8_t(typed_[j - 1])] |= uint64_t(1) << j;

  const int language = source.MainCount() ? source.Main(0).Language() : 0;
  if (costs_.Language() != (language & 0xFF) || !costClassesMade_) {
    costs_.SetLanguage(language);
    MakeCostClasses();
    rankCosts_ = costs_;
    rankCosts_.SetOmission(costs_.Swap());
    rankShare_ = 1;
    for (int c = 1; c < 256; ++c)
      rankShare_ = std::min(rankShare_, double(rankCosts_.Omit(uint8_t(c), 0)) / costs_.Omit(uint8_t(c), 0));
  }
  for (size_t j = 1; j <= n; ++j) missCost_[j] = Cost(std::min<int>(extra_[j], otherReplace_[uint8_t(typed_[j - 1])]));
  replaceRows_.resize(256 * stride_);
  replaceReady_.fill(0);
  if (phonetics_.Language() != language) phonetics_.SetLanguage(language);
  phonetics_.BuildCode(typed_, code_);

  // A first letter is seldom wrong: below the misspelling's own first
  // letter the walk goes up to about two edits (capped near the root, see
  // DepthCap); words with another first letter are sought one edit away,
  // by lookups. (Walking the other first letters one edit deep found the
  // same words at half again the time; walking the second letter's words
  // two edits deep gained 0.1 point at a sixth more time.)
  const int full = bound_;
  lowerWord_ = !HasUpper(word);
  for (size_t i = 0; i < source.MainCount(); ++i) Walk(source.Main(i));
  caps_ = kOwnCaps;
  bound_ = std::min(full, TEditCosts::kEdit);
  for (size_t i = 0; i < source.MainCount(); ++i) AddFirstLetterEdits(source.Main(i));
  bound_ = full;
  AddAddedWords(source);
  if (Kinds() & skSplit) AddSplits(source);
  RankFound(source);
  const bool lowerWord = !HasUpper(word);
  for (auto& c : found_) {
    c.rest = ScoreBesidesCost(c, source, lowerWord);
    c.score = c.cost + c.rest;
  }
  RankCosts(maxCount < 0 ? kMaxOffered : size_t(maxCount));
  auto better = [this](const Candidate& a, const Candidate& b) {
    if (a.score != b.score) return a.score < b.score;
    if (a.cost != b.cost) return a.cost < b.cost;
    return a.word(words_) < b.word(words_);
  };
  std::sort(found_.begin(), found_.end(), better);
  // Sounding alike lowers a score by a fixed amount: only words within that
  // amount of the places that can be offered can still move up, and only
  // theirs are coded (coding is the dearest part of a score).
  const size_t want = maxCount < 0 ? kMaxOffered : size_t(maxCount);
  size_t coded = found_.size();
  if (found_.size() > 2 * want) {
    const double reach = found_[2 * want - 1].score + weights_.soundsAlike;
    coded = 2 * want;
    while (coded < found_.size() && found_[coded].score <= reach) ++coded;
  }
  for (size_t i = 0; i < coded; ++i) {
    Candidate& c = found_[i];
    if (c.split) continue;
    phonetics_.BuildCode(Word(c), scratch_);
    if (scratch_ == code_) c.score -= weights_.soundsAlike;
  }
  std::sort(found_.begin(), found_.begin() + std::ptrdiff_t(coded), better);

  // The case of the misspelling carries over.
  const auto first = uint8_t(word[0]);
  const bool capitals = n >= 2 && AnsiUpper(word) == word && typed_ != word;
  const bool initial = !capitals && IsAnsiUpper(first);
  for (const auto& c : found_) {
    if (list.size() >= want) break;
    // Every word found is a word of the vocabulary the options allow (the
    // main dictionaries, and the added words unless only those count); the
    // halves of a split were checked when it was made.
    const std::string_view w = Word(c);
    if (!c.split && source.Excluded(probe_.assign(w))) continue;
    // For a misspelling in lower case, a capitalised word whose lower-case
    // form is a word too is offered in that form only ("hell", not "Hell").
    if (lowerWord && !c.split && HasUpper(w) && LowerFormIsWord(w, source)) continue;
    std::string out = capitals ? AnsiUpper(w) : std::string(w);
    if (initial) out[0] = char(AnsiUpperChar(uint8_t(out[0])));
    if (std::any_of(list.begin(), list.end(), [&](const TSuggestion& s) { return s.Word == out; })) continue;
    list.push_back({std::move(out), int(c.score * 10)});
  }
}

}  // namespace wx
