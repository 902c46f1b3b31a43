#include "app/CaptionTables.h"

namespace wx {

// One line per window table (each defined in its XxxTexts.cpp).
std::vector<const CaptionTable*> AllCaptionTables() {
  return {
  };
}

}  // namespace wx
