#include "app/SelectionCapture.h"

#include <algorithm>

#include "app/WorkState.h"

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

int32_t CompatibilityDelayInUse(int32_t stored) { return std::clamp<int32_t>(stored, 200, 2000); }

void SelectionCapture::Run(int action, const CaptureOptions& options) {
  // Busy from here until the user's clipboard is back: no second capture,
  // tray click or Exit can come in between.
  WorkScope<CaptureHost> work(host_);
  const std::string name = SelectedActionName(action);
  const bool backup = !(options.compatibilityMode && options.disableBackup);
  if (backup && !host_.SaveBackup()) {
    host_.Notify(ClipboardBusyNotice(name));
    return;
  }
  // Unless the clipboard is really empty, whatever it holds would be taken
  // for the selection and pasted into the document.
  if (!host_.EmptyClipboard()) {
    if (backup) host_.RestoreBackup();
    host_.Notify(ClipboardBusyNotice(name));
    return;
  }
  if (options.compatibilityMode)
    Compatibility(action, options);
  else
    Direct(action);
}

void SelectionCapture::Direct(int action) {
  // The program's own windows and a program without a focused control are
  // not targets: the clipboard goes back, silently.
  if (!host_.AttachToFocus()) {
    host_.RestoreBackup();
    return;
  }
  std::string notice;
  {
    Finally restore{[this] {
      host_.Detach();
      host_.RestoreBackup();
    }};
    host_.WaitForTypedKeys();
    notice = DirectExchange(action);
  }
  // Said once the user's clipboard is back.
  if (!notice.empty()) host_.Notify(notice);
}

std::string SelectionCapture::DirectExchange(int action) {
  const std::string name = SelectedActionName(action);
  if (action == paSpellCheckAll && !host_.SendEdit(EditRequest::SelectAll)) return NotRespondingNotice(name);
  if (!host_.SendEdit(EditRequest::Copy)) return NotRespondingNotice(name);
  std::wstring text;
  ClipboardState state = host_.ReadClipboard(text);
  // The copy is a sent message, which the program answers before the key
  // presses still waiting in its input queue: a selection made with the keys
  // just before the hotkey (Shift+Right, F8) may not be there yet. Copy
  // again for a short while before concluding that nothing is selected.
  for (int tries = 1; state == ClipboardState::Empty && tries < kDirectCopyTries; ++tries) {
    host_.ProcessMessagesWhile([] { return true; }, kDirectCopyRetryMs);
    if (!host_.SendEdit(EditRequest::Copy)) return NotRespondingNotice(name);
    state = host_.ReadClipboard(text);
  }
  switch (state) {
    case ClipboardState::Locked:
      return ClipboardBusyNotice(name);
    case ClipboardState::Empty:
      if (host_.Ask(DirectModeQuestion(action))) host_.EnableCompatibilityMode();
      return {};
    case ClipboardState::Text:
      break;
  }
  if (!host_.RunService(action, text)) return {};
  if (action == paSpellCheckAll && !host_.SendEdit(EditRequest::SelectAll)) return NotRespondingNotice(name);
  if (!host_.SendEdit(EditRequest::Paste)) return NotRespondingNotice(name);
  return {};
}

void SelectionCapture::Compatibility(int action, const CaptureOptions& options) {
  host_.PrepareKeys();
  pending_ = action;
  waiting_ = true;
  if (action == paSpellCheckAll) host_.SendCtrlKey('A');
  host_.SendCtrlKey(options.compatibilityCut ? 'X' : 'C');
  // ClipboardChanged runs from inside this wait and clears the pending state.
  host_.ProcessMessagesWhile([this] { return waiting_; }, CompatibilityDelayInUse(options.compatibilityDelay));
  std::string notice;
  if (waiting_) {
    waiting_ = false;
    pending_ = paNone;
    notice = CompatibilityModeNotice(action);
  } else {
    // Time for the target to take the paste before the clipboard is restored.
    host_.ProcessMessagesWhile([] { return true; }, kPasteGraceMs);
  }
  if (!options.disableBackup) host_.RestoreBackup();
  if (!notice.empty()) host_.Notify(notice);
}

void SelectionCapture::ClipboardChanged() {
  if (!waiting_) return;  // the program's own writes and late copies
  waiting_ = false;
  const int action = pending_;
  host_.ProgramToFront();
  // Whatever the service does, the clipboard goes back into the target.
  Finally paste{[this, action] {
    host_.TargetToFront();
    if (action == paSpellCheckAll) {
      host_.SendCtrlKey('A');
      host_.Pause(100);
    }
    std::wstring now;
    if (host_.ReadClipboard(now) == ClipboardState::Text && !now.empty()) host_.SendCtrlKey('V');
    pending_ = paNone;
  }};
  std::wstring text;
  switch (host_.ReadClipboard(text)) {
    case ClipboardState::Text:
      host_.RunService(action, text);
      break;
    case ClipboardState::Empty:
      host_.Notify(CompatibilityModeNotice(action));
      break;
    case ClipboardState::Locked:
      host_.Notify(ClipboardBusyNotice(SelectedActionName(action)));
      break;
  }
}

}  // namespace wx
