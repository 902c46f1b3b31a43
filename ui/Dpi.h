// The DPI arithmetic of every window: layouts are given in pixels at 96 DPI
// and scaled for the DPI of the monitor a window is on; a window that moves to
// a monitor of another DPI is laid out again from those 96-DPI sizes (never
// from the last scaled ones, so going back and forth leaves nothing drifting).
#pragma once

#include <vector>

#include "ui/WindowPlacement.h"

namespace wx {

inline constexpr int kBaseDpi = 96;

// A DPI that can be used: values the system cannot mean (0, negative) read as 96.
int UsableDpi(int dpi);

// v * numerator / denominator rounded to the nearest integer, halves away from
// zero (as the system's MulDiv, which the windows used before).
int MulDivRound(int v, int numerator, int denominator);

// A length in 96-DPI pixels at dpi, and back.
int ScaleToDpi(int basePixels, int dpi);
int ScaleFromDpi(int pixels, int dpi);
TRect ScaleToDpi(const TRect& base, int dpi);

// The height of a font of pointSize points at dpi, as a negative character
// height (the LOGFONT convention), and a font height moved from one DPI to another.
int FontHeightForDpi(int pointSize, int dpi);
int RescaleFontHeight(int height, int fromDpi, int toDpi);

// Where a modal window goes: centred on its owner's window rectangle, kept on
// the owner's work area; centred on the work area when there is no owner to
// centre on (a hidden or minimised owner is none).
TRect CentredOn(const TRect& owner, int width, int height, const TRect& workArea);
TRect CentredIn(const TRect& workArea, int width, int height);

// A window's controls laid out in 96-DPI pixels, placed for a DPI. The
// window's client size is part of the layout, so that a DPI change sizes the
// window from the same numbers.
class TDpiLayout {
 public:
  struct Item {
    int id;      // the control's id (or any key the window chooses)
    TRect base;  // client coordinates at 96 DPI
  };

  // Adds a control given at 96 DPI.
  void Add(int id, const TRect& base);
  // Adds a control from where it is now, in pixels at dpi.
  void Capture(int id, const TRect& placed, int dpi);
  void Clear() { items_.clear(), clientWidth_ = clientHeight_ = 0; }
  void SetClientSize(int baseWidth, int baseHeight) { clientWidth_ = baseWidth, clientHeight_ = baseHeight; }

  int Dpi() const { return dpi_; }
  // The DPI the layout is placed at now; the window's messages change it.
  void SetDpi(int dpi) { dpi_ = UsableDpi(dpi); }

  const std::vector<Item>& Items() const { return items_; }
  // A control's rectangle at the current DPI; an empty one for an unknown id.
  TRect Placed(int id) const;
  int ClientWidth() const { return ScaleToDpi(clientWidth_, dpi_); }
  int ClientHeight() const { return ScaleToDpi(clientHeight_, dpi_); }

 private:
  std::vector<Item> items_;
  int clientWidth_ = 0, clientHeight_ = 0;
  int dpi_ = kBaseDpi;
};

// Lengths a window sets while it runs (list-view column widths), moved from
// one DPI to another. A length still as it was last placed is computed again
// from the length and DPI it was first taken at, so that going back and forth
// leaves nothing drifting; one changed since (the user dragged a column, the
// window sized it to its content) is taken anew from its current size.
class TDpiLengths {
 public:
  // The length `key` measures `current` at fromDpi: what it is at toDpi.
  int Rescale(int key, int current, int fromDpi, int toDpi);
  void Clear() { items_.clear(); }

 private:
  struct Item {
    int key;
    int length, dpi;  // as first taken
    int placed;       // as last placed
  };
  std::vector<Item> items_;
};

}  // namespace wx
