// DPI and fonts from the window itself: the DPI of the monitor a window is on
// (the screen's where the system cannot tell per window), the system's message
// font at that DPI, and a window's controls and font laid out again when it
// moves to a monitor of another DPI (WM_DPICHANGED).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "ui/Dpi.h"

namespace wx {

// The screen's DPI (LOGPIXELSY of the screen), 96 when it cannot be read.
int ScreenDpi();
// The DPI of the monitor a window is on: GetDpiForWindow where the system has
// it (Windows 10 1607 and later), the screen's otherwise and for no window.
int WindowDpi(HWND window);

// The system's message font (the one its own dialogs use) at a DPI, owned.
class TMessageFont {
 public:
  explicit TMessageFont(int dpi);
  ~TMessageFont();
  TMessageFont(const TMessageFont&) = delete;
  TMessageFont& operator=(const TMessageFont&) = delete;
  HFONT Handle() const { return font_; }
  int Dpi() const { return dpi_; }

 private:
  HFONT font_ = nullptr;
  int dpi_;
};
// The message font's LOGFONT at a DPI.
LOGFONTW MessageFontAt(int dpi);

// Follows a window's DPI: gives the window's controls the message font at the
// window's DPI and, on WM_DPICHANGED, takes the suggested window rectangle,
// places every control from its 96-DPI layout and gives it the font at the
// new DPI. The layout is taken from the controls as they stand when Track is
// called (placed at the window's DPI then); a window that lays itself out
// (on WM_SIZE) gets Dpi() changed before it is resized.
class TDpiFollower {
 public:
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

  int Dpi() const { return layout_.Dpi(); }
  int Scale(int basePixels) const { return ScaleToDpi(basePixels, layout_.Dpi()); }
  HFONT Font() const { return font_ ? font_->Handle() : nullptr; }
  // Handles WM_DPICHANGED; exposed for the window procedures that do not
  // subclass (and for tests).
  void DpiChanged(int dpi, const RECT* suggested);

 private:
  static LRESULT CALLBACK Subclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

  HWND window_ = nullptr;
  TDpiLayout layout_;
  std::vector<HWND> controls_;  // by layout id
  std::unique_ptr<TMessageFont> font_;
};

// Centres a modal window on its owner when the owner is visible, else on the
// work area of the monitor under the cursor; kept on the work area.
void CentreOnOwner(HWND window, HWND owner);

}  // namespace wx
