#include "ui/Window_win.h"

#include <cstdint>
#include <string>

#include "ui/Dpi_win.h"

namespace wx {

namespace {

ErrorReporter& Reporter() {
  static ErrorReporter reporter;
  return reporter;
}

void Report(const std::exception* e) {
  // A failing reporter must not take the program down with it.
  try {
    if (Reporter()) {
      Reporter()(e);
      return;
    }
    std::wstring text = L"Unknown error";
    if (e) {
      const char* what = e->what();
      int n = MultiByteToWideChar(CP_UTF8, 0, what, -1, nullptr, 0);
      if (n > 1) {
        text.assign(size_t(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, what, -1, text.data(), n);
        text.resize(size_t(n - 1));
      }
    }
    MessageBoxW(nullptr, text.c_str(), L"Error", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  } catch (...) {
  }
}

// The message box being opened on this thread and the window it is centred on.
struct PendingBox {
  HHOOK hook = nullptr;
  HWND owner = nullptr;
};
thread_local PendingBox t_box;

LRESULT CALLBACK CentreBoxHook(int code, WPARAM wp, LPARAM lp) {
  const HHOOK hook = t_box.hook;
  if (code == HCBT_ACTIVATE) {
    wchar_t cls[16] = {};
    GetClassNameW(HWND(wp), cls, 16);
    if (lstrcmpW(cls, L"#32770") == 0) {
      // Once: what the box opens later (a dialog of its own) is left alone.
      UnhookWindowsHookEx(hook);
      t_box.hook = nullptr;
      CentreOnOwner(HWND(wp), t_box.owner);
      return 0;
    }
  }
  return CallNextHookEx(hook, code, wp, lp);
}

}  // namespace

int AskUser(HWND owner, const std::wstring& text, const std::wstring& caption, UINT type) {
  if (!owner) type |= MB_TASKMODAL;
  const PendingBox saved = t_box;  // a box asked while another is opening
  t_box = {SetWindowsHookExW(WH_CBT, CentreBoxHook, nullptr, GetCurrentThreadId()), owner};
  const int answer = MessageBoxW(owner, text.c_str(), caption.c_str(), type);
  if (t_box.hook) UnhookWindowsHookEx(t_box.hook);
  t_box = saved;
  return answer;
}

void RegisterWindowClass(const wchar_t* className, WNDPROC proc, HICON icon, HCURSOR cursor, HBRUSH background) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = className;
  wc.hIcon = icon;
  wc.hCursor = cursor;
  wc.hbrBackground = background;
  RegisterClassExW(&wc);  // fails harmlessly when already registered
}

void RunModalWindow(HWND window, HWND owner, HACCEL accel, const std::function<bool()>& closed) {
  const bool ownerEnabled = owner && IsWindowVisible(owner) && IsWindowEnabled(owner);
  if (ownerEnabled) EnableWindow(owner, FALSE);
  MSG msg;
  while (!closed() && IsWindow(window)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(int(msg.wParam));  // the program is ending: pass it on
      break;
    }
    if (got < 0) break;
    if (accel && (msg.hwnd == window || IsChild(window, msg.hwnd)) && TranslateAcceleratorW(window, accel, &msg))
      continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  // The owner comes back before the window goes, so that it takes the activation.
  if (ownerEnabled) EnableWindow(owner, TRUE);
}

bool ForceForeground(HWND window) {
  DWORD timeout = 0;
  bool saved = SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
  // Changed for this call only and not announced: announcing it sends every
  // top-level window a WM_SETTINGCHANGE and waits for each, so one slow
  // program in the session would hold up the window brought forward.
  if (saved) SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, 0);
  bool ok = SetForegroundWindow(window);
  if (saved)
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(uintptr_t(timeout)), 0);
  return ok;
}

void SetErrorReporter(ErrorReporter reporter) { Reporter() = std::move(reporter); }
void ReportError(const std::exception& e) { Report(&e); }
void ReportUnknownError() { Report(nullptr); }

}  // namespace wx
