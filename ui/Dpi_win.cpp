#include "ui/Dpi_win.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/WindowPlacement_win.h"
#include "ui/Window_win.h"

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

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t cls[32] = {};
  GetClassNameW(window, cls, 32);
  return lstrcmpiW(cls, name) == 0;
}

// A combo box's height with its list dropped (the closed height for any other control).
int DroppedHeight(HWND control, int closedHeight) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  RECT list{};
  if (!IsClass(control, WC_COMBOBOXW) || !GetComboBoxInfo(control, &info) || !info.hwndList ||
      (GetWindowLongW(control, GWL_STYLE) & 3) == CBS_SIMPLE || !GetWindowRect(info.hwndList, &list))
    return closedHeight;
  return closedHeight + (list.bottom - list.top);
}

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

TDpiFollower::~TDpiFollower() {
  if (window_) RemoveWindowSubclass(window_, Subclass, kFollowerSubclass);
  DeleteFonts(fonts_);
}

void TDpiFollower::MakeFonts(std::vector<OwnedFont>& fonts) const {
  for (OwnedFont& f : fonts) {
    LOGFONTW lf = f.fontAt ? f.fontAt(layout_.Dpi()) : MessageFontAt(layout_.Dpi());
    f.handle = CreateFontIndirectW(&lf);
  }
}

void TDpiFollower::DeleteFonts(std::vector<OwnedFont>& fonts) {
  for (OwnedFont& f : fonts)
    if (f.handle) DeleteObject(f.handle), f.handle = nullptr;
}

void TDpiFollower::Attach(HWND window, int dpi) {
  if (window_) RemoveWindowSubclass(window_, Subclass, kFollowerSubclass);
  window_ = window;
  layout_.SetDpi(dpi > 0 ? dpi : WindowDpi(window));
  DeleteFonts(fonts_);
  fonts_.assign(1, OwnedFont{});
  MakeFonts(fonts_);
  columns_.clear();
  if (window_) SetWindowSubclass(window_, Subclass, kFollowerSubclass, reinterpret_cast<DWORD_PTR>(this));
}

int TDpiFollower::AddFont(FontAtDpi fontAt) {
  if (fonts_.empty()) fonts_.assign(1, OwnedFont{});
  fonts_.push_back({std::move(fontAt), nullptr});
  LOGFONTW lf = fonts_.back().fontAt(layout_.Dpi());
  fonts_.back().handle = CreateFontIndirectW(&lf);
  return int(fonts_.size()) - 1;
}

HFONT TDpiFollower::Font(int which) const {
  return which >= 0 && size_t(which) < fonts_.size() ? fonts_[size_t(which)].handle : nullptr;
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
    // A drop-down combo box is sized with its list dropped: its height is the list's too.
    r.bottom = r.top + DroppedHeight(c, r.bottom - r.top);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    layout_.Capture(int(controls_.size()), ToTRect(r), layout_.Dpi());
    controls_.push_back(c);
    // Controls already in a font of the window's own keep it.
    bool own = false;
    const HFONT current = HFONT(SendMessageW(c, WM_GETFONT, 0, 0));
    for (size_t i = 1; i < fonts_.size(); ++i) own = own || (current && current == fonts_[i].handle);
    if (!own) ApplyFont(c);
  }
}

void TDpiFollower::ApplyFont(HWND control) const {
  if (Font()) SendMessageW(control, WM_SETFONT, WPARAM(Font()), FALSE);
}

void TDpiFollower::RescaleColumns(HWND listView, int fromDpi) {
  HWND header = HWND(SendMessageW(listView, LVM_GETHEADER, 0, 0));
  const int count = header ? int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  if (count <= 0) return;
  auto it = std::find_if(columns_.begin(), columns_.end(), [&](const auto& c) { return c.first == listView; });
  if (it == columns_.end()) it = columns_.insert(columns_.end(), {listView, TDpiLengths{}});
  for (int i = 0; i < count; ++i) {
    const int width = int(SendMessageW(listView, LVM_GETCOLUMNWIDTH, WPARAM(i), 0));
    SendMessageW(listView, LVM_SETCOLUMNWIDTH, WPARAM(i), it->second.Rescale(i, width, fromDpi, layout_.Dpi()));
  }
}

void TDpiFollower::DpiChanged(int dpi, const RECT* suggested) {
  dpi = UsableDpi(dpi);
  if (dpi == layout_.Dpi() && !suggested) return;
  const int fromDpi = layout_.Dpi();
  layout_.SetDpi(dpi);
  // The old fonts stay selected in the controls until they have the new ones.
  std::vector<OwnedFont> old = fonts_;
  for (OwnedFont& f : fonts_) f.handle = nullptr;
  MakeFonts(fonts_);
  HDWP moves = BeginDeferWindowPos(int(controls_.size()));
  for (size_t i = 0; i < controls_.size(); ++i) {
    if (!IsWindow(controls_[i])) continue;
    TRect r = layout_.Placed(int(i));
    if (moves)
      moves = DeferWindowPos(moves, controls_[i], nullptr, r.left, r.top, r.Width(), r.Height(),
                             SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (moves) EndDeferWindowPos(moves);
  // Every control in one of the window's fonts takes it at the new DPI; a
  // font of its own that the window did not give here is left alone.
  struct Walk {
    TDpiFollower* self;
    const std::vector<OwnedFont>* old;
    int fromDpi;
  } walk{this, &old, fromDpi};
  EnumChildWindows(
      window_,
      [](HWND c, LPARAM lp) -> BOOL {
        auto* w = reinterpret_cast<Walk*>(lp);
        const HFONT current = HFONT(SendMessageW(c, WM_GETFONT, 0, 0));
        for (size_t i = 0; current && i < w->old->size(); ++i)
          if ((*w->old)[i].handle == current) {
            SendMessageW(c, WM_SETFONT, WPARAM(w->self->fonts_[i].handle), FALSE);
            break;
          }
        if (IsClass(c, WC_LISTVIEWW)) w->self->RescaleColumns(c, w->fromDpi);
        return TRUE;
      },
      LPARAM(&walk));
  if (suggested)
    SetWindowPos(window_, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                 suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (onChanged_) Guarded(onChanged_);  // a failure is reported, not thrown through the system
  DeleteFonts(old);
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
      self->columns_.clear();
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
