#include "app/WindowIdleTimer_win.h"

#include <map>

#include "app/ErrorBox_win.h"

namespace wx {

namespace {
// Thread timers carry no user data: find the owner by the timer's id.
std::map<UINT_PTR, WindowIdleTimer*>& Timers() {
  static std::map<UINT_PTR, WindowIdleTimer*> timers;
  return timers;
}
}  // namespace

WindowIdleTimer::~WindowIdleTimer() { Disable(); }

void WindowIdleTimer::Enable(uint32_t intervalMs, std::function<void()> onExpire) {
  if (id_) return;  // a running timer keeps its count
  onExpire_ = std::move(onExpire);
  id_ = SetTimer(nullptr, 0, intervalMs, Fire);
  if (id_) Timers()[id_] = this;
}

void WindowIdleTimer::Disable() {
  if (!id_) return;
  KillTimer(nullptr, id_);
  Timers().erase(id_);
  id_ = 0;
}

void CALLBACK WindowIdleTimer::Fire(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Timers().find(id);
  if (it == Timers().end()) return;
  WindowIdleTimer* self = it->second;
  Guarded([self] {
    auto fn = self->onExpire_;
    if (fn) fn();
  });
}

}  // namespace wx
