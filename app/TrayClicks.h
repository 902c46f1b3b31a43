// What the tray icon makes of the mouse buttons pressed on it. A right click
// while the program accepts input opens the menu. Any other press, and a
// right click while the program is busy, is a single click; when a double
// click has an action of its own, the single click falls due only after
// kDelayMs without a second press, and a double click cancels it. A click
// pressed while the program did not accept input is dropped when it falls
// due, whatever the state is by then: the user clicked at a busy program, and
// the action must not start just because the work ended meanwhile.
#pragma once

#include <cstdint>

namespace wx {

enum class TrayButton { Left, Right, Middle };
enum class TrayClickEvent { None, PopupMenu, Click, DoubleClick };

class TrayClicks {
 public:
  static constexpr uint32_t kDelayMs = 400;

  // A button went down at `now` (milliseconds, a wrapping tick count).
  // `acceptsInput`: the program is idle; `hasMenu`: a menu can be built;
  // `waitForDouble`: a double-click action exists, so single clicks wait.
  TrayClickEvent Press(TrayButton button, uint32_t now, bool acceptsInput, bool hasMenu, bool waitForDouble);
  // The second press of a double click: the waiting single click is dropped.
  TrayClickEvent DoublePress();
  // Time passed: the waiting single click, once it falls due.
  TrayClickEvent Tick(uint32_t now);
  bool Pending() const { return pending_; }

 private:
  bool pending_ = false;
  bool pendingAccepted_ = false;
  uint32_t pressedAt_ = 0;
};

}  // namespace wx
