#include "windows/SpellViewerTexts.h"

namespace wx {

namespace {

// English, Danish, Dutch, French, German, Italian, Portuguese (Brazil),
// Portuguese (Portugal), Spanish, Swedish.
const Caption kRows[] = {
    {int(SpellViewerText::TextLabel),
     {"Text:", "Tekst:", "Tekst:", "Texte :", "Text:", "Testo:", "Texto:", "Texto:", "Texto:", "Text:"}},
};

}  // namespace

const CaptionTable& SpellViewerTexts() {
  static const CaptionTable table("Spell Viewer", kRows);
  return table;
}

}  // namespace wx
