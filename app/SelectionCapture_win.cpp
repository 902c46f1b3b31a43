// The Selected actions: the selection of the focused program is copied to the
// clipboard (by edit messages in direct mode, by simulated Ctrl+C in
// compatibility mode), the service runs on the clipboard, and the result is
// pasted back. Everything the user had on the clipboard is put back afterwards.
#include "app/AppErrors.h"
#include "app/CaptureMessages.h"
#include "app/Clipboard_win.h"
#include "app/Controller_win.h"
#include "app/ErrorBox_win.h"
#include "app/KeySender_win.h"
#include "app/RegistryStyles.h"

namespace wx {

namespace {

// Runs a cleanup when leaving a scope, also by an exception.
template <typename Fn>
struct Finally {
  Fn fn;
  ~Finally() { fn(); }
};
template <typename Fn>
Finally(Fn) -> Finally<Fn>;

}  // namespace

bool TfrmTarvelo::ProcessMessages() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (m.message == WM_QUIT) {
      quitting_ = true;
      PostQuitMessage(int(m.wParam));  // leave it for the main loop
      return false;
    }
    TranslateMessage(&m);
    Guarded([&] { DispatchMessageW(&m); });
  }
  return !quitting_;
}

void TfrmTarvelo::WaitForClipboard() {
  // Waits as long as another program holds the clipboard, yielding between tries.
  while (!OpenClipboard(window_)) {
    if (!ProcessMessages()) return;
    Sleep(1);
  }
  CloseClipboard();
}

void TfrmTarvelo::RunSelectedAction(int action) {
  const bool compatibility = options_.compatibilityMode;
  ClipboardBackup backup;
  if (!(compatibility && options_.disableBackup)) backup.Save(window_);
  SetClipboardText(window_, L"");
  BeginWork();
  if (compatibility)
    CompatibilityCapture(action, backup);
  else
    DirectCapture(action, backup);
}

void TfrmTarvelo::CompatibilityCapture(int action, ClipboardBackup& backup) {
  for (BYTE vk : {BYTE(VK_CONTROL), BYTE(VK_SHIFT), BYTE(VK_MENU), BYTE(VK_LWIN), BYTE(VK_RWIN)}) ReleaseKey(vk);
  TargetWindow = GetForegroundWindow();
  PendingAction = action;
  CaptureWaiting = true;
  if (action == paSpellCheckAll) SendKeyCombo('A', ksCtrl);
  SendKeyCombo(options_.compatibilityCut ? 'X' : 'C', ksCtrl);

  const DWORD delay = DWORD(std::max<int32_t>(options_.compatibilityDelay, 0));
  const DWORD start = GetTickCount();
  // The clipboard-change handler runs from inside this loop and clears the pending state.
  while (CaptureWaiting && GetTickCount() - start < delay) {
    if (!ProcessMessages()) break;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  if (CaptureWaiting) {
    CaptureWaiting = false;
    PendingAction = paNone;
    ForceForeground(window_);
    ShowInformation(CompatibilityModeNotice(action));
    EndWork();
  } else {
    // Time for the target to take the paste before the clipboard is restored.
    const DWORD grace = GetTickCount();
    while (GetTickCount() - grace < 500) {
      if (!ProcessMessages()) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
  }
  WaitForClipboard();
  if (!options_.disableBackup) backup.Restore(window_);
}

void TfrmTarvelo::ClipboardWatcher1Change() {
  if (!CaptureWaiting) return;  // the program's own writes and late copies
  CaptureWaiting = false;
  ForceForeground(window_);
  // Whatever the service does, the clipboard goes back into the target and
  // the busy state ends.
  Finally paste{[this] {
    ForceForeground(TargetWindow);
    SetForegroundWindow(TargetWindow);
    SetActiveWindow(TargetWindow);
    if (PendingAction == paSpellCheckAll) {
      SendKeyCombo('A', ksCtrl);
      Sleep(100);
    }
    if (!GetClipboardText(window_).empty()) SendKeyCombo('V', ksCtrl);
    PendingAction = paNone;
    EndWork();
  }};
  if (PendingAction >= paSpellCheckSelected && PendingAction <= paDefinitionsSelected) {
    WaitForClipboard();
    if (GetClipboardText(window_).empty()) {
      ForceForeground(window_);
      ShowInformation(CompatibilityModeNotice(PendingAction));
      EndWork();
    } else {
      RunCapturedService(PendingAction);
    }
  }
}

void TfrmTarvelo::RunCapturedService(int action) {
  switch (action) {
    case paSpellCheckSelected:
    case paSpellCheckAll:
      SpellClipboard(nullptr);
      break;
    case paThesaurusSelected:
      ThesClipboard(nullptr);
      break;
    case paDefinitionsSelected:
      DefinitionsClipboard(nullptr);
      break;
  }
}

void TfrmTarvelo::DirectCapture(int action, ClipboardBackup& backup) {
  HWND foreground = GetForegroundWindow();
  DWORD thread = GetWindowThreadProcessId(foreground, nullptr);
  // Attaching to our own thread fails: the program's own windows are never a target.
  if (!thread || !AttachThreadInput(GetCurrentThreadId(), thread, TRUE)) {
    backup.Restore(window_);
    EndWork();
    return;
  }
  HWND focus = GetFocus();
  if (!focus) {
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
    backup.Restore(window_);
    EndWork();
    return;
  }
  Finally restore{[&] {
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
    SetForegroundWindow(foreground);
    backup.Restore(window_);
    EndWork();
  }};
  if (action == paSpellCheckAll) SendMessageW(focus, EM_SETSEL, 0, -1);
  SendMessageW(focus, WM_COPY, 0, 0);
  if (GetClipboardText(window_).empty()) {
    OfferCompatibilityMode(action);
    return;
  }
  switch (action) {
    case paSpellCheckSelected:
    case paSpellCheckAll:
      SpellClipboard(nullptr);
      if (action == paSpellCheckAll) SendMessageW(focus, EM_SETSEL, 0, -1);
      SendMessageW(focus, WM_PASTE, 0, 0);
      break;
    case paThesaurusSelected:
      ThesClipboard(nullptr);
      SendMessageW(focus, WM_PASTE, 0, 0);
      break;
    case paDefinitionsSelected: {
      if (!services_.definitionsSession) throw ENotAvailable("The definitions window");
      std::wstring text = GetClipboardText(window_);
      std::wstring result;
      if (services_.definitionsSession(text.size() > 50 ? std::wstring() : text, result)) {
        SetClipboardText(window_, result);
        SendMessageW(focus, WM_PASTE, 0, 0);
      }
      break;
    }
  }
}

void TfrmTarvelo::OfferCompatibilityMode(int action) {
  ForceForeground(window_);
  if (!AskYesNo(DirectModeQuestion(action))) return;
  options_.compatibilityMode = true;
  RegKey key(CurrentRegistry(), kMainOptionsKey);
  key.WriteBool("CompatibilityMode", true);
}

}  // namespace wx
