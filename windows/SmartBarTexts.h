// The Smart Bar's interface texts.
#pragma once

#include <string>

namespace wx {

enum class SmartBarText {
  Caption,
  SpellClip, SpellClipHint, ThesClip, ThesClipHint, DefClip, DefClipHint,
  Editor, Options, Help,
  Penwick, Scrivlet, InstantSpell,
  AlwaysOnTop, GeneralOptions, SpellingOptions, EditCustomDictionary,
  Transparency, TransparencyNone, Transparency25, Transparency50, Transparency75,
  Exit,
  Contents, HelpTopics, WebSite, DictionaryUpdate, About,
  CloseNotice,
  Count
};

// The text in the interface language (UTF-8, "&" marks the access key).
std::string SmartBarCaption(SmartBarText id);

}  // namespace wx
