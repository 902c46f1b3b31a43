#include "windows/InstantSpell_win.h"

// GCC 12 reports false -Wrestrict overlaps in std::wstring concatenation.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <commctrl.h>
#include <commdlg.h>
#include <richedit.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <span>
#include <stdexcept>
#include <vector>

#include "common/AnsiText.h"
#include "common/Captions_win.h"
#include "common/Registry.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/SpellDialog_win.h"
#include "windows/InstantSpellModel.h"
#include "windows/InstantSpellTexts.h"
#include "windows/SpellRichEdit_win.h"
#include "ui/Dpi_win.h"
#include "ui/WindowPlacement_win.h"
#include "ui/Window_win.h"

namespace wx {

namespace {

const wchar_t kClassName[] = L"TfrmInstantSpell";

struct MenuEntry {
  int command;  // 0: a separator
  const wchar_t* shortcut;
};

const MenuEntry kFileMenu[] = {{cmdIsNewClear, L"Ctrl+N"}, {cmdIsOpen, L"Ctrl+O"}, {0, nullptr},
                               {cmdIsSave, L"Ctrl+S"},     {cmdIsSaveAs, nullptr}, {0, nullptr},
                               {cmdIsNoPromptToSave, nullptr}, {0, nullptr}, {cmdIsPrint, L"Ctrl+P"},
                               {0, nullptr},                {cmdIsClose, L"Alt+F4"}};
const MenuEntry kEditMenu[] = {{cmdIsUndo, L"Ctrl+Z"},   {0, nullptr},           {cmdIsCut, L"Ctrl+X"},
                               {cmdIsCopy, L"Ctrl+C"},   {cmdIsInsert, L"Ctrl+V"}, {0, nullptr},
                               {cmdIsDelete, L"Del"},    {0, nullptr},           {cmdIsSelectAll, L"Ctrl+A"},
                               {0, nullptr},             {cmdIsFont, nullptr}};
const MenuEntry kToolsMenu[] = {{cmdIsSpellCheck, L"F7"}, {cmdIsActiveSpell, L"Shift+Ctrl+F7"}, {0, nullptr},
                                {cmdIsThesaurus, L"F8"},  {cmdIsDefinitions, L"F9"}};
const MenuEntry kContextMenu[] = {{cmdIsNewClear, nullptr}, {0, nullptr},          {cmdIsSave, nullptr},
                                  {cmdIsSaveAs, nullptr},   {0, nullptr},          {cmdIsNoPromptToSave, nullptr},
                                  {0, nullptr},             {cmdIsUndo, nullptr},  {0, nullptr},
                                  {cmdIsCut, nullptr},      {cmdIsCopy, nullptr},  {cmdIsInsert, nullptr},
                                  {0, nullptr},             {cmdIsDelete, nullptr}, {0, nullptr},
                                  {cmdIsSelectAll, nullptr}, {0, nullptr},         {cmdIsSpellCheck, nullptr},
                                  {cmdIsActiveSpell, nullptr}, {0, nullptr},       {cmdIsClose, nullptr}};

// Toolbar buttons: the command and its image, a standard one or one of ours
// (drawn at run time, kOwnImage + n; see DrawToolGlyphs).
struct ToolEntry {
  int command;
  int image;
};
constexpr int kOwnImage = 1000;
enum OwnGlyph { glSaveAs, glSelectAll, glSpellCheck, glActiveSpell, glThesaurus, glDefinitions, kOwnGlyphs };
const ToolEntry kTools[] = {{cmdIsNewClear, STD_FILENEW},
                            {0, 0},
                            {cmdIsOpen, STD_FILEOPEN},
                            {0, 0},
                            {cmdIsSave, STD_FILESAVE},
                            {cmdIsSaveAs, kOwnImage + glSaveAs},
                            {0, 0},
                            {cmdIsPrint, STD_PRINT},
                            {0, 0},
                            {cmdIsCut, STD_CUT},
                            {cmdIsCopy, STD_COPY},
                            {cmdIsInsert, STD_PASTE},
                            {0, 0},
                            {cmdIsSelectAll, kOwnImage + glSelectAll},
                            {0, 0},
                            {cmdIsSpellCheck, kOwnImage + glSpellCheck},
                            {cmdIsActiveSpell, kOwnImage + glActiveSpell},
                            {0, 0},
                            {cmdIsThesaurus, kOwnImage + glThesaurus},
                            {cmdIsDefinitions, kOwnImage + glDefinitions}};

// Our toolbar images, 16 by 16 each side by side, on the button face colour
// (which the toolbar takes as transparent): short letters with a mark.
HBITMAP DrawToolGlyphs() {
  constexpr int kSize = 16;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, kSize * kOwnGlyphs, kSize);
  ReleaseDC(nullptr, screen);
  if (!dc || !bmp) {
    if (dc) DeleteDC(dc);
    if (bmp) DeleteObject(bmp);
    return nullptr;
  }
  HGDIOBJ oldBmp = SelectObject(dc, bmp);
  RECT all{0, 0, kSize * kOwnGlyphs, kSize};
  FillRect(dc, &all, GetSysColorBrush(COLOR_BTNFACE));
  HFONT font = CreateFontW(-10, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
  // "abc" in the bold face is wider than the 16-pixel cell: a regular, narrower one.
  HFONT narrow = CreateFontW(-9, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Tahoma");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const wchar_t* letters[kOwnGlyphs] = {L"A", L"[a]", L"abc", L"abc", L"Th", L"Df"};
  const COLORREF colours[kOwnGlyphs] = {RGB(0, 0, 128), RGB(0, 0, 0),     RGB(0, 0, 128),
                                        RGB(0, 0, 128), RGB(128, 0, 0), RGB(0, 96, 0)};
  auto line = [&](COLORREF c, std::initializer_list<POINT> points) {
    HPEN pen = CreatePen(PS_SOLID, 1, c);
    HGDIOBJ old = SelectObject(dc, pen);
    Polyline(dc, points.begin(), int(points.size()));
    SelectObject(dc, old);
    DeleteObject(pen);
  };
  for (int i = 0; i < kOwnGlyphs; ++i) {
    const int x = i * kSize;
    RECT r{x, 0, x + kSize, i == glSpellCheck || i == glActiveSpell ? 10 : kSize};
    SetTextColor(dc, colours[i]);
    SelectObject(dc, i == glSpellCheck || i == glActiveSpell ? narrow : font);
    // Still too wide (a substituted font): the letters start at the cell's edge.
    SIZE extent{};
    GetTextExtentPoint32W(dc, letters[i], int(wcslen(letters[i])), &extent);
    const UINT align = extent.cx > kSize ? DT_LEFT : DT_CENTER;
    DrawTextW(dc, letters[i], -1, &r, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (i == glSaveAs) {  // a disk's outline behind a letter: "save under a name"
      line(RGB(0, 0, 0), {{x + 1, 1}, {x + 14, 1}, {x + 14, 14}, {x + 1, 14}, {x + 1, 1}});
    } else if (i == glSpellCheck) {  // a tick below the letters
      line(RGB(0, 128, 0), {{x + 4, 11}, {x + 7, 14}, {x + 13, 9}});
    } else if (i == glActiveSpell) {  // the wavy underline of a misspelled word
      line(RGB(255, 0, 0), {{x + 1, 13}, {x + 3, 11}, {x + 5, 13}, {x + 7, 11}, {x + 9, 13}, {x + 11, 11},
                            {x + 13, 13}, {x + 15, 11}});
    }
  }
  SelectObject(dc, oldFont);
  DeleteObject(font);
  DeleteObject(narrow);
  SelectObject(dc, oldBmp);
  DeleteDC(dc);
  return bmp;
}

// Our toolbar images at size pixels each: drawn at 16, stretched pixel for
// pixel (no blending, so the face colour stays exactly what the toolbar takes
// as transparent).
HBITMAP ToolGlyphsAt(int size) {
  HBITMAP drawn = DrawToolGlyphs();
  if (!drawn || size == 16) return drawn;
  HDC screen = GetDC(nullptr);
  HDC from = CreateCompatibleDC(screen), to = CreateCompatibleDC(screen);
  HBITMAP scaled = CreateCompatibleBitmap(screen, size * kOwnGlyphs, size);
  ReleaseDC(nullptr, screen);
  if (from && to && scaled) {
    HGDIOBJ oldFrom = SelectObject(from, drawn), oldTo = SelectObject(to, scaled);
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, 0, 0, size * kOwnGlyphs, size, from, 0, 0, 16 * kOwnGlyphs, 16, SRCCOPY);
    SelectObject(from, oldFrom);
    SelectObject(to, oldTo);
  } else if (scaled) {
    DeleteObject(scaled);
    scaled = nullptr;
  }
  if (from) DeleteDC(from);
  if (to) DeleteDC(to);
  DeleteObject(drawn);
  return scaled;
}

const ACCEL kAccelerators[] = {
    {FCONTROL | FVIRTKEY, 'N', cmdIsNewClear}, {FCONTROL | FVIRTKEY, 'O', cmdIsOpen},
    {FCONTROL | FVIRTKEY, 'S', cmdIsSave},     {FCONTROL | FVIRTKEY, 'P', cmdIsPrint},
    {FCONTROL | FVIRTKEY, 'A', cmdIsSelectAll}, {FVIRTKEY, VK_F7, cmdIsSpellCheck},
    {FSHIFT | FCONTROL | FVIRTKEY, VK_F7, cmdIsActiveSpell}, {FVIRTKEY, VK_F8, cmdIsThesaurus},
    {FVIRTKEY, VK_F9, cmdIsDefinitions},
};

// Caption text without its access-key marker.
std::wstring WithoutAccessKey(std::wstring s) {
  s.erase(std::remove(s.begin(), s.end(), L'&'), s.end());
  return s;
}

std::wstring ReplacePlaceholder(std::wstring text, const std::wstring& name, const std::wstring& value) {
  size_t at = text.find(name);
  if (at != std::wstring::npos) text.replace(at, name.size(), value);
  return text;
}

// Stream callbacks: the cookie is the buffer and, for reading, a position.
struct ReadBuffer {
  std::string_view bytes;
  size_t pos = 0;
};

DWORD CALLBACK StreamInCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* in = reinterpret_cast<ReadBuffer*>(cookie);
  const size_t n = std::min(size_t(size > 0 ? size : 0), in->bytes.size() - in->pos);
  if (n) memcpy(buffer, in->bytes.data() + in->pos, n);
  in->pos += n;
  *done = LONG(n);
  return 0;
}

DWORD CALLBACK StreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done) {
  auto* out = reinterpret_cast<std::string*>(cookie);
  if (size > 0) out->append(reinterpret_cast<const char*>(buffer), size_t(size));
  *done = size;
  return 0;
}

// GetWindowPlacement's normal place is in work-area coordinates; the stored
// place is in screen coordinates.
POINT WorkAreaOffset(const RECT& r) {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (!GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &mi)) return {0, 0};
  return {mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top};
}

