#include "app/Edition.h"

namespace wx {

bool EditionHasSpelling(TBuildEdition e) { return e != edThesaurusOnly; }
bool EditionHasThesaurus(TBuildEdition e) { return e != edSpellingOnly; }
bool EditionHasDefinitions(TBuildEdition e) { return e <= edSuiteC; }
bool EditionHasEditors(TBuildEdition e) { return e >= edSuiteA && e <= edSuiteC; }

ClickDefaults DefaultClickActions(TBuildEdition e) {
  switch (e) {
    case edSpellingOnly:
      return {moSpellCheckClipBoard, moOpenPreferences};
    case edThesaurusOnly:
      return {moThesaurusClipBoard, moOpenPreferences};
    default:
      return {moSpellCheckClipBoard, moThesaurusClipBoard};
  }
}

}  // namespace wx
