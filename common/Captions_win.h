// Applies a caption table (common/Captions.h) to a window: its title and the
// texts of its controls, by control id, in the active language.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "common/Captions.h"

namespace wx {

// The text of `id` in the active language, as UTF-16 for the W API.
std::wstring CaptionW(const CaptionTable& table, int id);

// Sets the window's title (row kCaptionWindowTitle) and the text of every
// child control whose id has a row; rows from kCaptionMessageBase on and
// ids without a control are left alone.
void ApplyCaptions(HWND window, const CaptionTable& table);

// Applies the table to the window now and again at every change of the
// active language while this object lives; `afterApply` (optional) then
// refreshes what the table cannot reach (list items, tree nodes). Keep it as
// a member of the window's state and destroy it with the window.
class WindowCaptions {
 public:
  WindowCaptions(HWND window, const CaptionTable& table, std::function<void()> afterApply = {});
  WindowCaptions(const WindowCaptions&) = delete;
  WindowCaptions& operator=(const WindowCaptions&) = delete;
  void Apply() const;

 private:
  HWND window_;
  const CaptionTable* table_;
  std::function<void()> afterApply_;
  CaptionListener listener_;
};

}  // namespace wx
