// What the custom dictionaries dialog shows and decides, without the window:
// one checked row per custom dictionary file and per word-processor
// dictionary (and the temporary Ignore All / Change All dictionary when it
// holds something), and what New, Rename, Delete and the check boxes do to
// the checker's configuration and files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "spelling/SpellCheckerBase.h"

namespace wx {

struct TListEntry {
  bool Checked = true;
  bool Temporary = false;
  bool WordProcessor = false;
  std::string Name;   // the dictionary name or path as listed
  std::string Shown;  // its file-name part, the row's text
  bool Renameable = false;
};

class TCustomDictionariesModel {
 public:
  // showTemporary: the temporary dictionary may be edited here.
  TCustomDictionariesModel(TSpellCheckerBase& checker, bool showTemporary = true);

  void Rebuild();
  void Select(int row);
  // The list's highlight on `row` came (selected) or went (row -1: on every
  // row). The model follows the list, so that with no row highlighted there
  // is nothing to edit or delete.
  void SelectionChanged(int row, bool selected);
  // The view changed a row's check box; the row's state afterwards. The
  // selection stays as it is: a check box is not a highlight.
  bool SetChecked(int row, bool checked);
  // In-place rename of a Renameable row. On refusal the row keeps its text.
  TCustomNameResult Rename(int row, const std::string& newText);
  // The question asked before Delete, naming the selected dictionary's file.
  std::string DeleteQuestion() const;
  // After the user confirmed. Rebuilds the list.
  bool Delete(int row);
  // The name prompt's text: cnOk when the row exists already or was made
  // (it is then selected), else why the name was refused.
  TCustomNameResult New(const std::string& typed);

  const std::vector<TListEntry>& Rows() const { return rows_; }
  int Selected() const { return selected_; }
  bool EditEnabled() const { return selected_ >= 0; }
  bool DeleteEnabled() const {
    return selected_ >= 0 && !rows_[size_t(selected_)].Temporary && !rows_[size_t(selected_)].WordProcessor;
  }
  uint32_t Version() const { return version_; }

 private:
  int RowNamed(const std::string& shown) const;

  TSpellCheckerBase& checker_;
  bool showTemporary_;
  std::vector<TListEntry> rows_;
  int selected_ = -1;
  uint32_t version_ = 0;
};

// The file-name part of a name or path (after the last '\', '/' or ':').
std::string FileNamePart(const std::string& path);

}  // namespace wx
