// The program's own messages in the ten interface languages (a caption table,
// common/Captions.h): the notices and questions of the capture, the error
// box, the tray tip while an action runs, and the message dialog with its
// "don't show this message again" box. Long messages are put together from
// whole translated sentences (app/CaptureMessages.cpp, app/AppErrors.cpp), so
// every language can order its words freely around the "%name%" placeholders.
#pragma once

#include <string>
#include <string_view>

#include "common/Captions.h"

namespace wx {

enum AppTextId : int {
  // The actions as the messages name them.
  txtActSpellCheckSelected = kCaptionMessageBase,
  txtActSpellCheckAll,
  txtActThesaurusSelected,
  txtActDefinitionsSelected,
  txtActSpellCheckClipboard,
  txtActThesaurusClipboard,
  txtActDefinitionsClipboard,

  // No text came from the working application (%action%: the action's name).
  txtNoTextRetrieved = kCaptionMessageBase + 0x10,
  txtNoTextCopyPaste,           // compatibility mode, a Selected action
  txtNoTextCopyPasteSelectAll,  // compatibility mode, Spell Check All
  txtCopyManually,              // %action%: the clipboard action to use instead
  txtOrTrySelected,             // %action%: Spell Check Selected
  txtNoSelection,               // direct mode, a Selected action
  txtVerifySelection,
  txtNoTextInControl,           // direct mode, Spell Check All
  txtVerifyTextInControl,
  txtCompatibilityMayHelp,
  txtEnableCompatibilityQuestion,

  // The clipboard or the working application out of reach.
  txtClipboardBusy = kCaptionMessageBase + 0x20,  // %action%
  txtClipboardBusyWait,
  txtNotResponding,  // %action%
  txtNotRespondingWait,
  txtClipboardEmpty,        // %action%
  txtClipboardEmptyVerify,  // %action%
  txtClipboardEmptyContact,  // %email%

  // The error box.
  txtErrorHead = kCaptionMessageBase + 0x30,
  txtErrorFileNotFound,
  txtErrorFileFolder,
  txtErrorBrowser,
  txtErrorEditor,
  txtErrorUnknown,
  txtErrorSupport,  // %address%

  // The tray, the message boxes and the message dialog.
  txtTrayWorking = kCaptionMessageBase + 0x40,
  txtInformationCaption,
  txtDontShowAgain,
  txtButtonOK,
  txtButtonCancel,
  txtButtonYes,
  txtButtonNo,
};

const CaptionTable& AppTexts();

// The text of `id` in the active language.
std::string AppText(int id);
// The same with every "placeholder" (such as "%action%") replaced by `value`.
std::string AppText(int id, std::string_view placeholder, std::string_view value);

}  // namespace wx
