// Finding top-level windows and controls of other processes, and reading
// their texts with messages (GetWindowText does not ask other processes).
#include "Driver.h"

namespace wxd {

std::wstring className(HWND hwnd) {
    wchar_t buf[256] = {};
    GetClassNameW(hwnd, buf, 256);
    return buf;
}

LRESULT sendTimeout(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, int timeoutMs) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, static_cast<UINT>(timeoutMs), &result))
        fail(L"window " + hex(hwnd) + L" did not answer message " + std::to_wstring(msg));
    return static_cast<LRESULT>(result);
}

std::wstring windowText(HWND hwnd) {
    LRESULT length = sendTimeout(hwnd, WM_GETTEXTLENGTH, 0, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT got = sendTimeout(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

namespace {
struct TopSearch {
    std::wstring title, cls;
    bool substring, visibleOnly;
    HWND visible = nullptr, hidden = nullptr;
};

BOOL CALLBACK topProc(HWND hwnd, LPARAM lp) {
    auto* s = reinterpret_cast<TopSearch*>(lp);
    wchar_t buf[1024] = {};
    GetWindowTextW(hwnd, buf, 1024);  // a top-level caption is known without asking its owner
    std::wstring title = buf;
    bool match = s->substring ? title.find(s->title) != std::wstring::npos : title == s->title;
    if (match && !s->cls.empty()) match = className(hwnd) == s->cls;
    if (!match) return TRUE;
    if (IsWindowVisible(hwnd)) {
        s->visible = hwnd;
        return FALSE;
    }
    if (!s->hidden) s->hidden = hwnd;
    return TRUE;
}
}  // namespace

HWND findTopLevel(const std::wstring& title, bool substring, const std::wstring& cls, bool visibleOnly) {
    TopSearch s{title, cls, substring, visibleOnly};
    EnumWindows(topProc, reinterpret_cast<LPARAM>(&s));
    if (s.visible) return s.visible;
    return visibleOnly ? nullptr : s.hidden;
}

static HWND parseHandle(const std::wstring& ref) {
    if (ref.size() < 3 || ref[0] != L'0' || (ref[1] != L'x' && ref[1] != L'X')) return nullptr;
    wchar_t* end = nullptr;
    unsigned long long v = wcstoull(ref.c_str() + 2, &end, 16);
    if (!end || *end) return nullptr;
    return reinterpret_cast<HWND>(static_cast<uintptr_t>(v));
}

HWND resolveWindow(const std::wstring& ref, int timeoutMs) {
    if (HWND h = parseHandle(ref)) {
        if (!IsWindow(h)) fail(L"no window " + ref);
        return h;
    }
    bool substring = !ref.empty() && ref[0] == L'~';
    std::wstring title = substring ? ref.substr(1) : ref;
    HWND found = nullptr;
    waitUntil(timeoutMs, [&] { return (found = findTopLevel(title, substring, L"", true)) != nullptr; });
    if (!found) found = findTopLevel(title, substring, L"", false);
    if (!found) fail(L"no window titled '" + ref + L"' after " + std::to_wstring(timeoutMs) + L" ms");
    return found;
}

static BOOL CALLBACK collectProc(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> descendants(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, collectProc, reinterpret_cast<LPARAM>(&all));
    return all;
}

HWND resolveChild(HWND parent, const std::wstring& which) {
    if (HWND h = parseHandle(which)) {
        if (!IsWindow(h)) fail(L"no window " + which);
        return h;
    }
    std::vector<HWND> all = descendants(parent);
    if (!which.empty() && which[0] == L'#') {
        auto id = static_cast<LONG_PTR>(parseNumber(which.substr(1), L"control id"));
        for (HWND h : all)
            if (GetWindowLongPtrW(h, GWLP_ID) == id) return h;
        fail(L"no control with id " + which.substr(1) + L" in " + hex(parent));
    }
    std::wstring cls = which;
    size_t nth = 1;
    if (size_t colon = which.rfind(L':'); colon != std::wstring::npos && colon > 0) {
        cls = which.substr(0, colon);
        nth = static_cast<size_t>(parseNumber(which.substr(colon + 1), L"control index"));
    }
    for (HWND h : all)
        if (iequals(className(h), cls) && --nth == 0) return h;
    fail(L"no control '" + which + L"' in " + hex(parent));
}

HWND resolveTarget(const Args& args, size_t at) {
    HWND top = resolveWindow(args.at(at));
    return at + 1 < args.size() ? resolveChild(top, args[at + 1]) : top;
}

RemoteBuffer::RemoteBuffer(HWND owner, size_t size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process_) fail(L"cannot open the process of " + hex(owner));
    remote_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote_) {
        CloseHandle(process_);
        fail(L"cannot allocate memory in the process of " + hex(owner));
    }
}

RemoteBuffer::~RemoteBuffer() {
    VirtualFreeEx(process_, remote_, 0, MEM_RELEASE);
    CloseHandle(process_);
}

void RemoteBuffer::write(const void* data, size_t size, size_t offset) {
    SIZE_T done = 0;
    if (!WriteProcessMemory(process_, static_cast<char*>(remote_) + offset, data, size, &done) || done != size)
        fail(L"cannot write into another process");
}

void RemoteBuffer::read(void* data, size_t size, size_t offset) const {
    SIZE_T done = 0;
    if (!ReadProcessMemory(process_, static_cast<char*>(remote_) + offset, data, size, &done) || done != size)
        fail(L"cannot read from another process");
}

}  // namespace wxd
