#include "common/WinText_win.h"

#include "common/AnsiText.h"

namespace wx {

std::wstring AnsiToWide(std::string_view ansi) {
  std::u16string u = AnsiToUnicode(ansi);
  return std::wstring(u.begin(), u.end());
}

std::string AnsiOfWindow(HWND window) {
  int n = GetWindowTextLengthW(window);
  std::wstring w(size_t(n) + 1, L'\0');
  GetWindowTextW(window, w.data(), n + 1);
  w.resize(size_t(n));
  return Utf8ToAnsi(WideToUtf8(w));
}

}  // namespace wx
