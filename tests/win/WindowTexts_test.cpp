// Every window of the program opened in each of the ten interface languages
// and read as a user would: no text cut by its control, no access key used
// twice in a window or a menu, no label of an input without an access key.
// Run by tests/e2e/test_window_texts.sh at 96 and at 144 DPI with the data
// files (WX_WINDOW_TEXTS_DATA: the folder holding Thesaurus.qxt,
// Definitions.ydd and american.qxm); the plain run of win_tests leaves it out.
// A second thread reads each window while this one runs it, then closes it.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "TextFit_win.h"
#include "app/AboutBox_win.h"
#include "app/AppLanguage.h"
#include "app/DefinitionsGeometry.h"
#include "app/ErrorBox_win.h"
#include "app/OptionsDialog_win.h"
#include "app/OptionsModel.h"
#include "app/OptionsTexts.h"
#include "common/AnsiText.h"
#include "common/Captions.h"
#include "common/MemoryRegistry.h"
#include "common/Registry.h"
#include "definitions/DefinitionsDialog.h"
#include "definitions/DefinitionsForm_win.h"
#include "spelling/CustomDictionariesDialog_win.h"
#include "spelling/CustomDictionariesTexts.h"
#include "spelling/CustomDictionaryEditTexts.h"
#include "spelling/SpellCheckerBase.h"
#include "spelling/SpellDialog_win.h"
#include "spelling/SpellOptionsDialog_win.h"
#include "thesaurus/Thesaurus_win.h"
#include "ui/Dpi_win.h"
#include "windows/InstantSpell_win.h"
#include "win/SmartBarTestHost.h"
#include "windows/SmartBar_win.h"
#include "windows/SpellViewer_win.h"

using namespace wx;
using textfit::Finding;

namespace {

// Texts and sizes fixed by the product's design that cannot fit: each entry
// names the window, the language, the control id (0 for a menu) and a part
// of the finding it allows. Keep this list as short as possible.
// kEvery: the allowance holds in every language (the English text has no
// access key, and the translations follow it).
constexpr int kEvery = -1;
struct Allowance {
  const char* window;
  int language;  // a UiLanguage, or kEvery
  int controlId;
  const wchar_t* problemPart;
};
const Allowance kAllowances[] = {
    // Options, General page: "Enable &Compatibility Mode" and "&Cancel", and
    // "&Disable clipboard backup" and "&Delay: Short", share their keys in English.
    {"options window", int(UiLanguage::English), 104, L"access key C"},
    {"options window", int(UiLanguage::English), 106, L"access key D"},
    // Options: the heading "Default Language" comes right before the language
    // box, and "Double Left Mouse Click Action" labels its list; neither
    // English text has an access key.
    {"options window", kEvery, 111, L"has no access key"},
    {"options window", kEvery, 129, L"has no access key"},
    // Definitions window: "Adve&rbs" and "&Replace" share R in English.
    {"definitions window", int(UiLanguage::English), 211, L"access key R"},
    // Instant Spell's File menu: "&New/Clear" and "&No Prompt to Save" share N in English;
    // its context menu holds File, Edit and Tools commands in one list, where
    // "Save &As" and "Select &All", and "&Save" and "&Spell Check", share keys too.
    {"instant spell", int(UiLanguage::English), 0, L"access key N"},
    {"instant spell", int(UiLanguage::English), 0, L"access key A"},
    {"instant spell", int(UiLanguage::English), 0, L"access key S"},
};

bool Allowed(const char* window, UiLanguage language, const Finding& f) {
  for (const Allowance& a : kAllowances)
    if (std::string(a.window) == window && (a.language == kEvery || a.language == int(language)) &&
        a.controlId == f.controlId && f.problem.find(a.problemPart) != std::wstring::npos)
      return true;
  return false;
}

const char* LanguageName(UiLanguage l) {
  static const char* const names[] = {"English", "Danish",  "Dutch",         "French",  "German",
                                      "Italian", "BrPortuguese", "StdPortuguese", "Spanish", "Swedish"};
  return names[int(l)];
}

std::vector<UiLanguage> AllLanguages() {
  std::vector<UiLanguage> all;
  for (int i = 0; i < kUiLanguageCount; ++i) all.push_back(UiLanguage(i));
  return all;
}

// The findings of one window in one language; printed as a table row and
// its lines, and counted unless allowed.
class Report {
 public:
  explicit Report(const char* window) : window_(window) {}
  void Add(UiLanguage language, const std::string& part, std::vector<Finding> found) {
    rows_.push_back({language, part, std::move(found)});
  }
  // Prints the table; returns the number of findings not allowed.
  int Print() const {
    int failing = 0;
    const int dpi = ScreenDpi();
    for (const Row& r : rows_) {
      int allowed = 0;
      for (const Finding& f : r.found) allowed += Allowed(window_, r.language, f);
      const int count = int(r.found.size()) - allowed;
      failing += count;
      std::printf("[window texts] %-22s | %-13s | %3d dpi | %-16s | %d finding%s%s\n", window_,
                  LanguageName(r.language), dpi, r.part.c_str(), count, count == 1 ? "" : "s",
                  allowed ? (" (+" + std::to_string(allowed) + " allowed)").c_str() : "");
      for (const Finding& f : r.found)
        std::printf("      %s%5d %s: %s\n", Allowed(window_, r.language, f) ? "allowed " : "", f.controlId,
                    WideToUtf8(f.control).c_str(), WideToUtf8(f.problem).c_str());
    }
    std::fflush(stdout);
    return failing;
  }

