// Window commands: waiting for windows, focus, reading and setting control
// texts and selections, listing a window's controls, closing windows.
#include "Driver.h"

namespace wxd {
namespace {

void waitWindow(const Args& a, bool substring) {
    std::wstring cls = a.size() > 1 ? a[1] : L"";
    int timeout = optTimeout(a, 2, 10000);
    HWND found = nullptr;
    if (!waitUntil(timeout, [&] { return (found = findTopLevel(a[0], substring, cls, true)) != nullptr; }))
        fail(L"no visible window " + std::wstring(substring ? L"containing '" : L"titled '") + a[0] + L"'" +
             (cls.empty() ? L"" : L" of class " + cls) + L" after " + std::to_wstring(timeout) + L" ms");
    out(hex(found));
}

CommandRegistrar waitWindowCmd(L"wait-window", L"TITLE [CLASS] [TIMEOUT_MS]  (prints the handle)", 1,
                               [](const Args& a) { waitWindow(a, false); });
CommandRegistrar waitWindowContainingCmd(L"wait-window-containing", L"TITLE_PART [CLASS] [TIMEOUT_MS]", 1,
                                         [](const Args& a) { waitWindow(a, true); });

CommandRegistrar waitGoneCmd(L"wait-gone", L"WINDOW [TIMEOUT_MS]  (waits until the window is closed or hidden; a title that is not shown counts as gone)",
                             1, [](const Args& a) {
                                 int timeout = optTimeout(a, 1, 10000);
                                 const std::wstring& ref = a[0];
                                 bool byHandle = ref.size() > 2 && ref[0] == L'0' && (ref[1] == L'x' || ref[1] == L'X');
                                 HWND h = byHandle ? resolveWindow(ref, 0) : nullptr;
                                 bool sub = !byHandle && !ref.empty() && ref[0] == L'~';
                                 std::wstring title = sub ? ref.substr(1) : ref;
                                 if (!waitUntil(timeout, [&] {
                                         if (byHandle) return !IsWindow(h) || !IsWindowVisible(h);
                                         return findTopLevel(title, sub, L"", true) == nullptr;
                                     }))
                                     fail(L"window '" + ref + L"' still shown");
                             });

}  // namespace

// Windows only lets the foreground thread change the foreground, so the
// driver joins the input state of the current foreground thread and of the
// target first.
void bringToFront(HWND top, HWND focus) {
    DWORD me = GetCurrentThreadId();
    HWND fg = GetForegroundWindow();
    DWORD fgThread = fg ? GetWindowThreadProcessId(fg, nullptr) : 0;
    DWORD target = GetWindowThreadProcessId(top, nullptr);
    bool attachedFg = fgThread && fgThread != me && AttachThreadInput(me, fgThread, TRUE);
    bool attachedTarget = target != me && target != fgThread && AttachThreadInput(me, target, TRUE);
    if (IsIconic(top)) ShowWindow(top, SW_RESTORE);
    BringWindowToTop(top);
    SetForegroundWindow(top);
    SetActiveWindow(top);
    if (focus) SetFocus(focus);
    if (attachedTarget) AttachThreadInput(me, target, FALSE);
    if (attachedFg) AttachThreadInput(me, fgThread, FALSE);
}

void mouseClick(HWND hwnd, POINT client, Click kind) {
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (GetForegroundWindow() != top) {
        bringToFront(top, nullptr);
        waitUntil(1000, [&] { return GetForegroundWindow() == top; });
    }
    POINT p = client;
    ClientToScreen(hwnd, &p);
    SetCursorPos(p.x, p.y);
    Sleep(50);
    DWORD down = kind == Click::Right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    DWORD up = kind == Click::Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    for (int i = 0; i < (kind == Click::Double ? 2 : 1); ++i) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_MOUSE;
        in[0].mi.dwFlags = down;
        in[1].mi.dwFlags = up;
        if (SendInput(2, in, sizeof(INPUT)) != 2) fail(L"SendInput refused the mouse events");
        Sleep(40);
    }
}

