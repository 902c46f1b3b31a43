// Modal dialogs whose controls are made in code: the empty template, the
// dialog procedure that hands every message to the owning object (with
// failures reported through the toolkit), and sizing for a client area,
// centred on the owner.
#pragma once

#include <windows.h>

#include "ui/Dpi_win.h"
#include "ui/Window_win.h"

namespace wx {

// Sizes the window for a client area of width x height (already scaled) and
// centres it on its owner (on the monitor in use when the owner is hidden).
inline void SizeClientAndCentre(HWND window, int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, DWORD(GetWindowLongW(window, GWL_STYLE)), FALSE, DWORD(GetWindowLongW(window, GWL_EXSTYLE)));
  SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
  CentreOnOwner(window, GetWindow(window, GW_OWNER));
}

// The frame of a modal dialog that is not resized.
inline constexpr DWORD kModalDialogStyle = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_3DLOOK;

// Runs a modal dialog for `self`, whose OnMessage(msg, wp, lp) receives every
// message from WM_INITDIALOG on (its Attach(hwnd) is called first). Returns
// what EndDialog was given.
template <typename T>
INT_PTR RunModalDialog(HWND owner, T* self, DWORD style = kModalDialogStyle) {
  struct alignas(4) EmptyTemplate {
    DLGTEMPLATE t;
    WORD menu, cls, title;
  } tmpl{};
  tmpl.t.style = style;
  tmpl.t.cx = 100;
  tmpl.t.cy = 50;
  DLGPROC proc = [](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> INT_PTR {
    T* s;
    if (msg == WM_INITDIALOG) {
      s = reinterpret_cast<T*>(lp);
      SetWindowLongPtrW(hwnd, DWLP_USER, LONG_PTR(s));
      s->Attach(hwnd);
    } else {
      s = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (!s) return FALSE;
    INT_PTR r = FALSE;
    Guarded([&] { r = s->OnMessage(msg, wp, lp); });
    return r;
  };
  return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &tmpl.t, owner, proc, LPARAM(self));
}

}  // namespace wx
