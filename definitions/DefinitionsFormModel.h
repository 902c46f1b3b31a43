// What the definitions window shows and decides, without the window: the
// rows of the definitions column (headings and numbered senses), the
// part-of-speech buttons, the relation tabs and their word list, the history
// of looked-up words with Previous, and the word Replace returns. The Win32
// window (DefinitionsForm_win) turns control notifications into calls here
// and shows the state after each call; a list is rebuilt only when its
// version changed. Words are ANSI, as the database holds them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "definitions/DefinitionsDialog.h"

namespace wx {

class TDefinitionsDatabase;

// The window's design size (client area) and the smallest window it can be
// made (5 lookup buttons wide, 10 high), in pixels at 96 DPI.
constexpr int kDefinitionsClientWidth = 502, kDefinitionsClientHeight = 383;
constexpr int kDefinitionsMinWidth = 5 * 57, kDefinitionsMinHeight = 10 * 23;

// The colour that marks the chosen sense (0x00BBGGRR values): the highlight
// colour unless it would not stand out against the window or its text.
uint32_t DefinitionsHighlightColour(uint32_t highlight, uint32_t window, uint32_t windowText,
                                    uint32_t highlightText);

// One line of the definitions column.
struct TDefinitionRow {
  bool heading = false;      // a part-of-speech and head-word line
  int partOfSpeech = 0;
  std::string headWord;      // headings: the head word
  std::string inflections;   // headings: its inflected forms ("happier, happiest"), may be empty
  std::string gloss;         // senses: the gloss, first letter in capitals (" " when empty)
  int number = 0;            // senses: 1, 2, ... within their heading
  int senseIndex = -1;       // senses: the index in the result set
};

class TDefinitionsFormModel {
 public:
  // What the window does after the copy button.
  enum class CopyResult { None, CloseOk, PutOnClipboard };

  void SetDatabase(TDefinitionsDatabase& database) { db_ = &database; }
  // A comma-separated list of forms as the heading shows it, a blank after
  // each comma.
  static std::string ReadableList(const std::string& list);
  // Clamped to 0..100: 0 hides the definitions, 100 shows nothing else.
  void SetDefinitionsHeightPercent(int percent);
  int DefinitionsHeightPercent() const { return percent_; }
  bool DefinitionsHidden() const { return percent_ == 0; }
  bool DefinitionsOnly() const { return percent_ == 100; }

  // ---- user actions ----
  void KeyWordChanged(const std::string& text);
  // Searches word (the search button, Enter in the word box, following a
  // word). Database errors propagate after the state is reset.
  void Search(const std::string& word);
  // A sense number clicked (or Enter in its box): chooses it, or releases it
  // when it is the chosen one.
  void ChooseSense(int senseIndex);
  void PartOfSpeechButton(int pos, bool down);
  void ChooseTab(int tab);
  void SelectWord(int row);
  // Double click or Enter in the word list: true when the window closes with OK.
  bool WordListActivate();
  // Steps back one history entry (or to the current entry when the word on
  // show is not it) without adding to the history.
  void Previous();
  // A definition box gains or loses the focus; its selected text changed.
  void EnterDefinition();
  void LeaveDefinition();
  void DefinitionSelectionChanged(const std::string& selected);
  CopyResult CopyButton() const;

  // The word the window offers: the selection in the focused definition box,
  // else the selected list word without a trailing "*", else empty.
  std::string ReturnWord() const;

  TCopyButtonPressAction copyAction = cbpCloseAndReturn;
  TListDoubleClickAction doubleClickAction = ldcLookupWord;

  // ---- state ----
  std::string keyWord;                // the word box
  std::string lastSearched;
  std::vector<std::string> history;   // oldest first
  int historyPos = -1;                // the entry on show (or last shown)
  std::vector<TDefinitionRow> rows;
  std::string notFoundWord;           // non-empty: "Word not found: " + this is shown
  int chosenSense = -1;               // index in the result set
  bool posEnabled[4] = {}, posDown[4] = {};
  int scrollToPartOfSpeech = -1;      // the window scrolls there once, then resets it
  int currentRelation = 12;
  std::vector<int> tabs;              // relation types, in tab order
  int selectedTab = -1;
  std::vector<std::string> words;     // the word list
  int wordSelected = -1;
  bool searchEnabled = false, copyEnabled = false, previousEnabled = false;
  bool definitionFocused = false;
  std::string definitionSelection;
  uint32_t rowsVersion = 0, wordsVersion = 0, tabsVersion = 0, historyVersion = 0;

 private:
  void Lookup(const std::string& word, bool addToHistory);
  void BuildRows();
  void UpdateButtons();
  void ShowRelation();
  void ShowWords(const std::vector<std::string>& list, int selected = -1);
  void UpdateTabs();

  TDefinitionsDatabase* db_ = nullptr;
  int percent_ = 35;
  bool showingHistoryEntry_ = false;
};

// The list word without a trailing "*".
std::string WithoutStar(const std::string& word);

}  // namespace wx
