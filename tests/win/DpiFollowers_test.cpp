// The windows made from the toolkit follow their DPI: laid out for the DPI of
// their window (the tests run at 96 and, from tests/e2e/test_high_dpi.sh, at
// 144), in the message font at it, and laid out again, fonts and all, when a
// WM_DPICHANGED as Windows sends it moves them to a monitor of another DPI.
// Each window runs modally on the test's thread while a second thread plays
// the user (win/DpiCheck.h).
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "app/AboutBox_win.h"
#include "app/AboutTexts.h"
#include "app/AppLanguage.h"
#include "app/ErrorBox_win.h"
#include "app/OptionsDialog_win.h"
#include "app/OptionsTexts.h"
#include "common/AnsiText.h"
#include "common/MemoryRegistry.h"
#include "definitions/DefinitionsDatabase.h"
#include "definitions/DefinitionsForm_win.h"
#include "definitions/TestDatabase.h"
#include "ui/Dpi_win.h"
#include "win/DpiCheck.h"
// The writer is builder code, not part of the program's library.
#include "tools/lib/DefinitionsWriter.cpp"

using namespace wx;
using namespace wx::dpicheck;

namespace {

TEST(DpiFollowers, TheAboutBox) {
  const Moves m = MoveBetweenDpis([] { ShowAboutBox(nullptr); }, Probe{idAboutOK, idAboutTitle, 0, false, {}},
                                  [](HWND w) { ClickButton(w, idAboutOK); });
  ExpectFollows(m);
  for (const Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    ExpectPlaced(s->control, 178, 188, 86, 25, s->dpi);
    // The title in the message face 19 pixels high at 96 DPI.
    EXPECT_EQ(s->ownFontHeight, -ScaleToDpi(19, s->dpi));
  }
  EXPECT_EQ(m.first.client.right, ScaleToDpi(442, m.first.dpi));
  EXPECT_EQ(m.first.client.bottom, ScaleToDpi(223, m.first.dpi));
}

TEST(DpiFollowers, TheOptionsWindow) {
  MemoryRegistry registry;
  TAppLanguage language(registry, [] { return 0x0409; });
  OptionsModel model(edAllServices);
  OptionsResult result = OptionsResult::Ok;
  const Moves m = MoveBetweenDpis(
      [&] { result = ShowOptionsDialog(nullptr, model, language, [](int) {}); },
      Probe{idOptOK, idCaptionPanel, idSingleClickBox, false, {}}, [](HWND w) { ClickButton(w, idOptCancel); });
  ExpectFollows(m);
  EXPECT_EQ(result, OptionsResult::Cancel);
  for (const Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    ExpectPlaced(s->control, 278, 356, 86, 25, s->dpi);
    // The page caption bold, 13 pixels high at 96 DPI.
    EXPECT_EQ(s->ownFontHeight, -ScaleToDpi(13, s->dpi));
  }
  // The click list drops 200 pixels at 96 DPI.
  EXPECT_NEAR(m.first.dropped, ScaleToDpi(200, m.first.dpi), ScaleToDpi(16, m.first.dpi));
  EXPECT_EQ(m.first.client.right, ScaleToDpi(545, m.first.dpi));
  EXPECT_EQ(m.first.client.bottom, ScaleToDpi(384, m.first.dpi));
}

TEST(DpiFollowers, TheDefinitionsWindow) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  const std::wstring path = std::wstring(dir) + L"wx-dpi-definitions.ydd";
  std::ofstream(path.c_str(), std::ios::binary) << wx::testing::FixtureBytes();
  struct Remove {
    std::wstring path;
    ~Remove() { DeleteFileW(path.c_str()); }
  } remove{path};
  TDefinitionsDatabase database;
  database.SetDatabaseFile(WideToUtf8(path));
  TDefinitionsForm form(nullptr);
  form.SetDatabase(database, 50);
  form.LookUp("dog");
  // The first heading drawn in the definitions box, in the definitions' bold face.
  auto heading = [](HWND w) { return GetWindow(GetDlgItem(w, idDefDefs), GW_CHILD); };
  const Moves m = MoveBetweenDpis([&] { form.ShowModal(); }, Probe{idDefCloseButton, 0, 0, false, heading, 2, 3},
                                  [](HWND w) { ClickButton(w, idDefCloseButton); });
  ExpectFollows(m);
  for (const Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    // The buttons' column lays itself out from 96-DPI lengths.
    EXPECT_EQ(s->control.top, ScaleToDpi(218, s->dpi));
    EXPECT_EQ(s->control.bottom - s->control.top, ScaleToDpi(25, s->dpi));
    EXPECT_EQ(s->control.right - s->control.left, ScaleToDpi(73, s->dpi));
    // The definitions drawn again in 8 points at the DPI.
    EXPECT_EQ(s->ownFontHeight, FontHeightForDpi(8, s->dpi));
  }
  // Without a stored size the design client area.
  EXPECT_EQ(m.first.client.right, ScaleToDpi(kDefinitionsClientWidth, m.first.dpi));
  EXPECT_EQ(m.first.client.bottom, ScaleToDpi(kDefinitionsClientHeight, m.first.dpi));
}

TEST(DpiFollowers, TheDontShowAgainMessage) {
  const std::string storage = "Software\\Morvane\\WendrixTests\\DpiFollowers";
  int answer = 0;
  const Moves m = MoveBetweenDpis(
      [&] { answer = DSAMessageDlg("A notice that can be turned off.", MB_ICONINFORMATION, MB_OK, 0, storage, "dpi", 0); },
      Probe{IDOK, 0, 0, true, {}}, [](HWND w) { ClickButton(w, IDOK); });
  ExpectFollows(m);
  EXPECT_EQ(answer, IDOK);
  for (const Seen* s : {&m.first, &m.moved}) {
    SCOPED_TRACE(s->dpi);
    // Laid out again from the text in the font at the DPI: the buttons' 96-DPI size scaled.
    EXPECT_EQ(s->control.right - s->control.left, ScaleToDpi(75, s->dpi));
    EXPECT_EQ(s->control.bottom - s->control.top, ScaleToDpi(25, s->dpi));
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, Utf8ToWide(storage).c_str());
}

}  // namespace