 private:
  struct Row {
    UiLanguage language;
    std::string part;
    std::vector<Finding> found;
  };
  const char* window_;
  std::vector<Row> rows_;
};

// Every check of a window as it is on screen now.
std::vector<Finding> Inspect(HWND w) {
  std::vector<Finding> found;
  textfit::CheckTexts(w, found);
  textfit::CheckAccessKeys(w, found);
  textfit::CheckMenu(GetMenu(w), found);
  return found;
}

// Waits until cond holds, up to ms milliseconds.
bool WaitFor(const std::function<bool()>& cond, DWORD ms = 10000) {
  const DWORD start = GetTickCount();
  while (!cond()) {
    if (GetTickCount() - start > ms) return false;
    Sleep(10);
  }
  return true;
}

std::vector<HWND> TopWindows() {
  std::vector<HWND> all;
  EnumWindows(
      [](HWND h, LPARAM p) -> BOOL {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        if (pid == GetCurrentProcessId() && IsWindowVisible(h)) reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
        return TRUE;
      },
      LPARAM(&all));
  return all;
}

// A visible top-level window of this process that is not among known (class
// cls when given); null when none came within the time limit.
HWND WaitNewWindow(const std::vector<HWND>& known, const wchar_t* cls = nullptr) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND h : TopWindows()) {
      if (std::find(known.begin(), known.end(), h) != known.end()) continue;
      if (cls && textfit::ClassOf(h) != cls) continue;
      if (textfit::ClassOf(h) == L"tooltips_class32") continue;
      found = h;
      return true;
    }
    return false;
  });
  if (found) {
    // Once its thread answers, the window has handled what came before.
    DWORD_PTR r = 0;
    SendMessageTimeoutW(found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 3000, &r);
  }
  return found;
}

// Closes a window as its title bar's button does, else as Esc does; true once it is gone.
bool CloseAndWait(HWND w) {
  auto gone = [&] { return !IsWindow(w) || !IsWindowVisible(w); };
  PostMessageW(w, WM_CLOSE, 0, 0);
  if (WaitFor(gone, 3000)) return true;
  PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  return WaitFor(gone, 3000);
}

void Click(HWND dlg, int id) {
  PostMessageW(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(GetDlgItem(dlg, id)));
}

