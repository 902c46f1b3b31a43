// Translucency on real windows: the layer is set and read back through the
// window's own state; misplaced components are refused.
#include <windows.h>
#include <gtest/gtest.h>

#include "windows/LayeredForm_win.h"

using namespace wx;

namespace {

struct Window {
  HWND h;
  explicit Window(HWND parent = nullptr, DWORD style = WS_POPUP | WS_CAPTION)
      : h(CreateWindowExW(0, L"STATIC", L"layered", style, 10, 10, 120, 80, parent, nullptr, nullptr, nullptr)) {}
  ~Window() { DestroyWindow(h); }
};

bool Layered(HWND h) { return GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED; }

// What the window's own procedure still finds of the component's property
// when the window ends.
HANDLE g_propertyAtEnd = nullptr;
LRESULT CALLBACK ProbeProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCDESTROY) g_propertyAtEnd = GetPropW(h, L"WendrixLayeredForm");
  return DefWindowProcW(h, msg, wp, lp);
}

}  // namespace

TEST(LayeredWindow, AppliesAlphaAndComesBackOpaque) {
  ASSERT_TRUE(LayeredWindowsAvailable());
  Window w;
  ASSERT_TRUE(w.h);
  TLayeredWindow layered(w.h);
  layered.Form().SetAlpha(128);
  EXPECT_FALSE(Layered(w.h)) << "the alpha waits for its layer type";
  layered.Form().SetLayerType(ltAlphaBlend);
  ASSERT_TRUE(Layered(w.h));
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(GetLayeredWindowAttributes(w.h, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
  EXPECT_TRUE(flags & LWA_ALPHA);
  layered.Form().SetAlpha(64);
  ASSERT_TRUE(GetLayeredWindowAttributes(w.h, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 64);
  layered.Form().SetLayerType(ltNone);
  EXPECT_FALSE(Layered(w.h));
}

TEST(LayeredWindow, OnlyOnePerTopLevelWindow) {
  Window top;
  TLayeredWindow first(top.h);
  try {
    TLayeredWindow second(top.h);
    FAIL() << "a second one was made";
  } catch (const ELayeredFormError& e) {
    EXPECT_STREQ(e.what(), "Only one instance of TLayeredForm allowed on form");
  }
  Window child(top.h, WS_CHILD);
  try {
    TLayeredWindow onChild(child.h);
    FAIL() << "one was made on a child window";
  } catch (const ELayeredFormError& e) {
    EXPECT_STREQ(e.what(), "Control parent must be a form!");
  }
}

// The Smart Bar's Close destroys its window while the component lives on: the
// window's end must take the property away (a window must lose its
// properties before it is gone).
TEST(LayeredWindow, TheWindowsEndTakesThePropertyAway) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = ProbeProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"WxLayeredProbe";
  RegisterClassW(&wc);
  HWND h = CreateWindowExW(0, wc.lpszClassName, L"probe", WS_POPUP | WS_CAPTION, 10, 10, 120, 80, nullptr, nullptr,
                           wc.hInstance, nullptr);
  ASSERT_TRUE(h);
  TLayeredWindow layered(h);
  ASSERT_TRUE(GetPropW(h, L"WendrixLayeredForm"));
  g_propertyAtEnd = nullptr;
  DestroyWindow(h);
  EXPECT_EQ(g_propertyAtEnd, nullptr) << "the property outlived the window";
}
