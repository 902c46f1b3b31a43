// The window toolkit's base: registering a window class, finding a window's
// owning object in its window procedure, bringing a window to the front, and
// the one way every window reports a failure (the program's error box, which
// the program installs at start).
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace wx {

// Registers a window class (a class already registered is kept).
void RegisterWindowClass(const wchar_t* className, WNDPROC proc, HICON icon = nullptr, HCURSOR cursor = nullptr,
                         HBRUSH background = nullptr);

// The object behind a window, from inside its window procedure: the creation
// parameter is stored as the window's user data at WM_NCCREATE. Null before
// that and after the owner detached itself (user data set to 0).
template <typename Owner>
Owner* WindowOwner(HWND hwnd, UINT msg, LPARAM lp) {
  if (msg == WM_NCCREATE)
    SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
  return reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Runs a modal window that is not a dialog (one with a menu bar and
// accelerators): its owner, when visible and enabled, takes no input
// meanwhile; a key for the window or one of its controls goes through accel
// first. Returns once closed() is true or the window is gone; a WM_QUIT met
// meanwhile is posted again for the caller's loop.
void RunModalWindow(HWND window, HWND owner, HACCEL accel, const std::function<bool()>& closed);

// SetForegroundWindow with the foreground lock time-out set to 0 meanwhile.
bool ForceForeground(HWND window);

// ---- asking and telling the user ----
// A question (Yes/No, Yes/No/Cancel) or a notice, asked the same way by every
// window: a message box owned by owner (task-modal without one), captioned
// by the caller, centred on the owner (on the work area of the monitor in use
// when the owner is hidden or absent). Returns the button pressed (IDYES ...).
// Failures are not told this way: they go to ReportError.
int AskUser(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type);

// ---- reporting failures ----
// Shows a failure to the user; e is null for one that is not a std::exception.
using ErrorReporter = std::function<void(const std::exception* e)>;
// The program's error box; until one is installed, a plain error message box.
void SetErrorReporter(ErrorReporter reporter);
void ReportError(const std::exception& e);
void ReportUnknownError();

// Runs fn; any exception is reported and goes no further.
template <typename Fn>
void Guarded(Fn&& fn) noexcept {
  try {
    fn();
  } catch (const std::exception& e) {
    ReportError(e);
  } catch (...) {
    ReportUnknownError();
  }
}

}  // namespace wx
