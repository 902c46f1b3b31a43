#include "app/ClipboardWatcher_win.h"

#include "app/ErrorBox_win.h"
#include "app/HiddenWindow_win.h"

namespace wx {

namespace {
const wchar_t kClassName[] = L"TClipboardWatcherWindow";
}

TClipboardWatcher::TClipboardWatcher() {
  window_ = CreateHiddenWindow(kClassName, WndProc, this);
  if (window_) {
    SetLastError(0);
    next_ = SetClipboardViewer(window_);
    joined_ = next_ != nullptr || GetLastError() == 0;
  }
}

TClipboardWatcher::~TClipboardWatcher() {
  if (!window_) return;
  if (joined_) ChangeClipboardChain(window_, next_);
  DestroyHiddenWindow(window_);
}

LRESULT CALLBACK TClipboardWatcher::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowOwner<TClipboardWatcher>(hwnd, msg, lp);
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