class TfrmInstantSpell : private TInstantSpellEditor {
 public:
  TfrmInstantSpell(HWND owner, TInstantSpellServices services)
      : owner_(owner), services_(std::move(services)), model_(*this) {}
  ~TfrmInstantSpell() override {
    if (accel_) DestroyAcceleratorTable(accel_);
    if (glyphs_) DeleteObject(glyphs_);
  }
  TfrmInstantSpell(const TfrmInstantSpell&) = delete;
  TfrmInstantSpell& operator=(const TfrmInstantSpell&) = delete;

  void ShowModal();

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void FormCreate();
  void FormShow(const TInstantSpellPlace& place);
  void FormClose();
  void BuildMenus();
  void MakeToolbar();
  void BuildToolbar();
  void Layout();
  void UpdateCommands();
  void Command(int id);
  void Run(const std::function<void()>& command);
  void ApplyActiveSpell();
  void ApplyFont();
  void ChooseEditorFont();
  void Lookup(const std::function<std::wstring(const std::wstring&)>& lookup);
  void OpenFile();
  void Print();
  void DropFiles(HDROP drop);
  HMENU MakeMenu(const MenuEntry* entries, size_t count, bool popup);
  bool CommandShown(int id) const;
  std::wstring SelectedText();
  bool StreamIn(std::string_view bytes, UINT format);
  std::string StreamOut(UINT format);

