// The Smart Bar's interface texts in the ten interface languages. The ids of
// the button captions are the buttons' control ids, so that the caption layer
// can apply them to the window.
#pragma once

#include <string>

#include "common/Captions.h"

namespace wx {

enum class SmartBarText : int {
  Caption = kCaptionWindowTitle,
  // buttons, by control id
  SpellClip = 100, ThesClip, DefClip, Editor, Options, Help,
  // hints and menu items
  SpellClipHint = kCaptionMessageBase, ThesClipHint, DefClipHint,
  Penwick, Scrivlet, InstantSpell,
  AlwaysOnTop, GeneralOptions, SpellingOptions, EditCustomDictionary,
  Transparency, TransparencyNone, Transparency25, Transparency50, Transparency75,
  Exit,
  Contents, HelpTopics, WebSite, DictionaryUpdate, About,
  CloseNotice,
};

const CaptionTable& SmartBarTexts();

// The text in the active interface language (UTF-8, "&" marks the access key).
std::string SmartBarCaption(SmartBarText id);

}  // namespace wx
