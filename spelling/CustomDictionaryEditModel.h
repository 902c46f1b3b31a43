// What the custom dictionary editor shows and decides, without the window:
// three pages (added words, auto-correct pairs, excluded words), each with
// its sorted list, edit fields, selection and the state of Add and Delete.
// Every change goes to the dictionary at once. The Windows dialog turns
// control notifications into calls here and shows the state after each call
// (a list is refilled when its version changed). Words are ANSI.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "spelling/CustomDictionary.h"

namespace wx {

class TCustomDictionaryEditModel {
 public:
  enum Page { pgAdded, pgAutoCorrect, pgExcluded };

  // A page of single words (added or excluded).
  struct WordPage {
    std::vector<std::string> list;  // sorted
    std::string text;               // the edit field
    int selected = -1;
    bool addEnabled = false, deleteEnabled = false;
    bool filled = false;
    uint32_t version = 0;
  };
  struct AutoCorrectPage {
    std::vector<std::pair<std::string, std::string>> rows;  // sorted by word
    std::string word, replacement;                          // the two edit fields
    int selected = -1;
    bool addEnabled = false, deleteEnabled = false;
    bool filled = false;
    uint32_t version = 0;
  };

  // temporary: the dictionary of Ignore All / Change All words (no excluded
  // page). useExcludeWords: the checker honours excluded words.
  TCustomDictionaryEditModel(TCustomDictionary& dictionary, bool temporary, bool useExcludeWords);

  bool ExcludedPageVisible() const { return excludedVisible_; }
  // Fills a page's list the first time it is shown.
  void ShowPage(Page page);

  // ---- added and excluded words ----
  void TextChanged(Page page, const std::string& text);
  void ClickRow(Page page, int row);
  // Enter in the field: Add when enabled. Answers whether it added.
  bool Add(Page page);
  bool Delete(Page page);

  // ---- auto-correct pairs ----
  void AutoWordChanged(const std::string& word);
  // Editing the replacement of a selected pair replaces the pair when the
  // new one is accepted; an empty or refused replacement keeps the pair.
  void AutoReplacementChanged(const std::string& replacement);
  void ClickAutoRow(int row);
  bool AddAutoCorrect();
  bool DeleteAutoCorrect();

  const WordPage& Added() const { return added_; }
  const WordPage& Excluded() const { return excluded_; }
  const AutoCorrectPage& AutoCorrect() const { return auto_; }

 private:
  WordPage& PageOf(Page page) { return page == pgExcluded ? excluded_ : added_; }
  void Fill(Page page);
  void UpdateWordPage(Page page);
  void UpdateAutoPage();
  bool IsAutoKey(const std::string& word);

  TCustomDictionary& dict_;
  bool excludedVisible_;
  WordPage added_, excluded_;
  AutoCorrectPage auto_;
};

}  // namespace wx
