#include "windows/SpellViewer_win.h"

#include <windows.h>

#include <ole2.h>
#include <richedit.h>
#include <windowsx.h>

#include <exception>
#include <memory>
#include <string>

#include "common/AnsiText.h"
#include "common/Captions_win.h"
#include "common/MessageLoop_win.h"
#include "common/Registry.h"
#include "common/WinText_win.h"
#include "spelling/DialogBase_win.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/SpellOptionsDialog_win.h"
#include "spelling/WinAPIControlParser_win.h"
#include "windows/SpellRichEdit_win.h"
#include "windows/SpellViewerTexts.h"
#include "ui/Dpi_win.h"
#include "ui/WindowPlacement_win.h"
#include "ui/Window_win.h"

namespace wx {

namespace {

const wchar_t kClassName[] = L"TfrmSpellViewer";

enum : int {
  kIdTextLabel = int(SpellViewerText::TextLabel),
  kIdPane = 101,
  kIdReplaceLabel = int(SpellViewerText::ReplaceLabel),
  kIdReplace = 103,
  kIdSuggestionsLabel = int(SpellViewerText::SuggestionsLabel),
  kIdSuggestions = 105,
};

using M = TSpellViewerModel;

// Each button: its model command, its control id (= its caption's id) and
// its cell in the grid right of the replacement box (column, row).
struct ButtonDef {
  M::Button button;
  int id;
  int column, row;
};
constexpr ButtonDef kButtons[] = {
    {M::btnIgnore, int(SpellViewerText::Ignore), 0, 0},
    {M::btnIgnoreAll, int(SpellViewerText::IgnoreAll), 1, 0},
    {M::btnAdd, int(SpellViewerText::Add), 2, 0},
    {M::btnChange, int(SpellViewerText::Change), 0, 1},
    {M::btnChangeAll, int(SpellViewerText::ChangeAll), 1, 1},
    {M::btnAutoCorrect, int(SpellViewerText::AutoCorrect), 2, 1},
    {M::btnUndo, int(SpellViewerText::Undo), 0, 2},
    {M::btnOptions, int(SpellViewerText::Options), 1, 2},
    {M::btnHelp, int(SpellViewerText::Help), 2, 2},
    {M::btnCancel, int(SpellViewerText::Cancel), 2, 3},
};

// Layout in pixels (the window does not scale with the screen's font size).
constexpr int kMargin = 8, kButtonWidth = 92, kButtonHeight = 23, kGap = 4, kLabelHeight = 16;
constexpr int kBottomHeight = 4 * (kButtonHeight + kGap);

// The pane's text as a copy would take it: everything a select-all covers.
std::u16string SelectedAllText(HWND pane) {
  CHARRANGE all{0, -1};
  SendMessageW(pane, EM_EXSETSEL, 0, LPARAM(&all));
  CHARRANGE got{};
  SendMessageW(pane, EM_EXGETSEL, 0, LPARAM(&got));
  const LONG n = got.cpMax > got.cpMin ? got.cpMax - got.cpMin : 0;
  std::u16string text(size_t(n) + 1, u'\0');
  const LRESULT copied = SendMessageW(pane, EM_GETSELTEXT, 0, LPARAM(text.data()));
  text.resize(size_t(copied > 0 && copied <= n ? copied : 0));
  return text;
}

// The pane's plain text with CR LF line ends, as a user's program expects it.
std::wstring PlainText(HWND pane) {
  GETTEXTLENGTHEX lengthOf{GTL_USECRLF | GTL_NUMCHARS, 1200};
  const LRESULT n = SendMessageW(pane, EM_GETTEXTLENGTHEX, WPARAM(&lengthOf), 0);
  if (n <= 0) return {};
  std::wstring text(size_t(n) + 1, L'\0');
  GETTEXTEX get{};
  get.cb = DWORD((size_t(n) + 1) * sizeof(wchar_t));
  get.flags = GT_USECRLF;
  get.codepage = 1200;
  const LRESULT copied = SendMessageW(pane, EM_GETTEXTEX, WPARAM(&get), LPARAM(text.data()));
  text.resize(size_t(copied > 0 && copied <= n ? copied : 0));
  return text;
}

bool PutClipboardText(HWND owner, const std::wstring& text) {
  for (int tries = 0; !OpenClipboard(owner); ++tries) {
    if (tries >= 100) return false;
    Sleep(20);
  }
  bool ok = false;
  if (EmptyClipboard()) {
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
      if (void* p = GlobalLock(memory)) {
        memcpy(p, text.c_str(), bytes);
        GlobalUnlock(memory);
        ok = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
      }
      if (!ok) GlobalFree(memory);
    }
  }
  CloseClipboard();
  return ok;
}

// Whether the clipboard's plain text ends with a line break.
bool ClipboardEndsWithBreak(HWND owner) {
  if (!OpenClipboard(owner)) return false;
  bool ends = false;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    const SIZE_T bytes = GlobalSize(data);
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      // Bounded by the block's size: the text need not be terminated.
      size_t n = 0;
      const size_t limit = bytes / sizeof(wchar_t);
      while (n < limit && p[n]) ++n;
      ends = n > 0 && (p[n - 1] == L'\r' || p[n - 1] == L'\n');
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return ends;
}

// Makes the pane writable for as long as it lives (corrections and marks
// change a read-only pane only through this).
class Writable {
 public:
  explicit Writable(TSpellRichEdit& pane) : pane_(pane) { pane_.SetReadOnly(false); }
  ~Writable() { pane_.SetReadOnly(true); }
  Writable(const Writable&) = delete;
  Writable& operator=(const Writable&) = delete;

