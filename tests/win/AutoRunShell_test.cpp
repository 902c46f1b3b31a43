// The Startup shortcut on Windows: written through the wide-character
// shell-link interface, so a target outside the ANSI code page reaches the
// file as Unicode (an ANSI interface would have made it "?" before the shell
// saw it); removing it twice is no error; a failed save says why.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "app/AutoRun.h"
#include "common/AnsiText.h"

namespace wx {

namespace {

std::string FileBytes(const std::string& path) {
  HANDLE f = CreateFileW(Utf8ToWide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string bytes(65536, '\0');
  DWORD n = 0;
  ReadFile(f, bytes.data(), DWORD(bytes.size()), &n, nullptr);
  CloseHandle(f);
  bytes.resize(n);
  return bytes;
}

}  // namespace

TEST(AutoRunShell, ShortcutKeepsATargetOutsideTheCodePage) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  std::wstring dir = std::wstring(temp) + L"Start \u6587\u5B57";
  CreateDirectoryW(dir.c_str(), nullptr);
  const std::wstring exeName = L"Wendrix \u0416\u03BA.exe";
  std::string link = WideToUtf8(dir) + "\\Wendrix.lnk";
  std::string target = WideToUtf8(dir + L"\\" + exeName);
  HANDLE exe = CreateFileW(Utf8ToWide(target).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(exe, INVALID_HANDLE_VALUE);
  CloseHandle(exe);

  AutoRunShell& shell = SystemAutoRunShell();
  std::string error;
  ASSERT_TRUE(shell.SaveShortcut(link, target, error)) << error;
  EXPECT_TRUE(shell.FileExists(link));
  std::string utf16(reinterpret_cast<const char*>(exeName.data()), exeName.size() * sizeof(wchar_t));
  EXPECT_NE(FileBytes(link).find(utf16), std::string::npos) << "the shortcut lost the target's Unicode name";

  EXPECT_TRUE(shell.RemoveFile(link, error)) << error;
  EXPECT_FALSE(shell.FileExists(link));
  EXPECT_TRUE(shell.RemoveFile(link, error)) << "a missing shortcut is no error";
  EXPECT_FALSE(shell.KnownStartupFolder().empty());

  error.clear();
  EXPECT_FALSE(shell.SaveShortcut(WideToUtf8(dir) + "\\missing\\Wendrix.lnk", target, error));
  EXPECT_FALSE(error.empty());
  DeleteFileW(Utf8ToWide(target).c_str());
  RemoveDirectoryW(dir.c_str());
}

// A 32-bit predecessor wrote the machine's start-up value through the 32-bit
// view of the registry; the 64-bit program finds and deletes it there.
TEST(AutoRunShell, MachineLegacyValueInThe32BitViewIsFoundAndDeleted) {
  const wchar_t run[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::wstring name = Utf8ToWide(kLegacyRunValue);
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, run, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  const wchar_t data[] = L"C:\\Old\\Dravimo.exe";
  ASSERT_EQ(RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data),
            ERROR_SUCCESS);
  RegCloseKey(key);
  auto inView = [&](REGSAM view) {
    HKEY k = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, run, 0, KEY_QUERY_VALUE | view, &k) != ERROR_SUCCESS) return false;
    const bool found = RegQueryValueExW(k, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(k);
    return found;
  };
  ASSERT_TRUE(inView(KEY_WOW64_32KEY));
  ASSERT_FALSE(inView(KEY_WOW64_64KEY));  // only there

  AutoRunShell& shell = SystemAutoRunShell();
  EXPECT_TRUE(shell.LegacyValuePresent(true));
  EXPECT_TRUE(shell.LegacyValueDeletable(true));
  EXPECT_TRUE(shell.DeleteLegacyValue(true));
  EXPECT_FALSE(shell.LegacyValuePresent(true));
  EXPECT_FALSE(inView(KEY_WOW64_32KEY));
}

}  // namespace wx
