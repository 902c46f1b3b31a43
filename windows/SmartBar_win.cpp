#include "windows/SmartBar_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <uxtheme.h>
#include <vssym32.h>

#include <iterator>

#include "common/AnsiText.h"
#include "ui/Dpi_win.h"
#include "ui/Window_win.h"
#include "ui/WindowPlacement_win.h"

namespace wx {

namespace {

const wchar_t kClassName[] = L"TfrmSmartBar";
constexpr UINT_PTR kRepaintTimer = 1;
constexpr int kButtonIdBase = 100;
// The caption table gives the buttons' texts by control id.
static_assert(int(SmartBarText::SpellClip) == kButtonIdBase + int(SmartBarButtonKind::SpellCheck) &&
              int(SmartBarText::Help) == kButtonIdBase + int(SmartBarButtonKind::Help));
constexpr UINT_PTR kButtonSubclass = 1;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;

// The images, from the program's resources: the large ones 32x32, the small ones 16x16.
const wchar_t* const kLargeImages[] = {L"SBSPELL", L"SBTHES", L"SBDEFS"};
const wchar_t* const kSmallImages[] = {L"SBEDITOR", L"SBOPTIONS", L"SBHELP"};

void DrawDropArrow(HDC dc, int cx, int cy) {
  POINT tri[] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
  HBRUSH br = CreateSolidBrush(GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ ob = SelectObject(dc, br), op = SelectObject(dc, GetStockObject(NULL_PEN));
  Polygon(dc, tri, 3);
  SelectObject(dc, ob), SelectObject(dc, op);
  DeleteObject(br);
}

// Where the frame puts the caption's close button, in screen coordinates:
// the points of the title bar the frame answers HTCLOSE for.
bool CloseButtonRect(HWND w, RECT& out) {
  TITLEBARINFO info{};
  info.cbSize = sizeof info;
  RECT wr{};
  if (!GetTitleBarInfo(w, &info) || !GetWindowRect(w, &wr)) return false;
  const RECT& bar = info.rcTitleBar;
  auto isClose = [w](int x, int y) {
    return DefWindowProcW(w, WM_NCHITTEST, 0, MAKELPARAM(short(x), short(y))) == HTCLOSE;
  };
  const int mid = (bar.top + bar.bottom) / 2;
  int right = wr.right;
  while (right > wr.left && !isClose(right - 1, mid)) --right;
  if (right == wr.left) return false;
  int left = right - 1, top = mid, bottom = mid + 1;
  while (left > wr.left && isClose(left - 1, mid)) --left;
  while (top > wr.top && isClose(left, top - 1)) --top;
  while (bottom < wr.bottom && isClose(left, bottom)) ++bottom;
  out = {left, top, right, bottom};
  return true;
}

// The close button drawn as a raised (or, pressed, sunken) button with a
// cross of two lines: the frame draws its cross as a letter of a symbol font,
// which shows as a plain "r" where that font is missing.
void DrawCloseButton(HWND w, bool pressed) {
  RECT r{}, wr{};
  if (!CloseButtonRect(w, r) || !GetWindowRect(w, &wr)) return;
  OffsetRect(&r, -wr.left, -wr.top);
  HDC dc = GetWindowDC(w);
  if (!dc) return;
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  DrawEdge(dc, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  const int size = std::min(r.right - r.left, r.bottom - r.top);
  const int inset = std::max(3, size * 3 / 10), shift = pressed ? 1 : 0;
  const int thick = std::max(1, size / 8);
  HPEN pen = CreatePen(PS_SOLID, thick, GetSysColor(COLOR_BTNTEXT));
  HGDIOBJ old = SelectObject(dc, pen);
  const int cx = (r.left + r.right) / 2 + shift, cy = (r.top + r.bottom) / 2 + shift, half = size / 2 - inset;
  MoveToEx(dc, cx - half, cy - half, nullptr);
  LineTo(dc, cx + half + 1, cy + half + 1);
  MoveToEx(dc, cx + half, cy - half, nullptr);
  LineTo(dc, cx - half - 1, cy + half + 1);
  SelectObject(dc, old);
  DeleteObject(pen);
  ReleaseDC(w, dc);
}

HMENU BuildMenu(const std::vector<TSmartBarMenuItem>& items) {
  HMENU menu = CreatePopupMenu();
  for (const TSmartBarMenuItem& i : items) {
    std::wstring text = Utf8ToWide(i.text);
    if (i.kind == TSmartBarMenuItem::Separator) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_STRING | MIIM_STATE | MIIM_FTYPE | MIIM_ID;
    mi.fType = i.radio ? MFT_RADIOCHECK : MFT_STRING;
    mi.fState = (i.enabled ? MFS_ENABLED : MFS_GRAYED) | (i.checked ? MFS_CHECKED : 0);
    mi.wID = UINT(i.id);
    mi.dwTypeData = text.data();
    if (i.kind == TSmartBarMenuItem::Submenu) {
      mi.fMask |= MIIM_SUBMENU;
      mi.hSubMenu = BuildMenu(i.items);
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &mi);
  }
  return menu;
}

}  // namespace

TfrmSmartBar::TfrmSmartBar(TSmartBarHost host)
    : model_(host.features, LayeredWindowsAvailable()), host_(std::move(host)) {}

TfrmSmartBar::~TfrmSmartBar() {
  captions_.reset();
  layered_.reset();
  magnet_.reset();
  if (window_) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
  FreeIcons();
}

void TfrmSmartBar::FreeIcons() {
  for (HICON& icon : icons_) {
    if (icon) DestroyIcon(icon);
    icon = nullptr;
  }
}

void TfrmSmartBar::LoadIcons() {
  // The system stretches the drawn images to these sizes.
  FreeIcons();
  HINSTANCE inst = GetModuleHandleW(nullptr);
  const int large = Scale(32), small = Scale(16);
  for (int i = 0; i < 3; ++i) {
    icons_[i] = static_cast<HICON>(LoadImageW(inst, kLargeImages[i], IMAGE_ICON, large, large, 0));
    icons_[3 + i] = static_cast<HICON>(LoadImageW(inst, kSmallImages[i], IMAGE_ICON, small, small, 0));
  }
}

void TfrmSmartBar::PlaceButtons() {
  int y = 0;
  for (const TSmartBarButton& b : model_.Buttons()) {
    HWND h = buttons_[int(b.kind)];
    if (!h) continue;
    SetWindowPos(h, nullptr, 0, Scale(y), Scale(TSmartBarModel::kWidth), Scale(y + b.height) - Scale(y),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    dpi_.ApplyFont(h);
    if (b.visible) y += b.height;
  }
}

bool TfrmSmartBar::Create() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  RegisterWindowClass(kClassName, WndProc, nullptr, LoadCursorW(nullptr, IDC_ARROW), GetSysColorBrush(COLOR_MENU));
  RECT r{0, 0, TSmartBarModel::kWidth, model_.ClientHeight()};
  AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
  window_ = CreateWindowExW(kExStyle, kClassName, Utf8ToWide(SmartBarCaption(SmartBarText::Caption)).c_str(), kStyle,
                            0, 0, r.right - r.left, r.bottom - r.top, nullptr, nullptr, inst, this);
  if (!window_) return false;

  // Laid out in 96-DPI pixels for the DPI of the monitor the bar is on.
  dpi_.Attach(window_);
  LoadIcons();
  // On a monitor of another DPI the follower takes the suggested place and
  // gives the buttons the font at that DPI; images and buttons follow here.
  dpi_.OnDpiChanged([this] {
    LoadIcons();
    PlaceButtons();
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  });
  if (dpi_.Dpi() != kBaseDpi) {
    RECT scaled{0, 0, Scale(TSmartBarModel::kWidth), Scale(model_.ClientHeight())};
    AdjustWindowRectEx(&scaled, kStyle, FALSE, kExStyle);
    SetWindowPos(window_, nullptr, 0, 0, scaled.right - scaled.left, scaled.bottom - scaled.top,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  }
  CreateButtons();

  // Snaps to the work area's edges from 14 pixels; a bare spot drags the bar.
  magnet_ = std::make_unique<TFormMagnetHook>(window_);
  TFormMagnet& m = magnet_->Magnet();
  m.Glue = false;
  m.FormDragable = true;
  m.MagnetType = mkOnMoving;
  m.Power = 20;
  m.ScreenMagnet = TScreenMagnet{saWorkArea, 15, true, true, true, true};
  layered_ = std::make_unique<TLayeredWindow>(window_);
  captions_ = std::make_unique<WindowCaptions>(window_, SmartBarTexts(), [this] { TextsChanged(); });
  return true;
}

void TfrmSmartBar::TextsChanged() {
  model_.RefreshTexts();
  if (!window_) return;
  for (const TSmartBarButton& b : model_.Buttons()) {
    HWND h = buttons_[int(b.kind)];
    if (!h || !tooltip_ || b.hint.empty()) continue;
    std::wstring hint = Utf8ToWide(b.hint);
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = window_;
    ti.uId = reinterpret_cast<UINT_PTR>(h);
    ti.lpszText = hint.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void TfrmSmartBar::CreateButtons() {
  HINSTANCE inst = GetModuleHandleW(nullptr);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, window_,
                             nullptr, inst, nullptr);
  for (const TSmartBarButton& b : model_.Buttons()) {
    int i = int(b.kind);
    HWND h = CreateWindowExW(0, L"BUTTON", Utf8ToWide(b.caption).c_str(),
                             WS_CHILD | BS_OWNERDRAW | (b.visible ? WS_VISIBLE : 0), 0, 0, 0, 0, window_,
                             HMENU(INT_PTR(kButtonIdBase + i)), inst, nullptr);
    buttons_[i] = h;
    if (!h) continue;
    SetWindowSubclass(h, ButtonProc, kButtonSubclass, reinterpret_cast<DWORD_PTR>(this));
    if (tooltip_ && !b.hint.empty()) {
      std::wstring hint = Utf8ToWide(b.hint);
      TTTOOLINFOW ti{};
      ti.cbSize = sizeof ti;
      ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
      ti.hwnd = window_;
      ti.uId = reinterpret_cast<UINT_PTR>(h);
      ti.lpszText = hint.data();
      SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
  }
  PlaceButtons();
}

void TfrmSmartBar::Show() {
  if (!window_) return;
  RECT wr;
  GetWindowRect(window_, &wr);
  Registry& reg = CurrentRegistry();
  TRect place = model_.Placement(reg, PrimaryWorkArea(), MonitorWorkAreas(), wr.right - wr.left, wr.bottom - wr.top);
  SetWindowPos(window_, nullptr, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  model_.LoadOptions(reg);
  ApplyAlwaysOnTop();
  model_.ApplyTransparency(layered_->Form(), false);
  ShowWindow(window_, SW_SHOW);
  SetTimer(window_, kRepaintTimer, 100, nullptr);
}

void TfrmSmartBar::ApplyAlwaysOnTop() {
  SetWindowPos(window_, model_.AlwaysOnTop() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfrmSmartBar::SavePosition() {
  if (window_) TSmartBarModel::SavePosition(CurrentRegistry(), WindowRectOf(window_));
}

bool TfrmSmartBar::Close() {
  if (!window_ || closing_) return false;
  const bool shuttingDown = host_.shuttingDown && host_.shuttingDown();
  if (!TSmartBarModel::CloseQuery(shuttingDown, host_.optionsWindowVisible && host_.optionsWindowVisible()))
    return false;
  closing_ = true;
  if (TSmartBarModel::ShowsCloseNotice(shuttingDown) && host_.showCloseNotice) {
    // Not fatal when it fails: the bar closes all the same.
    Guarded([this] { host_.showCloseNotice(); });
  }
  Guarded([this] {
    SavePosition();
    model_.SaveOptions(CurrentRegistry());
  });
  DestroyWindow(window_);
  return true;
}

LRESULT CALLBACK TfrmSmartBar::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = WindowOwner<TfrmSmartBar>(hwnd, msg, lp);
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  if (!self->window_) self->window_ = hwnd;
  LRESULT result = 0;
  Guarded([&] { result = self->Handle(msg, wp, lp); });
  return result;
}

LRESULT TfrmSmartBar::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND: {
      int id = LOWORD(wp) - kButtonIdBase;
      if (HIWORD(wp) == BN_CLICKED && id >= 0 && id < 6) ButtonClicked(SmartBarButtonKind(id));
      return 0;
    }
    case WM_CONTEXTMENU:
      // The help menu also opens on a right click of its button.
      if (HWND(wp) == buttons_[int(SmartBarButtonKind::Help)]) {
        POINT at{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        if (at.x == -1 && at.y == -1) GetCursorPos(&at);
        OpenMenu(SmartBarButtonKind::Help, at);
        return 0;
      }
      break;
    case WM_DRAWITEM:
      DrawButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
      return TRUE;
    case WM_TIMER:
      if (wp == kRepaintTimer) {
        KillTimer(window_, kRepaintTimer);
        RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
      }
      return 0;
    // The frame paints the caption: the close button is drawn again over it.
    case WM_NCPAINT:
    case WM_NCACTIVATE:
    case WM_SETTEXT: {
      const LRESULT r = DefWindowProcW(window_, msg, wp, lp);
      DrawCloseButton(window_, false);
      return r;
    }
    // The close button pressed and released here: the frame's own tracking
    // would draw its cross again.
    case WM_NCLBUTTONDOWN:
      if (wp != HTCLOSE) break;
      closePressed_ = true;
      DrawCloseButton(window_, true);
      return 0;
    case WM_NCLBUTTONUP:
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE:
      if (!closePressed_) break;
      if (msg == WM_NCLBUTTONUP || wp != HTCLOSE) {
        closePressed_ = false;
        DrawCloseButton(window_, false);
        if (msg == WM_NCLBUTTONUP && wp == HTCLOSE) PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      // The session ends: the place and options are saved without the notice.
      if (wp) {
        if (host_.sessionEnding) host_.sessionEnding();
        Close();
      }
      return 0;
    case WM_NCDESTROY: {
      HWND h = window_;
      window_ = nullptr;
      tooltip_ = nullptr;
      for (HWND& b : buttons_) b = nullptr;
      if (host_.destroyed) host_.destroyed();
      return DefWindowProcW(h, msg, wp, lp);
    }
  }
  return DefWindowProcW(window_, msg, wp, lp);
}

void TfrmSmartBar::ButtonClicked(SmartBarButtonKind kind) {
  TSmartBarAction a = model_.ButtonClick(kind, host_.busy && host_.busy(), !host_.acceptsInput || host_.acceptsInput());
  if (a.kind == TSmartBarAction::OpenMenu) {
    RECT r;
    GetWindowRect(buttons_[int(kind)], &r);
    OpenMenu(kind, {r.left, r.bottom});
    return;
  }
  Perform(a);
}

void TfrmSmartBar::OpenMenu(SmartBarButtonKind kind, POINT at) {
  std::vector<TSmartBarMenuItem> items;
  if (kind == SmartBarButtonKind::Editor) {
    items = model_.EditorMenu();
  } else if (kind == SmartBarButtonKind::Options) {
    items = model_.OptionsMenu();
  } else {
    // The update tool's item is enabled only when the tool lies beside the program.
    items = model_.HelpMenu(host_.updaterPresent && host_.updaterPresent());
  }
  HMENU menu = BuildMenu(items);
  // The menu takes the keyboard only when the bar is in front.
  ForceForeground(window_);
  int id = int(TrackPopupMenuEx(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y,
                                window_, nullptr));
  PostMessageW(window_, WM_NULL, 0, 0);
  DestroyMenu(menu);
  if (id) MenuChosen(id);
}

void TfrmSmartBar::MenuChosen(int id) {
  Perform(model_.MenuChoice(id, host_.busy && host_.busy(), !host_.acceptsInput || host_.acceptsInput(),
                            CurrentRegistry()));
}

void TfrmSmartBar::Perform(const TSmartBarAction& a) {
  switch (a.kind) {
    case TSmartBarAction::RunCommand:
      if (host_.runCommand) host_.runCommand(a.command);
      break;
    case TSmartBarAction::AlwaysOnTopChanged:
      ApplyAlwaysOnTop();
      break;
    case TSmartBarAction::TransparencyChanged:
      model_.ApplyTransparency(layered_->Form(), true);
      break;
    default:
      break;  // refused while busy, or nothing to do
  }
}

LRESULT CALLBACK TfrmSmartBar::ButtonProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TfrmSmartBar*>(data);
  switch (msg) {
    case WM_MOUSEMOVE: {
      int i = GetDlgCtrlID(h) - kButtonIdBase;
      if (self->hot_ != i) {
        if (self->hot_ >= 0 && self->buttons_[self->hot_]) InvalidateRect(self->buttons_[self->hot_], nullptr, FALSE);
        self->hot_ = i;
        InvalidateRect(h, nullptr, FALSE);
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, h, 0};
        TrackMouseEvent(&tme);
      }
      break;
    }
    case WM_MOUSELEAVE:
      if (self->hot_ == GetDlgCtrlID(h) - kButtonIdBase) self->hot_ = -1;
      InvalidateRect(h, nullptr, FALSE);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(h, ButtonProc, kButtonSubclass);
      break;
  }
  return DefSubclassProc(h, msg, wp, lp);
}

void TfrmSmartBar::DrawButton(const DRAWITEMSTRUCT& d) {
  int i = int(d.CtlID) - kButtonIdBase;
  if (i < 0 || i >= 6) return;
  const TSmartBarButton& b = model_.Buttons()[size_t(i)];
  RECT rc = d.rcItem;
  HDC dc = d.hDC;
  FillRect(dc, &rc, GetSysColorBrush(COLOR_MENU));
  const bool pressed = d.itemState & ODS_SELECTED, hot = hot_ == i;
  // Flat: the frame shows only under the mouse or while pressed.
  if (HTHEME theme = OpenThemeData(window_, L"TOOLBAR")) {
    int state = pressed ? TS_PRESSED : hot ? TS_HOT : TS_NORMAL;
    if (pressed || hot) DrawThemeBackground(theme, dc, TP_BUTTON, state, &rc, nullptr);
    CloseThemeData(theme);
  } else if (pressed || hot) {
    DrawEdge(dc, &rc, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(COLOR_MENUTEXT));
  HGDIOBJ oldFont = dpi_.Font() ? SelectObject(dc, dpi_.Font()) : nullptr;
  // The button's own text, which the caption layer keeps in the active language.
  wchar_t buf[128] = L"";
  GetWindowTextW(d.hwndItem, buf, int(std::size(buf)));
  std::wstring text = buf;
  const int shift = pressed ? 1 : 0;
  if (b.large) {
    const int size = Scale(32);
    if (HICON icon = icons_[b.image])
      DrawIconEx(dc, (rc.left + rc.right - size) / 2 + shift, rc.top + Scale(8) + shift, icon, size, size, 0, nullptr,
                 DI_NORMAL);
    RECT tr{rc.left, rc.top + Scale(42) + shift, rc.right, rc.bottom};
    DrawTextW(dc, text.c_str(), -1, &tr, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_END_ELLIPSIS);
  } else {
    const int size = Scale(16), dropDown = Scale(TSmartBarModel::kDropDownWidth);
    if (HICON icon = icons_[3 + b.image])
      DrawIconEx(dc, rc.left + Scale(5) + shift, (rc.top + rc.bottom - size) / 2 + shift, icon, size, size, 0, nullptr,
                 DI_NORMAL);
    RECT tr{rc.left + Scale(26) + shift, rc.top + shift, rc.right - dropDown, rc.bottom + shift};
    DrawTextW(dc, text.c_str(), -1, &tr, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    if (b.dropDown) DrawDropArrow(dc, rc.right - dropDown / 2, (rc.top + rc.bottom) / 2);
  }
  if (oldFont) SelectObject(dc, oldFont);
}

}  // namespace wx
