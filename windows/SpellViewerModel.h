// What the Spell Viewer shows and decides, without the window: the word the
// checker presents, the repeated-word state, the suggestions and the
// replacement box, which buttons are visible and enabled, what each button
// asks of the checker, the completion message, where the window goes, and
// how much of the checked text goes back on the clipboard. SpellViewer_win
// turns control notifications into calls here and shows the state after
// each call.
//
// The checker runs silently while the viewer works for it: the viewer takes
// over its interface type, its prompt and completion events and its dialog
// hooks, and TSpellerTakeover gives them back on every way out.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "common/Registry.h"
#include "spelling/SpellCheckerBase.h"
#include "ui/WindowPlacement.h"

namespace wx {

// The caller's settings for one run (-1: leave as the window has it).
struct TSpellViewerSettings {
  int32_t MinWidth = -1, MaxWidth = -1, MinHeight = -1, MaxHeight = -1;
  int32_t Top = -1, Left = -1, Width = -1, Height = -1;
  bool UseSavedPosition = false;
  bool SavePosition = false;
  bool AlwaysOnTop = false;
  bool NoEndMessage = false;
};

// The smallest size of the window, in pixels.
inline constexpr int kSpellViewerMinWidth = 475, kSpellViewerMinHeight = 307;

// Where the window was last: ini style, section "SpellViewer" of this key,
// "Top", "Left", "Width", "Height" as decimal texts.
inline constexpr const char* kSpellViewerBaseKey = "Software\\Morvane\\Tarvelo";
inline constexpr const char* kSpellViewerSection = "SpellViewer";

// The stored place; values missing or not numbers keep those of `current`.
TRect ReadSpellViewerPlace(Registry& registry, const TRect& current);
void WriteSpellViewerPlace(Registry& registry, const TRect& place);

// The window's place for a run: the stored one when the settings ask for it
// (brought onto a monitor's work area at no less than the minimum size),
// else `current` with the settings' values that are not -1. minWidth and
// minHeight are the minimum size in screen pixels; the settings' own
// minimum and maximum sizes, when given, bound the result as well.
TRect SpellViewerPlacement(const TSpellViewerSettings& settings, Registry& registry, const TRect& current,
                           int minWidth, int minHeight, const std::vector<TRect>& workAreas);

// The length of the pane's text that goes back on the clipboard as rich
// text: all of it, less the paragraph mark the pane ends with ("\r\n" or
// "\r") unless the text the user copied ended with a line break too.
size_t RichResultLength(const std::u16string& paneText, bool originalEndsWithBreak);

// "The spelling check is complete.", a blank line, "Words checked:" and the
// checker's count of checked words, in the checker's text language.
std::string SpellViewerCompletionText(TSpellCheckerBase& speller);

// Takes the checker over for the viewer and gives back, when destroyed, its
// interface type, prompt, completion and replacement events and dialog
// hooks exactly as they were, whether the run ends normally or by an
// exception.
class TSpellerTakeover {
 public:
  explicit TSpellerTakeover(TSpellCheckerBase& speller);
  ~TSpellerTakeover();
  TSpellerTakeover(const TSpellerTakeover&) = delete;
  TSpellerTakeover& operator=(const TSpellerTakeover&) = delete;

 private:
  TSpellCheckerBase& speller_;
  TSpellUI uiType_;
  std::function<void(const std::string&, bool)> onPromptWord_;
  std::function<void()> onCompleteCheck_;
  std::function<void(const std::string&, bool, int)> onParserReplaceWord_;
  TSpellDialogHooks* hooks_;
};

class TSpellViewerModel {
 public:
  enum Button : int {
    btnIgnore,
    btnIgnoreAll,
    btnAdd,
    btnChange,
    btnChangeAll,
    btnAutoCorrect,
    btnUndo,
    btnOptions,
    btnHelp,
    btnCancel,
    kButtonCount
  };
  struct ButtonState {
    bool visible = true;
    bool enabled = false;
  };

  explicit TSpellViewerModel(TSpellCheckerBase& speller);

  // Set-up for the checker: clears the repeated and inactive flags, shows
  // each button whose command the checker shows, enables the buttons by
  // their commands, and wires the checker's prompt and completion events
  // here. onPrompted runs after a presented word has been taken in (the
  // window makes the word bold and shows the new state); onComplete when
  // the check ends (the window hides).
  void Setup(std::function<void()> onPrompted, std::function<void()> onComplete);

  // ---- the checker presents a word (already selected in the pane) ----
  void PromptWord(const std::string& word, bool repeated);

  // ---- user actions ----
  // The replacement box's text changed (ANSI as the checker takes it).
  void ReplacementChanged(const std::string& text);
  void SuggestionClicked(int index);
  void SuggestionDoubleClicked(int index);
  void Press(Button button);
  // The window lost or regained the activation.
  void Deactivated();
  void Activated();

  // Called before a command gives the current word back the style it had
  // before it was made bold.
  std::function<void()> OnRestoreStyle;
  // Shows the spelling options (the Options button); the word is presented
  // again afterwards, so that suggestions follow the new options.
  std::function<void()> OnShowOptions;
  // The help command (nothing in this program: the Help button is hidden).
  std::function<void()> OnHelp;

  // ---- state (words ANSI, texts UTF-8) ----
  const ButtonState& State(Button b) const { return buttons_[b]; }
  const std::string& CurrentWord() const { return word_; }
  bool Repeated() const { return repeated_; }
  bool Inactive() const { return inactive_; }
  std::string replacement;
  bool replacementEnabled = false;
  std::vector<std::string> suggestions;  // ANSI; when empty the list shows noSuggestionsText
  std::string noSuggestionsText;         // UTF-8, "(no suggestions)" after a word without any
  bool suggestionsEnabled = false;
  int suggestionSelected = -1;
  // Bumped whenever the replacement box or the list is set by the model, so
  // the window refills them only then (and not when the user types).
  uint32_t replacementVersion = 0, suggestionsVersion = 0;

 private:
  bool Enabled(TSpellDialogCommand c) const { return speller_.CommandsEnabled.Has(c); }
  bool HasCustom() { return speller_.ActiveCustomDictionary() != nullptr; }
  void ApplyEnabling(bool active);
  // Enabling for the presented word: commands by the active and repeated
  // state, then the rules of the replacement box and the list.
  void Refresh();
  // Prompt steps after the word is stored (also after Options).
  void TakeWord(bool repeated);
  void SetReplacement(const std::string& text);
  void ApplyReplacementRule();
  // Runs a command that may change the active custom dictionary, then
  // saves that dictionary's file.
  void WithCustomSaved(const std::function<void()>& command);
  void RestoreStyle() {
    if (OnRestoreStyle) OnRestoreStyle();
  }

  TSpellCheckerBase& speller_;
  std::array<ButtonState, kButtonCount> buttons_{};
  std::function<void()> onPrompted_;
  std::string word_;
  bool repeated_ = false;
  bool inactive_ = false;
};

}  // namespace wx
