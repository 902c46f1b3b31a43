// The controller's start-up wiring: its hidden window and messages, the tray
// icon, hotkeys and clipboard watcher, the services it hands work to, the
// settings, and the Smart Bar it creates and closes. The actions live in
// ControllerActions_win.cpp, ClipboardActions_win.cpp, Launches_win.cpp and
// SelectionCapture_win.cpp.
#include "app/Controller_win.h"

#include "app/AppErrors.h"
#include "app/AppState.h"
#include "app/Clipboard_win.h"
#include "app/ErrorBox_win.h"
#include "app/HiddenWindow_win.h"
#include "app/Managers_win.h"
#include "common/AnsiText.h"
#include "common/ScopeExit.h"
#include "common/WinText_win.h"
#include "definitions/DefinitionsForm_win.h"
#include "windows/SmartBarTexts.h"

namespace wx {

namespace {

TfrmTarvelo* g_controller = nullptr;
const wchar_t kClassName[] = L"TfrmTarvelo";

const std::vector<std::wstring>& AnimationFrames() {
  static const std::vector<std::wstring> names = {
      L"ZONE",  L"ZTWO",   L"ZTHREE",  L"ZFOUR",    L"ZFIVE",     L"ZSIX",      L"ZSEVEN",   L"ZEIGHT",
      L"ZNINE", L"ZTEN",   L"ZELEVEN", L"ZTWELVE",  L"ZTHIRTEEN", L"ZFOURTEEN", L"ZFIFTEEN", L"ZSIXTEEN"};
  return names;
}

}  // namespace

TfrmTarvelo* Controller() { return g_controller; }

TfrmTarvelo::TfrmTarvelo()
    : language_(CurrentRegistry(), [] { return int(GetUserDefaultLangID()); }), optionsModel_(BuildEdition) {
  hotKeyIds_.fill(-1);
}

TfrmTarvelo::~TfrmTarvelo() {
  ShuttingDown = true;
  ClipboardWatcher1.reset();
  hotKeys_.reset();
  tray_.reset();
  DestroyHiddenWindow(window_);
  if (stillIcon_) DestroyIcon(stillIcon_);
  if (g_controller == this) g_controller = nullptr;
}

bool TfrmTarvelo::Create() {
  // It also owns the program's message boxes.
  window_ = CreateHiddenWindow(kClassName, WndProc, this, WS_EX_TOOLWINDOW, L"Wendrix",
                               LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"));
  if (!window_) return false;
  g_controller = this;
  SetApplicationWindow(window_);
  taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  FormCreate();
  return true;
}

void TfrmTarvelo::FormCreate() {
  tray_ = std::make_unique<TTrayIcon95>(window_);
  hotKeys_ = std::make_unique<TSysHotKey>();
  tray_->SetHint(L"Wendrix");
  tray_->SetAnimationInterval(400);
  tray_->SetAnimationIcons(AnimationFrames());
  stillIcon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), L"ZSIXTEEN", IMAGE_ICON, 16, 16, 0));
  tray_->SetIcons(stillIcon_, stillIcon_);
  tray_->AutoPopup = true;
  tray_->SetState(tsDisabled);
  tray_->OnClick = [this] { TrayIcon95Click(); };
  tray_->OnDblClick = [this] { TrayIcon95DblClick(); };
  tray_->BuildPopupMenu = [this] { return BuildTrayMenu(); };
  tray_->OnMenuCommand = [this](UINT id) {
    if (id >= kMenuCommandBase) RunCommand(Command(id - kMenuCommandBase), this);
  };
  hotKeys_->OnHotKey = [this](int index) { SysHotKey1HotKey(index); };
  ClipboardWatcher1 = std::make_unique<TClipboardWatcher>();
  ClipboardWatcher1->OnChange = [this] { ClipboardWatcher1Change(); };
  hotKeys_->SetActive(true);

  // A failed load is reported and the program stays resident with what it has.
  Guarded([this] { LoadSettings(); });
  // The stored interface language (the user's own when none is stored).
  Guarded([this] { language_.Attach(); });

  // The thesaurus session runs in the managed container, released after use
  // so that it is freed when it stays idle.
  services_.thesaurusSession = [this](const std::wstring& word) {
    TManagedThesaurus& manager = ManagedThesaurus();
    TThesaurus& thesaurus = manager.Data().Thesaurus;
    thesaurus.Owner = ApplicationWindow();
    thesaurus.UILanguage = language_.ThesaurusLanguage();
    ScopeExit release([&] { manager.Release(); });
    return ThesaurusSession(thesaurus, word);
  };
  // The definitions window runs in its managed container, released after
  // each session so that an idle container is freed (storing the window's place).
  TDefinitionsForm::Install([] { return ApplicationWindow(); });
  services_.definitionsSession = [](const std::wstring& word, std::wstring& result) {
    TManagedDefinitions& manager = ManagedDefinitions();
    TDataManagedDefinitions& container = manager.Data();
    TDefinitionsDialog& dialog = container.DefinitionsDialog1;
    ScopeExit release([&] { manager.Release(); });
    container.KeepOnScreen();
    dialog.LookupWord = Utf8ToAnsi(WideToUtf8(TrimText(word)));
    dialog.SetDatabaseFile(AppFilePath("definitions.ydd"));
    const bool ok = dialog.Execute();
    if (ok) result = AnsiToWide(dialog.ResultWord());
    return ok && !result.empty();
  };
  // The speller's and the thesaurus containers are created at start-up; the
  // speller's is never released.
  Guarded([] { ManagedSpelling().Acquire(); });
  Guarded([] { ManagedThesaurus().Acquire(); });

  // The icon appears once the controller has finished loading.
  tray_->SetActive(true);
}

