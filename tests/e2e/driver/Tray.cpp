// The notification area under Wine: a stand-in tray program for testing the
// harness's clicks, and a report of Wine's tray window.
#include "Driver.h"

#include <commctrl.h>
#include <shellapi.h>

namespace wxd {
namespace {

constexpr UINT kTrayCallback = WM_APP + 1;
int gEventsLeft = 0;

LRESULT CALLBACK trayHostProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kTrayCallback) {
        const wchar_t* name = nullptr;
        switch (LOWORD(lp)) {
            case WM_LBUTTONDOWN: name = L"ldown"; break;
            case WM_LBUTTONUP: name = L"lup"; break;
            case WM_LBUTTONDBLCLK: name = L"ldblclk"; break;
            case WM_RBUTTONDOWN: name = L"rdown"; break;
            case WM_RBUTTONUP: name = L"rup"; break;
            case WM_CONTEXTMENU: name = L"contextmenu"; break;
            default: break;
        }
        if (name) {
            out(name);
            if (--gEventsLeft == 0) PostQuitMessage(0);
        }
        return 0;
    }
    if (msg == WM_TIMER) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Adds a tray icon with the tip TIP and prints the mouse messages its callback
// receives ("ldown", "lup", "ldblclk", "rdown", "rup"), one per line, until
// COUNT of them have arrived or SECONDS have passed.
CommandRegistrar trayHostCmd(L"tray-host", L"TIP [SECONDS] [COUNT]  (a test tray icon that prints its mouse messages)", 1,
                             [](const Args& a) {
                                 int seconds = a.size() > 1 ? static_cast<int>(parseNumber(a[1], L"seconds")) : 30;
                                 gEventsLeft = a.size() > 2 ? static_cast<int>(parseNumber(a[2], L"count")) : -1;
                                 WNDCLASSW wc{};
                                 wc.lpfnWndProc = trayHostProc;
                                 wc.hInstance = GetModuleHandleW(nullptr);
                                 wc.lpszClassName = L"wxdriverTrayHost";
                                 RegisterClassW(&wc);
                                 HWND hwnd = CreateWindowW(wc.lpszClassName, L"wxdriver tray host", 0, 0, 0, 0, 0, nullptr,
                                                           nullptr, wc.hInstance, nullptr);
                                 NOTIFYICONDATAW nid{};
                                 nid.cbSize = sizeof nid;
                                 nid.hWnd = hwnd;
                                 nid.uID = 1;
                                 nid.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
                                 nid.uCallbackMessage = kTrayCallback;
                                 nid.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
                                 wcsncpy(nid.szTip, a[0].c_str(), 127);
                                 if (!Shell_NotifyIconW(NIM_ADD, &nid)) fail(L"Shell_NotifyIcon(NIM_ADD) failed");
                                 out(L"ready");
                                 SetTimer(hwnd, 1, static_cast<UINT>(seconds) * 1000, nullptr);
                                 MSG m;
                                 while (GetMessageW(&m, nullptr, 0, 0) > 0) {
                                     TranslateMessage(&m);
                                     DispatchMessageW(&m);
                                 }
                                 Shell_NotifyIconW(NIM_DELETE, &nid);
                                 DestroyWindow(hwnd);
                                 if (gEventsLeft > 0) fail(L"timed out");
                             });

CommandRegistrar trayIconsCmd(L"tray-window", L"  (Wine's tray window: handle, class, visible, rect, title)", 0,
                              [](const Args&) {
                                  bool any = false;
                                  EnumWindows(
                                      [](HWND h, LPARAM lp) -> BOOL {
                                          std::wstring cls = className(h);
                                          if (cls != L"Shell_TrayWnd") return TRUE;
                                          RECT r{};
                                          GetWindowRect(h, &r);
                                          wchar_t title[256] = {};
                                          GetWindowTextW(h, title, 256);
                                          out(hex(h) + L"\t" + cls + L"\tvisible=" + (IsWindowVisible(h) ? L"1" : L"0") +
                                              L"\trect=" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
                                              std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom) + L"\ttitle=" + title);
                                          *reinterpret_cast<bool*>(lp) = true;
                                          return TRUE;
                                      },
                                      reinterpret_cast<LPARAM>(&any));
                                  if (!any) fail(L"no tray window");
                              });

// Wine draws each tray icon as a window of class "__winex11_tray_icon" (inside
// its "Wine System Tray" window when no desktop tray exists, as on Xvfb); the
// tip is a tool of a tooltip window that belongs to the icon window.
std::vector<HWND> trayIconWindows() {
    std::vector<HWND> icons;
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* icons = reinterpret_cast<std::vector<HWND>*>(lp);
            if (className(h) == L"__winex11_tray_icon") icons->push_back(h);
            for (HWND c : descendants(h))
                if (className(c) == L"__winex11_tray_icon") icons->push_back(c);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&icons));
    return icons;
}

std::wstring tipOf(HWND icon) {
    std::vector<HWND> tips;
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            if (className(h) == TOOLTIPS_CLASSW) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    constexpr size_t kChars = 1024;
    for (HWND tip : tips) {
        DWORD tipPid = 0, iconPid = 0;
        GetWindowThreadProcessId(tip, &tipPid);
        GetWindowThreadProcessId(icon, &iconPid);
        if (tipPid != iconPid) continue;
        auto count = static_cast<int>(sendTimeout(tip, TTM_GETTOOLCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            RemoteBuffer buf(tip, sizeof(TTTOOLINFOW) + kChars * sizeof(wchar_t));
            TTTOOLINFOW ti{};
            ti.cbSize = sizeof ti;
            ti.lpszText = reinterpret_cast<LPWSTR>(buf.address(sizeof ti));
            buf.write(&ti, sizeof ti);
            std::wstring zero(kChars, L'\0');
            buf.write(zero.data(), kChars * sizeof(wchar_t), sizeof ti);
            if (!sendTimeout(tip, TTM_ENUMTOOLSW, static_cast<WPARAM>(i), buf.address())) continue;
            buf.read(&ti, sizeof ti);
            if (ti.hwnd != icon) continue;
            std::wstring text(kChars, L'\0');
            buf.read(text.data(), kChars * sizeof(wchar_t), sizeof ti);
            text.resize(wcsnlen(text.c_str(), kChars - 1));
            return text;
        }
    }
    return {};
}

CommandRegistrar trayIconsListCmd(
    L"tray-icons", L"  (one line per tray icon: handle, screen rect, centre x y, tip; fails when there is none)", 0,
    [](const Args&) {
        std::vector<HWND> icons = trayIconWindows();
        if (icons.empty()) fail(L"no tray icons");
        for (HWND h : icons) {
            RECT r{};
            GetWindowRect(h, &r);
            out(hex(h) + L"\trect=" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
                std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom) + L"\tcenter=" +
                std::to_wstring((r.left + r.right) / 2) + L" " + std::to_wstring((r.top + r.bottom) / 2) + L"\ttip=" +
                escape(tipOf(h)));
        }
    });

}  // namespace
}  // namespace wxd
