// A riched20.dll planted beside the program is not loaded: a copy of the
// program's start and rich-edit creation (the loader) runs from a folder that
// holds such a library and reports which one it got.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

namespace {

// A path of the build (Linux) as Wine sees it.
std::wstring WinePath(const char* linuxPath) {
  std::wstring w = L"Z:";
  for (const char* p = linuxPath; *p; ++p) w += *p == '/' ? L'\\' : wchar_t(*p);
  return w;
}

}  // namespace

TEST(SystemLibrary, PlantedRichEditBesideTheProgramIsNotLoaded) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  const std::wstring dir = std::wstring(temp) + L"wx-planted";
  CreateDirectoryW(dir.c_str(), nullptr);
  const std::wstring exe = dir + L"\\loader.exe", dll = dir + L"\\riched20.dll";
  ASSERT_TRUE(CopyFileW(WinePath(WX_RICHEDIT_LOADER).c_str(), exe.c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(WinePath(WX_PLANTED_LIBRARY).c_str(), dll.c_str(), FALSE));

  // Windows loads a library found beside the program before its own (only
  // its known libraries are exempt, and riched20.dll is not one); Wine
  // prefers its built-in copy unless its settings for the program say
  // otherwise, as they do here (a key that means nothing to Windows).
  const wchar_t overrides[] = L"Software\\Wine\\AppDefaults\\loader.exe\\DllOverrides";
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, overrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const wchar_t nativeFirst[] = L"native,builtin";
  RegSetValueExW(key, L"riched20", 0, REG_SZ, reinterpret_cast<const BYTE*>(nativeFirst), sizeof nativeFirst);
  RegCloseKey(key);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring command = L"\"" + exe + L"\"";
  const bool started =
      CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi);
  ASSERT_TRUE(started);
  const DWORD waited = WaitForSingleObject(pi.hProcess, 30000);
  DWORD code = 99;
  GetExitCodeProcess(pi.hProcess, &code);
  if (waited != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 99);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  DeleteFileW(exe.c_str());
  DeleteFileW(dll.c_str());
  RemoveDirectoryW(dir.c_str());
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wine\\AppDefaults\\loader.exe");
  ASSERT_EQ(waited, WAIT_OBJECT_0) << "the loader did not end";
  EXPECT_NE(code, 3u) << "the planted riched20.dll was loaded";
  EXPECT_EQ(code, 0u) << "no rich edit library was loaded";
}
