// What the spell-check dialog shows and decides, without the window: the
// word presented (or the repeated pair), the suggestions and the replacement
// field, which buttons are shown and enabled (by the checker's
// CommandsVisible and CommandsEnabled, its undo list and its active custom
// dictionary), which checker command each button gives, and where the dialog
// goes on the screen. The window (SpellDialog_win) builds the controls from
// Layout(), copies the state into them after every event and forwards the
// user's clicks here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "spelling/SpellCheckerBase.h"

namespace wx {

// The dialog's controls that the model decides about.
enum TSpellDialogControl : uint8_t {
  dcIgnore,
  dcIgnoreAll,
  dcChange,
  dcChangeAll,
  dcAdd,
  dcAutoCorrect,
  dcHelp,
  dcUndo,
  dcCancel,
  dcOptions,
  dcReplaceEdit,
  dcSuggestions,
};
inline constexpr int kSpellDialogControlCount = 12;

struct TControlState {
  bool visible = true;
  bool enabled = true;
};

// Client size of the dialog in pixels at 96 DPI.
inline constexpr int kSpellDialogWidth = 452, kSpellDialogHeight = 167;

class TSpellDialogModel {
 public:
  explicit TSpellDialogModel(TSpellCheckerBase& checker);

  // Where a control goes (96-DPI pixels, Left/Top/Right/Bottom); the Undo
  // button takes the Options button's place when Options is hidden.
  TWordRect Layout(TSpellDialogControl control) const;

  // The dialog is connected to the checker for a check: shows the buttons
  // the checker's commands allow and enables them.
  void Configure();
  // A word is presented; repeated: word holds the same word twice with one
  // space between.
  void PromptWord(const std::string& word, bool repeated);
  // The user edited the replacement field (UTF-8).
  void SetReplacement(const std::string& utf8);
  // A click on suggestion i copies it into the replacement field.
  void SelectSuggestion(int index);
  // A double click on suggestion i changes the word to it at once.
  void ChangeToSuggestion(int index);
  // A double click on the word copies it into the replacement field.
  void CopyWordToReplacement();
  // A button was pressed: gives the checker its command. Does nothing for a
  // button that is hidden or disabled. Options and Help are the window's
  // (it opens the options dialog, then calls Reprompt).
  void Press(TSpellDialogControl button);
  // The current word again (after the options changed).
  void Reprompt() { PromptWord(word_, repeated_); }
  // The user went to another window (the document): every command but Help
  // and Cancel is disabled. Coming back enables them again; the answer is
  // true when the check should resume from where the user left the text.
  void Deactivate();
  bool Activate();

  const std::string& Word() const { return word_; }  // ANSI
  bool Repeated() const { return repeated_; }
  const std::string& Replacement() const { return replacement_; }  // UTF-8
  // The suggestions shown (ANSI); empty with NoSuggestions() when the list
  // shows "(no suggestions)".
  const std::vector<std::string>& Suggestions() const { return suggestions_; }
  bool NoSuggestions() const { return noSuggestions_; }
  int SelectedSuggestion() const { return selected_; }
  bool Deactivated() const { return deactivated_; }
  TControlState State(TSpellDialogControl c) const { return state_[c]; }
  // Counts every change of what the dialog shows.
  uint32_t Version() const { return version_; }

 private:
  bool Visible(TSpellDialogCommand c) const { return checker_.CommandsVisible.Has(c); }
  bool Enabled(TSpellDialogCommand c) const { return checker_.CommandsEnabled.Has(c); }
  bool HasActiveCustom() { return checker_.ActiveCustomDictionary() != nullptr; }
  void EnableControls(bool on);
  void ApplyRepeatedEnabling();
  void ReplacementRule();
  void Enable(TSpellDialogControl c, bool on) { state_[c].enabled = on; }
  // The replacement in the code page; false when it holds a character the
  // code page cannot (the word would be altered).
  bool ReplacementAnsi(std::string& out) const;

  TSpellCheckerBase& checker_;
  TControlState state_[kSpellDialogControlCount];
  std::string word_;
  std::string replacement_;
  std::vector<std::string> suggestions_;
  bool noSuggestions_ = false;
  int selected_ = -1;
  bool repeated_ = false;
  bool deactivated_ = false;
  uint32_t version_ = 0;
};

// --- placement (screen pixels) ---

// What the placement rules look at. Rectangles with Left == Right are
// unknown (the text source could not tell).
struct TSpellDialogPlaceInput {
  TWordRect dialog;     // the dialog's current rectangle (its size is what counts)
  TWordRect workArea;   // the work area of the dialog's monitor
  TWordRect screen;     // the primary screen, for ipScreenCenter
  TWordRect desktop;    // the whole virtual desktop, for ipDesktopCenter
  TWordRect control;    // the checked control
  TWordRect word;       // the presented word
  bool showImmediate = false;
  int storedX = -1, storedY = -1;  // DialogX, DialogY of the configuration
};

// A stored screen coordinate (read back from the registry, so anything)
// brought into a range where placing arithmetic cannot overflow.
int SaneScreenCoordinate(int v);
// r moved (its size kept) so that it lies inside area; when it is larger, its
// top-left corner stays inside, so the title bar stays reachable.
TWordRect KeepInside(const TWordRect& r, const TWordRect& area);
// Next to the word: horizontally its left edge on the word's left edge (held
// inside the area's right edge), vertically below the word or, when that
// passes the area's bottom, above it. Kept inside the area.
TWordRect NextToWord(const TSpellDialogPlaceInput& in, bool horizontal, bool vertical);
// Beside the control: below, right, above or left of it, the first that
// fits; else centred over it (showImmediate) or next to the word.
TWordRect BesideControl(const TSpellDialogPlaceInput& in);
// The place a check first shows the dialog at. For ipLastUserPos the caller
// passes in.workArea of the monitor nearest to the stored place.
TWordRect InitialDialogPlace(TSpellDialogInitialPos pos, const TSpellDialogPlaceInput& in);
// The place after a word is presented (moving off the word).
TWordRect AvoidWordPlace(TSpellDialogAvoidPos avoid, const TSpellDialogPlaceInput& in);

}  // namespace wx
