// The result set of a search in the definitions dictionary: the meanings
// found, grouped by part of speech and head word, the selection the window
// shows, its synonyms and the words related to it by each relation type.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "definitions/Synset.h"

namespace wx {

class TDefinitionsDatabase;

// Sorts words case-insensitively and drops duplicates (in that order).
void SortUniqueWords(std::vector<std::string>& words);

class TWordLookup {
 public:
  explicit TWordLookup(TDefinitionsDatabase& database) : database_(database) {}

  void ClearResults();
  // Inserts a meaning in its place; a meaning already present (same offset) is dropped.
  void AddSense(std::unique_ptr<TSynset> meaning);
  // Selects the senses with this head word (empty: any) and a part of speech
  // in the set (bit n for part of speech n).
  void SelectSenses(std::string_view headWord, uint8_t partsOfSpeech);
  // Chooses one sense (its words become the synonyms), or -1 for all selected.
  void SelectSense(int index);
  // The words related to the selection by the relation types in set (bit n
  // for type n, bit 12 the synonyms), sorted and without duplicates.
  const std::vector<std::string>& RelatedWords(uint16_t set);
  const std::vector<std::string>& RelatedByIndex(int n) { return RelatedWords(uint16_t(1u << (n & 15))); }

  int SenseCount() const { return int(senses_.size()); }
  const TSynset& Sense(int i) const { return *senses_[size_t(i)]; }
  const std::vector<TSynset*>& Selected() const { return selected_; }
  int SelectedSense() const { return selectedSense_; }
  uint8_t PartsOfSpeechPresent() const { return partsPresent_; }
  uint16_t RelationsPresent() const { return relationsPresent_; }
  const std::vector<std::string>& Synonyms() const { return synonyms_; }
  const std::vector<std::unique_ptr<TSynset>>& RelatedMeanings() const { return relatedMeanings_; }

 private:
  void Follow(const TSynset& sense, int type);

  TDefinitionsDatabase& database_;
  std::vector<std::unique_ptr<TSynset>> senses_;
  std::vector<TSynset*> selected_;
  int selectedSense_ = -1;
  uint8_t partsPresent_ = 0xFF;
  uint16_t relationsPresent_ = 0;
  std::vector<std::string> synonyms_;
  std::vector<std::unique_ptr<TSynset>> relatedMeanings_;
  std::vector<std::string> relatedWords_;
  uint16_t cachedSet_ = 0;
  bool dirty_ = true;
};

}  // namespace wx
