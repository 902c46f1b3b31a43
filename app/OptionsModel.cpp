#include "app/OptionsModel.h"

#include <algorithm>

#include "app/OptionsTexts.h"
#include "common/AnsiText.h"

namespace wx {

namespace {

// Edition sets of the descriptor labels.
enum : unsigned {
  A = 1u << edAllServices,
  S = (1u << edSuiteA) | (1u << edSuiteB) | (1u << edSuiteC),
  P = 1u << edSpellingOnly,
  T = 1u << edThesaurusOnly,
};

struct NodeLabel {
  OptionsNode node;
  unsigned editions;
};
const NodeLabel kNodeLabels[] = {
    {{txtNavGeneral, opGeneral, false}, A | S | P | T},
    {{txtNavHotkeys, opHotkeys, false}, A | S | P | T},
    {{txtNavDefinitions, opDefinitions, true}, A | S},
    {{txtNavSpelling, opSpelling, true}, A | S | P},
    {{txtNavThesaurus, opThesaurus, true}, A | S | T},
    {{txtNavEditor, opEditor, true}, S},
    {{txtNavInstantSpell, opInstantSpell, true}, A | S | P},
    {{txtNavMouse, opMouse, false}, A | S | P | T},
    {{idBarCharPrefs, opCharacters, false}, A | S | P},
};

struct MouseLabel {
  MouseOption option;
  unsigned editions;
};
const MouseLabel kMouseLabels[] = {
    {{txtMouseNone, moNoAction}, A | S | P | T},
    {{idBarSpellClip, moSpellCheckClipBoard}, A | S | P},
    {{txtMouseThesClip, moThesaurusClipBoard}, A | S | T},
    {{idRowLabelBase + int(hsDefClip), moDefinitionsClipBoard}, A | S},
    {{txtNavEditor, moOpenEditor}, S},
    {{txtNavInstantSpell, moOpenInstantSpell}, A | S | P},
    {{txtMouseSpellOptions, moSpellCheckConfiguration}, A | S | P},
    {{kCaptionWindowTitle, moOpenPreferences}, A | S | P | T},
    {{txtMouseSmartBar, moShowSmartBar}, A | S | P | T},
    {{txtMouseTrayMenu, moShowPopupMenu}, A | S | P | T},
};

bool In(unsigned editions, TBuildEdition e) { return (editions & (1u << e)) != 0; }

int KeyListIndexOf(const std::string& name) {
  const auto& keys = KeyList();
  for (size_t i = 0; i < keys.size(); ++i)
    if (AsciiSameText(keys[i].name, name)) return int(i);
  return -1;
}

}  // namespace

std::vector<OptionsNode> NavigationNodes(TBuildEdition edition) {
  std::vector<OptionsNode> out;
  for (const NodeLabel& l : kNodeLabels)
    if (In(l.editions, edition)) out.push_back(l.node);
  return out;
}

std::vector<MouseOption> MouseOptions(TBuildEdition edition) {
  std::vector<MouseOption> out;
  for (const MouseLabel& l : kMouseLabels)
    if (In(l.editions, edition)) out.push_back(l.option);
  return out;
}

std::vector<HotKeySlot> PageHotKeySlots(OptionsPage page) {
  switch (page) {
    case opDefinitions: return {hsDefApp, hsDefClip};
    case opSpelling: return {hsSpellAppAll, hsSpellApp, hsSpellClip};
    case opThesaurus: return {hsThesApp, hsThesClip};
    case opEditor: return {hsEditor, hsEditor2};
    case opInstantSpell: return {hsInstantSpell};
    default: return {};
  }
}

OptionsModel::OptionsModel(TBuildEdition edition)
    : edition_(edition), nodes_(NavigationNodes(edition)), mouse_(MouseOptions(edition)) {
  keyIndex_.fill(-1);
}

void OptionsModel::Load(const MainOptions& stored, bool autoRunOn) {
  autoRun = autoRunOn;
  silentSpellMode = stored.silentSpellMode;
  compatibilityMode_ = stored.compatibilityMode;
  compatibilityCut = stored.compatibilityCut;
  disableBackup = stored.disableBackup;
  showSmartBarOnOpen = stored.showSmartBarOnOpen;
  SetDelayPosition(DelayTrackPosition(stored.compatibilityDelay));
  Select(single_, stored.singleClickAction);
  Select(double_, stored.doubleClickAction);
  for (int s = 0; s < kHotKeySlotCount; ++s) {
    hotKeys_[size_t(s)] = stored.hotKeys[size_t(s)];
    keyIndex_[size_t(s)] = KeyListIndexOf(stored.hotKeys[size_t(s)].KeyName);
    rowModifiers_[size_t(s)] = stored.hotKeys[size_t(s)].Modifiers;
  }
}

void OptionsModel::SelectNode(int index) {
  if (index >= 0 && index < int(nodes_.size())) node_ = index;
}

void OptionsModel::SetDelayPosition(int position) {
  delayPosition_ = std::clamp(position, kDelayMin, kDelayMax);
}

void OptionsModel::Select(ClickChoice& c, uint8_t code) {
  c = ClickChoice{};
  c.stored = code;
  for (size_t i = 0; i < mouse_.size(); ++i)
    if (mouse_[i].code == code) {
      c.index = int(i);
      break;
    }
}

void OptionsModel::Choose(ClickChoice& c, int index) {
  if (index == int(mouse_.size()) && UnlistedText(c) >= 0) {
    c.index = -1;
    return;
  }
  if (index < 0 || index >= int(mouse_.size())) return;
  c.index = index;
}

int OptionsModel::UnlistedText(const ClickChoice& c) const {
  for (const MouseOption& m : mouse_)
    if (m.code == c.stored) return -1;
  for (const MouseLabel& l : kMouseLabels)
    if (l.option.code == c.stored) return l.option.text;
  return -1;
}

uint8_t OptionsModel::CodeOf(const ClickChoice& c) const {
  if (c.index >= 0) return mouse_[size_t(c.index)].code;
  return c.stored <= moShowPopupMenu ? c.stored : uint8_t(moNoAction);
}

void OptionsModel::RebuildSlot(HotKeySlot slot) {
  int k = keyIndex_[slot];
  hotKeys_[slot].KeyName = k >= 0 ? KeyList()[size_t(k)].name : "";
  hotKeys_[slot].Modifiers = rowModifiers_[slot];
}

void OptionsModel::SetModifier(HotKeySlot slot, HotKeyModifier m, bool on) {
  if (slot >= kHotKeySlotCount) return;
  rowModifiers_[slot] = on ? uint8_t(rowModifiers_[slot] | m) : uint8_t(rowModifiers_[slot] & ~m);
  RebuildSlot(slot);
}

void OptionsModel::SetKey(HotKeySlot slot, int keyListIndex) {
  if (slot >= kHotKeySlotCount) return;
  keyIndex_[slot] = keyListIndex >= 0 && keyListIndex < int(KeyList().size()) ? keyListIndex : -1;
  RebuildSlot(slot);
}

MainOptions OptionsModel::Result() const {
  MainOptions out;
  out.hotKeys = hotKeys_;
  out.singleClickAction = CodeOf(single_);
  out.doubleClickAction = CodeOf(double_);
  out.silentSpellMode = silentSpellMode;
  out.compatibilityMode = compatibilityMode_;
  out.compatibilityDelay = DelayFromTrackPosition(delayPosition_);
  out.showSmartBarOnOpen = showSmartBarOnOpen;
  out.compatibilityCut = compatibilityCut;
  out.disableBackup = disableBackup;
  out.spellViewerAlwaysOnTop = false;  // its box is hidden and never loaded
  return out;
}

}  // namespace wx
