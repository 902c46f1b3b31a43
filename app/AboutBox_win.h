// The modal About box: icon, "Wendrix v" + version, a line about the
// program, the maker's web address as a link, and OK.
#pragma once

#include <windows.h>

namespace wx {

void ShowAboutBox(HWND owner);

}  // namespace wx
