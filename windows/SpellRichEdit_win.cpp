#include "windows/SpellRichEdit_win.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <string>

#include "common/AnsiText.h"
#include "common/SystemLibrary_win.h"

namespace wx {

namespace {

constexpr int kMaxWavePoints = 1024;

POINT PosFromChar(HWND h, int index) {
  POINTL p{0, 0};
  SendMessageW(h, EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&p), index);
  return POINT{p.x, p.y};
}

// The text length in the control's own character indexes (a line break
// counts one), without walking the text.
int TextLength(HWND h) {
  GETTEXTLENGTHEX how{GTL_DEFAULT, 1200};
  return static_cast<int>(SendMessageW(h, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0));
}

TEditProbe Probe(HWND h) {
  CHARRANGE cr{0, 0};
  SendMessageW(h, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
  return TEditProbe{cr.cpMin, cr.cpMax, TextLength(h)};
}

// Keys that move the caret or scroll, and keys that only modify others.
bool NavigationKey(WPARAM key) {
  switch (key) {
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_SHIFT: case VK_CONTROL: case VK_MENU: case VK_LSHIFT: case VK_RSHIFT: case VK_LCONTROL:
    case VK_RCONTROL: case VK_LMENU: case VK_RMENU: case VK_LWIN: case VK_RWIN: case VK_CAPITAL: case VK_NUMLOCK:
    case VK_SCROLL:
      return true;
    default:
      return false;
  }
}

// Messages after which the control's text, its formats and its lines are
// as before, apart from what the view's state shows (scrolling, size, the
// selection): what the painter knows of the visible lines still holds.
bool KeepsLines(UINT msg, WPARAM wp) {
  switch (msg) {
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      return (GET_KEYSTATE_WPARAM(wp) & MK_CONTROL) == 0;  // with Ctrl it zooms
    case WM_NCHITTEST: case WM_SETCURSOR: case WM_MOUSEMOVE: case WM_MOUSELEAVE: case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: case WM_MBUTTONUP: case WM_NCLBUTTONDOWN: case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK: case WM_NCRBUTTONDOWN: case WM_NCRBUTTONUP: case WM_CAPTURECHANGED:
    case WM_MOUSEACTIVATE: case WM_CONTEXTMENU: case WM_VSCROLL: case WM_HSCROLL: case WM_TIMER:
    case WM_ERASEBKGND: case WM_NCPAINT: case WM_PRINT: case WM_PRINTCLIENT: case WM_NCCALCSIZE:
    case WM_SETFOCUS: case WM_KILLFOCUS: case WM_GETDLGCODE: case WM_KEYUP: case WM_SYSKEYUP: case WM_GETTEXT:
    case WM_GETTEXTLENGTH: case WM_COPY: case WM_GETFONT: case WM_GETOBJECT: case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED: case WM_MOVE: case WM_SIZE: case WM_SHOWWINDOW: case WM_ENABLE: case WM_SETREDRAW:
    case WM_NCACTIVATE: case WM_ACTIVATE: case WM_CANCELMODE: case WM_CHANGEUISTATE: case WM_UPDATEUISTATE:
    case WM_QUERYUISTATE: case WM_NOTIFYFORMAT: case WM_IME_SETCONTEXT: case WM_IME_NOTIFY: case WM_GETMINMAXINFO:
    case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC: case WM_DESTROY: case WM_NOTIFY: case WM_COMMAND:
    case EM_GETSEL: case EM_EXGETSEL: case EM_SETSEL: case EM_EXSETSEL: case EM_HIDESELECTION: case EM_SCROLLCARET:
    case EM_LINESCROLL: case EM_SCROLL: case EM_SETSCROLLPOS: case EM_GETSCROLLPOS: case EM_GETFIRSTVISIBLELINE:
    case EM_GETLINECOUNT: case EM_LINEINDEX: case EM_LINEFROMCHAR: case EM_EXLINEFROMCHAR: case EM_LINELENGTH:
    case EM_GETLINE: case EM_GETTEXTRANGE: case EM_GETSELTEXT: case EM_GETTEXTEX: case EM_GETTEXTLENGTHEX:
    case EM_POSFROMCHAR: case EM_CHARFROMPOS: case EM_FINDTEXT: case EM_FINDTEXTW: case EM_FINDTEXTEX:
    case EM_FINDTEXTEXW: case EM_FINDWORDBREAK: case EM_GETCHARFORMAT: case EM_GETPARAFORMAT: case EM_GETEVENTMASK:
    case EM_SETEVENTMASK: case EM_GETMODIFY: case EM_SETMODIFY: case EM_CANUNDO: case EM_CANREDO: case EM_CANPASTE:
    case EM_GETOPTIONS: case EM_GETRECT: case EM_GETLIMITTEXT: case EM_EXLIMITTEXT: case EM_LIMITTEXT:
    case EM_SETUNDOLIMIT: case EM_EMPTYUNDOBUFFER: case EM_STOPGROUPTYPING: case EM_GETOLEINTERFACE:
    case EM_SELECTIONTYPE: case EM_STREAMOUT: case EM_GETZOOM: case EM_GETTEXTMODE: case EM_SETBKGNDCOLOR:
    case EM_SETREADONLY: case EM_GETWORDBREAKPROC: case EM_GETAUTOURLDETECT:
      return true;
    default:
      return false;
  }
}

int CharFromPos(HWND h, POINT pt) {
  POINTL p{pt.x, pt.y};
  return static_cast<int>(SendMessageW(h, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&p)));
}

// Ascent and descent of the control's default character format at the
// device context's resolution: the text's own font, not the plain device
// context's (whose system font is taller than a small editor font).
struct FormatMetrics {
  int ascent = 0, descent = 0;
  int Height() const { return ascent + descent; }
};
FormatMetrics DefaultFormatMetrics(HWND h, HDC dc) {
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof(cf);
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_BOLD | CFM_ITALIC;
  SendMessageW(h, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
  FormatMetrics m;
  HFONT font = nullptr;
  if (cf.yHeight > 0)
    font = CreateFontW(-MulDiv(cf.yHeight, GetDeviceCaps(dc, LOGPIXELSY), 1440), 0, 0, 0,
                       (cf.dwEffects & CFE_BOLD) ? FW_BOLD : FW_NORMAL, (cf.dwEffects & CFE_ITALIC) ? TRUE : FALSE,
                       FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH, cf.szFaceName);
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  TEXTMETRICW tm{};
  if (GetTextMetricsW(dc, &tm)) {
    m.ascent = tm.tmAscent;
    m.descent = tm.tmDescent;
  }
  if (font) {
    SelectObject(dc, old);
    DeleteObject(font);
  }
  return m;
}

// Temporarily lets a replacement into a read-only control: its marks may be
// corrected from the menu even where the user cannot type.
class WritableScope {
 public:
  explicit WritableScope(HWND h) : h_(h), readOnly_((GetWindowLongW(h, GWL_STYLE) & ES_READONLY) != 0) {
    if (readOnly_) SendMessageW(h_, EM_SETREADONLY, FALSE, 0);
  }
  ~WritableScope() {
    if (readOnly_) SendMessageW(h_, EM_SETREADONLY, TRUE, 0);
  }
  WritableScope(const WritableScope&) = delete;
  WritableScope& operator=(const WritableScope&) = delete;

 private:
  HWND h_;
  bool readOnly_;
};

}  // namespace

// The control as the live-spelling model sees it.
class TSpellRichEdit::View final : public TLiveTextView {
 public:
  explicit View(TSpellRichEdit& owner) : owner_(owner) {}

