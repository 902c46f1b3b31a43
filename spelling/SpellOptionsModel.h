// What the spelling options dialog shows and decides, without the window:
// the option boxes, the main dictionary list (title, file name, checked when
// the configuration uses it, and a last "Locate Dictionaries..." row) and
// the active custom dictionary choice. Every change goes to the checker's
// configuration at once; the checker reopens its dictionaries or rebuilds
// its rules from there.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "spelling/SpellCheckerBase.h"

namespace wx {

class TSpellOptionsModel {
 public:
  struct OptionBox {
    TSpellOption option;
    int textIndex;  // the dialog text of its caption (0 ... 9)
    bool checked;
  };
  struct MainRow {
    std::string title;  // ANSI; "???" when the file does not open; empty for the Locate row
    std::string file;   // empty for the Locate row
    bool checked = false;
    bool locate = false;
  };

  // locateRow: offer the "Locate Dictionaries..." row.
  explicit TSpellOptionsModel(TSpellCheckerBase& checker, bool locateRow = true);

  void ClickOption(int box);
  // A row's check box changed. For the Locate row the box stays unchecked
  // and the answer is true: the view asks for a folder (AddDictionaryFolder).
  bool SetMainChecked(int row, bool checked);
  void AddDictionaryFolder(const std::string& folder);
  void ChooseCustom(int item);
  // Refills the list and the choice (after the dictionaries dialog).
  void FillMainList();
  void FillCustomChoice();

  const std::vector<OptionBox>& Boxes() const { return boxes_; }
  const std::vector<MainRow>& MainRows() const { return rows_; }
  const std::vector<std::string>& CustomItems() const { return customItems_; }
  int CustomSelected() const { return customSelected_; }
  uint32_t Version() const { return version_; }

 private:
  TSpellCheckerBase& checker_;
  bool locateRow_;
  std::vector<OptionBox> boxes_;
  std::vector<MainRow> rows_;
  std::vector<std::string> customItems_;
  int customSelected_ = -1;
  uint32_t version_ = 0;
};

}  // namespace wx
