// The Smart Bar's stored settings are untrusted: fills its registry key with
// values of any type and content taken from the input, then places the bar and
// loads its options. The place must always lie on the work area, and nothing
// may crash, hang or overflow.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "common/MemoryRegistry.h"
#include "common/ByteReader.h"
#include "app/Commands.h"
#include "windows/SmartBarModel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* kNames[] = {"Top", "Left", "Width", "Height", "Always On Top", "Transparency", "DontShow"};
  const std::string key = std::string(wx::kSmartBarBaseKey) + "\\" + wx::kSmartBarSection;
  wx::MemoryRegistry reg;
  wx::ByteReader in(data, size);
  while (in.remaining() >= 3) {
    uint8_t which = in.U8(), type = in.U8(), len = in.U8();
    std::string value(in.Bytes(std::min<size_t>(len, in.remaining())));
    const char* name = kNames[which % (sizeof kNames / sizeof kNames[0])];
    switch (type % 3) {
      case 0: reg.SetString(key, name, value); break;
      case 1: reg.SetDword(key, name, uint32_t(value.size() * 2654435761u + which)); break;
      default: reg.SetBinary(key, name, value); break;
    }
  }
  const wx::TRect area{-1280, 0, 1024, 738};
  wx::TSmartBarModel model(wx::SmartBarFeaturesFor(wx::edThesaurusOnly), true);
  wx::TRect r = model.Placement(reg, area, {area}, 150, 140);
  if (r.left < area.left || r.top < area.top || r.right > area.right || r.bottom > area.bottom) std::abort();
  model.LoadOptions(reg);
  (void)model.OptionsMenu();
  return 0;
}
