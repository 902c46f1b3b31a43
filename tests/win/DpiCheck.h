// Checks that a window follows its DPI: the window runs modally on the test's
// thread while a second thread plays the user: it finds the window, moves it
// to a monitor of another DPI (a WM_DPICHANGED as Windows sends it) and back,
// looks at it each time, and closes it.
#pragma once

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "ui/Dpi_win.h"

namespace wx::dpicheck {

// What a window shows of its layout at one moment.
struct Seen {
  int dpi = 0;
  RECT window{}, client{};
  RECT control{};        // the checked control, in client coordinates
  int fontHeight = 0;    // of the checked control's font
  int ownFontHeight = 0;  // of a control in a font of the window's own (0: none checked)
  int dropped = 0;       // a drop-down combo box's height with its list dropped (0: none checked)
  int column = 0;        // a list view's first column width (0: none checked)
};

struct Probe {
  int control;         // id of the control whose place and font are checked
  int ownFontControl;  // id of a control in a font of the window's own, or 0
  int combo;           // id of a drop-down combo box, or 0
  bool sizesItself;    // the window fits its content after taking the suggested place
  // Where the control in an own font is found, when not a direct child.
  std::function<HWND(HWND window)> ownFontOf;
  // The other monitor's DPI as a share of the first: 3/2 unless the window
  // would then grow past the screen (the system keeps a sizable window on it).
  int numerator = 3, denominator = 2;
  int listView = 0;  // id of a list view whose first column is checked, or 0
};

inline int FontHeight(HWND control) {
  LOGFONTW lf{};
  if (!control || !GetObjectW(HFONT(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof lf, &lf)) return 0;
  return lf.lfHeight;
}

inline Seen Look(HWND window, const Probe& p) {
  Seen s;
  s.dpi = WindowDpi(window);
  GetWindowRect(window, &s.window);
  GetClientRect(window, &s.client);
  HWND control = GetDlgItem(window, p.control);
  GetWindowRect(control, &s.control);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&s.control), 2);
  s.fontHeight = FontHeight(control);
  if (p.ownFontOf)
    s.ownFontHeight = FontHeight(p.ownFontOf(window));
  else if (p.ownFontControl)
    s.ownFontHeight = FontHeight(GetDlgItem(window, p.ownFontControl));
  if (p.listView) s.column = int(SendMessageW(GetDlgItem(window, p.listView), LVM_GETCOLUMNWIDTH, 0, 0));
  if (p.combo) {
    // The closed box and its list under it.
    RECT list{}, closed{};
    HWND combo = GetDlgItem(window, p.combo);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    GetWindowRect(info.hwndList, &list);
    GetWindowRect(combo, &closed);
    s.dropped = (closed.bottom - closed.top) + (list.bottom - list.top);
  }
  return s;
}

// The window as first shown, moved to 1.5 times its DPI, and back.
struct Moves {
  Seen first, moved, back;
  RECT suggested{};
  bool found = false;
  bool sizesItself = false;
  bool listView = false;
};

// A visible dialog of the given thread, waited for up to 10 seconds.
inline HWND WaitForDialogOf(DWORD thread) {
  const ULONGLONG deadline = GetTickCount64() + 10000;
  HWND found = nullptr;
  while (!found && GetTickCount64() < deadline) {
    EnumThreadWindows(
        thread,
        [](HWND w, LPARAM lp) -> BOOL {
          wchar_t cls[16] = {};
          GetClassNameW(w, cls, 16);
          if (lstrcmpW(cls, L"#32770") != 0 || !IsWindowVisible(w)) return TRUE;
          *reinterpret_cast<HWND*>(lp) = w;
          return FALSE;
        },
        LPARAM(&found));
    if (!found) Sleep(20);
  }
  return found;
}

