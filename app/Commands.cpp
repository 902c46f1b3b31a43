#include "app/Commands.h"

#include "app/AppErrors.h"

namespace wx {

TSmartBarFeatures SmartBarFeaturesFor(TBuildEdition edition) {
  return {EditionHasSpelling(edition), EditionHasDefinitions(edition), EditionHasEditors(edition), kProgramTitle};
}

Command CommandForMouseAction(int code) {
  switch (code) {
    case moSpellCheckClipBoard: return Command::SpellClipboard;
    case moThesaurusClipBoard: return Command::ThesClipboard;
    case moDefinitionsClipBoard: return Command::DefinitionsClipboard;
    case moOpenEditor: return Command::OpenEditor;
    case moOpenInstantSpell: return Command::InstantSpell;
    case moSpellCheckConfiguration: return Command::SpellOptions;
    case moOpenPreferences: return Command::Preferences;
    case moShowSmartBar: return Command::SmartBar;
    case moShowPopupMenu: return Command::PopupMenu;
    default: return Command::None;
  }
}

Command CommandForSlot(HotKeySlot slot) {
  switch (slot) {
    case hsDefApp: return Command::DefinitionsSelected;
    case hsSpellApp: return Command::SpellCheckSelected;
    case hsSpellAppAll: return Command::SpellCheckAll;
    case hsThesApp: return Command::ThesaurusSelected;
    case hsEditor: return Command::OpenEditor;
    case hsEditor2: return Command::OpenEditor2;
    case hsDefClip: return Command::DefinitionsClipboard;
    case hsSpellClip: return Command::SpellClipboard;
    case hsThesClip: return Command::ThesClipboard;
    case hsInstantSpell: return Command::InstantSpell;
    default: return Command::None;
  }
}

std::vector<TrayMenuItem> TrayMenuFor(TBuildEdition e) {
  const bool spelling = EditionHasSpelling(e), editors = EditionHasEditors(e);
  struct Row {
    TrayMenuItem item;
    bool visible;
  };
  const Row rows[] = {
      {{"pmtExit", "E&xit", Command::Exit, 140, false}, true},
      {{"-", "", Command::None, 0, false}, true},
      {{"pmtPreferences", "General O&ptions", Command::Preferences, 210, false}, true},
      {{"pmtSpellOptions", "Spe&lling Options", Command::SpellOptions, 160, false}, spelling},
      {{"pmtEditCustDict", "E&dit Custom Dictionary", Command::EditCustomDictionary, 170, false}, spelling},
      {{"-", "", Command::None, 0, false}, true},
      {{"pmtHelp", "&Help", Command::None, 0, true}, true},
      {{"-", "", Command::None, 0, false}, true},
      {{"pmtEditor", "&Penwick", Command::OpenEditor, 0, false}, editors},
      {{"pmtEditor2", "Scriv&let", Command::OpenEditor2, 0, false}, editors},
      {{"-", "", Command::None, 0, false}, editors},  // pmtEditorBreak
      {{"pmtInstantSpell", "&Instant Spell", Command::InstantSpell, 0, false}, spelling},
      {{"pmtSmartBar", "&Smart Bar", Command::SmartBar, 0, false}, true},
      {{"-", "", Command::None, 0, false}, spelling},  // pmtInstantSpellBreak
      {{"pmtDefinitions", "Definitions ClipBoard", Command::DefinitionsClipboard, 0, false},
       EditionHasDefinitions(e)},
      {{"pmtSpellClipboard", "Spell Check ClipBoard", Command::SpellClipboard, 0, false}, spelling},
      {{"pmtThesClip", "Thesaurus ClipBoard", Command::ThesClipboard, 230, false}, EditionHasThesaurus(e)},
  };
  std::vector<TrayMenuItem> out;
  for (const Row& r : rows)
    if (r.visible) out.push_back(r.item);
  return out;
}

std::vector<TrayMenuItem> HelpMenu() {
  return {{"pmtContents", "&Contents", Command::HelpContents, 0, false},
          {"pmtSearch", "Help &Topics", Command::HelpTopics, 0, false},
          {"-", "", Command::None, 0, false},
          {"pmtWebSite", "Internet &Web Site", Command::WebSite, 0, false},
          {"pmtDUW", "Dictionary Update Wizard...", Command::DictionaryUpdate, 0, false},
          {"-", "", Command::None, 0, false},
          {"pmtAbout", "&About", Command::About, 0, false}};
}

}  // namespace wx
