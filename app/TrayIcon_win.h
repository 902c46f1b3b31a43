// The notification-area icon: still and animated images, the tip, clicks
// (decided by TrayClicks: a single click waits 400 ms for a second one, and a
// click made while the program is busy is never delivered), the right-click
// menu, and re-adding the icon when the shell restarts.
#pragma once

#include <windows.h>

#include "app/TrayClicks.h"

#include <functional>
#include <string>
#include <vector>

namespace wx {

enum TTrayIconState { tsEnabled = 0, tsDisabled = 1, tsAnimated = 2 };

class TTrayIcon95 {
 public:
  static constexpr UINT kCallbackMessage = WM_USER + 100;
  static constexpr UINT kDeferredCall = WM_USER + 101;
  static constexpr UINT kIconId = 42;

  explicit TTrayIcon95(HWND applicationWindow);
  ~TTrayIcon95();
  TTrayIcon95(const TTrayIcon95&) = delete;
  TTrayIcon95& operator=(const TTrayIcon95&) = delete;

  void SetActive(bool active);
  bool Active() const { return active_; }
  void SetHint(const std::wstring& hint);
  const std::wstring& Hint() const { return hint_; }
  void SetState(TTrayIconState state);
  TTrayIconState State() const { return state_; }
  void SetIcons(HICON icon, HICON disabledIcon);
  // Frames are icon resources of the executable, by name, loaded at 16x16.
  void SetAnimationIcons(const std::vector<std::wstring>& resourceNames);
  void SetAnimationInterval(UINT ms) { animationInterval_ = ms; }
  int AnimationFrame() const { return frame_; }

  // Right click opens the menu while set; the controller also uses it as its
  // "accepts input" flag.
  bool AutoPopup = false;
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  // Builds the menu to pop up, and runs the chosen item's command id.
  std::function<HMENU()> BuildPopupMenu;
  std::function<void(UINT)> OnMenuCommand;

  // Shows the menu at the last mouse position.
  void PopupAtCursor();
  // Shows a window of the program (the Smart Bar) and brings it to the
  // front; a window already shown is only brought to the front.
  void ShowForm(HWND form);
  // Adds the icon again (the shell was restarted).
  void Readd();
  HWND MessageWindow() const { return window_; }

 private:
  struct TimedItem {
    bool enabled = false;
    UINT interval = 0;
    DWORD last = 0;
  };
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void HandleMouse(UINT mouseMsg);
  void Notify(DWORD action);
  void RefreshIcon();
  void StartAnimation();
  void StopAnimation();
  void AnimationTick();
  void EnableItem(TimedItem& item, UINT interval);
  void DisableItem(TimedItem& item);
  void RestartTimer();
  void OnTimer();

  HWND appWindow_;
  HWND window_ = nullptr;
  bool active_ = false;
  bool added_ = false;
  std::wstring hint_;
  TTrayIconState state_ = tsEnabled;
  HICON icon_ = nullptr, disabledIcon_ = nullptr, current_ = nullptr;
  std::vector<HICON> frames_;
  UINT animationInterval_ = 1000;
  int frame_ = 0;
  POINT cursor_{};
  TrayClicks clicks_;
  TimedItem animation_, clickDelay_;
  UINT timerInterval_ = 0;
};

}  // namespace wx
