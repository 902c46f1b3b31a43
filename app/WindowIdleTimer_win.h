// The engine managers' idle timer as a window-message timer, so that an
// unload runs between messages and never inside an action.
#pragma once

#include <windows.h>

#include "app/ObjectManager.h"

namespace wx {

class WindowIdleTimer : public IdleTimer {
 public:
  WindowIdleTimer() = default;
  ~WindowIdleTimer() override;
  void Enable(uint32_t intervalMs, std::function<void()> onExpire) override;
  void Disable() override;
  bool Enabled() const override { return id_ != 0; }

 private:
  static void CALLBACK Fire(HWND, UINT, UINT_PTR id, DWORD);
  UINT_PTR id_ = 0;
  std::function<void()> onExpire_;
};

}  // namespace wx
