#include "windows/LiveLayout.h"

#include <algorithm>

#include "windows/LiveSpelling.h"

namespace wx {

namespace {

bool IsBreak(char16_t c) { return c == u'\r' || c == u'\n'; }

// The line's text without its line break.
size_t ContentLength(const std::u16string& text) {
  size_t n = text.size();
  while (n > 0 && IsBreak(text[n - 1])) --n;
  return n;
}

// Characters before the right-to-left scripts: an edit among them moves
// nothing on its left.
bool LeftToRight(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t c) { return c < 0x0590; });
}

}  // namespace

TInference InferEdit(TEditKind kind, int count, const TEditProbe& before, const TEditProbe& after, TInferredEdit& edit) {
  if (after.SelStart == before.SelStart && after.SelEnd == before.SelEnd && after.Length == before.Length)
    return TInference::Nothing;
  if (after.SelStart != after.SelEnd || before.SelStart > before.SelEnd || count < 0) return TInference::Unknown;
  const int s = before.SelStart, e = before.SelEnd, caret = after.SelStart, delta = after.Length - before.Length;
  switch (kind) {
    case TEditKind::Typed:
    case TEditKind::Replacement: {
      if (caret != s + count) return TInference::Unknown;
      const int removed = count - delta;
      // Overwriting replaces the characters after an empty selection.
      const int most = kind == TEditKind::Typed && s == e ? count : e - s;
      if (removed < e - s || removed > most) return TInference::Unknown;
      edit = {s, removed, count};
      return TInference::Known;
    }
    case TEditKind::Deletion:
      if (s < e) {
        if (caret != s || delta != -(e - s)) return TInference::Unknown;
        edit = {s, e - s, 0};
      } else if (caret < s) {
        if (delta != -(s - caret)) return TInference::Unknown;
        edit = {caret, s - caret, 0};
      } else {
        if (caret != s || delta >= 0) return TInference::Unknown;
        edit = {s, -delta, 0};
      }
      return TInference::Known;
  }
  return TInference::Unknown;
}

void TLayoutCache::Clear() {
  rows_.clear();
  lefts_.clear();
  pending_.clear();
  first_ = -1;
  stateKnown_ = false;
  ++generation_;
}

void TLayoutCache::Validate() {
  if (!view_) return;
  TViewState now;
  if (!view_->ReadState(now)) {
    if (stateKnown_ || !rows_.empty()) Clear();
    return;
  }
  if (stateKnown_ && now == state_) return;
  Clear();
  state_ = now;
  stateKnown_ = true;
}

TLayoutCache::Row* TLayoutCache::Find(int line) {
  auto it = rows_.find(line);
  return it == rows_.end() ? nullptr : &it->second;
}

int TLayoutCache::LineStartingAt(int index) const {
  for (const auto& [line, row] : rows_)
    if (row.start == index) return line;
  return -1;
}

int TLayoutCache::FirstVisibleLine() {
  if (first_ >= 0) return first_;
  const int first = view_->FirstVisibleLine();
  if (stateKnown_) first_ = first;
  return first;
}

int TLayoutCache::LineIndex(int line) {
  if (const Row* r = Find(line); r && r->start >= 0) return r->start;
  const int index = view_->LineIndex(line);
  if (stateKnown_ && index >= 0) rows_[line].start = index;
  return index;
}

int TLayoutCache::LineFromChar(int index) {
  if (stateKnown_) {
    for (auto it = rows_.begin(); it != rows_.end(); ++it) {
      const Row& row = it->second;
      if (row.start < 0 || row.start > index) continue;
      auto next = std::next(it);
      if (next != rows_.end() && next->first == it->first + 1 && next->second.start > index) return it->first;
      if (it->first == state_.Lines - 1 && index <= state_.Length) return it->first;
    }
  }
  return view_->LineFromChar(index);
}

int TLayoutCache::CharTop(int index) {
  const int line = stateKnown_ ? LineStartingAt(index) : -1;
  if (line >= 0 && rows_[line].top != INT_MIN) return rows_[line].top;
  const int top = view_->CharTop(index);
  if (line >= 0) rows_[line].top = top;
  return top;
}

int TLayoutCache::CharLeft(int index) {
  if (auto it = lefts_.find(index); it != lefts_.end()) return it->second;
  for (const Pending& p : pending_) {
    if (p.index != index) continue;
    // The edit moved the rest of its line by one amount: this character
    // tells how much, and the others follow.
    const int shift = view_->CharLeft(index) - p.left;
    for (const Pending& q : pending_) lefts_[q.index] = q.left + shift;
    pending_.clear();
    return lefts_[index];
  }
  const int left = view_->CharLeft(index);
  if (stateKnown_) lefts_[index] = left;
  return left;
}

int TLayoutCache::LineAtRow(int y) {
  if (stateKnown_) {
    for (auto it = rows_.begin(); it != rows_.end(); ++it) {
      auto next = std::next(it);
      // Rows below the last line belong to it.
      if (it->first == state_.Lines - 1 && it->second.top != INT_MIN && it->second.top <= y) return it->first;
      if (next == rows_.end()) break;
      const Row &row = it->second, &below = next->second;
      if (next->first == it->first + 1 && row.top != INT_MIN && below.top != INT_MIN && row.top <= y && y < below.top)
        return it->first;
    }
  }
  return view_->LineAtRow(y);
}

