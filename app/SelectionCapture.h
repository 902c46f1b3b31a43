// The Selected actions: the user's clipboard is saved, the focused program
// copies its selection to the clipboard (edit messages in direct mode,
// simulated Ctrl+C in compatibility mode), the service runs on it, the result
// is pasted back, and the user's clipboard is restored. This is the order of
// those steps and every decision between them; the system calls go through
// CaptureHost (the program's is Win32, tests use a scripted one).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/CaptureMessages.h"

namespace wx {

// What reading the clipboard found: text (not empty), no text, or a
// clipboard that another program kept open for longer than the wait.
enum class ClipboardState { Text, Empty, Locked };

// The edit messages of direct mode.
enum class EditRequest { SelectAll, Copy, Paste };

class CaptureHost {
 public:
  virtual ~CaptureHost() = default;

  // The controller's busy state (nested, see WorkState).
  virtual void BeginWork() = 0;
  virtual void EndWork() = 0;

  // The user's clipboard: every format saved, and put back. Both false when
  // another program keeps the clipboard open.
  virtual bool SaveBackup() = 0;
  virtual bool RestoreBackup() = 0;
  // Empties the clipboard; false when it could not be opened or emptied.
  virtual bool EmptyClipboard() = 0;
  virtual ClipboardState ReadClipboard(std::wstring& text) = 0;

  // Direct mode: attaches to the foreground program's input state and finds
  // its focused control (false, attached to nothing, when either fails);
  // Detach undoes it and gives the foreground back.
  virtual bool AttachToFocus() = 0;
  virtual void Detach() = 0;
  // Waits (briefly, bounded) until the attached program has read the keys
  // typed before the hotkey: a selection made with Shift+arrows just before
  // it may still be waiting in its input queue, and the copy, a sent
  // message, would be answered before them.
  virtual void WaitForTypedKeys() = 0;
  // Sends an edit message to the focused control; false when the program
  // did not answer in time.
  virtual bool SendEdit(EditRequest request) = 0;

  // Compatibility mode: releases held modifier keys and remembers the
  // foreground window as the target; sends Ctrl+key; brings the program or
  // the target to the front.
  virtual void PrepareKeys() = 0;
  virtual void SendCtrlKey(char key) = 0;
  virtual void ProgramToFront() = 0;
  virtual void TargetToFront() = 0;
  // Processes messages while `more` holds, for at most ms milliseconds (the
  // clipboard-change notification arrives inside). Pause waits without.
  virtual void ProcessMessagesWhile(const std::function<bool()>& more, int ms) = 0;
  virtual void Pause(int ms) = 0;

  // Runs the action's service on the clipboard text; true when the clipboard
  // should then be pasted into the target.
  virtual bool RunService(int action, const std::wstring& text) = 0;
  virtual void Notify(const std::string& text) = 0;
  virtual bool Ask(const std::string& text) = 0;
  // Turns compatibility mode on for later actions and stores it.
  virtual void EnableCompatibilityMode() = 0;
};

struct CaptureOptions {
  bool compatibilityMode = false;
  bool compatibilityCut = false;
  bool disableBackup = false;
  int32_t compatibilityDelay = 1000;
};

// The compatibility-mode wait in use for a stored delay: the track bar's
// range, 200 to 2,000 ms, whatever the registry holds.
int32_t CompatibilityDelayInUse(int32_t stored);

// How long the grace period after a compatibility-mode paste lasts before
// the clipboard is restored.
inline constexpr int kPasteGraceMs = 500;

// Direct mode copies up to this many times, this far apart, while the copy
// comes back empty (the selection may still be in the target's input queue).
inline constexpr int kDirectCopyTries = 5;
inline constexpr int kDirectCopyRetryMs = 100;

class SelectionCapture {
 public:
  explicit SelectionCapture(CaptureHost& host) : host_(host) {}

  // Runs one Selected action (paSpellCheckSelected ... paDefinitionsSelected).
  // The program is busy from the start to the end, restore included.
  void Run(int action, const CaptureOptions& options);
  // The clipboard watcher's change handler: takes the copy a
  // compatibility-mode capture waits for; ignores every other change.
  void ClipboardChanged();

  bool CaptureWaiting() const { return waiting_; }
  int PendingAction() const { return pending_; }

 private:
  void Direct(int action);
  // Copy, service and paste while attached; the notice to show afterwards.
  std::string DirectExchange(int action);
  void Compatibility(int action, const CaptureOptions& options);

  CaptureHost& host_;
  int pending_ = paNone;
  bool waiting_ = false;
};

}  // namespace wx
