// Starting the program at logon: the shortcut "Wendrix.lnk" in the user's
// Startup folder, and the conversion of the older start-up registry value
// "DravimoAutoRun" into that shortcut.
#pragma once

#include <stdexcept>
#include <string>

#include "common/Registry.h"

namespace wx {

// A shortcut that could not be made or removed; the text says which and why.
class EAutoRunError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What auto-run needs of the shell; the program's one calls Windows, tests
// use a fake. Paths are UTF-8.
class AutoRunShell {
 public:
  virtual ~AutoRunShell() = default;
  // The legacy value under "...\CurrentVersion\Run" of the machine (true) or
  // the user (false), in the 64-bit or the 32-bit view of the registry (a
  // 32-bit predecessor wrote the machine's through the 32-bit view).
  virtual bool LegacyValuePresent(bool machine) = 0;
  // Whether this user may delete it wherever it is (a standard user may not
  // delete the machine's).
  virtual bool LegacyValueDeletable(bool machine) = 0;
  // False when it cannot be deleted (no rights).
  virtual bool DeleteLegacyValue(bool machine) = 0;
  // The user's Startup folder as the shell knows it; empty when unknown.
  virtual std::string KnownStartupFolder() = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // True when the file is gone afterwards (also when it never existed);
  // otherwise false with the reason in error.
  virtual bool RemoveFile(const std::string& path, std::string& error) = 0;
  // Writes a shell link at linkPath pointing at target (no arguments, no
  // working folder); false with the reason in error.
  virtual bool SaveShortcut(const std::string& linkPath, const std::string& target, std::string& error) = 0;
};

inline constexpr const char* kAutoRunName = "Wendrix";
inline constexpr const char* kLegacyRunValue = "DravimoAutoRun";
inline constexpr const char* kExplorerKey = "Software\\MicroSoft\\Windows\\CurrentVersion\\Explorer";

// The Startup folder ("Startup" of section "Shell Folders", else the shell's
// own) + "\" + name + ".lnk". Throws EAutoRunError when no Startup folder is
// known: the shortcut never lands in a drive's root.
std::string StartupShortcutPath(Registry& registry, AutoRunShell& shell, const std::string& name);

// Writes (or overwrites) the shortcut; throws EAutoRunError on failure.
void CreateStartupShortcut(Registry& registry, AutoRunShell& shell, const std::string& name, const std::string& target);

// Converts a legacy value (machine, then user) into the shortcut: the
// shortcut is written first and the value deleted only once it exists. A
// machine value this user may not delete is skipped silently: converting it
// would write the shortcut again at every check, so auto-run could never be
// turned off. Then reports
// whether the shortcut exists. Throws EAutoRunError when the shortcut
// cannot be written (the legacy value then stays).
bool CheckAutoRun(Registry& registry, AutoRunShell& shell, const std::string& executable);

// The options window's OK: writes the shortcut when on, removes it when off.
// Throws EAutoRunError on failure.
void SaveAutoRun(Registry& registry, AutoRunShell& shell, bool on, const std::string& executable);

// The program's shell (Windows only).
AutoRunShell& SystemAutoRunShell();

}  // namespace wx
