// The hidden windows of the program's components (controller, tray icon,
// hotkeys, clipboard watcher): each registers its class once, creates a
// hidden top-level window that carries a pointer to its owner, and finds the
// owner again in its window procedure.
#pragma once

#include <windows.h>

namespace wx {

// Registers a window class (a class already registered is kept).
void RegisterWindowClass(const wchar_t* className, WNDPROC proc, HICON icon = nullptr, HCURSOR cursor = nullptr,
                         HBRUSH background = nullptr);

// Registers className with proc (once) and creates a hidden top-level window
// whose user data is owner. Returns null when that fails.
HWND CreateHiddenWindow(const wchar_t* className, WNDPROC proc, void* owner, DWORD exStyle = 0,
                        const wchar_t* title = L"", HICON icon = nullptr);

// Detaches the owner (so no late message reaches a dead object) and destroys the window.
void DestroyHiddenWindow(HWND& window);

// The owner of a hidden window, from inside its window procedure (stored at
// WM_NCCREATE); null before that and after DestroyHiddenWindow.
template <typename Owner>
Owner* HiddenWindowOwner(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace wx
