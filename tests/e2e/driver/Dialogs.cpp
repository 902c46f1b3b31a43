// Dialog commands: pressing buttons and reading message boxes.
#include "Driver.h"

namespace wxd {
namespace {

HWND findButton(HWND top, const std::wstring& which) {
    if (iequals(className(top), L"Button") && (which.empty())) return top;
    if (!which.empty() && (which[0] == L'#' || (which.size() > 2 && which[0] == L'0' && which[1] == L'x')))
        return resolveChild(top, which);
    std::vector<HWND> all = descendants(top);
    for (HWND h : all) {
        if (!iequals(className(h), L"Button")) continue;
        std::wstring text = windowText(h);
        if (text == which || stripAmpersands(text) == which) return h;
    }
    // A bare number that is no button's text is a control id.
    if (which.find_first_not_of(L"0123456789") == std::wstring::npos) return resolveChild(top, L"#" + which);
    fail(L"no button '" + which + L"' in " + hex(top));
}

// BM_CLICK is posted, so that a modal window opened by the button does not
// keep the driver waiting.
CommandRegistrar clickCmd(L"click", L"WINDOW BUTTON  (BUTTON: its text, with or without '&', #ID, an id, or 0xHANDLE)", 2,
                          [](const Args& a) {
                              HWND button = findButton(resolveWindow(a[0]), a[1]);
                              if (!IsWindowEnabled(button)) fail(L"button '" + a[1] + L"' is disabled");
                              if (!PostMessageW(button, BM_CLICK, 0, 0)) fail(L"cannot post BM_CLICK");
                          });

CommandRegistrar commandCmd(L"command", L"WINDOW ID  (posts WM_COMMAND with ID, as a menu item or accelerator does)", 2,
                            [](const Args& a) {
                                HWND h = resolveWindow(a[0]);
                                auto id = static_cast<WORD>(parseNumber(a[1], L"command id"));
                                if (!PostMessageW(h, WM_COMMAND, MAKEWPARAM(id, 0), 0)) fail(L"cannot post WM_COMMAND");
                            });

// The topmost visible dialog-class window (message boxes are of class #32770).
HWND topDialog(const std::wstring& title) {
    HWND found = nullptr;
    struct Ctx {
        HWND* found;
        const std::wstring* title;
    } ctx{&found, &title};
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            auto* c = reinterpret_cast<Ctx*>(lp);
            if (!IsWindowVisible(h) || className(h) != L"#32770") return TRUE;
            if (!c->title->empty()) {
                wchar_t buf[512] = {};
                GetWindowTextW(h, buf, 512);
                if (*c->title != buf) return TRUE;
            }
            *c->found = h;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&ctx));
    return found;
}

CommandRegistrar messageBoxCmd(
    L"message-box-text",
    L"[TIMEOUT_MS] [CAPTION]  (waits for a dialog box; prints 'hwnd:', 'caption:', one 'text:' per static text, one 'button:' per button)",
    0, [](const Args& a) {
        int timeout = optTimeout(a, 0, 10000);
        std::wstring caption = a.size() > 1 ? a[1] : L"";
        HWND box = nullptr;
        if (!waitUntil(timeout, [&] { return (box = topDialog(caption)) != nullptr; }))
            fail(L"no dialog box appeared within " + std::to_wstring(timeout) + L" ms");
        // Let the dialog finish creating its controls.
        waitUntil(1000, [&] { return !descendants(box).empty(); });
        // A program back from a long wait (a notice about a program that
        // stopped answering) counts as hung until its box reads messages
        // again: wait for the box to answer before asking for its texts.
        waitUntil(5000, [&] {
            DWORD_PTR r = 0;
            return SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &r) != 0;
        });
        out(L"hwnd: " + hex(box));
        out(L"caption: " + escape(windowText(box)));
        for (HWND h : descendants(box)) {
            std::wstring cls = className(h);
            std::wstring text = windowText(h);
            if (text.empty() || !IsWindowVisible(h)) continue;
            if (iequals(cls, L"Static")) out(L"text: " + escape(text));
            else if (iequals(cls, L"Button")) out(L"button: " + escape(text));
        }
    });

}  // namespace
}  // namespace wxd
