#include "windows/SmartBarTexts.h"

namespace wx {

namespace {

const char* const kEnglish[] = {
    "SmartBar",
    "&Spell Check Clip.", "Spell Check ClipBoard", "&Thesaurus Clip.", "Thesaurus ClipBoard",
    "&Definitions Clip.", "Definitions ClipBoard",
    "&Editor", "&Options", "&Help",
    "&Penwick", "Scriv&let", "&Instant Spell",
    "&Always On Top", "General O&ptions", "Spe&lling Options", "E&dit Custom Dictionary",
    "&Transparency", "None", "&25%", "&50%", "&75%",
    "E&xit",
    "&Contents", "Help &Topics", "Internet &Web Site", "Dictionary &Update Wizard...", "About",
    "You are only closing the Smart Bar, not the main application. To close the main application, "
    "right-click the Tray Icon and choose Exit.",
};
static_assert(sizeof kEnglish / sizeof kEnglish[0] == size_t(SmartBarText::Count));

}  // namespace

std::string SmartBarCaption(SmartBarText id) {
  size_t i = size_t(id);
  return i < size_t(SmartBarText::Count) ? kEnglish[i] : "";
}

}  // namespace wx