  // TInstantSpellEditor
  bool Modified() override { return SendMessageW(editor_, EM_GETMODIFY, 0, 0) != 0; }
  void SetModified(bool modified) override { SendMessageW(editor_, EM_SETMODIFY, modified, 0); }
  void Clear() override { SetWindowTextW(editor_, L""); }
  std::string RichText() override { return StreamOut(SF_RTF); }
  std::u16string PlainText() override {
    std::string bytes = StreamOut(SF_TEXT | SF_UNICODE);
    return std::u16string(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
  }
  bool LoadRichText(std::string_view rtf) override { return StreamIn(rtf, SF_RTF); }
  bool LoadPlainText(std::u16string_view text) override {
    return StreamIn(std::string_view(reinterpret_cast<const char*>(text.data()), text.size() * 2),
                    SF_TEXT | SF_UNICODE);
  }
  TSaveAnswer AskSaveChanges() override;
  bool ChooseSaveName(std::string& path) override { return AskFileName(true, path); }
  bool AskFileName(bool save, std::string& path);
  void Notice(TInstantSpellNotice notice, const std::string& path) override;

  HWND owner_;
  TInstantSpellServices services_;
  TInstantSpellModel model_;
  HWND hwnd_ = nullptr, editor_ = nullptr, toolbar_ = nullptr;
  TSpellRichEdit text_;
  HMENU contextMenu_ = nullptr;
  HACCEL accel_ = nullptr;
  HBITMAP glyphs_ = nullptr;
  int firstOwnImage_ = -1;
  std::unique_ptr<WindowCaptions> captions_;
  TInstantSpellToggles toggles_;
  TInstantSpellFont font_;
  TDpiFollower dpi_;  // the window's DPI; a change of it resizes the window
  bool closed_ = false;
};

void TfrmInstantSpell::ShowModal() {
  // Creation: the toggles (a stored value of the wrong type ends here).
  toggles_ = ReadInstantSpellToggles(CurrentRegistry());
  model_.noPromptToSave = toggles_.noPromptToSave;

  RegisterWindowClass(kClassName, WndProc, LoadIconW(GetModuleHandleW(nullptr), L"MAINICON"),
                      LoadCursorW(nullptr, IDC_ARROW), HBRUSH(COLOR_BTNFACE + 1));
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof icc;
  icc.dwICC = ICC_BAR_CLASSES;
  InitCommonControlsEx(&icc);

  // Made where the system puts a new window, then sized for the DPI of the
  // monitor it is on.
  const DWORD style = (WS_OVERLAPPEDWINDOW & ~WS_MINIMIZEBOX) | WS_CLIPCHILDREN;
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES, kClassName, L"Instant Spell", style, CW_USEDEFAULT,
                          CW_USEDEFAULT, kInstantSpellWidth, kInstantSpellHeight, owner_, nullptr,
                          GetModuleHandleW(nullptr), this);
  if (!hwnd_) throw std::runtime_error("The Instant Spell window could not be created.");
  try {
    // A change of DPI sizes the window (WM_SIZE lays out the toolbar and the editor).
    dpi_.Attach(hwnd_);
    const int width = dpi_.Scale(kInstantSpellWidth), height = dpi_.Scale(kInstantSpellHeight);
    // Without a stored place the window opens where the system puts it; the
    // design place only fills stored values that are missing.
    const TRect work = PrimaryWorkArea();
    const TRect design = TRect{0, 0, width, height}.MovedTo(work.left + (work.Width() - width) / 2,
                                                             work.top + (work.Height() - height) / 2);
    const TInstantSpellPlace place = ReadInstantSpellPlace(CurrentRegistry(), design, MonitorWorkAreas());
    const TRect at = place.placed ? place.bounds : WindowRectOf(hwnd_);
    SetWindowPos(hwnd_, nullptr, at.left, at.top, place.placed ? at.Width() : width,
                 place.placed ? at.Height() : height, SWP_NOZORDER | SWP_NOACTIVATE);
    FormCreate();
    FormShow(place);
  } catch (...) {
    // The window must not outlive this object: its user data points here.
    HWND window = hwnd_;
    DestroyWindow(window);
    if (IsWindow(window)) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    throw;
  }
  RunModalWindow(hwnd_, owner_, accel_, [this] { return closed_; });
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK TfrmInstantSpell::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowOwner<TfrmInstantSpell>(hwnd, msg, lp);
  if (self && msg == WM_NCCREATE) self->hwnd_ = hwnd;
  if (!self || !self->hwnd_) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->OnMessage(msg, wp, lp);
}

