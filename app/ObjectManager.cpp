#include "app/ObjectManager.h"

#include "common/RegistryStyles.h"

namespace wx {

int32_t ReadStayResidentMinutes(Registry& registry) {
  IniRegistry ini(registry, "SOFTWARE\\Morvane\\Tarvelo");
  return ini.ReadInteger("Options", "Stay Resident", 15);
}

TObjectManager::TObjectManager(int32_t idleMinutes, std::unique_ptr<IdleTimer> timer)
    : timer_(std::move(timer)),
      // Negative minutes make no sense as a period; treat them like 0 (never unload).
      interval_(idleMinutes > 0 ? uint32_t(std::min<int64_t>(int64_t(idleMinutes) * 60000, UINT32_MAX)) : 0) {}

TObjectManager::~TObjectManager() { timer_->Disable(); }

void TObjectManager::Acquire() {
  if (loaded_) {
    timer_->Disable();
    return;
  }
  CreateObject();
  loaded_ = true;
}

void TObjectManager::Release() {
  if (interval_ == 0) return;  // a zero interval never fires
  timer_->Enable(interval_, [this] { Unload(); });
}

void TObjectManager::Unload() {
  timer_->Disable();
  FreeObject();
  loaded_ = false;
}

}  // namespace wx
