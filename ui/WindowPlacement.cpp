#include "ui/WindowPlacement.h"

#include <algorithm>
#include <cstdint>

namespace wx {

TRect BottomRightIn(const TRect& workArea, int width, int height) {
  return {workArea.right - width, workArea.bottom - height, workArea.right, workArea.bottom};
}

namespace {

int64_t Overlap(const TRect& a, const TRect& b) {
  int64_t w = int64_t(std::min(a.right, b.right)) - std::max(a.left, b.left);
  int64_t h = int64_t(std::min(a.bottom, b.bottom)) - std::max(a.top, b.top);
  return w > 0 && h > 0 ? w * h : 0;
}

// Squared distance between two rectangles (0 when they touch or overlap).
int64_t Distance2(const TRect& a, const TRect& b) {
  int64_t dx = std::max<int64_t>({0, int64_t(b.left) - a.right, int64_t(a.left) - b.right});
  int64_t dy = std::max<int64_t>({0, int64_t(b.top) - a.bottom, int64_t(a.top) - b.bottom});
  return dx * dx + dy * dy;
}

int Clamp(int pos, int size, int lo, int hi) {
  if (pos + size > hi) pos = hi - size;
  if (pos < lo) pos = lo;
  return pos;
}

}  // namespace

int NearestWorkArea(const TRect& r, const std::vector<TRect>& areas) {
  int best = -1;
  int64_t bestOverlap = 0;
  for (size_t i = 0; i < areas.size(); ++i) {
    int64_t o = Overlap(r, areas[i]);
    if (o > bestOverlap) bestOverlap = o, best = int(i);
  }
  if (best >= 0) return best;
  int64_t bestDistance = 0;
  for (size_t i = 0; i < areas.size(); ++i) {
    int64_t d = Distance2(r, areas[i]);
    if (best < 0 || d < bestDistance) bestDistance = d, best = int(i);
  }
  return best;
}

TRect KeepOnWorkArea(const TRect& r, const std::vector<TRect>& areas) {
  int i = NearestWorkArea(r, areas);
  if (i < 0) return r;
  const TRect& a = areas[size_t(i)];
  return r.MovedTo(Clamp(r.left, r.Width(), a.left, a.right), Clamp(r.top, r.Height(), a.top, a.bottom));
}

TRect FitOnWorkArea(const TRect& r, int minWidth, int minHeight, const std::vector<TRect>& areas) {
  int width = std::max(r.Width(), minWidth), height = std::max(r.Height(), minHeight);
  int i = NearestWorkArea(TRect{r.left, r.top, r.left + width, r.top + height}, areas);
  if (i >= 0) {
    const TRect& a = areas[size_t(i)];
    width = std::max(std::min(width, a.Width()), minWidth);
    height = std::max(std::min(height, a.Height()), minHeight);
  }
  return KeepOnWorkArea(TRect{r.left, r.top, r.left + width, r.top + height}, areas);
}

}  // namespace wx
