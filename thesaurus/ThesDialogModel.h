// What the standard thesaurus dialog shows and how it reacts, without the
// window: the history of looked-up words, the meanings and word lists, the
// replacement edit and which buttons are enabled. The Windows dialog turns
// control notifications into calls here and shows the state after each call
// (a list is refilled only when its version changed).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "thesaurus/ThesaurusBase.h"

namespace wx {

class TThesDialogModel {
 public:
  // Wires the dialog control's events to this model.
  explicit TThesDialogModel(TThesaurusDialogCtrl& ctrl);

  // ---- user actions (the view calls these) ----
  void SelectContextRow(int row);
  void SelectWordRow(int row);
  // The edit's text changed; text is what it holds (UTF-8).
  void ReplaceTextChanged(const std::string& text);
  void LookupButton();
  void ChooseHistory(int index);
  void PreviousButton();
  void ReplaceButton();
  // A double click on the word list: row is the item under the pointer, -1
  // for empty space (which does nothing).
  void WordListDoubleClick(int row);
  void Close();
  // The centring timer fired: the view has scrolled; stop it.
  void TimerFired() { timerRunning = false; }

  // ---- state (words are ANSI; texts UTF-8) ----
  std::string caption;
  std::string labelTexts[3];   // looked-up, contexts, replace-with
  std::string buttonTexts[4];  // previous, lookup, replace, close
  bool lookedUpVisible = true, lookedUpEnabled = true;
  bool previousVisible = true, lookupVisible = true, replaceVisible = true, closeVisible = true;
  bool closeEnabled = true;
  int contextsShift = 0;  // pixels ContextsLabel/ContextLV move up (and ContextLV grows)

  std::vector<std::string> history;  // newest first
  int historySelected = -1;
  struct ContextRow {
    std::string word, kindName;  // ANSI, except the "not found" row
  };
  std::string notFoundText;      // UTF-8; the only row while contexts are disabled
  std::vector<ContextRow> contextRows;
  bool contextsEnabled = false;
  int contextSelected = -1;
  std::vector<std::string> words;
  int wordSelected = -1;
  std::string replaceText;   // ANSI: what Lookup looks up
  std::string replaceTyped;  // UTF-8: what Replace returns, as typed
  bool previousEnabled = false, lookupEnabled = false, replaceEnabled = false;
  bool timerRunning = false;  // centre the selected word after 10 ms

  // Bumped when the list or its rows change, so the view refills only then.
  uint32_t historyVersion = 0, contextsVersion = 0, wordsVersion = 0, replaceVersion = 0;

 private:
  void Activate();
  void PromptLookup(const std::string& word, const TContextList& contexts);
  void PromptContext(const std::vector<std::string>& list);
  void SetReplaceText(const std::string& text);

  TThesaurusDialogCtrl& ctrl_;
};

}  // namespace wx
