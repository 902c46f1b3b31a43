#include "app/TrayClicks.h"

namespace wx {

TrayClickEvent TrayClicks::Press(TrayButton button, uint32_t now, bool acceptsInput, bool hasMenu,
                                 bool waitForDouble) {
  if (button == TrayButton::Right && acceptsInput && hasMenu) {
    pending_ = false;
    return TrayClickEvent::PopupMenu;
  }
  if (!waitForDouble) {
    pending_ = false;
    return acceptsInput ? TrayClickEvent::Click : TrayClickEvent::None;
  }
  // A new press starts the wait again; whether it counts is decided by the
  // state at this press.
  pending_ = true;
  pendingAccepted_ = acceptsInput;
  pressedAt_ = now;
  return TrayClickEvent::None;
}

TrayClickEvent TrayClicks::DoublePress() {
  pending_ = false;
  return TrayClickEvent::DoubleClick;
}

TrayClickEvent TrayClicks::Tick(uint32_t now) {
  // Unsigned difference: right across the tick count's wrap.
  if (!pending_ || now - pressedAt_ < kDelayMs) return TrayClickEvent::None;
  pending_ = false;
  return pendingAccepted_ ? TrayClickEvent::Click : TrayClickEvent::None;
}

}  // namespace wx
