// Live spelling for a rich-edit control: what the control underlines, which
// lines it must check again after an edit, which words the user ignored once,
// what the suggestion menu acts on and when a word typed is corrected at once.
//
// TLiveRichEdit holds all of it and works through TLiveTextView, a small
// window-free view of the control (lines, selection, replacement, repaint
// requests). The Win32 control (SpellRichEdit_win) implements the view with
// edit messages and draws the wavy lines the model reports; native tests use
// a view over plain strings.
//
// Text stays UTF-16 from end to end. Only a word handed to the engine is
// converted to the ANSI code page; a word that touches a character the code
// page cannot hold is never underlined, offered a menu or corrected.
//
// Portable: no Windows headers. Used from the window's thread only.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "spelling/ParsingEngine.h"
#include "spelling/SpellCheckerBase.h"
#include "windows/LiveLayout.h"

namespace wx {

// What the model needs of the control. Character indexes count UTF-16 units
// from the start of the text; a line break counts as one character.
class TLiveTextView {
 public:
  virtual ~TLiveTextView() = default;
  virtual bool HasWindow() = 0;
  virtual bool ReadOnly() = 0;
  virtual int LineCount() = 0;
  virtual int FirstVisibleLine() = 0;
  // The last line whose top lies inside the client area.
  virtual int LastVisibleLine() = 0;
  virtual int LineIndex(int line) = 0;
  virtual int LineFromChar(int index) = 0;
  // The top row (client pixels) of the line holding a character, and the
  // line at a row of the client area.
  virtual int CharTop(int index) = 0;
  virtual int LineAtRow(int y) = 0;
  // The line's text without its line break.
  virtual std::u16string LineText(int line) = 0;
  // The characters [start, end); end -1: to the end of the text.
  virtual std::u16string TextRange(int start, int end) = 0;
  virtual void GetSelection(int& start, int& end) = 0;
  virtual void SetSelection(int start, int end) = 0;
  // Replaces the selection (no undo requested) and leaves the caret after it.
  virtual void ReplaceSelection(const std::u16string& text) = 0;
  // Repaint requests: one line's band, or the whole control.
  virtual void InvalidateLine(int line) = 0;
  // The same for a line whose top row is known.
  virtual void InvalidateLineAt(int line, int /*top*/) { InvalidateLine(line); }
  // The left edge (client pixels) of a character.
  virtual int CharLeft(int /*index*/) { return 0; }
  // The state positions depend on, read without walking the text; false
  // when the view cannot tell (then no answer is kept between calls).
  virtual bool ReadState(TViewState& /*state*/) { return false; }
  // True when an edit at the caret moves nothing on its left on its line
  // (left-aligned text running left to right).
  virtual bool EditKeepsLeftPart() { return false; }
  virtual void InvalidateAll() = 0;
  // Freeze redrawing around a batch of changes; EndUpdate repaints at once
  // and tells the owner the text changed.
  virtual void BeginUpdate() {}
  virtual void EndUpdate() {}
  // Hourglass cursor while a long Change All runs.
  virtual void SetBusyCursor(bool /*on*/) {}
};

// A misspelled word on a line: UTF-16 offsets within the line, end exclusive.
struct TSpellingError {
  int Start = 0;
  int End = 0;
  bool operator==(const TSpellingError&) const = default;
};

struct TLineCache {
  std::u16string Text;
  std::vector<TSpellingError> Errors;
  bool Dirty = false;
  int MeasuredHeight = 0;  // line height the baseline offset was found for (0 none)
  int BaselineOffset = 0;  // last baseline search result (0 none)
};

// A line a repaint covers, as the underline painter needs it.
struct TPaintedLine {
  int Line = 0;
  int Index = 0;         // its first character
  int NextIndex = -1;    // the next line's first character; -1 on the last line
  int Top = 0;           // its top row
  int NextTop = -1;      // the next line's top row; -1 on the last line
  int PreviousTop = -1;  // the line above's top row when this pass met it (-1: not known)
  const std::vector<TSpellingError>* Errors = nullptr;  // never empty
};

// A word of a line as the live checker reads it.
struct TLiveWord {
  std::string Ansi;   // the word in the code page (empty when it cannot be held)
  int Start = 0;      // UTF-16 offsets within the line
  int End = 0;
  bool Foreign = false;  // touches or holds a character outside the code page: left alone
};

// The menu entries, in the order of TSpellPopupOption.
inline constexpr TSpellPopupOptions PopupOption(TSpellPopupOption o) { return TSpellPopupOptions(1u << o); }
inline constexpr TSpellPopupOptions kDefaultLiveMenuOptions =
    PopupOption(spDialog) | PopupOption(spAutoCorrect) | PopupOption(spChangeAll) | PopupOption(spAdd) |
    PopupOption(spIgnoreAll) | PopupOption(spIgnore) | PopupOption(spReplace);

class TLiveRichEdit {
 public:
  // Longest part of a line that is checked.
  static constexpr int kMaxLineCheck = 4096;
  // The characters after which a word just typed is corrected.
  static constexpr char16_t kTriggerChars[] = u" .,;:\t";

