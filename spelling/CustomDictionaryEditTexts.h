// The custom dictionary editor's texts in the ten interface languages.
#pragma once

#include "common/Captions.h"

namespace wx {

enum CustomDictionaryEditTextId : int {
  idEditOk = 1,  // IDOK
  idAddedExplain = 1150, idAddedLabel, idAddedEdit, idAddedList, idAddedAdd, idAddedDelete,
  idAutoExplain = 1160, idAutoWordLabel, idAutoWordEdit, idAutoWithLabel, idAutoWithEdit, idAutoList, idAutoAdd,
  idAutoDelete,
  idExclExplain = 1170, idExclLabel, idExclEdit, idExclList, idExclAdd, idExclDelete,
  idEditTabs = 1180,
  txtAddedTab = kCaptionMessageBase,
  txtAutoTab,
  txtExcludedTab,
  txtTemporaryTitle,
  txtIgnoreAllTab,
  txtChangeAllTab,
};

const CaptionTable& CustomDictionaryEditTexts();

}  // namespace wx