void TfrmInstantSpell::FormCreate() {
  if (!text_.Create(hwnd_, idIsEditor, 0, 0, 10, 10,
                    ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN | WS_VSCROLL |
                        WS_HSCROLL))
    throw std::runtime_error("The Instant Spell editor could not be created.");
  editor_ = text_.Handle();
  // Live spelling with corrections while typing and the suggestion menu;
  // its "Spelling..." entry checks the word under the menu (the selection).
  text_.SetSpellEngine(services_.engine);
  text_.SetLiveCorrect(true);
  text_.SetLiveSpellingColor(RGB(255, 0, 0));
  text_.SetDoubleBuffered(true);
  text_.SetLiveSpellingOptions(true);
  text_.SetLiveMenuOptions(TSpellPopupOptions((1u << spDialog) | (1u << spAutoCorrect) | (1u << spChangeAll) |
                                              (1u << spAdd) | (1u << spIgnoreAll) | (1u << spIgnore) |
                                              (1u << spReplace)));
  text_.SetLiveSpellingReadOnly(false);
  text_.OnSpellDialog = [this] {
    Run([this] {
      if (services_.engine) RunSpellDialogCheck(hwnd_, *services_.engine, editor_, kModeSelection);
    });
  };
  SendMessageW(editor_, EM_SETEVENTMASK, 0, ENM_SELCHANGE | ENM_CHANGE | ENM_DROPFILES);
  SendMessageW(editor_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  DragAcceptFiles(editor_, TRUE);
  MakeToolbar();
  // At another DPI the toolbar is made again with images of that size.
  dpi_.OnDpiChanged([this] {
    MakeToolbar();
    BuildToolbar();
    Layout();
  });
  accel_ = CreateAcceleratorTableW(const_cast<ACCEL*>(kAccelerators), int(std::size(kAccelerators)));
  captions_ = std::make_unique<WindowCaptions>(hwnd_, InstantSpellTexts(), [this] {
    BuildMenus();
    BuildToolbar();
    Layout();
  });
}

void TfrmInstantSpell::MakeToolbar() {
  if (toolbar_) DestroyWindow(toolbar_);
  if (glyphs_) DeleteObject(glyphs_);
  glyphs_ = nullptr;
  firstOwnImage_ = -1;
  toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                             WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | TBSTYLE_LIST |
                                 CCS_TOP | CCS_NODIVIDER,
                             0, 0, 0, 0, hwnd_, HMENU(INT_PTR(idIsToolbar)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendMessageW(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
  // The system's images come in 16 and 24 pixels: the larger from 144 DPI on.
  const int size = dpi_.Scale(16) >= 24 ? 24 : 16;
  SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(size, size));
  SendMessageW(toolbar_, TB_LOADIMAGES, size == 24 ? IDB_STD_LARGE_COLOR : IDB_STD_SMALL_COLOR,
               LPARAM(HINST_COMMCTRL));
  glyphs_ = ToolGlyphsAt(size);
  if (glyphs_) {
    TBADDBITMAP add{nullptr, UINT_PTR(glyphs_)};
    firstOwnImage_ = int(SendMessageW(toolbar_, TB_ADDBITMAP, kOwnGlyphs, LPARAM(&add)));
  }
}

void TfrmInstantSpell::FormShow(const TInstantSpellPlace& place) {
  font_ = ReadInstantSpellFont(CurrentRegistry());
  ApplyFont();
  SetModified(false);
  ShowWindow(hwnd_, place.maximized ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  SetFocus(editor_);
  ApplyActiveSpell();
  UpdateCommands();
}

void TfrmInstantSpell::FormClose() {
  WINDOWPLACEMENT wp{};
  wp.length = sizeof wp;
  if (GetWindowPlacement(hwnd_, &wp)) {
    const POINT off = WorkAreaOffset(wp.rcNormalPosition);
    TInstantSpellPlace place;
    place.maximized = IsZoomed(hwnd_) != 0;
    place.placed = true;
    place.bounds = ToTRect(wp.rcNormalPosition);
    place.bounds = place.bounds.MovedTo(place.bounds.left + off.x, place.bounds.top + off.y);
    Run([&] { WriteInstantSpellPlace(CurrentRegistry(), place); });
  }
  Run([&] {
    WriteInstantSpellFont(CurrentRegistry(), font_);
    toggles_.noPromptToSave = model_.noPromptToSave;
    WriteInstantSpellToggles(CurrentRegistry(), toggles_);
  });
  closed_ = true;
  ShowWindow(hwnd_, SW_HIDE);
}

HMENU TfrmInstantSpell::MakeMenu(const MenuEntry* entries, size_t count, bool popup) {
  HMENU menu = CreatePopupMenu();
  bool separatorDue = false;
  for (size_t i = 0; i < count; ++i) {
    const MenuEntry& e = entries[i];
    if (e.command == 0) {
      separatorDue = GetMenuItemCount(menu) > 0;
      continue;
    }
    if (!CommandShown(e.command)) continue;
    if (separatorDue) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    separatorDue = false;
    std::wstring text = CaptionW(InstantSpellTexts(), e.command);
    if (e.shortcut && !popup) text += std::wstring(L"\t") + e.shortcut;
    AppendMenuW(menu, MF_STRING, UINT_PTR(e.command), text.c_str());
  }
  return menu;
}

bool TfrmInstantSpell::CommandShown(int id) const {
  if (id == cmdIsThesaurus) return bool(services_.thesaurusLookup);
  if (id == cmdIsDefinitions) return bool(services_.definitionsLookup);
  return true;
}

void TfrmInstantSpell::BuildMenus() {
  const CaptionTable& texts = InstantSpellTexts();
  HMENU bar = CreateMenu();
  AppendMenuW(bar, MF_POPUP, UINT_PTR(MakeMenu(kFileMenu, std::size(kFileMenu), false)),
              CaptionW(texts, txtIsFileMenu).c_str());
  AppendMenuW(bar, MF_POPUP, UINT_PTR(MakeMenu(kEditMenu, std::size(kEditMenu), false)),
              CaptionW(texts, txtIsEditMenu).c_str());
  AppendMenuW(bar, MF_POPUP, UINT_PTR(MakeMenu(kToolsMenu, std::size(kToolsMenu), false)),
              CaptionW(texts, txtIsToolsMenu).c_str());
  HMENU old = GetMenu(hwnd_);
  SetMenu(hwnd_, bar);
  if (old) DestroyMenu(old);
  if (contextMenu_) DestroyMenu(contextMenu_);
  contextMenu_ = MakeMenu(kContextMenu, std::size(kContextMenu), true);
  UpdateCommands();
}

void TfrmInstantSpell::BuildToolbar() {
  while (SendMessageW(toolbar_, TB_BUTTONCOUNT, 0, 0) > 0) SendMessageW(toolbar_, TB_DELETEBUTTON, 0, 0);
  std::vector<std::wstring> labels;
  labels.reserve(std::size(kTools));
  // A button's tip is its caption with the shortcut, as the menu shows it.
  auto shortcutOf = [](int command) -> std::wstring {
    for (const auto& menu : {std::span<const MenuEntry>(kFileMenu), std::span<const MenuEntry>(kEditMenu),
                             std::span<const MenuEntry>(kToolsMenu)})
      for (const MenuEntry& e : menu)
        if (e.command == command && e.shortcut) return std::wstring(L" (") + e.shortcut + L")";
    return L"";
  };
  for (const ToolEntry& t : kTools)
    labels.push_back(t.command ? WithoutAccessKey(CaptionW(InstantSpellTexts(), t.command)) + shortcutOf(t.command)
                               : L"");
  std::vector<TBBUTTON> buttons;
  for (size_t i = 0; i < std::size(kTools); ++i) {
    const ToolEntry& t = kTools[i];
    TBBUTTON b{};
    if (t.command == 0) {
      b.fsStyle = BTNS_SEP;
    } else {
      b.idCommand = t.command;
      const bool own = t.image >= kOwnImage;
      const bool textOnly = own && firstOwnImage_ < 0;
      b.iBitmap = textOnly ? I_IMAGENONE : own ? firstOwnImage_ + t.image - kOwnImage : t.image;
      b.fsState = TBSTATE_ENABLED | (CommandShown(t.command) ? 0 : TBSTATE_HIDDEN);
      // The caption is the button's tip (shown as text only without an image).
      b.fsStyle = BTNS_BUTTON | (textOnly ? BTNS_SHOWTEXT | BTNS_AUTOSIZE : 0) |
                  (t.command == cmdIsActiveSpell ? BTNS_CHECK : 0);
      b.iString = INT_PTR(labels[i].c_str());
    }
    buttons.push_back(b);
  }
  SendMessageW(toolbar_, TB_ADDBUTTONSW, WPARAM(buttons.size()), LPARAM(buttons.data()));
  SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
  UpdateCommands();
}

void TfrmInstantSpell::Layout() {
  if (!toolbar_ || !editor_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
  RECT tb{};
  GetWindowRect(toolbar_, &tb);
  const int top = tb.bottom - tb.top;
  MoveWindow(editor_, 0, top, client.right, std::max(0, int(client.bottom) - top), TRUE);
}

void TfrmInstantSpell::UpdateCommands() {
  if (!editor_) return;
  CHARRANGE sel{};
  SendMessageW(editor_, EM_EXGETSEL, 0, LPARAM(&sel));
  const bool selected = sel.cpMax > sel.cpMin;
  const bool clipboardText = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
  const bool spellCheck = services_.engine != nullptr;
  struct State {
    int id;
    bool enabled;
  };
  const State states[] = {{cmdIsCut, selected}, {cmdIsCopy, selected}, {cmdIsInsert, clipboardText},
                          {cmdIsSpellCheck, spellCheck}};
  HMENU bar = GetMenu(hwnd_);
  for (const State& s : states) {
    const UINT flags = MF_BYCOMMAND | (s.enabled ? MF_ENABLED : MF_GRAYED);
    if (bar) EnableMenuItem(bar, UINT(s.id), flags);
    if (contextMenu_) EnableMenuItem(contextMenu_, UINT(s.id), flags);
    SendMessageW(toolbar_, TB_ENABLEBUTTON, WPARAM(s.id), s.enabled);
  }
  const UINT noPrompt = MF_BYCOMMAND | (model_.noPromptToSave ? MF_CHECKED : MF_UNCHECKED);
  const UINT active = MF_BYCOMMAND | (toggles_.activeSpell ? MF_CHECKED : MF_UNCHECKED);
  for (HMENU m : {bar, contextMenu_}) {
    if (!m) continue;
    CheckMenuItem(m, cmdIsNoPromptToSave, noPrompt);
    CheckMenuItem(m, cmdIsActiveSpell, active);
  }
  SendMessageW(toolbar_, TB_CHECKBUTTON, cmdIsActiveSpell, toggles_.activeSpell);
}

void TfrmInstantSpell::Run(const std::function<void()>& command) {
  if (services_.guarded) {
    services_.guarded(command);
    return;
  }
  try {
    command();
  } catch (const std::exception& e) {
    ReportError(e);
  }
}

void TfrmInstantSpell::ApplyActiveSpell() {
  // Both switches: the engine's option (for every window that spells live)
  // and the control's own.
  if (TSpellCheckerBase* engine = services_.engine) {
    TSpellOptions options = engine->Options();
    if (options.Has(soLiveSpelling) != toggles_.activeSpell) {
      options.Set(soLiveSpelling, toggles_.activeSpell);
      engine->SetOptions(options);
    }
  }
  text_.SetLiveSpelling(toggles_.activeSpell);
  UpdateCommands();
}

void TfrmInstantSpell::ApplyFont() {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
  const std::wstring face = Utf8ToWide(font_.name);
  lstrcpynW(cf.szFaceName, face.c_str(), LF_FACESIZE);
  cf.yHeight = font_.size * 20;
  cf.crTextColor = font_.color < 0 ? GetSysColor(font_.color & 0xFF) : COLORREF(font_.color);
  cf.dwEffects = (font_.style & 1 ? CFE_BOLD : 0) | (font_.style & 2 ? CFE_ITALIC : 0) |
                 (font_.style & 4 ? CFE_UNDERLINE : 0) | (font_.style & 8 ? CFE_STRIKEOUT : 0);
  SendMessageW(editor_, EM_SETCHARFORMAT, SCF_ALL, LPARAM(&cf));
  SendMessageW(editor_, EM_SETCHARFORMAT, SCF_DEFAULT, LPARAM(&cf));
}

void TfrmInstantSpell::ChooseEditorFont() {
  LOGFONTW lf{};
  const std::wstring face = Utf8ToWide(font_.name);
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  lf.lfHeight = FontHeightForDpi(font_.size, WindowDpi(hwnd_));
  lf.lfWeight = font_.style & 1 ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = BYTE(font_.style & 2 ? 1 : 0);
  lf.lfUnderline = BYTE(font_.style & 4 ? 1 : 0);
  lf.lfStrikeOut = BYTE(font_.style & 8 ? 1 : 0);
  CHOOSEFONTW cf{};
  cf.lStructSize = sizeof cf;
  cf.hwndOwner = hwnd_;
  cf.lpLogFont = &lf;
  cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
  cf.rgbColors = font_.color < 0 ? GetSysColor(font_.color & 0xFF) : COLORREF(font_.color);
  if (!ChooseFontW(&cf)) return;
  font_.name = WideToUtf8(lf.lfFaceName);
  font_.size = std::max(1, cf.iPointSize / 10);
  font_.color = int32_t(cf.rgbColors);
  font_.style = (lf.lfWeight >= FW_BOLD ? 1 : 0) | (lf.lfItalic ? 2 : 0) | (lf.lfUnderline ? 4 : 0) |
                (lf.lfStrikeOut ? 8 : 0);
  ApplyFont();
}

std::wstring TfrmInstantSpell::SelectedText() {
  CHARRANGE sel{};
  SendMessageW(editor_, EM_EXGETSEL, 0, LPARAM(&sel));
  if (sel.cpMax <= sel.cpMin) return L"";
  std::wstring text(size_t(sel.cpMax - sel.cpMin) + 1, L'\0');
  LRESULT n = SendMessageW(editor_, EM_GETSELTEXT, 0, LPARAM(text.data()));
  text.resize(size_t(std::clamp<LRESULT>(n, 0, LRESULT(text.size() - 1))));
  return text;
}

void TfrmInstantSpell::Lookup(const std::function<std::wstring(const std::wstring&)>& lookup) {
  if (!lookup) return;
  // The lookup's window is modal to the program, not to this one: this one
  // takes no input until it has closed.
  EnableWindow(hwnd_, FALSE);
  std::wstring replacement;
  try {
    replacement = lookup(SelectedText());
  } catch (...) {
    EnableWindow(hwnd_, TRUE);
    throw;
  }
  EnableWindow(hwnd_, TRUE);
  if (!replacement.empty()) SendMessageW(editor_, EM_REPLACESEL, TRUE, LPARAM(replacement.c_str()));
  SetForegroundWindow(hwnd_);
  SetFocus(editor_);
}

bool TfrmInstantSpell::StreamIn(std::string_view bytes, UINT format) {
  ReadBuffer in{bytes, 0};
  EDITSTREAM es{};
  es.dwCookie = DWORD_PTR(&in);
  es.pfnCallback = StreamInCallback;
  SendMessageW(editor_, EM_STREAMIN, format, LPARAM(&es));
  return es.dwError == 0;
}

std::string TfrmInstantSpell::StreamOut(UINT format) {
  std::string out;
  EDITSTREAM es{};
  es.dwCookie = DWORD_PTR(&out);
  es.pfnCallback = StreamOutCallback;
  SendMessageW(editor_, EM_STREAMOUT, format, LPARAM(&es));
  return out;
}

TSaveAnswer TfrmInstantSpell::AskSaveChanges() {
  switch (AskUser(hwnd_, CaptionW(InstantSpellTexts(), txtIsAskSave), L"Wendrix", MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES: return TSaveAnswer::Yes;
    case IDNO: return TSaveAnswer::No;
    default: return TSaveAnswer::Cancel;
  }
}

// The open and save dialogs' filter: "|" separators become NULs.
std::wstring DialogFilter() {
  std::wstring filter = CaptionW(InstantSpellTexts(), txtIsFilter);
  std::replace(filter.begin(), filter.end(), L'|', L'\0');
  return filter + L'\0';
}

// The open or save dialog with the text-file filter, preset with path (UTF-8);
// false when cancelled. The name need not exist for Open: a missing file
// gets the window's own message.
bool TfrmInstantSpell::AskFileName(bool save, std::string& path) {
  std::wstring file(32768, L'\0');
  const std::wstring current = Utf8ToWide(path);
  if (current.size() < file.size()) std::copy(current.begin(), current.end(), file.begin());
  const std::wstring filter = DialogFilter();
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = hwnd_;
  ofn.lpstrFilter = filter.c_str();
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = DWORD(file.size());
  ofn.lpstrDefExt = L"txt";
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : 0);
  if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return false;
  path = WideToUtf8(file.c_str());
  return true;
}

void TfrmInstantSpell::Notice(TInstantSpellNotice notice, const std::string& path) {
  // The user's file, not the program, is at fault: a notice of the window's
  // own, without the error box's request to contact support.
  const CaptionTable& texts = InstantSpellTexts();
  const std::wstring file = Utf8ToWide(path);
  std::wstring text;
  switch (notice) {
    case TInstantSpellNotice::FileNotFound:
      text = ReplacePlaceholder(CaptionW(texts, txtIsFileNotFound), L"%file%", file);
      break;
    case TInstantSpellNotice::LoadFailed: text = CaptionW(texts, txtIsLoadFailed) + L"\r\n\r\n" + file; break;
    case TInstantSpellNotice::SaveFailed:
      text = ReplacePlaceholder(CaptionW(texts, txtIsSaveFailed), L"%file%", file);
      break;
  }
  AskUser(hwnd_, text, L"Wendrix", MB_OK | MB_ICONERROR);
}

void TfrmInstantSpell::OpenFile() {
  std::string path;
  if (AskFileName(false, path)) model_.Load(path);
}

void TfrmInstantSpell::DropFiles(HDROP drop) {
  std::wstring first;
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
    UINT n = DragQueryFileW(drop, 0, nullptr, 0);
    first.resize(n + 1);
    DragQueryFileW(drop, 0, first.data(), n + 1);
    first.resize(n);
  }
  DragFinish(drop);
  if (first.empty()) return;
  model_.Load(WideToUtf8(first));
  SetForegroundWindow(hwnd_);
  SetFocus(editor_);
}

void TfrmInstantSpell::Print() {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = hwnd_;
  pd.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
  if (!PrintDlgW(&pd)) return;
  HDC dc = pd.hDC;
  struct Cleanup {
    PRINTDLGW& pd;
    ~Cleanup() {
      if (pd.hDC) DeleteDC(pd.hDC);
      if (pd.hDevMode) GlobalFree(pd.hDevMode);
      if (pd.hDevNames) GlobalFree(pd.hDevNames);
    }
  } cleanup{pd};
  // The page in twips, less half an inch on every side.
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX), dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  if (dpiX <= 0 || dpiY <= 0) return;
  const int pageW = MulDiv(GetDeviceCaps(dc, PHYSICALWIDTH), 1440, dpiX);
  const int pageH = MulDiv(GetDeviceCaps(dc, PHYSICALHEIGHT), 1440, dpiY);
  const int offX = MulDiv(GetDeviceCaps(dc, PHYSICALOFFSETX), 1440, dpiX);
  const int offY = MulDiv(GetDeviceCaps(dc, PHYSICALOFFSETY), 1440, dpiY);
  constexpr int kMargin = 720;
  FORMATRANGE fr{};
  fr.hdc = fr.hdcTarget = dc;
  fr.rcPage = {0, 0, pageW, pageH};
  fr.rc = {kMargin - offX, kMargin - offY, pageW - kMargin - offX, pageH - kMargin - offY};
  GETTEXTLENGTHEX gtl{GTL_DEFAULT, 1200};
  const LONG length = LONG(SendMessageW(editor_, EM_GETTEXTLENGTHEX, WPARAM(&gtl), 0));
  DOCINFOW di{};
  di.cbSize = sizeof di;
  di.lpszDocName = L"Instant Spell";
  if (StartDocW(dc, &di) <= 0) return;
  fr.chrg = {0, -1};
  LONG done = 0;
  do {
    if (StartPage(dc) <= 0) break;
    fr.chrg.cpMin = done;
    fr.chrg.cpMax = -1;
    const LONG next = LONG(SendMessageW(editor_, EM_FORMATRANGE, TRUE, LPARAM(&fr)));
    EndPage(dc);
    if (next <= done) break;
    done = next;
  } while (done < length);
  SendMessageW(editor_, EM_FORMATRANGE, FALSE, 0);
  EndDoc(dc);
}

void TfrmInstantSpell::Command(int id) {
  switch (id) {
    case cmdIsNewClear: model_.NewClear(); break;
    case cmdIsOpen: OpenFile(); break;
    case cmdIsSave: model_.Save(); break;
    case cmdIsSaveAs: model_.SaveAs(); break;
    case cmdIsNoPromptToSave: model_.noPromptToSave = !model_.noPromptToSave; break;
    case cmdIsPrint: Print(); break;
    case cmdIsClose: PostMessageW(hwnd_, WM_CLOSE, 0, 0); break;
    case cmdIsUndo: SendMessageW(editor_, EM_UNDO, 0, 0); break;
    case cmdIsCut: SendMessageW(editor_, WM_CUT, 0, 0); break;
    case cmdIsCopy: SendMessageW(editor_, WM_COPY, 0, 0); break;
    case cmdIsInsert: SendMessageW(editor_, WM_PASTE, 0, 0); break;
    case cmdIsDelete:
      // A key press and release, so the editor deletes the selection or the
      // next character without touching the clipboard.
      SendMessageW(editor_, WM_KEYDOWN, VK_DELETE, 0x01530001);
      SendMessageW(editor_, WM_KEYUP, VK_DELETE, LPARAM(0xC1530001u));
      break;
    case cmdIsSelectAll: SendMessageW(editor_, EM_SETSEL, 0, -1); break;
    case cmdIsFont: ChooseEditorFont(); break;
    case cmdIsSpellCheck:
      if (services_.engine) RunSpellDialogCheck(hwnd_, *services_.engine, editor_, kModeWholeText);
      break;
    case cmdIsActiveSpell:
      toggles_.activeSpell = !toggles_.activeSpell;
      ApplyActiveSpell();
      break;
    case cmdIsThesaurus: Lookup(services_.thesaurusLookup); break;
    case cmdIsDefinitions: Lookup(services_.definitionsLookup); break;
    default: return;
  }
  UpdateCommands();
}

LRESULT TfrmInstantSpell::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFOCUS:
      if (editor_) SetFocus(editor_);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) UpdateCommands();
      break;
    case WM_INITMENUPOPUP:
      UpdateCommands();
      return 0;
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize = {dpi_.Scale(kInstantSpellMinWidth), dpi_.Scale(kInstantSpellMinHeight)};
      return 0;
    }
    case WM_COMMAND: {
      const int id = LOWORD(wp);
      if (id == idIsEditor) {
        if (HIWORD(wp) == EN_CHANGE) UpdateCommands();
        return 0;
      }
      if (id >= kIsFirstCommand && id <= kIsLastCommand) {
        Run([&] { Command(id); });
        return 0;
      }
      break;
    }
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (hdr->idFrom == UINT_PTR(idIsEditor) && hdr->code == EN_SELCHANGE) {
        UpdateCommands();
        return 0;
      }
      if (hdr->idFrom == UINT_PTR(idIsEditor) && hdr->code == EN_DROPFILES) {
        auto* drop = reinterpret_cast<ENDROPFILES*>(lp);
        Run([&] { DropFiles(HDROP(drop->hDrop)); });
        return 0;  // handled here: the editor does not take the file
      }
      break;
    }
    case WM_DROPFILES:
      Run([&] { DropFiles(HDROP(wp)); });
      return 0;
    case WM_CONTEXTMENU: {
      if (HWND(wp) != editor_ || !contextMenu_) break;
      POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (pt.x == -1 && pt.y == -1) {  // from the keyboard: at the caret
        GetCaretPos(&pt);
        ClientToScreen(editor_, &pt);
      }
      UpdateCommands();
      TrackPopupMenu(contextMenu_, TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd_, nullptr);
      return 0;
    }
    case WM_CLOSE: {
      bool allowed = false;
      Run([&] { allowed = model_.CloseQuery(); });
      if (allowed) FormClose();
      return 0;
    }
    case WM_QUERYENDSESSION: {
      // The end of the Windows session asks as closing does: Yes saves, No
      // discards, Cancel refuses the end of the session.
      bool allowed = false;
      Run([&] { allowed = model_.CloseQuery(); });
      return allowed ? TRUE : FALSE;
    }
    case WM_DESTROY:
      captions_.reset();
      if (contextMenu_) DestroyMenu(contextMenu_);
      contextMenu_ = nullptr;
      closed_ = true;
      hwnd_ = nullptr;
      return 0;
  }
  return DefWindowProcW(hwnd_, msg, wp, lp);
}

}  // namespace

void ShowInstantSpell(HWND owner, TInstantSpellServices services) {
  TfrmInstantSpell form(owner, std::move(services));
  form.ShowModal();
}

}  // namespace wx
