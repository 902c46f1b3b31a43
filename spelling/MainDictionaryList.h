// The ordered main dictionaries of a spell checker: a word belongs to the main
// vocabulary when any of them holds it; the one that answers counts a hit, and
// the list is reordered so that the dictionary finding the most words is asked
// first. The first dictionary decides the language.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "spelling/MainDictionary.h"

namespace wx {

class TMainDictionaryList {
 public:
  void Add(std::unique_ptr<TMainDictionary> dictionary);
  void Clear();
  size_t Count() const { return items_.size(); }
  bool Empty() const { return items_.empty(); }
  TMainDictionary& operator[](size_t i) { return *items_[i]; }
  const TMainDictionary& operator[](size_t i) const { return *items_[i]; }
  TMainDictionary* First() { return items_.empty() ? nullptr : items_.front().get(); }

  // Asks the dictionaries in order; the first that holds the word gets a hit.
  // candidate: see TMainDictionary::WordExists.
  bool WordExists(std::string_view word, bool candidate = false);

  // Moves the dictionary with the most hits to the front (on equal counts the
  // one nearer the front wins); the others keep their order.
  void Reorder();

  // Language of the first dictionary, 0 when there is none.
  int32_t Language() const { return items_.empty() ? 0 : items_.front()->Language(); }
  // Some dictionary is English (low byte of its language 9): possessives apply.
  bool HasEnglish() const;

  // Unmaps every dictionary (they map again on the next lookup).
  void Deactivate();

  // The stem of a possessive: the word without a final "'s" when the first
  // "'s" of the word (or, when it has none, the first "'S") ends it.
  static bool PossessiveStem(std::string_view word, std::string_view& stem);
  // A possessive whose stem an English dictionary holds as it is or, when
  // adjust is given, in the case form adjust makes of it. No hits are counted.
  bool IsPossessive(std::string_view word,
                    const std::function<std::string(std::string_view)>& adjust = nullptr);
  // The word is in some English dictionary (no hit is counted).
  bool InEnglishDictionary(std::string_view word);

 private:
  std::vector<std::unique_ptr<TMainDictionary>> items_;
};

}  // namespace wx