  HWND h() const { return owner_.window_; }
  bool HasWindow() override { return h() && IsWindow(h()); }
  bool ReadOnly() override { return (GetWindowLongW(h(), GWL_STYLE) & ES_READONLY) != 0; }
  int LineCount() override { return static_cast<int>(SendMessageW(h(), EM_GETLINECOUNT, 0, 0)); }
  int FirstVisibleLine() override { return static_cast<int>(SendMessageW(h(), EM_GETFIRSTVISIBLELINE, 0, 0)); }
  int LastVisibleLine() override {
    RECT rc;
    GetClientRect(h(), &rc);
    const int at = CharFromPos(h(), POINT{0, rc.bottom > 0 ? rc.bottom - 1 : 0});
    return LineFromChar(at);
  }
  int LineIndex(int line) override { return static_cast<int>(SendMessageW(h(), EM_LINEINDEX, line, 0)); }
  int LineFromChar(int index) override { return static_cast<int>(SendMessageW(h(), EM_EXLINEFROMCHAR, 0, index)); }
  int CharTop(int index) override { return PosFromChar(h(), index).y; }
  int CharLeft(int index) override { return PosFromChar(h(), index).x; }
  bool ReadState(TViewState& s) override {
    POINT scroll{0, 0};
    SendMessageW(h(), EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
    RECT rc{};
    GetClientRect(h(), &rc);
    s.ScrollX = scroll.x;
    s.ScrollY = scroll.y;
    // The message scales its answer to 16 bits in long texts; the bars
    // keep small moves apart.
    s.BarX = GetScrollPos(h(), SB_HORZ);
    s.BarY = GetScrollPos(h(), SB_VERT);
    s.Width = rc.right - rc.left;
    s.Height = rc.bottom - rc.top;
    s.Length = TextLength(h());
    s.Lines = LineCount();
    return true;
  }
  bool EditKeepsLeftPart() override {
    PARAFORMAT2 pf{};
    pf.cbSize = sizeof pf;
    pf.dwMask = PFM_ALIGNMENT | PFM_RTLPARA;
    SendMessageW(h(), EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
    return (pf.wAlignment == 0 || pf.wAlignment == PFA_LEFT) && !(pf.wEffects & PFE_RTLPARA);
  }
  int LineAtRow(int y) override { return LineFromChar(CharFromPos(h(), POINT{1, y})); }
  std::u16string LineText(int line) override {
    const int index = LineIndex(line);
    if (index < 0) return {};
    const int length = static_cast<int>(SendMessageW(h(), EM_LINELENGTH, index, 0));
    // EM_GETLINE takes the buffer size in its first word.
    const int size = std::clamp(length + 2, 2, 0xFFFF);
    std::wstring buf(static_cast<size_t>(size) + 1, L'\0');
    buf[0] = static_cast<wchar_t>(size);
    const int got = static_cast<int>(SendMessageW(h(), EM_GETLINE, line, reinterpret_cast<LPARAM>(buf.data())));
    buf.resize(static_cast<size_t>(std::clamp(got, 0, size)));
    while (!buf.empty() && (buf.back() == L'\r' || buf.back() == L'\n')) buf.pop_back();
    return std::u16string(buf.begin(), buf.end());
  }
  std::u16string TextRange(int start, int end) override {
    if (end < 0) end = TextLength(h());
    if (start < 0 || end <= start) return {};
    std::wstring buf(static_cast<size_t>(end - start) + 1, L'\0');
    TEXTRANGEW tr{{start, end}, buf.data()};
    const int got = static_cast<int>(SendMessageW(h(), EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&tr)));
    buf.resize(static_cast<size_t>(std::clamp(got, 0, end - start)));
    return std::u16string(buf.begin(), buf.end());
  }
  void GetSelection(int& start, int& end) override {
    CHARRANGE cr{0, 0};
    SendMessageW(h(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    start = cr.cpMin;
    end = cr.cpMax;
  }
  void SetSelection(int start, int end) override {
    CHARRANGE cr{start, end};
    SendMessageW(h(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
  }
  void ReplaceSelection(const std::u16string& text) override {
    const std::wstring w(text.begin(), text.end());
    WritableScope writable(h());
    SendMessageW(h(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(w.c_str()));
  }
  void InvalidateLine(int line) override {
    const int index = LineIndex(line);
    if (index >= 0) InvalidateLineAt(line, PosFromChar(h(), index).y);
  }
  void InvalidateLineAt(int, int top) override {
    RECT rc;
    GetClientRect(h(), &rc);
    // The line's height as the last paint found it (a line ends where the
    // next begins); the band reaches a little further for the wave.
    const int bottom = std::min<int>(rc.bottom, top + owner_.lineHeight_ + 4);
    RECT band{rc.left, std::max<int>(rc.top, top - 1), rc.right, std::max<int>(bottom, top + 1)};
    InvalidateRect(h(), &band, FALSE);
  }
  void InvalidateAll() override { InvalidateRect(h(), nullptr, FALSE); }
  void BeginUpdate() override {
    frozen_ = IsWindowVisible(h()) != FALSE;
    if (frozen_) SendMessageW(h(), WM_SETREDRAW, FALSE, 0);
  }
  void EndUpdate() override {
    if (frozen_) SendMessageW(h(), WM_SETREDRAW, TRUE, 0);
    frozen_ = false;
    InvalidateRect(h(), nullptr, FALSE);
    UpdateWindow(h());
    // Tell the owner the text changed, whatever the control's event mask says.
    if (HWND parent = GetParent(h()))
      SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h()), EN_CHANGE), reinterpret_cast<LPARAM>(h()));
  }
  void SetBusyCursor(bool on) override {
    if (on)
      previous_ = SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    else
      SetCursor(previous_);
  }

 private:
  TSpellRichEdit& owner_;
  bool frozen_ = false;
  HCURSOR previous_ = nullptr;
};

TSpellRichEdit::TSpellRichEdit() : view_(std::make_unique<View>(*this)) {}

TSpellRichEdit::~TSpellRichEdit() {
  live_.SetSpellEngine(nullptr);
  live_.SetView(nullptr);
  if (window_ && IsWindow(window_)) {
    Detach(window_);
    DestroyWindow(window_);
  }
  window_ = nullptr;
}

bool TSpellRichEdit::Create(HWND parent, int id, int x, int y, int width, int height, DWORD style, DWORD exStyle) {
  if (window_) return false;
  static const bool loaded = LoadSystemLibrary(L"riched20.dll") != nullptr;
  if (!loaded) return false;
  window_ = CreateWindowExW(exStyle, RICHEDIT_CLASSW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, width,
                            height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) return false;
  return Attach(window_);
}

bool TSpellRichEdit::Attach(HWND window) {
  if (!window || !IsWindow(window) || (window_ && window_ != window)) return false;
  window_ = window;
  marksMessage_ = RegisterWindowMessageW(kMarksMessageName);
  // The control's own procedure is replaced rather than subclassed through
  // the common controls: those find their data in a window property for
  // every message, which under Wine is a round trip to its server, and the
  // painter sends the control a few dozen messages per key.
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TSpellRichEdit::WindowProc)));
  live_.SetView(view_.get());
  return true;
}

void TSpellRichEdit::SetSpellEngine(TSpellCheckerBase* engine) { live_.SetSpellEngine(engine); }
void TSpellRichEdit::SetLiveSpelling(bool value) { live_.SetLiveSpelling(value); }
void TSpellRichEdit::SetLiveCorrect(bool value) { live_.SetLiveCorrect(value); }
void TSpellRichEdit::SetLiveSpellingOptions(bool value) { live_.SetLiveSpellingOptions(value); }
void TSpellRichEdit::SetLiveSpellingReadOnly(bool value) { live_.SetLiveSpellingReadOnly(value); }

void TSpellRichEdit::SetLiveSpellingColor(COLORREF color) {
  if (color == color_) return;
  color_ = color;
  if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void TSpellRichEdit::SetReadOnly(bool value) {
  if (window_) SendMessageW(window_, EM_SETREADONLY, value ? TRUE : FALSE, 0);
}

void TSpellRichEdit::RecheckAll() { live_.RecheckAll(); }

void TSpellRichEdit::Detach(HWND h) {
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(h, GWLP_WNDPROC)) == &TSpellRichEdit::WindowProc)
    SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
  SetWindowLongPtrW(h, GWLP_USERDATA, 0);
}

