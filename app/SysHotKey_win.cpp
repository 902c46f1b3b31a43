#include "app/SysHotKey_win.h"

#include <stdexcept>

#include "app/ErrorBox_win.h"
#include "app/HiddenWindow_win.h"
#include "app/HotKeys.h"

namespace wx {

namespace {
const wchar_t kClassName[] = L"TSysHotKeyWindow";
}

TSysHotKey::TSysHotKey() = default;

TSysHotKey::~TSysHotKey() {
  Clear();
  DestroyHiddenWindow(window_);
}

HWND TSysHotKey::Window() {
  if (!window_) window_ = CreateHiddenWindow(kClassName, WndProc, this);
  return window_;
}

LRESULT CALLBACK TSysHotKey::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowOwner<TSysHotKey>(hwnd, msg, lp);
  if (self) {
    if (msg == WM_HOTKEY) {
      Guarded([&] {
        if (self->OnHotKey) self->OnHotKey(int(LOWORD(wp)));
      });
      return 0;
    }
    if (msg == WM_DESTROY) self->SetActive(false);
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void TSysHotKey::Register(int id) {
  Entry& e = entries_[id];
  // Without its window a hotkey would belong to the thread, whose message
  // loop drops it: the user is told instead.
  if (!Window())
    throw std::runtime_error("The hotkeys could not be registered because their window could not be created.");
  UINT vk = e.keyIndex < HotKeyTable().size() ? HotKeyTable()[e.keyIndex] : 0;
  // A refused combination (taken by another program) simply stays unregistered.
  e.registered = RegisterHotKey(window_, id, WindowsModifierFlags(e.modifiers), vk);
}

void TSysHotKey::Unregister(int id) {
  Entry& e = entries_[id];
  if (!e.registered) return;
  UnregisterHotKey(window_, id);
  e.registered = false;
}

int TSysHotKey::AddHotKey(int keyIndex, uint8_t modifiers) {
  entries_.push_back({modifiers, uint8_t(keyIndex), false});
  int id = Count() - 1;
  if (active_) Register(id);
  return id;
}

void TSysHotKey::Clear() {
  if (active_)
    for (int i = 0; i < Count(); ++i) Unregister(i);
  entries_.clear();
}

void TSysHotKey::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  for (int i = 0; i < Count(); ++i) {
    if (active)
      Register(i);
    else
      Unregister(i);
  }
}

}  // namespace wx
