#include "definitions/WordLookup.h"

#include <algorithm>

#include "common/AnsiText.h"
#include "definitions/DefinitionsDatabase.h"
#include "definitions/DefinitionsError.h"
#include "definitions/IndexKey.h"

namespace wx {

namespace {

int CompareText(const std::string& a, const std::string& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    uint8_t x = AnsiLowerChar(uint8_t(a[i])), y = AnsiLowerChar(uint8_t(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

}  // namespace

void SortUniqueWords(std::vector<std::string>& words) {
  std::stable_sort(words.begin(), words.end(),
                   [](const std::string& a, const std::string& b) { return CompareText(a, b) < 0; });
  words.erase(std::unique(words.begin(), words.end(),
                          [](const std::string& a, const std::string& b) { return CompareText(a, b) == 0; }),
              words.end());
}

void TWordLookup::ClearResults() {
  senses_.clear();
  relatedMeanings_.clear();
  selected_.clear();
  synonyms_.clear();
  relatedWords_.clear();
  selectedSense_ = -1;
  partsPresent_ = 0xFF;
  relationsPresent_ = 0;
  cachedSet_ = 0;
  dirty_ = true;
}

// Senses stay grouped by part of speech in ascending order; within one, by
// head word in order of first arrival; within a head word, in arrival order.
// So a meaning goes after the last sense of its part of speech and head word,
// else after the last sense of its part of speech, else after the last sense
// of a lower part of speech, else to the front.
void TWordLookup::AddSense(std::unique_ptr<TSynset> m) {
  if (!m) return;
  ptrdiff_t sameHead = -1, samePos = -1, lowerPos = -1;
  for (ptrdiff_t i = ptrdiff_t(senses_.size()) - 1; i >= 0; --i) {
    const TSynset& s = *senses_[size_t(i)];
    if (s.offset != -1 && s.offset == m->offset) return;  // already listed
    if (s.partOfSpeech == m->partOfSpeech) {
      if (sameHead < 0 && s.headWord == m->headWord) sameHead = i;
      if (samePos < 0) samePos = i;
    } else if (s.partOfSpeech < m->partOfSpeech && lowerPos < 0) {
      lowerPos = i;
    }
  }
  ptrdiff_t after = sameHead >= 0 ? sameHead : samePos >= 0 ? samePos : lowerPos;
  senses_.insert(senses_.begin() + (after + 1), std::move(m));
}

void TWordLookup::SelectSenses(std::string_view headWord, uint8_t partsOfSpeech) {
  relationsPresent_ = 0;
  partsPresent_ = 0;
  dirty_ = true;
  if (senses_.empty()) return;
  selected_.clear();
  synonyms_.clear();
  for (const auto& s : senses_) {
    if (!(partsOfSpeech & (1u << (s->partOfSpeech & 7)))) continue;
    if (!headWord.empty() && s->headWord != headWord) continue;
    selected_.push_back(s.get());
    synonyms_.insert(synonyms_.end(), s->words.begin(), s->words.end());
    relationsPresent_ = uint16_t(relationsPresent_ | s->RelationMask());
    partsPresent_ = uint8_t(partsPresent_ | (1u << (s->partOfSpeech & 7)));
  }
  SortUniqueWords(synonyms_);
  selectedSense_ = -1;
}

void TWordLookup::SelectSense(int index) {
  if (selected_.empty()) return;
  if (index == -1) {
    SelectSenses("", partsPresent_);
    return;
  }
  if (index < -1 || index >= int(senses_.size())) throw EDefinitionsError("Invalid sense number");
  selectedSense_ = index;
  synonyms_ = senses_[size_t(index)]->words;
  SortUniqueWords(synonyms_);
  relationsPresent_ = senses_[size_t(index)]->RelationMask();
  dirty_ = true;
}

void TWordLookup::Follow(const TSynset& sense, int type) {
  for (const auto& p : sense.pointers) {
    if (p.type != type) continue;
    std::unique_ptr<TSynset> target = database_.ReadMeaning(p.target);
    if (!target) continue;
    if (database_.matchForms && RelationTakesInflection(type) && sense.inflection && database_.Morpher())
      database_.Morpher()->InflectList(target->words, sense.inflection);
    if (p.dest != 0 && target->words.size() >= p.dest) {
      std::string only = std::move(target->words[p.dest - 1u]);
      target->words.assign(1, std::move(only));
    }
    relatedMeanings_.push_back(std::move(target));
  }
}

const std::vector<std::string>& TWordLookup::RelatedWords(uint16_t set) {
  if (set == (1u << kSynonymsRelation)) return synonyms_;
  if (!dirty_ && set == cachedSet_ && !relatedMeanings_.empty()) return relatedWords_;
  relatedMeanings_.clear();
  relatedWords_.clear();
  cachedSet_ = 0;
  {
    DatabaseOpener open(database_);
    for (int n = 0; n < 12; ++n) {
      if (!(set & (1u << n))) continue;
      cachedSet_ = uint16_t(cachedSet_ | (1u << n));
      if (selectedSense_ != -1) {
        Follow(*senses_[size_t(selectedSense_)], n);
      } else {
        for (const TSynset* s : selected_) Follow(*s, n);
      }
    }
  }
  dirty_ = false;
  for (const auto& m : relatedMeanings_) relatedWords_.insert(relatedWords_.end(), m->words.begin(), m->words.end());
  if (set & (1u << kSynonymsRelation)) relatedWords_.insert(relatedWords_.end(), synonyms_.begin(), synonyms_.end());
  SortUniqueWords(relatedWords_);
  return relatedWords_;
}

}  // namespace wx
