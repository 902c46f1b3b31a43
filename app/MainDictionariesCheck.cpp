#include "app/MainDictionariesCheck.h"

#include <stdexcept>

#include "app/AppErrors.h"
#include "common/RegistryStyles.h"

namespace wx {

void MainDictionariesCheck::Run(Registry& registry) {
  if (checked_) return;
  RegKey key(registry, "\\Software\\Morvane\\Tarvelo");
  if (key.ValueExists("_Main_count")) {
    std::string text = key.ReadString("_Main_count");
    int32_t count;
    if (!ParseDecimal(text, count)) throw std::runtime_error("'" + text + "' is not a valid integer value");
    for (int32_t i = 0; i < count; ++i) CheckAppFile(key.ReadString("_Main_" + std::to_string(i)));
  }
  checked_ = true;
}

}  // namespace wx
