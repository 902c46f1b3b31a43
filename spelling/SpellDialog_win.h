// The spell-check dialog ("Spelling"): the window a check stops at for each
// word it does not accept. It shows the word (or a repeated pair), ranked
// suggestions and a replacement field, and turns the buttons into the
// checker's commands (Ignore, Ignore All, Change, Change All, Add,
// Auto-Correct, Undo, Options, Cancel; Esc cancels).
//
// Entry points for windows that check their text:
//
//   bool RunSpellDialogCheck(HWND owner, TSpellCheckerBase& checker,
//                            HWND editControl, int mode = kModeWholeText);
//     Checks an edit or rich-edit control (of this or another process)
//     through the dialog and returns when the check has ended. Corrections
//     go straight into the control; the end message ("The spelling check is
//     complete.") is shown by the checker's EndMessage rules. Returns false
//     when the user cancelled or a check was already running, true when the
//     check ran to its end. The dialog is modeless and owned by `owner`: the
//     user may click into the document and come back (the check resumes from
//     the earlier of the word and the caret). Modes as the checker's
//     (ParsingEngine.h): kModeWholeText, kModeSelection, kModeFromCaret,
//     kModeSelectionThenRest.
//
//   bool RunSpellDialogCheckText(HWND owner, TSpellCheckerBase& checker,
//                                std::wstring& text);
//     The same for a text held in memory (Unicode; characters outside the
//     code page are kept as they are). `text` receives the corrected text,
//     also when the user cancels part-way (changes made so far stay).
//
// Both install the dialog on the checker for the duration of the call (the
// checker's own hooks, UIType and SynchronousCheck are restored afterwards).
// Call them on the user-interface thread; they run a message loop (which
// also serves the owner's and every other window of the thread) until the
// check ends. The check ends as cancelled when the checked control is
// destroyed meanwhile or WM_QUIT arrives (it is posted again for the
// caller's loop). The dialog follows the active interface language
// (common/Captions.h); the end message uses the checker's UILanguage.
#pragma once

#include <windows.h>

#include <string>

#include "spelling/ParsingEngine.h"

namespace wx {

class TSpellCheckerBase;

bool RunSpellDialogCheck(HWND owner, TSpellCheckerBase& checker, HWND editControl, int mode = kModeWholeText);
bool RunSpellDialogCheckText(HWND owner, TSpellCheckerBase& checker, std::wstring& text);

}  // namespace wx
