#include "app/CaptionTables.h"

#include "app/OptionsTexts.h"
#include "definitions/DefinitionsFormTexts.h"
#include "windows/SmartBarTexts.h"

namespace wx {

// One line per window table (each defined in its XxxTexts.cpp).
std::vector<const CaptionTable*> AllCaptionTables() {
  return {
      &OptionsTexts(),
      &DefinitionsFormTexts(),
      &SmartBarTexts(),
  };
}

}  // namespace wx
