#include "definitions/DefinitionsForm_win.h"

// GCC 12 reports false -Wrestrict overlaps in std::wstring concatenation.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "common/AnsiText.h"
#include "common/WinText_win.h"
#include "ui/ModalDialog_win.h"
#include "ui/WindowPlacement_win.h"

namespace wx {

namespace {

const wchar_t kDefsClass[] = L"WxDefinitionsBox";
constexpr int kRightPanel = 86, kGap = 8, kSearchWidth = 57, kSearchHeight = 23;
constexpr int kDefsTop = 40;
constexpr int kSenseLabelBase = 1000, kSenseEditBase = 20000;
constexpr UINT_PTR kEditSubclass = 1;
constexpr UINT_PTR kWordListSubclass = 2;
constexpr DWORD kHelpContext = 6000;

void RegisterDefsClass() {
  static bool done = false;
  if (done) return;
  WNDCLASSW wc{};
  wc.lpfnWndProc = DefWindowProcW;  // replaced per window once the form is known
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
  wc.lpszClassName = kDefsClass;
  wc.cbWndExtra = sizeof(LONG_PTR);
  RegisterClassW(&wc);
  done = true;
}

void PutOnClipboard(HWND owner, const std::wstring& text) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (mem) {
    if (void* p = GlobalLock(mem)) {
      memcpy(p, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
      GlobalUnlock(mem);
      if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);
    } else {
      GlobalFree(mem);
    }
  }
  CloseClipboard();
}

int TextWidth(HWND window, HFONT font, const wchar_t* text) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text, int(wcslen(text)), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size.cx;
}

int LineHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return tm.tmHeight;
}

}  // namespace

void TDefinitionsForm::Install(std::function<HWND()> owner) {
  TDefinitionsDialog::SetWindowFactory([owner](TCustomDefinitionsDialog&) -> std::unique_ptr<TDefinitionsWindow> {
    return std::make_unique<TDefinitionsForm>(owner ? owner() : nullptr);
  });
}

TDefinitionsForm::TDefinitionsForm(HWND owner) : owner_(owner) {
  highlight_ = DefinitionsHighlightColour(GetSysColor(COLOR_HIGHLIGHT), GetSysColor(COLOR_WINDOW),
                                          GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_HIGHLIGHTTEXT));
}

TDefinitionsForm::~TDefinitionsForm() = default;

void TDefinitionsForm::SetDatabase(TDefinitionsDatabase& database, int definitionsHeightPercent) {
  model_.SetDatabase(database);
  model_.SetDefinitionsHeightPercent(definitionsHeightPercent);
}

void TDefinitionsForm::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  sized_ = true;
  placed_ = false;
}

void TDefinitionsForm::SetBounds(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  sized_ = placed_ = true;
}

void TDefinitionsForm::GetBounds(int& left, int& top, int& width, int& height) const {
  left = left_;
  top = top_;
  width = width_;
  height = height_;
}

void TDefinitionsForm::SetActions(TCopyButtonPressAction copy, TListDoubleClickAction doubleClick,
                                  std::function<void()> onCopyClick) {
  model_.copyAction = copy;
  model_.doubleClickAction = doubleClick;
  onCopyClick_ = std::move(onCopyClick);
}

void TDefinitionsForm::LookUp(const std::string& word) {
  model_.Search(word);
  Sync();
}

bool TDefinitionsForm::ShowModal() {
  INITCOMMONCONTROLSEX icc{};
  icc.dwSize = sizeof(icc);
  icc.dwICC = ICC_TAB_CLASSES | ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&icc);
  RegisterDefsClass();
  ok_ = false;
  shownRows_ = shownWords_ = shownTabs_ = shownHistory_ = ~0u;
  shownKeyWord_.clear();
  renderedWidth_ = -1;
  RunModalDialog(owner_, this,
                 WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CLIPCHILDREN | DS_3DLOOK);
  hwnd_ = defs_ = nullptr;
  defEdits_.clear();
  return ok_;
}

