#include "app/TrayIcon_win.h"

#include <shellapi.h>

#include <algorithm>

#include "app/ErrorBox_win.h"
#include "app/HiddenWindow_win.h"
#include "common/MessageLoop_win.h"

namespace wx {

namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kMaxTimerInterval = 150;
const wchar_t kClassName[] = L"TTrayIconMsgWindow";
}  // namespace

TTrayIcon95::TTrayIcon95(HWND applicationWindow) : appWindow_(applicationWindow) {
  window_ = CreateHiddenWindow(kClassName, WndProc, this, WS_EX_TOOLWINDOW);
}

TTrayIcon95::~TTrayIcon95() {
  if (window_) KillTimer(window_, kTimerId);
  SetActive(false);
  for (HICON f : frames_) DestroyIcon(f);
  DestroyHiddenWindow(window_);
}

LRESULT CALLBACK TTrayIcon95::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowOwner<TTrayIcon95>(hwnd, msg, lp);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  // The handle is known from the first message on, before CreateWindowEx returns.
  if (msg == WM_NCCREATE) self->window_ = hwnd;
  LRESULT result = 0;
  // Nothing the handlers raise may leave the window procedure.
  Guarded([&] { result = self->Handle(msg, wp, lp); });
  return result;
}

LRESULT TTrayIcon95::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case kCallbackMessage:
      HandleMouse(UINT(lp & 0xFFFF));
      return 0;
    case kDeferredCall: {
      // A click delivered outside the mouse message; failures are swallowed.
      try {
        if (OnClick) OnClick();
      } catch (...) {
      }
      return 0;
    }
    case WM_TIMER:
      if (wp == kTimerId) OnTimer();
      return 0;
    case WM_QUERYENDSESSION:
      return 1;
    case WM_ENDSESSION:
      if (wp) SetActive(false);  // remove the icon before the session ends
      return 0;
  }
  return DefWindowProcW(window_, msg, wp, lp);
}

void TTrayIcon95::HandleMouse(UINT mouseMsg) {
  switch (mouseMsg) {
    case WM_MOUSEMOVE:
      GetCursorPos(&cursor_);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      GetCursorPos(&cursor_);
      TrayButton button = mouseMsg == WM_LBUTTONDOWN   ? TrayButton::Left
                          : mouseMsg == WM_RBUTTONDOWN ? TrayButton::Right
                                                       : TrayButton::Middle;
      // AutoPopup is the controller's "accepts input" flag.
      TrayClickEvent event =
          clicks_.Press(button, GetTickCount(), AutoPopup, bool(BuildPopupMenu), bool(OnDblClick));
      if (clicks_.Pending())
        EnableItem(clickDelay_, TrayClicks::kDelayMs);
      else
        DisableItem(clickDelay_);
      if (event == TrayClickEvent::PopupMenu) PopupAtCursor();
      if (event == TrayClickEvent::Click) PostMessageW(window_, kDeferredCall, 0, 0);
      break;
    }
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
      DisableItem(clickDelay_);
      if (clicks_.DoublePress() == TrayClickEvent::DoubleClick && OnDblClick) OnDblClick();
      break;
  }
}

void TTrayIcon95::Notify(DWORD action) {
  NOTIFYICONDATAW nid{};
  nid.cbSize = sizeof nid;
  nid.hWnd = window_;
  nid.uID = kIconId;
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  nid.uCallbackMessage = kCallbackMessage;
  nid.hIcon = current_;
  // The tip holds at most 63 characters.
  lstrcpynW(nid.szTip, hint_.substr(0, 63).c_str(), 64);
  if (Shell_NotifyIconW(action, &nid)) {
    if (action == NIM_ADD) added_ = true;
    if (action == NIM_DELETE) added_ = false;
  }
}

void TTrayIcon95::SetActive(bool active) {
  if (active == active_) return;
  if (active) {
    active_ = true;
    added_ = false;
    RefreshIcon();  // adds the icon, once
    if (state_ == tsAnimated) StartAnimation();
  } else {
    StopAnimation();
    Notify(NIM_DELETE);
    active_ = false;
  }
}

void TTrayIcon95::Readd() {
  if (!active_) return;
  added_ = false;
  Notify(NIM_ADD);
}

void TTrayIcon95::SetHint(const std::wstring& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  if (active_) Notify(NIM_MODIFY);
}

