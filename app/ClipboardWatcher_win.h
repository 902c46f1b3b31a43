// Joins the clipboard viewer chain and reports every clipboard change.
#pragma once

#include <windows.h>

#include <functional>

namespace wx {

class TClipboardWatcher {
 public:
  TClipboardWatcher();
  ~TClipboardWatcher();
  TClipboardWatcher(const TClipboardWatcher&) = delete;
  TClipboardWatcher& operator=(const TClipboardWatcher&) = delete;

  std::function<void()> OnChange;

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  HWND window_ = nullptr;
  HWND next_ = nullptr;
  bool joined_ = false;
};

}  // namespace wx
