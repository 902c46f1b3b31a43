// The spell checker's persistent configuration: which main and custom
// dictionaries are used, which custom dictionary receives added words, the
// word processor's custom dictionaries, the option set, the spell dialog's
// position, extra dictionary folders and free application data.
//
// Values are strings under keys in one section named by the expanded
// ConfigID, kept in an INI file, in the registry (ini style: the section is a
// subkey of the configured key), through two callbacks, or nowhere. Lists are
// stored as NAME_count and NAME_0 ... NAME_{count-1}. The configuration loads
// on first use, takes the defaults on a first run (no "_FirstRun" = "+"), and
// is written back at the checker's save points.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/ExpandMacros.h"
#include "common/Registry.h"
#include "spelling/IniFile.h"
#include "spelling/SpellOptions.h"

namespace wx {

enum class TConfigStorage { csFile, csRegistry, csCallback, csNone };

// The checker settings that steer the configuration, with the program's values.
struct TSpellConfigSettings {
  TConfigStorage ConfigStorage = TConfigStorage::csRegistry;
  std::string ConfigID = "Default";
  std::string ConfigFilename = "%AppDir%\\Spell.cfg";          // csFile only
  std::string ConfigRegistryKey = "Software\\Morvane\\Tarvelo";  // csRegistry, under the current user
  std::vector<std::string> ConfigDictionaryDir = {"%AppDir%"};
  bool ConfigUseMSWordCustom = true;
  std::vector<std::string> ConfigDefaultMain = {"american.qxm"};
  std::vector<std::string> ConfigDefaultCustom = {"default.qxu", "autocorrect.qxu"};
  std::string ConfigDefaultActiveCustom = "default.qxu";
  TSpellOptions ConfigDefaultOptions = {soLiveSpelling, soLiveCorrect, soUpcase, soNumbers,
                                        soHTML,         soInternet,    soRepeated};
  bool ConfigDefaultUseMSWordCustom = false;
};

class TSpellConfig {
 public:
  // registry: the store for csRegistry (CurrentRegistry() when null).
  // macros: the values of the path macros (SystemMacroValues() when null).
  explicit TSpellConfig(TSpellConfigSettings settings = {}, Registry* registry = nullptr,
                        const MacroValues* macros = nullptr);
  ~TSpellConfig();  // saves pending changes
  TSpellConfig(const TSpellConfig&) = delete;
  TSpellConfig& operator=(const TSpellConfig&) = delete;

  // Events. OnChanged(dictionariesChanged, optionsChanged) is the checker's
  // hook for reopening dictionaries and rebuilding its ignore rules.
  std::function<void()> OnConfigLoaded;
  std::function<void()> OnConfigSaved;
  std::function<void(bool dictionariesChanged, bool optionsChanged)> OnChanged;
  // csCallback storage: value starts as def.
  std::function<void(const std::string& configId, const std::string& key, const std::string& def,
                     std::string& value)>
      OnConfigReadString;
  std::function<void(const std::string& configId, const std::string& key, const std::string& value)>
      OnConfigWriteString;
  // The word processor's custom dictionaries found on this system, taken as
  // defaults on a first run when both word-processor settings are on.
  std::function<std::vector<std::string>()> DetectWordCustomDictionaries;

  const TSpellConfigSettings& Settings() const { return settings_; }
  // Changing the storage, the ConfigID, the file (csFile) or the registry key
  // (csRegistry) reloads a loaded configuration; the folders only change the
  // search folders.
  void SetStorage(TConfigStorage storage);
  void SetConfigID(const std::string& id);
  void SetConfigFilename(const std::string& name);
  void SetConfigRegistryKey(const std::string& key);
  void SetDictionaryDirs(const std::vector<std::string>& dirs);
  void SetDefaults(const TSpellConfigSettings& settings);  // the Default* and word-processor fields only

  bool Loaded() const { return loaded_; }
  bool Modified() const { return modified_; }
  void SetLoaded(bool value);  // true loads, false saves and unloads
  void Load();
  void Save();
  // Defaults at the next load, then a reload.
  void Reset();
  // Save, then load.
  void Reload();

  // The lists and values (each access loads the configuration first).
  const std::vector<std::string>& MainDictionaries();
  const std::vector<std::string>& CustomDictionaries();
  const std::vector<std::string>& WordCustomDictionaries();
  void SetMainDictionaries(const std::vector<std::string>& names);
  void SetCustomDictionaries(const std::vector<std::string>& names);
  void SetWordCustomDictionaries(const std::vector<std::string>& paths);
  // Adds or removes one name (exact comparison); false when nothing changed.
  bool AddMainDictionary(const std::string& name);
  bool RemoveMainDictionary(const std::string& name);
  bool AddCustomDictionary(const std::string& name);
  bool RemoveCustomDictionary(const std::string& name);
  bool AddWordCustomDictionary(const std::string& path);
  bool RemoveWordCustomDictionary(const std::string& path);

  const std::string& ActiveCustom();
  // Also enters the name into the custom list when missing.
  void SetActiveCustom(const std::string& name);
  std::string ExpandedActiveCustom();

  TSpellOptions Options();
  void SetOptions(TSpellOptions options);
  int32_t DialogX();
  int32_t DialogY();
  void SetDialogX(int32_t x);
  void SetDialogY(int32_t y);

  // Folders the user added to the dictionary search: sorted, no duplicates.
  const std::vector<std::string>& AddedFolders();
  bool AddFolder(const std::string& folder);
  bool RemoveFolder(const std::string& folder);

  std::string UserData(const std::string& name);
  void SetUserData(const std::string& name, const std::string& value);
  std::vector<std::string> UserDataNames();

  // Through the chosen storage, in the configuration's section.
  std::string ReadValue(const std::string& key, const std::string& def);
  bool WriteValue(const std::string& key, const std::string& value);
  std::vector<std::string> ReadList(const std::string& name);
  bool WriteList(const std::string& name, const std::vector<std::string>& items);

  std::string ExpandMacros(const std::string& text) const;
  const MacroValues& Macros() const { return macros_ ? *macros_ : SystemMacroValues(); }
  // ExpandMacros, then "%ConfigID%" (first occurrence) by the expanded ConfigID.
  std::string ExpandConfigID(const std::string& text) const;
  // ConfigDictionaryDir followed by the added folders, each expanded.
  std::vector<std::string> SearchFolders();

 private:
  void EnsureLoaded();
  void Changed(bool dictionaries, bool options);
  void BeginStore();
  bool EndStore(bool write);
  void Clear();

  TSpellConfigSettings settings_;
  Registry* registry_;
  const MacroValues* macros_;

  bool loaded_ = false;
  bool modified_ = false;
  bool resetRequested_ = false;
  bool inLoad_ = false;

  std::vector<std::string> main_, custom_, wordCustom_, folders_;
  std::string activeCustom_;
  TSpellOptions options_;
  int32_t dialogX_ = -1, dialogY_ = -1;
  std::vector<std::pair<std::string, std::string>> userData_;

  // The open INI file while loading or saving (csFile).
  std::unique_ptr<IniFile> ini_;
  bool storeFailed_ = false;
};

}  // namespace wx
