#include "spelling/SpellConfig.h"

#include <algorithm>

#include "common/RegistryStyles.h"

namespace wx {

namespace {

// Stored lists longer than this are read no further: a damaged count must not
// make a load read billions of values.
constexpr int32_t kMaxListItems = 65536;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Folder names compare without regard to ASCII case, as Windows file names do.
int CompareNoCase(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = uint8_t(Lower(a[i])), y = uint8_t(Lower(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

void SortedUnique(std::vector<std::string>& list) {
  std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) { return CompareNoCase(a, b) < 0; });
  list.erase(std::unique(list.begin(), list.end(), [](const auto& a, const auto& b) { return CompareNoCase(a, b) == 0; }),
             list.end());
}

}  // namespace

const char* SpellOptionKey(TSpellOption option) {
  static constexpr const char* keys[kSpellOptionCount] = {
      "_soUpcase",   "_soNumbers",  "_soHTML",         "_soInternet",     "_soQuoted",
      "_soAbbreviations", "_soPrimaryOnly", "_soRepeated", "_soDUalCaps", "_soLiveSpelling",
      "_soLiveCorrect",   "_soUser1",       "_soUser2",    "_soUser3",    "_soUser4"};
  return option < kSpellOptionCount ? keys[option] : "";
}

TSpellConfig::TSpellConfig(TSpellConfigSettings settings, Registry* registry, const MacroValues* macros)
    : settings_(std::move(settings)), registry_(registry), macros_(macros) {}

TSpellConfig::~TSpellConfig() { SetLoaded(false); }

std::string TSpellConfig::ExpandMacros(const std::string& text) const {
  return wx::ExpandMacros(text, macros_ ? *macros_ : SystemMacroValues());
}

std::string TSpellConfig::ExpandConfigID(const std::string& text) const {
  std::string out = ExpandMacros(text);
  size_t at = out.find("%ConfigID%");
  if (at != std::string::npos) out.replace(at, 10, ExpandMacros(settings_.ConfigID));
  return out;
}

// ---- storage ----------------------------------------------------------------

void TSpellConfig::BeginStore() {
  storeFailed_ = false;
  if (settings_.ConfigStorage != TConfigStorage::csFile) return;
  ini_ = std::make_unique<IniFile>();
  if (!ini_->Load(ExpandConfigID(settings_.ConfigFilename))) storeFailed_ = true;
}

bool TSpellConfig::EndStore(bool write) {
  bool ok = write && !storeFailed_;
  if (ini_ && write && ok) ok = ini_->Flush(ExpandConfigID(settings_.ConfigFilename));
  ini_.reset();
  return ok;
}

std::string TSpellConfig::ReadValue(const std::string& key, const std::string& def) {
  const std::string section = ExpandMacros(settings_.ConfigID);
  switch (settings_.ConfigStorage) {
    case TConfigStorage::csNone:
      return def;
    case TConfigStorage::csFile: {
      if (ini_) return ini_->Read(section, key, def);
      IniFile ini;
      if (!ini.Load(ExpandConfigID(settings_.ConfigFilename))) return def;
      return ini.Read(section, key, def);
    }
    case TConfigStorage::csRegistry:
      try {
        Registry& reg = registry_ ? *registry_ : CurrentRegistry();
        return IniRegistry(reg, ExpandConfigID(settings_.ConfigRegistryKey)).ReadString(section, key, def);
      } catch (const std::exception&) {
        return def;  // a value of another registry type reads as the default
      }
    case TConfigStorage::csCallback: {
      std::string value = def;
      if (OnConfigReadString) OnConfigReadString(section, key, def, value);
      return value;
    }
  }
  return def;
}

bool TSpellConfig::WriteValue(const std::string& key, const std::string& value) {
  const std::string section = ExpandMacros(settings_.ConfigID);
  switch (settings_.ConfigStorage) {
    case TConfigStorage::csNone:
      return true;
    case TConfigStorage::csFile: {
      if (ini_) {
        ini_->Write(section, key, value);
        return true;
      }
      IniFile ini;
      std::string path = ExpandConfigID(settings_.ConfigFilename);
      if (!ini.Load(path)) return false;
      ini.Write(section, key, value);
      return ini.Flush(path);
    }
    case TConfigStorage::csRegistry:
      try {
        Registry& reg = registry_ ? *registry_ : CurrentRegistry();
        IniRegistry(reg, ExpandConfigID(settings_.ConfigRegistryKey)).WriteString(section, key, value);
        return true;
      } catch (const std::exception&) {
        return false;
      }
    case TConfigStorage::csCallback:
      if (OnConfigWriteString) OnConfigWriteString(section, key, value);
      return true;
  }
  return false;
}

std::vector<std::string> TSpellConfig::ReadList(const std::string& name) {
  std::vector<std::string> out;
  int32_t count = 0;
  if (!ParseDecimal(ReadValue(name + "_count", ""), count) || count < 0) return out;
  count = std::min(count, kMaxListItems);
  for (int32_t i = 0; i < count; ++i) {
    std::string item = ReadValue(name + "_" + std::to_string(i), "");
    if (!item.empty()) out.push_back(std::move(item));
  }
  return out;
}

bool TSpellConfig::WriteList(const std::string& name, const std::vector<std::string>& items) {
  if (!WriteValue(name + "_count", std::to_string(items.size()))) return false;
  for (size_t i = 0; i < items.size(); ++i)
    if (!WriteValue(name + "_" + std::to_string(i), items[i])) return false;
  return true;
}

// ---- load and save ----------------------------------------------------------

void TSpellConfig::Clear() {
  main_.clear();
  custom_.clear();
  wordCustom_.clear();
  folders_.clear();
  activeCustom_.clear();
  options_ = TSpellOptions();
  dialogX_ = dialogY_ = -1;
  userData_.clear();
}

void TSpellConfig::Load() {
  if (inLoad_) return;
  inLoad_ = true;
  BeginStore();
  bool firstRun = resetRequested_ || ReadValue("_FirstRun", "-") == "-";
  Clear();
  if (firstRun) {
    main_ = settings_.ConfigDefaultMain;
    custom_ = settings_.ConfigDefaultCustom;
    if (settings_.ConfigUseMSWordCustom && settings_.ConfigDefaultUseMSWordCustom && DetectWordCustomDictionaries)
      wordCustom_ = DetectWordCustomDictionaries();
    options_ = settings_.ConfigDefaultOptions;
    activeCustom_ = ExpandConfigID(settings_.ConfigDefaultActiveCustom);
    if (!activeCustom_.empty() && std::find(custom_.begin(), custom_.end(), activeCustom_) == custom_.end())
      custom_.push_back(activeCustom_);
  } else {
    main_ = ReadList("_Main");
    custom_ = ReadList("_Custom");
    wordCustom_ = ReadList("_MSWordCustom");
    activeCustom_ = ReadValue("_ActiveCustom", "");
    for (int o = 0; o < kSpellOptionCount; ++o)
      options_.Set(TSpellOption(o), ReadValue(SpellOptionKey(TSpellOption(o)), "-") == "+");
    int32_t v;
    dialogX_ = ParseDecimal(ReadValue("_DialogX", "-1"), v) ? v : -1;
    dialogY_ = ParseDecimal(ReadValue("_DialogY", "-1"), v) ? v : -1;
    folders_ = ReadList("_NewPaths");
    SortedUnique(folders_);
    for (const auto& name : ReadList("_UserData")) userData_.emplace_back(name, ReadValue("User_" + name, ""));
  }
  resetRequested_ = false;
  EndStore(false);
  loaded_ = true;
  inLoad_ = false;
  if (OnConfigLoaded) OnConfigLoaded();
  Changed(true, true);
}

void TSpellConfig::Save() {
  if (!modified_ || !loaded_) return;
  bool ok = true;
  if (settings_.ConfigStorage != TConfigStorage::csNone) {
    BeginStore();
    auto write = [&](const std::string& key, const std::string& value) {
      if (ok) ok = WriteValue(key, value);
    };
    auto writeList = [&](const std::string& name, const std::vector<std::string>& items) {
      if (ok) ok = WriteList(name, items);
    };
    write("_FirstRun", "+");
    writeList("_Main", main_);
    writeList("_Custom", custom_);
    writeList("_MSWordCustom", wordCustom_);
    write("_ActiveCustom", activeCustom_);
    for (int o = 0; o < kSpellOptionCount; ++o)
      write(SpellOptionKey(TSpellOption(o)), options_.Has(TSpellOption(o)) ? "+" : "-");
    write("_DialogX", std::to_string(dialogX_));
    write("_DialogY", std::to_string(dialogY_));
    writeList("_NewPaths", folders_);
    std::vector<std::string> names;
    for (const auto& [name, value] : userData_) names.push_back(name);
    writeList("_UserData", names);
    for (const auto& [name, value] : userData_) write("User_" + name, value);
    ok = EndStore(ok);
  }
  // A failed write leaves the configuration modified, so the next save point
  // tries again.
  if (!ok) return;
  modified_ = false;
  if (OnConfigSaved) OnConfigSaved();
}

void TSpellConfig::SetLoaded(bool value) {
  if (value == loaded_) return;
  if (value) {
    Load();
    return;
  }
  Save();
  Clear();
  loaded_ = false;
  modified_ = false;
}

void TSpellConfig::Reload() {
  Save();
  loaded_ = false;
  modified_ = false;
  Load();
}

void TSpellConfig::Reset() {
  resetRequested_ = true;
  Reload();
}

void TSpellConfig::EnsureLoaded() {
  if (!loaded_) Load();
}

void TSpellConfig::Changed(bool dictionaries, bool options) {
  modified_ = true;
  if (OnChanged) OnChanged(dictionaries, options);
}

// ---- settings ---------------------------------------------------------------

void TSpellConfig::SetStorage(TConfigStorage storage) {
  if (storage == settings_.ConfigStorage) return;
  bool was = loaded_;
  SetLoaded(false);
  settings_.ConfigStorage = storage;
  if (was) Load();
}

void TSpellConfig::SetConfigID(const std::string& id) {
  if (id == settings_.ConfigID) return;
  bool was = loaded_;
  SetLoaded(false);
  settings_.ConfigID = id;
  if (was) Load();
}

void TSpellConfig::SetConfigFilename(const std::string& name) {
  if (name == settings_.ConfigFilename) return;
  bool active = loaded_ && settings_.ConfigStorage == TConfigStorage::csFile;
  if (active) SetLoaded(false);
  settings_.ConfigFilename = name;
  if (active) Load();
}

void TSpellConfig::SetConfigRegistryKey(const std::string& key) {
  if (key == settings_.ConfigRegistryKey) return;
  bool active = loaded_ && settings_.ConfigStorage == TConfigStorage::csRegistry;
  if (active) SetLoaded(false);
  settings_.ConfigRegistryKey = key;
  if (active) Load();
}

void TSpellConfig::SetDictionaryDirs(const std::vector<std::string>& dirs) {
  settings_.ConfigDictionaryDir = dirs;
  if (loaded_) Changed(true, false);
}

void TSpellConfig::SetDefaults(const TSpellConfigSettings& s) {
  settings_.ConfigUseMSWordCustom = s.ConfigUseMSWordCustom;
  settings_.ConfigDefaultMain = s.ConfigDefaultMain;
  settings_.ConfigDefaultCustom = s.ConfigDefaultCustom;
  settings_.ConfigDefaultActiveCustom = s.ConfigDefaultActiveCustom;
  settings_.ConfigDefaultOptions = s.ConfigDefaultOptions;
  settings_.ConfigDefaultUseMSWordCustom = s.ConfigDefaultUseMSWordCustom;
}

// ---- lists and values -------------------------------------------------------

const std::vector<std::string>& TSpellConfig::MainDictionaries() {
  EnsureLoaded();
  return main_;
}
const std::vector<std::string>& TSpellConfig::CustomDictionaries() {
  EnsureLoaded();
  return custom_;
}
const std::vector<std::string>& TSpellConfig::WordCustomDictionaries() {
  EnsureLoaded();
  return wordCustom_;
}

namespace {
bool AddTo(std::vector<std::string>& list, const std::string& item) {
  if (item.empty() || std::find(list.begin(), list.end(), item) != list.end()) return false;
  list.push_back(item);
  return true;
}
bool RemoveFrom(std::vector<std::string>& list, const std::string& item) {
  auto it = std::find(list.begin(), list.end(), item);
  if (it == list.end()) return false;
  list.erase(it);
  return true;
}
}  // namespace

void TSpellConfig::SetMainDictionaries(const std::vector<std::string>& names) {
  EnsureLoaded();
  if (names == main_) return;
  main_ = names;
  Changed(true, false);
}
void TSpellConfig::SetCustomDictionaries(const std::vector<std::string>& names) {
  EnsureLoaded();
  if (names == custom_) return;
  custom_ = names;
  Changed(true, false);
}
void TSpellConfig::SetWordCustomDictionaries(const std::vector<std::string>& paths) {
  EnsureLoaded();
  if (paths == wordCustom_) return;
  wordCustom_ = paths;
  Changed(true, false);
}

#define WX_LIST_OP(Method, Op, member)                \
  bool TSpellConfig::Method(const std::string& item) { \
    EnsureLoaded();                                    \
    if (!Op(member, item)) return false;               \
    Changed(true, false);                              \
    return true;                                       \
  }
WX_LIST_OP(AddMainDictionary, AddTo, main_)
WX_LIST_OP(RemoveMainDictionary, RemoveFrom, main_)
WX_LIST_OP(AddCustomDictionary, AddTo, custom_)
WX_LIST_OP(RemoveCustomDictionary, RemoveFrom, custom_)
WX_LIST_OP(AddWordCustomDictionary, AddTo, wordCustom_)
WX_LIST_OP(RemoveWordCustomDictionary, RemoveFrom, wordCustom_)
#undef WX_LIST_OP

const std::string& TSpellConfig::ActiveCustom() {
  EnsureLoaded();
  return activeCustom_;
}

void TSpellConfig::SetActiveCustom(const std::string& name) {
  EnsureLoaded();
  bool changed = name != activeCustom_;
  activeCustom_ = name;
  changed |= AddTo(custom_, name);
  if (changed) Changed(true, false);
}

std::string TSpellConfig::ExpandedActiveCustom() { return ExpandConfigID(ActiveCustom()); }

TSpellOptions TSpellConfig::Options() {
  EnsureLoaded();
  return options_;
}

void TSpellConfig::SetOptions(TSpellOptions options) {
  EnsureLoaded();
  if (options == options_) return;
  options_ = options;
  Changed(false, true);
}

int32_t TSpellConfig::DialogX() {
  EnsureLoaded();
  return dialogX_;
}
int32_t TSpellConfig::DialogY() {
  EnsureLoaded();
  return dialogY_;
}
void TSpellConfig::SetDialogX(int32_t x) {
  EnsureLoaded();
  if (x == dialogX_) return;
  dialogX_ = x;
  Changed(false, false);
}
void TSpellConfig::SetDialogY(int32_t y) {
  EnsureLoaded();
  if (y == dialogY_) return;
  dialogY_ = y;
  Changed(false, false);
}

const std::vector<std::string>& TSpellConfig::AddedFolders() {
  EnsureLoaded();
  return folders_;
}

bool TSpellConfig::AddFolder(const std::string& folder) {
  EnsureLoaded();
  if (folder.empty()) return false;
  for (const auto& f : folders_)
    if (CompareNoCase(f, folder) == 0) return false;
  folders_.push_back(folder);
  SortedUnique(folders_);
  Changed(true, false);
  return true;
}

bool TSpellConfig::RemoveFolder(const std::string& folder) {
  EnsureLoaded();
  auto it = std::find_if(folders_.begin(), folders_.end(), [&](const auto& f) { return CompareNoCase(f, folder) == 0; });
  if (it == folders_.end()) return false;
  folders_.erase(it);
  Changed(true, false);
  return true;
}

std::string TSpellConfig::UserData(const std::string& name) {
  EnsureLoaded();
  for (const auto& [n, v] : userData_)
    if (n == name) return v;
  return {};
}

void TSpellConfig::SetUserData(const std::string& name, const std::string& value) {
  EnsureLoaded();
  if (name.empty()) return;
  for (auto& [n, v] : userData_)
    if (n == name) {
      if (v == value) return;
      v = value;
      modified_ = true;
      return;
    }
  userData_.emplace_back(name, value);
  modified_ = true;
}

std::vector<std::string> TSpellConfig::UserDataNames() {
  EnsureLoaded();
  std::vector<std::string> names;
  for (const auto& [n, v] : userData_) names.push_back(n);
  return names;
}

std::vector<std::string> TSpellConfig::SearchFolders() {
  std::vector<std::string> out;
  for (const auto& d : settings_.ConfigDictionaryDir) out.push_back(ExpandMacros(d));
  for (const auto& d : AddedFolders()) out.push_back(ExpandMacros(d));
  return out;
}

}  // namespace wx
