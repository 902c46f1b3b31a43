// Open popup menus (class #32768), such as a tray icon's menu. Wine keeps a
// menu's items inside the process that owns it (GetMenuItemCount on another
// program's menu fails), so tests choose items with the keyboard (Down,
// Enter, or the item's underlined letter) and see the effect.
#include "Driver.h"

namespace wxd {
namespace {

HWND openPopup() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND h, LPARAM lp) -> BOOL {
            if (IsWindowVisible(h) && className(h) == L"#32768") {
                *reinterpret_cast<HWND*>(lp) = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

CommandRegistrar popupCmd(L"popup-menu", L"[TIMEOUT_MS]  (waits for an open popup menu; prints its handle and screen rect)", 0,
                          [](const Args& a) {
                              HWND popup = nullptr;
                              int timeout = optTimeout(a, 0, 5000);
                              if (!waitUntil(timeout, [&] { return (popup = openPopup()) != nullptr; }))
                                  fail(L"no popup menu open after " + std::to_wstring(timeout) + L" ms");
                              RECT r{};
                              GetWindowRect(popup, &r);
                              out(hex(popup) + L"\trect=" + std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
                                  std::to_wstring(r.right) + L"," + std::to_wstring(r.bottom));
                          });

CommandRegistrar popupGoneCmd(L"popup-menu-gone", L"[TIMEOUT_MS]  (waits until no popup menu is open)", 0, [](const Args& a) {
    int timeout = optTimeout(a, 0, 5000);
    if (!waitUntil(timeout, [] { return openPopup() == nullptr; })) fail(L"a popup menu is still open");
});

}  // namespace
}  // namespace wxd
