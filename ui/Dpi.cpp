#include "ui/Dpi.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace wx {

int UsableDpi(int dpi) { return dpi > 0 ? dpi : kBaseDpi; }

int MulDivRound(int v, int numerator, int denominator) {
  if (denominator == 0) return -1;  // as MulDiv
  const int64_t p = int64_t(v) * numerator;
  const int64_t d = denominator;
  // Halves away from zero, whatever the signs.
  const int64_t q = (std::llabs(p) * 2 + std::llabs(d)) / (std::llabs(d) * 2);
  return int(((p < 0) != (d < 0)) ? -q : q);
}

int ScaleToDpi(int basePixels, int dpi) { return MulDivRound(basePixels, UsableDpi(dpi), kBaseDpi); }
int ScaleFromDpi(int pixels, int dpi) { return MulDivRound(pixels, kBaseDpi, UsableDpi(dpi)); }

TRect ScaleToDpi(const TRect& base, int dpi) {
  // The edges are scaled, so that adjoining controls stay adjoining.
  return {ScaleToDpi(base.left, dpi), ScaleToDpi(base.top, dpi), ScaleToDpi(base.right, dpi),
          ScaleToDpi(base.bottom, dpi)};
}

int FontHeightForDpi(int pointSize, int dpi) { return -MulDivRound(pointSize, UsableDpi(dpi), 72); }

int RescaleFontHeight(int height, int fromDpi, int toDpi) {
  return MulDivRound(height, UsableDpi(toDpi), UsableDpi(fromDpi));
}

TRect CentredIn(const TRect& workArea, int width, int height) {
  return TRect{0, 0, width, height}.MovedTo(workArea.left + (workArea.Width() - width) / 2,
                                            workArea.top + (workArea.Height() - height) / 2);
}

TRect CentredOn(const TRect& owner, int width, int height, const TRect& workArea) {
  if (owner.Width() <= 0 || owner.Height() <= 0) return CentredIn(workArea, width, height);
  TRect r = CentredIn(owner, width, height);
  return KeepOnWorkArea(r, {workArea});
}

void TDpiLayout::Add(int id, const TRect& base) {
  for (Item& i : items_)
    if (i.id == id) {
      i.base = base;
      return;
    }
  items_.push_back({id, base});
}

void TDpiLayout::Capture(int id, const TRect& placed, int dpi) {
  Add(id, {ScaleFromDpi(placed.left, dpi), ScaleFromDpi(placed.top, dpi), ScaleFromDpi(placed.right, dpi),
           ScaleFromDpi(placed.bottom, dpi)});
}

TRect TDpiLayout::Placed(int id) const {
  auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& i) { return i.id == id; });
  return it == items_.end() ? TRect{} : ScaleToDpi(it->base, dpi_);
}

int TDpiLengths::Rescale(int key, int current, int fromDpi, int toDpi) {
  auto it = std::find_if(items_.begin(), items_.end(), [&](const Item& i) { return i.key == key; });
  if (it == items_.end()) it = items_.insert(items_.end(), Item{key, current, UsableDpi(fromDpi), current});
  // Changed since it was placed: taken anew, at the DPI it has now.
  if (it->placed != current) *it = Item{key, current, UsableDpi(fromDpi), current};
  // Always from the length first taken, so that no rounding adds up.
  it->placed = MulDivRound(it->length, UsableDpi(toDpi), it->dpi);
  return it->placed;
}

}  // namespace wx
