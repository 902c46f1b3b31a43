#include "definitions/IndexKey.h"

namespace wx {

void NormalizeKeyInto(std::string_view word, std::string& key) {
  key.clear();
  for (char ch : word) {
    unsigned c = uint8_t(ch);
    if (c > 90) c -= 32;
    if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) key.push_back(char(c));
  }
}

std::string NormalizeKey(std::string_view word) {
  std::string key;
  NormalizeKeyInto(word, key);
  return key;
}

const char* PartOfSpeechName(int pos) {
  static const char* const kNames[kPartsOfSpeech] = {"Noun",        "Verb",        "Adjective", "Adverb",
                                                     "Preposition", "Conjunction", "Pronoun",   "Interjection"};
  return pos >= 0 && pos < kPartsOfSpeech ? kNames[pos] : "";
}

const char* RelationName(int type) {
  static const char* const kNames[kRelationTypes] = {"Antonyms", "Attribs", "Causes",     "Derived",  "Entails",
                                                     "Parts",    "Type of", "Types",      "Part of",  "Participle",
                                                     "See also", "Similar", "Synonyms"};
  return type >= 0 && type < kRelationTypes ? kNames[type] : "";
}

bool RelationTakesInflection(int type) {
  return type == 0 || type == 5 || type == 6 || type == 7 || type == 11;
}

}  // namespace wx
