#include "spelling/CustomDictionaryEditModel.h"

#include <algorithm>

namespace wx {

namespace {

template <class List, class Key>
int IndexOf(const List& list, const Key& key) {
  for (size_t i = 0; i < list.size(); ++i)
    if (key(list[i])) return int(i);
  return -1;
}

// After removing row `removed`, the row now at that position, or the last.
int AfterRemoval(int removed, size_t size) {
  if (size == 0) return -1;
  return std::min(removed, int(size) - 1);
}

}  // namespace

TCustomDictionaryEditModel::TCustomDictionaryEditModel(TCustomDictionary& dictionary, bool temporary,
                                                       bool useExcludeWords)
    : dict_(dictionary), excludedVisible_(useExcludeWords && !temporary) {}

void TCustomDictionaryEditModel::Fill(Page page) {
  std::string w, r;
  if (page == pgAutoCorrect) {
    auto_.rows.clear();
    for (size_t i = 0; dict_.GetAutoCorrectPair(i, w, r); ++i) auto_.rows.emplace_back(w, r);
    std::sort(auto_.rows.begin(), auto_.rows.end());
    auto_.filled = true;
    ++auto_.version;
    UpdateAutoPage();
    return;
  }
  WordPage& p = PageOf(page);
  p.list.clear();
  for (size_t i = 0; page == pgAdded ? dict_.GetAddedWord(i, w) : dict_.GetExcludedWord(i, w); ++i) p.list.push_back(w);
  std::sort(p.list.begin(), p.list.end());
  p.filled = true;
  ++p.version;
  UpdateWordPage(page);
}

void TCustomDictionaryEditModel::ShowPage(Page page) {
  if (page == pgAutoCorrect ? !auto_.filled : !PageOf(page).filled) Fill(page);
}

bool TCustomDictionaryEditModel::IsAutoKey(const std::string& word) {
  std::string r;
  return dict_.GetAutoCorrect(word, r);
}

void TCustomDictionaryEditModel::UpdateWordPage(Page page) {
  WordPage& p = PageOf(page);
  const bool inPage = page == pgAdded ? dict_.IsAdded(p.text) : dict_.IsExcludedWord(p.text);
  if (inPage) {
    p.addEnabled = false;
    p.selected = IndexOf(p.list, [&](const std::string& s) { return s == p.text; });
    p.deleteEnabled = p.selected >= 0;
    return;
  }
  p.selected = -1;
  p.deleteEnabled = false;
  const bool otherKind = page == pgAdded ? dict_.IsExcludedWord(p.text) : dict_.IsAdded(p.text);
  p.addEnabled = !p.text.empty() && !IsAutoKey(p.text) && !otherKind;
}

void TCustomDictionaryEditModel::TextChanged(Page page, const std::string& text) {
  ShowPage(page);
  PageOf(page).text = text;
  UpdateWordPage(page);
}

void TCustomDictionaryEditModel::ClickRow(Page page, int row) {
  WordPage& p = PageOf(page);
  if (row < 0 || size_t(row) >= p.list.size()) return;
  TextChanged(page, p.list[size_t(row)]);
}

bool TCustomDictionaryEditModel::Add(Page page) {
  ShowPage(page);
  WordPage& p = PageOf(page);
  if (!p.addEnabled) return false;
  if (!(page == pgAdded ? dict_.AddWord(p.text) : dict_.AddExcluded(p.text))) return false;
  p.list.insert(std::lower_bound(p.list.begin(), p.list.end(), p.text), p.text);
  ++p.version;
  UpdateWordPage(page);
  return true;
}

bool TCustomDictionaryEditModel::Delete(Page page) {
  ShowPage(page);
  WordPage& p = PageOf(page);
  if (!(page == pgAdded ? dict_.RemoveWord(p.text) : dict_.RemoveExcluded(p.text))) return false;
  int at = IndexOf(p.list, [&](const std::string& s) { return s == p.text; });
  if (at >= 0) p.list.erase(p.list.begin() + at);
  ++p.version;
  int next = AfterRemoval(std::max(at, 0), p.list.size());
  p.text = next >= 0 ? p.list[size_t(next)] : std::string();
  UpdateWordPage(page);
  return true;
}

void TCustomDictionaryEditModel::UpdateAutoPage() {
  AutoCorrectPage& p = auto_;
  if (IsAutoKey(p.word)) {
    p.addEnabled = false;
    p.selected = IndexOf(p.rows, [&](const auto& r) { return r.first == p.word; });
    p.deleteEnabled = p.selected >= 0;
    return;
  }
  p.selected = -1;
  p.deleteEnabled = false;
  p.addEnabled = !p.word.empty() && !p.replacement.empty() && !dict_.IsAdded(p.word) &&
                 !dict_.IsExcludedWord(p.word);
}

void TCustomDictionaryEditModel::AutoWordChanged(const std::string& word) {
  ShowPage(pgAutoCorrect);
  auto_.word = word;
  UpdateAutoPage();
}

void TCustomDictionaryEditModel::AutoReplacementChanged(const std::string& replacement) {
  ShowPage(pgAutoCorrect);
  AutoCorrectPage& p = auto_;
  p.replacement = replacement;
  if (p.selected >= 0 && p.rows[size_t(p.selected)].first == p.word) {
    std::string current;
    if (dict_.GetAutoCorrect(p.word, current) && current != replacement &&
        dict_.ReplaceAutoCorrect(p.word, replacement)) {
      p.rows[size_t(p.selected)].second = replacement;
      ++p.version;
    }
  }
  UpdateAutoPage();
}

void TCustomDictionaryEditModel::ClickAutoRow(int row) {
  ShowPage(pgAutoCorrect);
  AutoCorrectPage& p = auto_;
  if (row < 0 || size_t(row) >= p.rows.size()) return;
  p.word = p.rows[size_t(row)].first;
  p.replacement = p.rows[size_t(row)].second;
  UpdateAutoPage();
}

bool TCustomDictionaryEditModel::AddAutoCorrect() {
  ShowPage(pgAutoCorrect);
  AutoCorrectPage& p = auto_;
  if (!p.addEnabled || !dict_.AddAutoCorrect(p.word, p.replacement)) return false;
  auto row = std::make_pair(p.word, p.replacement);
  p.rows.insert(std::lower_bound(p.rows.begin(), p.rows.end(), row), row);
  ++p.version;
  UpdateAutoPage();
  return true;
}

bool TCustomDictionaryEditModel::DeleteAutoCorrect() {
  ShowPage(pgAutoCorrect);
  AutoCorrectPage& p = auto_;
  if (!dict_.RemoveAutoCorrect(p.word)) return false;
  int at = IndexOf(p.rows, [&](const auto& r) { return r.first == p.word; });
  if (at >= 0) p.rows.erase(p.rows.begin() + at);
  ++p.version;
  int next = AfterRemoval(std::max(at, 0), p.rows.size());
  p.word = next >= 0 ? p.rows[size_t(next)].first : std::string();
  p.replacement = next >= 0 ? p.rows[size_t(next)].second : std::string();
  UpdateAutoPage();
  return true;
}

}  // namespace wx
