// The hidden windows of the program's components (controller, tray icon,
// hotkeys, clipboard watcher): each registers its class once, creates a
// hidden top-level window that carries a pointer to its owner, and finds the
// owner again in its window procedure.
#pragma once

#include <windows.h>

#include "ui/Window_win.h"

namespace wx {

// Registers className with proc (once) and creates a hidden top-level window
// whose user data is owner. Returns null when that fails.
HWND CreateHiddenWindow(const wchar_t* className, WNDPROC proc, void* owner, DWORD exStyle = 0,
                        const wchar_t* title = L"", HICON icon = nullptr);

// Detaches the owner (so no late message reaches a dead object) and destroys the window.
void DestroyHiddenWindow(HWND& window);
// The owner of a hidden window in its window procedure is WindowOwner<T>
// (ui/Window_win.h); null after DestroyHiddenWindow.

}  // namespace wx
