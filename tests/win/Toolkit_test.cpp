// The window toolkit's one way of asking the user (a message box owned,
// captioned by the caller, centred on its owner) and its modal loop for a
// window that is not a dialog (owner disabled meanwhile, accelerators, a
// WM_QUIT passed on to the caller's loop).
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "ui/Dpi.h"
#include "ui/WindowPlacement_win.h"
#include "ui/Window_win.h"
#include "win/DpiCheck.h"

using namespace wx;

namespace {

constexpr int kAccelCommand = 4242;

// What the test windows saw.
struct Recorded {
  int commands = 0;
  bool closed = false;
};
Recorded g_recorded;

LRESULT CALLBACK TestWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_COMMAND && LOWORD(wp) == kAccelCommand) {
    ++g_recorded.commands;
    g_recorded.closed = true;  // the command ends the modal run
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND MakeWindow(const wchar_t* title, HWND owner, int x, int y, int w, int h) {
  RegisterWindowClass(L"WxToolkitTestWindow", TestWindowProc, nullptr, LoadCursorW(nullptr, IDC_ARROW),
                      HBRUSH(COLOR_BTNFACE + 1));
  HWND window = CreateWindowExW(0, L"WxToolkitTestWindow", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y, w, h, owner,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
  UpdateWindow(window);
  return window;
}

std::wstring TextOf(HWND h) {
  wchar_t buf[256] = {};
  SendMessageW(h, WM_GETTEXT, 256, LPARAM(buf));
  return buf;
}

}  // namespace

TEST(AskUser, TheBoxIsOwnedCaptionedAndCentredOnItsOwner) {
  HWND owner = MakeWindow(L"Owner", nullptr, 60, 40, 600, 400);
  ASSERT_TRUE(owner);
  struct Ctx {
    DWORD thread;
    RECT box{};
    HWND boxOwner = nullptr;
    std::wstring caption;
  } ctx{GetCurrentThreadId()};
  HANDLE th = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
    auto* c = static_cast<Ctx*>(p);
    HWND box = dpicheck::WaitForDialogOf(c->thread);
    if (!box) return 1;
    // Shown, then centred as it is activated: wait up to 2 seconds for its place.
    const TRect owner = WindowRectOf(GetWindow(box, GW_OWNER));
    const TRect work = WorkAreaOf(GetWindow(box, GW_OWNER));
    for (const ULONGLONG deadline = GetTickCount64() + 2000; GetTickCount64() < deadline; Sleep(10)) {
      GetWindowRect(box, &c->box);
      const TRect r = ToTRect(c->box);
      if (r == CentredOn(owner, r.Width(), r.Height(), work)) break;
    }
    c->boxOwner = GetWindow(box, GW_OWNER);
    c->caption = TextOf(box);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);  // the user presses No
    return 0;
  }, &ctx, 0, nullptr);
  const int answer = AskUser(owner, L"Save the changes?", L"Question from a test", MB_YESNOCANCEL | MB_ICONQUESTION);
  WaitForSingleObject(th, INFINITE);
  CloseHandle(th);
  const TRect ownerRect = WindowRectOf(owner);
  const TRect work = WorkAreaOf(owner);
  DestroyWindow(owner);
  EXPECT_EQ(answer, IDNO);
  EXPECT_EQ(ctx.boxOwner, owner);
  EXPECT_EQ(ctx.caption, L"Question from a test");
  const TRect box = ToTRect(ctx.box);
  ASSERT_GT(box.Width(), 0);
  EXPECT_EQ(box, CentredOn(ownerRect, box.Width(), box.Height(), work));
}

TEST(RunModalWindow, TheOwnerWaitsKeysGoThroughTheAcceleratorsAndAQuitIsPassedOn) {
  HWND owner = MakeWindow(L"Owner", nullptr, 60, 40, 400, 300);
  HWND window = MakeWindow(L"Modal", owner, 100, 80, 300, 200);
  ASSERT_TRUE(owner && window);
  ACCEL keys[] = {{FVIRTKEY, VK_F5, kAccelCommand}};
  HACCEL accel = CreateAcceleratorTableW(keys, 1);
  g_recorded = {};

  // F5 pressed in the window: the accelerator's command ends the run.
  struct Ctx {
    HWND owner, window;
    bool ownerEnabledMeanwhile = true;
  } ctx{owner, window};
  HANDLE th = CreateThread(nullptr, 0, [](LPVOID p) -> DWORD {
    auto* c = static_cast<Ctx*>(p);
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (IsWindowEnabled(c->owner) && GetTickCount64() < deadline) Sleep(10);
    c->ownerEnabledMeanwhile = IsWindowEnabled(c->owner);
    PostMessageW(c->window, WM_KEYDOWN, VK_F5, 0x003F0001);
    return 0;
  }, &ctx, 0, nullptr);
  RunModalWindow(window, owner, accel, [] { return g_recorded.closed; });
  WaitForSingleObject(th, INFINITE);
  CloseHandle(th);
  EXPECT_FALSE(ctx.ownerEnabledMeanwhile);
  EXPECT_EQ(g_recorded.commands, 1);
  EXPECT_TRUE(IsWindowEnabled(owner));

  // The program ending meanwhile: the run stops and the quit reaches the caller's loop.
  g_recorded = {};
  PostQuitMessage(7);
  RunModalWindow(window, owner, accel, [] { return g_recorded.closed; });
  MSG msg{};
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT(WM_QUIT));
  EXPECT_EQ(msg.wParam, WPARAM(7));
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyAcceleratorTable(accel);
  DestroyWindow(window);
  DestroyWindow(owner);
}
