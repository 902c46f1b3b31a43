#include "app/DontShowAgain.h"

#include <stdexcept>

#include "common/AnsiText.h"
#include "common/RegistryStyles.h"

namespace wx {

namespace {

std::string Clean(const std::string& text, bool keepPathChars) {
  std::string out = text;
  for (char& c : out) {
    uint8_t b = uint8_t(c);
    if (b >= 0x80) continue;  // multi-byte text: letters of other scripts stay
    if (IsAnsiAlnum(b)) continue;
    if (keepPathChars && (c == '.' || c == ':' || c == '\\')) continue;
    c = ' ';
  }
  size_t a = out.find_first_not_of(' ');
  if (a == std::string::npos) return std::string();
  size_t b = out.find_last_not_of(' ');
  return out.substr(a, b - a + 1);
}

std::string KeyFor(const std::string& storagePath, const std::string& ident, const char* what) {
  std::string path = CleanDsaStoragePath(storagePath), id = CleanDsaIdent(ident);
  if (path.empty() || id.empty()) throw std::runtime_error(std::string(what) + " storage specifier blank");
  return JoinKey(path, id);
}

}  // namespace

std::string CleanDsaIdent(const std::string& ident) { return Clean(ident, false); }
std::string CleanDsaStoragePath(const std::string& path) { return Clean(path, true); }

bool DSAIdentsGetState(Registry& registry, const std::string& storagePath, const std::string& ident) {
  std::string key = KeyFor(storagePath, ident, "DSAIdentsGetState");
  if (!registry.KeyExists(key)) return true;
  uint32_t dontShow = 0;
  if (!registry.GetDword(key, "DontShow", dontShow)) return true;
  return dontShow == 0;
}

void DSAIdentsSetState(Registry& registry, const std::string& storagePath, const std::string& ident, bool show) {
  std::string key = KeyFor(storagePath, ident, "DSAIdentsSetState");
  registry.SetDword(key, "DontShow", show ? 0 : 1);
}

}  // namespace wx
