// The Windows registry of the current user behind the portable Registry interface.
#include <windows.h>

#include <memory>

#include "common/AnsiText.h"
#include "common/RegKey_win.h"
#include "common/Registry.h"

namespace wx {

namespace {

std::wstring W(const std::string& s) {
  size_t start = 0;
  while (start < s.size() && s[start] == '\\') ++start;  // a leading "\" means the same key
  return Utf8ToWide(s.substr(start));
}

class WindowsRegistry : public Registry {
 public:
  explicit WindowsRegistry(HKEY root = HKEY_CURRENT_USER) : root_(root) {}
  bool KeyExists(const std::string& path) override {
    HKeyHolder k;
    return Open(path, KEY_READ, k);
  }
  bool CreateKey(const std::string& path) override {
    HKeyHolder k;
    return RegCreateKeyExW(root_, W(path).c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                           k.out(), nullptr) == ERROR_SUCCESS;
  }
  bool DeleteKey(const std::string& path) override {
    std::wstring w = W(path);
    if (RegDeleteTreeW(root_, w.c_str()) != ERROR_SUCCESS) return false;
    return RegDeleteKeyW(root_, w.c_str()) == ERROR_SUCCESS;
  }
  RegType TypeOf(const std::string& path, const std::string& name) override {
    HKeyHolder k;
    if (!Open(path, KEY_READ, k)) return RegType::None;
    DWORD type = 0;
    if (RegQueryValueExW(k.get(), W(name).c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
      return RegType::None;
    switch (type) {
      case REG_SZ:
      case REG_EXPAND_SZ:
        return RegType::String;
      case REG_DWORD:
        return RegType::Dword;
      case REG_BINARY:
        return RegType::Binary;
      default:
        return RegType::Other;
    }
  }
  bool GetString(const std::string& path, const std::string& name, std::string& out) override {
    std::string raw;
    DWORD type;
    if (!Query(path, name, type, raw) || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    std::wstring w(raw.size() / sizeof(wchar_t), L'\0');
    if (!w.empty()) memcpy(w.data(), raw.data(), w.size() * sizeof(wchar_t));
    size_t nul = w.find(L'\0');
    if (nul != std::wstring::npos) w.resize(nul);
    out = WideToUtf8(w);
    return true;
  }
  bool GetDword(const std::string& path, const std::string& name, uint32_t& out) override {
    std::string raw;
    DWORD type;
    if (!Query(path, name, type, raw) || type != REG_DWORD || raw.size() != 4) return false;
    memcpy(&out, raw.data(), 4);
    return true;
  }
  bool GetBinary(const std::string& path, const std::string& name, std::string& out) override {
    DWORD type;
    return Query(path, name, type, out) && type == REG_BINARY;
  }
  bool SetString(const std::string& path, const std::string& name, const std::string& value) override {
    std::wstring w = Utf8ToWide(value);
    return Set(path, name, REG_SZ, w.c_str(), DWORD((w.size() + 1) * sizeof(wchar_t)));
  }
  bool SetDword(const std::string& path, const std::string& name, uint32_t value) override {
    DWORD v = value;
    return Set(path, name, REG_DWORD, &v, sizeof v);
  }
  bool SetBinary(const std::string& path, const std::string& name, const std::string& value) override {
    return Set(path, name, REG_BINARY, value.data(), DWORD(value.size()));
  }
  bool DeleteValue(const std::string& path, const std::string& name) override {
    HKeyHolder k;
    if (!Open(path, KEY_SET_VALUE, k)) return false;
    return RegDeleteValueW(k.get(), W(name).c_str()) == ERROR_SUCCESS;
  }
  std::vector<std::string> ValueNames(const std::string& path) override {
    std::vector<std::string> names;
    HKeyHolder k;
    if (!Open(path, KEY_READ, k)) return names;
    for (DWORD i = 0;; ++i) {
      wchar_t buf[16384];
      DWORD len = 16384;
      if (RegEnumValueW(k.get(), i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.push_back(WideToUtf8(std::wstring(buf, len)));
    }
    return names;
  }
  std::vector<std::string> SubkeyNames(const std::string& path) override {
    std::vector<std::string> names;
    HKeyHolder k;
    if (!Open(path, KEY_READ, k)) return names;
    for (DWORD i = 0;; ++i) {
      wchar_t buf[256];
      DWORD len = 256;
      if (RegEnumKeyExW(k.get(), i, buf, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      names.push_back(WideToUtf8(std::wstring(buf, len)));
    }
    return names;
  }

 private:
  bool Open(const std::string& path, REGSAM access, HKeyHolder& k) {
    return RegOpenKeyExW(root_, W(path).c_str(), 0, access, k.out()) == ERROR_SUCCESS;
  }
  // Reads a value's raw bytes, bounded by the size the registry reports.
  bool Query(const std::string& path, const std::string& name, DWORD& type, std::string& out) {
    HKeyHolder k;
    if (!Open(path, KEY_READ, k)) return false;
    std::wstring wname = W(name);
    for (int attempt = 0; attempt < 4; ++attempt) {
      DWORD size = 0;
      if (RegQueryValueExW(k.get(), wname.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) return false;
      std::string buf(size, '\0');
      DWORD got = size;
      LONG rc = RegQueryValueExW(k.get(), wname.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(buf.data()), &got);
      if (rc == ERROR_MORE_DATA) continue;  // changed between the two calls
      if (rc != ERROR_SUCCESS) return false;
      buf.resize(got <= size ? got : size);
      out = std::move(buf);
      return true;
    }
    return false;
  }
  bool Set(const std::string& path, const std::string& name, DWORD type, const void* data, DWORD size) {
    HKeyHolder k;
    if (RegCreateKeyExW(root_, W(path).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, k.out(),
                        nullptr) != ERROR_SUCCESS)
      return false;
    return RegSetValueExW(k.get(), W(name).c_str(), 0, type, static_cast<const BYTE*>(data), size) ==
           ERROR_SUCCESS;
  }

  HKEY root_;
};

}  // namespace

std::shared_ptr<Registry> MakeSystemRegistry() { return std::make_shared<WindowsRegistry>(); }

Registry& MachineRegistry() {
  static WindowsRegistry machine(HKEY_LOCAL_MACHINE);
  return machine;
}

}  // namespace wx