// Runs open() here (it shows a window and returns once it is closed) while
// user(window) runs on another thread with the window it opened.
void WhileOpen(const std::function<void()>& open, const std::function<void(HWND)>& user) {
  struct Ctx {
    std::vector<HWND> known;
    const std::function<void(HWND)>* user;
    bool sawWindow = false;
  } ctx{TopWindows(), &user};
  HANDLE th = CreateThread(
      nullptr, 0,
      [](LPVOID p) -> DWORD {
        auto* c = static_cast<Ctx*>(p);
        HWND w = WaitNewWindow(c->known);
        if (!w) return 1;
        c->sawWindow = true;
        (*c->user)(w);
        if (IsWindow(w) && IsWindowVisible(w)) CloseAndWait(w);
        return 0;
      },
      &ctx, 0, nullptr);
  open();
  // Until the other thread is done, keep answering its messages.
  while (MsgWaitForMultipleObjects(1, &th, FALSE, 20000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  CloseHandle(th);
  EXPECT_TRUE(ctx.sawWindow) << "no window appeared";
}

std::string DataDir() {
  const char* dir = std::getenv("WX_WINDOW_TEXTS_DATA");
  return dir ? dir : "";
}

class WindowTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    data_ = DataDir();
    ASSERT_FALSE(data_.empty()) << "WX_WINDOW_TEXTS_DATA names the folder of the data files";
    if (const char* dpi = std::getenv("WX_EXPECT_DPI")) ASSERT_EQ(ScreenDpi(), std::atoi(dpi)) << "the screen's DPI";
    registry_ = std::make_shared<MemoryRegistry>();
    SetCurrentRegistry(registry_);
  }
  void TearDown() override {
    SetActiveUiLanguage(UiLanguage::English);
    SetCurrentRegistry(nullptr);
  }

  // A checker over the American main dictionary and one custom dictionary
  // in a temporary folder.
  std::unique_ptr<TSpellCheckerBase> Checker() {
    wchar_t tmp[MAX_PATH];
    GetTempPathW(MAX_PATH, tmp);
    const std::string dir = WideToUtf8(tmp) + "wx-window-texts";
    CreateDirectoryW(Utf8ToWide(dir).c_str(), nullptr);
    TSpellConfigSettings s;
    s.ConfigStorage = TConfigStorage::csNone;
    s.ConfigDictionaryDir = {data_, dir};
    s.ConfigUseMSWordCustom = false;
    s.ConfigDefaultMain = {"american.qxm"};
    s.ConfigDefaultCustom = {"mine.qxu"};
    s.ConfigDefaultActiveCustom = "mine.qxu";
    return std::make_unique<TSpellCheckerBase>(s);
  }

  std::string data_;
  std::shared_ptr<MemoryRegistry> registry_;
};

}  // namespace

// Prints a window's table; fails the test on any finding not allowed.
#define WX_REPORT_AND_EXPECT(report) EXPECT_EQ((report).Print(), 0) << "findings in " << #report

TEST_F(WindowTexts, ThesaurusDialog) {
  Report report("thesaurus dialog");
  TThesaurus t;
  t.ExpandFileName = nullptr;
  t.SetFilename(data_ + "\\Thesaurus.qxt");
  for (UiLanguage l : AllLanguages()) {
    SetActiveUiLanguage(l);
    for (const AppLanguageRow& row : AppLanguageTable())
      if (row.speller == l) t.UILanguage = row.thesaurus;
    // A word with long meanings, and one whose meanings fill more rows than show.
    for (const wchar_t* word : {L"congratulate", L"good"})
      WhileOpen([&] { ThesaurusSession(t, word); },
                [&](HWND w) { report.Add(l, WideToUtf8(word), Inspect(w)); });
  }
  WX_REPORT_AND_EXPECT(report);
}

