#include "app/DefinitionsGeometry.h"

#include "common/RegistryStyles.h"

namespace wx {

namespace {
const char kDialogsKey[] = "Software\\Morvane\\Dialogs";
const char kSection[] = "Definitions Dictionary";
}  // namespace

WindowGeometry ReadDefinitionsGeometry(Registry& registry) { return ReadDefinitionsGeometry(registry, {}); }

WindowGeometry ReadDefinitionsGeometry(Registry& registry, const WindowGeometry& defaults) {
  IniRegistry ini(registry, kDialogsKey);
  WindowGeometry g = defaults;
  g.height = ini.ReadInteger(kSection, "Height", g.height);
  g.width = ini.ReadInteger(kSection, "Width", g.width);
  g.left = ini.ReadInteger(kSection, "Left", g.left);
  g.top = ini.ReadInteger(kSection, "Top", g.top);
  return g;
}

void WriteDefinitionsGeometry(Registry& registry, const WindowGeometry& g) {
  IniRegistry ini(registry, kDialogsKey);
  ini.WriteInteger(kSection, "Height", g.height);
  ini.WriteInteger(kSection, "Width", g.width);
  ini.WriteInteger(kSection, "Left", g.left);
  ini.WriteInteger(kSection, "Top", g.top);
}

WindowGeometry UsableGeometry(const WindowGeometry& stored, int minWidth, int minHeight,
                              const std::vector<TRect>& workAreas) {
  // Sizes far beyond any screen are cut first so that the sums cannot overflow.
  constexpr int kLimit = 1 << 20;
  auto bound = [](int v) { return v < -kLimit ? -kLimit : v > kLimit ? kLimit : v; };
  const int left = bound(stored.left), top = bound(stored.top);
  TRect r{left, top, left + bound(stored.width), top + bound(stored.height)};
  TRect f = FitOnWorkArea(r, minWidth, minHeight, workAreas);
  return {f.left, f.top, f.Width(), f.Height()};
}

}  // namespace wx
