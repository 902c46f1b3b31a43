#include "app/ObjectManager.h"

#include <gtest/gtest.h>

#include "common/MemoryRegistry.h"

namespace wx {

namespace {

// A timer the test advances by hand.
class ManualTimer : public IdleTimer {
 public:
  struct State {
    bool enabled = false;
    uint32_t interval = 0;
    uint64_t elapsed = 0;
    std::function<void()> expire;
  };
  explicit ManualTimer(State* s) : s_(s) {}
  void Enable(uint32_t intervalMs, std::function<void()> onExpire) override {
    if (s_->enabled) return;
    s_->enabled = true;
    s_->interval = intervalMs;
    s_->elapsed = 0;
    s_->expire = std::move(onExpire);
  }
  void Disable() override { s_->enabled = false; }
  bool Enabled() const override { return s_->enabled; }

 private:
  State* s_;
};

void Advance(ManualTimer::State& s, uint64_t ms) {
  if (!s.enabled) return;
  s.elapsed += ms;
  if (s.elapsed >= s.interval) s.expire();
}

struct Engine {
  static int alive;
  Engine() { ++alive; }
  ~Engine() { --alive; }
};
int Engine::alive = 0;

}  // namespace

TEST(ObjectManager, CreatesOnFirstUseAndUnloadsAfterTheIdleTime) {
  ManualTimer::State t;
  int created = 0;
  {
    TManaged<Engine> m(15, std::make_unique<ManualTimer>(&t), [&] {
      ++created;
      return std::make_unique<Engine>();
    });
    EXPECT_FALSE(m.Loaded());
    m.Data();
    m.Release();
    Advance(t, 10 * 60000);
    m.Data();  // a second session ten minutes later cancels the pending unload
    EXPECT_FALSE(m.TimerRunning());
    m.Release();  // a full new idle period starts
    Advance(t, 14 * 60000);
    EXPECT_TRUE(m.Loaded());
    Advance(t, 60000);
    EXPECT_FALSE(m.Loaded());
    EXPECT_EQ(Engine::alive, 0);
    EXPECT_EQ(created, 1);
    m.Data();  // the next use creates it again
    EXPECT_EQ(created, 2);
    EXPECT_EQ(Engine::alive, 1);
  }
  EXPECT_EQ(Engine::alive, 0);  // freed with the manager
}

TEST(ObjectManager, ZeroMinutesNeverUnloads) {
  ManualTimer::State t;
  TManaged<Engine> m(0, std::make_unique<ManualTimer>(&t), [] { return std::make_unique<Engine>(); });
  m.Data();
  m.Release();
  EXPECT_FALSE(m.TimerRunning());
  Advance(t, 1u << 30);
  EXPECT_TRUE(m.Loaded());
}

TEST(ObjectManager, ReleaseDoesNotRestartARunningTimer) {
  ManualTimer::State t;
  TManaged<Engine> m(1, std::make_unique<ManualTimer>(&t), [] { return std::make_unique<Engine>(); });
  m.Data();
  m.Release();
  Advance(t, 50000);
  m.Release();
  Advance(t, 10000);
  EXPECT_FALSE(m.Loaded());
}

TEST(ObjectManager, StayResidentComesFromTheIniStyleKey) {
  MemoryRegistry reg;
  EXPECT_EQ(ReadStayResidentMinutes(reg), 15);
  reg.SetString("Software\\Morvane\\Tarvelo\\Options", "Stay Resident", "3");
  EXPECT_EQ(ReadStayResidentMinutes(reg), 3);
  reg.SetDword("Software\\Morvane\\Tarvelo\\Options", "Stay Resident", 3);
  EXPECT_THROW(ReadStayResidentMinutes(reg), ERegistryException);
}

}  // namespace wx