LRESULT CALLBACK TSpellRichEdit::WindowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TSpellRichEdit*>(GetWindowLongPtrW(h, GWLP_USERDATA));
  if (!self || self->window_ != h) return DefWindowProcW(h, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    const WNDPROC original = self->original_;
    self->Detach(h);
    self->live_.SetView(nullptr);
    self->window_ = nullptr;
    return CallWindowProcW(original, h, msg, wp, lp);
  }
  return self->OnMessage(msg, wp, lp);
}

LRESULT TSpellRichEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND h = window_;
  if (msg == marksMessage_ && marksMessage_ != 0) {
    if (wp == static_cast<WPARAM>(-1)) {
      marks_ = live_.VisibleMarks();
      return static_cast<LRESULT>(marks_.size());
    }
    if (wp >= marks_.size()) return -1;
    return static_cast<LRESULT>((static_cast<uint64_t>(marks_[wp].first) << 32) |
                                static_cast<uint32_t>(marks_[wp].second));
  }
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_CONTEXTMENU:
      if (ContextMenu(lp)) return 0;
      break;
    case WM_SIZE:
      InvalidateRect(h, nullptr, FALSE);
      break;
    case WM_KEYUP:
      live_.KeyReleased();
      break;
    case WM_CHAR: {
      const wchar_t c = static_cast<wchar_t>(wp);
      LRESULT r = 0;
      if (c == L'\b' || c == 0x7F) {
        r = TrackedEdit(msg, wp, lp, TEditKind::Deletion, nullptr);
      } else if (c >= 0x20 || c == L'\t' || c == L'\r' || c == L'\n') {
        const std::u16string typed(1, static_cast<char16_t>(c == L'\n' ? L'\r' : c));
        r = TrackedEdit(msg, wp, lp, TEditKind::Typed, &typed);
      } else {
        r = UntrackedEdit(msg, wp, lp);  // Ctrl with a letter
      }
      live_.KeyPressed(static_cast<char16_t>(wp));
      if (window_) live_.SelectionChanged();
      return r;
    }
    case WM_KEYDOWN:
      if (wp == VK_DELETE || wp == VK_BACK) {
        const LRESULT r = TrackedEdit(msg, wp, lp, TEditKind::Deletion, nullptr);
        if (window_) live_.SelectionChanged();
        return r;
      }
      if (!NavigationKey(wp)) {
        // Ctrl with a key may change formats without changing the length
        // (only copying and selecting all are known not to).
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        const bool harmless = !ctrl || wp == 'C' || wp == 'A' || wp == VK_INSERT;
        const LRESULT r = harmless ? UntrackedEdit(msg, wp, lp) : Original(h, msg, wp, lp);
        if (window_) {
          if (!harmless) live_.LayoutChanged();
          live_.SelectionChanged();
        }
        return r;
      }
      typingStyle_ = false;
      break;
    case WM_CUT:
    case WM_CLEAR: {
      const LRESULT r = TrackedEdit(msg, wp, lp, TEditKind::Deletion, nullptr);
      if (window_) live_.SelectionChanged();
      return r;
    }
    case EM_REPLACESEL: {
      const auto* text = reinterpret_cast<const wchar_t*>(lp);
      const std::u16string inserted = text ? std::u16string(text, text + wcslen(text)) : std::u16string();
      const LRESULT r = TrackedEdit(msg, wp, lp, TEditKind::Replacement, &inserted);
      if (window_) live_.SelectionChanged();
      return r;
    }
    case EM_SETCHARFORMAT:
      // A format set at an empty selection is the one the next characters
      // typed take: their line may grow.
      if (wp & (SCF_SELECTION | SCF_WORD)) typingStyle_ = true;
      break;
    case WM_LBUTTONDOWN: {
      // A press inside the selection may drag it elsewhere in the text.
      CHARRANGE sel{0, 0};
      SendMessageW(h, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
      dragArmed_ = sel.cpMax > sel.cpMin;
      typingStyle_ = false;
      break;
    }
    case WM_SETTEXT:
    case EM_STREAMIN:
    case EM_SETSEL:
    case EM_EXSETSEL:
      typingStyle_ = false;
      break;
    case EM_SETREADONLY: {
      const LRESULT r = Original(h, msg, wp, lp);
      live_.UpdateActivation();
      return r;
    }
    default:
      break;
  }
  const LRESULT r = Original(h, msg, wp, lp);
  if (!window_) return r;
  if (!(msg == WM_KEYDOWN || KeepsLines(msg, wp)) || (msg == WM_MOUSEMOVE && dragArmed_ && (wp & MK_LBUTTON))) live_.LayoutChanged();
  if (msg == WM_LBUTTONUP) dragArmed_ = false;
  switch (msg) {
    // Whatever may have moved the caret or changed the text.
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDOWN:
    case WM_SETTEXT:
    case WM_PASTE:
    case WM_UNDO:
    case EM_UNDO:
    case EM_REDO:
    case EM_SETSEL:
    case EM_EXSETSEL:
    case EM_STREAMIN:
      live_.SelectionChanged();
      break;
    default:
      break;
  }
  return r;
}

