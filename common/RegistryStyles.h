// The two ways settings are kept in the registry.
//
// RegKey, the plain style: values with their native types (REG_DWORD for
// numbers and booleans, REG_SZ for texts); reading a missing value or one of
// another type throws ERegistryException.
//
// IniRegistry, the ini-file style: a base key and one subkey per section,
// every value REG_SZ (numbers as decimal text, booleans "0"/"1"); a missing
// value or non-numeric text reads as the caller's default, a value of another
// registry type throws.
#pragma once

#include <string>

#include "common/Registry.h"

namespace wx {

class RegKey {
 public:
  // Opens the key, creating it when create is set (and throwing when that fails).
  RegKey(Registry& registry, std::string path, bool create = true);

  const std::string& path() const { return path_; }
  bool ValueExists(const std::string& name) const;
  RegType TypeOf(const std::string& name) const;

  std::string ReadString(const std::string& name) const;
  int32_t ReadInteger(const std::string& name) const;
  bool ReadBool(const std::string& name) const;  // any value but 0 is true

  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int32_t value);
  void WriteBool(const std::string& name, bool value);
  bool DeleteValue(const std::string& name);

 private:
  Registry& reg_;
  std::string path_;
};

class IniRegistry {
 public:
  IniRegistry(Registry& registry, std::string base);

  bool ValueExists(const std::string& section, const std::string& name) const;
  std::string ReadString(const std::string& section, const std::string& name, const std::string& def) const;
  int32_t ReadInteger(const std::string& section, const std::string& name, int32_t def) const;
  bool ReadBool(const std::string& section, const std::string& name, bool def) const;

  void WriteString(const std::string& section, const std::string& name, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& name, int32_t value);
  void WriteBool(const std::string& section, const std::string& name, bool value);
  void DeleteKey(const std::string& section, const std::string& name);
  void EraseSection(const std::string& section);

 private:
  std::string Key(const std::string& section) const { return JoinKey(base_, section); }
  Registry& reg_;
  std::string base_;
};

// Strict decimal integer as the settings store reads it: optional sign, digits,
// within 32 bits; surrounding blanks are not allowed. False otherwise.
bool ParseDecimal(const std::string& text, int32_t& out);

}  // namespace wx
