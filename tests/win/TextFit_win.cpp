#include "TextFit_win.h"

#include <commctrl.h>

#include <algorithm>
#include <map>

#include "ui/Dpi_win.h"

namespace wx::textfit {

namespace {

// Measures text in a font: DrawTextW's DT_CALCRECT with the given format, so
// that access-key marks are left out as the control leaves them out.
class Measurer {
 public:
  Measurer() : dc_(CreateCompatibleDC(nullptr)) {}
  ~Measurer() {
    if (old_) SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  Measurer(const Measurer&) = delete;
  Measurer& operator=(const Measurer&) = delete;

  void Use(HFONT font) {
    HGDIOBJ f = font ? HGDIOBJ(font) : GetStockObject(SYSTEM_FONT);
    HGDIOBJ prev = SelectObject(dc_, f);
    if (!old_) old_ = prev;
  }
  // The size the text takes in one line (wrapWidth 0) or wrapped at wrapWidth.
  SIZE Size(const std::wstring& text, UINT format, int wrapWidth = 0) {
    RECT r{0, 0, wrapWidth > 0 ? wrapWidth : 0, 0};
    format |= DT_CALCRECT | DT_EXPANDTABS | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc_, text.empty() ? L" " : text.c_str(), -1, &r, format);
    return SIZE{r.right - r.left, r.bottom - r.top};
  }
  int LineHeight() {
    TEXTMETRICW tm{};
    GetTextMetricsW(dc_, &tm);
    return tm.tmHeight;
  }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

std::wstring Describe(HWND h) {
  std::wstring text = TextOf(h);
  if (text.size() > 40) text = text.substr(0, 37) + L"...";
  return ClassOf(h) + L" \"" + text + L"\"";
}

std::wstring Px(int n) { return std::to_wstring(n) + L" px"; }

bool IsTextStatic(HWND h, LONG style) {
  if (ClassOf(h) != L"Static") return false;
  switch (style & SS_TYPEMASK) {
    case SS_LEFT: case SS_CENTER: case SS_RIGHT: case SS_LEFTNOWORDWRAP: case SS_SIMPLE: return true;
    default: return false;
  }
}

// The button types that show their own text beside a box or inside a frame.
enum class ButtonKind { Push, Check, Group, Other };
ButtonKind KindOf(LONG style) {
  if (style & BS_PUSHLIKE) return ButtonKind::Push;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON: case BS_DEFPUSHBUTTON: return ButtonKind::Push;
    case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_3STATE: case BS_AUTO3STATE: case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return ButtonKind::Check;
    case BS_GROUPBOX: return ButtonKind::Group;
    default: return ButtonKind::Other;
  }
}

struct Context {
  std::vector<Finding>& out;
  Measurer m;
  int dpi;
  int S(int px) const { return MulDiv(px, dpi, 96); }
  void Add(HWND h, const std::wstring& problem) {
    out.push_back({GetDlgCtrlID(h), Describe(h), problem});
  }
};

// A text inside a room: one line, or wrapped when the control wraps.
void FitText(Context& c, HWND h, const std::wstring& text, UINT format, int roomW, int roomH, bool wraps) {
  if (wraps) {
    const SIZE one = c.m.Size(text, format);
    if (one.cx <= roomW && one.cy <= roomH) return;
    const SIZE s = c.m.Size(text, format, std::max(roomW, 1));
    if (s.cx > roomW)
      c.Add(h, L"a word is " + Px(s.cx) + L" wide, the control has " + Px(roomW));
    else if (s.cy > roomH)
      c.Add(h, L"the wrapped text is " + Px(s.cy) + L" high, the control has " + Px(roomH) + L" (in one line " +
                   Px(one.cx) + L", the control is " + Px(roomW) + L" wide)");
    return;
  }
  const SIZE s = c.m.Size(text, format);
  if (s.cx > roomW) c.Add(h, L"the text is " + Px(s.cx) + L" wide, the room " + Px(roomW));
  else if (s.cy > roomH) c.Add(h, L"the text is " + Px(s.cy) + L" high, the room " + Px(roomH));
}

void CheckButton(Context& c, HWND h, LONG style, const RECT& rc) {
  const std::wstring text = TextOf(h);
  if (text.empty()) return;
  const int w = rc.right - rc.left, hgt = rc.bottom - rc.top;
  const bool wraps = style & BS_MULTILINE;
  switch (KindOf(style)) {
    case ButtonKind::Push:
      // The raised edge and the focus rectangle take a few pixels on each side.
      FitText(c, h, text, DT_CENTER, w - 2 * c.S(4), hgt - 2 * c.S(2), wraps);
      break;
    case ButtonKind::Check:
      // The box, the gap after it, and a pixel of air at the end.
      FitText(c, h, text, DT_LEFT, w - c.S(13) - c.S(4) - c.S(1), hgt, wraps);
      break;
    case ButtonKind::Group: {
      // The heading sits on the frame, indented from it on both sides.
      const SIZE s = c.m.Size(text, DT_LEFT);
      if (s.cx + 2 * c.S(8) > w)
        c.Add(h, L"the heading is " + Px(s.cx) + L" wide, the frame leaves " + Px(w - 2 * c.S(8)));
      break;
    }
    case ButtonKind::Other: break;
  }
}

void CheckStatic(Context& c, HWND h, LONG style, LONG exStyle, const RECT& rc) {
  if (style & (SS_ENDELLIPSIS | SS_PATHELLIPSIS | SS_WORDELLIPSIS)) return;  // shortened on purpose
  const std::wstring text = TextOf(h);
  if (text.empty()) return;
  const int w = rc.right - rc.left, hgt = rc.bottom - rc.top;
  const LONG type = style & SS_TYPEMASK;
  const UINT format = (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
  const bool wraps = type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
  const bool framed = (style & (WS_BORDER | SS_SUNKEN)) || (exStyle & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE));
  if (framed) {
    // Inside a frame the text needs air: a static draws it against its
    // client area's left (or right) edge, which is the frame itself.
    const SIZE s = c.m.Size(text, format);
    if (type != SS_CENTER)
      c.Add(h, L"the text touches its frame (a framed static draws it against the edge)");
    else if (s.cx + 2 * c.S(2) > w || s.cy + c.S(2) > hgt)
      c.Add(h, L"the text (" + Px(s.cx) + L" x " + Px(s.cy) + L") touches its frame (" + Px(w) + L" x " + Px(hgt) +
                   L")");
    return;
  }
  FitText(c, h, text, format, w, hgt, wraps);
}

void CheckTabs(Context& c, HWND h, LONG style, const RECT& rc) {
  const int n = int(SendMessageW(h, TCM_GETITEMCOUNT, 0, 0));
  if (n <= 0) return;
  if (style & TCS_MULTILINE) {
    const int rows = int(SendMessageW(h, TCM_GETROWCOUNT, 0, 0));
    if (rows > 1) {
      // Rows are stretched to the control's width: measure the captions instead.
      int oneRow = 0;
      std::wstring captions;
      for (int i = 0; i < n; ++i) {
        wchar_t buf[128] = L"";
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = buf;
        item.cchTextMax = 128;
        SendMessageW(h, TCM_GETITEMW, WPARAM(i), LPARAM(&item));
        oneRow += c.m.Size(buf, 0).cx + 2 * c.S(6);
        captions += (i ? L", " : L"") + std::wstring(buf);
      }
      c.Add(h, L"the " + std::to_wstring(n) + L" tabs wrap to " + std::to_wstring(rows) + L" rows (one row needs " +
                   Px(oneRow) + L", the control has " + Px(rc.right - rc.left) + L"): " + captions);
    }
    return;
  }
  RECT last{};
  SendMessageW(h, TCM_GETITEMRECT, WPARAM(n - 1), LPARAM(&last));
  if (last.right > rc.right) c.Add(h, L"the tabs need " + Px(last.right) + L", the control has " + Px(rc.right));
}

std::wstring ItemText(HWND lv, int row, int col) {
  wchar_t buf[512] = L"";
  LVITEMW item{};
  item.iSubItem = col;
  item.pszText = buf;
  item.cchTextMax = 512;
  SendMessageW(lv, LVM_GETITEMTEXTW, WPARAM(row), LPARAM(&item));
  return buf;
}

void CheckListView(Context& c, HWND h, LONG style, const RECT& rc) {
  if ((style & LVS_TYPEMASK) != LVS_REPORT) return;
  HWND header = HWND(SendMessageW(h, LVM_GETHEADER, 0, 0));
  const int cols = header ? int(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
  if (cols <= 0) return;
  std::vector<int> widths(size_t(cols), 0);
  int total = 0;
  for (int i = 0; i < cols; ++i) total += widths[size_t(i)] = int(SendMessageW(h, LVM_GETCOLUMNWIDTH, WPARAM(i), 0));
  const int spare = (rc.right - rc.left) - total;
  if (!(style & LVS_NOCOLUMNHEADER)) {
    c.m.Use(HFONT(SendMessageW(header, WM_GETFONT, 0, 0)));
    for (int i = 0; i < cols; ++i) {
      wchar_t buf[256] = L"";
      HDITEMW item{};
      item.mask = HDI_TEXT;
      item.pszText = buf;
      item.cchTextMax = 256;
      SendMessageW(header, HDM_GETITEMW, WPARAM(i), LPARAM(&item));
      if (!buf[0]) continue;
      const SIZE s = c.m.Size(buf, DT_NOPREFIX);
      if (s.cx + 2 * c.S(6) > widths[size_t(i)])
        c.Add(h, L"column heading \"" + std::wstring(buf) + L"\" is " + Px(s.cx) + L" wide, the column " +
                     Px(widths[size_t(i)]));
    }
  }
  // A row cut short although the list has room to its right: the column
  // should take that room.
  if (spare <= c.S(2)) return;
  const int rows = std::min(int(SendMessageW(h, LVM_GETITEMCOUNT, 0, 0)), 500);
  for (int col = 0; col < cols; ++col)
    for (int row = 0; row < rows; ++row) {
      const std::wstring text = ItemText(h, row, col);
      // The list's own padding around a label (what LVSCW_AUTOSIZE adds).
      const int need = int(SendMessageW(h, LVM_GETSTRINGWIDTHW, 0, LPARAM(text.c_str()))) + 12;
      if (need > widths[size_t(col)]) {
        c.Add(h, L"row \"" + text + L"\" needs " + Px(need) + L" in a column of " + Px(widths[size_t(col)]) +
                     L" while the list has " + Px(spare) + L" to spare");
        break;
      }
    }
}

// A toolbar sizes its buttons to their images and texts: all of them must
// lie within its width (a button beyond it cannot be seen or clicked).
void CheckToolbar(Context& c, HWND h, const RECT& rc) {
  const int n = int(SendMessageW(h, TB_BUTTONCOUNT, 0, 0));
  for (int i = 0; i < n; ++i) {
    TBBUTTON b{};
    SendMessageW(h, TB_GETBUTTON, WPARAM(i), LPARAM(&b));
    if (b.fsState & TBSTATE_HIDDEN) continue;
    RECT r{};
    SendMessageW(h, TB_GETITEMRECT, WPARAM(i), LPARAM(&r));
    if (r.right > rc.right) {
      c.Add(h, L"button " + std::to_wstring(b.idCommand) + L" ends at " + Px(r.right) + L", the toolbar is " +
                   Px(rc.right) + L" wide");
      return;
    }
  }
}

std::vector<HWND> Children(HWND top) {
  std::vector<HWND> all;
  EnumChildWindows(
      top,
      [](HWND h, LPARAM p) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
      },
      LPARAM(&all));
  return all;
}

// True for controls whose text is a caption the user reads (not content).
bool HoldsKey(HWND h) {
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  if (IsTextStatic(h, style)) return !(style & SS_NOPREFIX);
  if (ClassOf(h) == L"Button") return KindOf(style) != ButtonKind::Other;
  return false;
}

// A control the user types into or chooses from (a read-only edit shows text).
bool IsInput(HWND h) {
  const std::wstring cls = ClassOf(h);
  const bool edit = _wcsicmp(cls.c_str(), L"Edit") == 0 || _wcsnicmp(cls.c_str(), L"RichEdit", 8) == 0;
  if (edit && (GetWindowLongW(h, GWL_STYLE) & ES_READONLY)) return false;
  for (const wchar_t* input : {L"Edit", L"ComboBox", L"ListBox", L"SysListView32", L"SysTreeView32", L"RichEdit20W",
                               L"RICHEDIT50W", L"msctls_hotkey32", L"ComboBoxEx32"})
    if (_wcsicmp(cls.c_str(), input) == 0) return true;
  return false;
}

}  // namespace

std::wstring TextOf(HWND h) {
  wchar_t buf[1024] = L"";
  DWORD_PTR result = 0;
  SendMessageTimeoutW(h, WM_GETTEXT, 1024, LPARAM(buf), SMTO_ABORTIFHUNG, 3000, &result);
  return buf;
}

std::wstring ClassOf(HWND h) {
  wchar_t buf[64] = L"";
  GetClassNameW(h, buf, 64);
  return buf;
}

wchar_t AccessKeyOf(const std::wstring& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] == L'&') {
      ++i;
      continue;
    }
    return wchar_t(reinterpret_cast<UINT_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(UINT_PTR(text[i + 1])))));
  }
  return 0;
}