TEST_F(WindowTexts, SpellingDialogs) {
  Report spelling("spelling dialog"), options("spelling options"), dicts("custom dictionaries"),
      edit("custom dictionary edit"), prompt("dictionary name");
  auto checker = Checker();
  for (UiLanguage l : AllLanguages()) {
    SetActiveUiLanguage(l);
    std::wstring text = L"A tset of spelling.";
    WhileOpen([&] { RunSpellDialogCheckText(nullptr, *checker, text); },
              [&](HWND w) { spelling.Add(l, "", Inspect(w)); });
    WhileOpen([&] { ShowSpellOptionsDialog(nullptr, *checker); }, [&](HWND w) { options.Add(l, "", Inspect(w)); });
    WhileOpen([&] { ShowCustomDictionariesDialog(nullptr, *checker); }, [&](HWND w) {
      dicts.Add(l, "", Inspect(w));
      // The name prompt of New.
      std::vector<HWND> known = TopWindows();
      Click(w, idDictsNew);
      if (HWND p = WaitNewWindow(known)) {
        prompt.Add(l, "", Inspect(p));
        CloseAndWait(p);
      }
      // The first dictionary's words, page by page.
      HWND list = GetDlgItem(w, idDictsList);
      LVITEMW item{};
      item.stateMask = item.state = LVIS_SELECTED | LVIS_FOCUSED;
      SendMessageW(list, LVM_SETITEMSTATE, 0, LPARAM(&item));
      known = TopWindows();
      Click(w, idDictsEdit);
      HWND e = WaitNewWindow(known);
      if (!e) {
        ADD_FAILURE() << "the edit dialog did not open";
        return;
      }
      std::vector<Finding> all;
      textfit::CheckTexts(e, all, true);  // every page's controls, shown or not
      edit.Add(l, "all pages", all);
      HWND tabs = GetDlgItem(e, idEditTabs);
      const int pages = int(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < pages; ++i) {
        SendMessageW(tabs, TCM_SETCURSEL, WPARAM(i), 0);
        NMHDR hdr{tabs, UINT_PTR(idEditTabs), UINT(TCN_SELCHANGE)};
        SendMessageW(e, WM_NOTIFY, WPARAM(idEditTabs), LPARAM(&hdr));
        std::vector<Finding> keys;
        textfit::CheckAccessKeys(e, keys);
        edit.Add(l, "page " + std::to_string(i + 1) + " keys", keys);
      }
      CloseAndWait(e);
    });
  }
  SetActiveUiLanguage(UiLanguage::English);
  WX_REPORT_AND_EXPECT(spelling);
  WX_REPORT_AND_EXPECT(options);
  WX_REPORT_AND_EXPECT(dicts);
  WX_REPORT_AND_EXPECT(prompt);
  WX_REPORT_AND_EXPECT(edit);
}

TEST_F(WindowTexts, DefinitionsWindow) {
  Report report("definitions window");
  TDefinitionsForm::Install([] { return HWND(nullptr); });
  for (UiLanguage l : AllLanguages()) {
    SetActiveUiLanguage(l);
    TDefinitionsDialog d;
    d.SetDatabaseFile(data_ + "\\Definitions.ydd");
    d.LookupWord = "well";  // a word of all four parts of speech
    // The size the program opens the window at the first time: the design
    // size scaled for the screen (app/Managers_win.cpp).
    const WindowGeometry first;
    d.WinWidth = ScaleToDpi(first.width, ScreenDpi());
    d.WinHeight = ScaleToDpi(first.height, ScreenDpi());
    WhileOpen([&] { d.Execute(); }, [&](HWND w) { report.Add(l, "", Inspect(w)); });
  }
  SetActiveUiLanguage(UiLanguage::English);
  WX_REPORT_AND_EXPECT(report);
}

