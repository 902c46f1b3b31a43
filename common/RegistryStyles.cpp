#include "common/RegistryStyles.h"

#include <limits>
#include <memory>
#include <mutex>

#include "common/MemoryRegistry.h"

namespace wx {

namespace {
std::shared_ptr<Registry>& CurrentSlot() {
  static std::shared_ptr<Registry> current;
  return current;
}
}  // namespace

std::shared_ptr<Registry> MakeSystemRegistry();  // the platform's registry

Registry& CurrentRegistry() {
  auto& slot = CurrentSlot();
  if (!slot) slot = MakeSystemRegistry();
  return *slot;
}

void SetCurrentRegistry(std::shared_ptr<Registry> registry) { CurrentSlot() = std::move(registry); }

std::string JoinKey(const std::string& path, const std::string& sub) {
  if (path.empty()) return sub;
  if (sub.empty()) return path;
  if (path.back() == '\\') return path + sub;
  return path + "\\" + sub;
}

bool ParseDecimal(const std::string& text, int32_t& out) {
  size_t i = 0;
  bool neg = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) neg = text[i++] == '-';
  if (i >= text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    v = v * 10 + (text[i] - '0');
    if (v > int64_t(std::numeric_limits<int32_t>::max()) + 1) return false;
  }
  if (neg) v = -v;
  if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min()) return false;
  out = int32_t(v);
  return true;
}

RegKey::RegKey(Registry& registry, std::string path, bool create) : reg_(registry), path_(std::move(path)) {
  if (create && !reg_.CreateKey(path_)) throw ERegistryException("Failed to create key " + path_);
}

bool RegKey::ValueExists(const std::string& name) const { return reg_.TypeOf(path_, name) != RegType::None; }

RegType RegKey::TypeOf(const std::string& name) const { return reg_.TypeOf(path_, name); }

std::string RegKey::ReadString(const std::string& name) const {
  std::string v;
  if (reg_.GetString(path_, name, v)) return v;
  if (!ValueExists(name)) return std::string();  // a missing text reads as empty
  throw ERegistryException("Invalid data type for '" + name + "'");
}

int32_t RegKey::ReadInteger(const std::string& name) const {
  uint32_t v;
  if (reg_.GetDword(path_, name, v)) return int32_t(v);
  if (!ValueExists(name)) throw ERegistryException("Failed to get data for '" + name + "'");
  throw ERegistryException("Invalid data type for '" + name + "'");
}

bool RegKey::ReadBool(const std::string& name) const { return ReadInteger(name) != 0; }

void RegKey::WriteString(const std::string& name, const std::string& value) {
  if (!reg_.SetString(path_, name, value)) throw ERegistryException("Failed to set data for '" + name + "'");
}

void RegKey::WriteInteger(const std::string& name, int32_t value) {
  if (!reg_.SetDword(path_, name, uint32_t(value)))
    throw ERegistryException("Failed to set data for '" + name + "'");
}

void RegKey::WriteBool(const std::string& name, bool value) { WriteInteger(name, value ? 1 : 0); }

bool RegKey::DeleteValue(const std::string& name) { return reg_.DeleteValue(path_, name); }

IniRegistry::IniRegistry(Registry& registry, std::string base) : reg_(registry), base_(std::move(base)) {}

bool IniRegistry::ValueExists(const std::string& section, const std::string& name) const {
  return reg_.TypeOf(Key(section), name) != RegType::None;
}

std::string IniRegistry::ReadString(const std::string& section, const std::string& name,
                                    const std::string& def) const {
  std::string key = Key(section);
  switch (reg_.TypeOf(key, name)) {
    case RegType::None:
      return def;
    case RegType::String: {
      std::string v;
      return reg_.GetString(key, name, v) ? v : def;
    }
    default:
      throw ERegistryException("Invalid data type for '" + name + "'");
  }
}

int32_t IniRegistry::ReadInteger(const std::string& section, const std::string& name, int32_t def) const {
  std::string text = ReadString(section, name, std::string());
  int32_t v;
  return ParseDecimal(text, v) ? v : def;
}

bool IniRegistry::ReadBool(const std::string& section, const std::string& name, bool def) const {
  return ReadInteger(section, name, def ? 1 : 0) != 0;
}

void IniRegistry::WriteString(const std::string& section, const std::string& name, const std::string& value) {
  if (!reg_.SetString(Key(section), name, value)) throw ERegistryException("Failed to set data for '" + name + "'");
}

void IniRegistry::WriteInteger(const std::string& section, const std::string& name, int32_t value) {
  WriteString(section, name, std::to_string(value));
}

void IniRegistry::WriteBool(const std::string& section, const std::string& name, bool value) {
  WriteString(section, name, value ? "1" : "0");
}

void IniRegistry::DeleteKey(const std::string& section, const std::string& name) {
  reg_.DeleteValue(Key(section), name);
}

void IniRegistry::EraseSection(const std::string& section) { reg_.DeleteKey(Key(section)); }

}  // namespace wx