void TfrmTarvelo::LoadSettings() {
  LoadMainOptions(CurrentRegistry(), BuildEdition, options_);
  SingleClickAction = options_.singleClickAction;
  DoubleClickAction = options_.doubleClickAction;
  RegisterHotKeys();
  if (options_.showSmartBarOnOpen && !SmartBar() && !OptionsWindowVisible()) ShowSmartBar();
}

bool TfrmTarvelo::OptionsWindowVisible() const { return optionsShowing_; }

void TfrmTarvelo::ShowSmartBar() {
  if (!SmartBar()) {
    smartBar_.reset();
    TSmartBarHost host;
    host.features = SmartBarFeaturesFor(BuildEdition);
    // The bar's clicks arrive here after it has refused them while busy.
    host.runCommand = [this](Command c) { RunCommand(c, nullptr); };
    host.busy = [this] { return Busy(); };
    host.acceptsInput = [this] { return AcceptsInput(); };
    host.optionsWindowVisible = [this] { return OptionsWindowVisible(); };
    host.updaterPresent = [] { return DictionaryUpdaterPresent(); };
    host.shuttingDown = [] { return ShuttingDown; };
    host.sessionEnding = [] { ShuttingDown = true; };
    host.showCloseNotice = [] {
      DSAMessageDlg(SmartBarCaption(SmartBarText::CloseNotice), MB_ICONQUESTION, MB_OK, 0, kSmartBarBaseKey,
                    kSmartBarSection, IDOK);
    };
    host.destroyed = [this] { PostMessageW(window_, WM_SMARTBARGONE, 0, 0); };
    auto bar = std::make_unique<TfrmSmartBar>(std::move(host));
    if (!bar->Create()) return;
    bar->Show();
    smartBar_ = std::move(bar);
  }
  tray_->ShowForm(smartBar_->Handle());
}

void TfrmTarvelo::CloseSmartBarForShutdown() {
  ShuttingDown = true;
  if (TfrmSmartBar* bar = SmartBar()) {
    bar->SavePosition();
    bar->Close();
  }
}

void TfrmTarvelo::RegisterHotKeys() {
  hotKeys_->Clear();
  for (const HotKeyRegistration& r : PlanHotKeys(options_.hotKeys, BuildEdition, hotKeyIds_))
    hotKeys_->AddHotKey(r.keyIndex, r.modifiers);
}

LRESULT CALLBACK TfrmTarvelo::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowOwner<TfrmTarvelo>(hwnd, msg, lp);
  if (!self || !self->window_) return DefWindowProcW(hwnd, msg, wp, lp);
  LRESULT result = 0;
  Guarded([&] { result = self->Handle(msg, wp, lp); });
  return result;
}

LRESULT TfrmTarvelo::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  if (taskbarCreated_ && msg == taskbarCreated_) {
    if (tray_) tray_->Readd();
    return 0;
  }
  switch (msg) {
    case WM_RUNHOTKEY:
      WMHotKeyAction(lp);
      return 0;
    case WM_QUERYENDSESSION:
      DefWindowProcW(window_, msg, wp, lp);
      // Called off later (WM_ENDSESSION false) unless the program was ending anyway.
      endSessionAsked_ = !ShuttingDown;
      ShuttingDown = true;
      return 1;
    case WM_ENDSESSION:
      DefWindowProcW(window_, msg, wp, lp);
      if (!wp) {
        // Another program refused the end of the session: the program goes on as before.
        if (endSessionAsked_) ShuttingDown = false;
        endSessionAsked_ = false;
        return 0;
      }
      ShuttingDown = true;
      // Windows may end the process once this returns: the message loop
      // never ends and the containers are never freed, so what they store
      // when freed is stored now.
      CloseSmartBarForShutdown();
      SaveManagedState();
      return 1;
    case WM_SMARTBARGONE:
      if (smartBar_ && !smartBar_->Handle()) smartBar_.reset();
      return 0;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      ShuttingDown = true;
      WinHelpW(window_, nullptr, HELP_QUIT, 0);
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window_, msg, wp, lp);
}

void TfrmTarvelo::Close() {
  if (Busy()) return;  // an action is running: closing is refused
  CloseSmartBarForShutdown();
  hotKeys_->SetActive(false);
  tray_->SetActive(false);
  // The handle is forgotten once the window is gone, so that nothing uses or
  // destroys it again.
  HWND window = window_;
  DestroyWindow(window);
  window_ = nullptr;
  if (ApplicationWindow() == window) SetApplicationWindow(nullptr);
}

}  // namespace wx