  TLiveRichEdit();
  ~TLiveRichEdit();
  TLiveRichEdit(const TLiveRichEdit&) = delete;
  TLiveRichEdit& operator=(const TLiveRichEdit&) = delete;

  // --- attachment ---
  // The view the model works on (null: every operation does nothing).
  void SetView(TLiveTextView* view);
  // The shared engine (never owned); null detaches. Subscribes to its four
  // listener lists and wires the private word extractor to its ignore rules.
  void SetSpellEngine(TSpellCheckerBase* engine);
  TSpellCheckerBase* SpellEngine() const { return engine_; }

  // --- switches (each re-evaluates activation where it matters) ---
  bool LiveSpelling = true;
  bool LiveCorrect = true;
  bool LiveSpellingOptions = true;
  bool LiveSpellingReadOnly = false;
  TSpellPopupOptions LiveMenuOptions = kDefaultLiveMenuOptions;
  void SetLiveSpelling(bool v) { LiveSpelling = v; UpdateActivation(); }
  void SetLiveCorrect(bool v) { LiveCorrect = v; UpdateActivation(); }
  void SetLiveSpellingOptions(bool v) { LiveSpellingOptions = v; UpdateActivation(); }
  void SetLiveSpellingReadOnly(bool v) { LiveSpellingReadOnly = v; UpdateActivation(); }

  // Works out whether underlining and correction are active now (call after
  // the read-only state changed).
  void UpdateActivation();
  bool SpellingActive() const { return spellingActive_; }
  bool CorrectionActive() const { return correctionActive_; }
  bool Busy() const { return busy_; }

  // --- the underline pass ---
  // Checks a visible line against its cache and returns its misspelled words.
  // caretIndex: a misspelled word ending there is still being typed: it is
  // not marked, and the line is checked again once the caret has left.
  const std::vector<TSpellingError>& CheckLine(int line, int caretIndex);
  // Checks the lines that cross the rows [top, bottom) of the client area
  // and hands each one with misspelled words to draw. A line's index and top
  // are asked once (a line's next top is the following line's top), so a
  // repaint of a few lines costs the same anywhere in a long text.
  // firstVisible: the first visible line, as the painter has just read it.
  void PaintBand(int firstVisible, int top, int bottom, int caretIndex,
                 const std::function<void(const TPaintedLine&)>& draw);
  // The misspelled ranges of the visible lines as last checked, as character
  // indexes of the whole text (start, end exclusive), top to bottom.
  std::vector<std::pair<int, int>> VisibleMarks();
  // The cache of a line, null when it has none.
  TLineCache* Cache(int line);
  // Call when the caret moved or the text changed: lines left with a word
  // pending at the caret are invalidated so that they are checked again.
  void SelectionChanged();
  // Call when the first visible line changed (scrolling).
  void MarkAllDirty();
  // Everything will be checked again at the next paint.
  void RecheckAll();

