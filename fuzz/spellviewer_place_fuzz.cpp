// The Spell Viewer's stored place is untrusted: fills its registry key with
// values of any type and content taken from the input, then places the
// viewer. The place must lie on the work area at no less than the minimum
// size, and nothing may crash, hang or overflow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/ByteReader.h"
#include "common/MemoryRegistry.h"
#include "windows/SpellViewerModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* kNames[] = {"Top", "Left", "Width", "Height"};
  const std::string key = std::string(wx::kSpellViewerBaseKey) + "\\" + wx::kSpellViewerSection;
  wx::MemoryRegistry reg;
  wx::ByteReader in(data, size);
  while (in.remaining() >= 3) {
    uint8_t which = in.U8(), type = in.U8(), len = in.U8();
    std::string value(in.Bytes(std::min<size_t>(len, in.remaining())));
    const char* name = kNames[which % 4];
    switch (type % 3) {
      case 0: reg.SetString(key, name, value); break;
      case 1: reg.SetDword(key, name, uint32_t(value.size() * 2654435761u + which)); break;
      default: reg.SetBinary(key, name, value); break;
    }
  }
  const wx::TRect area{-1280, 0, 1024, 738};
  wx::TSpellViewerSettings settings;
  settings.UseSavedPosition = true;
  wx::TRect r = wx::SpellViewerPlacement(settings, reg, {10, 10, 485, 317}, 475, 307, {area});
  if (r.left < area.left || r.top < area.top || r.right > area.right || r.bottom > area.bottom) std::abort();
  if (r.Width() < 475 || r.Height() < 307) std::abort();
  return 0;
}
