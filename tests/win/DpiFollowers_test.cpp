// The windows made from the toolkit follow their DPI: laid out for the DPI of
// their window (the tests run at 96 and, from tests/e2e/test_high_dpi.sh, at
// 144), in the message font at it, and laid out again, fonts and all, when a
// WM_DPICHANGED as Windows sends it moves them to a monitor of another DPI.
// Each window runs modally on the test's thread while a second thread plays
// the user: it finds the window, moves it to 1.5 times its DPI and back, and
// closes it.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "app/AboutBox_win.h"
#include "app/AboutTexts.h"
#include "app/AppLanguage.h"
#include "app/ErrorBox_win.h"
#include "app/OptionsDialog_win.h"
#include "app/OptionsTexts.h"
#include "common/AnsiText.h"
#include "common/MemoryRegistry.h"
#include "definitions/DefinitionsDatabase.h"
#include "definitions/DefinitionsForm_win.h"
#include "definitions/TestDatabase.h"
#include "ui/Dpi_win.h"
// The writer is builder code, not part of the program's library.
#include "tools/lib/DefinitionsWriter.cpp"

using namespace wx;

namespace {

// What a window shows of its layout at one moment.
struct Seen {
  int dpi = 0;
  RECT window{}, client{};
  RECT control{};        // the checked control, in client coordinates
  int fontHeight = 0;    // of the checked control's font
  int ownFontHeight = 0;  // of a control in a font of the window's own (0: none checked)
  int dropped = 0;       // a drop-down combo box's height with its list dropped (0: none checked)
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
};

int FontHeight(HWND control) {
  LOGFONTW lf{};
  if (!control || !GetObjectW(HFONT(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof lf, &lf)) return 0;
  return lf.lfHeight;
}

Seen Look(HWND window, const Probe& p) {
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
};

// A visible dialog of the given thread, waited for up to 10 seconds.
HWND WaitForDialogOf(DWORD thread) {
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
Moves MoveBetweenDpis(const std::function<void()>& open, const Probe& probe, const std::function<void(HWND)>& close) {
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
  return ctx.moves;
}

void Click(HWND window, int id) {
  SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(window, id)));
}

int ExpectedDpi() { return std::getenv("WX_EXPECT_DPI") ? std::atoi(std::getenv("WX_EXPECT_DPI")) : 0; }

// What every following window shares: the DPI is the window's, the checked
// control is in the message font at it, the window takes the suggested
// rectangle, and coming back to the first DPI restores everything exactly.
void ExpectFollows(const Moves& m) {
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
}

// A control placed from its 96-DPI rectangle at dpi.
void ExpectPlaced(const RECT& placed, int x, int y, int w, int h, int dpi) {
  EXPECT_EQ(placed.left, ScaleToDpi(x, dpi));
  EXPECT_EQ(placed.top, ScaleToDpi(y, dpi));
  EXPECT_EQ(placed.right, ScaleToDpi(x + w, dpi));
  EXPECT_EQ(placed.bottom, ScaleToDpi(y + h, dpi));
}

TEST(DpiFollowers, TheAboutBox) {
  const Moves m = MoveBetweenDpis([] { ShowAboutBox(nullptr); }, Probe{idAboutOK, idAboutTitle, 0, false, {}},
                                  [](HWND w) { Click(w, idAboutOK); });
  ExpectFollows(m);
  for (const Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    ExpectPlaced(s->control, 178, 188, 86, 25, s->dpi);
    // The title in the message face 19 pixels high at 96 DPI.
    EXPECT_EQ(s->ownFontHeight, -ScaleToDpi(19, s->dpi));
  }
  EXPECT_EQ(m.first.client.right, ScaleToDpi(442, m.first.dpi));
  EXPECT_EQ(m.first.client.bottom, ScaleToDpi(223, m.first.dpi));
}

TEST(DpiFollowers, TheOptionsWindow) {
  MemoryRegistry registry;
  TAppLanguage language(registry, [] { return 0x0409; });
  OptionsModel model(edAllServices);
  OptionsResult result = OptionsResult::Ok;
  const Moves m = MoveBetweenDpis(
      [&] { result = ShowOptionsDialog(nullptr, model, language, [](int) {}); },
      Probe{idOptOK, idCaptionPanel, idSingleClickBox, false, {}}, [](HWND w) { Click(w, idOptCancel); });
  ExpectFollows(m);
  EXPECT_EQ(result, OptionsResult::Cancel);
  for (const Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    ExpectPlaced(s->control, 278, 356, 86, 25, s->dpi);
    // The page caption bold, 13 pixels high at 96 DPI.
    EXPECT_EQ(s->ownFontHeight, -ScaleToDpi(13, s->dpi));
  }
  // The click list drops 200 pixels at 96 DPI.
  EXPECT_NEAR(m.first.dropped, ScaleToDpi(200, m.first.dpi), ScaleToDpi(16, m.first.dpi));
  EXPECT_EQ(m.first.client.right, ScaleToDpi(545, m.first.dpi));
  EXPECT_EQ(m.first.client.bottom, ScaleToDpi(384, m.first.dpi));
}

TEST(DpiFollowers, TheDefinitionsWindow) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"wx-dpi-definitions.ydd";
  std::ofstream(path.c_str(), std::ios::binary) << wx::testing::FixtureBytes();
  struct Remove {
    std::wstring path;
    ~Remove() { DeleteFileW(path.c_str()); }
  } remove{path};
  TDefinitionsDatabase database;
  database.SetDatabaseFile(WideToUtf8(path));
  TDefinitionsForm form(nullptr);
  form.SetDatabase(database, 50);
  form.LookUp("dog");
  // The first heading drawn in the definitions box, in the definitions' bold face.
  auto heading = [](HWND w) { return GetWindow(GetDlgItem(w, idDefDefs), GW_CHILD); };
  const Moves m = MoveBetweenDpis([&] { form.ShowModal(); }, Probe{idDefCloseButton, 0, 0, false, heading, 2, 3},
                                  [](HWND w) { Click(w, idDefCloseButton); });
  ExpectFollows(m);
  for (const Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    // The buttons' column lays itself out from 96-DPI lengths.
    EXPECT_EQ(s->control.top, ScaleToDpi(218, s->dpi));
    EXPECT_EQ(s->control.bottom - s->control.top, ScaleToDpi(25, s->dpi));
    EXPECT_EQ(s->control.right - s->control.left, ScaleToDpi(73, s->dpi));
    // The definitions drawn again in 8 points at the DPI.
    EXPECT_EQ(s->ownFontHeight, FontHeightForDpi(8, s->dpi));
  }
  // Without a stored size the design client area.
  EXPECT_EQ(m.first.client.right, ScaleToDpi(kDefinitionsClientWidth, m.first.dpi));
  EXPECT_EQ(m.first.client.bottom, ScaleToDpi(kDefinitionsClientHeight, m.first.dpi));
}

TEST(DpiFollowers, TheDontShowAgainMessage) {
  const std::string storage = "Software\\Morvane\\WendrixTests\\DpiFollowers";
  int answer = 0;
  const Moves m = MoveBetweenDpis(
      [&] { answer = DSAMessageDlg("A notice that can be turned off.", MB_ICONINFORMATION, MB_OK, 0, storage, "dpi", 0); },
      Probe{IDOK, 0, 0, true, {}}, [](HWND w) { Click(w, IDOK); });
  ExpectFollows(m);
  EXPECT_EQ(answer, IDOK);
  for (const Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    // Laid out again from the text in the font at the DPI: the buttons' 96-DPI size scaled.
    EXPECT_EQ(s->control.right - s->control.left, ScaleToDpi(75, s->dpi));
    EXPECT_EQ(s->control.bottom - s->control.top, ScaleToDpi(25, s->dpi));
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(storage).c_str());
}

}  // namespace
