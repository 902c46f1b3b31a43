#include "app/HelpTopics.h"

namespace wx {

const std::vector<int>& HelpContexts() {
  // options window 100, chkAutoRun 132, cboSingle 122, cboDouble 123, the
  // character edits 124 to 126, tray menu 130, Exit 140, Spelling Options
  // 160, Edit Custom Dictionary 170, General Options 210, Thesaurus ClipBoard 230.
  static const std::vector<int> contexts = {100, 122, 123, 124, 125, 126, 130, 132, 140, 160, 170, 210, 230};
  return contexts;
}

std::string HelpAnchor(HelpRequest request, int context) {
  switch (request) {
    case HelpRequest::Contents: return "contents";
    case HelpRequest::Index: return "index";
    case HelpRequest::Context: break;
  }
  return "ctx" + std::to_string(context);
}

std::string FileUrl(const std::string& windowsPath, const std::string& anchor) {
  static const char hex[] = "0123456789ABCDEF";
  std::string out = "file:///";
  for (char ch : windowsPath) {
    auto c = static_cast<unsigned char>(ch);
    if (c == '\\') {
      out += '/';
    } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               std::string_view("-._~/:").find(char(c)) != std::string_view::npos) {
      out += char(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  if (!anchor.empty()) out += "#" + anchor;
  return out;
}

}  // namespace wx
