// Opens help for a request (see app/HelpTopics.h).
#pragma once

#include <windows.h>

#include "app/HelpTopics.h"

namespace wx {

// WinHelp with "Wendrix.hlp" when that file lies beside the program;
// otherwise the HTML help in the browser registered for .html files, at the
// request's topic. Throws EFileNotFoundAppDir when the HTML help is
// missing and EBrowserError when no browser starts.
void ShowHelp(HWND owner, HelpRequest request, int context = 0);

}  // namespace wx
