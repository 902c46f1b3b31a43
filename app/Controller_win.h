// The resident controller: a hidden window that owns the tray icon, the
// hotkeys and the tray menu, guards every action with the busy state, and
// dispatches hotkeys, clicks and menu commands to the actions.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/AppLanguage.h"
#include "app/ClipboardBackup_win.h"
#include "app/ClipboardWatcher_win.h"
#include "app/Commands.h"
#include "app/HotKeys.h"
#include "app/MainDictionariesCheck.h"
#include "app/MainOptions.h"
#include "app/OptionsModel.h"
#include "app/SelectionCapture.h"
#include "app/SysHotKey_win.h"
#include "app/TrayIcon_win.h"
#include "app/WorkState.h"
#include "windows/SmartBar_win.h"
#include "windows/SpellViewerModel.h"

namespace wx {

class TSpellCheckerBase;

// A service this build does not include yet.
class ENotAvailable : public std::runtime_error {
 public:
  explicit ENotAvailable(const std::string& what)
      : std::runtime_error(what + " is not available in this version of Wendrix.") {}
};

// The services the controller hands its work to. Each is filled by the
// engine that provides it; an empty one reports the service as not available.
struct ControllerServices {
  // Runs one modal thesaurus session for a word; returns the chosen
  // replacement, or empty when the user closed the dialog.
  std::function<std::wstring(const std::wstring& word)> thesaurusSession;
  // Runs the definitions window for a word (empty for none); true when it
  // closed with OK, with the chosen word in result.
  std::function<bool(const std::wstring& word, std::wstring& result)> definitionsSession;
};

class TfrmTarvelo {
 public:
  static constexpr UINT WM_RUNHOTKEY = WM_USER + 1;
  // The Smart Bar's window is gone: the controller lets go of it.
  static constexpr UINT WM_SMARTBARGONE = WM_USER + 2;

  TfrmTarvelo();
  ~TfrmTarvelo();
  TfrmTarvelo(const TfrmTarvelo&) = delete;
  TfrmTarvelo& operator=(const TfrmTarvelo&) = delete;

  // Creates the hidden window, loads the settings, registers the hotkeys and
  // shows the tray icon. False when the window cannot be created.
  bool Create();
  HWND Handle() const { return window_; }
  ControllerServices& Services() { return services_; }

  // Entry operations. A null Sender marks a call made by the program itself
  // (the Smart Bar), which skips the busy check of the clipboard actions.
  void SpellClipboard(const void* Sender);
  void ThesClipboard(const void* Sender);
  void DefinitionsClipboard(const void* Sender);
  void RunCommand(Command command, const void* Sender);
  std::wstring ThesaurusLookup(const std::wstring& word);
  // The definitions window for a word (the Instant Spell window's lookup):
  // the chosen word, or empty when the window was cancelled.
  std::wstring DefinitionsLookup(const std::wstring& word);

  // Work nests (a Selected action runs a clipboard action inside); the
  // program stays busy until the outermost stretch ends.
  void BeginWork();
  void EndWork();
  bool Busy() const { return work_.Busy(); }
  bool AcceptsInput() const { return work_.AcceptsInput(); }

  void LoadSettings();
  void RegisterHotKeys();
  void RunMouseAction(int code);
  void CheckMainDictionaries();
  void Close();
  // Creates the Smart Bar when none exists and shows it.
  void ShowSmartBar();
  TfrmSmartBar* SmartBar() const { return smartBar_ && smartBar_->Handle() ? smartBar_.get() : nullptr; }
  bool OptionsWindowVisible() const;

  const MainOptions& Options() const { return options_; }
  const HotKeyIds& HotKeyIdentifiers() const { return hotKeyIds_; }

 private:
  // Tray menu items carry this plus their Command as their id.
  static constexpr UINT kMenuCommandBase = 100;

  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void FormCreate();
  void SysHotKey1HotKey(int index);
  void WMHotKeyAction(LPARAM slotId);
  void TrayIcon95Click();
  void TrayIcon95DblClick();
  HMENU BuildTrayMenu();
  // Selected actions: take the selection from the focused program through
  // the clipboard, run the service, paste the result back.
  class CaptureHostImpl;
  void RunSelectedAction(int action);
  void ClipboardWatcher1Change();
  // Processes pending messages once; false when the program is quitting.
  bool ProcessMessages();
  // Shows the tray icon's busy or idle look for the work state.
  void ShowWorkState();
  // The Instant Spell window, modal, with the program busy meanwhile.
  void RunInstantSpell();
  void LaunchEditor(const std::string& fileName);
  void LaunchDictionaryUpdate();
  void OpenWebSite();
  // The options window (modal): OK stores and registers, Cancel reloads.
  void ShowOptions();
  // Program end: saves the Smart Bar and closes it without its notice.
  void CloseSmartBarForShutdown();
  // The Spell Viewer's settings for the clipboard check.
  TSpellViewerSettings GetSpellViewerOptions() const;
  // Runs body with the managed speller and stores its configuration after.
  void WithSpeller(const std::function<void(TSpellCheckerBase&)>& body);
  // Runs a modal dialog of the tray menu with input refused meanwhile.
  void WithModalDialog(const std::function<void()>& body);

  HWND window_ = nullptr;
  UINT taskbarCreated_ = 0;
  std::unique_ptr<TTrayIcon95> tray_;
  std::unique_ptr<TSysHotKey> hotKeys_;
  HICON stillIcon_ = nullptr;
  MainOptions options_;
  HotKeyIds hotKeyIds_;
  MainDictionariesCheck mainDictionaries_;
  ControllerServices services_;
  std::unique_ptr<TClipboardWatcher> ClipboardWatcher1;
  WorkState work_;
  std::unique_ptr<CaptureHost> captureHost_;
  std::unique_ptr<SelectionCapture> capture_;  // PendingAction and CaptureWaiting live here
  HWND TargetWindow = nullptr;
  bool quitting_ = false;
  bool endSessionAsked_ = false;  // the end of the session set ShuttingDown
  uint8_t SingleClickAction = moNoAction;
  uint8_t DoubleClickAction = moNoAction;
  // The interface language, applied at start-up from the stored choice.
  TAppLanguage language_;
  // The options window's state; it outlives a closing by the close box,
  // which keeps the edits for the next showing.
  OptionsModel optionsModel_;
  bool optionsEdited_ = false;
  bool optionsShowing_ = false;
  std::unique_ptr<TfrmSmartBar> smartBar_;
};

// Whether the dictionary update tool lies beside the program: its menu items
// (tray and Smart Bar) are enabled only then.
bool DictionaryUpdaterPresent();

// The controller of the running program (null before it is created).
TfrmTarvelo* Controller();

}  // namespace wx
