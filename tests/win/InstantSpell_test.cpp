// The Instant Spell window when opening it fails after the window exists: the
// failure reaches the caller and no window is left behind whose user data
// would point at the object that is gone. Opened, it is sized for the DPI of
// its window and follows a move to a monitor of another DPI.
#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "common/MemoryRegistry.h"
#include "common/Registry.h"
#include "ui/Dpi_win.h"
#include "windows/InstantSpellModel.h"
#include "windows/InstantSpellTexts.h"
#include "windows/InstantSpell_win.h"

namespace wx {

namespace {

// A registry whose font settings cannot be read: the window fails while it
// is being shown, after it has been created.
class FontFailsRegistry : public MemoryRegistry {
 public:
  RegType TypeOf(const std::string& path, const std::string& name) override {
    if (path.size() >= 5 && path.compare(path.size() - 5, 5, "\\Font") == 0)
      throw std::runtime_error("the font settings cannot be read");
    return MemoryRegistry::TypeOf(path, name);
  }
};

}  // namespace

TEST(InstantSpellWindow, FailingToShowLeavesNoWindowBehind) {
  SetCurrentRegistry(std::make_shared<FontFailsRegistry>());
  EXPECT_THROW(ShowInstantSpell(nullptr, TInstantSpellServices{}), std::runtime_error);
  SetCurrentRegistry(nullptr);
  EXPECT_EQ(FindWindowW(L"TfrmInstantSpell", nullptr), nullptr) << "the window outlived its object";
}

namespace {

struct InstantSpellSeen {
  RECT window{}, client{}, editor{}, toolbar{};
  POINT minTrack{};
  int buttonHeight = 0;  // of the toolbar's buttons
};

InstantSpellSeen LookAt(HWND w) {
  InstantSpellSeen s;
  GetWindowRect(w, &s.window);
  GetClientRect(w, &s.client);
  for (auto [id, r] : {std::pair{idIsEditor, &s.editor}, std::pair{idIsToolbar, &s.toolbar}}) {
    GetWindowRect(GetDlgItem(w, id), r);
    MapWindowPoints(nullptr, w, reinterpret_cast<POINT*>(r), 2);
  }
  MINMAXINFO mm{};
  SendMessageW(w, WM_GETMINMAXINFO, 0, LPARAM(&mm));
  s.minTrack = mm.ptMinTrackSize;
  s.buttonHeight = HIWORD(SendMessageW(GetDlgItem(w, idIsToolbar), TB_GETBUTTONSIZE, 0, 0));
  return s;
}

// The editor fills the client area under the toolbar.
void ExpectEditorFills(const InstantSpellSeen& s) {
  EXPECT_EQ(s.editor.left, 0);
  EXPECT_EQ(s.editor.top, s.toolbar.bottom);
  EXPECT_EQ(s.editor.right, s.client.right);
  EXPECT_EQ(s.editor.bottom, s.client.bottom);
}

}  // namespace

TEST(InstantSpellWindow, FollowsTheDpiOfItsWindow) {
  SetCurrentRegistry(std::make_shared<MemoryRegistry>());
  struct Ctx {
    int dpi = 0;
    InstantSpellSeen first, moved, back;
    RECT suggested{};
  } ctx;
  HANDLE th = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
    auto* c = static_cast<Ctx*>(p);
    HWND w = nullptr;
    for (const ULONGLONG deadline = GetTickCount64() + 10000; GetTickCount64() < deadline; Sleep(20))
      if ((w = FindWindowW(L"TfrmInstantSpell", nullptr)) && IsWindowVisible(w)) break;
    if (!w || !IsWindowVisible(w)) return 1;
    c->dpi = WindowDpi(w);
    c->first = LookAt(w);
    const int larger = c->dpi * 3 / 2;
    const RECT& r = c->first.window;
    c->suggested = {r.left + 10, r.top + 20, r.left + 10 + MulDiv(r.right - r.left, 3, 2),
                    r.top + 20 + MulDiv(r.bottom - r.top, 3, 2)};
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(larger, larger), LPARAM(&c->suggested));
    c->moved = LookAt(w);
    RECT again = r;
    SendMessageW(w, WM_DPICHANGED, MAKEWPARAM(c->dpi, c->dpi), LPARAM(&again));
    c->back = LookAt(w);
    PostMessageW(w, WM_CLOSE, 0, 0);  // nothing typed: no question
    return 0;
  }, &ctx, 0, nullptr);
  ShowInstantSpell(nullptr, TInstantSpellServices{});
  WaitForSingleObject(th, INFINITE);
  CloseHandle(th);
  SetCurrentRegistry(nullptr);
  ASSERT_GT(ctx.dpi, 0) << "the window did not open";
  // Without a stored place: the design size at the window's DPI.
  EXPECT_EQ(ctx.first.window.right - ctx.first.window.left, ScaleToDpi(kInstantSpellWidth, ctx.dpi));
  EXPECT_EQ(ctx.first.window.bottom - ctx.first.window.top, ScaleToDpi(kInstantSpellHeight, ctx.dpi));
  EXPECT_EQ(ctx.first.minTrack.x, ScaleToDpi(kInstantSpellMinWidth, ctx.dpi));
  EXPECT_EQ(ctx.first.minTrack.y, ScaleToDpi(kInstantSpellMinHeight, ctx.dpi));
  ExpectEditorFills(ctx.first);
  // Moved: the suggested rectangle, laid out again, the smallest size scaled.
  const int larger = ctx.dpi * 3 / 2;
  EXPECT_EQ(ctx.moved.window.left, ctx.suggested.left);
  EXPECT_EQ(ctx.moved.window.top, ctx.suggested.top);
  EXPECT_EQ(ctx.moved.window.right, ctx.suggested.right);
  EXPECT_EQ(ctx.moved.window.bottom, ctx.suggested.bottom);
  EXPECT_EQ(ctx.moved.minTrack.x, ScaleToDpi(kInstantSpellMinWidth, larger));
  ExpectEditorFills(ctx.moved);
  // The toolbar's images at 24 pixels from 144 DPI on: larger buttons.
  if (ScaleToDpi(16, ctx.dpi) < 24) EXPECT_GE(ctx.moved.buttonHeight, ctx.first.buttonHeight + 8);
  // And back.
  EXPECT_EQ(ctx.back.window.right - ctx.back.window.left, ctx.first.window.right - ctx.first.window.left);
  EXPECT_EQ(ctx.back.minTrack.x, ctx.first.minTrack.x);
  EXPECT_EQ(ctx.back.buttonHeight, ctx.first.buttonHeight);
  ExpectEditorFills(ctx.back);
}

}  // namespace wx
