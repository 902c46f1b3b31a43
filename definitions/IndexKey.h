// The index key of a word: its letters and digits only, in capitals. A word
// written with an apostrophe, hyphen or blank inside gives the same key as the
// word written without it; letters with accents are dropped.
#pragma once

#include <string>
#include <string_view>

namespace wx {

std::string NormalizeKey(std::string_view word);
// The same into a caller-owned string, reusing its buffer.
void NormalizeKeyInto(std::string_view word, std::string& key);

// Parts of speech (database sections) and relation types with the names the
// window shows.
constexpr int kPartsOfSpeech = 8;
constexpr int kRelationTypes = 13;  // 0..11 pointer types, 12 the synonyms
constexpr int kSynonymsRelation = 12;
const char* PartOfSpeechName(int pos);
const char* RelationName(int type);
// Relation types whose related words take the searched inflection.
bool RelationTakesInflection(int type);

}  // namespace wx
