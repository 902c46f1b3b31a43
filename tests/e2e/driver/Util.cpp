// Argument parsing, text formatting and polling helpers of the driver.
#include "Driver.h"

#include <cwctype>

namespace wxd {

unsigned long long parseNumber(const std::wstring& text, const wchar_t* what) {
    if (text.empty()) fail(std::wstring(L"empty ") + what);
    wchar_t* end = nullptr;
    unsigned long long value = wcstoull(text.c_str(), &end, 0);
    if (!end || *end != L'\0') fail(std::wstring(L"not a number for ") + what + L": '" + text + L"'");
    return value;
}

int optTimeout(const Args& args, size_t index, int defaultMs) {
    if (index >= args.size()) return defaultMs;
    return static_cast<int>(parseNumber(args[index], L"timeout (ms)"));
}

std::wstring hex(HWND hwnd) {
    wchar_t buf[32];
    swprintf(buf, 32, L"0x%llx", static_cast<unsigned long long>(reinterpret_cast<uintptr_t>(hwnd)));
    return buf;
}

std::wstring escape(const std::wstring& text) {
    std::wstring r;
    for (wchar_t c : text) {
        switch (c) {
            case L'\\': r += L"\\\\"; break;
            case L'\r': r += L"\\r"; break;
            case L'\n': r += L"\\n"; break;
            case L'\t': r += L"\\t"; break;
            default: r += c;
        }
    }
    return r;
}

std::wstring stripAmpersands(const std::wstring& text) {
    std::wstring r;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&') {
            if (i + 1 < text.size() && text[i + 1] == L'&') r += L'&', ++i;
            continue;
        }
        r += text[i];
    }
    return r;
}

bool iequals(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    return true;
}

bool waitUntil(int timeoutMs, const std::function<bool()>& done) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return false;
        Sleep(50);
    }
}

}  // namespace wxd
