// The checker's dialog texts by index. Texts that a window's caption table
// holds come from there in the checker's language; the others are English.
#include <string>

#include "spelling/SpellCheckerBase.h"
#include "spelling/SpellDialogTexts.h"
#include "spelling/SpellOptionsTexts.h"

namespace wx {

namespace {

const char* const kEnglish[] = {
    "Check spelling as you type",
    "Correct spelling errors as you type",
    "Ignore words in &UPPERCASE",
    "Ignore words containing numbers",
    "Ignore markup languages (&HTML, XML, etc)",
    "Ignore Internet addresses",
    "Ignore quoted lines",
    "Ignore abbreviations",
    "Suggest from main dictionaries only",
    "Prompt on repeated word",
    "Confirmation:",
    "Delete this custom dictionary?",
    "(Ignore All / Change All)",
    "Spelling",
    "Spelling Options",
    "Dictionaries",
    "Words added with Ignore All / Change All",
    "New Custom Dictionary",
    "Not Found:",
    "Repeated Word:",
    "&Replace With:",
    "&Suggestions:",
    "&Undo",
    "&Options",
    "&Ignore All",
    "I&gnore",
    "&Change All",
    "C&hange",
    "&Add",
    "Au&to-Correct",
    "&Help",
    "Cancel",
    " O&ptions: ",
    " D&ictionaries: ",
    "Name",
    "Filename",
    "&Custom Dictionary:",
    "&Dictionaries ...",
    "Locate Dictionaries...",
    "Choose Folder Containing Dictionaries",
    " Custom Dictionaries: ",
    "&Edit",
    "&Delete",
    "&New",
    "&OK",
    "&Enter the new custom dictionary name:",
    "Add&ed Words",
    "These words will be considered correct during a spell check operation.",
    "&Ignore this word:",
    "A&uto-Correct Pairs",
    "These words will automatically be corrected when encountered during a spelling check.",
    "&Replace:",
    "&With:",
    "&Excluded Words",
    "These words will always be considered incorrect during a spell check operation.",
    "E&xclude this word:",
    "The spelling check is complete.",
    "Words checked:",
    "The selection has been checked.  Would you like to check the remainder of the document?",
    "(no suggestions)",
    "I&gnore",
    "&Ignore All",
    "&Add",
    "&Change All",
    "A&uto Correct",
    "&Spelling ...",
};
constexpr int kCount = int(sizeof(kEnglish) / sizeof(kEnglish[0]));
static_assert(kCount == 66);

struct Source {
  int index;
  const CaptionTable& (*table)();
  int id;
};

// Where a window's table holds the same text (its English equal to the text
// above, which a test keeps so).
const Source kSources[] = {
    {0, SpellOptionsTexts, idOptionBox0 + 8},    {1, SpellOptionsTexts, idOptionBox0 + 9},
    {2, SpellOptionsTexts, idOptionBox0 + 0},    {3, SpellOptionsTexts, idOptionBox0 + 1},
    {4, SpellOptionsTexts, idOptionBox0 + 2},    {5, SpellOptionsTexts, idOptionBox0 + 3},
    {6, SpellOptionsTexts, idOptionBox0 + 4},    {7, SpellOptionsTexts, idOptionBox0 + 5},
    {8, SpellOptionsTexts, idOptionBox0 + 6},    {9, SpellOptionsTexts, idOptionBox0 + 7},
    {13, SpellDialogTexts, kCaptionWindowTitle}, {14, SpellOptionsTexts, kCaptionWindowTitle},
    {18, SpellDialogTexts, txtSpellNotFound},    {19, SpellDialogTexts, txtSpellRepeatedWord},
    {20, SpellDialogTexts, idSpellReplaceLabel}, {21, SpellDialogTexts, idSpellSuggestionsLabel},
    {22, SpellDialogTexts, idSpellUndo},         {23, SpellDialogTexts, idSpellOptions},
    {24, SpellDialogTexts, idSpellIgnoreAll},    {25, SpellDialogTexts, idSpellIgnore},
    {26, SpellDialogTexts, idSpellChangeAll},    {27, SpellDialogTexts, txtSpellChange},
    {28, SpellDialogTexts, idSpellAdd},          {29, SpellDialogTexts, idSpellAutoCorrect},
    {30, SpellDialogTexts, idSpellHelp},         {31, SpellDialogTexts, idSpellCancel},
    {32, SpellOptionsTexts, idOptionsGroup},     {33, SpellOptionsTexts, idDictionariesGroup},
    {34, SpellOptionsTexts, txtNameColumn},      {35, SpellOptionsTexts, txtFilenameColumn},
    {36, SpellOptionsTexts, idCustomLabel},      {37, SpellOptionsTexts, idDictionariesButton},
    {38, SpellOptionsTexts, txtLocateDictionaries}, {39, SpellOptionsTexts, txtChooseFolder},
    {42, SpellDialogTexts, txtSpellDelete},      {44, SpellOptionsTexts, idOptionsOk},
    {56, SpellDialogTexts, txtSpellComplete},    {57, SpellDialogTexts, txtSpellWordsChecked},
    {58, SpellDialogTexts, txtSpellCheckRemainder}, {59, SpellDialogTexts, txtSpellNoSuggestions},
};

}  // namespace

UiLanguage UiLanguageOf(TSpellLanguageType language) {
  switch (language) {
    case ltDanish: return UiLanguage::Danish;
    case ltDutch: return UiLanguage::Dutch;
    case ltFrench: return UiLanguage::French;
    case ltGerman: return UiLanguage::German;
    case ltItalian: return UiLanguage::Italian;
    case ltBrPortuguese: return UiLanguage::BrPortuguese;
    case ltStdPortuguese: return UiLanguage::StdPortuguese;
    case ltSpanish: return UiLanguage::Spanish;
    case ltSwedish: return UiLanguage::Swedish;
    case ltRussian:  // no Russian interface texts: English
    case ltEnglish: break;
  }
  return UiLanguage::English;
}

TSpellLanguageType SpellLanguageOf(UiLanguage language) {
  static constexpr TSpellLanguageType kOf[kUiLanguageCount] = {
      ltEnglish, ltDanish, ltDutch, ltFrench, ltGerman, ltItalian, ltBrPortuguese, ltStdPortuguese, ltSpanish,
      ltSwedish};
  return kOf[int(language)];
}

std::string SpellStringEnglish(int index) { return index >= 0 && index < kCount ? kEnglish[index] : ""; }

std::string SpellStringFromTables(int index, UiLanguage language) {
  for (const Source& s : kSources)
    if (s.index == index) return std::string(s.table().Text(s.id, language));
  return SpellStringEnglish(index);
}

std::string TSpellCheckerBase::GetString(int index) {
  std::string text = SpellStringFromTables(index, UiLanguageOf(UILanguage));
  if (OnGetString) OnGetString(index, text);
  return text;
}

}  // namespace wx
