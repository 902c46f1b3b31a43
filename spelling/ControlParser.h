// A text source the spell checker walks with a cursor. The checker never reads
// text directly: it moves the cursor, reads one character at a time, and asks
// the source to select, replace or skip the word it has just read. Two sources
// exist: a string variable (TStringParser) and an edit or rich-edit window
// (TWinAPIControlParser, Windows only).
#pragma once

#include <cstdint>
#include <string>

namespace wx {

// A rectangle on the screen (the checked control, the word being checked);
// -1 everywhere when unknown.
struct TWordRect {
  int Left = -1, Top = -1, Right = -1, Bottom = -1;
};

// Positioning modes of SetPosition.
enum : int { kMoveCursor = 0, kSetEndMark = 1 };

class TControlParser {
 public:
  virtual ~TControlParser() = default;

  // Places the cursor at the start of the source; clears the end mark.
  virtual void Initialize() = 0;
  // Character under the cursor; 0 outside the text.
  virtual uint8_t GetChar() = 0;
  // Text of the cursor's line.
  virtual void GetLine(std::string& text) = 0;
  // Advances one character; false when the new position is outside the text
  // or past the end mark.
  virtual bool MoveNext() = 0;
  // Steps back one character; false at the very start.
  virtual bool MovePrevious() = 0;
  // Mode 0 moves the cursor to column X of line Y, mode 1 sets the end mark.
  virtual void SetPosition(int x, int y, int mode) = 0;
  virtual void GetPosition(int& x, int& y) = 0;
  // Steps back Length characters to the start of the word just read and
  // remembers Length; a window also selects the word on screen.
  virtual void SelectWord(int length) = 0;
  // Replaces the remembered word and puts the cursor after the new text.
  virtual void ReplaceWord(const std::string& text) = 0;
  // Moves the cursor past the remembered word unchanged.
  virtual void SkipWord() = 0;
  virtual void ScrollToWord() {}
  virtual void GetSelectionStart(int& x, int& y) = 0;
  virtual void GetSelection(int& x1, int& y1, int& x2, int& y2) = 0;
  virtual void GetControlRect(TWordRect& rect) { rect = TWordRect{}; }
  // Screen rectangle of the selected word; returns the top of the next line or -1.
  virtual int GetWordRect(TWordRect& rect) {
    rect = TWordRect{};
    return -1;
  }
  // Called when the checker undoes a change (state 0 record, 1 before, 2 after).
  virtual void UndoLast(int /*state*/, int /*action*/, int& /*data*/) {}
};

}  // namespace wx
