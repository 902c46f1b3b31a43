// The Instant Spell window when opening it fails after the window exists: the
// failure reaches the caller and no window is left behind whose user data
// would point at the object that is gone.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "common/MemoryRegistry.h"
#include "common/Registry.h"
#include "windows/InstantSpell_win.h"

namespace wx {

namespace {

// A registry whose font settings cannot be read: the window fails while it
// is being shown, after it has been created.
class FontFailsRegistry : public MemoryRegistry {
 public:
  RegType TypeOf(const std::string& path, const std::string& name) override {
    if (path.size() >= 5 && path.compare(path.size() - 5, 5, "\\Font") == 0)
      throw std::runtime_error("the font settings cannot be read");
    return MemoryRegistry::TypeOf(path, name);
  }
};

}  // namespace

TEST(InstantSpellWindow, FailingToShowLeavesNoWindowBehind) {
  SetCurrentRegistry(std::make_shared<FontFailsRegistry>());
  EXPECT_THROW(ShowInstantSpell(nullptr, TInstantSpellServices{}), std::runtime_error);
  SetCurrentRegistry(nullptr);
  EXPECT_EQ(FindWindowW(L"TfrmInstantSpell", nullptr), nullptr) << "the window outlived its object";
}

}  // namespace wx
