// TLayoutCache: the answers a rich-edit control gave about its visible lines
// (the first visible line, where lines start, their top rows, their text and
// characters' left edges), kept while nothing they depend on has moved.
//
// A rich edit answers each position question by walking its text from the
// start, so in a long text every question costs time in proportion to where
// it points. Typing a key must not pay that a dozen times: the cache answers
// again what it was told, and follows an edit it is told about (a line's own
// text changed, the lines after it moved along) instead of asking again.
//
// What it keeps is valid while the view's state (scroll position, client
// size, text length, line count) is the one it was built in; Validate()
// forgets everything the moment the state differs from what was expected.
// Edited() describes an edit so that the state it leads to is the expected
// one; an edit the cache cannot follow exactly (a line break, a wrapped
// paragraph, a line it does not hold) makes it forget as well.
//
// Portable: no Windows headers.
#pragma once

#include <climits>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace wx {

class TLiveTextView;

// What the positions of a control's lines depend on, each cheap to read.
struct TViewState {
  int ScrollX = 0, ScrollY = 0;  // the view's scroll position
  int BarX = 0, BarY = 0;        // the scroll bars' positions (finer in long texts)
  int Width = 0, Height = 0;     // client area
  int Length = 0;                // characters (a line break counts one)
  int Lines = 0;
  bool operator==(const TViewState&) const = default;
};

// What a control tells cheaply before and after an edit: its selection and
// its length.
struct TEditProbe {
  int SelStart = 0, SelEnd = 0, Length = 0;
};

// An edit as a probe before and after it shows it: `Removed` characters at
// `At` gave way to `Inserted` ones.
struct TInferredEdit {
  int At = 0, Removed = 0, Inserted = 0;
  bool operator==(const TInferredEdit&) const = default;
};

enum class TEditKind {
  Typed,        // `count` characters typed over the selection (or, overwriting, over what follows the caret)
  Deletion,     // the selection went, or characters before or after the caret
  Replacement,  // the selection gave way to `count` characters
};
enum class TInference { Nothing, Known, Unknown };

// What an edit of the given kind did, from the probes taken before and
// after it; Unknown when they do not fit that kind of edit.
TInference InferEdit(TEditKind kind, int count, const TEditProbe& before, const TEditProbe& after, TInferredEdit& edit);

class TLayoutCache {
 public:
  explicit TLayoutCache(TLiveTextView* view = nullptr) : view_(view) {}
  void SetView(TLiveTextView* view) {
    view_ = view;
    Clear();
  }

  // Reads the view's state; when it is not the one expected, forgets all.
  void Validate();
  // Forgets everything (something changed that the cache cannot follow).
  void Clear();
  // Counts Clear(): an edit reported after a Clear() made during it is
  // already in the answers read since.
  unsigned Generation() const { return generation_; }

  // The text changed: `removed` characters at `at` gave way to `inserted`
  // ones (their text when known: null when not). generation: Generation()
  // taken before the edit happened.
  void Edited(unsigned generation, int at, int removed, int inserted, const std::u16string* text);

  // The view's questions, answered from what is known where possible.
  int FirstVisibleLine();
  int LineIndex(int line);
  int LineFromChar(int index);
  int CharTop(int index);
  int CharLeft(int index);
  int LineAtRow(int y);
  std::u16string TextRange(int start, int end);
  // The text length as of the last Validate (the view's own answer otherwise).
  int Length() const { return stateKnown_ ? state_.Length : -1; }

  // For the tests: how many lines and left edges are held.
  size_t Lines() const { return rows_.size(); }

 private:
  struct Row {
    int start = -1;       // first character (-1: not known)
    int top = INT_MIN;    // top row (INT_MIN: not known)
    bool hasText = false;
    std::u16string text;  // the line's text with its line break, if any
  };
  Row* Find(int line);
  // The line whose first character is index, -1 when not held.
  int LineStartingAt(int index) const;
  // True when the line is a paragraph of its own: it starts one and ends it.
  bool WholeParagraph(int line);
  void ShiftAfter(int line, int delta);

  TLiveTextView* view_ = nullptr;
  TViewState state_;
  bool stateKnown_ = false;
  unsigned generation_ = 0;
  int first_ = -1;
  std::map<int, Row> rows_;    // by line
  std::map<int, int> lefts_;   // character index -> left edge
  std::map<int, int> moved_;   // lefts_ entries on their way to a new key
  // Left edges after an edit on its line: they moved by one amount, found
  // by asking for the first of them that is wanted.
  struct Pending {
    int index = 0;  // the character's index after the edit
    int left = 0;   // its left edge before it
  };
  std::vector<Pending> pending_;
};

}  // namespace wx