namespace {

CommandRegistrar focusCmd(L"focus", L"WINDOW [CHILD]  (foreground window, and keyboard focus on CHILD)", 1,
                          [](const Args& a) {
                              HWND top = resolveWindow(a[0]);
                              HWND child = a.size() > 1 ? resolveChild(top, a[1]) : nullptr;
                              bool ok = false;
                              for (int attempt = 0; attempt < 5 && !ok; ++attempt) {
                                  bringToFront(top, child);
                                  ok = waitUntil(400, [&] { return GetForegroundWindow() == top; });
                              }
                              if (!ok) fail(L"could not bring " + hex(top) + L" to the foreground");
                              out(hex(top));
                          });

CommandRegistrar getFocusCmd(L"get-focus", L"  (prints the foreground window, its title, the focused control and its class)", 0,
                             [](const Args&) {
                                 HWND fg = GetForegroundWindow();
                                 HWND focus = nullptr;
                                 if (fg) {
                                     DWORD me = GetCurrentThreadId();
                                     DWORD t = GetWindowThreadProcessId(fg, nullptr);
                                     if (t == me || AttachThreadInput(me, t, TRUE)) {
                                         focus = GetFocus();
                                         if (t != me) AttachThreadInput(me, t, FALSE);
                                     }
                                 }
                                 out(L"foreground\t" + hex(fg) + L"\t" + (fg ? escape(windowText(fg)) : L""));
                                 out(L"focus\t" + hex(focus) + L"\t" + (focus ? className(focus) : L""));
                             });

CommandRegistrar getTextCmd(L"get-text", L"WINDOW [CHILD]  (WM_GETTEXT)", 1,
                            [](const Args& a) { out(windowText(resolveTarget(a, 0))); });

CommandRegistrar setTextCmd(L"set-text", L"WINDOW CHILD TEXT  (WM_SETTEXT)", 3, [](const Args& a) {
    HWND h = resolveChild(resolveWindow(a[0]), a[1]);
    if (!sendTimeout(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(a[2].c_str()))) fail(L"WM_SETTEXT refused");
});

void waitText(const Args& a, bool contains) {
    HWND h = resolveChild(resolveWindow(a[0]), a[1]);
    int timeout = optTimeout(a, 3, 5000);
    std::wstring text;
    if (!waitUntil(timeout, [&] {
            text = windowText(h);
            return contains ? text.find(a[2]) != std::wstring::npos : text == a[2];
        }))
        fail(L"text of " + hex(h) + L" is '" + escape(text) + L"', expected " + (contains ? L"it to contain '" : L"'") +
             escape(a[2]) + L"'");
    out(text);
}

CommandRegistrar waitTextCmd(L"wait-text", L"WINDOW CHILD TEXT [TIMEOUT_MS]  (waits until the text equals TEXT)", 3,
                             [](const Args& a) { waitText(a, false); });
CommandRegistrar waitTextContainsCmd(L"wait-text-contains", L"WINDOW CHILD PART [TIMEOUT_MS]", 3,
                                     [](const Args& a) { waitText(a, true); });

CommandRegistrar selectCmd(L"select", L"WINDOW CHILD START END  (EM_SETSEL; END -1 = to the end)", 4, [](const Args& a) {
    HWND h = resolveChild(resolveWindow(a[0]), a[1]);
    auto start = static_cast<WPARAM>(_wtoi(a[2].c_str()));
    auto end = static_cast<LPARAM>(_wtoi(a[3].c_str()));
    sendTimeout(h, EM_SETSEL, start, end);
});

CommandRegistrar getSelCmd(L"get-sel", L"WINDOW CHILD  (prints START END of the selection)", 2, [](const Args& a) {
    HWND h = resolveChild(resolveWindow(a[0]), a[1]);
    auto r = static_cast<DWORD>(sendTimeout(h, EM_GETSEL, 0, 0));
    out(std::to_wstring(LOWORD(r)) + L" " + std::to_wstring(HIWORD(r)));
});

// The standard edit messages a program can send to another program's control;
// sent (not posted) so the clipboard has changed when the command returns.
void editMessage(const Args& a, UINT msg) { sendTimeout(resolveChild(resolveWindow(a[0]), a[1]), msg, 0, 0, 5000); }

// Keys typed with SendInput wait in the target's input queue, while messages
// such as EM_GETSEL are answered at once: after `keys`, wait for the effect.
CommandRegistrar waitSelCmd(L"wait-sel", L"WINDOW CHILD START END [TIMEOUT_MS]  (waits until the selection is START END)", 4,
                            [](const Args& a) {
                                HWND h = resolveChild(resolveWindow(a[0]), a[1]);
                                std::wstring want = a[2] + L" " + a[3], got;
                                if (!waitUntil(optTimeout(a, 4, 5000), [&] {
                                        auto r = static_cast<DWORD>(sendTimeout(h, EM_GETSEL, 0, 0));
                                        got = std::to_wstring(LOWORD(r)) + L" " + std::to_wstring(HIWORD(r));
                                        return got == want;
                                    }))
                                    fail(L"selection is " + got + L", expected " + want);
                            });

CommandRegistrar waitLengthCmd(L"wait-length", L"WINDOW CHILD LENGTH [TIMEOUT_MS]  (waits until WM_GETTEXTLENGTH answers LENGTH)", 3,
                               [](const Args& a) {
                                   HWND h = resolveChild(resolveWindow(a[0]), a[1]);
                                   LRESULT got = 0;
                                   // A control busy with a long paste does not answer at once: asked again.
                                   if (!waitUntil(optTimeout(a, 3, 5000), [&] {
                                           DWORD_PTR answer = 0;
                                           if (!SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer))
                                               return false;
                                           got = LRESULT(answer);
                                           return std::to_wstring(got) == a[2];
                                       }))
                                       fail(L"length is " + std::to_wstring(got) + L", expected " + a[2]);
                               });

