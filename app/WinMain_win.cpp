// Entry point of the resident program: one instance per logon, a hidden
// controller, and the message loop.
#include <windows.h>
#include <commctrl.h>

#include "app/Controller_win.h"
#include "app/ErrorBox_win.h"
#include "app/Managers_win.h"
#include "common/SystemLibrary_win.h"

namespace {

// Creates the single-instance mutex; true when another instance holds it.
bool AlreadyRunning(HANDLE& mutex) {
  mutex = CreateMutexW(nullptr, TRUE, L"DravimoAutoRun");
  if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    mutex = nullptr;
    return true;
  }
  return false;  // the handle stays open for the life of the process
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // Libraries loaded from now on come from the system folder, never from a
  // file of the same name planted beside the program.
  wx::RestrictDllSearchToSystem();
  HANDLE mutex = nullptr;
  if (AlreadyRunning(mutex)) return 0;  // silently

  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  // Every window reports its failures in the program's error box.
  wx::InstallErrorBox();
  {
    wx::TfrmTarvelo controller;
    if (!controller.Create()) return 1;

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      wx::Guarded([&] { DispatchMessageW(&msg); });
    }
  }
  wx::FreeManagers();
  if (mutex) CloseHandle(mutex);
  return 0;
}