void TTrayIcon95::SetIcons(HICON icon, HICON disabledIcon) {
  icon_ = icon;
  disabledIcon_ = disabledIcon;
  RefreshIcon();
}

void TTrayIcon95::SetAnimationIcons(const std::vector<std::wstring>& names) {
  for (HICON f : frames_) DestroyIcon(f);
  frames_.clear();
  HINSTANCE inst = GetModuleHandleW(nullptr);
  for (const auto& name : names) {
    std::wstring upper = name;
    CharUpperW(upper.data());
    frames_.push_back(static_cast<HICON>(LoadImageW(inst, upper.c_str(), IMAGE_ICON, 16, 16, 0)));
  }
}

void TTrayIcon95::RefreshIcon() {
  HICON next = current_;
  switch (state_) {
    case tsEnabled: next = icon_; break;
    case tsDisabled: next = disabledIcon_; break;
    case tsAnimated:
      if (frame_ >= 0 && size_t(frame_) < frames_.size() && frames_[frame_]) next = frames_[frame_];
      break;
  }
  current_ = next;
  if (active_) Notify(added_ ? NIM_MODIFY : NIM_ADD);
}

void TTrayIcon95::SetState(TTrayIconState state) {
  if (!active_) {
    state_ = state;
    return;
  }
  if (state == state_) return;
  if (state_ == tsAnimated) StopAnimation();
  state_ = state;
  RefreshIcon();
  if (state_ == tsAnimated) StartAnimation();
}

void TTrayIcon95::StartAnimation() {
  DisableItem(animation_);
  frame_ = 0;
  AnimationTick();  // the first frame at once
  if (state_ == tsAnimated) EnableItem(animation_, animationInterval_);
}

void TTrayIcon95::StopAnimation() { DisableItem(animation_); }

void TTrayIcon95::AnimationTick() {
  RefreshIcon();
  if (!frames_.empty()) frame_ = (frame_ + 1) % int(frames_.size());
}

void TTrayIcon95::EnableItem(TimedItem& item, UINT interval) {
  item.enabled = true;
  item.interval = interval;
  item.last = GetTickCount();
  RestartTimer();
}

void TTrayIcon95::DisableItem(TimedItem& item) {
  if (!item.enabled) return;
  item.enabled = false;
  RestartTimer();
}

// One window timer serves every timed item, at the shortest enabled interval
// but never longer than 150 ms.
void TTrayIcon95::RestartTimer() {
  UINT shortest = 0;
  for (TimedItem* item : {&animation_, &clickDelay_})
    if (item->enabled) shortest = shortest ? std::min(shortest, item->interval) : item->interval;
  if (!window_) return;
  if (shortest == 0) {
    KillTimer(window_, kTimerId);
    timerInterval_ = 0;
    return;
  }
  timerInterval_ = std::min(shortest, kMaxTimerInterval);
  SetTimer(window_, kTimerId, timerInterval_, nullptr);
}

void TTrayIcon95::OnTimer() {
  DWORD now = GetTickCount();
  if (clickDelay_.enabled) {
    TrayClickEvent event = clicks_.Tick(now);
    if (!clicks_.Pending()) DisableItem(clickDelay_);
    if (event == TrayClickEvent::Click && OnClick) OnClick();
  }
  if (animation_.enabled && now - animation_.last >= animation_.interval) {
    animation_.last = now;
    AnimationTick();
  }
}

void TTrayIcon95::PopupAtCursor() {
  if (!BuildPopupMenu) return;
  HMENU menu = BuildPopupMenu();
  if (!menu) return;
  SetForegroundWindow(appWindow_);
  ProcessPendingMessages();
  UINT cmd = UINT(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, cursor_.x, cursor_.y, 0,
                                 appWindow_, nullptr));
  PostMessageW(appWindow_, WM_USER, 0, 0);
  DestroyMenu(menu);
  // The foreground goes back to a window of the program that is showing (the
  // Smart Bar), else to the desktop.
  HWND shown = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM found) {
        if (!IsWindowVisible(w) || IsIconic(w)) return TRUE;
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&shown));
  SetForegroundWindow(shown ? shown : GetDesktopWindow());
  if (cmd && OnMenuCommand) OnMenuCommand(cmd);
}

void TTrayIcon95::ShowForm(HWND form) {
  if (!form) return;
  if (!IsWindowVisible(form)) ShowWindow(form, SW_SHOW);
  ForceForeground(form);
}

}  // namespace wx
