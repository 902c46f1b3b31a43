#include "spelling/SpellDialogModel.h"

#include "common/AnsiText.h"

namespace wx {

namespace {

int W(const TWordRect& r) { return r.Right - r.Left; }
int H(const TWordRect& r) { return r.Bottom - r.Top; }
bool Known(const TWordRect& r) { return r.Right > r.Left && r.Bottom > r.Top; }
TWordRect At(const TWordRect& r, int x, int y) { return {x, y, x + W(r), y + H(r)}; }
TWordRect Box(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
bool Intersect(const TWordRect& a, const TWordRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}
TWordRect CentredOn(const TWordRect& r, const TWordRect& on) {
  return At(r, on.Left + W(on) / 2 - W(r) / 2, on.Top + H(on) / 2 - H(r) / 2);
}

}  // namespace

TSpellDialogModel::TSpellDialogModel(TSpellCheckerBase& checker) : checker_(checker) {}

// The buttons' columns are wide enough for their captions in every language.
TWordRect TSpellDialogModel::Layout(TSpellDialogControl control) const {
  switch (control) {
    case dcIgnore: return Box(252, 8, 95, 23);
    case dcIgnoreAll: return Box(350, 8, 95, 23);
    case dcChange: return Box(252, 35, 95, 23);
    case dcChangeAll: return Box(350, 35, 95, 23);
    case dcAdd: return Box(252, 62, 95, 23);
    case dcAutoCorrect: return Box(350, 62, 95, 23);
    case dcHelp: return Box(252, 138, 95, 23);
    case dcUndo: return state_[dcOptions].visible ? Box(8, 111, 85, 23) : Box(8, 138, 85, 23);
    case dcCancel: return Box(350, 138, 95, 23);
    case dcOptions: return Box(8, 138, 85, 23);
    case dcReplaceEdit: return Box(104, 35, 140, 21);
    case dcSuggestions: return Box(104, 62, 140, 99);
  }
  return {};
}

void TSpellDialogModel::Configure() {
  repeated_ = false;
  deactivated_ = false;
  static constexpr TSpellDialogCommand kCommandOf[] = {sdcIgnore,      sdcIgnoreAll, sdcChange, sdcChangeAll,
                                                       sdcAdd,         sdcAutoCorrect, sdcHelp, sdcUndo,
                                                       sdcCancel,      sdcOptions};
  for (int c = dcIgnore; c <= dcOptions; ++c) state_[c].visible = Visible(kCommandOf[c]);
  state_[dcHelp].visible = Visible(sdcHelp) && checker_.HelpCtxSpellDialog != 0;
  state_[dcReplaceEdit].visible = state_[dcSuggestions].visible = true;
  Enable(dcHelp, Enabled(sdcHelp));
  Enable(dcCancel, Enabled(sdcCancel));
  // Every other button follows its command from the start, not only after
  // the first repeated word.
  EnableControls(true);
  ++version_;
}

void TSpellDialogModel::EnableControls(bool on) {
  if (!on) {
    for (int c = dcIgnore; c <= dcOptions; ++c)
      if (c != dcHelp && c != dcCancel) Enable(TSpellDialogControl(c), false);
    Enable(dcReplaceEdit, false);
    Enable(dcSuggestions, false);
    return;
  }
  const bool custom = HasActiveCustom();
  Enable(dcUndo, checker_.CanUndo() && Enabled(sdcUndo));
  Enable(dcOptions, Enabled(sdcOptions));
  Enable(dcIgnoreAll, Enabled(sdcIgnoreAll));
  Enable(dcIgnore, Enabled(sdcIgnore));
  Enable(dcChangeAll, Enabled(sdcChangeAll));
  Enable(dcChange, Enabled(sdcChange));
  Enable(dcAdd, custom && Enabled(sdcAdd));
  Enable(dcAutoCorrect, custom && Enabled(sdcAutoCorrect));
  Enable(dcReplaceEdit, true);
  Enable(dcSuggestions, true);
}

// A repeated word offers only Options, Ignore and Change (which deletes the
// second copy).
void TSpellDialogModel::ApplyRepeatedEnabling() {
  Enable(dcOptions, Enabled(sdcOptions));
  Enable(dcIgnore, Enabled(sdcIgnore));
  Enable(dcChange, Enabled(sdcChange));
}

bool TSpellDialogModel::ReplacementAnsi(std::string& out) const {
  return UnicodeToAnsi(Utf8ToUtf16(replacement_), out);
}

// Change, Change All and Auto-Correct need a replacement, and one the code
// page can hold: a character outside it would reach the text as "?".
void TSpellDialogModel::ReplacementRule() {
  if (repeated_ || deactivated_) return;
  std::string ansi;
  const bool usable = !replacement_.empty() && ReplacementAnsi(ansi);
  Enable(dcChange, usable && Enabled(sdcChange));
  Enable(dcChangeAll, usable && Enabled(sdcChangeAll));
  Enable(dcAutoCorrect, usable && HasActiveCustom() && Enabled(sdcAutoCorrect));
}

void TSpellDialogModel::PromptWord(const std::string& word, bool repeated) {
  // Copies first: word may be this model's own field.
  const std::string w = word;
  word_ = w;
  suggestions_.clear();
  noSuggestions_ = false;
  selected_ = -1;
  ++version_;
  if (repeated != repeated_) {
    repeated_ = repeated;
    EnableControls(!repeated);
    if (repeated) ApplyRepeatedEnabling();
  }
  Enable(dcUndo, !deactivated_ && checker_.CanUndo() && Enabled(sdcUndo));
  if (repeated) {
    replacement_ = AnsiToUtf8(w.substr(0, w.size() / 2));
    return;
  }
  if (!deactivated_) {
    const bool custom = HasActiveCustom();
    Enable(dcAdd, custom && Enabled(sdcAdd));
    Enable(dcAutoCorrect, custom && Enabled(sdcAutoCorrect));
  }
  TSuggestionList list;
  checker_.GetSuggestions(w, list);
  for (const auto& s : list) suggestions_.push_back(s.Word);
  Enable(dcSuggestions, !deactivated_ && !suggestions_.empty());
  if (!suggestions_.empty()) {
    replacement_ = AnsiToUtf8(suggestions_[0]);
    selected_ = 0;
  } else {
    replacement_.clear();
    noSuggestions_ = true;
  }
  ReplacementRule();
}

void TSpellDialogModel::SetReplacement(const std::string& utf8) {
  if (utf8 == replacement_) return;
  replacement_ = utf8;
  ++version_;
  ReplacementRule();
}

void TSpellDialogModel::SelectSuggestion(int index) {
  if (index < 0 || size_t(index) >= suggestions_.size()) return;
  selected_ = index;
  replacement_ = AnsiToUtf8(suggestions_[size_t(index)]);
  ++version_;
  ReplacementRule();
}

void TSpellDialogModel::ChangeToSuggestion(int index) {
  if (repeated_ || deactivated_ || index < 0 || size_t(index) >= suggestions_.size()) return;
  if (!Enabled(sdcChange) || !state_[dcChange].visible) return;
  const std::string replacement = suggestions_[size_t(index)];
  checker_.Change(replacement);
}

void TSpellDialogModel::CopyWordToReplacement() {
  if (repeated_ || deactivated_) return;
  SetReplacement(AnsiToUtf8(word_));
}

void TSpellDialogModel::Press(TSpellDialogControl button) {
  if (button > dcOptions || !state_[button].visible || !state_[button].enabled) return;
  std::string r;
  switch (button) {
    case dcIgnore:
      if (repeated_)
        checker_.IgnoreOnce();
      else
        checker_.Ignore();
      return;
    case dcIgnoreAll:
      checker_.IgnoreAll();
      return;
    case dcChange:
      if (repeated_)
        checker_.DeleteRepeated();
      else if (ReplacementAnsi(r) && !r.empty())
        checker_.Change(r);
      return;
    case dcChangeAll:
      if (ReplacementAnsi(r) && !r.empty()) checker_.ChangeAll(r);
      return;
    case dcAutoCorrect:
      if (ReplacementAnsi(r) && !r.empty()) checker_.AutoCorrect(r);
      return;
    case dcAdd:
      checker_.Add();
      return;
    case dcUndo:
      checker_.Undo();
      return;
    case dcCancel:
      checker_.Cancel();
      return;
    default:
      return;  // Options and Help belong to the window
  }
}

void TSpellDialogModel::Deactivate() {
  if (deactivated_) return;
  deactivated_ = true;
  EnableControls(false);
  ++version_;
}

bool TSpellDialogModel::Activate() {
  if (!deactivated_) return false;
  deactivated_ = false;
  EnableControls(!repeated_);
  if (repeated_) {
    ApplyRepeatedEnabling();
  } else {
    Enable(dcSuggestions, !suggestions_.empty());
    ReplacementRule();
  }
  ++version_;
  return true;
}

// ---------------------------------------------------------------- placement

int SaneScreenCoordinate(int v) {
  constexpr int kLimit = 1 << 20;
  return v < -kLimit ? -kLimit : v > kLimit ? kLimit : v;
}

TWordRect KeepInside(const TWordRect& r, const TWordRect& area) {
  int x = r.Left, y = r.Top;
  if (x + W(r) > area.Right) x = area.Right - W(r);
  if (y + H(r) > area.Bottom) y = area.Bottom - H(r);
  if (x < area.Left) x = area.Left;
  if (y < area.Top) y = area.Top;
  return At(r, x, y);
}

TWordRect NextToWord(const TSpellDialogPlaceInput& in, bool horizontal, bool vertical) {
  const TWordRect& d = in.dialog;
  const TWordRect& w = in.word;
  const TWordRect& m = in.workArea;
  if (!Known(w)) return KeepInside(d, m);
  int x = d.Left, y = d.Top;
  if (horizontal) {
    x = w.Left;
    if (x + W(d) > m.Right) x = m.Right - W(d);
  }
  if (vertical) {
    y = w.Bottom;
    if (y + H(d) > m.Bottom) y = w.Top - H(d);
  }
  return KeepInside(At(d, x, y), m);
}

TWordRect BesideControl(const TSpellDialogPlaceInput& in) {
  const TWordRect& d = in.dialog;
  const TWordRect& r = in.control;
  const TWordRect& m = in.workArea;
  if (!Known(r)) return KeepInside(d, m);
  if (r.Bottom + H(d) <= m.Bottom) return KeepInside(At(d, r.Left, r.Bottom), m);
  if (r.Right + W(d) <= m.Right) return KeepInside(At(d, r.Right, r.Top), m);
  if (r.Top - H(d) >= m.Top) return KeepInside(At(d, r.Left, r.Top - H(d)), m);
  if (r.Left - W(d) >= m.Left) return KeepInside(At(d, r.Left - W(d), r.Top), m);
  if (in.showImmediate) return KeepInside(CentredOn(d, r), m);
  return NextToWord(in, true, true);
}

TWordRect InitialDialogPlace(TSpellDialogInitialPos pos, const TSpellDialogPlaceInput& in) {
  switch (pos) {
    case ipScreenCenter:
      return CentredOn(in.dialog, in.screen);
    case ipDesktopCenter:
      return CentredOn(in.dialog, in.desktop);
    case ipUnderSelection:
      return in.showImmediate ? in.dialog : NextToWord(in, true, true);
    case ipAvoidControl:
      return BesideControl(in);
    case ipLastUserPos:
      if (in.storedX == -1) return BesideControl(in);
      return KeepInside(At(in.dialog, SaneScreenCoordinate(in.storedX), SaneScreenCoordinate(in.storedY)),
                        in.workArea);
    case ipUserDefined:
    case ipIgnore:
      break;
  }
  return in.dialog;
}

TWordRect AvoidWordPlace(TSpellDialogAvoidPos avoid, const TSpellDialogPlaceInput& in) {
  if (!Known(in.word)) return in.dialog;
  const bool hits = Intersect(in.dialog, in.word);
  switch (avoid) {
    case saNone:
      break;
    case saAvoid:
      if (hits) return NextToWord(in, true, true);
      break;
    case saAvoidUpDown:
      if (hits) return NextToWord(in, false, true);
      break;
    case saMove:
      return NextToWord(in, true, true);
    case saMoveUpDown:
      return NextToWord(in, false, true);
  }
  return in.dialog;
}

}  // namespace wx
