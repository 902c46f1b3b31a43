// Interface texts in the ten interface languages: one caption table per window
// (text id -> ten UTF-8 texts), one process-wide active language, and
// listeners through which open windows re-apply their texts the moment the
// language changes.
//
// Adding a window's texts:
//   1. XxxTexts.cpp beside the window defines `const CaptionTable& XxxTexts()`
//      over a `static const Caption rows[]` (ids: the window's control ids,
//      0 for its title, kCaptionMessageBase and up for texts that are not a
//      control's, such as messages and list entries);
//   2. add it to the list in app/CaptionTables.cpp (the test over that list
//      checks every table: ids unique, all ten texts present, placeholders
//      and access keys consistent);
//   3. the Win32 window keeps a WindowCaptions (common/Captions_win.h), which
//      applies the table now and at every language change.
//
// Portable: no Windows headers. Used from the user-interface thread only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace wx {

// The languages in the order of the language list (numbers 1 ... 10 there).
enum class UiLanguage : uint8_t {
  English,  // English (United States): the design language and the fallback
  Danish,
  Dutch,
  French,
  German,
  Italian,
  BrPortuguese,
  StdPortuguese,
  Spanish,
  Swedish,
};
inline constexpr int kUiLanguageCount = 10;

// The language list's name of a language, "German (Germany) [$0407]": the
// display name, then the Windows language id in brackets.
const char* UiLanguageName(UiLanguage language);
// Language number n (1 ... 10) of the list; false outside that range.
bool UiLanguageFromNumber(int number, UiLanguage& out);

// Text ids from here on are never applied to controls (messages, list items).
inline constexpr int kCaptionMessageBase = 0x10000;
// Text id of the window's own title.
inline constexpr int kCaptionWindowTitle = 0;

// One text in every language, UTF-8, in UiLanguage order. A null or empty
// translation falls back to the English text. "&" marks an access key.
struct Caption {
  int id;
  std::array<const char*, kUiLanguageCount> text;
};

class CaptionTable {
 public:
  template <size_t N>
  constexpr CaptionTable(const char* window, const Caption (&rows)[N]) : window_(window), rows_(rows, N) {}

  // The text of `id` in `language`, English when that translation is
  // missing, empty when the table has no such id.
  std::string_view Text(int id, UiLanguage language) const;
  // The same in the active language.
  std::string_view Text(int id) const;
  std::string TextString(int id) const { return std::string(Text(id)); }

  const char* Window() const { return window_; }
  std::span<const Caption> Rows() const { return rows_; }

 private:
  const char* window_;
  std::span<const Caption> rows_;
};

// Problems of a table, one line each (empty when sound): duplicate ids, a
// missing English or missing translation, a translation whose "%..."
// placeholders differ from the English ones, more than one access key, an
// access key English has missing from a translation.
std::string CheckCaptionTable(const CaptionTable& table);

// The active language of the whole program (English at start).
UiLanguage ActiveUiLanguage();
// Makes `language` active; when it differs from the active one, every live
// listener is called, in the order they were made.
void SetActiveUiLanguage(UiLanguage language);

// A subscription to language changes; move-only, ends when destroyed. A
// listener may destroy itself or others, or make new ones, while being
// called: a destroyed one is not called again, a new one is called from the
// next change on.
class CaptionListener {
 public:
  CaptionListener() = default;
  explicit CaptionListener(std::function<void()> onChange);
  ~CaptionListener();
  CaptionListener(CaptionListener&& other) noexcept;
  CaptionListener& operator=(CaptionListener&& other) noexcept;
  CaptionListener(const CaptionListener&) = delete;
  CaptionListener& operator=(const CaptionListener&) = delete;

 private:
  uint64_t id_ = 0;
};

}  // namespace wx
