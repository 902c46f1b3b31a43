// Translucency on a real window through the layered-window calls, looked up
// in USER32 at run time so that a system without them still runs the program.
#pragma once

#include <windows.h>

#include "windows/LayeredForm.h"

namespace wx {

// Whether the system offers translucent windows.
bool LayeredWindowsAvailable();

// The translucency component of one top-level window. Throws
// ELayeredFormError for a child window ("Control parent must be a form!") and
// for a second one on the same window ("Only one instance of TLayeredForm
// allowed on form").
class TLayeredWindow {
 public:
  explicit TLayeredWindow(HWND window);
  ~TLayeredWindow();
  TLayeredWindow(const TLayeredWindow&) = delete;
  TLayeredWindow& operator=(const TLayeredWindow&) = delete;

  TLayeredForm& Form() { return form_; }

 private:
  void Apply(TLayerType type, uint8_t alpha, uint32_t colorKey);
  HWND window_;
  TLayeredForm form_;
};

}  // namespace wx
