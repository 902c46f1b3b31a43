// The Windows side of auto-run: the legacy Run values, the shell's Startup
// folder, and the shortcut written through the wide-character shell-link
// interface (so a path outside the ANSI code page survives).
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "app/AutoRun.h"
#include "common/AnsiText.h"
#include "common/ComScope_win.h"
#include "common/RegKey_win.h"

namespace wx {

namespace {

// The Startup folder's id, defined here: the system library's copy comes in
// one object with every other id, 40 KB of the program.
constexpr GUID kStartupFolder = {0xb97d20bb, 0xf46a, 0x4c97, {0xba, 0x10, 0x5e, 0x36, 0x08, 0x43, 0x08, 0x54}};

const wchar_t kRunKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

std::string SystemMessage(DWORD code) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring w = n && text ? std::wstring(text, n) : L"Windows error " + std::to_wstring(code) + L".";
  if (text) LocalFree(text);
  while (!w.empty() && (w.back() == L'\n' || w.back() == L'\r')) w.pop_back();
  return WideToUtf8(w);
}

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** out() { return &p_; }
  T* operator->() const { return p_; }

 private:
  T* p_ = nullptr;
};

HKEY Root(bool machine) { return machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

std::vector<REGSAM> Views(bool machine) {
  if (machine) return {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
  return {0};
}

bool ValueIn(bool machine, REGSAM view) {
  HKeyHolder key;
  if (RegOpenKeyExW(Root(machine), kRunKey, 0, KEY_QUERY_VALUE | view, key.out()) != ERROR_SUCCESS) return false;
  return RegQueryValueExW(key.get(), Utf8ToWide(kLegacyRunValue).c_str(), nullptr, nullptr, nullptr, nullptr) ==
         ERROR_SUCCESS;
}

class WindowsAutoRunShell : public AutoRunShell {
 public:
  // The machine's Run key has a 64-bit and a 32-bit view (the second where a
  // 32-bit program writes it); the user's is one key, read through either.
  bool LegacyValuePresent(bool machine) override {
    for (REGSAM view : Views(machine))
      if (ValueIn(machine, view)) return true;
    return false;
  }
  bool LegacyValueDeletable(bool machine) override {
    for (REGSAM view : Views(machine)) {
      if (!ValueIn(machine, view)) continue;
      HKeyHolder key;
      if (RegOpenKeyExW(Root(machine), kRunKey, 0, KEY_SET_VALUE | view, key.out()) != ERROR_SUCCESS) return false;
    }
    return true;
  }
  bool DeleteLegacyValue(bool machine) override {
    bool all = true;
    for (REGSAM view : Views(machine)) {
      if (!ValueIn(machine, view)) continue;
      HKeyHolder key;
      if (RegOpenKeyExW(Root(machine), kRunKey, 0, KEY_SET_VALUE | view, key.out()) != ERROR_SUCCESS ||
          RegDeleteValueW(key.get(), Utf8ToWide(kLegacyRunValue).c_str()) != ERROR_SUCCESS)
        all = false;
    }
    return all;
  }
  std::string KnownStartupFolder() override {
    PWSTR path = nullptr;
    std::string out;
    if (SUCCEEDED(SHGetKnownFolderPath(kStartupFolder, KF_FLAG_CREATE, nullptr, &path)) && path)
      out = WideToUtf8(path);
    CoTaskMemFree(path);
    return out;
  }
  bool FileExists(const std::string& path) override {
    DWORD a = GetFileAttributesW(Utf8ToWide(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
  }
  bool RemoveFile(const std::string& path, std::string& error) override {
    if (DeleteFileW(Utf8ToWide(path).c_str())) return true;
    DWORD code = GetLastError();
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) return true;
    error = SystemMessage(code);
    return false;
  }
  bool SaveShortcut(const std::string& linkPath, const std::string& target, std::string& error) override {
    ComScope com;
    ComPtr<IShellLinkW> link;
    HRESULT hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                  reinterpret_cast<void**>(link.out()));
    if (FAILED(hr)) {
      error = "The shell-link object is not available (" + SystemMessage(DWORD(hr)) + ")";
      return false;
    }
    link->SetPath(Utf8ToWide(target).c_str());
    ComPtr<IPersistFile> file;
    hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.out()));
    if (FAILED(hr)) {
      error = "The shortcut cannot be saved as a file (" + SystemMessage(DWORD(hr)) + ")";
      return false;
    }
    hr = file->Save(Utf8ToWide(linkPath).c_str(), TRUE);
    if (FAILED(hr)) {
      error = SystemMessage(HRESULT_FACILITY(hr) == FACILITY_WIN32 ? DWORD(HRESULT_CODE(hr)) : DWORD(hr));
      return false;
    }
    return true;
  }
};

}  // namespace

AutoRunShell& SystemAutoRunShell() {
  static WindowsAutoRunShell shell;
  return shell;
}

}  // namespace wx
