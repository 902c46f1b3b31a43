#include "app/ErrorBox_win.h"

#include "app/AppErrors.h"
#include "app/AppTexts.h"
#include "app/DontShowAgain.h"
#include "common/AnsiText.h"

namespace wx {

namespace {
HWND g_appWindow = nullptr;
}

HWND ApplicationWindow() { return g_appWindow; }
void SetApplicationWindow(HWND window) { g_appWindow = window; }

void InstallErrorBox() {
  SetErrorReporter([](const std::exception* e) {
    if (e)
      ShowErrorMessage(*e);
    else
      ShowUnknownErrorMessage();
  });
}

static void ShowErrorText(const std::string& text) {
  if (g_appWindow) ForceForeground(g_appWindow);
  AskUser(g_appWindow, Utf8ToWide(text), Utf8ToWide(kProgramTitle), MB_OK | MB_TASKMODAL | MB_ICONERROR);
}

void ShowErrorMessage(const std::exception& e) { ShowErrorText(ErrorMessageText(e, AppDir())); }

void ShowUnknownErrorMessage() { ShowErrorText(UnknownErrorMessageText()); }

void ShowInformation(const std::string& text) {
  if (g_appWindow) ForceForeground(g_appWindow);
  AskUser(g_appWindow, Utf8ToWide(text), Utf8ToWide(AppText(txtInformationCaption)),
          MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

bool AskYesNo(const std::string& text) {
  if (g_appWindow) ForceForeground(g_appWindow);
  return AskUser(g_appWindow, Utf8ToWide(text), Utf8ToWide(AppText(txtInformationCaption)),
                 MB_YESNO | MB_ICONINFORMATION | MB_TASKMODAL) == IDYES;
}

}  // namespace wx
