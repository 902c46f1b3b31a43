// The Spell Viewer's own interface texts in the ten interface languages.
// Its other captions (the window title, the labels and buttons, the
// messages) are the checker's dialog texts (TSpellCheckerBase::GetString),
// taken when the viewer is set up; kSpellViewerCaptions lists which.
#pragma once

#include <string>

#include "common/Captions.h"

namespace wx {

enum class SpellViewerText : int {
  // labels, by control id
  TextLabel = 100,
  ReplaceLabel = 102,
  SuggestionsLabel = 104,
  // buttons, by control id (Cancel answers Esc, so it has the cancel id)
  Cancel = 2,
  Ignore = 110, IgnoreAll, Add, Change, ChangeAll, AutoCorrect, Undo, Options, Help,
};

const CaptionTable& SpellViewerTexts();

// The checker's dialog texts the viewer shows.
inline constexpr int kSpellTextSpelling = 13, kSpellTextComplete = 56, kSpellTextWordsChecked = 57,
                     kSpellTextNoSuggestions = 59;
struct SpellViewerCaption {
  int controlId;  // kCaptionWindowTitle for the window's title
  int textIndex;  // the checker's text
};
inline constexpr SpellViewerCaption kSpellViewerCaptions[] = {
    {kCaptionWindowTitle, kSpellTextSpelling},
    {int(SpellViewerText::ReplaceLabel), 20},
    {int(SpellViewerText::SuggestionsLabel), 21},
    {int(SpellViewerText::Undo), 22},
    {int(SpellViewerText::Options), 23},
    {int(SpellViewerText::IgnoreAll), 24},
    {int(SpellViewerText::Ignore), 25},
    {int(SpellViewerText::ChangeAll), 26},
    {int(SpellViewerText::Change), 27},
    {int(SpellViewerText::Add), 28},
    {int(SpellViewerText::AutoCorrect), 29},
    {int(SpellViewerText::Help), 30},
    {int(SpellViewerText::Cancel), 31},
};

}  // namespace wx
