#include "spelling/SpellOptionsDialog_win.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <string>

#include "common/AnsiText.h"
#include "common/Captions_win.h"
#include "common/ComScope_win.h"
#include "spelling/CustomDictionariesDialog_win.h"
#include "spelling/DialogBase_win.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/SpellOptionsModel.h"
#include "spelling/SpellOptionsTexts.h"
#include "ui/Dpi_win.h"
#include "ui/TwoColumns.h"

namespace wx {

namespace {

constexpr int kClientWidth = 520, kClientHeight = 330;

std::wstring WideAnsi(const std::string& ansi) {
  std::u16string u = AnsiToUnicode(ansi);
  return std::wstring(u.begin(), u.end());
}

class SpellOptionsDialog : public DialogBase {
 public:
  explicit SpellOptionsDialog(TSpellCheckerBase& checker) : checker_(checker), model_(checker) {}

 private:
  void CreateControls() {
    Make(0, L"BUTTON", BS_GROUPBOX, 8, 4, 504, 130, idOptionsGroup);
    const auto& boxes = model_.Boxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
      int col = int(i) / 5, row = int(i) % 5;
      HWND b = Make(0, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 16 + col * 248, 22 + row * 22, 244, 20,
                    idOptionBox0 + int(i));
      SendMessageW(b, BM_SETCHECK, boxes[i].checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    Make(0, L"BUTTON", BS_GROUPBOX, 8, 140, 504, 150, idDictionariesGroup);
    list_ = Make(WS_EX_CLIENTEDGE, WC_LISTVIEWW, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER, 16,
                 158, 488, 90, idMainDictList);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    for (int i = 0; i < 2; ++i) {
      LVCOLUMNW col{};
      col.mask = LVCF_WIDTH;
      col.cx = Scale(i == 0 ? 280 : 180);
      SendMessageW(list_, LVM_INSERTCOLUMNW, WPARAM(i), LPARAM(&col));
    }
    Make(0, L"STATIC", SS_LEFT, 16, 260, 152, 14, idCustomLabel);  // one line in every language
    Make(0, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 170, 256, 334, 200, idCustomCombo);
    Make(0, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 16, 298, 120, 23, idDictionariesButton);
    Make(0, L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, 432, 298, 80, 23, idOptionsOk);

    SizeAndCentre(kClientWidth, kClientHeight);
    captions_ = std::make_unique<WindowCaptions>(hwnd_, SpellOptionsTexts(), [this] { FillTexts(); });
  }

  // The option boxes in two columns as wide as their labels need in the
  // language shown: a column takes the other's spare room first, then the
  // window grows (within its monitor), so that no label is cut.
  void LayOutOptionBoxes() {
    HWND first = GetDlgItem(hwnd_, idOptionBox0);
    HDC dc = GetDC(hwnd_);
    if (!first || !dc) {
      if (dc) ReleaseDC(hwnd_, dc);
      return;
    }
    HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(first, WM_GETFONT, 0, 0)));
    int need[2] = {0, 0};
    const int boxes = int(model_.Boxes().size());
    for (int i = 0; i < boxes; ++i) {
      std::wstring text = TextOf(GetDlgItem(hwnd_, idOptionBox0 + i));
      std::erase(text, L'&');
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
      // The box itself and the room between it and its label.
      need[i / 5] = std::max<int>(need[i / 5], size.cx + GetSystemMetrics(SM_CXMENUCHECK) + Scale(8));
    }
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);

    RECT window{};
    GetWindowRect(hwnd_, &window);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &mi);
    const int designWidth = Scale(kClientWidth) + (window.right - window.left) - ClientWidth();
    const int maxGrow = std::max(0, int(mi.rcWork.right - mi.rcWork.left) - designWidth);
    const TTwoColumns c = SplitTwoColumns(need[0], need[1], Scale(488), Scale(4), maxGrow);
    auto place = [&](int id, int x, int y, int w, int h) {
      SetWindowPos(GetDlgItem(hwnd_, id), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
    };
    for (int i = 0; i < boxes; ++i) {
      const int col = i / 5, row = i % 5;
      place(idOptionBox0 + i, Scale(16) + (col ? c.left + Scale(4) : 0), Scale(22 + row * 22), col ? c.right : c.left,
            Scale(20));
    }
    // What spans the window follows its width.
    place(idOptionsGroup, Scale(8), Scale(4), Scale(504) + c.grow, Scale(130));
    place(idDictionariesGroup, Scale(8), Scale(140), Scale(504) + c.grow, Scale(150));
    place(idMainDictList, Scale(16), Scale(158), Scale(488) + c.grow, Scale(90));
    place(idCustomCombo, Scale(170), Scale(256), Scale(334) + c.grow, Scale(200));
    place(idOptionsOk, Scale(432) + c.grow, Scale(298), Scale(80), Scale(23));
    if (ClientWidth() != Scale(kClientWidth) + c.grow) {
      SetWindowPos(hwnd_, nullptr, 0, 0, designWidth + c.grow, window.bottom - window.top,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
      CentreOnOwner(hwnd_, GetWindow(hwnd_, GW_OWNER));
    }
    TrackLayout();
  }

  int ClientWidth() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return r.right - r.left;
  }

  // What the caption table cannot reach: column headers and the Locate row.
  void FillTexts() {
    LayOutOptionBoxes();
    for (int i = 0; i < 2; ++i) {
      std::wstring text = CaptionW(SpellOptionsTexts(), i == 0 ? txtNameColumn : txtFilenameColumn);
      LVCOLUMNW col{};
      col.mask = LVCF_TEXT;
      col.pszText = text.data();
      SendMessageW(list_, LVM_SETCOLUMNW, WPARAM(i), LPARAM(&col));
    }
    FillList();
  }

