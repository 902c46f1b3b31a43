// The Smart Bar window: a small floating tool window with the clipboard
// services and the program's menus. It shows TSmartBarModel's state, snaps to
// the work area's edges while dragged (TFormMagnetHook), can be translucent
// (TLayeredWindow), and hands every command to the controller through its host.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "common/Captions_win.h"
#include "windows/LayeredForm_win.h"
#include "ui/Dpi_win.h"
#include "windows/SmartBarModel.h"
#include "windows/WindowMagnet_win.h"

namespace wx {

// What the bar asks of the program's controller, which hands it over when it
// creates the bar. Failures inside the bar are reported through the toolkit
// (Guarded), which shows the program's error box.
struct TSmartBarHost {
  TSmartBarFeatures features;                  // what the program's edition offers
  std::function<void(Command)> runCommand;
  std::function<bool()> busy;                  // an action is running
  std::function<bool()> acceptsInput;          // no modal window of the tray menu is open
  std::function<bool()> optionsWindowVisible;
  std::function<bool()> updaterPresent;        // the dictionary update tool lies beside the program
  std::function<bool()> shuttingDown;          // the program or the session is ending
  std::function<void()> sessionEnding;         // the Windows session ends now
  std::function<void()> showCloseNotice;       // the notice shown when the user closes the bar
  std::function<void()> destroyed;             // the bar's window is gone
};

class TfrmSmartBar {
 public:
  explicit TfrmSmartBar(TSmartBarHost host);
  ~TfrmSmartBar();
  TfrmSmartBar(const TfrmSmartBar&) = delete;
  TfrmSmartBar& operator=(const TfrmSmartBar&) = delete;

  // Creates the hidden window with its buttons; false when that fails.
  bool Create();
  HWND Handle() const { return window_; }
  bool Visible() const { return window_ && IsWindowVisible(window_); }
  // Places the bar, applies its stored options and shows it.
  void Show();
  // Writes Top, Left, Width and Height.
  void SavePosition();
  // The close steps (the notice only while the program goes on); false when
  // closing was refused.
  bool Close();

  const TSmartBarModel& Model() const { return model_; }

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK ButtonProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void CreateButtons();
  // The images at the sizes the window's DPI gives them.
  void LoadIcons();
  void PlaceButtons();
  void FreeIcons();
  int Scale(int basePixels) const { return dpi_.Scale(basePixels); }
  void DrawButton(const DRAWITEMSTRUCT& d);
  void ButtonClicked(SmartBarButtonKind kind);
  void OpenMenu(SmartBarButtonKind kind, POINT at);
  void MenuChosen(int id);
  void ApplyAlwaysOnTop();
  void Perform(const TSmartBarAction& action);
  // The active language changed: the hints and the drawn captions follow.
  void TextsChanged();

  TSmartBarModel model_;
  TSmartBarHost host_;
  HWND window_ = nullptr;
  HWND tooltip_ = nullptr;
  TDpiFollower dpi_;  // the window's DPI and font, followed on a change of monitor
  HWND buttons_[6] = {};
  HICON icons_[6] = {};  // the three large images, then the three small ones
  int hot_ = -1;  // the button under the mouse
  bool closing_ = false;
  bool closePressed_ = false;  // the caption's close button is held down
  std::unique_ptr<TFormMagnetHook> magnet_;
  std::unique_ptr<TLayeredWindow> layered_;
  std::unique_ptr<WindowCaptions> captions_;
};

}  // namespace wx
