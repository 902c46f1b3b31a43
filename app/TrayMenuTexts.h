// The tray menu's texts in the ten interface languages (rows of the
// controller form's table, app/OptionsTexts.h); the menu is built each time
// it opens, so it always shows the active language. Also the tray icon's tip
// while an action runs.
#pragma once

#include <string>

#include "app/Commands.h"

namespace wx {

// The row of a tray or help menu item in OptionsTexts().
int TrayMenuTextId(const TrayMenuItem& item);
// The text of a tray or help menu item in the active language (its English
// caption when the table has no row for it).
std::string TrayMenuCaption(const TrayMenuItem& item);
// The tray icon's tip while an action runs ("Working..."), in the active
// language; it is set each time the work state changes.
std::string TrayBusyTip();

}  // namespace wx
