#include "ui/Dpi_win.h"

#include <commctrl.h>

#include "ui/WindowPlacement_win.h"

namespace wx {

namespace {

// Calls of newer systems, looked up once in user32 (already loaded).
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

struct DpiCalls {
  GetDpiForWindowFn getDpiForWindow = nullptr;
  SystemParametersInfoForDpiFn parametersForDpi = nullptr;
  DpiCalls() {
    if (HMODULE user = GetModuleHandleW(L"user32.dll")) {
      getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
          reinterpret_cast<void*>(GetProcAddress(user, "GetDpiForWindow")));
      parametersForDpi = reinterpret_cast<SystemParametersInfoForDpiFn>(
          reinterpret_cast<void*>(GetProcAddress(user, "SystemParametersInfoForDpi")));
    }
  }
};

const DpiCalls& Calls() {
  static const DpiCalls calls;
  return calls;
}

constexpr UINT_PTR kFollowerSubclass = 0x57444;  // "WD"

}  // namespace

int ScreenDpi() {
  int dpi = kBaseDpi;
  if (HDC dc = GetDC(nullptr)) {
    dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
  }
  return UsableDpi(dpi);
}

int WindowDpi(HWND window) {
  if (window && Calls().getDpiForWindow) {
    UINT dpi = Calls().getDpiForWindow(window);
    if (dpi > 0) return int(dpi);
  }
  return ScreenDpi();
}

LOGFONTW MessageFontAt(int dpi) {
  dpi = UsableDpi(dpi);
  NONCLIENTMETRICSW ncm{};
  ncm.cbSize = sizeof ncm;
  if (Calls().parametersForDpi && Calls().parametersForDpi(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0, UINT(dpi)))
    return ncm.lfMessageFont;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0)) {
    // Given for the screen's DPI: moved to the window's.
    ncm.lfMessageFont.lfHeight = RescaleFontHeight(ncm.lfMessageFont.lfHeight, ScreenDpi(), dpi);
    return ncm.lfMessageFont;
  }
  LOGFONTW lf{};
  lf.lfHeight = FontHeightForDpi(9, dpi);
  lf.lfWeight = FW_NORMAL;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(lf.lfFaceName, L"Segoe UI", LF_FACESIZE);
  return lf;
}

TMessageFont::TMessageFont(int dpi) : dpi_(UsableDpi(dpi)) {
  LOGFONTW lf = MessageFontAt(dpi_);
  font_ = CreateFontIndirectW(&lf);
}

TMessageFont::~TMessageFont() {
  if (font_) DeleteObject(font_);
}

TDpiFollower::~TDpiFollower() {
  if (window_) RemoveWindowSubclass(window_, Subclass, kFollowerSubclass);
}

void TDpiFollower::Attach(HWND window, int dpi) {
  if (window_) RemoveWindowSubclass(window_, Subclass, kFollowerSubclass);
  window_ = window;
  layout_.SetDpi(dpi > 0 ? dpi : WindowDpi(window));
  font_ = std::make_unique<TMessageFont>(layout_.Dpi());
  if (window_) SetWindowSubclass(window_, Subclass, kFollowerSubclass, reinterpret_cast<DWORD_PTR>(this));
}

void TDpiFollower::Track() {
  if (!window_) return;
  controls_.clear();
  layout_.Clear();
  RECT client;
  GetClientRect(window_, &client);
  layout_.SetClientSize(ScaleFromDpi(client.right, layout_.Dpi()), ScaleFromDpi(client.bottom, layout_.Dpi()));
  for (HWND c = GetWindow(window_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    RECT r;
    GetWindowRect(c, &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    layout_.Capture(int(controls_.size()), ToTRect(r), layout_.Dpi());
    controls_.push_back(c);
    ApplyFont(c);
  }
}

void TDpiFollower::ApplyFont(HWND control) const {
  if (Font()) SendMessageW(control, WM_SETFONT, WPARAM(Font()), FALSE);
}

void TDpiFollower::DpiChanged(int dpi, const RECT* suggested) {
  dpi = UsableDpi(dpi);
  if (dpi == layout_.Dpi() && !suggested) return;
  layout_.SetDpi(dpi);
  // The old font stays selected in the controls until they have the new one.
  std::unique_ptr<TMessageFont> old = std::move(font_);
  font_ = std::make_unique<TMessageFont>(dpi);
  HDWP moves = BeginDeferWindowPos(int(controls_.size()));
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (!IsWindow(controls_[i])) continue;
    TRect r = layout_.Placed(int(i));
    if (moves)
      moves = DeferWindowPos(moves, controls_[i], nullptr, r.left, r.top, r.Width(), r.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
    // Controls in a font of the window's own (a bold caption) keep it.
    if (HFONT(SendMessageW(controls_[i], WM_GETFONT, 0, 0)) == old->Handle())
      SendMessageW(controls_[i], WM_SETFONT, WPARAM(Font()), FALSE);
  }
  if (moves) EndDeferWindowPos(moves);
  if (suggested)
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  old.reset();
  InvalidateRect(window_, nullptr, TRUE);
}

LRESULT CALLBACK TDpiFollower::Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TDpiFollower*>(data);
  switch (msg) {
    case WM_DPICHANGED:
      self->DpiChanged(HIWORD(wp), reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, Subclass, kFollowerSubclass);
      self->window_ = nullptr;
      self->controls_.clear();
      break;
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void CentreOnOwner(HWND window, HWND owner) {
  RECT wr;
  GetWindowRect(window, &wr);
  const int w = wr.right - wr.left, h = wr.bottom - wr.top;
  TRect place;
  if (owner && IsWindowVisible(owner) && !IsIconic(owner)) {
    place = CentredOn(WindowRectOf(owner), w, h, WorkAreaOf(owner));
  } else {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    POINT pt;
    GetCursorPos(&pt);
    GetMonitorInfoW(MonitorFromPoint(pt, MONITOR_DEFAULTTOPRIMARY), &mi);
    place = CentredIn(ToTRect(mi.rcWork), w, h);
  }
  SetWindowPos(window, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace wx
