// Where a window goes on the screen: rectangles in screen pixels, the
// bottom-right place in a work area, and a stored place brought back onto the
// nearest monitor's work area. Shared by every window that remembers its place.
#pragma once

#include <vector>

namespace wx {

struct TPoint {
  int x = 0, y = 0;
};

struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // The same size with the top-left corner at (x, y).
  TRect MovedTo(int x, int y) const { return {x, y, x + Width(), y + Height()}; }
  bool operator==(const TRect&) const = default;
};

// A window of the given size at the bottom right of a work area, by the work
// area's right and bottom edges (a work area need not start at 0,0).
TRect BottomRightIn(const TRect& workArea, int width, int height);

// The index of the work area nearest to r: the one it overlaps most, or when
// it overlaps none, the one closest to it. -1 for an empty list.
int NearestWorkArea(const TRect& r, const std::vector<TRect>& workAreas);

// r moved (its size kept) into the work area nearest to it, so that a place
// stored while another monitor was attached stays reachable. A window larger
// than the area keeps its top-left corner on the area's top-left corner.
// With no work areas r is returned unchanged.
TRect KeepOnWorkArea(const TRect& r, const std::vector<TRect>& workAreas);

// A stored place made usable for a resizable window: at least minWidth x
// minHeight, no larger than the nearest work area, and moved onto it.
TRect FitOnWorkArea(const TRect& r, int minWidth, int minHeight, const std::vector<TRect>& workAreas);

}  // namespace wx