 private:
  TSpellRichEdit& pane_;
};

}  // namespace

class TfrmSpellViewer final : public TSpellDialogHooks {
 public:
  TfrmSpellViewer(TSpellCheckerBase& engine, const TSpellViewerSettings& settings)
      : engine_(engine), settings_(settings), model_(engine) {}
  ~TfrmSpellViewer() override {
    if (window_) DestroyWindow(window_);
  }
  TfrmSpellViewer(const TfrmSpellViewer&) = delete;
  TfrmSpellViewer& operator=(const TfrmSpellViewer&) = delete;

  bool Create();
  void Show();
  // Pastes the clipboard into the pane; true when it held rich text.
  bool PasteClipboard();
  // False when the result could not be put on the clipboard.
  bool PutResult(bool rich, bool originalEndsWithBreak);
  HWND Handle() const { return window_; }
  HWND Pane() const { return pane_.Handle(); }
  // An error met while the check ran (it was cancelled then).
  std::exception_ptr error;

  // ---- TSpellDialogHooks: the checker's wait loop runs the messages ----
  bool ProcessMessages() override;
  void SetHourglass(bool on) override { SetCursor(LoadCursorW(nullptr, on ? IDC_WAIT : IDC_ARROW)); }

 private:
  static LRESULT CALLBACK WndProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void CreateControls();
  void Layout();
  void ShowState();
  void Command(int id, int code);
  void Press(M::Button b);
  void WordPresented();
  void RestoreStyle();
  void Paint();
  // The title, labels and buttons from the checker's dialog texts.
  void ApplyEngineCaptions();
  HWND Item(int id) const { return GetDlgItem(window_, id); }

  TSpellCheckerBase& engine_;
  TSpellViewerSettings settings_;
  TSpellViewerModel model_;
  HWND window_ = nullptr;
  // The window's DPI and message font; moved to a monitor of another DPI,
  // the font at it, the suggested place and the layout again.
  TDpiFollower dpi_;
  int S(int basePixels) const { return dpi_.Scale(basePixels); }
  TSpellRichEdit pane_;
  std::unique_ptr<WindowCaptions> captions_;
  // The word in bold: its range and the style it had before.
  CHARRANGE wordRange_{-1, -1};
  CHARFORMAT2W wordStyle_{};
  bool filling_ = false;
  uint32_t shownReplacement_ = UINT32_MAX, shownSuggestions_ = UINT32_MAX;
};

