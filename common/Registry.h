// The current user's registry as portable code sees it: typed values under
// keys named by backslash-separated paths relative to HKEY_CURRENT_USER (a
// leading backslash is ignored). The program's implementation calls the
// Windows registry; tests use MemoryRegistry. All text is UTF-8.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace wx {

enum class RegType { None, String, Dword, Binary, Other };

class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool KeyExists(const std::string& path) = 0;
  virtual bool CreateKey(const std::string& path) = 0;
  virtual bool DeleteKey(const std::string& path) = 0;  // with its subkeys
  // The type of a value; None when the key or the value is missing.
  virtual RegType TypeOf(const std::string& path, const std::string& name) = 0;
  // Reads fail (false) when the value is missing or of another type.
  virtual bool GetString(const std::string& path, const std::string& name, std::string& out) = 0;
  virtual bool GetDword(const std::string& path, const std::string& name, uint32_t& out) = 0;
  virtual bool GetBinary(const std::string& path, const std::string& name, std::string& out) = 0;
  // Writes create the key when missing.
  virtual bool SetString(const std::string& path, const std::string& name, const std::string& value) = 0;
  virtual bool SetDword(const std::string& path, const std::string& name, uint32_t value) = 0;
  virtual bool SetBinary(const std::string& path, const std::string& name, const std::string& value) = 0;
  virtual bool DeleteValue(const std::string& path, const std::string& name) = 0;
  virtual std::vector<std::string> ValueNames(const std::string& path) = 0;
  virtual std::vector<std::string> SubkeyNames(const std::string& path) = 0;
};

// The registry the program uses: the Windows one in the program, an in-memory
// one natively (set by tests or tools with SetCurrentRegistry).
Registry& CurrentRegistry();
void SetCurrentRegistry(std::shared_ptr<Registry> registry);
// The machine-wide registry (HKEY_LOCAL_MACHINE), for reading; natively an
// empty in-memory one.
Registry& MachineRegistry();

// A value read with the wrong registry type, or a key that cannot be written.
class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Joins a key path and a subkey with one backslash.
std::string JoinKey(const std::string& path, const std::string& sub);

}  // namespace wx
