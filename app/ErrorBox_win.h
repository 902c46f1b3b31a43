// The program's error box, notices and questions.
#pragma once

#include <windows.h>

#include <exception>
#include <string>

#include "ui/Window_win.h"

namespace wx {

// The hidden top-level window that owns the program's message boxes.
HWND ApplicationWindow();
void SetApplicationWindow(HWND window);

// The application-wide handler: the error box for an exception, captioned
// "Wendrix", task-modal, error icon, OK only.
void ShowErrorMessage(const std::exception& e);
void ShowUnknownErrorMessage();

// Information notice (OK) and Yes/No question, both information-type boxes
// captioned "Information" in the interface language, after bringing the
// program to the front.
void ShowInformation(const std::string& text);
bool AskYesNo(const std::string& text);

// Makes the error box the toolkit's way of reporting a failure, so that
// Guarded (ui/Window_win.h) shows every failure in it.
void InstallErrorBox();

// A message with a "don't show this message again" box; see DontShowAgain.h.
// dlgType is one of MB_ICONINFORMATION / MB_ICONWARNING / MB_ICONERROR /
// MB_ICONQUESTION; buttons MB_OK, MB_OKCANCEL, MB_YESNO. Returns IDOK, IDYES ...
int DSAMessageDlg(const std::string& msg, UINT dlgType, UINT buttons, int helpCtx, const std::string& storagePath,
                  const std::string& ident, int defaultResult);

}  // namespace wx
