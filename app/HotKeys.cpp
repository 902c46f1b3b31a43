#include "app/HotKeys.h"

#include "common/AnsiText.h"

namespace wx {

std::string HotKeyToText(const THotKeyRec& rec) {
  std::string text = rec.KeyName;
  if (rec.Modifiers & hkCtrl) text = "Ctrl+" + text;
  if (rec.Modifiers & hkAlt) text = "Alt+" + text;
  if (rec.Modifiers & hkShift) text = "Shift+" + text;
  if (rec.Modifiers & hkWin) text = "Win+" + text;
  return text;
}

void TextToHotKey(std::string_view text, THotKeyRec& rec) {
  static const struct {
    std::string_view word;
    uint8_t bit;
  } kWords[] = {{"CTRL+", hkCtrl}, {"ALT+", hkAlt}, {"SHIFT+", hkShift}, {"WIN+", hkWin}};
  for (bool found = true; found;) {
    found = false;
    for (const auto& w : kWords) {
      if (text.size() >= w.word.size() && AnsiSameText(text.substr(0, w.word.size()), w.word)) {
        rec.Modifiers |= w.bit;
        text.remove_prefix(w.word.size());
        found = true;
      }
    }
  }
  rec.KeyName = std::string(text);
}

const std::vector<KeyListEntry>& KeyList() {
  static const std::vector<KeyListEntry> list = [] {
    std::vector<KeyListEntry> l = {
        {"Backspace", 0x08}, {"Tab", 0x09},   {"Return", 0x0D}, {"Pause", 0x13},
        {"Capslock", 0x14},  {"Escape", 0x1B}, {"Space", 0x20}, {"PgUp", 0x21},
        {"PgDn", 0x22},      {"Home", 0x24},  {"End", 0x23},    {"Left Arrow", 0x25},
        {"Up Arrow", 0x26},  {"Right Arrow", 0x27}, {"Down Arrow", 0x28}, {"PrintScreen", 0x2C},
        {"Insert", 0x2D},    {"Delete", 0x2E}};
    static const char* digits[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    for (int i = 0; i < 10; ++i) l.push_back({digits[i], uint8_t(0x30 + i)});
    static const char* letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                                    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    for (int i = 0; i < 26; ++i) l.push_back({letters[i], uint8_t(0x41 + i)});
    static const char* nums[] = {"Num 0", "Num 1", "Num 2", "Num 3", "Num 4",
                                 "Num 5", "Num 6", "Num 7", "Num 8", "Num 9"};
    for (int i = 0; i < 10; ++i) l.push_back({nums[i], uint8_t(0x60 + i)});
    l.insert(l.end(), {{"Num *", 0x6A}, {"Num +", 0x6B}, {"Num -", 0x6D}, {"Num .", 0x6E}, {"Num /", 0x6F}});
    static const char* fkeys[] = {"F1",  "F2",  "F3",  "F4",  "F5",  "F6",  "F7",  "F8",
                                  "F9",  "F10", "F11", "F12", "F13", "F14", "F15", "F16",
                                  "F17", "F18", "F19", "F20", "F21", "F22", "F23", "F24"};
    for (int i = 0; i < 24; ++i) l.push_back({fkeys[i], uint8_t(0x70 + i)});
    l.insert(l.end(), {{"Numlock", 0x90}, {"Scrolllock", 0x91}, {"Application", 0x5D},
                       {";", 0xBA}, {"=", 0xBB}, {",", 0xBC}, {"-", 0xBD}, {".", 0xBE}, {"/", 0xBF},
                       {"`", 0xC0}, {"[", 0xDB}, {"\\", 0xDC}, {"]", 0xDD}, {"'", 0xDE}, {"None", 0}});
    return l;
  }();
  return list;
}

uint8_t VirtualKeyOfName(std::string_view name) {
  for (const auto& e : KeyList())
    if (AnsiSameText(e.name, name)) return e.vk;
  return 0;
}

const std::array<uint8_t, 114>& HotKeyTable() {
  static const std::array<uint8_t, 114> table = [] {
    std::array<uint8_t, 114> t{};
    size_t i = 0;
    auto add = [&](int lo, int hi) {
      for (int c = lo; c <= hi; ++c) t[i++] = uint8_t(c);
    };
    t[i++] = 0;
    for (int c : {0x03, 0x08, 0x09, 0x0C, 0x0D, 0x13, 0x14, 0x1B}) t[i++] = uint8_t(c);
    add(0x20, 0x29);
    add(0x2B, 0x2F);
    add(0x30, 0x39);
    add(0x41, 0x5A);
    add(0x60, 0x6F);
    add(0x70, 0x87);
    for (int c : {0x90, 0x91, 0x5D}) t[i++] = uint8_t(c);
    add(0xBA, 0xC0);
    add(0xDB, 0xDE);
    return t;
  }();
  return table;
}

int KeyIndexOf(std::string_view keyName) {
  uint8_t vk = VirtualKeyOfName(keyName);
  if (vk == 0) return 0;
  const auto& table = HotKeyTable();
  for (size_t i = 1; i < table.size(); ++i)
    if (table[i] == vk) return int(i);
  return 0;
}

const HotKeySlotInfo& SlotInfo(HotKeySlot slot) {
  static const HotKeySlotInfo kSlots[kHotKeySlotCount] = {
      {"DefApp", "F6"},  {"SpellApp", "F7"}, {"SpellAppAll", "F3"}, {"ThesApp", "F8"},
      {"Editor", "F5"},  {"Editor2", "F4"},  {"DefClip", "F9"},     {"SpellClip", "F10"},
      {"ThesClip", "F11"}, {"InstantSpell", "F12"}};
  return kSlots[slot];
}

std::string HotKeyValueName(HotKeySlot slot) { return std::string(SlotInfo(slot).stem) + " HotKey"; }

bool SlotRegisteredIn(HotKeySlot slot, TBuildEdition e) {
  switch (slot) {
    case hsDefApp:
    case hsDefClip:
      return EditionHasDefinitions(e);
    case hsSpellApp:
    case hsSpellAppAll:
    case hsSpellClip:
    case hsInstantSpell:
      return EditionHasSpelling(e);
    case hsThesApp:
    case hsThesClip:
      return EditionHasThesaurus(e);
    case hsEditor:
    case hsEditor2:
      return EditionHasEditors(e);
    default:
      return false;
  }
}

const std::array<HotKeySlot, kHotKeySlotCount>& RegistrationOrder() {
  static const std::array<HotKeySlot, kHotKeySlotCount> order = {
      hsSpellApp, hsSpellAppAll, hsThesApp, hsEditor, hsEditor2,
      hsSpellClip, hsThesClip, hsDefClip, hsDefApp, hsInstantSpell};
  return order;
}

std::vector<HotKeyRegistration> PlanHotKeys(const HotKeySlots& slots, TBuildEdition edition, HotKeyIds& ids) {
  ids.fill(-1);
  std::vector<HotKeyRegistration> plan;
  for (HotKeySlot slot : RegistrationOrder()) {
    if (!SlotRegisteredIn(slot, edition)) continue;
    plan.push_back({slot, KeyIndexOf(slots[slot].KeyName), slots[slot].Modifiers});
    ids[slot] = int(plan.size()) - 1;
  }
  return plan;
}

std::vector<HotKeySlot> SlotsForHotKeyId(const HotKeyIds& ids, int id) {
  // The order the controller runs matching actions in.
  static const HotKeySlot kDispatch[] = {hsSpellApp, hsSpellAppAll, hsThesApp,  hsEditor,  hsEditor2,
                                         hsSpellClip, hsThesClip,   hsDefClip, hsDefApp, hsInstantSpell};
  std::vector<HotKeySlot> out;
  if (id < 0) return out;
  for (HotKeySlot s : kDispatch)
    if (ids[s] == id) out.push_back(s);
  return out;
}

unsigned WindowsModifierFlags(uint8_t m) {
  unsigned f = 0;
  if (m & hkShift) f |= 4;  // MOD_SHIFT
  if (m & hkCtrl) f |= 2;   // MOD_CONTROL
  if (m & hkAlt) f |= 1;    // MOD_ALT
  if (m & hkWin) f |= 8;    // MOD_WIN
  return f;
}

}  // namespace wx
