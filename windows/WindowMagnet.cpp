#include "windows/WindowMagnet.h"

#include <cstdlib>

namespace wx {

namespace {

bool Near(int value, int edge, int power) { return edge - power < value && value < edge + power; }
bool Within(int distance, int power) { return 0 < std::abs(distance) && std::abs(distance) < power; }

}  // namespace

void SnapToEdges(TRect& r, const TRect& a, const TScreenMagnet& m) {
  const int p = m.DesktopPower, w = r.Width(), h = r.Height();
  if (m.Top && Near(r.top, a.top, p)) r.top = a.top, r.bottom = a.top + h;
  if (m.Bottom && Near(r.bottom, a.bottom, p)) r.bottom = a.bottom, r.top = a.bottom - h;
  if (m.Left && Near(r.left, a.left, p)) r.left = a.left, r.right = a.left + w;
  if (m.Right && Near(r.right, a.right, p)) r.right = a.right, r.left = a.right - w;
}

bool SnapToWindow(TRect& r, const TRect& o, int p) {
  const int w = r.Width(), h = r.Height();
  bool snapped = false;
  if (r.left < o.right && r.right > o.left) {
    if (Within(r.bottom - o.top, p)) r.top = o.top - h, r.bottom = o.top, snapped = true;
    if (Within(r.top - o.bottom, p)) r.top = o.bottom, r.bottom = o.bottom + h, snapped = true;
  }
  if (r.top < o.bottom && r.bottom > o.top) {
    if (Within(r.right - o.left, p)) r.left = o.left - w, r.right = o.left, snapped = true;
    if (Within(r.left - o.right, p)) r.left = o.right, r.right = o.right + w, snapped = true;
  }
  return snapped;
}

bool EdgesTouch(const TRect& own, const TRect& o) {
  return own.bottom == o.top || own.right == o.left || o.bottom == own.top || o.right == own.left;
}

void TFormMagnet::CollectGlued(const TRect& own, const std::vector<TMagnetPeer>& peers) {
  glued_.clear();
  for (const TMagnetPeer& p : peers)
    if (EdgesTouch(own, p.rect)) glued_.push_back({p.id, p.rect.left - own.left, p.rect.top - own.top});
}

bool TFormMagnet::IsGlued(int id) const {
  for (const Glued& g : glued_)
    if (g.id == id) return true;
  return false;
}

std::vector<TGluedMove> TFormMagnet::Snap(TRect& r, bool fromCursor, bool afterMoving, TPoint cursor,
                                          const TRect& area, const std::vector<TMagnetPeer>& peers) {
  // Rebuilt from the cursor at every step, so a snapped window comes loose as
  // soon as the cursor has moved far enough.
  if (fromCursor) r = r.MovedTo(cursor.x - grab_.x, cursor.y - grab_.y);
  if (!afterMoving) {
    bool snapped = false;
    for (const TMagnetPeer& p : peers)
      if (!IsGlued(p.id) && SnapToWindow(r, p.rect, Power)) snapped = true;
    if (!snapped || Glue) SnapToEdges(r, area, ScreenMagnet);
  }
  std::vector<TGluedMove> moves;
  if (Glue)
    for (const Glued& g : glued_) moves.push_back({g.id, {r.left + g.dx, r.top + g.dy}});
  return moves;
}

std::vector<TGluedMove> TFormMagnet::Moving(TRect& proposed, TPoint cursor, TPoint topLeft, const TRect& area,
                                            const std::vector<TMagnetPeer>& peers) {
  if (!Active || BeingMoved) return {};
  if (!dragging_) {
    grab_ = {cursor.x - topLeft.x, cursor.y - topLeft.y};
    if (Glue) CollectGlued(proposed.MovedTo(topLeft.x, topLeft.y), peers);
    dragging_ = true;
  }
  return Snap(proposed, true, MagnetType == mkAfterMoving, cursor, area, peers);
}

bool TFormMagnet::ExitMove(TRect& current, const TRect& area, const std::vector<TMagnetPeer>& peers,
                           std::vector<TGluedMove>& moves) {
  dragging_ = false;
  glued_.clear();
  if (!Active || BeingMoved || MagnetType != mkAfterMoving) return false;
  if (Glue) CollectGlued(current, peers);
  moves = Snap(current, false, false, {}, area, peers);
  return true;
}

void TFormMagnet::SnapNow(TRect& current, const TRect& area, const std::vector<TMagnetPeer>& peers) {
  Snap(current, false, false, {}, area, peers);
}

}  // namespace wx
