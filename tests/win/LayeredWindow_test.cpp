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