void TDefinitionsForm::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  dpi_.Attach(hwnd);
  // Its own layout and the definitions drawn again at the new DPI.
  dpi_.OnDpiChanged([this] {
    shownRows_ = ~0u;
    renderedWidth_ = -1;
    Layout();
    Sync();
  });
}

INT_PTR TDefinitionsForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (!hwnd_) return FALSE;
  INT_PTR result = FALSE;
  try {
    result = Handle(msg, wp, lp);
  } catch (const std::exception& e) {
    // A database failure ends the search, not the program.
    ShowError(e);
  }
  return result;
}

void TDefinitionsForm::ShowError(const std::exception& e) {
  // What the model cleared before failing (the previous word's list and tabs)
  // leaves the screen too, and the focus stays where the user can type.
  try {
    Sync();
  } catch (const std::exception&) {
  }
  ReportError(e);
}

void TDefinitionsForm::ActivateWordList() {
  if (model_.WordListActivate()) return EndWith(true);
  Sync();
}

LRESULT CALLBACK TDefinitionsForm::WordListProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  auto* self = reinterpret_cast<TDefinitionsForm*>(ref);
  // Enter on the word list chooses its word, as a double click does; the
  // dialog would otherwise take it for the default (Lookup) button.
  if (msg == WM_GETDLGCODE && lp && reinterpret_cast<MSG*>(lp)->message == WM_KEYDOWN &&
      reinterpret_cast<MSG*>(lp)->wParam == VK_RETURN)
    return DefSubclassProc(hwnd, msg, wp, lp) | DLGC_WANTMESSAGE;
  if (msg == WM_KEYDOWN && wp == VK_RETURN) {
    try {
      self->ActivateWordList();
    } catch (const std::exception& e) {
      self->ShowError(e);
    }
    return 0;
  }
  if (msg == WM_CHAR && wp == '\r') return 0;  // no beep for the Enter just handled
  return DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT CALLBACK TDefinitionsForm::DefsProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<TDefinitionsForm*>(GetWindowLongPtrW(hwnd, 0));
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  return self->OnDefsMessage(hwnd, msg, wp, lp);
}

LRESULT CALLBACK TDefinitionsForm::DefEditProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  auto* self = reinterpret_cast<TDefinitionsForm*>(ref);
  switch (msg) {
    case WM_GETDLGCODE:
      // Enter chooses the box's sense; Tab and Shift+Tab leave the column.
      return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTTAB |
             (lp && reinterpret_cast<MSG*>(lp)->message == WM_KEYDOWN &&
                      reinterpret_cast<MSG*>(lp)->wParam == VK_RETURN
                  ? DLGC_WANTMESSAGE
                  : 0);
    case WM_KEYDOWN: {
      int sense = GetDlgCtrlID(hwnd) - kSenseEditBase;
      if (wp == VK_RETURN) {
        try {
          self->model_.ChooseSense(sense);
          self->Sync();
        } catch (const std::exception& e) {
          self->ShowError(e);
        }
        return 0;
      }
      if (wp == VK_TAB) {
        SetFocus(self->Item(GetKeyState(VK_SHIFT) < 0 ? idDefKeyWord : idDefViewTabs));
        return 0;
      }
      if (wp == VK_PRIOR || wp == VK_NEXT) {
        RECT r;
        GetClientRect(self->defs_, &r);
        self->ScrollDefsTo(self->scrollPos_ + (wp == VK_NEXT ? 1 : -1) * (r.bottom - r.top));
        return 0;
      }
      if (wp == VK_UP || wp == VK_DOWN) {
        // Past the first or last line the focus moves to the neighbouring box.
        int line = int(SendMessageW(hwnd, EM_LINEFROMCHAR, WPARAM(-1), 0));
        int lines = int(SendMessageW(hwnd, EM_GETLINECOUNT, 0, 0));
        auto it = std::find(self->defEdits_.begin(), self->defEdits_.end(), hwnd);
        if (it != self->defEdits_.end()) {
          if (wp == VK_UP && line == 0 && it != self->defEdits_.begin()) {
            SetFocus(*(it - 1));
            return 0;
          }
          if (wp == VK_DOWN && line >= lines - 1 && it + 1 != self->defEdits_.end()) {
            SetFocus(*(it + 1));
            return 0;
          }
        }
      }
      break;
    }
    case WM_CHAR:
      if (wp == VK_RETURN || wp == VK_TAB) return 0;
      break;
    case WM_KILLFOCUS:
      self->focusGoingTo_ = HWND(wp);
      break;
    case WM_LBUTTONUP:
    case WM_KEYUP: {
      LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
      self->DefinitionSelection(hwnd);
      return r;
    }
  }
  return DefSubclassProc(hwnd, msg, wp, lp);
}

