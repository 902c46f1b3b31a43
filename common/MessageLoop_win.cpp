#include "common/MessageLoop_win.h"

#include <windows.h>

namespace wx {

bool ProcessPendingMessages() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      PostQuitMessage(int(m.wParam));
      return false;
    }
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return true;
}

}  // namespace wx
