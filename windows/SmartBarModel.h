// What the Smart Bar shows and decides, without the window: its buttons and
// menus for the services the program offers, the always-on-top and transparency state, where it is
// placed, which settings it reads and writes, when it may close, and which
// clicks it refuses while the program is busy. SmartBar_win shows this state
// and forwards clicks here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/Command.h"
#include "common/Registry.h"
#include "windows/LayeredForm.h"
#include "windows/SmartBarTexts.h"
#include "ui/WindowPlacement.h"

namespace wx {

// The bar's settings: ini style, section "SmartBar" of this key; the close
// notice keeps its don't-show-again answer under the same key and section.
inline constexpr const char* kSmartBarBaseKey = "Software\\Morvane\\Tarvelo";
inline constexpr const char* kSmartBarSection = "SmartBar";

// What the program offers, as the controller hands it to the bar: the
// program's edition decides which services exist, and the Exit item names the
// program.
struct TSmartBarFeatures {
  bool spelling;
  bool definitions;
  bool editors;
  std::string programName;
};

enum class SmartBarButtonKind { SpellCheck, Thesaurus, Definitions, Editor, Options, Help };

struct TSmartBarButton {
  SmartBarButtonKind kind;
  std::string caption;
  std::string hint;    // empty for none
  int height;          // pixels; every button is as wide as the bar
  bool large;          // a 32x32 image above the caption; else a small one beside it
  int image;           // index in the large or the small images
  bool dropDown;       // opens a menu, with an arrow in its rightmost pixels
  Command command;     // the controller's action (None for a menu button)
  bool visible;
};

// An entry of one of the bar's menus.
struct TSmartBarMenuItem {
  enum Kind { Item, Separator, Submenu };
  Kind kind = Item;
  int id = 0;          // command id of the item (0 for separators and submenus)
  std::string text;
  bool enabled = true;
  bool checked = false;
  bool radio = false;  // drawn as a radio item
  std::vector<TSmartBarMenuItem> items;  // of a submenu
};

// What choosing a menu item or clicking a button asks for.
struct TSmartBarAction {
  enum Kind { Nothing, RunCommand, OpenMenu, AlwaysOnTopChanged, TransparencyChanged, Refused };
  Kind kind = Nothing;
  Command command = Command::None;
  SmartBarButtonKind menu = SmartBarButtonKind::Options;  // for OpenMenu
};

class TSmartBarModel {
 public:
  static constexpr int kWidth = 142;          // client width, every button's width
  static constexpr int kDropDownWidth = 26;   // the arrow's part of a menu button
  static constexpr int kLargeHeight = 64, kSmallHeight = 25;

  // layeredWindows: whether the system offers translucent windows; the
  // Transparency submenu is enabled exactly then.
  TSmartBarModel(TSmartBarFeatures features, bool layeredWindows);

  const std::vector<TSmartBarButton>& Buttons() const { return buttons_; }
  // Takes the button texts again in the active interface language (menus are
  // built in it each time they open).
  void RefreshTexts();
  int ClientHeight() const;  // of the visible buttons

  // The menus as they open now. Items the program does not offer and redundant
  // separators are left out; the update tool's item is enabled only when the
  // tool is present.
  std::vector<TSmartBarMenuItem> EditorMenu() const;
  std::vector<TSmartBarMenuItem> OptionsMenu() const;
  std::vector<TSmartBarMenuItem> HelpMenu(bool updaterPresent) const;

  // A click on a button or a menu item (by id). Controller actions are
  // refused while the program is busy or takes no input (a modal window of
  // the tray menu is open), as the tray icon refuses clicks then; the bar's
  // own items (always on top, transparency) always work. A transparency
  // choice writes "Transparency" at once.
  TSmartBarAction ButtonClick(SmartBarButtonKind kind, bool busy, bool acceptsInput) const;
  TSmartBarAction MenuChoice(int id, bool busy, bool acceptsInput, Registry& registry);

  // ---- showing ----
  // The bar's window rectangle when shown: the bottom right of the work area,
  // then the stored Left and Top (not numbers: the computed place), kept on
  // the nearest of the monitors' work areas. width and height are the
  // window's size, which follows its visible buttons.
  TRect Placement(Registry& registry, const TRect& workArea, const std::vector<TRect>& workAreas, int width,
                  int height) const;
  // Reads "Always On Top" (default on) and "Transparency" (default "None";
  // unknown texts change nothing).
  void LoadOptions(Registry& registry);

  bool AlwaysOnTop() const { return alwaysOnTop_; }
  uint8_t TransparencyLevel() const { return level_; }  // the checked item: 0 (None), 64, 128, 192
  bool TransparencyEnabled() const { return transparencyEnabled_; }
  // Puts the checked level into the translucency component; fromMenu marks a
  // menu choice, after which "None" also sets the alpha to 0.
  void ApplyTransparency(TLayeredForm& layered, bool fromMenu) const;

  // ---- closing ----
  // Closing is refused while the program is not ending and the options window is open.
  static bool CloseQuery(bool shuttingDown, bool optionsWindowVisible) { return shuttingDown || !optionsWindowVisible; }
  // The close notice is shown unless the program is ending.
  static bool ShowsCloseNotice(bool shuttingDown) { return !shuttingDown; }
  static void SavePosition(Registry& registry, const TRect& window);
  // Writes "Always On Top" and "Transparency".
  void SaveOptions(Registry& registry) const;

  // Command ids of the bar's own menu items.
  static constexpr int kAlwaysOnTopId = 2000;
  static constexpr int kTransparencyIdBase = 2001;  // + 0..3 for None, 25%, 50%, 75%
  static constexpr int kCommandIdBase = 1000;       // + the controller's Command

 private:
  TSmartBarFeatures features_;
  bool transparencyEnabled_;
  std::vector<TSmartBarButton> buttons_;
  bool alwaysOnTop_ = true;
  uint8_t level_ = 0;
};

// The stored text of a transparency level ("None", "25%", "50%", "75%") and
// back; false for any other text.
std::string TransparencyText(uint8_t level);
bool TransparencyFromText(const std::string& text, uint8_t& level);

// Leaves out separators at the start or end of a menu and next to another one.
void DropRedundantSeparators(std::vector<TSmartBarMenuItem>& items);

}  // namespace wx
