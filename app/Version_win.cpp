#include <windows.h>

#include <vector>

#include "app/ProgramPath_win.h"
#include "app/Version.h"
#include "common/AnsiText.h"

namespace wx {

bool GetFileVersion(const std::string& fileName, FileVersion& out) {
  std::wstring path = fileName.empty() ? ProgramPathW() : Utf8ToWide(fileName);
  if (path.empty()) return false;
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
  if (size == 0) return false;
  std::vector<unsigned char> data(size);
  if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data())) return false;
  VS_FIXEDFILEINFO* info = nullptr;
  UINT len = 0;
  if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &len) || !info ||
      len < sizeof(VS_FIXEDFILEINFO))
    return false;
  out.major = HIWORD(info->dwFileVersionMS);
  out.minor = LOWORD(info->dwFileVersionMS);
  out.release = HIWORD(info->dwFileVersionLS);
  return true;
}

std::string FormatVersion(const std::string& fileName, bool withRelease) {
  FileVersion v;
  if (!GetFileVersion(fileName, v)) return {};
  return FormatVersion(v, withRelease);
}

}  // namespace wx
