// List-like controls of other programs: list boxes, combo boxes, list views
// and tree views. Reading items, selecting one the way a user would (the
// owner gets the same notification), and double-clicking an item.
#include "Driver.h"

#include <commctrl.h>

namespace wxd {
namespace {

enum class Kind { ListBox, ComboBox, ComboBoxEx, ListView, TreeView, Tab };

Kind kindOf(HWND h) {
    std::wstring cls = className(h);
    if (iequals(cls, L"ListBox") || iequals(cls, L"ComboLBox")) return Kind::ListBox;
    if (iequals(cls, L"ComboBox")) {
        // The inner combo box of an extended one keeps no strings of its own.
        if (iequals(className(GetParent(h)), WC_COMBOBOXEXW)) return Kind::ComboBoxEx;
        return Kind::ComboBox;
    }
    if (iequals(cls, WC_COMBOBOXEXW)) return Kind::ComboBoxEx;
    if (iequals(cls, L"SysListView32")) return Kind::ListView;
    if (iequals(cls, L"SysTreeView32")) return Kind::TreeView;
    if (iequals(cls, WC_TABCONTROLW)) return Kind::Tab;
    fail(L"control " + hex(h) + L" of class " + cls + L" has no items");
}

std::wstring stringItem(HWND h, UINT lenMsg, UINT textMsg, int i) {
    LRESULT len = sendTimeout(h, lenMsg, static_cast<WPARAM>(i), 0);
    if (len < 0) return {};
    std::wstring text(static_cast<size_t>(len) + 1, L'\0');
    LRESULT got = sendTimeout(h, textMsg, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

constexpr size_t kTextChars = 512;

std::wstring listViewText(HWND h, int i) {
    RemoteBuffer buf(h, sizeof(LVITEMW) + kTextChars * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = 0;
    item.cchTextMax = kTextChars;
    item.pszText = reinterpret_cast<LPWSTR>(buf.address(sizeof(LVITEMW)));
    buf.write(&item, sizeof item);
    LRESULT len = sendTimeout(h, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), buf.address());
    std::wstring text(kTextChars, L'\0');
    buf.read(text.data(), kTextChars * sizeof(wchar_t), sizeof(LVITEMW));
    text.resize(len > 0 && static_cast<size_t>(len) < kTextChars ? static_cast<size_t>(len) : 0);
    return text;
}

std::wstring comboExText(HWND h, int i) {
    RemoteBuffer buf(h, sizeof(COMBOBOXEXITEMW) + kTextChars * sizeof(wchar_t));
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = i;
    item.cchTextMax = kTextChars;
    item.pszText = reinterpret_cast<LPWSTR>(buf.address(sizeof item));
    buf.write(&item, sizeof item);
    std::wstring text(kTextChars, L'\0');
    buf.write(text.data(), kTextChars * sizeof(wchar_t), sizeof item);
    if (!sendTimeout(h, CBEM_GETITEMW, 0, buf.address())) return {};
    buf.read(text.data(), kTextChars * sizeof(wchar_t), sizeof item);
    text.resize(wcsnlen(text.c_str(), kTextChars - 1));
    return text;
}

HWND comboExOf(HWND h) { return iequals(className(h), WC_COMBOBOXEXW) ? h : GetParent(h); }

std::wstring tabText(HWND h, int i) {
    RemoteBuffer buf(h, sizeof(TCITEMW) + kTextChars * sizeof(wchar_t));
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.cchTextMax = kTextChars;
    item.pszText = reinterpret_cast<LPWSTR>(buf.address(sizeof item));
    buf.write(&item, sizeof item);
    std::wstring text(kTextChars, L'\0');
    buf.write(text.data(), kTextChars * sizeof(wchar_t), sizeof item);
    if (!sendTimeout(h, TCM_GETITEMW, static_cast<WPARAM>(i), buf.address())) return {};
    buf.read(text.data(), kTextChars * sizeof(wchar_t), sizeof item);
    text.resize(wcsnlen(text.c_str(), kTextChars - 1));
    return text;
}

POINT tabCentre(HWND h, int i) {
    RemoteBuffer buf(h, sizeof(RECT));
    if (!sendTimeout(h, TCM_GETITEMRECT, static_cast<WPARAM>(i), buf.address()))
        fail(L"tab control " + hex(h) + L" has no tab " + std::to_wstring(i));
    RECT r{};
    buf.read(&r, sizeof r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

struct TreeItem {
    HTREEITEM item;
    int depth;
    std::wstring text;
};

std::wstring treeText(HWND h, HTREEITEM it) {
    RemoteBuffer buf(h, sizeof(TVITEMW) + kTextChars * sizeof(wchar_t));
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = it;
    item.cchTextMax = kTextChars;
    item.pszText = reinterpret_cast<LPWSTR>(buf.address(sizeof(TVITEMW)));
    buf.write(&item, sizeof item);
    sendTimeout(h, TVM_GETITEMW, 0, buf.address());
    std::wstring text(kTextChars, L'\0');
    buf.read(text.data(), kTextChars * sizeof(wchar_t), sizeof(TVITEMW));
    text.resize(wcsnlen(text.c_str(), kTextChars));
    return text;
}

HTREEITEM treeNext(HWND h, UINT flag, HTREEITEM from) {
    return reinterpret_cast<HTREEITEM>(sendTimeout(h, TVM_GETNEXTITEM, flag, reinterpret_cast<LPARAM>(from)));
}

void walkTree(HWND h, HTREEITEM first, int depth, std::vector<TreeItem>& out) {
    for (HTREEITEM it = first; it && out.size() < 10000; it = treeNext(h, TVGN_NEXT, it)) {
        out.push_back({it, depth, treeText(h, it)});
        walkTree(h, treeNext(h, TVGN_CHILD, it), depth + 1, out);
    }
}

std::vector<TreeItem> treeItems(HWND h) {
    std::vector<TreeItem> items;
    walkTree(h, treeNext(h, TVGN_ROOT, nullptr), 0, items);
    return items;
}

// The item named by ITEM: "#N" is an index from 0, anything else an item text
// (compared as shown, with or without the '&' markers).
// Items may appear a moment later (a tree filled when expanded), so the
// search is repeated for up to 3 s.
int findItem(HWND h, const std::wstring& which) {
    if (!which.empty() && which[0] == L'#') return static_cast<int>(parseNumber(which.substr(1), L"item index"));
    int found = -1;
    waitUntil(3000, [&] {
        int selected = -1;
        std::vector<std::wstring> items = listItems(h, &selected);
        for (size_t i = 0; i < items.size(); ++i) {
            std::wstring text = items[i];
            text.erase(0, text.find_first_not_of(L' '));
            if (text == which || stripAmpersands(text) == which) {
                found = static_cast<int>(i);
                return true;
            }
        }
        return false;
    });
    if (found < 0) fail(L"no item '" + which + L"' in " + hex(h));
    return found;
}

// The centre of an item in the control's client coordinates.
POINT itemCentre(HWND h, Kind kind, int index) {
    RemoteBuffer buf(h, sizeof(RECT));
    RECT r{};
    if (kind == Kind::ListView) {
        r.left = LVIR_LABEL;
        buf.write(&r, sizeof r);
        if (!sendTimeout(h, LVM_GETITEMRECT, static_cast<WPARAM>(index), buf.address()))
            fail(L"list view " + hex(h) + L" has no item " + std::to_wstring(index));
    } else {
        std::vector<TreeItem> items = treeItems(h);
        HTREEITEM item = items.at(static_cast<size_t>(index)).item;
        buf.write(&item, sizeof item);
        if (!sendTimeout(h, TVM_GETITEMRECT, TRUE, buf.address())) fail(L"tree item not visible");
    }
    buf.read(&r, sizeof r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void commandParent(HWND h, WORD code) {
    auto id = static_cast<WORD>(GetWindowLongPtrW(h, GWLP_ID));
    WPARAM wp = MAKEWPARAM(id, code);
    // Posted for a double click, which may open a modal window.
    if (code == LBN_DBLCLK)
        PostMessageW(GetParent(h), WM_COMMAND, wp, reinterpret_cast<LPARAM>(h));
    else
        sendTimeout(GetParent(h), WM_COMMAND, wp, reinterpret_cast<LPARAM>(h));
}

void selectItem(HWND h, int index) {
    switch (kindOf(h)) {
        case Kind::ListBox:
            if (GetWindowLongW(h, GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
                sendTimeout(h, LB_SETSEL, FALSE, -1);
                sendTimeout(h, LB_SETSEL, TRUE, index);
                sendTimeout(h, LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
            } else if (sendTimeout(h, LB_SETCURSEL, static_cast<WPARAM>(index), 0) == LB_ERR) {
                fail(L"list box " + hex(h) + L" has no item " + std::to_wstring(index));
            }
            commandParent(h, LBN_SELCHANGE);
            break;
        case Kind::ComboBoxEx:
            h = comboExOf(h);
            [[fallthrough]];
        case Kind::ComboBox:
            if (sendTimeout(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0) == CB_ERR)
                fail(L"combo box " + hex(h) + L" has no item " + std::to_wstring(index));
            commandParent(h, CBN_SELCHANGE);
            break;
        case Kind::ListView: {
            RemoteBuffer buf(h, sizeof(LVITEMW));
            LVITEMW item{};
            item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            item.state = 0;
            buf.write(&item, sizeof item);
            sendTimeout(h, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), buf.address());
            item.state = LVIS_SELECTED | LVIS_FOCUSED;
            buf.write(&item, sizeof item);
            if (!sendTimeout(h, LVM_SETITEMSTATE, static_cast<WPARAM>(index), buf.address()))
                fail(L"list view " + hex(h) + L" has no item " + std::to_wstring(index));
            sendTimeout(h, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
            break;
        }
        case Kind::Tab:
            // The page change is announced by WM_NOTIFY, which cannot come
            // from another process: the tab is clicked.
            mouseClick(h, tabCentre(h, index), Click::Left);
            if (!waitUntil(2000, [&] { return sendTimeout(h, TCM_GETCURSEL, 0, 0) == index; }))
                fail(L"tab " + std::to_wstring(index) + L" did not become the current one");
            break;
        case Kind::TreeView: {
            std::vector<TreeItem> items = treeItems(h);
            if (index < 0 || static_cast<size_t>(index) >= items.size())
                fail(L"tree view " + hex(h) + L" has no item " + std::to_wstring(index));
            if (!sendTimeout(h, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[index].item)))
                fail(L"tree view " + hex(h) + L" refused to select item " + std::to_wstring(index));
            break;
        }
    }
}

HWND listTarget(const Args& a) { return resolveChild(resolveWindow(a[0]), a[1]); }

CommandRegistrar itemsCmd(L"items", L"WINDOW CHILD  (items of a list box, combo box, list view, tree view or tab control; * = selected)",
                          2, [](const Args& a) {
                              HWND h = listTarget(a);
                              int selected = -1;
                              std::vector<std::wstring> items = listItems(h, &selected);
                              for (size_t i = 0; i < items.size(); ++i)
                                  out(std::to_wstring(i) + (static_cast<int>(i) == selected ? L"*" : L"") + L"\t" +
                                      escape(items[i]));
                          });

void selectCommand(const Args& a) {
    HWND h = listTarget(a);
    selectItem(h, findItem(h, a[2]));
}

CommandRegistrar selectItemCmd(L"select-item", L"WINDOW CHILD ITEM  (ITEM: text, or #INDEX from 0)", 3, selectCommand);
CommandRegistrar lbSelectCmd(L"lb-select", L"WINDOW CHILD ITEM  (same as select-item)", 3, selectCommand);

CommandRegistrar dblclickCmd(L"dblclick-item", L"WINDOW CHILD ITEM  (selects ITEM and double-clicks it: LBN_DBLCLK for list boxes, the mouse for list and tree views)",
                             3, [](const Args& a) {
                                 HWND h = listTarget(a);
                                 int index = findItem(h, a[2]);
                                 selectItem(h, index);
                                 switch (kindOf(h)) {
                                     case Kind::ListBox: commandParent(h, LBN_DBLCLK); break;
                                     case Kind::ComboBox:
                                     case Kind::ComboBoxEx:
                                     case Kind::Tab: fail(L"no double click on this kind of control");
                                     // A WM_NOTIFY from another process does not arrive under Wine, so the
                                     // item gets a real double click.
                                     case Kind::ListView:
                                     case Kind::TreeView: mouseClick(h, itemCentre(h, kindOf(h), index), Click::Double); break;
                                 }
                             });

// Track bars: the position, and moving it as the keyboard would (the owner
// gets WM_HSCROLL / WM_VSCROLL from the control).
CommandRegistrar trackbarCmd(L"trackbar", L"WINDOW CHILD [POS]  (prints POS MIN MAX; with POS, moves the thumb there first)", 2,
                             [](const Args& a) {
                                 HWND h = listTarget(a);
                                 if (a.size() > 2) {
                                     auto pos = static_cast<LPARAM>(_wtoi(a[2].c_str()));
                                     sendTimeout(h, TBM_SETPOS, TRUE, pos);
                                     UINT msg = (GetWindowLongW(h, GWL_STYLE) & TBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
                                     sendTimeout(GetParent(h), msg, MAKEWPARAM(TB_THUMBPOSITION, pos), reinterpret_cast<LPARAM>(h));
                                     sendTimeout(GetParent(h), msg, MAKEWPARAM(TB_ENDTRACK, 0), reinterpret_cast<LPARAM>(h));
                                 }
                                 out(std::to_wstring(sendTimeout(h, TBM_GETPOS, 0, 0)) + L" " +
                                     std::to_wstring(sendTimeout(h, TBM_GETRANGEMIN, 0, 0)) + L" " +
                                     std::to_wstring(sendTimeout(h, TBM_GETRANGEMAX, 0, 0)));
                             });

}  // namespace

std::vector<std::wstring> listItems(HWND h, int* selected) {
    std::vector<std::wstring> items;
    *selected = -1;
    switch (kindOf(h)) {
        case Kind::ListBox: {
            auto n = static_cast<int>(sendTimeout(h, LB_GETCOUNT, 0, 0));
            for (int i = 0; i < n; ++i) items.push_back(stringItem(h, LB_GETTEXTLEN, LB_GETTEXT, i));
            *selected = static_cast<int>(sendTimeout(h, LB_GETCURSEL, 0, 0));
            break;
        }
        case Kind::ComboBox: {
            auto n = static_cast<int>(sendTimeout(h, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < n; ++i) items.push_back(stringItem(h, CB_GETLBTEXTLEN, CB_GETLBTEXT, i));
            *selected = static_cast<int>(sendTimeout(h, CB_GETCURSEL, 0, 0));
            break;
        }
        case Kind::ComboBoxEx: {
            HWND ex = comboExOf(h);
            auto n = static_cast<int>(sendTimeout(ex, CB_GETCOUNT, 0, 0));
            for (int i = 0; i < n; ++i) items.push_back(comboExText(ex, i));
            *selected = static_cast<int>(sendTimeout(ex, CB_GETCURSEL, 0, 0));
            break;
        }
        case Kind::ListView: {
            auto n = static_cast<int>(sendTimeout(h, LVM_GETITEMCOUNT, 0, 0));
            for (int i = 0; i < n; ++i) items.push_back(listViewText(h, i));
            *selected = static_cast<int>(sendTimeout(h, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
            break;
        }
        case Kind::Tab: {
            auto n = static_cast<int>(sendTimeout(h, TCM_GETITEMCOUNT, 0, 0));
            for (int i = 0; i < n; ++i) items.push_back(tabText(h, i));
            *selected = static_cast<int>(sendTimeout(h, TCM_GETCURSEL, 0, 0));
            break;
        }
        case Kind::TreeView: {
            HTREEITEM caret = treeNext(h, TVGN_CARET, nullptr);
            for (const TreeItem& t : treeItems(h)) {
                if (t.item == caret) *selected = static_cast<int>(items.size());
                items.push_back(std::wstring(static_cast<size_t>(t.depth) * 2, L' ') + t.text);
            }
            break;
        }
    }
    return items;
}

}  // namespace wxd