// Runs open() here while another thread moves the window it shows between
// DPIs and then closes it with close(window).
inline Moves MoveBetweenDpis(const std::function<void()>& open, const Probe& probe, const std::function<void(HWND)>& close) {
  struct Ctx {
    DWORD thread;
    const Probe& probe;
    const std::function<void(HWND)>& close;
    Moves moves;
  } ctx{GetCurrentThreadId(), probe, close, {}};
  HANDLE th = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
    auto* c = static_cast<Ctx*>(p);
    HWND w = WaitForDialogOf(c->thread);
    if (!w) return 1;
    c->moves.found = true;
    Moves& m = c->moves;
    m.first = Look(w, c->probe);
    // As Windows sends it when the window is dragged onto a monitor of another DPI.
    const int num = c->probe.numerator, den = c->probe.denominator;
    const int other = MulDiv(m.first.dpi, num, den);
    const RECT& r = m.first.window;
    m.suggested = {r.left + 10, r.top + 20, r.left + 10 + MulDiv(r.right - r.left, num, den),
                   r.top + 20 + MulDiv(r.bottom - r.top, num, den)};
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(other, other), LPARAM(&m.suggested));
    m.moved = Look(w, c->probe);
    m.moved.dpi = other;
    RECT again = r;
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(m.first.dpi, m.first.dpi), LPARAM(&again));
    m.back = Look(w, c->probe);
    c->close(w);
    return 0;
  }, &ctx, 0, nullptr);
  open();
  WaitForSingleObject(th, INFINITE);
  CloseHandle(th);
  ctx.moves.sizesItself = probe.sizesItself;
  ctx.moves.listView = probe.listView != 0;
  return ctx.moves;
}

inline void ClickButton(HWND window, int id) {
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(window, id)));
}

inline int ExpectedDpi() { return std::getenv("WX_EXPECT_DPI") ? std::atoi(std::getenv("WX_EXPECT_DPI")) : 0; }

// What every following window shares: the DPI is the window's, the checked
// control is in the message font at it, the window takes the suggested
// rectangle, and coming back to the first DPI restores everything exactly.
inline void ExpectFollows(const Moves& m) {
  ASSERT_TRUE(m.found) << "the window did not open";
  ASSERT_GT(m.first.dpi, 0);
  if (ExpectedDpi()) EXPECT_EQ(m.first.dpi, ExpectedDpi());
  EXPECT_EQ(m.first.fontHeight, MessageFontAt(m.first.dpi).lfHeight);
  EXPECT_EQ(m.moved.fontHeight, MessageFontAt(m.moved.dpi).lfHeight);
  EXPECT_EQ(m.moved.window.left, m.suggested.left);
  EXPECT_EQ(m.moved.window.top, m.suggested.top);
  if (!m.sizesItself) {
    EXPECT_EQ(m.moved.window.right, m.suggested.right);
    EXPECT_EQ(m.moved.window.bottom, m.suggested.bottom);
  }
  EXPECT_EQ(m.back.control.left, m.first.control.left);
  EXPECT_EQ(m.back.control.top, m.first.control.top);
  EXPECT_EQ(m.back.control.right, m.first.control.right);
  EXPECT_EQ(m.back.control.bottom, m.first.control.bottom);
  EXPECT_EQ(m.back.fontHeight, m.first.fontHeight);
  EXPECT_EQ(m.back.ownFontHeight, m.first.ownFontHeight);
  // A drop-down list keeps its dropped height in proportion (within a row:
  // the system measures the list and its borders apart), never shrinking to
  // the closed box.
  const int row = ScaleToDpi(16, m.moved.dpi);
  EXPECT_NEAR(m.moved.dropped, MulDiv(m.first.dropped, m.moved.dpi, m.first.dpi), row);
  EXPECT_NEAR(m.back.dropped, m.first.dropped, row);
  // A list view's columns in proportion, and exactly as they were on coming back.
  if (m.listView) {
    EXPECT_GT(m.first.column, 0);
    EXPECT_EQ(m.moved.column, MulDiv(m.first.column, m.moved.dpi, m.first.dpi));
    EXPECT_EQ(m.back.column, m.first.column);
  }
}

// A control placed from its 96-DPI rectangle at dpi.
inline void ExpectPlaced(const RECT& placed, int x, int y, int w, int h, int dpi) {
  EXPECT_EQ(placed.left, ScaleToDpi(x, dpi));
  EXPECT_EQ(placed.top, ScaleToDpi(y, dpi));
  EXPECT_EQ(placed.right, ScaleToDpi(x + w, dpi));
  EXPECT_EQ(placed.bottom, ScaleToDpi(y + h, dpi));
}

}  // namespace wx::dpicheck