  void FillList() {
    filling_ = true;
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    const auto& rows = model_.MainRows();
    for (size_t i = 0; i < rows.size(); ++i) {
      std::wstring first = rows[i].locate ? CaptionW(SpellOptionsTexts(), txtLocateDictionaries) : WideAnsi(rows[i].title);
      std::wstring second = Utf8ToWide(rows[i].file);
      AddListRow(list_, int(i), first, &second);
      SetRowCheck(list_, int(i), rows[i].checked);
    }
    filling_ = false;
  }

  void FillCombo() {
    HWND combo = GetDlgItem(hwnd_, idCustomCombo);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const auto& name : model_.CustomItems())
      SendMessageW(combo, CB_ADDSTRING, 0, LPARAM(Utf8ToWide(name).c_str()));
    SendMessageW(combo, CB_SETCURSEL, WPARAM(model_.CustomSelected()), 0);
  }

  void MainRowChecked(int row, bool checked) {
    const bool locate = model_.SetMainChecked(row, checked);
    filling_ = true;
    SetRowCheck(list_, row, model_.MainRows()[size_t(row)].checked);
    filling_ = false;
    if (locate) LocateFolder();
  }

  void LocateFolder() {
    std::wstring title = CaptionW(SpellOptionsTexts(), txtChooseFolder);
    BROWSEINFOW bi{};
    bi.hwndOwner = hwnd_;
    bi.lpszTitle = title.c_str();
    bi.ulFlags = BIF_RETURNONLYFSDIRS | BIF_EDITBOX | BIF_NEWDIALOGSTYLE;
    // The new-style browser needs COM on this thread, which may have none.
    ComScope com;
    PIDLIST_ABSOLUTE pidl = SHBrowseForFolderW(&bi);
    if (!pidl) return;
    wchar_t path[MAX_PATH]{};
    const bool ok = SHGetPathFromIDListW(pidl, path);
    CoTaskMemFree(pidl);
    if (ok) {
      model_.AddDictionaryFolder(WideToUtf8(path));
      FillList();
    }
  }

  INT_PTR OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case WM_INITDIALOG:
        CreateControls();
        FillCombo();
        return TRUE;
      case WM_COMMAND: {
        const int id = LOWORD(wp);
        if (id == IDOK || id == IDCANCEL) {
          EndDialog(hwnd_, id);
          return TRUE;
        }
        if (id >= idOptionBox0 && id < idOptionBox0 + int(model_.Boxes().size()) && HIWORD(wp) == BN_CLICKED) {
          const int box = id - idOptionBox0;
          model_.ClickOption(box);
          SendMessageW(HWND(lp), BM_SETCHECK, model_.Boxes()[size_t(box)].checked ? BST_CHECKED : BST_UNCHECKED, 0);
          return TRUE;
        }
        if (id == idDictionariesButton) {
          ShowCustomDictionariesDialog(hwnd_, checker_);
          model_.FillCustomChoice();
          FillCombo();
          return TRUE;
        }
        if (id == idCustomCombo && HIWORD(wp) == CBN_SELCHANGE) {
          model_.ChooseCustom(int(SendMessageW(HWND(lp), CB_GETCURSEL, 0, 0)));
          FillCombo();
          return TRUE;
        }
        return FALSE;
      }
      case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        if (hdr->idFrom != UINT_PTR(idMainDictList)) return FALSE;
        if (hdr->code == LVN_ITEMCHANGED && !filling_) {
          auto* nm = reinterpret_cast<NMLISTVIEW*>(lp);
          if (nm->iItem >= 0 && ((nm->uOldState ^ nm->uNewState) & LVIS_STATEIMAGEMASK) &&
              (nm->uOldState & LVIS_STATEIMAGEMASK) != 0) {
            MainRowChecked(nm->iItem, ((nm->uNewState & LVIS_STATEIMAGEMASK) >> 12) == 2);
          }
          if (nm->iItem >= 0 && (nm->uNewState & LVIS_SELECTED)) {
            // Rows never stay selected.
            LVITEMW item{};
            item.stateMask = LVIS_SELECTED;
            SendMessageW(list_, LVM_SETITEMSTATE, WPARAM(nm->iItem), LPARAM(&item));
          }
        } else if (hdr->code == NM_CLICK) {
          // A click on a row's text toggles its box too.
          auto* ia = reinterpret_cast<NMITEMACTIVATE*>(lp);
          LVHITTESTINFO hit{};
          hit.pt = ia->ptAction;
          const int row = int(SendMessageW(list_, LVM_SUBITEMHITTEST, 0, LPARAM(&hit)));
          if (row >= 0 && !(hit.flags & LVHT_ONITEMSTATEICON))
            MainRowChecked(row, !model_.MainRows()[size_t(row)].checked);
        }
        return FALSE;
      }
      default:
        return FALSE;
    }
  }

  TSpellCheckerBase& checker_;
  HWND list_ = nullptr;
  bool filling_ = false;
  TSpellOptionsModel model_;
  std::unique_ptr<WindowCaptions> captions_;
};

}  // namespace

void ShowSpellOptionsDialog(HWND owner, TSpellCheckerBase& checker) {
  SpellOptionsDialog(checker).Run(owner);
  checker.ReorderMainDictionaries();
}

}  // namespace wx