bool TfrmSpellViewer::Create() {
  RegisterWindowClass(kClassName, WndProc, nullptr, LoadCursorW(nullptr, IDC_ARROW), HBRUSH(COLOR_BTNFACE + 1));
  // A sizeable tool window without caption buttons, placed by the system.
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_CONTROLPARENT, kClassName, L"Spelling",
                            WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                            kSpellViewerMinWidth, kSpellViewerMinHeight, nullptr, nullptr, GetModuleHandleW(nullptr),
                            this);
  if (!window_) return false;
  CreateControls();
  captions_ = std::make_unique<WindowCaptions>(window_, SpellViewerTexts(), [this] {
    ApplyEngineCaptions();
    ShowState();
  });

  // Set-up for the engine: silent, its events here, the pane on it.
  engine_.SetDialogHooks(this);
  // The read-only pane takes the checker's corrections (automatic ones
  // included) and nothing else.
  engine_.OnParserReplaceWord = [this](const std::string&, bool before, int) { pane_.SetReadOnly(!before); };
  model_.OnRestoreStyle = [this] { RestoreStyle(); };
  model_.OnShowOptions = [this] {
    ShowSpellOptionsDialog(window_, engine_);
    pane_.UpdateActivation();
  };
  model_.Setup([this] { WordPresented(); }, [this] { ShowWindow(window_, SW_HIDE); });

  // The window's place: the stored one or the caller's values.
  const TRect current = WindowRectOf(window_);
  // The smallest size is in 96-DPI pixels, scaled for the window's DPI.
  const TRect place = SpellViewerPlacement(settings_, CurrentRegistry(), current, S(kSpellViewerMinWidth),
                                           S(kSpellViewerMinHeight), MonitorWorkAreas());
  SetWindowPos(window_, nullptr, place.left, place.top, place.Width(), place.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  Layout();
  ShowState();
  return true;
}

void TfrmSpellViewer::ApplyEngineCaptions() {
  for (const SpellViewerCaption& c : kSpellViewerCaptions) {
    const std::wstring text = Utf8ToWide(engine_.GetString(c.textIndex));
    SetWindowTextW(c.controlId == kCaptionWindowTitle ? window_ : Item(c.controlId), text.c_str());
  }
}

