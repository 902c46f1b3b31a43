// Engine managers: each owns at most one engine container, creates it on first
// use and frees it after it has stayed idle for the "Stay Resident" minutes.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "common/Registry.h"

namespace wx {

// A one-shot-per-period timer the manager drives; the program's uses a window
// timer (so the unload runs between messages), tests drive it by hand.
class IdleTimer {
 public:
  virtual ~IdleTimer() = default;
  // Starts the timer when it is not running; a running timer keeps its count.
  virtual void Enable(uint32_t intervalMs, std::function<void()> onExpire) = 0;
  virtual void Disable() = 0;
  virtual bool Enabled() const = 0;
};

// Reads "Stay Resident" (ini style, base "SOFTWARE\Morvane\Tarvelo", section
// "Options", minutes, default 15). A value of another registry type throws.
int32_t ReadStayResidentMinutes(Registry& registry);

class TObjectManager {
 public:
  TObjectManager(int32_t idleMinutes, std::unique_ptr<IdleTimer> timer);
  virtual ~TObjectManager();
  TObjectManager(const TObjectManager&) = delete;
  TObjectManager& operator=(const TObjectManager&) = delete;

  // Cancels a pending unload, or creates the container.
  void Acquire();
  // Starts the idle period (a running one is not restarted). With an idle
  // time of 0 minutes the container is never unloaded.
  void Release();
  // Frees the container (the idle timer's event).
  void Unload();

  bool Loaded() const { return loaded_; }
  bool TimerRunning() const { return timer_->Enabled(); }
  uint32_t IntervalMs() const { return interval_; }

 protected:
  virtual void CreateObject() = 0;
  virtual void FreeObject() = 0;

 private:
  std::unique_ptr<IdleTimer> timer_;
  uint32_t interval_;
  bool loaded_ = false;
};

// A manager of one container type: Data() acquires and returns it.
template <typename Container>
class TManaged : public TObjectManager {
 public:
  using Factory = std::function<std::unique_ptr<Container>()>;
  TManaged(int32_t idleMinutes, std::unique_ptr<IdleTimer> timer, Factory factory)
      : TObjectManager(idleMinutes, std::move(timer)), factory_(std::move(factory)) {}
  ~TManaged() override { object_.reset(); }

  Container& Data() {
    Acquire();
    return *object_;
  }
  Container* ManagedObject() const { return object_.get(); }

 protected:
  void CreateObject() override { object_ = factory_(); }
  void FreeObject() override { object_.reset(); }

 private:
  Factory factory_;
  std::unique_ptr<Container> object_;
};

}  // namespace wx
