// The Instant Spell window's command ids and its interface texts in the ten
// languages (a caption table, common/Captions.h).
#pragma once

#include "common/Captions.h"

namespace wx {

// Commands of the menu bar, the toolbar and the context menu (WM_COMMAND
// ids; the end-to-end tests send them).
enum InstantSpellCommand : int {
  cmdIsNewClear = 1001,
  cmdIsOpen,
  cmdIsSave,
  cmdIsSaveAs,
  cmdIsNoPromptToSave,
  cmdIsPrint,
  cmdIsClose,
  cmdIsUndo,
  cmdIsCut,
  cmdIsCopy,
  cmdIsInsert,
  cmdIsDelete,
  cmdIsSelectAll,
  cmdIsFont,
  cmdIsSpellCheck,
  cmdIsActiveSpell,
  cmdIsThesaurus,
  cmdIsDefinitions,
};
inline constexpr int kIsFirstCommand = cmdIsNewClear, kIsLastCommand = cmdIsDefinitions;

// Control ids.
enum InstantSpellControlId : int {
  idIsToolbar = 90,
  idIsEditor = 91,
};

// Texts that are not a control's.
enum InstantSpellTextId : int {
  txtIsFileMenu = kCaptionMessageBase,
  txtIsEditMenu,
  txtIsToolsMenu,
  txtIsAskSave,
  txtIsFileNotFound,  // %file%
  txtIsLoadFailed,
  txtIsSaveFailed,  // %file%
  txtIsFilter,      // "Name|*.ext|Name|*.ext"
};

const CaptionTable& InstantSpellTexts();

}  // namespace wx
