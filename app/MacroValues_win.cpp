// The macros' values on Windows: the program's name and folder, the user name,
// and the shell's application-data and documents folders.
#include <windows.h>
#include <shlobj.h>

#include "app/AppErrors.h"
#include "common/AnsiText.h"
#include "common/ExpandMacros.h"
#include "common/FileSystem.h"

namespace wx {

namespace {

std::string ShellFolder(int csidl) {
  wchar_t buf[MAX_PATH] = {};
  if (SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buf) != S_OK) return std::string();
  return WideToUtf8(buf);
}

std::string ExpandEnvironment(const std::string& text) {
  std::wstring in = Utf8ToWide(text);
  DWORD need = ExpandEnvironmentStringsW(in.c_str(), nullptr, 0);
  if (need == 0) return text;
  std::wstring out(need, L'\0');
  DWORD got = ExpandEnvironmentStringsW(in.c_str(), out.data(), need);
  if (got == 0 || got > need) return text;
  out.resize(got - 1);
  return WideToUtf8(out);
}

}  // namespace

const MacroValues& SystemMacroValues() {
  static const MacroValues values = [] {
    MacroValues v;
    std::string dir = AppDir();
    while (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) dir.pop_back();
    v.appDir = dir;
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    v.appName = FileStem(WideToUtf8(exe));
    wchar_t user[257] = {};
    DWORD len = 257;
    if (GetUserNameW(user, &len)) v.userName = WideToUtf8(user);
    v.appData = ShellFolder(CSIDL_APPDATA);
    v.myDocuments = ShellFolder(CSIDL_PERSONAL);
    v.expandEnvironment = ExpandEnvironment;
    return v;
  }();
  return values;
}

}  // namespace wx
