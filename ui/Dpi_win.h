// DPI and fonts from the window itself: the DPI of the monitor a window is on
// (the screen's where the system cannot tell per window), the system's message
// font at that DPI, and a window's controls and font laid out again when it
// moves to a monitor of another DPI (WM_DPICHANGED).
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "ui/Dpi.h"

namespace wx {

// The screen's DPI (LOGPIXELSY of the screen), 96 when it cannot be read.
int ScreenDpi();
// The DPI of the monitor a window is on: GetDpiForWindow where the system has
// it (Windows 10 1607 and later), the screen's otherwise and for no window.
int WindowDpi(HWND window);

// The system's message font (the one its own dialogs use) at a DPI.
LOGFONTW MessageFontAt(int dpi);

// Follows a window's DPI: gives the window's controls the message font at the
// window's DPI and, on WM_DPICHANGED, takes the suggested window rectangle,
// places every tracked control from its 96-DPI layout, moves every control
// (at any depth) from each of the window's fonts to the same font at the new
// DPI and rescales the columns of its list views. The layout is taken from
// the controls as they stand when Track is called (placed at the window's
// DPI then). A window that lays itself out (on WM_SIZE) does not call Track:
// Dpi() has the new DPI before the window is resized.
class TDpiFollower {
 public:
  // What a font of the window's own is at a DPI (a bold title, a fixed face).
  using FontAtDpi = std::function<LOGFONTW(int dpi)>;

  TDpiFollower() = default;
  ~TDpiFollower();
  TDpiFollower(const TDpiFollower&) = delete;
  TDpiFollower& operator=(const TDpiFollower&) = delete;

  // Starts following window; its current DPI is WindowDpi(window) unless
  // given. Call before the controls are made; Track then takes them.
  void Attach(HWND window, int dpi = 0);
  // Takes the window's direct children as they are placed now into the layout
  // and gives them the font.
  void Track();
  // Gives a control the font (for controls made after Track, placed by the window).
  void ApplyFont(HWND control) const;
  // Adds a font of the window's own, made now at the window's DPI and again
  // at every new one; Font(returned number) is its handle, owned here.
  int AddFont(FontAtDpi fontAt);
  // Runs after a change of DPI has been followed (fonts, controls, window
  // rectangle): for what the window draws or sizes itself.
  void OnDpiChanged(std::function<void()> done) { onChanged_ = std::move(done); }

  int Dpi() const { return layout_.Dpi(); }
  int Scale(int basePixels) const { return ScaleToDpi(basePixels, layout_.Dpi()); }
  // The message font (0) or a font added with AddFont, at the current DPI.
  HFONT Font(int which = 0) const;
  // Handles WM_DPICHANGED; exposed for the window procedures that do not
  // subclass (and for tests).
  void DpiChanged(int dpi, const RECT* suggested);

 private:
  static LRESULT CALLBACK Subclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  struct OwnedFont {
    FontAtDpi fontAt;  // empty: the message font
    HFONT handle = nullptr;
  };
  void MakeFonts(std::vector<OwnedFont>& fonts) const;
  static void DeleteFonts(std::vector<OwnedFont>& fonts);
  void RescaleColumns(HWND listView, int fromDpi);

  HWND window_ = nullptr;
  TDpiLayout layout_;
  std::vector<HWND> controls_;  // by layout id
  std::vector<OwnedFont> fonts_;
  std::vector<std::pair<HWND, TDpiLengths>> columns_;  // by list view
  std::function<void()> onChanged_;
};

// Centres a modal window on its owner when the owner is visible, else on the
// work area of the monitor under the cursor; kept on the work area.
void CentreOnOwner(HWND window, HWND owner);

}  // namespace wx
