#include "app/DefinitionsGeometry.h"

#include <gtest/gtest.h>

#include "common/MemoryRegistry.h"

namespace wx {
namespace {

TEST(DefinitionsGeometry, DefaultsStoredValuesAndRoundTrip) {
  MemoryRegistry reg;
  WindowGeometry g = ReadDefinitionsGeometry(reg);
  EXPECT_EQ(g.left, 40);
  EXPECT_EQ(g.top, 40);
  EXPECT_EQ(g.width, 500);
  EXPECT_EQ(g.height, 340);
  WriteDefinitionsGeometry(reg, {120, 80, 640, 480});
  std::string text;
  ASSERT_TRUE(reg.GetString("Software\\Morvane\\Dialogs\\Definitions Dictionary", "Width", text));
  EXPECT_EQ(text, "640");
  g = ReadDefinitionsGeometry(reg);
  EXPECT_EQ(g.left, 120);
  EXPECT_EQ(g.height, 480);
  // An edited value that is not a number reads as its default.
  reg.SetString("Software\\Morvane\\Dialogs\\Definitions Dictionary", "Top", "far away");
  EXPECT_EQ(ReadDefinitionsGeometry(reg).top, 40);
}

TEST(DefinitionsGeometry, GivenDefaultsStandInOnlyForWhatIsNotStored) {
  MemoryRegistry reg;
  // The design size scaled for a 144-DPI screen, as the program asks for it.
  WindowGeometry g = ReadDefinitionsGeometry(reg, {40, 40, 750, 510});
  EXPECT_EQ(g.width, 750);
  EXPECT_EQ(g.height, 510);
  reg.SetString("Software\\Morvane\\Dialogs\\Definitions Dictionary", "Width", "600");
  g = ReadDefinitionsGeometry(reg, {40, 40, 750, 510});
  EXPECT_EQ(g.width, 600);
  EXPECT_EQ(g.height, 510);
}

TEST(DefinitionsGeometry, StoredPlaceIsBroughtOntoAMonitorAtTheMinimumSize) {
  const std::vector<TRect> areas = {{0, 0, 1024, 738}};
  WindowGeometry g = UsableGeometry({-3000, 9000, 20, 20}, 285, 230, areas);
  EXPECT_EQ(g.left, 0);
  EXPECT_EQ(g.top, 738 - 230);
  EXPECT_EQ(g.width, 285);
  EXPECT_EQ(g.height, 230);
  g = UsableGeometry({2147483647, 2147483647, 2147483647, 2147483647}, 285, 230, areas);
  EXPECT_EQ(g.width, 1024);
  EXPECT_EQ(g.left, 0);
  g = UsableGeometry({40, 40, 500, 340}, 285, 230, areas);
  EXPECT_EQ(g.left, 40);
  EXPECT_EQ(g.width, 500);
}

}  // namespace
}  // namespace wx
