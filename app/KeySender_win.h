// Simulated keystrokes for compatibility-mode capture.
#pragma once

#include <windows.h>

#include <cstdint>

namespace wx {

enum KeyShift : uint8_t { ksCtrl = 1, ksShift = 2, ksAlt = 4 };

// Modifier downs (Ctrl, Shift, Alt), the key down and up, modifier ups in
// reverse order; scan codes from MapVirtualKey.
void SendKeyCombo(BYTE key, uint8_t shift, bool extended = false);
// One key-up event.
void ReleaseKey(BYTE virtualKey);

}  // namespace wx
