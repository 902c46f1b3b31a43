// The texts of the controller form: the options window and the tray menu,
// with the window's control ids. A control's id is also the id of its text in
// the caption table; texts that are no control's (tree nodes, click-action
// entries, hints, the modifier boxes of every hotkey row, menu items) have
// ids from kCaptionMessageBase on.
#pragma once

#include "app/HotKeys.h"
#include "common/Captions.h"

namespace wx {

enum OptionsControlId : int {
  // Buttons (the dialog-box ids for OK, Cancel and Help).
  idOptOK = 1,
  idOptCancel = 2,
  idOptHelp = 9,
  // Controls without a text of their own.
  idNavTree = 50,
  idCaptionPanel,
  idDelayTrack,
  idLanguageBox,
  idSingleClickBox,
  idDoubleClickBox,
  idQuoteEdit,
  idIgnorePrefixEdit,
  idIgnoreSuffixEdit,
  // Page 0 "General".
  idBarStartup = 100,
  idChkAutoRun,
  idBarSpellMode,
  idChkSilentSpellMode,
  idChkCompatibilityMode,
  idChkCompatibilityCut,
  idChkDisableBackup,
  idLblDelay,
  idLblDelayLong,
  idChkSpellViewerOnTop,
  idChkShowSmartBar,
  idBarLanguage,
  // Page 1 "Hotkeys".
  idBarAppHotkeys,
  idTxtAppHotkeys,
  idBarClipHotkeys,
  idTxtClipHotkeys,
  // Pages 2 to 6: caption bars of the hotkey rows.
  idBarDefApp,
  idBarDefClip,
  idBarSpellAll,
  idBarSpellApp,
  idBarSpellClip,
  idBarThesApp,
  idBarThesClip,
  idBarEditor,
  idBarInstantSpell,
  // Page 7 "Mouse Options".
  idBarMousePrefs,
  idBarSingleClick,
  idLblSingleClick,
  idBarDoubleClick,
  idLblDoubleClick,  // shows the text of idBarDoubleClick
  // Page 8 "Character Options".
  idBarCharPrefs,
  idLblQuote,
  idBarIgnorePrefix,
  idLblIgnorePrefix,
  idBarIgnoreSuffix,
  idLblIgnoreSuffix,
  // The label of a slot's hotkey row: idRowLabelBase + slot.
  idRowLabelBase = 300,
  // A slot's row controls: idRowControlBase + slot * 8 + part.
  idRowControlBase = 400,
};

// The parts of a hotkey row, in the order they stand.
enum HotKeyRowPart : int { hrCtrl, hrAlt, hrShift, hrWin, hrKey, kHotKeyRowParts };
inline int HotKeyRowControlId(HotKeySlot slot, int part) { return idRowControlBase + int(slot) * 8 + part; }

enum OptionsTextId : int {
  txtHintSingle = kCaptionMessageBase,
  txtHintDouble,
  txtModCtrl,
  txtModAlt,
  txtModShift,
  txtModWin,
  // Navigation tree nodes.
  txtNavGeneral,
  txtNavHotkeys,
  txtNavDefinitions,
  txtNavSpelling,
  txtNavThesaurus,
  txtNavEditor,
  txtNavInstantSpell,
  txtNavMouse,
  // Click-action entries (those whose texts other rows already hold use
  // those rows).
  txtMouseNone,
  txtMouseThesClip,
  txtMouseSpellOptions,
  txtMouseSmartBar,
  txtMouseTrayMenu,
};

// Tray and help menu items: kTrayMenuTextBase + the item's command.
inline constexpr int kTrayMenuTextBase = kCaptionMessageBase + 0x100;

const CaptionTable& OptionsTexts();

}  // namespace wx
