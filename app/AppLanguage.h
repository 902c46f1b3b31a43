// The interface-language choice: the table from Windows language ids to the
// caption layer's languages and the engines' dialog languages, the language
// box's entries, and applying a language (captions switch at once, the
// engines' dialogs follow, the choice is stored as "Language Code").
#pragma once

#include <cstdint>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "common/Registry.h"
#include "common/Captions.h"
#include "thesaurus/ThesaurusTexts.h"

namespace wx {

struct AppLanguageRow {
  uint16_t id;                     // Windows language id
  TThesaurusLanguageType thesaurus;
  UiLanguage speller;              // the spelling dialogs' language
};
const std::vector<AppLanguageRow>& AppLanguageTable();

// The language id inside a language name's brackets ("German (Germany)
// [$0407]" -> 0x0407; "$" marks hexadecimal, 1 to 5 characters); 0 when
// malformed.
int LanguageIdOfName(const std::string& name);

inline constexpr const char* kLanguageKey = "Software\\Morvane\\Language";

class TAppLanguage {
 public:
  struct BoxItem {
    std::string text;  // the name before "[", trimmed
    int id;
  };

  // userDefaultLanguage: the user's default language id (GetUserDefaultLangID).
  TAppLanguage(Registry& registry, std::function<int()> userDefaultLanguage);

  // Reads "Language Code" (the user's language when missing) and applies
  // the table row that matches it.
  void Attach();

  // The row of a language id: the same id, else the same primary language
  // (id & 0x3FF), else English (United States).
  size_t IndexOf(int languageId) const;
  // Switches the captions to the list language with this id (none for 0 or
  // an id not in the list), makes row IndexOf(languageId) the engines'
  // language, and writes "Language Code".
  void Apply(int languageId);

  // The dialog languages of the engines, read by each engine component when
  // it is created or shows a dialog. Nothing here refers to an engine, so a
  // freed component is never touched.
  TThesaurusLanguageType ThesaurusLanguage() const { return AppLanguageTable()[row_].thesaurus; }
  UiLanguage SpellerLanguage() const { return AppLanguageTable()[row_].speller; }

  // The language box: one entry per list language, and the active one's index.
  static std::vector<BoxItem> BoxItems();
  static int BoxSelection() { return int(ActiveUiLanguage()); }

 private:
  Registry& registry_;
  std::function<int()> userDefault_;
  size_t row_ = 3;  // English (United States)
};

}  // namespace wx
