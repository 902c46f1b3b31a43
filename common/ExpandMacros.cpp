#include "common/ExpandMacros.h"

namespace wx {

namespace {

void ReplaceFirst(std::string& text, const std::string& macro, const std::string& value) {
  size_t at = text.find(macro);
  if (at != std::string::npos) text.replace(at, macro.size(), value);
}

}  // namespace

std::string ExpandMacros(const std::string& input, const MacroValues& v) {
  std::string text = input;
  ReplaceFirst(text, "%AppName%", v.appName);
  if (text.find("%UserName%") != std::string::npos)
    ReplaceFirst(text, "%UserName%", v.userName && !v.userName->empty() ? *v.userName : "default");
  ReplaceFirst(text, "%AppDir%", v.appDir);
  ReplaceFirst(text, "%AppData%", v.appData.empty() ? v.appDir : v.appData);
  ReplaceFirst(text, "%MyDocuments%", v.myDocuments);
  if (v.expandEnvironment) text = v.expandEnvironment(text);
  if (text.size() > 4096) text.resize(4096);
  return text;
}

std::string ExpandMacros(const std::string& text) { return ExpandMacros(text, SystemMacroValues()); }

std::string ExpandEnvironmentReferences(const std::string& text,
                                        const std::function<std::optional<std::string>(const std::string&)>& lookup) {
  std::string out;
  size_t i = 0;
  while (i < text.size()) {
    size_t open = text.find('%', i);
    if (open == std::string::npos) break;
    size_t close = text.find('%', open + 1);
    if (close == std::string::npos) break;
    out.append(text, i, open - i);
    std::string name = text.substr(open + 1, close - open - 1);
    std::optional<std::string> value = name.empty() ? std::nullopt : lookup(name);
    if (value) {
      out += *value;
      i = close + 1;
    } else {
      out += '%';  // not a variable: keep the first "%" and look again from the second
      out.append(text, open + 1, close - open - 1);
      i = close;
    }
  }
  out.append(text, i, std::string::npos);
  return out;
}

}  // namespace wx
