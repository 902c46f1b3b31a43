// The system side of the Selected actions (app/SelectionCapture.h holds the
// steps and decisions): the clipboard, the focused program's input state and
// edit messages, simulated keys, and the message waits in which the
// clipboard-change notification arrives.
#include "app/AppErrors.h"
#include "app/Clipboard_win.h"
#include "app/Controller_win.h"
#include "app/ErrorBox_win.h"
#include "app/KeySender_win.h"
#include "common/RegistryStyles.h"

namespace wx {

namespace {

// How long the focused program may take to answer one edit message before
// the action gives up on it.
constexpr UINT kEditMessageTimeoutMs = 5000;
// How long the focused program may take to read the keys typed before the
// hotkey.
constexpr DWORD kTypedKeysWaitMs = 500;

}  // namespace

class TfrmTarvelo::CaptureHostImpl final : public CaptureHost {
 public:
  explicit CaptureHostImpl(TfrmTarvelo& controller) : c_(controller) {}

  void BeginWork() override { c_.BeginWork(); }
  void EndWork() override { c_.EndWork(); }

  bool SaveBackup() override { return backup_.Save(c_.window_); }
  bool RestoreBackup() override { return backup_.Restore(c_.window_); }
  bool EmptyClipboard() override { return EmptyClipboardWait(c_.window_); }
  ClipboardState ReadClipboard(std::wstring& text) override { return ReadClipboardText(c_.window_, text); }

  bool AttachToFocus() override {
    foreground_ = GetForegroundWindow();
    thread_ = GetWindowThreadProcessId(foreground_, nullptr);
    // Attaching to our own thread fails: the program's own windows are never a target.
    if (!thread_ || !AttachThreadInput(GetCurrentThreadId(), thread_, TRUE)) {
      thread_ = 0;
      return false;
    }
    focus_ = GetFocus();
    if (!focus_) {
      AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
      thread_ = 0;
      return false;
    }
    return true;
  }

  void WaitForTypedKeys() override {
    // Attached, this thread sees the program's key state: the state of the
    // keys it has read. While a modifier reads differently there than on the
    // keyboard itself, key messages typed before the hotkey are still queued
    // (Shift+Right ends with Shift's release). A hung program is not waited
    // for longer than the limit; the copy then finds it hung.
    const DWORD start = GetTickCount();
    auto caughtUp = [] {
      for (int vk : {VK_SHIFT, VK_CONTROL, VK_MENU})
        if (((GetKeyState(vk) & 0x8000) != 0) != ((GetAsyncKeyState(vk) & 0x8000) != 0)) return false;
      return true;
    };
    while (!caughtUp() && GetTickCount() - start < kTypedKeysWaitMs) Sleep(5);
  }

  void Detach() override {
    if (thread_) AttachThreadInput(GetCurrentThreadId(), thread_, FALSE);
    thread_ = 0;
    SetForegroundWindow(foreground_);
  }

  bool SendEdit(EditRequest request) override {
    UINT msg = WM_COPY;
    WPARAM wp = 0;
    LPARAM lp = 0;
    switch (request) {
      case EditRequest::SelectAll:
        msg = EM_SETSEL;
        lp = -1;
        break;
      case EditRequest::Copy: msg = WM_COPY; break;
      case EditRequest::Paste: msg = WM_PASTE; break;
    }
    // Messages sent to us meanwhile (the clipboard viewer chain) are still
    // answered; a hung program is given up at once.
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(focus_, msg, wp, lp, SMTO_NORMAL | SMTO_ABORTIFHUNG, kEditMessageTimeoutMs,
                               &result) != 0;
  }

  void PrepareKeys() override {
    for (BYTE vk : {BYTE(VK_CONTROL), BYTE(VK_SHIFT), BYTE(VK_MENU), BYTE(VK_LWIN), BYTE(VK_RWIN)}) ReleaseKey(vk);
    c_.TargetWindow = GetForegroundWindow();
  }
  void SendCtrlKey(char key) override { SendKeyCombo(BYTE(key), ksCtrl); }
  void ProgramToFront() override { ForceForeground(ApplicationWindow()); }

  void TargetToFront() override {
    HWND target = c_.TargetWindow;
    ForceForeground(target);
    SetForegroundWindow(target);
    SetActiveWindow(target);
    // The simulated keys go to whichever window is in front when they are
    // read; on a busy system the switch back to the target can lag behind,
    // so wait (at most a second) until the target is really in front.
    ProcessMessagesWhile([target] { return GetForegroundWindow() != target; }, 1000);
  }

  void ProcessMessagesWhile(const std::function<bool()>& more, int ms) override {
    const DWORD start = GetTickCount();
    while (more() && GetTickCount() - start < DWORD(ms)) {
      if (!c_.ProcessMessages()) break;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
  }
  void Pause(int ms) override { Sleep(DWORD(ms)); }

  bool RunService(int action, const std::wstring& text) override {
    switch (action) {
      case paSpellCheckSelected:
      case paSpellCheckAll:
        c_.SpellClipboard(nullptr);
        return true;
      case paThesaurusSelected:
        c_.ThesClipboard(nullptr);
        return true;
      case paDefinitionsSelected: {
        // Pasted only when the window closes with OK.
        if (!c_.services_.definitionsSession) throw ENotAvailable("The definitions window");
        std::wstring result;
        if (!c_.services_.definitionsSession(text.size() > 50 ? std::wstring() : text, result)) return false;
        SetClipboardText(c_.window_, result);
        return true;
      }
    }
    return false;
  }

  void Notify(const std::string& text) override { ShowInformation(text); }
  bool Ask(const std::string& text) override { return AskYesNo(text); }
  void EnableCompatibilityMode() override {
    c_.options_.compatibilityMode = true;
    RegKey key(CurrentRegistry(), kMainOptionsKey);
    key.WriteBool("CompatibilityMode", true);
  }

 private:
  TfrmTarvelo& c_;
  ClipboardBackup backup_;
  HWND foreground_ = nullptr;
  HWND focus_ = nullptr;
  DWORD thread_ = 0;
};

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

void TfrmTarvelo::RunSelectedAction(int action) {
  if (!capture_) {
    captureHost_ = std::make_unique<CaptureHostImpl>(*this);
    capture_ = std::make_unique<SelectionCapture>(*captureHost_);
  }
  CaptureOptions o;
  o.compatibilityMode = options_.compatibilityMode;
  o.compatibilityCut = options_.compatibilityCut;
  o.disableBackup = options_.disableBackup;
  o.compatibilityDelay = options_.compatibilityDelay;
  capture_->Run(action, o);
}

void TfrmTarvelo::ClipboardWatcher1Change() {
  if (capture_) capture_->ClipboardChanged();
}

}  // namespace wx
