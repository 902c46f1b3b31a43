#include "windows/WindowMagnet_win.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "ui/WindowPlacement_win.h"

namespace wx {

namespace {

// Every magnet of the process, so that magnet windows attract each other.
std::vector<TFormMagnetHook*>& Hooks() {
  static std::vector<TFormMagnetHook*> hooks;
  return hooks;
}
int g_nextId = 1;
constexpr UINT_PTR kSubclassId = 0x4D41474E;  // "MAGN"

// The area of a child window's parent, in screen coordinates.
TRect ParentClientArea(HWND parent) {
  RECT r{};
  GetClientRect(parent, &r);
  MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return ToTRect(r);
}

}  // namespace

TFormMagnetHook::TFormMagnetHook(HWND window) : window_(window), id_(g_nextId++) {
  Hooks().push_back(this);
  SetWindowSubclass(window_, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TFormMagnetHook::~TFormMagnetHook() {
  if (window_) RemoveWindowSubclass(window_, SubclassProc, kSubclassId);
  auto& hooks = Hooks();
  hooks.erase(std::remove(hooks.begin(), hooks.end(), this), hooks.end());
}

void TFormMagnetHook::SetActive(bool active) {
  magnet_.Active = active;
  if (!active || !window_) return;
  TRect r = WindowRectOf(window_);
  magnet_.SnapNow(r, Area(), Peers());
  SetWindowPos(window_, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TRect TFormMagnetHook::Area() const {
  HWND parent = GetParent(window_);
  if (parent && (GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD)) return ParentClientArea(parent);
  if (magnet_.ScreenMagnet.Area == saWorkArea) return WorkAreaOf(window_);
  return WindowRectOf(GetDesktopWindow());
}

std::vector<TMagnetPeer> TFormMagnetHook::Peers() const {
  std::vector<TMagnetPeer> peers;
  HWND parent = GetAncestor(window_, GA_PARENT);
  for (TFormMagnetHook* h : Hooks()) {
    if (h == this || !h->window_ || !h->magnet_.Active || !IsWindowVisible(h->window_)) continue;
    if (GetAncestor(h->window_, GA_PARENT) != parent) continue;
    peers.push_back({h->id_, WindowRectOf(h->window_)});
  }
  return peers;
}

void TFormMagnetHook::MoveGlued(const std::vector<TGluedMove>& moves) {
  for (const TGluedMove& m : moves)
    for (TFormMagnetHook* h : Hooks()) {
      if (h->id_ != m.id || !h->window_) continue;
      TPoint to = m.to;
      HWND parent = GetParent(h->window_);
      if (parent && (GetWindowLongPtrW(h->window_, GWL_STYLE) & WS_CHILD)) {
        TRect a = ParentClientArea(parent);
        to.x -= a.left, to.y -= a.top;
      }
      h->magnet_.BeingMoved = true;
      SetWindowPos(h->window_, nullptr, to.x, to.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      h->magnet_.BeingMoved = false;
    }
}

LRESULT CALLBACK TFormMagnetHook::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                               DWORD_PTR data) {
  auto* self = reinterpret_cast<TFormMagnetHook*>(data);
  if (msg == WM_NCDESTROY) {
    RemoveWindowSubclass(hwnd, SubclassProc, kSubclassId);
    self->window_ = nullptr;
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  return self->Handle(msg, wp, lp);
}

LRESULT TFormMagnetHook::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOVING: {
      // A borderless tool window with a modal frame is left alone.
      LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE), ex = GetWindowLongPtrW(window_, GWL_EXSTYLE);
      if (!(style & (WS_BORDER | WS_DLGFRAME)) && (ex & WS_EX_TOOLWINDOW) && (ex & WS_EX_DLGMODALFRAME)) break;
      auto* proposed = reinterpret_cast<RECT*>(lp);
      TRect r = ToTRect(*proposed);
      POINT cursor{};
      GetCursorPos(&cursor);
      TRect now = WindowRectOf(window_);
      MoveGlued(magnet_.Moving(r, {int(cursor.x), int(cursor.y)}, {now.left, now.top}, Area(), Peers()));
      *proposed = ToRECT(r);
      LRESULT result = DefSubclassProc(window_, msg, wp, lp);
      return result ? result : TRUE;
    }
    case WM_EXITSIZEMOVE: {
      TRect r = WindowRectOf(window_);
      std::vector<TGluedMove> moves;
      if (magnet_.ExitMove(r, Area(), Peers(), moves)) {
        SetWindowPos(window_, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        MoveGlued(moves);
      }
      break;
    }
    case WM_NCHITTEST: {
      LRESULT hit = DefSubclassProc(window_, msg, wp, lp);
      // A press on a bare spot of the client area drags the window.
      int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
      if (magnet_.FormDragable && hit == HTCLIENT && (GetAsyncKeyState(button) & 0x8000)) return HTCAPTION;
      return hit;
    }
  }
  return DefSubclassProc(window_, msg, wp, lp);
}

}  // namespace wx
