// The thesaurus dialog's own texts in its eleven interface languages.
#pragma once

#include <string>

namespace wx {

// In the order of the component's language property.
enum class TThesaurusLanguageType {
  ltRussian, ltEnglish, ltGerman, ltDanish, ltDutch, ltFrench, ltItalian,
  ltBrPortuguese, ltStdPortuguese, ltSpanish, ltSwedish
};

// Text index: 0 caption ("%name%" stands for the thesaurus name), 1 looked-up
// label, 2 contexts label, 3 replace-with label, 4 Previous, 5 Lookup,
// 6 Replace, 7 Close, 8 the "not found" row. UTF-8; "&" marks the access key.
// An index outside 0..8 or an unknown language gives an empty text.
std::string ThesaurusText(TThesaurusLanguageType language, int index);

}  // namespace wx
