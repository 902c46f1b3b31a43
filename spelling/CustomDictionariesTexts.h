// The custom dictionaries dialog's and the name prompt's texts in the ten
// interface languages.
#pragma once

#include "common/Captions.h"

namespace wx {

enum CustomDictionariesTextId : int {
  idDictsOk = 1,      // IDOK
  idDictsCancel = 2,  // IDCANCEL: the prompt's Cancel, Esc
  idDictsGroup = 1040,
  idDictsList = 1041,
  idDictsDelete = 1042,
  idDictsNew = 1043,
  idDictsEdit = 1044,
  idPromptLabel = 1045,
  idPromptEdit = 1046,
  txtConfirmCaption = kCaptionMessageBase,
  txtConfirmDelete,
  txtTemporaryRow,
  txtBlankName,
  txtUnusableName,
  txtNameTaken,
  txtNotCreated,
};

const CaptionTable& CustomDictionariesTexts();
const CaptionTable& NewCustomDictionaryTexts();

}  // namespace wx
