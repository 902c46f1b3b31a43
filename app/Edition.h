// Product editions and the tray click action codes. The edition is chosen at
// compile time (WX_BUILD_EDITION, default the thesaurus edition); it decides
// which entry points (menu items, hotkeys, click defaults) the program offers.
#pragma once

#include <cstdint>

namespace wx {

enum TBuildEdition : uint8_t {
  edAllServices = 0,
  edSuiteA = 1,
  edSuiteB = 2,
  edSuiteC = 3,
  edSpellingOnly = 4,
  edThesaurusOnly = 5,
};

#ifndef WX_BUILD_EDITION
#define WX_BUILD_EDITION 5
#endif
inline constexpr TBuildEdition BuildEdition = TBuildEdition(WX_BUILD_EDITION);
static_assert(WX_BUILD_EDITION >= 0 && WX_BUILD_EDITION <= 5, "unknown edition");

// Action codes stored for tray clicks.
enum TmoTypes : uint8_t {
  moNoAction = 0,
  moSpellCheckClipBoard = 1,
  moThesaurusClipBoard = 2,
  moDefinitionsClipBoard = 3,
  moOpenEditor = 4,
  moOpenInstantSpell = 5,
  moSpellCheckConfiguration = 6,
  moOpenPreferences = 7,
  moShowSmartBar = 8,
  moShowPopupMenu = 9,
};

// What an edition offers through menus and hotkeys.
bool EditionHasSpelling(TBuildEdition e);
bool EditionHasThesaurus(TBuildEdition e);
bool EditionHasDefinitions(TBuildEdition e);
bool EditionHasEditors(TBuildEdition e);

// Default tray click actions written on a first run.
struct ClickDefaults {
  TmoTypes single;
  TmoTypes dbl;
};
ClickDefaults DefaultClickActions(TBuildEdition e);

}  // namespace wx
