#include "app/MainOptions.h"

#include "common/RegistryStyles.h"

namespace wx {

namespace {

void WriteBoolIfMissing(RegKey& key, const char* name, bool value) {
  if (!key.ValueExists(name)) key.WriteBool(name, value);
}

}  // namespace

void LoadMainOptions(Registry& registry, TBuildEdition edition, MainOptions& o) {
  RegKey key(registry, kMainOptionsKey);

  // Default key names (modifiers stay as they are).
  for (int s = 0; s < kHotKeySlotCount; ++s) o.hotKeys[s].KeyName = SlotInfo(HotKeySlot(s)).defaultKey;

  // Missing hotkey values get the slot's text; a binary one is replaced by it.
  for (HotKeySlot s : RegistrationOrder()) {
    std::string name = HotKeyValueName(s);
    RegType type = key.TypeOf(name);
    if (type == RegType::Binary) {
      key.DeleteValue(name);
      type = RegType::None;
    }
    if (type == RegType::None) key.WriteString(name, HotKeyToText(o.hotKeys[s]));
  }

  if (!key.ValueExists("OnSingleClick")) {
    ClickDefaults d = DefaultClickActions(edition);
    key.WriteInteger("OnSingleClick", d.single);
    key.WriteInteger("OnDblCLick", d.dbl);
  }
  if (!key.ValueExists("QuoteCharacters")) key.WriteString("QuoteCharacters", ">");
  if (!key.ValueExists("IgnorePrefix")) key.WriteString("IgnorePrefix", "'");
  if (!key.ValueExists("IgnoreSuffix")) key.WriteString("IgnoreSuffix", "';'s;.");
  WriteBoolIfMissing(key, "SilentSpellMode", false);

  WriteBoolIfMissing(key, "CompatibilityMode", false);
  o.compatibilityMode = key.ReadBool("CompatibilityMode");
  if (!key.ValueExists("CompatibilityDelay")) key.WriteInteger("CompatibilityDelay", 1000);
  o.compatibilityDelay = key.ReadInteger("CompatibilityDelay");
  WriteBoolIfMissing(key, "ShowSmartBarOnOpen", true);
  o.showSmartBarOnOpen = key.ReadBool("ShowSmartBarOnOpen");
  WriteBoolIfMissing(key, "CompatibilityCut", false);
  o.compatibilityCut = key.ReadBool("CompatibilityCut");
  WriteBoolIfMissing(key, "DisableBackup", false);
  o.disableBackup = key.ReadBool("DisableBackup");
  WriteBoolIfMissing(key, "ClassicSuggestions", false);
  o.classicSuggestions = key.ReadBool("ClassicSuggestions");

  o.singleClickAction = uint8_t(key.ReadInteger("OnSingleClick"));
  o.doubleClickAction = uint8_t(key.ReadInteger("OnDblCLick"));

  static const HotKeySlot kReadOrder[] = {hsThesApp, hsSpellApp, hsSpellAppAll, hsEditor, hsEditor2,
                                          hsSpellClip, hsThesClip, hsDefClip, hsDefApp, hsInstantSpell};
  for (HotKeySlot s : kReadOrder) {
    THotKeyRec rec;
    TextToHotKey(key.ReadString(HotKeyValueName(s)), rec);
    o.hotKeys[s] = rec;
  }
  o.silentSpellMode = key.ReadBool("SilentSpellMode");
}

bool ReadClassicSuggestions(Registry& registry) {
  uint32_t v = 0;
  return registry.GetDword(kMainOptionsKey, "ClassicSuggestions", v) && v != 0;
}

void SaveMainOptions(Registry& registry, const MainOptions& o) {
  RegKey key(registry, kMainOptionsKey);
  key.WriteInteger("OnSingleClick", o.singleClickAction);
  key.WriteInteger("OnDblCLick", o.doubleClickAction);
  for (HotKeySlot s : RegistrationOrder()) key.WriteString(HotKeyValueName(s), HotKeyToText(o.hotKeys[s]));
  key.WriteBool("SilentSpellMode", o.silentSpellMode);
  key.WriteBool("SpellViewerAlwaysOnTop", o.spellViewerAlwaysOnTop);
  key.WriteBool("CompatibilityCut", o.compatibilityCut);
  key.WriteBool("DisableBackup", o.disableBackup);
  key.WriteBool("CompatibilityMode", o.compatibilityMode);
  key.WriteBool("ShowSmartBarOnOpen", o.showSmartBarOnOpen);
  key.WriteInteger("CompatibilityDelay", DelayFromTrackPosition(DelayTrackPosition(o.compatibilityDelay)));
}

}  // namespace wx
