// Help: the help contexts of the windows and menus, and where our HTML help
// shows each of them. The WinHelp viewer is used only when "Wendrix.hlp"
// lies beside the program (current Windows has no such viewer); otherwise
// the HTML help beside the program opens in the default browser at the
// topic of the context.
#pragma once

#include <string>
#include <vector>

namespace wx {

inline constexpr const char* kWinHelpFile = "Wendrix.hlp";
inline constexpr const char* kHtmlHelpFile = "WendrixHelp.html";

// The help contexts given in the forms and menus.
const std::vector<int>& HelpContexts();

// What is asked of help: the table of contents, the index, or one context.
enum class HelpRequest { Contents, Index, Context };
// The anchor of a request in the HTML help: "contents", "index", "ctx100".
std::string HelpAnchor(HelpRequest request, int context);

// A file URL for a Windows path with an anchor: "C:\A B\x.html", "ctx1" ->
// "file:///C:/A%20B/x.html#ctx1". Characters other than letters, digits and
// "-._~/:" are percent-encoded byte by byte (UTF-8).
std::string FileUrl(const std::string& windowsPath, const std::string& anchor);

}  // namespace wx
