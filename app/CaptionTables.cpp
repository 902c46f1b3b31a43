#include "app/CaptionTables.h"

#include "app/AboutTexts.h"
#include "app/AppTexts.h"
#include "app/OptionsTexts.h"
#include "spelling/CustomDictionariesTexts.h"
#include "spelling/CustomDictionaryEditTexts.h"
#include "spelling/SpellDialogTexts.h"
#include "spelling/SpellOptionsTexts.h"
#include "definitions/DefinitionsFormTexts.h"
#include "windows/InstantSpellTexts.h"
#include "windows/LiveSpellingTexts.h"
#include "windows/SmartBarTexts.h"
#include "windows/SpellViewerTexts.h"

namespace wx {

// One line per window table (each defined in its XxxTexts.cpp).
std::vector<const CaptionTable*> AllCaptionTables() {
  return {
      &OptionsTexts(),
      &AboutTexts(),
      &SmartBarTexts(),
      &SpellOptionsTexts(),
      &CustomDictionariesTexts(),
      &NewCustomDictionaryTexts(),
      &CustomDictionaryEditTexts(),
      &DefinitionsFormTexts(),
      &InstantSpellTexts(),
      &LiveSpellingTexts(),
      &SpellViewerTexts(),
      &SpellDialogTexts(),
      &AppTexts(),
  };
}

}  // namespace wx
