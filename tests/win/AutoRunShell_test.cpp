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

}  // namespace wx
