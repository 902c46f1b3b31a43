// The one command enumeration through which the tray menu, tray clicks,
// hotkeys and the Smart Bar dispatch: the shell runs them, windows name them.
#pragma once

#include <cstdint>

namespace wx {

enum class Command : uint16_t {
  None = 0,
  SpellCheckSelected,
  SpellCheckAll,
  ThesaurusSelected,
  DefinitionsSelected,
  SpellClipboard,
  ThesClipboard,
  DefinitionsClipboard,
  OpenEditor,
  OpenEditor2,
  InstantSpell,
  SpellOptions,
  EditCustomDictionary,
  Preferences,
  SmartBar,
  PopupMenu,
  HelpContents,
  HelpTopics,
  WebSite,
  DictionaryUpdate,
  About,
  Exit,
};

}  // namespace wx