void TfrmSpellViewer::CreateControls() {
  dpi_.Attach(window_);
  dpi_.OnDpiChanged([this] { Layout(); });
  HINSTANCE instance = GetModuleHandleW(nullptr);
  auto make = [&](const wchar_t* cls, int id, DWORD style, DWORD exStyle = 0) {
    HWND h = CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, window_,
                             reinterpret_cast<HMENU>(INT_PTR(id)), instance, nullptr);
    dpi_.ApplyFont(h);
    return h;
  };
  make(L"STATIC", kIdTextLabel, SS_LEFT);
  // The pane underlines every misspelled word whatever the engine's live
  // option says, offers no menu, and takes no typing.
  pane_.Create(window_, kIdPane, 0, 0, 10, 10,
               ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_READONLY | WS_VSCROLL);
  dpi_.ApplyFont(pane_.Handle());
  pane_.SetLiveSpellingColor(RGB(255, 0, 0));
  pane_.SetDoubleBuffered(true);
  pane_.SetLiveSpellingOptions(false);
  pane_.SetLiveMenuOptions(0);
  pane_.SetLiveSpellingReadOnly(true);
  pane_.SetDetectBaseline(true);
  pane_.SetLiveSpelling(true);
  pane_.SetLiveCorrect(true);
  pane_.SetSpellEngine(&engine_);
  // Not a tab stop: the keyboard goes to the box and the buttons.
  SetWindowLongPtrW(pane_.Handle(), GWL_STYLE, GetWindowLongPtrW(pane_.Handle(), GWL_STYLE) & ~WS_TABSTOP);
  make(L"STATIC", kIdReplaceLabel, SS_LEFT);
  make(L"EDIT", kIdReplace, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  make(L"STATIC", kIdSuggestionsLabel, SS_LEFT);
  make(L"LISTBOX", kIdSuggestions, WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, WS_EX_CLIENTEDGE);
  for (const ButtonDef& b : kButtons)
    make(L"BUTTON", b.id, WS_TABSTOP | (b.button == M::btnIgnore ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

void TfrmSpellViewer::Layout() {
  RECT rc;
  GetClientRect(window_, &rc);
  const int w = rc.right, h = rc.bottom;
  // The layout's lengths are 96-DPI pixels, scaled for the window's DPI.
  const int margin = S(kMargin), gap = S(kGap), labelHeight = S(kLabelHeight);
  const int buttonWidth = S(kButtonWidth), buttonHeight = S(kButtonHeight);
  const int gridWidth = 3 * buttonWidth + 2 * gap;
  const int gridLeft = w - margin - gridWidth;
  // The lower half (at least the buttons' height) holds the replacement and
  // the suggestions: a list of three rows under a half-empty text pane made
  // the user scroll for the fourth suggestion.
  const int bottom = h - margin - std::max(S(kBottomHeight), (h - 2 * margin - labelHeight) / 2);
  const int leftWidth = std::max(S(40), gridLeft - 2 * margin);
  auto place = [&](int id, int x, int y, int cx, int cy) {
    SetWindowPos(Item(id), nullptr, x, y, cx, cy, SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(kIdTextLabel, margin, margin, w - 2 * margin, labelHeight);
  place(kIdPane, margin, margin + labelHeight, w - 2 * margin, std::max(S(20), bottom - margin - labelHeight - gap));
  place(kIdReplaceLabel, margin, bottom, leftWidth, labelHeight);
  place(kIdReplace, margin, bottom + labelHeight, leftWidth, S(21));
  place(kIdSuggestionsLabel, margin, bottom + labelHeight + S(25), leftWidth, labelHeight);
  const int listTop = bottom + 2 * labelHeight + S(25);
  place(kIdSuggestions, margin, listTop, leftWidth, std::max(S(20), h - margin - listTop));
  for (const ButtonDef& b : kButtons)
    place(b.id, gridLeft + b.column * (buttonWidth + gap), bottom + b.row * (buttonHeight + gap), buttonWidth,
          buttonHeight);
  InvalidateRect(window_, nullptr, TRUE);
}

void TfrmSpellViewer::ShowState() {
  filling_ = true;
  for (const ButtonDef& b : kButtons) {
    const M::ButtonState& s = model_.State(b.button);
    ShowWindow(Item(b.id), s.visible ? SW_SHOWNA : SW_HIDE);
    EnableWindow(Item(b.id), s.enabled);
  }
  HWND box = Item(kIdReplace), list = Item(kIdSuggestions);
  if (shownReplacement_ != model_.replacementVersion) {
    shownReplacement_ = model_.replacementVersion;
    SetWindowTextW(box, AnsiToWide(model_.replacement).c_str());
  }
  if (shownSuggestions_ != model_.suggestionsVersion || model_.suggestions.empty()) {
    shownSuggestions_ = model_.suggestionsVersion;
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& s : model_.suggestions)
      SendMessageW(list, LB_ADDSTRING, 0, LPARAM(AnsiToWide(s).c_str()));
    if (model_.suggestions.empty() && !model_.noSuggestionsText.empty())
      SendMessageW(list, LB_ADDSTRING, 0, LPARAM(Utf8ToWide(model_.noSuggestionsText).c_str()));
  }
  SendMessageW(list, LB_SETCURSEL, WPARAM(model_.suggestionSelected), 0);
  EnableWindow(box, model_.replacementEnabled);
  EnableWindow(list, model_.suggestionsEnabled);
  filling_ = false;
}

void TfrmSpellViewer::Show() {
  ShowWindow(window_, SW_SHOW);
  if (settings_.AlwaysOnTop)
    SetWindowPos(window_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // Brought to the front even while another program holds the foreground.
  const DWORD front = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  const DWORD self = GetCurrentThreadId();
  const bool attached = front && front != self && AttachThreadInput(self, front, TRUE);
  SetForegroundWindow(window_);
  if (attached) AttachThreadInput(self, front, FALSE);
  SetFocus(Item(kIdReplace));
}

bool TfrmSpellViewer::PasteClipboard() {
  const bool rich = IsClipboardFormatAvailable(RegisterClipboardFormatW(L"Rich Text Format")) != 0;
  Writable writable(pane_);
  SendMessageW(pane_.Handle(), WM_PASTE, 0, 0);
  return rich;
}

bool TfrmSpellViewer::PutResult(bool rich, bool originalEndsWithBreak) {
  HWND pane = pane_.Handle();
  if (!rich) return PutClipboardText(window_, PlainText(pane));
  // The pane's own closing paragraph is not the user's: leave it out.
  const std::u16string all = SelectedAllText(pane);
  CHARRANGE range{0, LONG(RichResultLength(all, originalEndsWithBreak))};
  SendMessageW(pane, EM_EXSETSEL, 0, LPARAM(&range));
  // The control's copy fails silently while another program holds the
  // clipboard open: copy again (for up to two seconds) until the text is there.
  // A copy that took place changed the clipboard's sequence number.
  for (int tries = 0; tries < 100; ++tries) {
    if (tries > 0) Sleep(20);
    const DWORD before = GetClipboardSequenceNumber();
    SendMessageW(pane, WM_COPY, 0, 0);
    if (GetClipboardSequenceNumber() == before) continue;
    // The copy may hand the clipboard a data object that renders on demand:
    // render it now, so that the text outlives the pane and this thread's
    // OLE. The flush fails while another program holds the clipboard open
    // (one reading it, say); the formats would then stay unrendered and be
    // lost when OLE lets go of them, so it is tried again.
    bool flushed = false;
    for (int flushes = 0; !flushed && flushes < 100; ++flushes) {
      if (flushes > 0) Sleep(20);
      flushed = SUCCEEDED(OleFlushClipboard());
    }
    return flushed && IsClipboardFormatAvailable(CF_UNICODETEXT);
  }
  return false;
}

bool TfrmSpellViewer::ProcessMessages() {
  MSG m;
  if (!PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    WaitMessage();
    return true;
  }
  if (m.message == WM_QUIT) {
    PostQuitMessage(int(m.wParam));  // for the program's own loop
    return false;
  }
  if (!window_ || !IsDialogMessageW(window_, &m)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return true;
}

void TfrmSpellViewer::WordPresented() {
  // The checker has selected the word: remember its style, make it bold.
  HWND pane = pane_.Handle();
  SendMessageW(pane, EM_EXGETSEL, 0, LPARAM(&wordRange_));
  wordStyle_ = CHARFORMAT2W{};
  wordStyle_.cbSize = sizeof(wordStyle_);
  SendMessageW(pane, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&wordStyle_));
  CHARFORMAT2W bold{};
  bold.cbSize = sizeof(bold);
  bold.dwMask = CFM_BOLD;
  bold.dwEffects = CFE_BOLD;
  {
    Writable writable(pane_);
    SendMessageW(pane, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&bold));
  }
  InvalidateRect(pane, nullptr, FALSE);
  ShowState();
}

void TfrmSpellViewer::RestoreStyle() {
  if (wordRange_.cpMin < 0) return;
  HWND pane = pane_.Handle();
  // On the word's own range, wherever the user has clicked since.
  SendMessageW(pane, EM_EXSETSEL, 0, LPARAM(&wordRange_));
  CHARFORMAT2W style = wordStyle_;
  style.cbSize = sizeof(style);
  style.dwMask |= CFM_BOLD;  // a word that was not bold loses the bold again
  Writable writable(pane_);
  SendMessageW(pane, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&style));
  wordRange_ = {-1, -1};
}

void TfrmSpellViewer::Press(M::Button b) {
  model_.Press(b);
  if (!engine_.Checking()) return;
  ShowState();
}

void TfrmSpellViewer::Command(int id, int code) {
  if (filling_) return;
  if (id == kIdReplace && code == EN_CHANGE) {
    model_.ReplacementChanged(Utf8ToAnsi(WideToUtf8(TextOf(Item(kIdReplace)))));
    ShowState();
    return;
  }
  if (id == kIdSuggestions) {
    const int index = int(SendMessageW(Item(kIdSuggestions), LB_GETCURSEL, 0, 0));
    if (code == LBN_SELCHANGE) {
      model_.SuggestionClicked(index);
      ShowState();
    } else if (code == LBN_DBLCLK) {
      model_.SuggestionDoubleClicked(index);
    }
    return;
  }
  if (id == IDCANCEL) {
    Press(M::btnCancel);
    return;
  }
  for (const ButtonDef& b : kButtons)
    if (b.id == id && code == BN_CLICKED) Press(b.button);
}

void TfrmSpellViewer::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window_, &ps);
  RECT rc;
  GetClientRect(window_, &rc);
  FillRect(dc, &rc, GetSysColorBrush(COLOR_BTNFACE));
  RECT grip{rc.right - GetSystemMetrics(SM_CXVSCROLL), rc.bottom - GetSystemMetrics(SM_CYHSCROLL), rc.right,
            rc.bottom};
  DrawFrameControl(dc, &grip, DFC_SCROLL, DFCS_SCROLLSIZEGRIP);
  EndPaint(window_, &ps);
}

LRESULT CALLBACK TfrmSpellViewer::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowOwner<TfrmSpellViewer>(hwnd, msg, lp);
  if (self && msg == WM_NCCREATE) self->window_ = hwnd;
  if (!self || !self->window_) return DefWindowProcW(hwnd, msg, wp, lp);
  try {
    return self->Handle(msg, wp, lp);
  } catch (...) {
    // Kept for the caller, who reports it once the check has stopped.
    if (!self->error) self->error = std::current_exception();
    self->engine_.Cancel();
    return 0;
  }
}

