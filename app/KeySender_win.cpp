#include "app/KeySender_win.h"

namespace wx {

namespace {

void KeyEvent(BYTE vk, DWORD flags) { keybd_event(vk, BYTE(MapVirtualKeyW(vk, 0)), flags, 0); }

const struct {
  uint8_t bit;
  BYTE vk;
} kModifiers[] = {{ksCtrl, VK_CONTROL}, {ksShift, VK_SHIFT}, {ksAlt, VK_MENU}};

}  // namespace

void SendKeyCombo(BYTE key, uint8_t shift, bool extended) {
  for (const auto& m : kModifiers)
    if (shift & m.bit) KeyEvent(m.vk, 0);
  DWORD ext = extended ? KEYEVENTF_EXTENDEDKEY : 0;
  KeyEvent(key, ext);
  KeyEvent(key, ext | KEYEVENTF_KEYUP);
  for (int i = 2; i >= 0; --i)
    if (shift & kModifiers[i].bit) KeyEvent(kModifiers[i].vk, KEYEVENTF_KEYUP);
}

void ReleaseKey(BYTE virtualKey) { KeyEvent(virtualKey, KEYEVENTF_KEYUP); }

}  // namespace wx
