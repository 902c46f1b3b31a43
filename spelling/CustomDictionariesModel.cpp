#include "spelling/CustomDictionariesModel.h"

#include <algorithm>

#include "spelling/CustomDictionariesTexts.h"
#include "spelling/DictionaryFiles.h"

namespace wx {

std::string FileNamePart(const std::string& path) {
  size_t at = path.find_last_of("\\/:");
  return at == std::string::npos ? path : path.substr(at + 1);
}

TCustomDictionariesModel::TCustomDictionariesModel(TSpellCheckerBase& checker, bool showTemporary)
    : checker_(checker), showTemporary_(showTemporary) {
  Rebuild();
}

void TCustomDictionariesModel::Rebuild() {
  rows_.clear();
  TCustomDictionary& temp = checker_.TemporaryDictionary();
  if (showTemporary_ && (temp.AddedCount() > 0 || temp.AutoCorrectCount() > 0)) {
    TListEntry e;
    e.Temporary = true;
    rows_.push_back(e);
  }
  const std::vector<std::string> listed = checker_.Config().CustomDictionaries();
  for (const auto& name : checker_.CustomDictionaryFiles()) {
    TListEntry e;
    e.Name = name;
    e.Shown = FileNamePart(name);
    e.Checked = std::find(listed.begin(), listed.end(), name) != listed.end();
    e.Renameable = e.Shown == name;
    rows_.push_back(e);
  }
  const std::vector<std::string> words = checker_.Config().WordCustomDictionaries();
  for (const auto& path : checker_.WordCustomDictionaryFiles()) {
    TListEntry e;
    e.WordProcessor = true;
    e.Name = path;
    e.Shown = FileNamePart(path);
    e.Checked = std::find(words.begin(), words.end(), path) != words.end();
    rows_.push_back(e);
  }
  selected_ = -1;
  ++version_;
}

void TCustomDictionariesModel::Select(int row) { selected_ = row >= 0 && size_t(row) < rows_.size() ? row : -1; }

void TCustomDictionariesModel::SelectionChanged(int row, bool selected) {
  if (selected) {
    if (row >= 0) Select(row);
  } else if (row < 0 || row == selected_) {
    selected_ = -1;
  }
}

std::string TCustomDictionariesModel::DeleteQuestion() const {
  std::string text = CustomDictionariesTexts().TextString(txtConfirmDelete);
  const std::string name = selected_ >= 0 ? rows_[size_t(selected_)].Shown : std::string();
  const std::string token = "%name%";
  if (size_t at = text.find(token); at != std::string::npos) text.replace(at, token.size(), name);
  return text;
}

bool TCustomDictionariesModel::SetChecked(int row, bool checked) {
  if (row < 0 || size_t(row) >= rows_.size()) return false;
  TListEntry& e = rows_[size_t(row)];
  if (e.Temporary) return e.Checked = true;
  if (e.WordProcessor) checker_.SetWordCustomDictionaryListed(e.Name, checked);
  else checker_.SetCustomDictionaryListed(e.Name, checked);
  const auto& list = e.WordProcessor ? checker_.Config().WordCustomDictionaries() : checker_.Config().CustomDictionaries();
  e.Checked = std::find(list.begin(), list.end(), e.Name) != list.end();
  return e.Checked;
}

TCustomNameResult TCustomDictionariesModel::Rename(int row, const std::string& newText) {
  if (row < 0 || size_t(row) >= rows_.size() || !rows_[size_t(row)].Renameable) return cnFailed;
  const std::string old = rows_[size_t(row)].Name;
  TCustomNameResult r = checker_.RenameCustomDictionary(old, newText);
  if (r != cnOk) return r;
  const std::string now = CustomDictionaryFileName(newText);
  Rebuild();
  Select(RowNamed(now));
  return r;
}

bool TCustomDictionariesModel::Delete(int row) {
  if (row < 0 || size_t(row) >= rows_.size()) return false;
  const TListEntry e = rows_[size_t(row)];
  if (e.Temporary || e.WordProcessor) return false;
  bool ok = checker_.DeleteCustomDictionary(e.Name);
  Rebuild();
  return ok;
}

int TCustomDictionariesModel::RowNamed(const std::string& shown) const {
  for (size_t i = 0; i < rows_.size(); ++i)
    if (!rows_[i].Temporary && !rows_[i].WordProcessor && rows_[i].Shown == shown) return int(i);
  return -1;
}

TCustomNameResult TCustomDictionariesModel::New(const std::string& typed) {
  if (typed.find_first_not_of(" \t") == std::string::npos) return cnBlank;
  const std::string file = CustomDictionaryFileName(typed);
  if (file.empty()) return cnInvalid;
  int existing = RowNamed(file);
  if (existing >= 0) {
    Select(existing);
    return cnOk;
  }
  std::string made;
  TCustomNameResult r = checker_.NewCustomDictionary(typed, &made);
  if (r != cnOk) return r;
  Rebuild();
  Select(RowNamed(made));
  return cnOk;
}

}  // namespace wx
