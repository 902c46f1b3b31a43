// Settings read from the registry are untrusted: fills an in-memory registry
// with values of any type and content taken from the input, then loads the
// main options, the idle time, the don't-show-again answers and the
// definitions window's place (made usable for a screen), and parses hotkey
// texts. Failures must be exceptions, never crashes or hangs.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/DefinitionsGeometry.h"
#include "app/DontShowAgain.h"
#include "app/HotKeys.h"
#include "app/MainOptions.h"
#include "app/ObjectManager.h"
#include "common/ByteReader.h"
#include "common/MemoryRegistry.h"
#include "common/RegistryStyles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const char* kNames[] = {"SpellApp HotKey", "ThesApp HotKey", "ThesClip HotKey", "OnSingleClick",
                                 "OnDblCLick", "CompatibilityDelay", "CompatibilityMode", "ShowSmartBarOnOpen",
                                 "DisableBackup", "SilentSpellMode", "InstantSpell HotKey", "CompatibilityCut"};
  static const char* kPlace[] = {"Left", "Top", "Width", "Height"};
  wx::MemoryRegistry reg;
  wx::ByteReader in(data, size);
  while (in.remaining() >= 3) {
    uint8_t which = in.U8(), type = in.U8(), len = in.U8();
    std::string value(in.Bytes(std::min<size_t>(len, in.remaining())));
    const char* name = kNames[which % (sizeof kNames / sizeof kNames[0])];
    switch (type % 4) {
      case 0: reg.SetString(wx::kMainOptionsKey, name, value); break;
      case 1: reg.SetDword(wx::kMainOptionsKey, name, uint32_t(value.size() * 977 + which)); break;
      case 2: reg.SetBinary(wx::kMainOptionsKey, name, value); break;
      default:
        reg.SetString("Software\\Morvane\\Dialogs\\Definitions Dictionary", kPlace[which % 4], value);
        reg.SetString("SOFTWARE\\Morvane\\Tarvelo\\Options", "Stay Resident", value);
        reg.SetString("Software\\Morvane\\Tarvelo\\" + value, "DontShow", value);
        break;
    }
    wx::THotKeyRec rec;
    wx::TextToHotKey(value, rec);
    (void)wx::KeyIndexOf(rec.KeyName);
    (void)wx::HotKeyToText(rec);
  }
  wx::MainOptions options;
  try {
    wx::LoadMainOptions(reg, wx::edThesaurusOnly, options);
  } catch (const wx::ERegistryException&) {
  }
  try {
    (void)wx::ReadStayResidentMinutes(reg);
  } catch (const wx::ERegistryException&) {
  }
  try {
    (void)wx::DSAIdentsGetState(reg, "Software\\Morvane\\Tarvelo", std::string(reinterpret_cast<const char*>(data),
                                                                                 std::min<size_t>(size, 16)));
  } catch (const std::runtime_error&) {
  }
  try {
    wx::WindowGeometry g = wx::ReadDefinitionsGeometry(reg);
    const std::vector<wx::TRect> areas = {{0, 0, 1024, 738}, {-1280, -200, 0, 824}};
    wx::WindowGeometry u = wx::UsableGeometry(g, 285, 230, areas);
    if (u.width < 285 || u.height < 230) __builtin_trap();
  } catch (const wx::ERegistryException&) {
  }
  return 0;
}
