// The About box's texts and control ids.
#pragma once

#include "common/Captions.h"

namespace wx {

enum AboutTextId : int {
  idAboutOK = 1,  // IDOK
  idAboutIcon = 100,
  idAboutTitle,
  idAboutLine,
  idAboutWebSite,
  idAboutBar,
  txtAboutWebSite = kCaptionMessageBase,  // "Web site: " before the address
};

const CaptionTable& AboutTexts();

}  // namespace wx
