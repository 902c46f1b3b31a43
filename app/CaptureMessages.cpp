#include "app/CaptureMessages.h"

#include <cctype>

#include "app/AppErrors.h"
#include "app/AppTexts.h"

namespace wx {

namespace {

const char* const kParagraph = "\r\n\r\n";

int ActionNameId(int action) {
  switch (action) {
    case paSpellCheckSelected: return txtActSpellCheckSelected;
    case paSpellCheckAll: return txtActSpellCheckAll;
    case paThesaurusSelected: return txtActThesaurusSelected;
    case paDefinitionsSelected: return txtActDefinitionsSelected;
    default: return -1;
  }
}

// The clipboard action a user falls back to when a Selected action finds no text.
int ClipboardActionNameId(int action) {
  switch (action) {
    case paThesaurusSelected: return txtActThesaurusClipboard;
    case paDefinitionsSelected: return txtActDefinitionsClipboard;
    default: return txtActSpellCheckClipboard;
  }
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower((unsigned char)a[i]) != std::tolower((unsigned char)b[i])) return false;
  return true;
}

// A caller's English action name ("Spell Check ClipBoard") in the active
// language; in English, and for a name no row knows, the name as given.
std::string InterfaceActionName(const std::string& name) {
  if (ActiveUiLanguage() == UiLanguage::English) return name;
  for (int id = txtActSpellCheckSelected; id <= txtActDefinitionsClipboard; ++id)
    if (SameLetters(AppTexts().Text(id, UiLanguage::English), name)) return AppText(id);
  return name;
}

std::string WithAction(int id, const std::string& name) { return AppText(id, "%action%", name); }

}  // namespace

std::string CompatibilityModeNotice(int action) {
  const std::string name = SelectedActionName(action);
  const std::string head = WithAction(txtNoTextRetrieved, name) + kParagraph;
  if (action == paSpellCheckAll)
    return head + AppText(txtNoTextCopyPasteSelectAll) + kParagraph +
           WithAction(txtCopyManually, AppText(txtActSpellCheckClipboard)) + " " +
           WithAction(txtOrTrySelected, AppText(txtActSpellCheckSelected));
  return head + AppText(txtNoTextCopyPaste) + kParagraph +
         WithAction(txtCopyManually, AppText(ClipboardActionNameId(action)));
}

std::string DirectModeQuestion(int action) {
  const std::string name = SelectedActionName(action);
  const bool all = action == paSpellCheckAll;
  return WithAction(txtNoTextRetrieved, name) + kParagraph +
         WithAction(all ? txtNoTextInControl : txtNoSelection, name) + kParagraph +
         WithAction(all ? txtVerifyTextInControl : txtVerifySelection, name) + kParagraph +
         AppText(txtCompatibilityMayHelp) + kParagraph + AppText(txtEnableCompatibilityQuestion);
}

std::string SelectedActionName(int action) {
  int id = ActionNameId(action);
  return id < 0 ? std::string() : AppText(id);
}

std::string ClipboardBusyNotice(const std::string& actionName) {
  return WithAction(txtClipboardBusy, InterfaceActionName(actionName)) + kParagraph + AppText(txtClipboardBusyWait);
}

std::string NotRespondingNotice(const std::string& actionName) {
  return WithAction(txtNotResponding, InterfaceActionName(actionName)) + kParagraph + AppText(txtNotRespondingWait);
}

std::string EmptyClipboardNotice() {
  const std::string name = AppText(txtActSpellCheckClipboard);
  return WithAction(txtClipboardEmpty, name) + kParagraph + WithAction(txtClipboardEmptyVerify, name) + kParagraph +
         AppText(txtClipboardEmptyContact, "%email%", kSupportEmail);
}

}  // namespace wx
