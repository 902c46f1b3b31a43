// System-wide hotkeys registered on a hidden window of their own; a pressed
// hotkey is reported by its entry's id (its position in the list).
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace wx {

class TSysHotKey {
 public:
  TSysHotKey();
  ~TSysHotKey();
  TSysHotKey(const TSysHotKey&) = delete;
  TSysHotKey& operator=(const TSysHotKey&) = delete;

  // Adds an entry (key index into HotKeyTable(), modifier set) and registers
  // it at once when active. Returns its id. Throws std::runtime_error when
  // the component's window cannot be created (also from SetActive).
  int AddHotKey(int keyIndex, uint8_t modifiers);
  // Unregisters and removes every entry.
  void Clear();
  int Count() const { return int(entries_.size()); }
  bool Registered(int id) const { return id >= 0 && id < Count() && entries_[id].registered; }

  void SetActive(bool active);
  bool Active() const { return active_; }

  std::function<void(int index)> OnHotKey;

 private:
  struct Entry {
    uint8_t modifiers;
    uint8_t keyIndex;
    bool registered;
  };
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  HWND Window();
  void Register(int id);
  void Unregister(int id);

  HWND window_ = nullptr;
  bool active_ = false;
  std::vector<Entry> entries_;
};

}  // namespace wx
