// The main options of the resident program, kept in the plain registry style
// under "Software\Morvane\Wendrix\Options": loading (writing every missing
// default) and saving in the order the options window's OK uses.
#pragma once

#include <cstdint>
#include <string>

#include "app/Edition.h"
#include "app/HotKeys.h"
#include "common/Registry.h"

namespace wx {

inline constexpr const char* kMainOptionsKey = "\\Software\\Morvane\\Wendrix\\Options";

struct MainOptions {
  HotKeySlots hotKeys;
  uint8_t singleClickAction = moNoAction;
  uint8_t doubleClickAction = moNoAction;
  bool silentSpellMode = false;
  bool compatibilityMode = false;
  int32_t compatibilityDelay = 1000;  // milliseconds
  bool showSmartBarOnOpen = true;
  bool compatibilityCut = false;
  bool disableBackup = false;
  bool spellViewerAlwaysOnTop = false;  // from a hidden box: always false
  // "ClassicSuggestions": the speller offers the classic suggestions instead
  // of the ranked ones. No window edits it; it is read when the speller is made.
  bool classicSuggestions = false;
};

// Position of the delay track bar for a stored delay, and the delay OK stores.
inline int DelayTrackPosition(int32_t delayMs) { return delayMs / 100; }
inline int32_t DelayFromTrackPosition(int position) { return position * 100; }

// Loads every main option, writing missing defaults first. A value of another
// registry type than its own throws ERegistryException; the rest of the load
// is then skipped and `options` keeps what was read so far.
void LoadMainOptions(Registry& registry, TBuildEdition edition, MainOptions& options);

// The "ClassicSuggestions" value as the speller reads it when it is made:
// false when it is missing or not a number.
bool ReadClassicSuggestions(Registry& registry);

// Saves the options as OK does (after the hotkeys have been registered): the
// click actions, the ten hotkey texts, then the check boxes and the delay.
void SaveMainOptions(Registry& registry, const MainOptions& options);

}  // namespace wx
