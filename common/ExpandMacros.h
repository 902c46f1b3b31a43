// Expands the path macros of configured file names and folders.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace wx {

// What the macros stand for, filled by the platform (SystemMacroValues) or by tests.
struct MacroValues {
  std::string appName;                  // program file name without extension
  std::optional<std::string> userName;  // empty or missing: "default"
  std::string appDir;                   // program folder without trailing separator
  std::string appData;                  // per-user application data folder (may be empty)
  std::string myDocuments;              // the user's documents folder
  // Expands %NAME% environment references; the identity when not set.
  std::function<std::string(const std::string&)> expandEnvironment;
};

// In this order, each at its first occurrence only: "%AppName%", "%UserName%",
// "%AppDir%", "%AppData%" (the program's folder when empty), "%MyDocuments%";
// then environment variables. The result is limited to 4096 characters.
std::string ExpandMacros(const std::string& text, const MacroValues& values);

// The values of the running program on this platform.
const MacroValues& SystemMacroValues();
// Expands with the running program's values.
std::string ExpandMacros(const std::string& text);

// Expands %NAME% references from a lookup; unknown names stay as written.
std::string ExpandEnvironmentReferences(const std::string& text,
                                        const std::function<std::optional<std::string>(const std::string&)>& lookup);

}  // namespace wx
