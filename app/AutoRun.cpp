#include "app/AutoRun.h"

#include "common/RegistryStyles.h"

namespace wx {

std::string StartupShortcutPath(Registry& registry, AutoRunShell& shell, const std::string& name) {
  std::string folder = IniRegistry(registry, kExplorerKey).ReadString("Shell Folders", "Startup", "");
  if (folder.empty()) folder = shell.KnownStartupFolder();
  if (folder.empty()) throw EAutoRunError("The Startup folder could not be found.");
  if (folder.back() != '\\' && folder.back() != '/') folder += '\\';
  return folder + name + ".lnk";
}

void CreateStartupShortcut(Registry& registry, AutoRunShell& shell, const std::string& name,
                           const std::string& target) {
  std::string link = StartupShortcutPath(registry, shell, name);
  std::string error;
  if (!shell.SaveShortcut(link, target, error))
    throw EAutoRunError("Could not save the shortcut " + link + (error.empty() ? "." : ":\r\n" + error));
}

bool CheckAutoRun(Registry& registry, AutoRunShell& shell, const std::string& executable) {
  for (bool machine : {true, false}) {
    if (!shell.LegacyValuePresent(machine)) continue;
    if (machine && !shell.LegacyValueDeletable(machine)) continue;
    CreateStartupShortcut(registry, shell, kAutoRunName, executable);
    shell.DeleteLegacyValue(machine);  // a failure here is left alone: the check above answered for the rights
  }
  return shell.FileExists(StartupShortcutPath(registry, shell, kAutoRunName));
}

void SaveAutoRun(Registry& registry, AutoRunShell& shell, bool on, const std::string& executable) {
  if (on) {
    CreateStartupShortcut(registry, shell, kAutoRunName, executable);
    return;
  }
  std::string link = StartupShortcutPath(registry, shell, kAutoRunName);
  std::string error;
  if (!shell.RemoveFile(link, error))
    throw EAutoRunError("Could not delete the shortcut " + link + (error.empty() ? "." : ":\r\n" + error));
}

}  // namespace wx