TEST_F(WindowTexts, OptionsWindowEveryPage) {
  Report report("options window");
  // The edition with every service, and the thesaurus edition (the one
  // installed), whose General page moves the language box up.
  for (UiLanguage l : AllLanguages())
    for (TBuildEdition edition : {edAllServices, edThesaurusOnly}) {
      SetActiveUiLanguage(l);
      OptionsModel model(edition);
      TAppLanguage language(*registry_, [] { return 0x0409; });
      const std::string ed = edition == edAllServices ? "all, " : "thes., ";
      WhileOpen([&] { ShowOptionsDialog(nullptr, model, language, [](int) {}); }, [&](HWND w) {
        std::vector<Finding> all;
        textfit::CheckTexts(w, all, true);
        report.Add(l, ed + "all pages", all);
        // Each page as the tree shows it: its access keys among the window's.
        HWND tree = GetDlgItem(w, idNavTree);
        std::vector<HTREEITEM> items;
        std::function<void(HTREEITEM)> walk = [&](HTREEITEM it) {
          for (; it; it = HTREEITEM(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, LPARAM(it)))) {
            items.push_back(it);
            walk(HTREEITEM(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CHILD, LPARAM(it))));
          }
        };
        walk(HTREEITEM(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0)));
        for (size_t i = 0; i < items.size(); ++i) {
          SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, LPARAM(items[i]));
          std::vector<Finding> keys;
          textfit::CheckAccessKeys(w, keys);
          report.Add(l, ed + "page " + std::to_string(i + 1) + " keys", keys);
        }
      });
    }
  SetActiveUiLanguage(UiLanguage::English);
  WX_REPORT_AND_EXPECT(report);
}

TEST_F(WindowTexts, SmallWindows) {
  Report about("about box"), dsa("message with check");
  for (UiLanguage l : AllLanguages()) {
    SetActiveUiLanguage(l);
    WhileOpen([&] { ShowAboutBox(nullptr); }, [&](HWND w) { about.Add(l, "", Inspect(w)); });
    WhileOpen([&] { DSAMessageDlg("The words were checked.", MB_ICONINFORMATION, MB_OKCANCEL, 0, "Software\\WxTest",
                                  "texts", IDOK); },
              [&](HWND w) { dsa.Add(l, "", Inspect(w)); });
  }
  SetActiveUiLanguage(UiLanguage::English);
  WX_REPORT_AND_EXPECT(about);
  WX_REPORT_AND_EXPECT(dsa);
}

TEST_F(WindowTexts, WritingWindows) {
  Report viewer("spell viewer"), instant("instant spell"), bar("smart bar");
  auto checker = Checker();
  for (UiLanguage l : AllLanguages()) {
    SetActiveUiLanguage(l);
    // The Spell Viewer checks what is on the clipboard.
    const std::wstring text = L"A tset of spelling.";
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
    SetClipboardData(CF_UNICODETEXT, mem);
    CloseClipboard();
    WhileOpen([&] { RunSpellViewer(*checker, TSpellViewerSettings{}); },
              [&](HWND w) { viewer.Add(l, "", Inspect(w)); });

    TInstantSpellServices services;
    services.engine = checker.get();
    services.thesaurusLookup = [](const std::wstring&) { return std::wstring(); };
    services.definitionsLookup = [](const std::wstring&) { return std::wstring(); };
    WhileOpen([&] { ShowInstantSpell(nullptr, services); }, [&](HWND w) {
      instant.Add(l, "", Inspect(w));
      // The editor's context menu, opened from the keyboard.
      const std::vector<HWND> known = TopWindows();
      HWND editor = FindWindowExW(w, nullptr, L"RichEdit20W", nullptr);
      PostMessageW(w, WM_CONTEXTMENU, WPARAM(editor), MAKELPARAM(-1, -1));
      HWND popup = WaitNewWindow(known, L"#32768");
      if (!popup) {
        ADD_FAILURE() << "no context menu";
        return;
      }
      std::vector<Finding> menu;
      textfit::CheckMenu(HMENU(SendMessageW(popup, MN_GETHMENU, 0, 0)), menu);
      instant.Add(l, "context menu", menu);
      SendMessageW(w, WM_CANCELMODE, 0, 0);
      EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(popup); })) << "the context menu stayed open";
    });

    TSmartBarHost host = QuietSmartBarHost();
    TfrmSmartBar smartBar(host);
    ASSERT_TRUE(smartBar.Create());
    smartBar.Show();
    bar.Add(l, "", Inspect(smartBar.Handle()));
    // The menus of its Editor, Options and Help buttons (the fourth to sixth child).
    std::vector<HWND> buttons;
    for (HWND c = GetWindow(smartBar.Handle(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) buttons.push_back(c);
    ASSERT_EQ(buttons.size(), 6u);
    for (size_t i = 3; i < 6; ++i) {
      if (!IsWindowVisible(buttons[i])) continue;
      const int id = GetDlgCtrlID(buttons[i]);
      WhileOpen([&] { SendMessageW(smartBar.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), LPARAM(buttons[i])); },
                [&](HWND popup) {
                  std::vector<Finding> menu;
                  textfit::CheckMenu(HMENU(SendMessageW(popup, MN_GETHMENU, 0, 0)), menu);
                  bar.Add(l, "menu " + std::to_string(i + 1), menu);
                  SendMessageW(smartBar.Handle(), WM_CANCELMODE, 0, 0);
                  EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(popup); })) << "the menu stayed open";
                });
    }
  }
  SetActiveUiLanguage(UiLanguage::English);
  WX_REPORT_AND_EXPECT(viewer);
  WX_REPORT_AND_EXPECT(instant);
  WX_REPORT_AND_EXPECT(bar);
}

