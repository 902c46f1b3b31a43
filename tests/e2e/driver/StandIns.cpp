// Stand-ins for other programs that make the resident program's life hard:
// one that keeps the clipboard open, one that stops answering messages, and
// a clipboard viewer that reports what reaches it through the viewer chain;
// a program's hidden windows and its working set.
#include "Driver.h"

#include <psapi.h>
#include <tlhelp32.h>

namespace wxd {
namespace {

// Runs the message loop for ms milliseconds.
void pumpFor(DWORD ms) {
    DWORD start = GetTickCount();
    MSG m;
    while (GetTickCount() - start < ms) {
        while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&m);
            DispatchMessageW(&m);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

CommandRegistrar holdCmd(L"clipboard-hold-host", L"MS  (opens the clipboard, prints ready, keeps it open MS ms)", 1,
                         [](const Args& a) {
                             DWORD ms = static_cast<DWORD>(parseNumber(a[0], L"milliseconds"));
                             if (!waitUntil(3000, [] { return OpenClipboard(nullptr) != 0; }))
                                 fail(L"the clipboard is locked by another program");
                             out(L"ready");
                             Sleep(ms);
                             CloseClipboard();
                             out(L"released");
                         });

// A window with an edit control that takes the focus, then stops processing
// messages (as a hung program does) for SECONDS.
CommandRegistrar hungCmd(L"hung-host", L"TITLE SECONDS  (a window that stops answering after printing ready)", 2,
                         [](const Args& a) {
                             DWORD seconds = static_cast<DWORD>(parseNumber(a[1], L"seconds"));
                             HWND top = CreateWindowExW(0, L"STATIC", a[0].c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                                        300, 200, 300, 150, nullptr, nullptr, nullptr, nullptr);
                             HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 10, 10,
                                                         260, 24, top, nullptr, nullptr, nullptr);
                             if (!top || !edit) fail(L"cannot create the window");
                             pumpFor(300);
                             bringToFront(top, edit);
                             pumpFor(300);
                             out(L"ready");
                             Sleep(seconds * 1000);
                             pumpFor(500);
                             DestroyWindow(top);
                             out(L"awake");
                         });

HWND gNextViewer = nullptr;

LRESULT CALLBACK viewerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_DRAWCLIPBOARD:
            out(L"changed");
            if (gNextViewer) SendMessageW(gNextViewer, msg, wp, lp);
            return 0;
        case WM_CHANGECBCHAIN:
            if (reinterpret_cast<HWND>(wp) == gNextViewer)
                gNextViewer = reinterpret_cast<HWND>(lp);
            else if (gNextViewer)
                SendMessageW(gNextViewer, msg, wp, lp);
            return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Joins the clipboard viewer chain and prints "changed" for every
// notification that reaches it (the first one comes on joining).
CommandRegistrar viewerCmd(L"clipboard-viewer-host", L"SECONDS  (a clipboard viewer that prints each change it is told of)", 1,
                           [](const Args& a) {
                               DWORD seconds = static_cast<DWORD>(parseNumber(a[0], L"seconds"));
                               WNDCLASSW wc{};
                               wc.lpfnWndProc = viewerProc;
                               wc.hInstance = GetModuleHandleW(nullptr);
                               wc.lpszClassName = L"wxdriverViewerHost";
                               RegisterClassW(&wc);
                               HWND hwnd = CreateWindowW(wc.lpszClassName, L"wxdriver viewer host", 0, 0, 0, 0, 0,
                                                         nullptr, nullptr, wc.hInstance, nullptr);
                               gNextViewer = SetClipboardViewer(hwnd);
                               out(L"ready");
                               pumpFor(seconds * 1000);
                               ChangeClipboardChain(hwnd, gNextViewer);
                               DestroyWindow(hwnd);
                           });

// A top-level window by class, shown or hidden (a program's hidden
// controller window, to post it messages).
CommandRegistrar classWindowCmd(L"window-of-class", L"CLASS  (prints the handle of a top-level window of CLASS, hidden or not)", 1,
                                [](const Args& a) {
                                    HWND h = FindWindowW(a[0].c_str(), nullptr);
                                    if (!h) fail(L"no window of class " + a[0]);
                                    out(hex(h));
                                });

// The working set of a running program, read with GetProcessMemoryInfo.
CommandRegistrar workingSetCmd(L"working-set", L"EXE_NAME  (prints the working set and its peak in KB)", 1, [](const Args& a) {
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) fail(L"cannot list processes");
    DWORD pid = 0;
    PROCESSENTRY32W pe{};
    pe.dwSize = sizeof pe;
    for (BOOL ok = Process32FirstW(snap, &pe); ok && !pid; ok = Process32NextW(snap, &pe))
        if (iequals(pe.szExeFile, a[0])) pid = pe.th32ProcessID;
    CloseHandle(snap);
    if (!pid) fail(L"no process " + a[0]);
    HANDLE p = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!p) fail(L"cannot open process " + a[0]);
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    BOOL ok = GetProcessMemoryInfo(p, &pmc, sizeof pmc);
    CloseHandle(p);
    if (!ok) fail(L"GetProcessMemoryInfo failed");
    out(L"working-set-kb=" + std::to_wstring(pmc.WorkingSetSize / 1024) +
        L" peak-kb=" + std::to_wstring(pmc.PeakWorkingSetSize / 1024));
});

}  // namespace
}  // namespace wxd
