#include "app/CaptureMessages.h"

namespace wx {

namespace {

const char* ActionName(int action) {
  switch (action) {
    case paSpellCheckSelected: return "Spell Check Selected";
    case paSpellCheckAll: return "Spell Check All";
    case paThesaurusSelected: return "Thesaurus Selected";
    case paDefinitionsSelected: return "Definitions Selected";
    default: return "";
  }
}

const char* ClipboardAction(int action) {
  switch (action) {
    case paThesaurusSelected: return "Thesaurus Clipboard";
    case paDefinitionsSelected: return "Definitions Clipboard";
    default: return "Spell Check Clipboard";
  }
}

}  // namespace

std::string CompatibilityModeNotice(int action) {
  std::string name = ActionName(action);
  if (action == paSpellCheckAll)
    return name +
           " could not retrieve any text from the working application.\r\n\r\nEither you do not have any text "
           "selected, or the working application does not support the standard Windows hotkeys for Copy (Ctrl+C), "
           "Paste (Ctrl+V), and Select All (Ctrl+A). Please verify that there is text in the focused control in "
           "your application. If you are sure there is text, the application may not support standard Windows "
           "hotkeys for Copy, Paste, and Select All.\r\n\r\nIf this is the case, you will need to manually copy "
           "the text to the clipboard and initiate a Spell Check Clipboard. You may also try selecting the text "
           "and initiating a Spell Check Selected.";
  return name +
         " could not retrieve any text from the working application.\r\n\r\nEither you do not have any text "
         "selected, or the working application does not support the standard Windows hotkeys for Copy (Ctrl+C) "
         "and Paste (Ctrl+V). Please verify that you have selected the desired text in your application. If you "
         "are sure the text is selected, the application may not support standard Windows hotkeys for Copy and "
         "Paste.\r\n\r\nIf this is the case, you will need to manually copy the text to the clipboard and initiate "
         "a " +
         ClipboardAction(action) + ".";
}

std::string DirectModeQuestion(int action) {
  std::string name = ActionName(action);
  const std::string tail =
      "\r\n\r\nIf this is the case, enabling Compatibility Mode may help, but only if the application supports "
      "standard Windows hotkeys for copying and pasting (Ctrl+C and Ctrl+V).\r\n\r\nDo you want to enable "
      "Compatibility Mode?";
  if (action == paSpellCheckAll)
    return name +
           " could not retrieve any text from the working application.\r\n\r\nEither there is no text in the "
           "focused control, or the working application does not support Spell Check All.\r\n\r\nPlease verify "
           "that there is text in the focused control of your application. If you are sure there is text, the "
           "application may not support Spell Check All." +
           tail;
  return name +
         " could not retrieve any text from the working application.\r\n\r\nEither you do not have any text "
         "selected, or the working application does not support " +
         name +
         ".\r\n\r\nPlease verify that you have selected the desired text in your application. If you are sure the "
         "text is selected, the application may not support " +
         name + "." + tail;
}

std::string SelectedActionName(int action) { return ActionName(action); }

std::string ClipboardBusyNotice(const std::string& actionName) {
  return actionName +
         " could not use the Windows Clipboard because another program is holding it open.\r\n\r\nPlease wait "
         "until the other program has finished with the clipboard and try again.";
}

std::string NotRespondingNotice(const std::string& actionName) {
  return actionName +
         " stopped because the working application is not responding.\r\n\r\nPlease wait until the application responds again and try once more.";
}

}  // namespace wx
