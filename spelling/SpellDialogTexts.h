// The spell-check dialog's texts in the ten interface languages, and the
// checker's dialog texts by index (TSpellCheckerBase::GetString).
#pragma once

#include <string>

#include "common/Captions.h"
#include "spelling/SpellDialogCommands.h"

namespace wx {

enum SpellDialogTextId : int {
  idSpellCancel = 2,  // IDCANCEL: Esc cancels the check
  idSpellNotFoundLabel = 3001,
  idSpellReplaceLabel = 3002,
  idSpellSuggestionsLabel = 3003,
  idSpellWordEdit = 3004,
  idSpellReplaceEdit = 3005,
  idSpellSuggestionList = 3006,
  idSpellIgnore = 3010,
  idSpellIgnoreAll = 3011,
  idSpellChange = 3012,
  idSpellChangeAll = 3013,
  idSpellAdd = 3014,
  idSpellAutoCorrect = 3015,
  idSpellHelp = 3016,
  idSpellUndo = 3017,
  idSpellOptions = 3019,
  // Texts that change with the word: the label over it and the Change
  // button, which deletes the second copy of a repeated word.
  txtSpellNotFound = kCaptionMessageBase,
  txtSpellRepeatedWord,
  txtSpellChange,
  txtSpellDelete,
  txtSpellNoSuggestions,
  txtSpellComplete,
  txtSpellWordsChecked,
  txtSpellCheckRemainder,
};

const CaptionTable& SpellDialogTexts();

// The checker's dialog text `index` (0 ... 65) in English, and in a language
// from the windows' caption tables where they hold it (English otherwise).
std::string SpellStringEnglish(int index);
// Between the checker's languages and the interface languages (Russian has
// no interface texts: English).
UiLanguage UiLanguageOf(TSpellLanguageType language);
TSpellLanguageType SpellLanguageOf(UiLanguage language);
std::string SpellStringFromTables(int index, UiLanguage language);

}  // namespace wx
