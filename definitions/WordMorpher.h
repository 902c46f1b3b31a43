// English word forms for the definitions dictionary: base-form candidates of
// an inflected word (so that "stopped" finds "stop"), inflection of found
// words into the searched form, and the list of a headword's inflected forms.
// It works from five word lists stored in the database and fixed suffix rules.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace wx {

// Inflection types shared with the search and the window.
enum : uint8_t {
  kInflNone = 0,
  kInflPlural = 1,
  kInflThirdPerson = 2,
  kInflPast = 3,
  kInflPastParticiple = 4,
  kInflPresentParticiple = 5,
  kInflComparative = 6,
  kInflSuperlative = 7,
};

class TWordMorpher {
 public:
  // The lists, in upper case, every line preceded by a CR and the whole list
  // ended by a CR: noun exceptions (BASE,PLURAL), verb exceptions
  // (BASE,PAST,PAST PARTICIPLE,PRESENT PARTICIPLE,THIRD PERSON[,variants]),
  // adjective exceptions (BASE,COMPARATIVE,SUPERLATIVE), stems that compare
  // with suffixes, and verbs that double their last letter.
  enum List { kNouns = 0, kVerbs = 1, kAdjectives = 2, kSuffixStems = 3, kDoubling = 4 };
  TWordMorpher() = default;
  TWordMorpher(std::string nouns, std::string verbs, std::string adjectives, std::string suffixStems,
               std::string doubling);

  // Base-form candidates (upper case) appended to candidates; returns how many
  // were added. NounBaseForms always means the plural.
  int NounBaseForms(std::string_view word, std::vector<std::string>& candidates) const;
  int VerbBaseForms(std::string_view word, std::vector<std::string>& candidates, uint8_t& type) const;
  int AdjectiveBaseForms(std::string_view word, std::vector<std::string>& candidates, uint8_t& type) const;

  // The word in the given inflection, or empty when it cannot be formed.
  std::string InflectWord(std::string_view word, uint8_t type) const;
  // Replaces each word by its inflection; a word without one keeps its form
  // and gets a trailing "*".
  void InflectList(std::vector<std::string>& words, uint8_t type) const;
  // The inflected forms of a headword as one comma-separated text, or empty.
  std::string ListInflections(std::string_view word, int partOfSpeech) const;

  // Every line with word as a whole field other than the first adds the
  // line's base to candidates; returns the field number of the last one found.
  int ExceptionBases(std::string_view upperWord, std::vector<std::string>& candidates, int list) const;
  // Field n (1 = the first after the base) of the line starting at linePos, lower case.
  std::string ExceptionField(int list, size_t linePos, int n) const;
  // The position of the line whose base is word (after its CR), or npos.
  size_t FindLine(int list, std::string_view upperWord) const;
  bool OnList(int list, std::string_view upperWord) const;  // CR word CR

  const std::string& ListText(int list) const { return lists_[list]; }

 private:
  void StemTest(const std::string& stem, const std::string& w, std::vector<std::string>& candidates) const;
  std::string InflectNoun(std::string_view word, const std::string& d) const;
  std::string InflectVerb(std::string_view word, const std::string& d, uint8_t type) const;
  std::string InflectAdjective(std::string_view word, const std::string& d, uint8_t type) const;

  std::string lists_[5];
};

}  // namespace wx