// An edit the control makes at the selection, told to the live model as
// what the selection and length before and after show (the text typed or
// replaced, when known), so that it need not ask again where the lines are.
LRESULT TSpellRichEdit::TrackedEdit(UINT msg, WPARAM wp, LPARAM lp, TEditKind kind, const std::u16string* text) {
  HWND h = window_;
  const TEditProbe before = Probe(h);
  const unsigned generation = live_.EditGeneration();
  const LRESULT r = Original(h, msg, wp, lp);
  if (!window_) return r;
  TInferredEdit edit;
  const int count = text ? static_cast<int>(text->size()) : 0;
  switch (typingStyle_ ? TInference::Unknown : InferEdit(kind, count, before, Probe(h), edit)) {
    case TInference::Nothing:
      break;
    case TInference::Known:
      live_.Edited(generation, edit.At, edit.Removed, edit.Inserted, edit.Inserted == count ? text : nullptr);
      break;
    case TInference::Unknown:
      live_.LayoutChanged();
      break;
  }
  return r;
}

// A message that may change the text in ways not followed: the model
// forgets the lines when the selection or the length changed.
LRESULT TSpellRichEdit::UntrackedEdit(UINT msg, WPARAM wp, LPARAM lp) {
  HWND h = window_;
  const TEditProbe before = Probe(h);
  const LRESULT r = Original(h, msg, wp, lp);
  if (!window_) return r;
  const TEditProbe after = Probe(h);
  if (after.Length != before.Length) live_.LayoutChanged();
  return r;
}

