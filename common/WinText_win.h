// ANSI words (as the engines hold them) to and from the W API.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace wx {

// An ANSI word as UTF-16.
std::wstring AnsiToWide(std::string_view ansi);
// A control's text as the engines take it: characters outside the code page
// become '?', which no stored word holds.
std::string AnsiOfWindow(HWND window);

}  // namespace wx
