// The suggestion menu's texts in the ten interface languages.
#pragma once

#include <string>

#include "common/Captions.h"

namespace wx {

enum class LiveSpellingText : int {
  NoSuggestions = kCaptionMessageBase,
  Ignore,
  IgnoreAll,
  Add,
  ChangeAll,
  AutoCorrect,
  Spelling,
};

const CaptionTable& LiveSpellingTexts();

// The text in the active interface language (UTF-8, "&" marks the access key).
std::string LiveSpellingCaption(LiveSpellingText id);

}  // namespace wx
