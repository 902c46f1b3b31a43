// WindowCaptions on real windows: texts applied by control id, applied again
// at a language change, and no longer once the binding is gone.
#include <windows.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "common/Captions_win.h"

namespace wx {

namespace {

const Caption kRows[] = {
    {kCaptionWindowTitle, {"Options", "Indstillinger", "Opties", "Options", "Optionen", "Opzioni", "Opções",
                           "Opções", "Opciones", "Alternativ"}},
    {7, {"&Cancel", nullptr, nullptr, "&Annuler", "&Abbrechen", nullptr, nullptr, nullptr, nullptr, "&Avbryt"}},
    {kCaptionMessageBase + 7, {"never shown", nullptr, nullptr, nullptr, "nie", nullptr, nullptr, nullptr, nullptr,
                               nullptr}},
};
const CaptionTable kTable("Test", kRows);

std::wstring Text(HWND h) {
  wchar_t buf[128] = L"";
  GetWindowTextW(h, buf, 128);
  return buf;
}

}  // namespace

TEST(WindowCaptions, AppliesByControlIdAndFollowsTheLanguage) {
  HWND top = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(top, nullptr);
  HWND cancel = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD, 0, 0, 50, 20, top, HMENU(INT_PTR(7)), nullptr, nullptr);
  // A control without a row keeps its text.
  HWND other = CreateWindowExW(0, L"STATIC", L"mine", WS_CHILD, 0, 30, 50, 20, top, HMENU(INT_PTR(8)), nullptr,
                               nullptr);
  int afterApply = 0;
  std::optional<WindowCaptions> captions(std::in_place, top, kTable, [&] { ++afterApply; });
  EXPECT_EQ(Text(top), L"Options");
  EXPECT_EQ(Text(cancel), L"&Cancel");
  EXPECT_EQ(afterApply, 1);

  SetActiveUiLanguage(UiLanguage::German);
  EXPECT_EQ(Text(top), L"Optionen");
  EXPECT_EQ(Text(cancel), L"&Abbrechen");
  EXPECT_EQ(afterApply, 2);
  SetActiveUiLanguage(UiLanguage::Danish);  // no Danish Cancel: English
  EXPECT_EQ(Text(top), L"Indstillinger");
  EXPECT_EQ(Text(cancel), L"&Cancel");
  EXPECT_EQ(Text(other), L"mine");

  captions.reset();
  SetActiveUiLanguage(UiLanguage::Swedish);
  EXPECT_EQ(Text(top), L"Indstillinger");
  EXPECT_EQ(afterApply, 3);

  // A binding that outlives its window does nothing.
  captions.emplace(top, kTable);
  DestroyWindow(top);
  SetActiveUiLanguage(UiLanguage::English);
  EXPECT_EQ(CaptionW(kTable, 7), L"&Cancel");
}

}  // namespace wx
