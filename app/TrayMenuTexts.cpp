#include "app/TrayMenuTexts.h"

#include "app/AppTexts.h"
#include "app/OptionsTexts.h"

namespace wx {

int TrayMenuTextId(const TrayMenuItem& item) {
  if (item.submenuHelp) return idOptHelp;
  switch (item.command) {
    case Command::SpellClipboard: return idBarSpellClip;
    case Command::ThesClipboard: return txtMouseThesClip;
    case Command::DefinitionsClipboard: return idRowLabelBase + int(hsDefClip);
    default: return kTrayMenuTextBase + int(item.command);
  }
}

std::string TrayMenuCaption(const TrayMenuItem& item) {
  std::string_view text = OptionsTexts().Text(TrayMenuTextId(item));
  return text.empty() ? std::string(item.caption) : std::string(text);
}

std::string TrayBusyTip() { return AppText(txtTrayWorking); }

}  // namespace wx
