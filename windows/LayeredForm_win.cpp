#include "windows/LayeredForm_win.h"

#include <commctrl.h>

namespace wx {

namespace {

using SetLayeredFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
constexpr const wchar_t kProperty[] = L"WendrixLayeredForm";
constexpr UINT_PTR kSubclassId = 0x57784C46;

// A window must lose its properties before it is gone: the window's end
// (Close destroys it before this component is freed) takes the property away.
LRESULT CALLBACK RemovePropertyAtEnd(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_NCDESTROY) {
    RemovePropW(h, kProperty);
    RemoveWindowSubclass(h, RemovePropertyAtEnd, kSubclassId);
  }
  return DefSubclassProc(h, msg, wp, lp);
}

SetLayeredFn FindSetLayered() {
  HMODULE user32 = GetModuleHandleW(L"USER32.DLL");
  if (!user32) return nullptr;
  return reinterpret_cast<SetLayeredFn>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")));
}

}  // namespace

bool LayeredWindowsAvailable() { return FindSetLayered() != nullptr; }

TLayeredWindow::TLayeredWindow(HWND window)
    : window_(window), form_([this](TLayerType t, uint8_t a, uint32_t k) { Apply(t, a, k); }) {
  if (!window_ || (GetWindowLongPtrW(window_, GWL_STYLE) & WS_CHILD))
    throw ELayeredFormError("Control parent must be a form!");
  if (GetPropW(window_, kProperty)) throw ELayeredFormError("Only one instance of TLayeredForm allowed on form");
  SetPropW(window_, kProperty, reinterpret_cast<HANDLE>(this));
  SetWindowSubclass(window_, RemovePropertyAtEnd, kSubclassId, 0);
}

TLayeredWindow::~TLayeredWindow() {
  if (IsWindow(window_) && GetPropW(window_, kProperty) == reinterpret_cast<HANDLE>(this)) {
    RemoveWindowSubclass(window_, RemovePropertyAtEnd, kSubclassId);
    RemovePropW(window_, kProperty);
  }
}

void TLayeredWindow::Apply(TLayerType type, uint8_t alpha, uint32_t colorKey) {
  LONG_PTR ex = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  if (type == ltNone) {
    SetWindowLongPtrW(window_, GWL_EXSTYLE, ex & ~LONG_PTR(WS_EX_LAYERED));
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    return;
  }
  SetWindowLongPtrW(window_, GWL_EXSTYLE, ex | WS_EX_LAYERED);
  // Without the call (an old system) the style change has no effect.
  if (SetLayeredFn set = FindSetLayered())
    set(window_, COLORREF(colorKey), alpha, type == ltAlphaBlend ? LWA_ALPHA : LWA_COLORKEY);
}

}  // namespace wx
