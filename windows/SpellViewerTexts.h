// The Spell Viewer's interface texts in the ten interface languages. The ids
// of the labels and buttons are their control ids, so that the caption layer
// can apply them to the window.
#pragma once

#include <string>

#include "common/Captions.h"

namespace wx {

enum class SpellViewerText : int {
  Caption = kCaptionWindowTitle,
  // labels, by control id
  TextLabel = 100,
  ReplaceLabel = 102,
  SuggestionsLabel = 104,
  // buttons, by control id (Cancel answers Esc, so it has the cancel id)
  Cancel = 2,
  Ignore = 110, IgnoreAll, Add, Change, ChangeAll, AutoCorrect, Undo, Options, Help,
  // messages and list entries
  Complete = kCaptionMessageBase,
  WordsChecked,
  NoSuggestions,
};

const CaptionTable& SpellViewerTexts();

// The text in the active interface language (UTF-8, "&" marks the access key).
std::string SpellViewerCaption(SpellViewerText id);

}  // namespace wx