CommandRegistrar copyCmd(L"copy", L"WINDOW CHILD  (sends WM_COPY)", 2, [](const Args& a) { editMessage(a, WM_COPY); });
CommandRegistrar cutCmd(L"cut", L"WINDOW CHILD  (sends WM_CUT)", 2, [](const Args& a) { editMessage(a, WM_CUT); });
CommandRegistrar pasteCmd(L"paste", L"WINDOW CHILD  (sends WM_PASTE)", 2, [](const Args& a) { editMessage(a, WM_PASTE); });

CommandRegistrar closeCmd(L"close-window", L"WINDOW  (posts WM_CLOSE)", 1, [](const Args& a) {
    HWND h = resolveWindow(a[0]);
    if (!PostMessageW(h, WM_CLOSE, 0, 0)) fail(L"cannot post WM_CLOSE to " + hex(h));
});

CommandRegistrar sendCmd(L"post-message", L"WINDOW [CHILD] MSG WPARAM LPARAM  (numbers; 0x.. allowed)", 4,
                         [](const Args& a) {
                             size_t n = a.size();
                             Args ref(a.begin(), a.end() - 3);
                             HWND h = resolveTarget(ref, 0);
                             auto msg = static_cast<UINT>(parseNumber(a[n - 3], L"message"));
                             if (!PostMessageW(h, msg, static_cast<WPARAM>(parseNumber(a[n - 2], L"wparam")),
                                               static_cast<LPARAM>(parseNumber(a[n - 1], L"lparam"))))
                                 fail(L"PostMessage failed");
                         });

CommandRegistrar sendMessageCmd(
    L"send-message", L"WINDOW MSG WPARAM LPARAM TIMEOUT_MS  (numbers; prints the window's answer; fails on timeout)", 5,
    [](const Args& a) {
        HWND h = resolveTarget(Args(a.begin(), a.begin() + 1), 0);
        auto msg = static_cast<UINT>(parseNumber(a[1], L"message"));
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(h, msg, static_cast<WPARAM>(parseNumber(a[2], L"wparam")),
                                 static_cast<LPARAM>(parseNumber(a[3], L"lparam")), SMTO_NORMAL,
                                 static_cast<UINT>(parseNumber(a[4], L"timeout")), &result))
            fail(L"no answer in time");
        out(std::to_wstring(result));
    });

std::wstring describe(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    std::wstring cls = className(h);
    std::wstring line = hex(h) + L"\t" + cls + L"\tid=" + std::to_wstring(GetWindowLongPtrW(h, GWLP_ID)) +
                        L"\tvisible=" + (IsWindowVisible(h) ? L"1" : L"0") + L"\tenabled=" +
                        (IsWindowEnabled(h) ? L"1" : L"0") + L"\trect=" + std::to_wstring(r.left) + L"," +
                        std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom);
    if (iequals(cls, L"Button")) {
        LONG style = GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK;
        if (style == BS_CHECKBOX || style == BS_AUTOCHECKBOX || style == BS_3STATE || style == BS_AUTO3STATE ||
            style == BS_RADIOBUTTON || style == BS_AUTORADIOBUTTON)
            line += L"\tcheck=" + std::to_wstring(sendTimeout(h, BM_GETCHECK, 0, 0));
    }
    return line + L"\ttext=" + escape(windowText(h));
}

