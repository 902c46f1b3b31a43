#include "spelling/MainDictionaryList.h"

#include <algorithm>

namespace wx {

namespace {
bool IsEnglish(const TMainDictionary& d) { return (d.Language() & 0xFF) == 9; }
}  // namespace

void TMainDictionaryList::Add(std::unique_ptr<TMainDictionary> dictionary) {
  if (dictionary) items_.push_back(std::move(dictionary));
}

void TMainDictionaryList::Clear() { items_.clear(); }

bool TMainDictionaryList::WordExists(std::string_view word, bool candidate) {
  for (auto& d : items_)
    if (d->WordExists(word, candidate)) {
      d->IncrementHitCount();
      return true;
    }
  return false;
}

void TMainDictionaryList::Reorder() {
  if (items_.size() < 2) return;
  size_t best = 0;
  for (size_t i = 1; i < items_.size(); ++i)
    if (items_[i]->HitCount() > items_[best]->HitCount()) best = i;
  std::rotate(items_.begin(), items_.begin() + best, items_.begin() + best + 1);
}

bool TMainDictionaryList::HasEnglish() const {
  return std::any_of(items_.begin(), items_.end(), [](const auto& d) { return IsEnglish(*d); });
}

void TMainDictionaryList::Deactivate() {
  for (auto& d : items_) d->SetActive(false);
}

bool TMainDictionaryList::PossessiveStem(std::string_view word, std::string_view& stem) {
  size_t at = word.find("'s");
  if (at == std::string_view::npos) at = word.find("'S");
  if (at == std::string_view::npos || at + 2 != word.size()) return false;
  stem = word.substr(0, at);
  return true;
}

bool TMainDictionaryList::InEnglishDictionary(std::string_view word) {
  for (auto& d : items_)
    if (IsEnglish(*d) && d->WordExists(word)) return true;
  return false;
}

bool TMainDictionaryList::IsPossessive(std::string_view word,
                                       const std::function<std::string(std::string_view)>& adjust) {
  std::string_view stem;
  if (!PossessiveStem(word, stem) || stem.empty()) return false;
  if (InEnglishDictionary(stem)) return true;
  if (!adjust) return false;
  std::string adjusted = adjust(stem);
  return adjusted != stem && InEnglishDictionary(adjusted);
}

}  // namespace wx
