// The program's error box, notices and questions, and bringing the program to
// the front despite the system's foreground lock.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace wx {

// The hidden top-level window that owns the program's message boxes.
HWND ApplicationWindow();
void SetApplicationWindow(HWND window);

// SetForegroundWindow with the foreground lock time-out set to 0 meanwhile.
bool ForceForeground(HWND window);

// The application-wide handler: the error box for an exception, captioned
// "Wendrix", task-modal, error icon, OK only.
void ShowErrorMessage(const std::exception& e);
void ShowUnknownErrorMessage();

// Information notice (OK) and Yes/No question, both information-type boxes
// captioned "Information" in the interface language, after bringing the
// program to the front.
void ShowInformation(const std::string& text);
bool AskYesNo(const std::string& text);

// Runs fn; any exception is shown in the error box and goes no further.
template <typename Fn>
void Guarded(Fn&& fn) noexcept {
  try {
    fn();
  } catch (const std::exception& e) {
    ShowErrorMessage(e);
  } catch (...) {
    ShowUnknownErrorMessage();
  }
}

// A message with a "don't show this message again" box; see DontShowAgain.h.
// dlgType is one of MB_ICONINFORMATION / MB_ICONWARNING / MB_ICONERROR /
// MB_ICONQUESTION; buttons MB_OK, MB_OKCANCEL, MB_YESNO. Returns IDOK, IDYES ...
int DSAMessageDlg(const std::string& msg, UINT dlgType, UINT buttons, int helpCtx, const std::string& storagePath,
                  const std::string& ident, int defaultResult);

}  // namespace wx