LRESULT TfrmSpellViewer::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      Command(LOWORD(wp), HIWORD(wp));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(int(SpellViewerText::Ignore), DC_HASDEFID);
    case WM_ACTIVATE:
      if (LOWORD(wp) == WA_INACTIVE)
        model_.Deactivated();
      else
        model_.Activated();
      ShowState();
      return 0;
    case WM_CLOSE:
      // Closing cancels the check; the window goes when the run ends.
      engine_.Cancel();
      ShowWindow(window_, SW_HIDE);
      return 0;
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      const bool own = !settings_.UseSavedPosition;
      mm->ptMinTrackSize.x = std::max<LONG>(S(kSpellViewerMinWidth), own ? settings_.MinWidth : 0);
      mm->ptMinTrackSize.y = std::max<LONG>(S(kSpellViewerMinHeight), own ? settings_.MinHeight : 0);
      if (own && settings_.MaxWidth > 0) mm->ptMaxTrackSize.x = std::max<LONG>(settings_.MaxWidth, mm->ptMinTrackSize.x);
      if (own && settings_.MaxHeight > 0)
        mm->ptMaxTrackSize.y = std::max<LONG>(settings_.MaxHeight, mm->ptMinTrackSize.y);
      return 0;
    }
    case WM_SIZE:
      Layout();
      return 0;
    case WM_NCHITTEST: {
      const LRESULT hit = DefWindowProcW(window_, msg, wp, lp);
      if (hit != HTCLIENT) return hit;
      POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      ScreenToClient(window_, &p);
      RECT rc;
      GetClientRect(window_, &rc);
      if (p.x >= rc.right - GetSystemMetrics(SM_CXVSCROLL) && p.y >= rc.bottom - GetSystemMetrics(SM_CYHSCROLL))
        return HTBOTTOMRIGHT;
      return hit;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_DESTROY:
      if (settings_.SavePosition) WriteSpellViewerPlace(CurrentRegistry(), WindowRectOf(window_));
      return 0;
    case WM_NCDESTROY: {
      HWND h = window_;
      window_ = nullptr;
      return DefWindowProcW(h, msg, wp, lp);
    }
  }
  return DefWindowProcW(window_, msg, wp, lp);
}

