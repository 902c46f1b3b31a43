#include "ui/Window_win.h"

#include <cstdint>
#include <string>

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

}  // namespace

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

bool ForceForeground(HWND window) {
  DWORD timeout = 0;
  bool saved = SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &timeout, 0);
  if (saved) SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, nullptr, SPIF_SENDCHANGE);
  bool ok = SetForegroundWindow(window);
  if (saved)
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0, reinterpret_cast<void*>(uintptr_t(timeout)),
                          SPIF_SENDCHANGE);
  return ok;
}

void SetErrorReporter(ErrorReporter reporter) { Reporter() = std::move(reporter); }
void ReportError(const std::exception& e) { Report(&e); }
void ReportUnknownError() { Report(nullptr); }

}  // namespace wx
