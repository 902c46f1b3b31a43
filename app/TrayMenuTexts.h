// The tray menu's texts in the ten interface languages (rows of the
// controller form's table, app/OptionsTexts.h); the menu is built each time
// it opens, so it always shows the active language.
#pragma once

#include <string>

#include "app/Commands.h"

namespace wx {

// The row of a tray or help menu item in OptionsTexts().
int TrayMenuTextId(const TrayMenuItem& item);
// The text of a tray or help menu item in the active language (its English
// caption when the table has no row for it).
std::string TrayMenuCaption(const TrayMenuItem& item);

}  // namespace wx
