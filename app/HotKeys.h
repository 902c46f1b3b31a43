// Hotkeys: the record of a key name and modifiers, its text form in the
// registry, the key list offered for every slot, the hotkey component's key
// table, and the ten slots with the editions that register them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/Edition.h"

namespace wx {

enum HotKeyModifier : uint8_t { hkShift = 1, hkCtrl = 2, hkAlt = 4, hkWin = 8 };

struct THotKeyRec {
  std::string KeyName;
  uint8_t Modifiers = 0;
  bool operator==(const THotKeyRec&) const = default;
};

// "Win+Shift+Alt+Ctrl+" prefixes (each only when held) before the key name.
std::string HotKeyToText(const THotKeyRec& rec);
// Strips modifier words followed by "+" from the front (any case, as often as
// they occur) and sets those modifiers on rec; the rest is the key name.
void TextToHotKey(std::string_view text, THotKeyRec& rec);

// The 108 names of the key list, in order, each with its virtual-key code.
struct KeyListEntry {
  const char* name;
  uint8_t vk;
};
const std::vector<KeyListEntry>& KeyList();
// Virtual-key code of a key-list name (compared without regard to case); 0
// for "None" and unknown names.
uint8_t VirtualKeyOfName(std::string_view name);

// The hotkey component's 114 virtual-key codes; index 0 is "no key".
const std::array<uint8_t, 114>& HotKeyTable();
// The table index holding the code of a key-list name; 0 for "None" or unknown.
int KeyIndexOf(std::string_view keyName);

// The ten slots in the controller's declaration order.
enum HotKeySlot : uint8_t {
  hsDefApp, hsSpellApp, hsSpellAppAll, hsThesApp, hsEditor, hsEditor2,
  hsDefClip, hsSpellClip, hsThesClip, hsInstantSpell, kHotKeySlotCount
};
struct HotKeySlotInfo {
  const char* stem;          // registry value is stem + " HotKey"
  const char* defaultKey;
};
const HotKeySlotInfo& SlotInfo(HotKeySlot slot);
std::string HotKeyValueName(HotKeySlot slot);
bool SlotRegisteredIn(HotKeySlot slot, TBuildEdition edition);

// The order slots are registered in (ids count up from 0 in this order).
const std::array<HotKeySlot, kHotKeySlotCount>& RegistrationOrder();

using HotKeySlots = std::array<THotKeyRec, kHotKeySlotCount>;
// HotKeyId per slot (-1 for slots the edition leaves out).
using HotKeyIds = std::array<int, kHotKeySlotCount>;

struct HotKeyRegistration {
  HotKeySlot slot;
  int keyIndex;
  uint8_t modifiers;
};
// The registrations RegisterHotKeys makes, in order (entry i gets id i), and
// the resulting ids per slot.
std::vector<HotKeyRegistration> PlanHotKeys(const HotKeySlots& slots, TBuildEdition edition, HotKeyIds& ids);

// Slots whose action runs for a pressed hotkey id, in dispatch order.
std::vector<HotKeySlot> SlotsForHotKeyId(const HotKeyIds& ids, int id);

// The Windows RegisterHotKey modifier flags of a modifier set.
unsigned WindowsModifierFlags(uint8_t modifiers);

}  // namespace wx
