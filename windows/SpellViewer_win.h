// The Spell Viewer ("Spelling"): checks the text on the clipboard in a
// read-only rich-text pane that underlines every misspelled word and shows
// the word in question in bold, with the usual commands beside it. When the
// check ends the corrected text goes back on the clipboard, as rich text
// (without the pane's own closing paragraph) when rich text was copied.
// The window itself is thin: windows/SpellViewerModel.h decides.
#pragma once

#include "windows/SpellViewerModel.h"

namespace wx {

class TSpellCheckerBase;

// Runs one check of the clipboard text with the checker. True when the
// check ran to its end (the corrected text is on the clipboard); false when
// the user cancelled it (the clipboard is left as it was). The checker's
// interface type, events and dialog hooks are given back afterwards, also
// when the run fails; an error met while the check ran cancels it and is
// thrown again from here.
bool RunSpellViewer(TSpellCheckerBase& engine, const TSpellViewerSettings& settings);

}  // namespace wx
