// Checks of a window's texts as a user sees them: every control's text
// measured in the control's own font against the room the control gives it,
// access keys unique among a window's visible controls and within each menu,
// and every label of an input given an access key. The checks read the
// window from any thread of its process (they send messages to it).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wx::textfit {

struct Finding {
  int controlId = 0;
  std::wstring control;  // class and text of the control, or the menu item
  std::wstring problem;
};

// Clipped texts of the visible (or, with hiddenToo, all) child controls of top.
void CheckTexts(HWND top, std::vector<Finding>& out, bool hiddenToo = false);
// Access keys: no two visible controls of top with the same key, and every
// label right before an input (edit, combo box, list) in tab order has one.
void CheckAccessKeys(HWND top, std::vector<Finding>& out);
// Within each menu of the bar (and the bar itself), no two items with the same key.
void CheckMenu(HMENU menu, std::vector<Finding>& out);

// The access key of a text ('&' before it, "&&" is a literal '&'), upper
// case; 0 when it has none.
wchar_t AccessKeyOf(const std::wstring& text);

// A window's text read by WM_GETTEXT (safe across threads of the process).
std::wstring TextOf(HWND h);
std::wstring ClassOf(HWND h);

}  // namespace wx::textfit