std::u16string TLayoutCache::TextRange(int start, int end) {
  if (stateKnown_) {
    for (const auto& [line, row] : rows_) {
      if (!row.hasText || start < row.start) continue;
      const int rowEnd = row.start + static_cast<int>(row.text.size());
      const int stop = end < 0 ? (line == state_.Lines - 1 ? rowEnd : INT_MAX) : end;
      if (start <= rowEnd && stop <= rowEnd)
        return row.text.substr(static_cast<size_t>(start - row.start), static_cast<size_t>(std::max(0, stop - start)));
    }
  }
  std::u16string text = view_->TextRange(start, end);
  const int line = stateKnown_ ? LineStartingAt(start) : -1;
  if (line >= 0) {
    const Row* next = Find(line + 1);
    const bool whole = end < 0 ? line == state_.Lines - 1 : (next && next->start == end);
    if (whole && text.size() == static_cast<size_t>((end < 0 ? state_.Length : end) - start)) {
      Row& row = rows_[line];
      row.text = text;
      row.hasText = true;
    }
  }
  return text;
}

bool TLayoutCache::WholeParagraph(int line) {
  const Row* row = Find(line);
  if (!row || row->start < 0) return false;
  bool starts = line == 0;
  if (!starts) {
    const Row* above = Find(line - 1);
    starts = above && above->hasText && !above->text.empty() && IsBreak(above->text.back()) &&
             above->start + static_cast<int>(above->text.size()) == row->start;
  }
  const bool ends = line == state_.Lines - 1 || (row->hasText && !row->text.empty() && IsBreak(row->text.back()));
  return starts && ends;
}

void TLayoutCache::ShiftAfter(int line, int delta) {
  for (auto it = rows_.upper_bound(line); it != rows_.end(); ++it)
    if (it->second.start >= 0) it->second.start += delta;
}

void TLayoutCache::Edited(unsigned generation, int at, int removed, int inserted, const std::u16string* text) {
  if (generation != generation_) return;  // forgotten meanwhile: what was asked since is current
  if (!stateKnown_ || !view_ || removed < 0 || inserted < 0) {
    Clear();
    return;
  }
  // The line that holds the whole edit, within its text (a line break
  // removed or typed changes the lines below). Lines start in order.
  int line = -1;
  for (const auto& [l, row] : rows_)
    if (row.start >= 0 && row.start <= at) line = l;
  if (line >= 0) {
    const Row& r = rows_[line];
    if (!r.hasText || at + removed > r.start + static_cast<int>(ContentLength(r.text))) line = -1;
  }
  const bool breaks = text && std::any_of(text->begin(), text->end(), IsBreak);
  if (line < 0 || breaks || !WholeParagraph(line) || (text && static_cast<int>(text->size()) != inserted)) {
    Clear();
    return;
  }
  Row& row = rows_[line];
  const int delta = inserted - removed;
  const int oldEnd = row.start + static_cast<int>(row.text.size());  // the next line's first character
  const size_t column = static_cast<size_t>(at - row.start);
  // Left edges before the edit stay where they were on a line that runs
  // left to right from a fixed margin; those after it on the line move.
  const bool keepLeft = text && view_->EditKeepsLeftPart() && LeftToRight(*text) &&
                        LeftToRight(std::u16string_view(row.text).substr(0, column + static_cast<size_t>(removed)));
  // Those after it on the line move together up to a tab (which stops at
  // its own place); left edges still waiting from an earlier edit are
  // dropped, being moved by two amounts.
  pending_.clear();
  const int after = at + removed;
  int tab = oldEnd;
  if (keepLeft) {
    const size_t found = row.text.find(u'\t', column + static_cast<size_t>(removed));
    if (found != std::u16string::npos) tab = row.start + static_cast<int>(found);
    if (!LeftToRight(std::u16string_view(row.text).substr(column))) tab = after - 1;
  }
  for (auto it = lefts_.begin(); it != lefts_.end();) {
    const int index = it->first;
    if (index < row.start || (index < at && keepLeft)) {
      ++it;
    } else if (keepLeft && index >= after && index <= tab && index < oldEnd) {
      pending_.push_back({index + delta, it->second});
      it = lefts_.erase(it);
    } else if (index >= oldEnd && delta == 0) {
      ++it;
    } else if (index >= oldEnd) {
      // Keys move by the same amount: their order stays, nothing collides.
      auto node = lefts_.extract(it++);
      node.key() += delta;
      moved_.insert(std::move(node));
    } else {
      it = lefts_.erase(it);
    }
  }
  while (!moved_.empty()) lefts_.insert(moved_.extract(moved_.begin()));
  if (text) {
    row.text.replace(column, static_cast<size_t>(removed), *text);
  } else {
    row.text.clear();
    row.hasText = false;
  }
  ShiftAfter(line, delta);
  state_.Length += delta;
}

}  // namespace wx