void CheckTexts(HWND top, std::vector<Finding>& out, bool hiddenToo) {
  Context c{out, {}, WindowDpi(top)};
  for (HWND h : Children(top)) {
    if (!hiddenToo && !IsWindowVisible(h)) continue;
    const LONG style = GetWindowLongW(h, GWL_STYLE), exStyle = GetWindowLongW(h, GWL_EXSTYLE);
    RECT rc{};
    GetClientRect(h, &rc);
    c.m.Use(HFONT(SendMessageW(h, WM_GETFONT, 0, 0)));
    const std::wstring cls = ClassOf(h);
    if (cls == L"Button") CheckButton(c, h, style, rc);
    else if (IsTextStatic(h, style)) CheckStatic(c, h, style, exStyle, rc);
    else if (cls == WC_TABCONTROLW) CheckTabs(c, h, style, rc);
    else if (cls == WC_LISTVIEWW) CheckListView(c, h, style, rc);
    else if (cls == TOOLBARCLASSNAMEW) CheckToolbar(c, h, rc);
  }
}

void CheckAccessKeys(HWND top, std::vector<Finding>& out) {
  std::map<wchar_t, std::vector<HWND>> byKey;
  const std::vector<HWND> all = Children(top);
  for (HWND h : all) {
    if (!IsWindowVisible(h) || !HoldsKey(h)) continue;
    if (wchar_t key = AccessKeyOf(TextOf(h))) byKey[key].push_back(h);
  }
  for (const auto& [key, holders] : byKey) {
    if (holders.size() < 2) continue;
    std::wstring names;
    for (HWND h : holders) names += (names.empty() ? L"" : L", ") + Describe(h);
    out.push_back({GetDlgCtrlID(holders[0]), names, L"access key " + std::wstring(1, key) + L" is used " +
                                                        std::to_wstring(holders.size()) + L" times"});
  }
  // A label right before an input in tab order moves the focus to it by its key.
  for (HWND h : all) {
    if (!IsWindowVisible(h)) continue;
    const LONG style = GetWindowLongW(h, GWL_STYLE);
    if (!IsTextStatic(h, style) || TextOf(h).empty()) continue;
    HWND next = GetWindow(h, GW_HWNDNEXT);
    while (next && !IsWindowVisible(next)) next = GetWindow(next, GW_HWNDNEXT);
    if (!next || !IsInput(next)) continue;
    if ((style & SS_NOPREFIX) || !AccessKeyOf(TextOf(h)))
      out.push_back({GetDlgCtrlID(h), Describe(h), L"the label of " + ClassOf(next) + L" " +
                                                       std::to_wstring(GetDlgCtrlID(next)) + L" has no access key"});
  }
}

