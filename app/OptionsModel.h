// What the options window shows and decides, without windows: the tree and
// click-action lists each edition offers, the state of every page while it
// is edited, the enabling rules, and the values OK stores.
#pragma once

#include <string>
#include <vector>

#include "app/Edition.h"
#include "app/HotKeys.h"
#include "app/MainOptions.h"

namespace wx {

// The nine notebook pages.
enum OptionsPage : int {
  opGeneral, opHotkeys, opDefinitions, opSpelling, opThesaurus, opEditor, opInstantSpell, opMouse, opCharacters,
  kOptionsPageCount
};

// A node of the navigation tree: its text (OptionsTexts id), its page, and
// whether it hangs under the latest top-level node.
struct OptionsNode {
  int text;
  OptionsPage page;
  bool child;
};
// An entry of the two click-action lists.
struct MouseOption {
  int text;
  TmoTypes code;
};

// In the order the descriptor labels stand on the form, filtered by edition.
std::vector<OptionsNode> NavigationNodes(TBuildEdition edition);
std::vector<MouseOption> MouseOptions(TBuildEdition edition);
// The hotkey rows of a page, top to bottom (none on pages without rows).
std::vector<HotKeySlot> PageHotKeySlots(OptionsPage page);
// Help context of the window and of its controls that have one (0: none).
inline constexpr int kOptionsHelpContext = 100;

class OptionsModel {
 public:
  explicit OptionsModel(TBuildEdition edition);

  // Puts the stored options and the auto-run state into the pages (what
  // showing the window and Cancel's reload do). The tree keeps its node.
  void Load(const MainOptions& stored, bool autoRun);

  TBuildEdition Edition() const { return edition_; }
  // The "Spell Check Mode" group is hidden in the thesaurus edition.
  bool ShowsSpellModeGroup() const { return edition_ != edThesaurusOnly; }

  // Navigation: the first node is selected after construction.
  const std::vector<OptionsNode>& Nodes() const { return nodes_; }
  int SelectedNode() const { return node_; }
  void SelectNode(int index);
  OptionsPage Page() const { return nodes_[size_t(node_)].page; }
  // The caption panel shows the selected node's text (an OptionsTexts id).
  int CaptionText() const { return nodes_[size_t(node_)].text; }

  // General page. The compatibility box enables the cut box, the delay and
  // the backup box.
  bool autoRun = false;
  bool silentSpellMode = false;
  bool compatibilityCut = false;
  bool disableBackup = false;
  bool showSmartBarOnOpen = true;
  bool CompatibilityMode() const { return compatibilityMode_; }
  void SetCompatibilityMode(bool on) { compatibilityMode_ = on; }
  bool CompatibilityControlsEnabled() const { return compatibilityMode_; }
  // The delay track bar: 2 ... 20, tenths of a second.
  static constexpr int kDelayMin = 2, kDelayMax = 20;
  int DelayPosition() const { return delayPosition_; }
  void SetDelayPosition(int position);

  // Click-action lists: entry index, or -1 when no entry is selected (a stored
  // code the edition does not offer).
  const std::vector<MouseOption>& MouseList() const { return mouse_; }
  int SingleClickIndex() const { return single_.index; }
  int DoubleClickIndex() const { return double_.index; }
  // Choosing index MouseList().size() (the unlisted entry below) goes back to
  // the stored code.
  void ChooseSingleClick(int index) { Choose(single_, index); }
  void ChooseDoubleClick(int index) { Choose(double_, index); }
  // The caption of a stored action the edition's list does not offer, which
  // the box shows as an extra last entry so that it is never blank; -1 when
  // the stored action is listed (or no action at all).
  int SingleClickUnlistedText() const { return UnlistedText(single_); }
  int DoubleClickUnlistedText() const { return UnlistedText(double_); }

  // Hotkey rows: each change rebuilds the slot from its row (Ctrl, Alt,
  // Shift, Win boxes and the key list's selected entry, empty name when none).
  const THotKeyRec& HotKey(HotKeySlot slot) const { return hotKeys_[slot]; }
  // The key list entry shown for the slot, -1 when its name is not in the list.
  int KeyIndex(HotKeySlot slot) const { return keyIndex_[slot]; }
  bool HasModifier(HotKeySlot slot, HotKeyModifier m) const { return (rowModifiers_[slot] & m) != 0; }
  void SetModifier(HotKeySlot slot, HotKeyModifier m, bool on);
  void SetKey(HotKeySlot slot, int keyListIndex);

  // What OK stores. A click code the lists do not show is kept unless the
  // user chose an entry of that list (such codes are the only way to reach
  // those services in this edition); an invalid code is stored as 0.
  MainOptions Result() const;

 private:
  struct ClickChoice {
    int index = -1;
    uint8_t stored = moNoAction;
  };
  void Choose(ClickChoice& c, int index);
  void Select(ClickChoice& c, uint8_t code);
  uint8_t CodeOf(const ClickChoice& c) const;
  int UnlistedText(const ClickChoice& c) const;
  void RebuildSlot(HotKeySlot slot);

  TBuildEdition edition_;
  std::vector<OptionsNode> nodes_;
  std::vector<MouseOption> mouse_;
  int node_ = 0;
  bool compatibilityMode_ = false;
  int delayPosition_ = kDelayMin;
  ClickChoice single_, double_;
  HotKeySlots hotKeys_;
  std::array<int, kHotKeySlotCount> keyIndex_{};
  std::array<uint8_t, kHotKeySlotCount> rowModifiers_{};
};

}  // namespace wx
