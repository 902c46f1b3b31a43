// The window magnet on a real window: it watches the window's messages
// through a subclass procedure, so the window's own code needs no changes,
// and lets TFormMagnet (WindowMagnet.h) change each proposed drag rectangle.
#pragma once

#include <windows.h>

#include "windows/WindowMagnet.h"

namespace wx {

class TFormMagnetHook {
 public:
  explicit TFormMagnetHook(HWND window);
  ~TFormMagnetHook();
  TFormMagnetHook(const TFormMagnetHook&) = delete;
  TFormMagnetHook& operator=(const TFormMagnetHook&) = delete;

  // The settings; set Active through SetActive, which snaps the window at once.
  TFormMagnet& Magnet() { return magnet_; }
  void SetActive(bool active);

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  TRect Area() const;
  std::vector<TMagnetPeer> Peers() const;
  void MoveGlued(const std::vector<TGluedMove>& moves);

  HWND window_;
  int id_;
  TFormMagnet magnet_;
};

}  // namespace wx