bool RunSpellViewer(TSpellCheckerBase& engine, const TSpellViewerSettings& settings) {
  // The pane pastes and copies through the system's data-exchange layer.
  const HRESULT ole = OleInitialize(nullptr);
  struct OleScope {
    HRESULT hr;
    ~OleScope() {
      if (SUCCEEDED(hr)) OleUninitialize();
    }
  } oleScope{ole};

  // Given back on every way out, the exception included.
  TSpellerTakeover takeover(engine);
  bool completed = false;
  {
    TfrmSpellViewer viewer(engine, settings);
    if (!viewer.Create()) throw std::runtime_error("The Spell Viewer window could not be created.");
    viewer.Show();
    const bool endsWithBreak = ClipboardEndsWithBreak(viewer.Handle());
    const bool rich = viewer.PasteClipboard();
    // Returns when the check has ended: the viewer's buttons drive it.
    CheckRichEdit(engine, viewer.Pane(), kModeWholeText);
    // The program is quitting, or the wait loop stopped: the check is over.
    if (engine.Checking()) engine.StopCheck(true);
    if (viewer.error) std::rethrow_exception(viewer.error);
    completed = !engine.Cancelled();
    if (completed) {
      // Nothing may be pasted from a clipboard that does not hold the result.
      if (!viewer.PutResult(rich, endsWithBreak))
        throw std::runtime_error("The Spell Viewer could not put the checked text on the Windows Clipboard.");
      if (!settings.NoEndMessage) {
        ProcessPendingMessages();
        AskUser(nullptr, Utf8ToWide(SpellViewerCompletionText(engine)), Utf8ToWide(engine.GetString(kSpellTextSpelling)),
                MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
      }
    }
  }
  return completed;
}

}  // namespace wx
