// The spelling configuration's INI file on arbitrary bytes: parsing, reading
// and writing back must end, and what is written must read back the same.
#include <cstdint>
#include <string>

#include "spelling/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  wx::IniFile ini;
  std::string text(reinterpret_cast<const char*>(data), size);
  ini.Parse(text);
  ini.Read("Default", "_Main_count", "0");
  ini.Write("Default", "_FirstRun", "+");
  wx::IniFile again;
  again.Parse(ini.Text());
  if (again.Read("default", "_firstrun", "-") != "+") __builtin_trap();
  return 0;
}