  // --- what is known of the control's lines (see LiveLayout.h) ---
  // The first visible line, asked only when the view has moved.
  int FirstVisibleLine();
  // A character's left edge, asked once while the view stays as it is.
  int CharLeft(int index);
  // The text length as last read (-1: not known).
  int TextLength() const { return layout_.Length(); }
  // Brackets an edit of the text: Generation() before it, then Edited()
  // with what changed (inserted text null when not known), or
  // LayoutChanged() when it cannot be told.
  unsigned EditGeneration() const { return layout_.Generation(); }
  void Edited(unsigned generation, int at, int removed, int inserted, const std::u16string* text) {
    layout_.Edited(generation, at, removed, inserted, text);
  }
  void LayoutChanged() { layout_.Clear(); }
  const TLayoutCache& Layout() const { return layout_; }

  // The word test: the engine's verdict, excluded words, and the words the
  // user ignored once after this previous word.
  bool WordAcceptable(const std::string& word, const std::string& previous);
  // Splits a line into words with the private word extractor (at most the
  // first limit characters).
  std::vector<TLiveWord> LineWords(const std::u16string& line, size_t limit = std::u16string::npos);

  // --- the suggestion menu ---
  // The misspelled word at character index `at` (the position just after a
  // word counts): its line and offsets. False when there is none, the line
  // is ignored by the engine's line rules, or spelling is not active.
  bool MisspelledWordAt(int at, int& line, TLiveWord& word);
  // Runs the menu for the word at `at`: selects it, lets place give the
  // menu's screen point for the word's first character index, asks the
  // engine's ShowWordPopup there and acts on the result. Returns false when
  // the menu is declined (the control's ordinary menu is due).
  bool ContextMenu(int at, const std::function<void(int wordStart, int& x, int& y)>& place);
  // Checks the selected word in the spelling dialog (the engine's selection
  // mode); when unset the "Spelling ..." entry is left out of the menu. While
  // it runs the engine shows no end message and opens the dialog under the
  // word; its own settings are back afterwards.
  std::function<void()> OnSpellDialog;
  // Acts on a menu result for the selected word (public for the tests).
  void ApplyMenuResult(TSpellPopupOption result, int line, const TLiveWord& word, const std::string& newWord);

  // --- ignore once ---
  // Ignores the selected word where it follows the previous word on its line.
  bool IgnoreOnce();
  bool IgnoredOnce(const std::string& word, const std::string& previous) const;

  // --- correction while typing ---
  // A character was typed (remembered until the key is released).
  void KeyPressed(char16_t ch) { pendingKey_ = ch; }
  // The key was released: corrects the word before the typed trigger
  // character when the engine has an automatic correction for it. Returns
  // true when the text changed.
  bool KeyReleased();

  // --- Change All ---
  // Replaces every whole word equal to oldWord (same letter case) by newWord.
  // Returns the number of replacements.
  int ChangeAll(const std::u16string& oldWord, const std::u16string& newWord);
  // Milliseconds after which Change All shows the hourglass (tests lower it).
  int HourglassAfterMs = 500;

 private:
  void Detach();
  void Wire();
  bool HasView() const { return view_ && view_->HasWindow(); }
  void ReplaceRange(int start, int end, const std::u16string& text);
  void RunSpellDialogOnWord();
  // Engine notifications.
  void OptionsApplied();
  void ConfigurationChanged();
  void WordSkipped(bool before, int state);
  void PopupResult(TSpellPopupOption result);
  const std::vector<TSpellingError>& CheckLineAt(int line, int index, int nextIndex, int caretIndex);
  void InvalidateLine(int line);

  TLiveTextView* view_ = nullptr;
  TLayoutCache layout_;
  TSpellCheckerBase* engine_ = nullptr;
  TMainParsingEngine parser_;
  bool spellingActive_ = false;
  bool correctionActive_ = false;
  bool busy_ = false;
  bool trackPrevious_ = false;
  char16_t pendingKey_ = 0;
  std::map<int, TLineCache> caches_;
  // Ignore once: word -> the previous words it was ignored after.
  std::map<std::string, std::set<std::string>> ignoredOnce_;
};

// Menu captions: the interface text for a menu entry the engine built (UTF-8,
// "&" marks the access key). A suggestion's own text is converted from the
// code page and its ampersands doubled so that none becomes an access key.
std::string LiveMenuCaption(const TPopupItem& item);

}  // namespace wx
