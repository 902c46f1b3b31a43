// The window magnet's arithmetic: while the user drags a window it pulls the
// window against the edges of the work area and of other magnet windows, and
// can move windows glued to it along. The Windows side (WindowMagnet_win)
// feeds it the window messages of a drag; everything it decides is here.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/WindowPlacement.h"

namespace wx {

enum TScreenArea { saFullScreen, saWorkArea };
enum TMagnetType { mkOnMoving, mkAfterMoving };

// Snapping to the edges of the screen area.
struct TScreenMagnet {
  TScreenArea Area = saWorkArea;
  uint8_t DesktopPower = 15;  // snap distance in pixels
  bool Top = true, Bottom = true, Left = true, Right = true;
};

// Pulls r (size kept) onto the edges of area that lie strictly less than
// DesktopPower pixels away, on either side. The bottom edge wins over the top
// one, the right edge over the left one.
void SnapToEdges(TRect& r, const TRect& area, const TScreenMagnet& magnet);

// Pulls r against another window's rectangle: its bottom onto the other's top
// or its top onto the other's bottom (when their x-ranges overlap), its right
// onto the other's left or its left onto the other's right (when their
// y-ranges overlap), each when 0 < distance < power. True when r moved.
bool SnapToWindow(TRect& r, const TRect& other, int power);

// Whether other touches own with an edge: own bottom on its top, own right on
// its left, its bottom on own top or its right on own left.
bool EdgesTouch(const TRect& own, const TRect& other);

// Another magnet window taking part in a drag.
struct TMagnetPeer {
  int id = 0;
  TRect rect;
};

// A glued window moved along: its id and its new top-left corner.
struct TGluedMove {
  int id = 0;
  TPoint to;
};

// The drag state of one magnet window and its settings.
class TFormMagnet {
 public:
  bool Active = true;
  bool Glue = false;
  bool FormDragable = false;
  TMagnetType MagnetType = mkOnMoving;
  uint8_t Power = 20;  // snap distance to other windows
  TScreenMagnet ScreenMagnet;

  // One step of a drag: proposed is the rectangle the system proposes and is
  // changed in place; cursor is the mouse position, topLeft the window's
  // current corner, area the screen area, peers the other visible magnet
  // windows. The first step of a drag takes the grab offset and, with Glue,
  // the glued peers. Returns the glued windows to move.
  std::vector<TGluedMove> Moving(TRect& proposed, TPoint cursor, TPoint topLeft, const TRect& area,
                                 const std::vector<TMagnetPeer>& peers);

  // The drag ended. For mkAfterMoving the window is snapped now: returns true
  // with the new rectangle in current (and glued moves in moves).
  bool ExitMove(TRect& current, const TRect& area, const std::vector<TMagnetPeer>& peers,
                std::vector<TGluedMove>& moves);

  // Snaps a window in place (done when the magnet becomes active).
  void SnapNow(TRect& current, const TRect& area, const std::vector<TMagnetPeer>& peers);

  bool Dragging() const { return dragging_; }
  // Set while another magnet moves this window, which then does not snap.
  bool BeingMoved = false;

 private:
  struct Glued {
    int id;
    int dx, dy;
  };
  void CollectGlued(const TRect& own, const std::vector<TMagnetPeer>& peers);
  bool IsGlued(int id) const;
  std::vector<TGluedMove> Snap(TRect& r, bool fromCursor, bool afterMoving, TPoint cursor, const TRect& area,
                               const std::vector<TMagnetPeer>& peers);

  bool dragging_ = false;
  TPoint grab_;
  std::vector<Glued> glued_;
};

}  // namespace wx
