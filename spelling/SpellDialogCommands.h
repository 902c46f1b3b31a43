// The spell-check dialog's settings on the checker: which commands it shows
// and enables, where it opens, how it keeps off the word it presents, and the
// language of the checker's dialog texts.
#pragma once

#include <cstdint>

namespace wx {

// The commands of the spelling dialogs, in bit order.
enum TSpellDialogCommand : uint8_t {
  sdcIgnore,
  sdcIgnoreAll,
  sdcChange,
  sdcChangeAll,
  sdcAdd,
  sdcAutoCorrect,
  sdcUndo,
  sdcHelp,
  sdcCancel,
  sdcOptions,
  sdcCustomDictionary,
  sdcCustomDictionaries,
  sdcConfigOK,
  sdcAddedEdit,
  sdcAutoCorrectEdit,
  sdcExcludedEdit,
  sdcInternalEdit,
  sdcMainDictFolderBrowse,
  sdcResetDefaults,
};
inline constexpr int kSpellDialogCommandCount = 19;

// A set of commands, bit n for command n. The default holds every command
// except sdcResetDefaults, as the program uses them.
struct TSpellDialogCommands {
  uint32_t bits = ((1u << kSpellDialogCommandCount) - 1) & ~(1u << sdcResetDefaults);
  bool Has(TSpellDialogCommand c) const { return (bits >> c) & 1u; }
  TSpellDialogCommands& Set(TSpellDialogCommand c, bool on) {
    bits = on ? bits | (1u << c) : bits & ~(1u << c);
    return *this;
  }
  bool operator==(const TSpellDialogCommands&) const = default;
};

// Where the dialog opens when a check first shows it.
enum TSpellDialogInitialPos : uint8_t {
  ipScreenCenter,
  ipUnderSelection,
  ipAvoidControl,
  ipUserDefined,
  ipLastUserPos,
  ipIgnore,
  ipDesktopCenter,
};

// How the dialog moves off each word it presents.
enum TSpellDialogAvoidPos : uint8_t { saNone, saAvoid, saAvoidUpDown, saMove, saMoveUpDown };

// The languages of the checker's dialog texts (GetString).
enum TSpellLanguageType : uint8_t {
  ltRussian,
  ltEnglish,
  ltGerman,
  ltDanish,
  ltDutch,
  ltFrench,
  ltItalian,
  ltBrPortuguese,
  ltStdPortuguese,
  ltSpanish,
  ltSwedish,
};

}  // namespace wx