// The checks themselves on windows made here: they must see what a user sees.
TEST(TextFitChecks, FindCutTextsSharedKeysAndLabelsWithoutKeys) {
  HWND top = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr,
                             nullptr);
  ASSERT_NE(top, nullptr);
  HFONT font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
  auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, int id) {
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, top, HMENU(INT_PTR(id)),
                             nullptr, nullptr);
    SendMessageW(c, WM_SETFONT, WPARAM(font), FALSE);
    return c;
  };
  make(L"BUTTON", L"&Wide enough", BS_PUSHBUTTON, 0, 0, 200, 40, 1);
  make(L"BUTTON", L"&A button text far too long", BS_PUSHBUTTON, 0, 45, 40, 23, 2);
  make(L"BUTTON", L"&Box", BS_AUTOCHECKBOX, 0, 60, 20, 17, 3);  // only the box shows
  make(L"STATIC", L"&Label:", SS_LEFT, 0, 90, 100, 28, 4);
  make(L"EDIT", L"", WS_BORDER, 100, 90, 100, 20, 5);
  make(L"STATIC", L"No key:", SS_LEFT, 0, 120, 100, 28, 6);
  make(L"COMBOBOX", L"", CBS_DROPDOWNLIST, 100, 120, 100, 100, 7);
  make(L"STATIC", L"&Sunken heading", SS_LEFTNOWORDWRAP | SS_SUNKEN, 0, 150, 200, 18, 8);
  make(L"STATIC", L"&wrapped into more lines than fit", SS_LEFT, 0, 180, 60, 15, 9);
  std::vector<Finding> found;
  textfit::CheckTexts(top, found);
  textfit::CheckAccessKeys(top, found);
  std::vector<int> ids;
  for (const Finding& f : found) ids.push_back(f.controlId);
  std::sort(ids.begin(), ids.end());
  // W is the key of 1 and 9; 2 is cut, 3 cut beside its box, 6 labels a combo
  // box without a key, 8 touches its frame, 9 wraps beyond its height.
  EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 6, 8, 9})) << testing::PrintToString(ids);
  DestroyWindow(top);

  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"&Open\tCtrl+O");
  AppendMenuW(menu, MF_STRING, 2, L"Save &&Close");
  AppendMenuW(menu, MF_STRING, 3, L"&Other");
  AppendMenuW(menu, MF_STRING, 4, L"&Save");
  found.clear();
  textfit::CheckMenu(menu, found);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_NE(found[0].control.find(L"\"&Open\", \"&Other\""), std::wstring::npos) << WideToUtf8(found[0].control);
  DestroyMenu(menu);
  EXPECT_EQ(textfit::AccessKeyOf(L"Save &&Close"), 0);
  EXPECT_EQ(textfit::AccessKeyOf(L"&&a &bc"), L'B');
}
