#include <windows.h>

#include <string>

#include "app/ProgramPath_win.h"
#include "common/AnsiText.h"

namespace wx {

std::wstring ProgramPathW() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string ProgramPath() { return WideToUtf8(ProgramPathW()); }

std::string PlatformAppDir() {
  std::wstring path = ProgramPathW();
  if (path.empty()) return ".\\";
  size_t slash = path.find_last_of(L"\\/");
  return WideToUtf8(path.substr(0, slash + 1));
}

}  // namespace wx