void TSpellRichEdit::Paint() {
  HWND h = window_;
  if (!live_.SpellingActive() || live_.Busy()) {
    Original(h, WM_PAINT, 0, 0);
    return;
  }
  RECT client;
  GetClientRect(h, &client);
  RECT band = client;
  const int first = live_.FirstVisibleLine();
  if (first != firstVisible_) {
    // Scrolled: every visible line is painted again.
    firstVisible_ = first;
    InvalidateRect(h, nullptr, FALSE);
  } else if (GetUpdateRect(h, &band, FALSE)) {
    // The wave hangs low in the line box: repaint a little further down.
    band.bottom = std::min<LONG>(band.bottom + 4, client.bottom);
    InvalidateRect(h, &band, FALSE);
  } else {
    band = client;
  }
  Original(h, WM_PAINT, 0, 0);
  // Only the lines the control painted again need their waves again.
  HDC dc = GetDC(h);
  DrawMarks(dc, band);
  ReleaseDC(h, dc);
}

std::pair<int, int> TSpellRichEdit::WaveRows(HDC dc, const TPaintedLine& p, int ascent, int descent) {
  HWND h = window_;
  const int line = p.Line, lineTop = p.Top;
  // The detected baseline's wave: from 4 to 2 rows above the base found.
  auto WaveAbove = [](int base) { return std::make_pair(base - 4, base - 2); };
  int lineBottom = lineTop + ascent + descent;  // the first row below the line
  if (p.NextTop >= 0) {
    const int nextTop = p.NextTop;
    if (detectBaseline_ && nextTop > lineTop) {
      const int height = nextTop - lineTop;
      TLineCache* cache = live_.Cache(line);
      if (cache && cache->MeasuredHeight == height && cache->BaselineOffset > 0)
        return WaveAbove(lineTop + cache->BaselineOffset);
      // Vote, column by column, for the lowest row painted in the text colour.
      const int x0 = live_.CharLeft(p.Index);
      RECT rc;
      GetClientRect(h, &rc);
      std::vector<int> votes(static_cast<size_t>(height), 0);
      int count = 0;
      for (int x = x0; x < rc.right && count <= 100; ++x) {
        COLORREF firstColour = CLR_INVALID, secondColour = CLR_INVALID, last = CLR_INVALID;
        bool anyValid = false;
        int row = 0;
        for (int r = 0; r < height; ++r) {
          const COLORREF c = GetPixel(dc, x, lineTop + r);
          last = c;
          if (c == CLR_INVALID) continue;
          anyValid = true;
          if (firstColour == CLR_INVALID)
            firstColour = c;
          else if (secondColour == CLR_INVALID && c != firstColour)
            secondColour = c;
          if (secondColour != CLR_INVALID && c == secondColour) row = r;
        }
        if (!anyValid) break;
        if (row > 0 && last != CLR_INVALID) {
          ++votes[static_cast<size_t>(row)];
          ++count;
        }
      }
      const auto best = std::max_element(votes.begin(), votes.end());
      const int index = static_cast<int>(best - votes.begin());
      if (index > 0 && *best > 5) {
        if (cache) {
          cache->MeasuredHeight = height;
          cache->BaselineOffset = index + 4;
        }
        return WaveAbove(lineTop + index + 4);
      }
      return WaveAbove(lineTop + height);
    }
    if (nextTop > lineTop) lineBottom = nextTop;
  } else if (p.PreviousTop >= 0 && p.PreviousTop < lineTop) {
    // The last line: as tall as the line above it (the control may set lines
    // closer than the font's own height).
    lineBottom = lineTop + (lineTop - p.PreviousTop);
  } else if (lineSpacing_ > 0) {
    lineBottom = lineTop + lineSpacing_;  // as the lines above were
  }
  // The letters stand on a baseline the font's descent above the line's
  // bottom (a line taller than the default font holds larger letters, which
  // lower it); the wave goes in the rows between it and the next line.
  const int baseline = std::max(lineTop + ascent, lineBottom - descent);
  const int last = lineBottom - 1;
  if (last - baseline >= 3) return {baseline + 1, baseline + 3};
  if (last >= baseline) return {baseline, last};
  return {last, last};
}

