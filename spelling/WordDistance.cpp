#include "spelling/WordDistance.h"

#include <algorithm>

namespace wx {

int WordDistance(std::string_view a, std::string_view b) {
  if (a.size() > 254 || b.size() > 254) return static_cast<int>(std::max(a.size(), b.size()));
  // Two rows of the full table give the same distance without a 64K-cell array.
  int prev[256], cur[256];
  const size_t m = b.size();
  for (size_t j = 0; j <= m; ++j) prev[j] = static_cast<int>(j);
  for (size_t i = 1; i <= a.size(); ++i) {
    cur[0] = static_cast<int>(i);
    for (size_t j = 1; j <= m; ++j) {
      const int cost = a[i - 1] == b[j - 1] ? 0 : 1;
      cur[j] = std::min({prev[j] + 1, cur[j - 1] + 1, prev[j - 1] + cost});
    }
    std::copy(cur, cur + m + 1, prev);
  }
  int d = prev[m];
  // Credit swapped neighbours, compared index by index (1-based i from 2).
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 2; i <= n;) {
    if (a[i - 1] == b[i - 2] && a[i - 2] == b[i - 1] && a[i - 1] != a[i - 2] && d > 0) {
      --d;
      i += 2;
    } else {
      ++i;
    }
  }
  return d;
}

}  // namespace wx
