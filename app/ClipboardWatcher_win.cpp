#include "app/ClipboardWatcher_win.h"

#include "app/ErrorBox_win.h"

namespace wx {

namespace {
const wchar_t kClassName[] = L"TClipboardWatcherWindow";
}

TClipboardWatcher::TClipboardWatcher() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WndProc;
  wc.hInstance = inst;
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
  window_ = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, inst, this);
  if (window_) {
    SetLastError(0);
    next_ = SetClipboardViewer(window_);
    joined_ = next_ != nullptr || GetLastError() == 0;
  }
}

TClipboardWatcher::~TClipboardWatcher() {
  if (!window_) return;
  if (joined_) ChangeClipboardChain(window_, next_);
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK TClipboardWatcher::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* self = reinterpret_cast<TClipboardWatcher*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  switch (msg) {
    case WM_DRAWCLIPBOARD:
      if (self->next_) SendMessageW(self->next_, msg, wp, lp);
      Guarded([self] {
        if (self->OnChange) self->OnChange();
      });
      return 0;
    case WM_CHANGECBCHAIN:
      if (HWND(wp) == self->next_)
        self->next_ = HWND(lp);
      else if (self->next_)
        SendMessageW(self->next_, msg, wp, lp);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace wx
