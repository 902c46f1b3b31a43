#include "spelling/SpellOptionsModel.h"

#include <algorithm>

#include "spelling/DictionaryFiles.h"

namespace wx {

namespace {

// The caption text of each option the program offers (texts 0 ... 9).
int OptionText(TSpellOption o) {
  switch (o) {
    case soLiveSpelling: return 0;
    case soLiveCorrect: return 1;
    case soUpcase: return 2;
    case soNumbers: return 3;
    case soHTML: return 4;
    case soInternet: return 5;
    case soQuoted: return 6;
    case soAbbreviations: return 7;
    case soPrimaryOnly: return 8;
    case soRepeated: return 9;
    default: return -1;
  }
}

}  // namespace

TSpellOptionsModel::TSpellOptionsModel(TSpellCheckerBase& checker, bool locateRow)
    : checker_(checker), locateRow_(locateRow) {
  const TSpellOptions options = checker_.Options();
  // Boxes take the offered options in option order.
  for (int o = 0; o < kSpellOptionCount; ++o) {
    int text = OptionText(TSpellOption(o));
    if (text >= 0) boxes_.push_back({TSpellOption(o), text, options.Has(TSpellOption(o))});
  }
  FillMainList();
  FillCustomChoice();
}

void TSpellOptionsModel::ClickOption(int box) {
  if (box < 0 || size_t(box) >= boxes_.size()) return;
  OptionBox& b = boxes_[size_t(box)];
  TSpellOptions options = checker_.Options();
  options.Set(b.option, !options.Has(b.option));
  checker_.SetOptions(options);
  b.checked = checker_.Options().Has(b.option);
}

void TSpellOptionsModel::FillMainList() {
  rows_.clear();
  const std::vector<std::string> used = checker_.Config().MainDictionaries();
  const std::vector<std::string> folders = checker_.Config().SearchFolders();
  for (const auto& file : checker_.MainDictionaryFiles()) {
    MainRow row;
    row.file = file;
    auto d = OpenMainDictionary(file, folders);
    row.title = d ? d->Title() : "???";
    row.checked = std::find(used.begin(), used.end(), file) != used.end();
    rows_.push_back(row);
  }
  if (locateRow_) {
    MainRow locate;
    locate.locate = true;
    rows_.push_back(locate);
  }
  ++version_;
}

bool TSpellOptionsModel::SetMainChecked(int row, bool checked) {
  if (row < 0 || size_t(row) >= rows_.size()) return false;
  MainRow& r = rows_[size_t(row)];
  if (r.locate) {
    r.checked = false;
    return checked;
  }
  if (checked) checker_.Config().AddMainDictionary(r.file);
  else checker_.Config().RemoveMainDictionary(r.file);
  const auto& used = checker_.Config().MainDictionaries();
  r.checked = std::find(used.begin(), used.end(), r.file) != used.end();
  return false;
}

void TSpellOptionsModel::AddDictionaryFolder(const std::string& folder) {
  if (!folder.empty()) checker_.Config().AddFolder(folder);
  FillMainList();
}

void TSpellOptionsModel::FillCustomChoice() {
  customItems_ = checker_.CustomDictionaryFiles();
  const std::string active = checker_.Config().ExpandedActiveCustom();
  auto it = std::find(customItems_.begin(), customItems_.end(), active);
  customSelected_ = it == customItems_.end() ? -1 : int(it - customItems_.begin());
  ++version_;
}

void TSpellOptionsModel::ChooseCustom(int item) {
  if (item < 0 || size_t(item) >= customItems_.size()) return;
  checker_.Config().SetActiveCustom(customItems_[size_t(item)]);
  FillCustomChoice();
}

}  // namespace wx
