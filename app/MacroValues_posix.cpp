// Natively the macros stand for the tool's folder and the user's environment.
#include <cstdlib>
#include <filesystem>

#include "app/AppErrors.h"
#include "common/ExpandMacros.h"

namespace wx {

const MacroValues& SystemMacroValues() {
  static const MacroValues values = [] {
    MacroValues v;
    std::string dir = AppDir();
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\')) dir.pop_back();
    v.appDir = dir;
    std::error_code ec;
    v.appName = std::filesystem::read_symlink("/proc/self/exe", ec).stem().string();
    if (const char* u = std::getenv("USER")) v.userName = u;
    const char* home = std::getenv("HOME");
    if (const char* x = std::getenv("XDG_DATA_HOME")) v.appData = x;
    else if (home) v.appData = std::string(home) + "/.local/share";
    if (home) v.myDocuments = std::string(home) + "/Documents";
    v.expandEnvironment = [](const std::string& s) {
      return ExpandEnvironmentReferences(s, [](const std::string& name) -> std::optional<std::string> {
        const char* value = std::getenv(name.c_str());
        return value ? std::optional<std::string>(value) : std::nullopt;
      });
    };
    return v;
  }();
  return values;
}

}  // namespace wx
