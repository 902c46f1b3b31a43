// The speller as the Instant Spell window and its opener use it, behind a
// header that does not bring in the spelling engine's declarations (whose
// text-source rectangle shares its name with the window-placement one).
#pragma once

#include <memory>

namespace wx {

class TSpellCheckerBase;

// A checker over the program's stored spelling configuration; its option
// changes are written back when the last reference goes.
std::shared_ptr<TSpellCheckerBase> MakeProgramSpeller();
// Active Spell: turns the checker's live-spelling option on or off, which
// reaches every window that spells live.
void SetLiveSpellingOption(TSpellCheckerBase& engine, bool on);

}  // namespace wx
