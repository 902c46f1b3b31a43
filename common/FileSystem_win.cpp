#include <windows.h>

#include "common/AnsiText.h"
#include "common/FileSystem.h"

namespace wx {

FileFacts FactsOf(const std::string& path) {
  FileFacts facts;
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (path.empty() || !GetFileAttributesExW(Utf8ToWide(path).c_str(), GetFileExInfoStandard, &data)) return facts;
  facts.exists = true;
  facts.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  facts.regular = !facts.folder && (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) == 0;
  if (facts.regular) facts.size = (uint64_t(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  facts.time = int64_t((uint64_t(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime);
  return facts;
}

bool RenamePath(const std::string& from, const std::string& to) {
  return MoveFileExW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool RemoveFilePath(const std::string& path) { return DeleteFileW(Utf8ToWide(path).c_str()) != 0; }

bool MakeFolders(const std::string& folder) {
  if (folder.empty()) return false;
  if (IsFolder(folder)) return true;
  const std::string parent = ParentFolder(folder);
  if (!parent.empty() && parent != folder) MakeFolders(parent);
  CreateDirectoryW(Utf8ToWide(folder).c_str(), nullptr);
  return IsFolder(folder);
}

std::vector<std::string> FileNamesIn(const std::string& folder) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  const char last = folder.back();
  const std::string pattern = folder + (last == '\\' || last == '/' ? "*" : "\\*");
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(Utf8ToWide(pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)))
      names.push_back(WideToUtf8(found.cFileName));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

std::string WorkingFolder() {
  const DWORD n = GetCurrentDirectoryW(0, nullptr);
  if (n == 0) return {};
  std::wstring folder(n, L'\0');
  const DWORD got = GetCurrentDirectoryW(n, folder.data());
  if (got == 0 || got >= n) return {};
  folder.resize(got);
  return WideToUtf8(folder);
}

}  // namespace wx
