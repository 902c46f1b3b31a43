// What the spelling dialogs share: a modal dialog from an empty template
// whose controls are made in pixels at 96 DPI, scaled for the DPI of the
// window's monitor and in the system's message font (both followed when the
// window moves to a monitor of another DPI), sized to its client area and
// centred on its owner (on the monitor in use when the owner is hidden).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/Dpi_win.h"
#include "ui/Window_win.h"

namespace wx {

// Appends a list-view row: its text and, when given, its second column.
inline void AddListRow(HWND lv, int row, std::wstring first, const std::wstring* second = nullptr) {
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = first.data();
  SendMessageW(lv, LVM_INSERTITEMW, 0, LPARAM(&item));
  if (!second) return;
  std::wstring text = *second;
  item.iSubItem = 1;
  item.pszText = text.data();
  SendMessageW(lv, LVM_SETITEMTEXTW, WPARAM(row), LPARAM(&item));
}

// Ticks or clears a list-view row's check box.
inline void SetRowCheck(HWND lv, int row, bool on) {
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = INDEXTOSTATEIMAGEMASK(on ? 2 : 1);
  SendMessageW(lv, LVM_SETITEMSTATE, WPARAM(row), LPARAM(&item));
}

struct alignas(4) EmptyTemplate {
  DLGTEMPLATE t;
  WORD menu, cls, title;
};

// The text of a window, whole.
inline std::wstring TextOf(HWND h) {
  int n = GetWindowTextLengthW(h);
  std::wstring w(size_t(n) + 1, L'\0');
  GetWindowTextW(h, w.data(), n + 1);
  w.resize(size_t(n));
  return w;
}

class DialogBase {
 public:
  DialogBase() = default;
  virtual ~DialogBase() = default;
  DialogBase(const DialogBase&) = delete;
  DialogBase& operator=(const DialogBase&) = delete;
  INT_PTR Run(HWND owner) {
    Template t;
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &t.tmpl.t, owner, Proc, LPARAM(this));
  }
  // The same dialog modeless and hidden: the caller shows it, runs the
  // message loop (IsDialogMessage) and destroys it.
  HWND Create(HWND owner) {
    Template t;
    return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &t.tmpl.t, owner, Proc, LPARAM(this));
  }

 protected:
  virtual INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) = 0;
  int Scale(int v) const { return dpi_.Scale(v); }
  HWND Make(DWORD exStyle, const wchar_t* cls, DWORD style, int x, int y, int w, int h, int id) {
    HWND c = CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, Scale(x), Scale(y), Scale(w),
                             Scale(h), hwnd_, HMENU(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    dpi_.ApplyFont(c);
    return c;
  }
  // Sizes the window for its client area, takes its controls as its layout
  // (rescaled on a change of DPI) and centres it on its owner.
  void SizeAndCentre(int clientWidth, int clientHeight) {
    RECT r{0, 0, Scale(clientWidth), Scale(clientHeight)};
    AdjustWindowRectEx(&r, DWORD(GetWindowLongW(hwnd_, GWL_STYLE)), FALSE, DWORD(GetWindowLongW(hwnd_, GWL_EXSTYLE)));
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOMOVE);
    TrackLayout();
    CentreOnOwner(hwnd_, GetWindow(hwnd_, GW_OWNER));
  }
  // Takes the controls as they are placed now as the layout a change of DPI rescales.
  void TrackLayout() { dpi_.Track(); }

  HWND hwnd_ = nullptr;

 private:
  // The empty template every dialog starts from (common controls ready).
  struct Template {
    Template() {
      INITCOMMONCONTROLSEX icc{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
      InitCommonControlsEx(&icc);
      tmpl.t.style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_3DLOOK;
    }
    EmptyTemplate tmpl{};
  };
  static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
      SetWindowLongPtrW(hwnd, DWLP_USER, lp);
      auto* self = reinterpret_cast<DialogBase*>(lp);
      self->hwnd_ = hwnd;
      self->dpi_.Attach(hwnd);
    }
    auto* self = reinterpret_cast<DialogBase*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    return self ? self->OnMessage(msg, wp, lp) : FALSE;
  }
  TDpiFollower dpi_;
};

}  // namespace wx
