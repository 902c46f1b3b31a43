#include "windows/InstantSpellEngine.h"

#include "spelling/SpellCheckerBase.h"

namespace wx {

std::shared_ptr<TSpellCheckerBase> MakeProgramSpeller() { return std::make_shared<TSpellCheckerBase>(); }

void SetLiveSpellingOption(TSpellCheckerBase& engine, bool on) {
  TSpellOptions options = engine.Options();
  if (options.Has(soLiveSpelling) == on) return;
  options.Set(soLiveSpelling, on);
  engine.SetOptions(options);
}

}  // namespace wx