void TDefinitionsForm::DefinitionSelection(HWND edit) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  std::string text = AnsiOfWindow(edit);
  std::string sel;
  // The box holds ANSI text, one character per UTF-16 unit.
  if (end > start && end <= text.size()) sel = text.substr(start, end - start);
  model_.DefinitionSelectionChanged(sel);
  EnableWindow(Item(idDefCopyButton), model_.copyEnabled);
}

void TDefinitionsForm::CreateControls() {
  // The definitions in their own face and size (the caller's, else 8 points), the headings bold.
  const int defsPoints = fontSize_ > 0 ? fontSize_ : 8;
  auto defsFont = [defsPoints](LONG weight) {
    return [defsPoints, weight](int dpi) {
      LOGFONTW lf{};
      lf.lfHeight = FontHeightForDpi(defsPoints, dpi);
      lf.lfWeight = weight;
      lf.lfCharSet = DEFAULT_CHARSET;
      lf.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
      lstrcpynW(lf.lfFaceName, L"MS Sans Serif", LF_FACESIZE);
      return lf;
    };
  };
  defsFont_ = dpi_.AddFont(defsFont(FW_NORMAL));
  boldFont_ = dpi_.AddFont(defsFont(FW_BOLD));
  const HFONT font = dpi_.Font();
  HINSTANCE inst = GetModuleHandleW(nullptr);
  auto make = [&](DWORD exStyle, const wchar_t* cls, DWORD style, int id, HFONT font) {
    HWND c = CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd_,
                             HMENU(INT_PTR(id)), inst, nullptr);
    SendMessageW(c, WM_SETFONT, WPARAM(font), FALSE);
    return c;
  };
  // Created in tab order; the label just before the box its access key focuses.
  make(0, L"STATIC", SS_LEFT, idDefLookupLab, font);
  HWND combo = make(0, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, idDefKeyWord, font);
  SendMessageW(combo, CB_LIMITTEXT, 40, 0);
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, idDefSearchButton, font);
  defs_ = make(WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, kDefsClass, WS_VSCROLL | WS_CLIPCHILDREN | WS_TABSTOP,
               idDefDefs, DefsFont());
  SetWindowLongPtrW(defs_, 0, LONG_PTR(this));
  SetWindowLongPtrW(defs_, GWLP_WNDPROC, LONG_PTR(&DefsProc));
  make(0, WC_TABCONTROLW, WS_TABSTOP | TCS_MULTILINE | WS_CLIPSIBLINGS, idDefViewTabs, font);
  make(0, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, idDefSynonyms, DefsFont());
  SetWindowSubclass(Item(idDefSynonyms), WordListProc, kWordListSubclass, DWORD_PTR(this));
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED, idDefPreviousBut, font);
  for (int i = 0; i < 4; ++i)
    make(0, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_DISABLED | (i == 0 ? WS_GROUP : 0),
         idDefNounButton + i, font);
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | WS_DISABLED | WS_GROUP, idDefCopyButton, font);
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, idDefHelpButton, font);
  make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, idDefCloseButton, font);
  SendMessageW(hwnd_, DM_SETDEFID, idDefSearchButton, 0);

  // The component gives the window's size in screen pixels; without one the
  // design client area is used.
  int w = width_, h = height_;
  if (!sized_) {
    RECT r{0, 0, Scale(kDefinitionsClientWidth), Scale(kDefinitionsClientHeight)};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE, DWORD(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
    w = r.right - r.left;
    h = r.bottom - r.top;
  }
  // A stored place is kept on a monitor's work area; without one the window
  // is centred on its owner.
  TRect place = FitOnWorkArea(TRect{left_, top_, left_ + w, top_ + h}, Scale(kDefinitionsMinWidth),
                              Scale(kDefinitionsMinHeight), MonitorWorkAreas());
  if (!placed_) place = TRect{0, 0, w, h};
  SetWindowPos(hwnd_, nullptr, place.left, place.top, place.Width(), place.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (!placed_) CentreOnOwner(hwnd_, owner_);
}

void TDefinitionsForm::ApplyTexts() {
  if (!caption_.empty()) SetWindowTextW(hwnd_, Utf8ToWide(caption_).c_str());
  if (!returnCaption_.empty()) SetWindowTextW(Item(idDefCopyButton), Utf8ToWide(returnCaption_).c_str());
  // Headings, the not-found line and the tab names come from the table too.
  shownRows_ = shownTabs_ = ~0u;
  renderedWidth_ = -1;
  Layout();
  Sync();
}

void TDefinitionsForm::Layout() {
  if (!hwnd_) return;
  RECT client;
  GetClientRect(hwnd_, &client);
  const int W = client.right, H = client.bottom;
  const int R = Scale(kRightPanel), gap = Scale(kGap);
  HWND label = Item(idDefLookupLab);
  wchar_t text[64] = {};
  GetWindowTextW(label, text, 64);
  int labelWidth = TextWidth(label, dpi_.Font(), text);
  HDWP dwp = BeginDeferWindowPos(24);
  auto place = [&](HWND c, int x, int y, int cx, int cy) {
    if (dwp) dwp = DeferWindowPos(dwp, c, nullptr, x, y, std::max(cx, 0), std::max(cy, 0), SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(label, Scale(8), Scale(12), labelWidth, Scale(16));
  const int keyLeft = Scale(8) + labelWidth + Scale(4);
  const int searchW = Scale(kSearchWidth);
  const int keyWidth = W - R - keyLeft - gap - searchW;
  place(Item(idDefKeyWord), keyLeft, Scale(8), keyWidth, Scale(200));
  place(Item(idDefSearchButton), keyLeft + keyWidth + gap, Scale(8), searchW, Scale(kSearchHeight));
  const int defsLeft = Scale(8), defsTop = Scale(kDefsTop);
  const int defsWidth = W - R - defsLeft;
  const int defsHeight = (H - defsTop - Scale(7)) * model_.DefinitionsHeightPercent() / 100;
  place(defs_, defsLeft, defsTop, defsWidth, defsHeight);
  ShowWindow(defs_, model_.DefinitionsHidden() ? SW_HIDE : SW_SHOW);
  const int tabsTop = model_.DefinitionsHidden() ? defsTop : defsTop + defsHeight + Scale(5);
  const int tabsHeight = H - Scale(7) - tabsTop;
  HWND tabs = Item(idDefViewTabs);
  // Narrow padding and no wide minimum for short captions keep a word's
  // relations in one row of tabs at the window's usual width.
  SendMessageW(tabs, TCM_SETPADDING, 0, MAKELPARAM(Scale(4), Scale(3)));
  SendMessageW(tabs, TCM_SETMINTABWIDTH, 0, Scale(24));
  place(tabs, defsLeft, tabsTop, defsWidth, tabsHeight);
  const int x0 = W - R + Scale(8);
  place(Item(idDefPreviousBut), x0, Scale(8), Scale(73), Scale(23));
  for (int i = 0; i < 4; ++i) place(Item(idDefNounButton + i), x0, defsTop + i * Scale(21), Scale(73), Scale(21));
  place(Item(idDefCopyButton), x0, Scale(140), Scale(73), Scale(25));
  place(Item(idDefHelpButton), x0, Scale(179), Scale(73), Scale(24));
  place(Item(idDefCloseButton), x0, Scale(218), Scale(73), Scale(25));
  if (dwp) EndDeferWindowPos(dwp);
  // The word list fills the tab control's display area.
  RECT area{defsLeft, tabsTop, defsLeft + defsWidth, tabsTop + tabsHeight};
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, LPARAM(&area));
  const bool listShown = !model_.DefinitionsOnly();
  ShowWindow(tabs, listShown && tabsHeight > 0 ? SW_SHOW : SW_HIDE);
  SetWindowPos(Item(idDefSynonyms), HWND_TOP, area.left, area.top, std::max(0L, area.right - area.left),
               std::max(0L, area.bottom - area.top), SWP_NOACTIVATE | (listShown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
  // A new width wraps the definitions anew.
  RECT dc;
  GetClientRect(defs_, &dc);
  if (!model_.DefinitionsHidden() && renderedWidth_ >= 0 && dc.right != renderedWidth_) {
    shownRows_ = ~0u;
    Sync();
  }
}

void TDefinitionsForm::RenderDefinitions() {
  if (model_.DefinitionsHidden() || !defs_) return;
  for (HWND e : defEdits_) RemoveWindowSubclass(e, DefEditProc, kEditSubclass);
  defEdits_.clear();
  while (HWND child = GetWindow(defs_, GW_CHILD)) DestroyWindow(child);
  scrollPos_ = 0;
  RECT client;
  GetClientRect(defs_, &client);
  renderedWidth_ = client.right;
  const int textWidth = client.right - GetSystemMetrics(SM_CXVSCROLL) - 2;
  const int N = TextWidth(defs_, DefsFont(), L"99.") + 1;
  const int lineHeight = LineHeight(defs_, DefsFont());
  const CaptionTable& texts = DefinitionsFormTexts();
  HINSTANCE inst = GetModuleHandleW(nullptr);
  auto make = [&](const wchar_t* cls, DWORD style, const std::wstring& text, int x, int y, int w, int h, int id,
                  HFONT font) {
    HWND c = CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, x, y, std::max(w, 1), h, defs_,
                             HMENU(INT_PTR(id)), inst, nullptr);
    SendMessageW(c, WM_SETFONT, WPARAM(font), FALSE);
    return c;
  };
  int y = 0;
  for (int& p : posTop_) p = 0;
  int lastPos = -1;
  for (const TDefinitionRow& row : model_.rows) {
    if (row.heading) {
      if (y > 0) y += 3;
      std::wstring text = CaptionW(texts, txtDefPartOfSpeech0 + (row.partOfSpeech & 7)) + L": " +
                          AnsiToWide(row.headWord);
      if (!row.inflections.empty()) text += L" (" + AnsiToWide(row.inflections) + L")";
      make(L"STATIC", SS_LEFT | SS_NOPREFIX, text, 0, y, textWidth, lineHeight, 0, BoldFont());
      if (row.partOfSpeech != lastPos && row.partOfSpeech < 8) posTop_[row.partOfSpeech] = y;
      lastPos = row.partOfSpeech;
      y += lineHeight + 2;
      continue;
    }
    const int editLeft = N + N / 5;
    HWND edit = make(L"EDIT", ES_MULTILINE | ES_READONLY | WS_TABSTOP, AnsiToWide(row.gloss), editLeft, y,
                     textWidth - editLeft, lineHeight, kSenseEditBase + row.senseIndex, DefsFont());
    int lines = std::max(1, int(SendMessageW(edit, EM_GETLINECOUNT, 0, 0)));
    if (lines > 1) SetWindowPos(edit, nullptr, 0, 0, textWidth - editLeft, lines * lineHeight, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowSubclass(edit, DefEditProc, kEditSubclass, DWORD_PTR(this));
    defEdits_.push_back(edit);
    make(L"STATIC", SS_RIGHT | SS_NOTIFY | SS_NOPREFIX, std::to_wstring(row.number) + L".", 0, y, N,
         lines * lineHeight, kSenseLabelBase + row.senseIndex, DefsFont());
    y += lines * lineHeight + 2;
  }
  if (!model_.notFoundWord.empty())
    make(L"STATIC", SS_LEFT | SS_NOPREFIX, CaptionW(texts, txtDefWordNotFound) + AnsiToWide(model_.notFoundWord), 0,
         0, textWidth, lineHeight, 0, BoldFont());
  contentHeight_ = y;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = 0;
  si.nMax = std::max(0, y - 1);
  si.nPage = UINT(client.bottom);
  si.nPos = 0;
  SetScrollInfo(defs_, SB_VERT, &si, TRUE);
  InvalidateRect(defs_, nullptr, TRUE);
}

void TDefinitionsForm::ScrollDefsTo(int pos) {
  RECT client;
  GetClientRect(defs_, &client);
  pos = std::clamp(pos, 0, std::max(0, contentHeight_ - int(client.bottom)));
  if (pos == scrollPos_) return;
  ScrollWindowEx(defs_, 0, scrollPos_ - pos, nullptr, nullptr, nullptr, nullptr,
                 SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  scrollPos_ = pos;
  SetScrollPos(defs_, SB_VERT, pos, TRUE);
}

LRESULT TDefinitionsForm::OnDefsMessage(HWND defs, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_VSCROLL: {
      RECT client;
      GetClientRect(defs, &client);
      int pos = scrollPos_;
      int line = LineHeight(defs, DefsFont());
      switch (LOWORD(wp)) {
        case SB_LINEUP: pos -= line; break;
        case SB_LINEDOWN: pos += line; break;
        case SB_PAGEUP: pos -= client.bottom; break;
        case SB_PAGEDOWN: pos += client.bottom; break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
          SCROLLINFO si{};
          si.cbSize = sizeof si;
          si.fMask = SIF_TRACKPOS;
          GetScrollInfo(defs, SB_VERT, &si);
          pos = si.nTrackPos;
          break;
        }
        case SB_TOP: pos = 0; break;
        case SB_BOTTOM: pos = contentHeight_; break;
      }
      ScrollDefsTo(pos);
      return 0;
    }
    case WM_MOUSEWHEEL:
      ScrollDefsTo(scrollPos_ - GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * 3 * LineHeight(defs, DefsFont()));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT: {
      HDC dc = HDC(wp);
      int id = GetDlgCtrlID(HWND(lp));
      int sense = id >= kSenseEditBase ? id - kSenseEditBase : id >= kSenseLabelBase ? id - kSenseLabelBase : -1;
      bool chosen = sense >= 0 && sense == model_.chosenSense;
      SetTextColor(dc, chosen ? highlight_ : GetSysColor(COLOR_WINDOWTEXT));
      SetBkColor(dc, GetSysColor(COLOR_WINDOW));
      return LRESULT(GetSysColorBrush(COLOR_WINDOW));
    }
    case WM_COMMAND: {
      int id = LOWORD(wp), code = HIWORD(wp);
      try {
        if (id >= kSenseEditBase) {
          if (code == EN_SETFOCUS) {
            model_.EnterDefinition();
            SendMessageW(HWND(lp), EM_SETSEL, 0, 0);
            SendMessageW(Item(idDefSynonyms), LB_SETCURSEL, WPARAM(-1), 0);
            Sync();
          } else if (code == EN_KILLFOCUS && focusGoingTo_ != Item(idDefCopyButton)) {
            // The copy button takes what was selected; anything else forgets it.
            model_.LeaveDefinition();
            Sync();
          }
        } else if (id >= kSenseLabelBase && code == STN_CLICKED) {
          model_.ChooseSense(id - kSenseLabelBase);
          Sync();
        }
      } catch (const std::exception& e) {
        ShowError(e);
      }
      return 0;
    }
  }
  return DefWindowProcW(defs, msg, wp, lp);
}

void TDefinitionsForm::Sync() {
  if (!hwnd_) return;
  syncing_ = true;
  const CaptionTable& texts = DefinitionsFormTexts();
  HWND combo = Item(idDefKeyWord);
  if (shownHistory_ != model_.historyVersion) {
    shownHistory_ = model_.historyVersion;
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (auto it = model_.history.rbegin(); it != model_.history.rend(); ++it)
      SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(AnsiToWide(*it).c_str()));
    shownKeyWord_ = "\x01";
  }
  if (shownKeyWord_ != model_.keyWord && AnsiOfWindow(combo) != model_.keyWord) {
    SetWindowTextW(combo, AnsiToWide(model_.keyWord).c_str());
  }
  if (shownKeyWord_ != model_.keyWord) {
    shownKeyWord_ = model_.keyWord;
    SendMessageW(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  }
  if (shownRows_ != model_.rowsVersion) {
    shownRows_ = model_.rowsVersion;
    RenderDefinitions();
  } else {
    InvalidateRect(defs_, nullptr, TRUE);
  }
  if (model_.scrollToPartOfSpeech >= 0) {
    ScrollDefsTo(posTop_[model_.scrollToPartOfSpeech & 7]);
    model_.scrollToPartOfSpeech = -1;
  }
  HWND tabs = Item(idDefViewTabs);
  if (shownTabs_ != model_.tabsVersion) {
    shownTabs_ = model_.tabsVersion;
    SendMessageW(tabs, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < model_.tabs.size(); ++i) {
      std::wstring name = CaptionW(texts, txtDefRelation0 + model_.tabs[i]);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = name.data();
      SendMessageW(tabs, TCM_INSERTITEMW, WPARAM(i), LPARAM(&item));
    }
    Layout();  // the rows of tabs decide where the list starts
  }
  SendMessageW(tabs, TCM_SETCURSEL, WPARAM(model_.selectedTab), 0);
  HWND list = Item(idDefSynonyms);
  if (shownWords_ != model_.wordsVersion) {
    shownWords_ = model_.wordsVersion;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const auto& w : model_.words) SendMessageW(list, LB_ADDSTRING, 0, LPARAM(AnsiToWide(w).c_str()));
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  }
  if (int(SendMessageW(list, LB_GETCURSEL, 0, 0)) != model_.wordSelected)
    SendMessageW(list, LB_SETCURSEL, WPARAM(model_.wordSelected), 0);
  const HWND focus = GetFocus();
  EnableWindow(Item(idDefSearchButton), model_.searchEnabled);
  EnableWindow(Item(idDefCopyButton), model_.copyEnabled);
  EnableWindow(Item(idDefPreviousBut), model_.previousEnabled);
  for (int i = 0; i < 4; ++i) {
    EnableWindow(Item(idDefNounButton + i), model_.posEnabled[i]);
    SendMessageW(Item(idDefNounButton + i), BM_SETCHECK, model_.posDown[i] ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  KeepFocusOnAnEnabledControl(focus);
  syncing_ = false;
}

void TDefinitionsForm::KeepFocusOnAnEnabledControl(HWND before) {
  // Lookup and Previous disable themselves when pressed; disabling the focused
  // control leaves no focus at all, and the window would take no keys, so the
  // word box takes it.
  if (before && IsChild(hwnd_, before) && !IsWindowEnabled(before))
    SendMessageW(hwnd_, WM_NEXTDLGCTL, WPARAM(Item(idDefKeyWord)), TRUE);
}

void TDefinitionsForm::EndWith(bool ok) {
  ok_ = ok;
  RECT r;
  if (!IsIconic(hwnd_) && !IsZoomed(hwnd_) && GetWindowRect(hwnd_, &r)) {
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
  }
  EndDialog(hwnd_, ok ? IDOK : IDCANCEL);
}

void TDefinitionsForm::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case idDefKeyWord:
      if (code == CBN_EDITCHANGE) {
        model_.KeyWordChanged(AnsiOfWindow(control));
        shownKeyWord_ = model_.keyWord;
      } else if (code == CBN_SELCHANGE) {
        int sel = int(SendMessageW(control, CB_GETCURSEL, 0, 0));
        int n = int(model_.history.size());
        if (sel >= 0 && sel < n) model_.KeyWordChanged(model_.history[size_t(n - 1 - sel)]);
        shownKeyWord_ = model_.keyWord;
      }
      break;
    case IDOK:  // Enter where the default button is gone (the word list answers its own)
    case idDefSearchButton: model_.Search(AnsiOfWindow(Item(idDefKeyWord))); break;
    case idDefPreviousBut: model_.Previous(); break;
    case idDefNounButton:
    case idDefVerbButton:
    case idDefAdjButton:
    case idDefAdvButton:
      if (code == BN_CLICKED)
        model_.PartOfSpeechButton(id - idDefNounButton, SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
      break;
    case idDefSynonyms:
      if (code == LBN_SELCHANGE) {
        model_.SelectWord(int(SendMessageW(control, LB_GETCURSEL, 0, 0)));
      } else if (code == LBN_DBLCLK) {
        return ActivateWordList();
      }
      break;
    case idDefCopyButton: {
      if (onCopyClick_) onCopyClick_();
      switch (model_.CopyButton()) {
        case TDefinitionsFormModel::CopyResult::CloseOk: return EndWith(true);
        case TDefinitionsFormModel::CopyResult::PutOnClipboard:
          PutOnClipboard(hwnd_, AnsiToWide(model_.ReturnWord()));
          break;
        case TDefinitionsFormModel::CopyResult::None: break;
      }
      break;
    }
    case idDefHelpButton: {
      wchar_t path[MAX_PATH] = {};
      DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
      std::wstring help(path, n);
      size_t slash = help.find_last_of(L"\\/");
      help = (slash == std::wstring::npos ? L"" : help.substr(0, slash + 1)) + L"Wendrix.hlp";
      WinHelpW(hwnd_, help.c_str(), HELP_CONTEXT, kHelpContext);  // a failure is ignored
      break;
    }
    case idDefCloseButton: return EndWith(false);
    default: return;
  }
  Sync();
}

INT_PTR TDefinitionsForm::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_INITDIALOG:
      CreateControls();
      captions_ = std::make_unique<WindowCaptions>(hwnd_, DefinitionsFormTexts(), [this] { ApplyTexts(); });
      SetForegroundWindow(hwnd_);
      SetFocus(Item(idDefKeyWord));
      return FALSE;
    case WM_DESTROY:
      RemoveWindowSubclass(Item(idDefSynonyms), WordListProc, kWordListSubclass);
      captions_.reset();
      return FALSE;
    case WM_SIZE:
      Layout();
      return TRUE;
    case WM_GETMINMAXINFO: {
      auto* mm = reinterpret_cast<MINMAXINFO*>(lp);
      mm->ptMinTrackSize.x = Scale(kDefinitionsMinWidth);
      mm->ptMinTrackSize.y = Scale(kDefinitionsMinHeight);
      return TRUE;
    }
    case WM_COMMAND:
      if (syncing_) return TRUE;
      OnCommand(LOWORD(wp), HIWORD(wp), HWND(lp));
      return TRUE;
    case WM_NOTIFY: {
      auto* hdr = reinterpret_cast<NMHDR*>(lp);
      if (!syncing_ && hdr->idFrom == UINT_PTR(idDefViewTabs) && hdr->code == TCN_SELCHANGE) {
        model_.ChooseTab(int(SendMessageW(hdr->hwndFrom, TCM_GETCURSEL, 0, 0)));
        Sync();
        return TRUE;
      }
      break;
    }
  }
  return FALSE;
}

}  // namespace wx
