#include "app/HiddenWindow_win.h"

namespace wx {

HWND CreateHiddenWindow(const wchar_t* className, WNDPROC proc, void* owner, DWORD exStyle, const wchar_t* title,
                        HICON icon) {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  RegisterWindowClass(className, proc, icon);
  // Top-level (not message-only) so that it receives the shell's broadcasts.
  return CreateWindowExW(exStyle, className, title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, inst, owner);
}

void DestroyHiddenWindow(HWND& window) {
  if (!window) return;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  DestroyWindow(window);
  window = nullptr;
}

}  // namespace wx
