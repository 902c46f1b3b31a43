// Registry commands, printing values the way `reg query` does ("TYPE DATA")
// but in full Unicode, and without starting a Wine process per value.
#include "Driver.h"

namespace wxd {
namespace {

struct Root {
    const wchar_t* shortName;
    const wchar_t* longName;
    HKEY key;
};
const Root kRoots[] = {
    {L"HKCU", L"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {L"HKLM", L"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {L"HKCR", L"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {L"HKU", L"HKEY_USERS", HKEY_USERS},
};

// Splits "HKCU\Software\X" into a root key and a subkey path.
HKEY splitKey(const std::wstring& path, std::wstring* sub) {
    size_t slash = path.find(L'\\');
    std::wstring root = path.substr(0, slash);
    *sub = slash == std::wstring::npos ? L"" : path.substr(slash + 1);
    for (const Root& r : kRoots)
        if (iequals(root, r.shortName) || iequals(root, r.longName)) return r.key;
    fail(L"unknown registry root in '" + path + L"'");
}

class Key {
public:
    Key(const std::wstring& path, bool create) {
        std::wstring sub;
        HKEY root = splitKey(path, &sub);
        LSTATUS rc = create ? RegCreateKeyExW(root, sub.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr)
                            : RegOpenKeyExW(root, sub.c_str(), 0, KEY_READ | KEY_SET_VALUE, &key_);
        if (rc != ERROR_SUCCESS) {
            key_ = nullptr;
            fail(L"cannot open key " + path);
        }
    }
    ~Key() {
        if (key_) RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

const wchar_t* typeName(DWORD type) {
    switch (type) {
        case REG_SZ: return L"REG_SZ";
        case REG_EXPAND_SZ: return L"REG_EXPAND_SZ";
        case REG_MULTI_SZ: return L"REG_MULTI_SZ";
        case REG_DWORD: return L"REG_DWORD";
        case REG_QWORD: return L"REG_QWORD";
        case REG_BINARY: return L"REG_BINARY";
        case REG_NONE: return L"REG_NONE";
        default: return L"REG_UNKNOWN";
    }
}

// "TYPE DATA" as `reg query` shows it: numbers in hex with 0x, binary data as
// upper-case hex digits, multi-strings joined by "\0".
std::wstring format(DWORD type, const std::vector<BYTE>& data) {
    std::wstring text = std::wstring(typeName(type)) + L" ";
    wchar_t buf[32];
    switch (type) {
        case REG_SZ:
        case REG_EXPAND_SZ:
        case REG_MULTI_SZ: {
            std::wstring s(reinterpret_cast<const wchar_t*>(data.data()), data.size() / sizeof(wchar_t));
            while (!s.empty() && s.back() == L'\0') s.pop_back();
            for (wchar_t c : s) text += c ? std::wstring(1, c) : std::wstring(L"\\0");
            return text;
        }
        case REG_DWORD:
            if (data.size() == 4) {
                DWORD v;
                memcpy(&v, data.data(), 4);
                swprintf(buf, 32, L"0x%lx", static_cast<unsigned long>(v));
                return text + buf;
            }
            break;
        case REG_QWORD:
            if (data.size() == 8) {
                unsigned long long v;
                memcpy(&v, data.data(), 8);
                swprintf(buf, 32, L"0x%llx", v);
                return text + buf;
            }
            break;
        default: break;
    }
    for (BYTE b : data) {
        swprintf(buf, 32, L"%02X", b);
        text += buf;
    }
    return text;
}

CommandRegistrar queryCmd(L"reg-query", L"KEY VALUE  (prints TYPE DATA, e.g. REG_DWORD 0x11; fails when missing)", 2,
                          [](const Args& a) {
                              Key key(a[0], false);
                              DWORD type = 0, size = 0;
                              if (RegQueryValueExW(key.get(), a[1].c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
                                  fail(L"no value " + a[1] + L" in " + a[0]);
                              std::vector<BYTE> data(size);
                              if (RegQueryValueExW(key.get(), a[1].c_str(), nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
                                  fail(L"cannot read " + a[1] + L" in " + a[0]);
                              data.resize(size);
                              out(format(type, data));
                          });

CommandRegistrar listCmd(L"reg-list", L"KEY  (one line per value: NAME<tab>TYPE DATA; then 'key: SUBKEY' lines)", 1,
                         [](const Args& a) {
                             Key key(a[0], false);
                             for (DWORD i = 0;; ++i) {
                                 wchar_t name[16384];
                                 DWORD nameLen = 16384, type = 0, size = 0;
                                 if (RegEnumValueW(key.get(), i, name, &nameLen, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
                                     break;
                                 std::vector<BYTE> data(size);
                                 nameLen = 16384;
                                 if (RegEnumValueW(key.get(), i, name, &nameLen, nullptr, &type, data.data(), &size) != ERROR_SUCCESS)
                                     break;
                                 data.resize(size);
                                 out(std::wstring(name) + L"\t" + format(type, data));
                             }
                             for (DWORD i = 0;; ++i) {
                                 wchar_t name[256];
                                 DWORD nameLen = 256;
                                 if (RegEnumKeyExW(key.get(), i, name, &nameLen, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
                                     break;
                                 out(std::wstring(L"key: ") + name);
                             }
                         });

CommandRegistrar addCmd(L"reg-add", L"KEY VALUE TYPE DATA  (REG_SZ, REG_EXPAND_SZ, REG_DWORD, REG_QWORD, REG_BINARY as hex)", 4,
                        [](const Args& a) {
                            Key key(a[0], true);
                            const std::wstring& type = a[2];
                            std::vector<BYTE> data;
                            DWORD t = REG_SZ;
                            if (type == L"REG_SZ" || type == L"REG_EXPAND_SZ") {
                                t = type == L"REG_SZ" ? REG_SZ : REG_EXPAND_SZ;
                                const auto* p = reinterpret_cast<const BYTE*>(a[3].c_str());
                                data.assign(p, p + (a[3].size() + 1) * sizeof(wchar_t));
                            } else if (type == L"REG_DWORD") {
                                t = REG_DWORD;
                                auto v = static_cast<DWORD>(parseNumber(a[3], L"REG_DWORD"));
                                data.resize(4);
                                memcpy(data.data(), &v, 4);
                            } else if (type == L"REG_QWORD") {
                                t = REG_QWORD;
                                unsigned long long v = parseNumber(a[3], L"REG_QWORD");
                                data.resize(8);
                                memcpy(data.data(), &v, 8);
                            } else if (type == L"REG_BINARY") {
                                t = REG_BINARY;
                                if (a[3].size() % 2) fail(L"REG_BINARY data needs an even number of hex digits");
                                for (size_t i = 0; i < a[3].size(); i += 2)
                                    data.push_back(static_cast<BYTE>(parseNumber(L"0x" + a[3].substr(i, 2), L"hex byte")));
                            } else {
                                fail(L"unsupported type " + type);
                            }
                            if (RegSetValueExW(key.get(), a[1].c_str(), 0, t, data.data(), static_cast<DWORD>(data.size())) !=
                                ERROR_SUCCESS)
                                fail(L"cannot write " + a[1] + L" in " + a[0]);
                        });

CommandRegistrar deleteCmd(L"reg-delete", L"KEY [VALUE]  (a value, or the key with all it holds)", 1, [](const Args& a) {
    if (a.size() > 1) {
        Key key(a[0], false);
        if (RegDeleteValueW(key.get(), a[1].c_str()) != ERROR_SUCCESS) fail(L"no value " + a[1] + L" in " + a[0]);
        return;
    }
    std::wstring sub;
    HKEY root = splitKey(a[0], &sub);
    if (sub.empty()) fail(L"refusing to delete a registry root");
    if (RegDeleteTreeW(root, sub.c_str()) != ERROR_SUCCESS) fail(L"cannot delete " + a[0]);
});

}  // namespace
}  // namespace wxd
