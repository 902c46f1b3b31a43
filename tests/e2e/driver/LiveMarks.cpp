// Reading the misspelling marks of a live-spelling rich edit from outside:
// the control answers a registered message with each marked range.
#include "Driver.h"

namespace wxd {
namespace {

// One "START END" line per mark (character indexes of the control's text).
CommandRegistrar liveMarksCmd(
    L"live-marks", L"WINDOW CHILD  (the underlined ranges of a live-spelling rich edit, one 'START END' per line)", 2,
    [](const Args& a) {
        HWND h = resolveChild(resolveWindow(a[0]), a[1]);
        const UINT msg = RegisterWindowMessageW(L"WendrixLiveSpellingMark");
        const LRESULT count = sendTimeout(h, msg, static_cast<WPARAM>(-1), 0);
        for (LRESULT i = 0; i < count && i < 10000; ++i) {
            const auto r = static_cast<long long>(sendTimeout(h, msg, static_cast<WPARAM>(i), 0));
            if (r < 0) break;
            out(std::to_wstring(r >> 32) + L" " + std::to_wstring(r & 0xFFFFFFFF));
        }
    });

}  // namespace
}  // namespace wxd
