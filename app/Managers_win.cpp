#include "app/Managers_win.h"

#include "app/ErrorBox_win.h"
#include "app/WindowIdleTimer_win.h"

namespace wx {

namespace {

int32_t StayResidentMinutes() {
  int32_t minutes = 15;
  Guarded([&] { minutes = ReadStayResidentMinutes(CurrentRegistry()); });
  return minutes;
}

std::unique_ptr<TManagedThesaurus>& ThesaurusSlot() {
  static std::unique_ptr<TManagedThesaurus> manager;
  return manager;
}

}  // namespace

TDataManagedThesaurus::TDataManagedThesaurus() {
  Thesaurus.SetFilename("%AppDir%\\Thesaurus.qxt");
  Thesaurus.Owner = ApplicationWindow();
}

TManagedThesaurus& ManagedThesaurus() {
  auto& slot = ThesaurusSlot();
  if (!slot)
    slot = std::make_unique<TManagedThesaurus>(StayResidentMinutes(), std::make_unique<WindowIdleTimer>(),
                                               [] { return std::make_unique<TDataManagedThesaurus>(); });
  return *slot;
}

void FreeManagers() { ThesaurusSlot().reset(); }

}  // namespace wx
