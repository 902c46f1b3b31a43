#include "windows/LiveSpelling.h"

#include <algorithm>
#include <chrono>

#include "common/AnsiText.h"
#include "spelling/StringParser.h"
#include "windows/LiveSpellingTexts.h"

namespace wx {

namespace {

// Stands for a character the code page cannot hold; the word extractor takes
// it for a separator, and a word next to it is left alone.
constexpr char kForeign = '\x7F';

std::string LineBytes(const std::u16string& line, size_t limit) {
  const size_t n = std::min(line.size(), limit);
  std::string bytes(n, kForeign);
  for (size_t i = 0; i < n; ++i) {
    uint8_t b = 0;
    if (UnicodeCharToAnsi(line[i], b) && b != 0) bytes[i] = static_cast<char>(b);
  }
  return bytes;
}

bool IsTrigger(char16_t c) {
  for (const char16_t* t = TLiveRichEdit::kTriggerChars; *t; ++t)
    if (*t == c) return true;
  return false;
}

}  // namespace

TLiveRichEdit::TLiveRichEdit() { parser_.AllowIncompleteLastWord = true; }

TLiveRichEdit::~TLiveRichEdit() { Detach(); }

void TLiveRichEdit::SetView(TLiveTextView* view) {
  if (HasView()) view_->InvalidateAll();
  view_ = view;
  layout_.SetView(view);
  caches_.clear();
  spellingActive_ = false;
  UpdateActivation();
}

void TLiveRichEdit::Detach() {
  if (!engine_) return;
  engine_->OptionsAppliedList.Remove(this);
  engine_->ConfigChangedList.Remove(this);
  engine_->WordSkippedList.Remove(this);
  engine_->PopupResultList.Remove(this);
  engine_->DestroyingList.Remove(this);
  parser_.OnCharacter = nullptr;
  parser_.OnWord = nullptr;
  engine_ = nullptr;
}

void TLiveRichEdit::SetSpellEngine(TSpellCheckerBase* engine) {
  if (engine == engine_) return;
  Detach();
  engine_ = engine;
  if (engine_) {
    engine_->OptionsAppliedList.Add(this, [this] { OptionsApplied(); });
    engine_->ConfigChangedList.Add(this, [this] { ConfigurationChanged(); });
    engine_->WordSkippedList.Add(this, [this](bool before, int state) { WordSkipped(before, state); });
    engine_->PopupResultList.Add(this, [this](TSpellPopupOption r) { PopupResult(r); });
    engine_->DestroyingList.Add(this, [this] { SetSpellEngine(nullptr); });
    // The same ignore rules as the engine's own word extractor.
    TSpellCheckerBase* e = engine_;
    parser_.OnCharacter = [e](uint8_t c, TControlParser& p) { return e->IgnoreRules().CharacterHook(c, p); };
    parser_.OnWord = [e](const std::string& w, TControlParser& p) { return e->IgnoreRules().WordHook(w, p); };
    parser_.SetFrenchApostrophes((engine_->Language() & 0xFF) == 0x0C);
  }
  caches_.clear();
  spellingActive_ = false;
  UpdateActivation();
}

void TLiveRichEdit::UpdateActivation() {
  bool s = LiveSpelling, c = LiveCorrect;
  const bool window = HasView();
  if (engine_ && window && LiveSpellingOptions) {
    TSpellOptions& available = engine_->ConfigAvailableOptions;
    if (LiveSpelling) available.Set(soLiveSpelling, true);
    if (LiveCorrect) available.Set(soLiveCorrect, true);
    const TSpellOptions options = engine_->Options();
    s = options.Has(soLiveSpelling) && available.Has(soLiveSpelling);
    c = options.Has(soLiveCorrect) && available.Has(soLiveCorrect);
  }
  const bool writable = window && (LiveSpellingReadOnly || !view_->ReadOnly());
  const bool spelling = s && engine_ && window && LiveSpelling && writable;
  const bool correction = c && engine_ && window && LiveCorrect && writable;
  if (spelling != spellingActive_) {
    spellingActive_ = spelling;
    if (!spelling) caches_.clear();
    if (window) view_->InvalidateAll();
  }
  correctionActive_ = correction;
}

// ---------------------------------------------------------------- words

std::vector<TLiveWord> TLiveRichEdit::LineWords(const std::u16string& line, size_t limit) {
  std::vector<TLiveWord> words;
  std::string bytes = LineBytes(line, limit);
  TStringParser source(bytes);
  source.Initialize();
  parser_.Start(&source, kModeWholeText);
  std::string w;
  // Every word takes at least one character: this bounds a misbehaving rule.
  for (size_t guard = 0; guard <= bytes.size(); ++guard) {
    parser_.GetNextWord(w);
    if (w.empty()) break;
    int x, y;
    source.GetPosition(x, y);
    const int end = std::min(x - 1, static_cast<int>(bytes.size()));
    const int start = end - static_cast<int>(w.size());
    if (start < 0 || bytes.compare(static_cast<size_t>(start), w.size(), w) != 0) continue;
    TLiveWord word;
    word.Start = start;
    word.End = end;
    word.Foreign = (start > 0 && bytes[static_cast<size_t>(start) - 1] == kForeign) ||
                   (static_cast<size_t>(end) < bytes.size() && bytes[static_cast<size_t>(end)] == kForeign);
    if (!word.Foreign) word.Ansi = w;
    words.push_back(std::move(word));
  }
  parser_.Start(nullptr, kModeWholeText);
  return words;
}

bool TLiveRichEdit::WordAcceptable(const std::string& word, const std::string& previous) {
  if (!engine_) return true;
  bool ok = engine_->CheckWord(word);
  if (ok && engine_->UseExcludeWords && engine_->IsExcluded(word)) ok = false;
  if (!ok && (LiveMenuOptions & PopupOption(spIgnore)) && IgnoredOnce(word, previous)) ok = true;
  return ok;
}

bool TLiveRichEdit::IgnoredOnce(const std::string& word, const std::string& previous) const {
  auto it = ignoredOnce_.find(word);
  return it != ignoredOnce_.end() && it->second.count(previous) > 0;
}

// ---------------------------------------------------------------- underline pass

TLineCache* TLiveRichEdit::Cache(int line) {
  auto it = caches_.find(line);
  return it == caches_.end() ? nullptr : &it->second;
}

const std::vector<TSpellingError>& TLiveRichEdit::CheckLine(int line, int caretIndex) {
  static const std::vector<TSpellingError> kNone;
  if (!spellingActive_ || busy_ || !HasView() || line < 0 || line >= view_->LineCount()) return kNone;
  return CheckLineAt(line, -1, -1, caretIndex);
}

// index and nextIndex: the first characters of the line and of the next one
// when the caller knows them (nextIndex -1 on the last line), index -1
// otherwise. A known line is read as one range of the text.
const std::vector<TSpellingError>& TLiveRichEdit::CheckLineAt(int line, int index, int nextIndex, int caretIndex) {
  std::u16string text;
  if (index >= 0) {
    text = layout_.TextRange(index, nextIndex);
    while (!text.empty() && (text.back() == u'\r' || text.back() == u'\n')) text.pop_back();
  } else {
    text = view_->LineText(line);
  }
  // Only the first part of a long line is checked; a word cut there is left alone.
  const bool cut = text.size() > static_cast<size_t>(kMaxLineCheck);
  if (cut) text.resize(kMaxLineCheck);
  TLineCache& cache = caches_[line];
  if (!cache.Dirty && cache.Text == text) return cache.Errors;
  cache.Text = text;
  cache.Errors.clear();
  bool pending = false;
  if (!engine_->IsLineIgnored(LineBytes(text, text.size()))) {
    const int first = index >= 0 ? index : layout_.LineIndex(line);
    const bool track = (LiveMenuOptions & PopupOption(spIgnore)) != 0;
    std::string previous;
    for (const TLiveWord& w : LineWords(text)) {
      if (!w.Foreign && !(cut && w.End == kMaxLineCheck) &&
          !WordAcceptable(w.Ansi, track ? previous : std::string())) {
        if (first + w.End == caretIndex)
          pending = true;  // still being typed
        else
          cache.Errors.push_back({w.Start, w.End});
      }
      previous = w.Ansi;
    }
  }
  cache.Dirty = pending;
  return cache.Errors;
}

void TLiveRichEdit::PaintBand(int firstVisible, int top, int bottom, int caretIndex,
                              const std::function<void(const TPaintedLine&)>& draw) {
  if (!spellingActive_ || busy_ || !HasView()) return;
  layout_.Validate();
  // A band from the top of the client area starts at the first visible line
  // without asking where its top row falls.
  int line = top <= 0 ? firstVisible : std::max(firstVisible, layout_.LineAtRow(top));
  if (line < 0) return;
  TPaintedLine p;
  p.Index = layout_.LineIndex(line);
  if (p.Index < 0) return;
  p.Top = layout_.CharTop(p.Index);
  while (p.Top < bottom) {
    p.Line = line;
    // The next line's first character (-1: this is the last line).
    const int nextIndex = line + 1 < view_->LineCount() ? layout_.LineIndex(line + 1) : -1;
    const bool last = nextIndex <= p.Index;
    p.NextIndex = last ? -1 : nextIndex;
    p.NextTop = last ? -1 : layout_.CharTop(nextIndex);
    const std::vector<TSpellingError>& errors = CheckLineAt(line, p.Index, last ? -1 : nextIndex, caretIndex);
    if (!errors.empty()) {
      p.Errors = &errors;
      draw(p);
    }
    if (last || p.NextTop <= p.Top) break;
    ++line;
    p.PreviousTop = p.Top;
    p.Index = nextIndex;
    p.Top = p.NextTop;
  }
  // A repaint of the whole client area: lines out of sight give back their caches.
  if (top <= 0) {
    caches_.erase(caches_.begin(), caches_.lower_bound(firstVisible));
    caches_.erase(caches_.upper_bound(line), caches_.end());
  }
}

std::vector<std::pair<int, int>> TLiveRichEdit::VisibleMarks() {
  std::vector<std::pair<int, int>> marks;
  if (!spellingActive_ || busy_ || !HasView()) return marks;
  layout_.Validate();
  const int first = layout_.FirstVisibleLine(), last = view_->LastVisibleLine();
  for (auto it = caches_.lower_bound(first); it != caches_.end() && it->first <= last; ++it) {
    if (it->second.Errors.empty()) continue;
    const int index = layout_.LineIndex(it->first);
    for (const TSpellingError& e : it->second.Errors) marks.push_back({index + e.Start, index + e.End});
  }
  return marks;
}

void TLiveRichEdit::SelectionChanged() {
  if (!spellingActive_ || !HasView()) return;
  // A line left with a word pending at the caret is painted again so that
  // the word gets its mark once the caret has moved on; the caret's own line
  // is included, since the caret may have moved along it. Only visible lines
  // keep caches (see PaintBand), so no question about the last one is asked.
  bool anyDirty = false;
  for (const auto& entry : caches_) anyDirty = anyDirty || entry.second.Dirty;
  if (!anyDirty) return;
  layout_.Validate();
  const int first = layout_.FirstVisibleLine();
  for (auto it = caches_.lower_bound(first); it != caches_.end(); ++it)
    if (it->second.Dirty) InvalidateLine(it->first);
}

void TLiveRichEdit::InvalidateLine(int line) {
  const int index = layout_.LineIndex(line);
  if (index < 0) return;
  view_->InvalidateLineAt(line, layout_.CharTop(index));
}

int TLiveRichEdit::FirstVisibleLine() {
  if (!HasView()) return -1;
  layout_.Validate();
  return layout_.FirstVisibleLine();
}

int TLiveRichEdit::CharLeft(int index) { return HasView() ? layout_.CharLeft(index) : 0; }

void TLiveRichEdit::MarkAllDirty() {
  for (auto& entry : caches_) entry.second.Dirty = true;
}

void TLiveRichEdit::RecheckAll() {
  MarkAllDirty();
  if (HasView()) view_->InvalidateAll();
}

// ---------------------------------------------------------------- the menu

bool TLiveRichEdit::MisspelledWordAt(int at, int& line, TLiveWord& word) {
  if (!spellingActive_ || !HasView() || at < 0) return false;
  layout_.Validate();
  line = layout_.LineFromChar(at);
  const int column = at - layout_.LineIndex(line);
  std::u16string text = view_->LineText(line);
  if (engine_->IsLineIgnored(LineBytes(text, kMaxLineCheck))) return false;
  const bool track = (LiveMenuOptions & PopupOption(spIgnore)) != 0;
  std::string previous;
  for (const TLiveWord& w : LineWords(text, kMaxLineCheck)) {
    if (!w.Foreign && !WordAcceptable(w.Ansi, track ? previous : std::string())) {
      if (w.Start <= column && column <= w.End) {
        word = w;
        return true;
      }
      if (column < w.Start) return false;
    }
    previous = w.Ansi;
  }
  return false;
}

bool TLiveRichEdit::ContextMenu(int at, const std::function<void(int wordStart, int& x, int& y)>& place) {
  TSpellPopupOptions options = LiveMenuOptions;
  if (!OnSpellDialog) options = TSpellPopupOptions(options & ~PopupOption(spDialog));
  // A menu without entries would be a lone separator: the ordinary menu is due.
  if ((options & ~PopupOption(spCancel)) == 0) return false;
  int line = 0;
  TLiveWord w;
  if (!MisspelledWordAt(at, line, w)) return false;
  const int first = layout_.LineIndex(line);
  view_->SetSelection(first + w.Start, first + w.End);
  int x = 0, y = 0;
  if (place) place(first + w.Start, x, y);
  std::string word = w.Ansi;
  const TSpellPopupOption result = engine_->ShowWordPopup(options, word, x, y);
  ApplyMenuResult(result, line, w, word);
  if (HasView()) {
    layout_.Validate();
    InvalidateLine(line);
  }
  return true;
}

void TLiveRichEdit::RunSpellDialogOnWord() {
  // One word is checked: a completion message would only be noise, and the
  // dialog belongs next to the word. The engine's settings are the user's,
  // so they are put back whatever the check does.
  struct Restore {
    TSpellCheckerBase& engine;
    TSpellEndMessage endMessage;
    TSpellDialogInitialPos initialPos;
    ~Restore() {
      engine.EndMessage = endMessage;
      engine.DialogInitialPos = initialPos;
    }
  } restore{*engine_, engine_->EndMessage, engine_->DialogInitialPos};
  engine_->EndMessage = emNever;
  engine_->DialogInitialPos = ipUnderSelection;
  OnSpellDialog();
}

void TLiveRichEdit::ReplaceRange(int start, int end, const std::u16string& text) {
  view_->SetSelection(start, end);
  view_->ReplaceSelection(text);
  layout_.Clear();
}

void TLiveRichEdit::ApplyMenuResult(TSpellPopupOption result, int line, const TLiveWord& word,
                                    const std::string& newWord) {
  if (!HasView()) return;
  layout_.Validate();
  const int first = layout_.LineIndex(line);
  switch (result) {
    case spCancel:
      break;
    case spDialog:
      if (OnSpellDialog) RunSpellDialogOnWord();
      break;
    case spReplace:
    case spAutoCorrect:
      ReplaceRange(first + word.Start, first + word.End, AnsiToUnicode(newWord));
      break;
    case spChangeAll: {
      ReplaceRange(first + word.Start, first + word.End, AnsiToUnicode(newWord));
      ChangeAll(AnsiToUnicode(word.Ansi), AnsiToUnicode(newWord));
      break;
    }
    case spAdd:
    case spIgnoreAll:
      RecheckAll();
      break;
    case spIgnore:
      IgnoreOnce();
      break;
  }
}

// ---------------------------------------------------------------- ignore once

bool TLiveRichEdit::IgnoreOnce() {
  if (!HasView()) return false;
  int start = 0, end = 0;
  view_->GetSelection(start, end);
  if (end <= start || end - start >= 4000) return false;
  layout_.Validate();
  const int line = layout_.LineFromChar(start);
  const int column = start - layout_.LineIndex(line);
  const std::u16string text = view_->LineText(line);
  if (static_cast<size_t>(column + (end - start)) > text.size()) return false;  // spans lines
  std::string previous;
  for (const TLiveWord& w : LineWords(text)) {
    if (w.Start == column) {
      if (w.Foreign || w.End - w.Start != end - start) return false;
      ignoredOnce_[w.Ansi].insert(previous);
      if (TLineCache* cache = Cache(line)) {
        cache->Dirty = true;
        InvalidateLine(line);
      }
      return true;
    }
    if (w.Start > column) return false;
    if (w.End <= column) previous = w.Ansi;
  }
  return false;
}

// ---------------------------------------------------------------- correction while typing

bool TLiveRichEdit::KeyReleased() {
  const char16_t key = pendingKey_;
  pendingKey_ = 0;
  if (!correctionActive_ || !HasView() || !IsTrigger(key)) return false;
  int start = 0, end = 0;
  view_->GetSelection(start, end);
  if (start != end) return false;
  layout_.Validate();
  const int line = layout_.LineFromChar(start);
  const int first = layout_.LineIndex(line);
  const int column = start - first;
  if (column < 2) return false;
  const std::u16string text = layout_.TextRange(first, start);
  // The word that ends just before the typed delimiter.
  for (const TLiveWord& w : LineWords(text, static_cast<size_t>(column))) {
    if (w.End != column - 1) continue;
    if (w.Foreign) return false;
    if (WordAcceptable(w.Ansi, std::string()) && !engine_->UseAutoCorrectFirst) return false;
    std::string replacement;
    if (!engine_->GetAutoCorrection(w.Ansi, replacement) || replacement.empty()) return false;
    const std::u16string r = AnsiToUnicode(replacement);
    view_->BeginUpdate();
    ReplaceRange(first + w.Start, first + w.End, r);
    const int caret = start + static_cast<int>(r.size()) - (w.End - w.Start);
    view_->SetSelection(caret, caret);
    view_->EndUpdate();
    return true;
  }
  return false;
}

// ---------------------------------------------------------------- Change All

int TLiveRichEdit::ChangeAll(const std::u16string& oldWord, const std::u16string& newWord) {
  if (oldWord == newWord || oldWord.empty() || busy_ || !HasView()) return 0;
  struct BusyGuard {
    TLiveRichEdit& live;
    bool hourglass = false;
    ~BusyGuard() {
      if (hourglass) live.view_->SetBusyCursor(false);
      live.busy_ = false;
    }
  } guard{*this};
  busy_ = true;
  int selStart = 0, selEnd = 0;
  view_->GetSelection(selStart, selEnd);
  view_->BeginUpdate();
  const auto began = std::chrono::steady_clock::now();
  int changed = 0;
  // The count is read again for every line: a longer replacement in a
  // word-wrapping control makes more lines and moves the rest down.
  for (int line = 0; line < view_->LineCount(); ++line) {
    const std::u16string text = view_->LineText(line);
    const int first = view_->LineIndex(line);
    std::vector<TLiveWord> words = LineWords(text);
    // Right to left, so that earlier offsets stay valid.
    for (auto it = words.rbegin(); it != words.rend(); ++it) {
      if (it->Foreign || static_cast<size_t>(it->End - it->Start) != oldWord.size() ||
          text.compare(static_cast<size_t>(it->Start), oldWord.size(), oldWord) != 0)
        continue;
      ReplaceRange(first + it->Start, first + it->End, newWord);
      ++changed;
    }
    if (!guard.hourglass && std::chrono::steady_clock::now() - began > std::chrono::milliseconds(HourglassAfterMs)) {
      guard.hourglass = true;
      view_->SetBusyCursor(true);
    }
  }
  view_->SetSelection(selStart, selEnd);
  view_->EndUpdate();
  layout_.Clear();
  MarkAllDirty();
  view_->InvalidateAll();
  return changed;
}

// ---------------------------------------------------------------- engine notifications

void TLiveRichEdit::OptionsApplied() {
  if (LiveSpellingOptions) UpdateActivation();
}

void TLiveRichEdit::ConfigurationChanged() {
  if (spellingActive_) RecheckAll();
  if (engine_ && engine_->MainDictionaries().Count() > 0)
    parser_.SetFrenchApostrophes((engine_->Language() & 0xFF) == 0x0C);
}

void TLiveRichEdit::WordSkipped(bool before, int state) {
  if (before || !HasView()) return;
  if (state == TSpellCheckerBase::kSkipIgnore) {
    int start = 0, end = 0;
    view_->GetSelection(start, end);
    layout_.Validate();
    const int line = layout_.LineFromChar(start);
    const int column = start - layout_.LineIndex(line);
    const std::u16string text = view_->LineText(line);
    std::string selected;
    if (end > start && static_cast<size_t>(column + (end - start)) <= text.size() &&
        UnicodeToAnsi(std::u16string_view(text).substr(static_cast<size_t>(column), static_cast<size_t>(end - start)),
                      selected) &&
        selected == engine_->CurrentWord())
      IgnoreOnce();
  } else if (state == TSpellCheckerBase::kSkipIgnoreAll || state == TSpellCheckerBase::kSkipAdd) {
    int start = 0, end = 0;
    view_->GetSelection(start, end);
    view_->SetSelection(start, start);
    RecheckAll();
  }
}

void TLiveRichEdit::PopupResult(TSpellPopupOption result) {
  if (result == spAdd || result == spIgnoreAll) RecheckAll();
}

// ---------------------------------------------------------------- captions

std::string LiveMenuCaption(const TPopupItem& item) {
  if (item.Caption == "-") return item.Caption;
  if (!item.Children.empty()) {
    if (item.Children.front().Tag == spChangeAll) return LiveSpellingCaption(LiveSpellingText::ChangeAll);
    if (item.Children.front().Tag == spAutoCorrect) return LiveSpellingCaption(LiveSpellingText::AutoCorrect);
  }
  switch (item.Tag) {
    case spIgnore:
      return LiveSpellingCaption(LiveSpellingText::Ignore);
    case spIgnoreAll:
      return LiveSpellingCaption(LiveSpellingText::IgnoreAll);
    case spAdd:
      return LiveSpellingCaption(LiveSpellingText::Add);
    case spDialog:
      return LiveSpellingCaption(LiveSpellingText::Spelling);
    default:
      break;
  }
  if (item.Tag == 0 && item.Caption == TSpellCheckerBase::kTextNoSuggestions)
    return LiveSpellingCaption(LiveSpellingText::NoSuggestions);
  // A suggestion: its own text, with no access key.
  std::string text = AnsiToUtf8(item.Caption), out;
  for (char c : text) {
    out.push_back(c);
    if (c == '&') out.push_back('&');
  }
  return out;
}

}  // namespace wx