namespace {

void CheckMenuLevel(HMENU menu, const std::wstring& path, std::vector<Finding>& out) {
  const int n = GetMenuItemCount(menu);
  std::map<wchar_t, std::vector<std::wstring>> byKey;
  for (int i = 0; i < n; ++i) {
    wchar_t buf[256] = L"";
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_SUBMENU;
    info.dwTypeData = buf;
    info.cch = 256;
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info) || (info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW))) continue;
    std::wstring text = buf;
    text = text.substr(0, text.find(L'\t'));
    if (wchar_t key = AccessKeyOf(text)) byKey[key].push_back(text);
    if (info.hSubMenu) CheckMenuLevel(info.hSubMenu, path + L" > " + text, out);
  }
  for (const auto& [key, items] : byKey) {
    if (items.size() < 2) continue;
    std::wstring names;
    for (const std::wstring& t : items) names += (names.empty() ? L"\"" : L", \"") + t + L"\"";
    out.push_back({0, L"menu " + path + L": " + names, L"access key " + std::wstring(1, key) + L" is used " +
                                                            std::to_wstring(items.size()) + L" times"});
  }
}

}  // namespace

void CheckMenu(HMENU menu, std::vector<Finding>& out) {
  if (menu) CheckMenuLevel(menu, L"bar", out);
}

}  // namespace wx::textfit
