// The spelling options dialog's texts in the ten interface languages.
#pragma once

#include "common/Captions.h"

namespace wx {

enum SpellOptionsTextId : int {
  idOptionsOk = 1,  // IDOK: Enter closes the dialog
  idOptionsGroup = 1032,
  idDictionariesGroup = 1033,
  idMainDictList = 1034,
  idCustomLabel = 1036,
  idCustomCombo = 1035,
  idDictionariesButton = 1037,
  idOptionBox0 = 1100,  // the ten option boxes, in option order (soUpcase first)
  txtNameColumn = kCaptionMessageBase,
  txtFilenameColumn,
  txtLocateDictionaries,
  txtChooseFolder,
};

const CaptionTable& SpellOptionsTexts();

}  // namespace wx