CommandRegistrar listChildrenCmd(
    L"list-children",
    L"WINDOW  (one line per control: handle, class, id, visible, enabled, rect, [check], text; items of lists indented)",
    1, [](const Args& a) {
        HWND top = resolveWindow(a[0]);
        for (HWND h : descendants(top)) {
            int depth = 0;
            for (HWND p = GetParent(h); p && p != top; p = GetParent(p)) ++depth;
            out(std::wstring(static_cast<size_t>(depth) * 2, L' ') + describe(h));
            std::wstring cls = className(h);
            if (iequals(cls, L"ListBox") || iequals(cls, L"ComboBox") || iequals(cls, L"ComboBoxEx32") || iequals(cls, L"SysListView32") ||
                iequals(cls, L"SysTreeView32") || iequals(cls, L"SysTabControl32")) {
                int selected = -1;
                std::vector<std::wstring> items = listItems(h, &selected);
                for (size_t i = 0; i < items.size(); ++i)
                    out(std::wstring(static_cast<size_t>(depth) * 2 + 2, L' ') + L"item[" + std::to_wstring(i) + L"]" +
                        (static_cast<int>(i) == selected ? L"*" : L"") + L"\t" + escape(items[i]));
            }
        }
    });

// Geometry and styles, for checking a window's size, position, topmost and
// translucent state as a user would see them.
CommandRegistrar windowInfoCmd(
    L"window-info", L"WINDOW [CHILD]  (handle, class, title, rect, client size, style, exstyle, topmost, alpha, visible, enabled, pid)",
    1, [](const Args& a) {
        HWND h = resolveTarget(a, 0);
        RECT r{}, c{};
        GetWindowRect(h, &r);
        GetClientRect(h, &c);
        LONG style = GetWindowLongW(h, GWL_STYLE), ex = GetWindowLongW(h, GWL_EXSTYLE);
        wchar_t buf[64];
        std::wstring alpha = L"-";
        BYTE value = 0;
        DWORD flags = 0;
        if ((ex & WS_EX_LAYERED) && GetLayeredWindowAttributes(h, nullptr, &value, &flags) && (flags & LWA_ALPHA))
            alpha = std::to_wstring(value);
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        out(L"handle=" + hex(h));
        out(L"class=" + className(h));
        out(L"title=" + escape(windowText(h)));
        out(L"rect=" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
            std::to_wstring(r.bottom));
        out(L"size=" + std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top));
        out(L"client=" + std::to_wstring(c.right) + L"x" + std::to_wstring(c.bottom));
        swprintf(buf, 64, L"style=0x%08lx", static_cast<unsigned long>(style));
        out(buf);
        swprintf(buf, 64, L"exstyle=0x%08lx", static_cast<unsigned long>(ex));
        out(buf);
        out(std::wstring(L"topmost=") + ((ex & WS_EX_TOPMOST) ? L"1" : L"0"));
        out(L"alpha=" + alpha);
        out(std::wstring(L"visible=") + (IsWindowVisible(h) ? L"1" : L"0"));
        out(std::wstring(L"enabled=") + (IsWindowEnabled(h) ? L"1" : L"0"));
        out(L"pid=" + std::to_wstring(pid));
    });

CommandRegistrar listWindowsCmd(L"list-windows", L"  (visible top-level windows: handle, class, title)", 0,
                                [](const Args&) {
                                    EnumWindows(
                                        [](HWND h, LPARAM) -> BOOL {
                                            if (IsWindowVisible(h)) {
                                                wchar_t buf[512] = {};
                                                GetWindowTextW(h, buf, 512);
                                                out(hex(h) + L"\t" + className(h) + L"\t" + escape(buf));
                                            }
                                            return TRUE;
                                        },
                                        0);
                                });

CommandRegistrar clickAtCmd(L"click-at", L"WINDOW CHILD X Y [left|double|right]  (real mouse click at client coordinates; CHILD may be -)",
                            4, [](const Args& a) {
                                HWND top = resolveWindow(a[0]);
                                HWND h = a[1] == L"-" ? top : resolveChild(top, a[1]);
                                POINT p{static_cast<LONG>(_wtoi(a[2].c_str())), static_cast<LONG>(_wtoi(a[3].c_str()))};
                                std::wstring kind = a.size() > 4 ? a[4] : L"left";
                                Click c = kind == L"double" ? Click::Double : kind == L"right" ? Click::Right : Click::Left;
                                if (kind != L"left" && kind != L"double" && kind != L"right") fail(L"unknown click " + kind);
                                mouseClick(h, p, c);
                            });

CommandRegistrar sleepCmd(L"sleep", L"MS", 1,
                          [](const Args& a) { Sleep(static_cast<DWORD>(parseNumber(a[0], L"milliseconds"))); });

}  // namespace
}  // namespace wxd
