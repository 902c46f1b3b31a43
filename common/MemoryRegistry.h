// An in-memory registry with the same rules as the Windows one (key names
// compared without regard to case), for native tests and tools.
#pragma once

#include <map>

#include "common/Registry.h"

namespace wx {

class MemoryRegistry : public Registry {
 public:
  bool KeyExists(const std::string& path) override;
  bool CreateKey(const std::string& path) override;
  bool DeleteKey(const std::string& path) override;
  RegType TypeOf(const std::string& path, const std::string& name) override;
  bool GetString(const std::string& path, const std::string& name, std::string& out) override;
  bool GetDword(const std::string& path, const std::string& name, uint32_t& out) override;
  bool GetBinary(const std::string& path, const std::string& name, std::string& out) override;
  bool SetString(const std::string& path, const std::string& name, const std::string& value) override;
  bool SetDword(const std::string& path, const std::string& name, uint32_t value) override;
  bool SetBinary(const std::string& path, const std::string& name, const std::string& value) override;
  bool DeleteValue(const std::string& path, const std::string& name) override;
  std::vector<std::string> ValueNames(const std::string& path) override;
  std::vector<std::string> SubkeyNames(const std::string& path) override;

 private:
  struct Value {
    RegType type = RegType::None;
    std::string name;  // as first written
    std::string text;  // String and Binary
    uint32_t dword = 0;
  };
  struct Key {
    std::string name;
    std::map<std::string, Value> values;  // by lower-cased name
  };
  static std::string Norm(const std::string& path);
  Value* Find(const std::string& path, const std::string& name);
  Value& Put(const std::string& path, const std::string& name);

  std::map<std::string, Key> keys_;  // by normalised (lower-case) path
};

}  // namespace wx
