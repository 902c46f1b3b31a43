#include "spelling/EditCosts.h"

#include <algorithm>
#include <cstring>

namespace wx {

namespace {

// The letter keys by row on the common English keyboard.
constexpr const char* kKeyRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

bool KeysAdjacent(uint8_t a, uint8_t b) {
  int ra = -1, ca = 0, rb = -1, cb = 0;
  for (int r = 0; r < 3; ++r)
    for (int c = 0; kKeyRows[r][c]; ++c) {
      if (uint8_t(kKeyRows[r][c]) == a) ra = r, ca = c;
      if (uint8_t(kKeyRows[r][c]) == b) rb = r, cb = c;
    }
  if (ra < 0 || rb < 0) return false;
  // Rows are staggered: a key touches the one beside it and, in the rows
  // above and below, the keys at its own column and the next one over.
  if (ra == rb) return ca - cb == 1 || cb - ca == 1;
  if (ra - rb == 1 || rb - ra == 1) {
    const int upper = ra < rb ? ca : cb, lower = ra < rb ? cb : ca;
    return lower == upper || lower + 1 == upper;
  }
  return false;
}

bool IsVowel(uint8_t c) { return c == 'a' || c == 'e' || c == 'i' || c == 'o' || c == 'u' || c == 'y'; }

}  // namespace

void TEditCosts::SetLanguage(int language) {
  language &= 0xFF;
  if (language == language_) return;
  language_ = language;
  const bool english = language == 9;
  omit_.fill(kEdit);
  std::memset(replace_.data(), kEdit, replace_.size());
  for (size_t a = 0; a < 256; ++a) replace_[a * 257] = 0;
  if (english) {
    // A vowel for another vowel, or the key beside the right one.
    for (uint8_t a = 'a'; a <= 'z'; ++a)
      for (uint8_t b = 'a'; b <= 'z'; ++b)
        if (a != b && ((IsVowel(a) && IsVowel(b)) || KeysAdjacent(a, b))) replace_[size_t(a) * 256 + b] = 8;
    for (uint8_t v : {'a', 'e', 'i', 'o', 'u'}) omit_[v] = 7;  // unstressed vowels go missing
  }
  MakeCheapest();
}

void TEditCosts::SetOmission(int cost) {
  for (auto& o : omit_) o = uint8_t(std::min(int(o), std::clamp(cost, 1, 255)));
  MakeCheapest();
}

void TEditCosts::MakeCheapest() {
  // The least of each row but its own letter, in two plain runs that the
  // compiler makes into vector code: this runs before the first suggestion.
  for (size_t a = 0; a < 256; ++a) {
    const uint8_t* row = &replace_[a * 256];
    uint8_t least = omit_[a];
    for (size_t b = 0; b < a; ++b) least = std::min(least, row[b]);
    for (size_t b = a + 1; b < 256; ++b) least = std::min(least, row[b]);
    cheapestFor_[a] = least;
  }
  cheapestOther_ = *std::min_element(cheapestFor_.begin(), cheapestFor_.end());
  cheapest_ = std::min({doubled_, swap_, cheapestOther_});
}

int TEditCosts::Distance(std::string_view meant, std::string_view typed, int bound) const {
  const size_t m = meant.size(), n = typed.size();
  if (m > 255 || n > 255) return bound + 1;
  // Three rows of at most 256 costs, on the stack: this runs for every word
  // a suggestion ranks. The cost of each typed letter being one too many is
  // found once, and a meant letter's omission and replacement row once a row.
  int rows[3 * 256];
  int extra[256];
  const auto* t = reinterpret_cast<const uint8_t*>(typed.data());
  const auto* w = reinterpret_cast<const uint8_t*>(meant.data());
  int* prev2 = rows;
  int* prev = prev2 + (n + 1);
  int* cur = prev + (n + 1);
  prev[0] = 0;
  for (size_t j = 1; j <= n; ++j) {
    extra[j] = Extra(t[j - 1], j >= 2 ? t[j - 2] : 0);
    prev[j] = prev[j - 1] + extra[j];
  }
  for (size_t i = 1; i <= m; ++i) {
    const uint8_t c = w[i - 1], cb = i >= 2 ? w[i - 2] : 0;
    const int omit = Omit(c, cb);
    const uint8_t* replace = ReplaceRow(c);
    // The places where c and cb were typed swapped: c at j - 1, cb at j.
    const bool swaps = i >= 2 && c != cb;
    cur[0] = prev[0] + omit;
    int best = cur[0];
    for (size_t j = 1; j <= n; ++j) {
      int v = std::min(prev[j] + omit, prev[j - 1] + replace[t[j - 1]]);
      v = std::min(v, cur[j - 1] + extra[j]);
      if (swaps && j >= 2 && t[j - 2] == c && t[j - 1] == cb) v = std::min(v, prev2[j - 2] + swap_);
      cur[j] = v;
      best = std::min(best, v);
    }
    if (best > bound) return bound + 1;
    int* done = prev2;
    prev2 = prev;
    prev = cur;
    cur = done;
  }
  return prev[n] > bound ? bound + 1 : prev[n];
}

}  // namespace wx
