#include "app/Controller_win.h"

#include <shellapi.h>

#include <filesystem>

#include "app/AboutBox_win.h"
#include "app/AppErrors.h"
#include "app/AppState.h"
#include "app/AutoRun.h"
#include "app/CaptureMessages.h"
#include "app/Clipboard_win.h"
#include "app/ErrorBox_win.h"
#include "app/Help_win.h"
#include "app/HiddenWindow_win.h"
#include "app/Managers_win.h"
#include "app/OptionsDialog_win.h"
#include "app/ProgramPath_win.h"
#include "app/TrayMenuTexts.h"
#include "common/AnsiText.h"
#include "spelling/CustomDictionariesDialog_win.h"
#include "spelling/SpellOptionsDialog_win.h"
#include "common/WinText_win.h"
#include "definitions/DefinitionsForm_win.h"
#include "spelling/SpellDialogTexts.h"
#include "windows/InstantSpell_win.h"
#include "windows/SpellViewer_win.h"

namespace wx {

namespace {

TfrmTarvelo* g_controller = nullptr;
const wchar_t kClassName[] = L"TfrmTarvelo";
constexpr UINT kMenuCommandBase = 100;

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
    std::wstring replacement;
    try {
      replacement = ThesaurusSession(thesaurus, word);
    } catch (...) {
      manager.Release();
      throw;
    }
    manager.Release();
    return replacement;
  };
  // The definitions window runs in its managed container, released after
  // each session so that an idle container is freed (storing the window's place).
  TDefinitionsForm::Install([] { return ApplicationWindow(); }, [](const std::exception& e) { ShowErrorMessage(e); });
  services_.definitionsSession = [](const std::wstring& word, std::wstring& result) {
    TManagedDefinitions& manager = ManagedDefinitions();
    TDataManagedDefinitions& container = manager.Data();
    TDefinitionsDialog& dialog = container.DefinitionsDialog1;
    bool ok = false;
    try {
      container.KeepOnScreen();
      dialog.LookupWord = Utf8ToAnsi(WideToUtf8(TrimText(word)));
      dialog.SetDatabaseFile(AppFilePath("definitions.ydd"));
      ok = dialog.Execute();
      if (ok) result = AnsiToWide(dialog.ResultWord());
    } catch (...) {
      manager.Release();
      throw;
    }
    manager.Release();
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
    // The bar's clicks arrive here after it has refused them while busy.
    host.runCommand = [this](Command c) { RunCommand(c, nullptr); };
    host.busy = [this] { return Busy(); };
    host.acceptsInput = [this] { return AcceptsInput(); };
    host.optionsWindowVisible = [this] { return OptionsWindowVisible(); };
    host.destroyed = [this] { PostMessageW(window_, WM_SMARTBARGONE, 0, 0); };
    auto bar = std::make_unique<TfrmSmartBar>(BuildEdition, std::move(host));
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
  auto* self = HiddenWindowOwner<TfrmTarvelo>(hwnd, msg, lp);
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

void TfrmTarvelo::BeginWork() {
  work_.Begin();
  ShowWorkState();
}

void TfrmTarvelo::EndWork() {
  work_.End();
  ShowWorkState();
}

void TfrmTarvelo::ShowWorkState() {
  tray_->AutoPopup = work_.AcceptsInput();
  tray_->SetHint(work_.Busy() ? Utf8ToWide(TrayBusyTip()) : L"Wendrix");
  tray_->SetState(work_.Busy() ? tsAnimated : tsDisabled);
}

void TfrmTarvelo::WithModalDialog(const std::function<void()>& body) {
  work_.BeginModal();
  ShowWorkState();
  try {
    body();
  } catch (...) {
    work_.EndModal();
    ShowWorkState();
    throw;
  }
  work_.EndModal();
  ShowWorkState();
}

void TfrmTarvelo::SysHotKey1HotKey(int index) {
  // Only post: the capture starts after the hotkey callback has returned.
  if (AcceptsInput()) PostMessageW(window_, WM_RUNHOTKEY, 0, LPARAM(index));
}

void TfrmTarvelo::WMHotKeyAction(LPARAM slotId) {
  if (!AcceptsInput()) return;
  for (HotKeySlot slot : SlotsForHotKeyId(hotKeyIds_, int(slotId))) RunCommand(CommandForSlot(slot), this);
}

void TfrmTarvelo::TrayIcon95Click() {
  if (tray_->State() != tsAnimated && AcceptsInput()) RunMouseAction(SingleClickAction);
}

void TfrmTarvelo::TrayIcon95DblClick() {
  if (tray_->State() != tsAnimated && AcceptsInput()) RunMouseAction(DoubleClickAction);
}

void TfrmTarvelo::RunMouseAction(int code) {
  Command c = CommandForMouseAction(code);
  if (c == Command::PopupMenu) {
    tray_->PopupAtCursor();
    return;
  }
  if (c != Command::None) RunCommand(c, this);
}

HMENU TfrmTarvelo::BuildTrayMenu() {
  // A language stored meanwhile takes effect when the menu opens.
  Guarded([this] { language_.Attach(); });
  HMENU menu = CreatePopupMenu();
  for (const TrayMenuItem& item : TrayMenuFor(BuildEdition)) {
    if (item.name[0] == '-') {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else if (item.submenuHelp) {
      HMENU help = CreatePopupMenu();
      // The update tool's item is enabled only when the tool lies beside the program.
      std::error_code ec;
      bool updater = std::filesystem::exists(Utf8ToWide(AppFilePath("DictionaryUpdate.exe")), ec);
      for (const TrayMenuItem& h : HelpMenu()) {
        if (h.name[0] == '-') {
          AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
          continue;
        }
        UINT flags = MF_STRING;
        if (h.command == Command::DictionaryUpdate && !updater) flags |= MF_GRAYED;
        AppendMenuW(help, flags, kMenuCommandBase + UINT(h.command), Utf8ToWide(TrayMenuCaption(h)).c_str());
      }
      AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(help), Utf8ToWide(TrayMenuCaption(item)).c_str());
    } else {
      AppendMenuW(menu, MF_STRING, kMenuCommandBase + UINT(item.command), Utf8ToWide(TrayMenuCaption(item)).c_str());
    }
  }
  return menu;
}

void TfrmTarvelo::RunCommand(Command command, const void* Sender) {
  switch (command) {
    case Command::SpellClipboard: SpellClipboard(Sender); break;
    case Command::ThesClipboard: ThesClipboard(Sender); break;
    case Command::DefinitionsClipboard: DefinitionsClipboard(Sender); break;
    case Command::SpellCheckSelected:
      CheckMainDictionaries();
      if (!Busy()) RunSelectedAction(paSpellCheckSelected);
      break;
    case Command::SpellCheckAll:
      CheckMainDictionaries();
      if (!Busy()) RunSelectedAction(paSpellCheckAll);
      break;
    case Command::ThesaurusSelected:
      if (Busy()) break;
      CheckAppFile("Thesaurus.qxt");
      RunSelectedAction(paThesaurusSelected);
      break;
    case Command::DefinitionsSelected:
      if (Busy()) break;
      CheckAppFile("Definitions.ydd");
      RunSelectedAction(paDefinitionsSelected);
      break;
    case Command::OpenEditor: LaunchEditor("Wendrix.exe"); break;
    case Command::OpenEditor2: LaunchEditor(""); break;  // no second editor ships with this version
    case Command::InstantSpell:
      CheckMainDictionaries();
      if (!Busy()) RunInstantSpell();
      break;
    case Command::SpellOptions:
      WithModalDialog([this] { WithSpeller([this](TSpellCheckerBase& s) { ShowSpellOptionsDialog(window_, s); }); });
      break;
    case Command::EditCustomDictionary:
      WithModalDialog(
          [this] { WithSpeller([this](TSpellCheckerBase& s) { ShowCustomDictionariesDialog(window_, s); }); });
      break;
    case Command::Preferences:
      WithModalDialog([this] { ShowOptions(); });
      break;
    case Command::SmartBar: ShowSmartBar(); break;
    case Command::PopupMenu: tray_->PopupAtCursor(); break;
    case Command::HelpContents: ShowHelp(window_, HelpRequest::Contents); break;
    case Command::HelpTopics: ShowHelp(window_, HelpRequest::Index); break;
    case Command::WebSite: OpenWebSite(); break;
    case Command::DictionaryUpdate: LaunchDictionaryUpdate(); break;
    case Command::About: WithModalDialog([this] { ShowAboutBox(window_); }); break;
    case Command::Exit: Close(); break;
    case Command::None: break;
  }
}

void TfrmTarvelo::WithSpeller(const std::function<void(TSpellCheckerBase&)>& body) {
  TSpellCheckerBase& speller = ManagedSpelling().Data().Speller;
  // What the dialog changed is stored when it closes, even when it fails,
  // so that an end of the session loses nothing.
  struct Store {
    TSpellCheckerBase& s;
    ~Store() { s.Config().Save(); }
  } store{speller};
  body(speller);
}

void TfrmTarvelo::CheckMainDictionaries() { mainDictionaries_.Run(CurrentRegistry()); }

void TfrmTarvelo::SpellClipboard(const void* Sender) {
  CheckMainDictionaries();
  if (Busy() && Sender) return;
  std::wstring text;
  ClipboardState clipboard = ReadClipboardText(window_, text);
  if (clipboard == ClipboardState::Locked) {
    ShowInformation(ClipboardBusyNotice("Spell Check ClipBoard"));
    return;
  }
  if (clipboard == ClipboardState::Empty) {
    ShowInformation(
        "You have attempted to use Spell Check Clipboard, however there is nothing in the Windows Clipboard.\r\n\r\n"
        "Please verify that you have copied the desired text and initiate Spell Check Clipboard again.\r\n\r\n"
        "Contact Morvane Software, " +
        std::string(kSupportEmail) + ", with any questions.");
    return;
  }
  BeginWork();
  struct End {
    TfrmTarvelo* c;
    ~End() { c->EndWork(); }
  } end{this};
  TSpellCheckerBase& speller = ManagedSpelling().Data().Speller;
  // The viewer's texts are the speller's, in the interface language.
  speller.UILanguage = SpellLanguageOf(language_.SpellerLanguage());
  RunSpellViewer(speller, GetSpellViewerOptions());
}

TSpellViewerSettings TfrmTarvelo::GetSpellViewerOptions() const {
  TSpellViewerSettings s;
  s.UseSavedPosition = true;
  s.SavePosition = true;
  // Its check box in the options window is never loaded, so never on.
  s.AlwaysOnTop = false;
  s.NoEndMessage = options_.silentSpellMode;
  return s;
}

void TfrmTarvelo::ThesClipboard(const void* Sender) {
  if (Busy() && Sender) return;
  CheckAppFile("Thesaurus.qxt");
  BeginWork();
  struct End {
    TfrmTarvelo* c;
    ~End() { c->EndWork(); }
  } end{this};
  std::wstring word;
  if (ReadClipboardText(window_, word) == ClipboardState::Locked) {
    ShowInformation(ClipboardBusyNotice("Thesaurus ClipBoard"));
    return;
  }
  word = TrimText(word);
  if (!services_.thesaurusSession) throw ENotAvailable("The thesaurus");
  std::wstring replacement = services_.thesaurusSession(word);
  if (!replacement.empty()) SetClipboardText(window_, replacement);
}

std::wstring TfrmTarvelo::ThesaurusLookup(const std::wstring& word) {
  CheckAppFile("Thesaurus.qxt");
  if (!services_.thesaurusSession) throw ENotAvailable("The thesaurus");
  return services_.thesaurusSession(TrimText(word));
}

void TfrmTarvelo::DefinitionsClipboard(const void* Sender) {
  if (Busy() && Sender) return;
  BeginWork();
  struct End {
    TfrmTarvelo* c;
    ~End() { c->EndWork(); }
  } end{this};
  CheckAppFile("Definitions.ydd");
  if (!services_.definitionsSession) throw ENotAvailable("The definitions window");
  std::wstring text;
  if (ReadClipboardText(window_, text) == ClipboardState::Locked) {
    ShowInformation(ClipboardBusyNotice("Definitions ClipBoard"));
    return;
  }
  std::wstring result;
  if (services_.definitionsSession(text.size() > 50 ? std::wstring() : text, result))
    SetClipboardText(window_, result);
}

std::wstring TfrmTarvelo::DefinitionsLookup(const std::wstring& word) {
  CheckAppFile("Definitions.ydd");
  if (!services_.definitionsSession) throw ENotAvailable("The definitions window");
  std::wstring result;
  if (!services_.definitionsSession(word.size() > 50 ? std::wstring() : word, result)) result.clear();
  return result;
}

void TfrmTarvelo::RunInstantSpell() {
  BeginWork();
  // The window's F7, F8 and F9 would otherwise be taken by the program's own
  // hotkeys, which do nothing while it is busy: they are let go meanwhile.
  hotKeys_->SetActive(false);
  struct End {
    TfrmTarvelo* c;
    ~End() {
      Guarded([this] { c->hotKeys_->SetActive(true); });
      c->EndWork();
    }
  } end{this};
  // The program's speller; what Active Spell changed is stored when the
  // window closes.
  WithSpeller([this](TSpellCheckerBase& speller) {
    // The check's messages in the program's interface language, as the window's texts.
    Guarded([this] { language_.Attach(); });
    speller.UILanguage = SpellLanguageOf(language_.SpellerLanguage());
    TInstantSpellServices services;
    services.engine = &speller;
    services.thesaurusLookup = [this](const std::wstring& word) { return ThesaurusLookup(word); };
    services.definitionsLookup = [this](const std::wstring& word) { return DefinitionsLookup(word); };
    services.guarded = [](const std::function<void()>& command) { Guarded(command); };
    ShowInstantSpell(window_, std::move(services));
  });
}

void TfrmTarvelo::LaunchEditor(const std::string& fileName) {
  CheckAppFile(fileName);
  auto rc = reinterpret_cast<INT_PTR>(ShellExecuteW(window_, nullptr, Utf8ToWide(AppFilePath(fileName)).c_str(),
                                                    nullptr, nullptr, SW_SHOWNORMAL));
  if (rc <= 32) throw EEditorError();
}

void TfrmTarvelo::LaunchDictionaryUpdate() {
  ShellExecuteW(window_, nullptr, Utf8ToWide(AppDir() + "DictionaryUpdate.exe").c_str(), nullptr, nullptr,
                SW_SHOWNORMAL);
}

void TfrmTarvelo::OpenWebSite() {
  auto rc = reinterpret_cast<INT_PTR>(
      ShellExecuteW(window_, nullptr, Utf8ToWide(kSupportWebAddress).c_str(), nullptr, nullptr, SW_SHOW));
  if (rc <= 32) throw EBrowserError();
}

void TfrmTarvelo::ShowOptions() {
  // Showing: the auto-run state is read afresh (converting a legacy start-up
  // value); a shortcut that cannot be written is reported, and the window
  // still opens.
  bool autoRun = false;
  try {
    autoRun = CheckAutoRun(CurrentRegistry(), SystemAutoRunShell(), ProgramPath());
  } catch (const EAutoRunError& e) {
    ShowErrorMessage(e);
  }
  if (optionsEdited_) {
    optionsModel_.autoRun = autoRun;
    optionsModel_.silentSpellMode = options_.silentSpellMode;
  } else {
    optionsModel_.Load(options_, autoRun);
  }
  // Counts as shown until Cancel has reloaded the settings, so that the
  // reload does not open the Smart Bar again.
  optionsShowing_ = true;
  struct Hidden {
    bool& showing;
    ~Hidden() { showing = false; }
  } hidden{optionsShowing_};
  OptionsResult result = ShowOptionsDialog(window_, optionsModel_, language_, [this](int context) {
    Guarded([&] { ShowHelp(window_, HelpRequest::Context, context); });
  });
  optionsEdited_ = result == OptionsResult::Closed;
  if (result == OptionsResult::Ok) {
    MainOptions edited = optionsModel_.Result();
    options_ = edited;
    SingleClickAction = edited.singleClickAction;
    DoubleClickAction = edited.doubleClickAction;
    RegisterHotKeys();
    SaveMainOptions(CurrentRegistry(), options_);
    SaveAutoRun(CurrentRegistry(), SystemAutoRunShell(), optionsModel_.autoRun, ProgramPath());
  } else if (result == OptionsResult::Cancel) {
    LoadSettings();
  }
}

}  // namespace wx