void TSpellRichEdit::DrawMarks(HDC dc, const RECT& band) {
  HWND h = window_;
  CHARRANGE sel{0, 0};
  SendMessageW(h, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
  HPEN pen = CreatePen(PS_SOLID, 1, color_);
  HGDIOBJ oldPen = SelectObject(dc, pen);
  const int textLength = live_.TextLength() >= 0 ? live_.TextLength() : TextLength(h);
  const FormatMetrics metrics = DefaultFormatMetrics(h, dc);
  lineHeight_ = std::max(lineHeight_, metrics.Height());
  live_.PaintBand(firstVisible_, band.top, band.bottom, sel.cpMin, [&](const TPaintedLine& p) {
    if (p.NextTop > p.Top) {
      lineHeight_ = std::max(lineHeight_, p.NextTop - p.Top);
      lineSpacing_ = p.NextTop - p.Top;
    }
    const auto [waveTop, waveBottom] = WaveRows(dc, p, metrics.ascent, metrics.descent);
    const TLineCache* cache = live_.Cache(p.Line);
    for (const TSpellingError& e : *p.Errors) {
      const int x1 = live_.CharLeft(p.Index + e.Start);
      int x2 = 0;
      const int endIndex = p.Index + e.End;
      // The character after the word lies on the same line before the
      // next line's first one (a line break belongs to its line).
      if (endIndex < (p.NextIndex >= 0 ? p.NextIndex : textLength)) x2 = live_.CharLeft(endIndex);
      if (x2 <= x1) {
        // The word ends its line or the text: its last character's right edge.
        wchar_t last[2] = {0, 0};
        if (cache && e.End >= 1 && static_cast<size_t>(e.End) <= cache->Text.size())
          last[0] = static_cast<wchar_t>(cache->Text[static_cast<size_t>(e.End - 1)]);
        SIZE size{0, 0};
        if (last[0]) GetTextExtentPoint32W(dc, last, 1, &size);
        x2 = live_.CharLeft(endIndex - 1) + std::max<LONG>(size.cx, 1);
      }
      if (x2 <= x1) continue;
      // The wave: a point every 2 pixels, alternating between its top and bottom rows.
      std::vector<POINT> points;
      for (int x = x1; x < x2 && static_cast<int>(points.size()) < kMaxWavePoints; x += 2)
        points.push_back(POINT{x, (points.size() % 2 == 0) ? waveTop : waveBottom});
      points.back().x = x2;
      MoveToEx(dc, points.front().x, points.front().y, nullptr);
      PolylineTo(dc, points.data() + 1, static_cast<DWORD>(points.size() - 1));
    }
  });
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

bool TSpellRichEdit::ContextMenu(LPARAM lp) {
  HWND h = window_;
  if (!live_.SpellingActive()) return false;
  POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  RECT client;
  GetClientRect(h, &client);
  if (pt.x < 0) {
    // From the keyboard: just below and right of the caret.
    CHARRANGE sel{0, 0};
    SendMessageW(h, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    pt = PosFromChar(h, sel.cpMin);
    pt.x += 1;
    pt.y += 1;
  } else {
    ScreenToClient(h, &pt);
  }
  if (!PtInRect(&client, pt)) return false;
  const int at = CharFromPos(h, pt);

  TSpellCheckerBase* engine = live_.SpellEngine();
  // The engine's menu hook is shared by every control: show ours for this
  // call only and give the previous one back on every path.
  struct MenuHookScope {
    TSpellCheckerBase* engine;
    decltype(engine->OnPopupDoMenu) saved;
    ~MenuHookScope() { engine->OnPopupDoMenu = std::move(saved); }
  } scope{engine, engine->OnPopupDoMenu};
  engine->OnPopupDoMenu = [this, h](const std::vector<TPopupItem>& items, int x, int y, int& action,
                                    std::string& word) {
    if (OnShowMenu) {
      OnShowMenu(items, x, y, action, word);
      return;
    }
    // Flatten the entries into command ids 1, 2, ...
    std::vector<const TPopupItem*> byId;
    auto build = [&](auto& self, const std::vector<TPopupItem>& list) -> HMENU {
      HMENU menu = CreatePopupMenu();
      for (const TPopupItem& item : list) {
        if (item.Caption == "-") {
          AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
          continue;
        }
        const std::wstring caption = Utf8ToWide(LiveMenuCaption(item));
        if (!item.Children.empty()) {
          AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(self(self, item.Children)), caption.c_str());
          continue;
        }
        byId.push_back(&item);
        AppendMenuW(menu, MF_STRING | (item.Enabled ? 0 : MF_GRAYED), byId.size(), caption.c_str());
      }
      return menu;
    };
    HMENU menu = build(build, items);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, x, y, 0, h, nullptr));
    if (chosen >= 1 && chosen <= byId.size()) {
      action = byId[chosen - 1]->Tag;
      word = byId[chosen - 1]->Caption;
    }
    DestroyMenu(menu);
  };
  live_.OnSpellDialog = OnSpellDialog;
  return live_.ContextMenu(at, [h](int wordStart, int& x, int& y) {
    POINT p = PosFromChar(h, wordStart);
    const int line = static_cast<int>(SendMessageW(h, EM_EXLINEFROMCHAR, 0, wordStart));
    HDC dc = GetDC(h);
    int bottom = p.y + DefaultFormatMetrics(h, dc).Height();
    ReleaseDC(h, dc);
    if (line + 1 < static_cast<int>(SendMessageW(h, EM_GETLINECOUNT, 0, 0))) {
      const int nextTop = PosFromChar(h, static_cast<int>(SendMessageW(h, EM_LINEINDEX, line + 1, 0))).y;
      bottom = std::max(bottom, nextTop);
    }
    POINT corner{p.x, bottom};
    ClientToScreen(h, &corner);
    x = corner.x;
    y = corner.y;
  });
}

}  // namespace wx
