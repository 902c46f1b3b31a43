// Live spelling on arbitrary text (the clipboard text a pane shows is
// untrusted): every line's marks stay inside the line and in order, and the
// menu lookup, Change All and correction while typing end without harm.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "spelling/SpellCheckerBase.h"
#include "windows/LiveSpelling.h"

namespace {

// Lines split at CR; a line break counts as one character.
class Lines final : public wx::TLiveTextView {
 public:
  std::vector<std::u16string> lines{u""};
  int selStart = 0, selEnd = 0;

  bool HasWindow() override { return true; }
  bool ReadOnly() override { return false; }
  int LineCount() override { return int(lines.size()); }
  int FirstVisibleLine() override { return 0; }
  int LastVisibleLine() override { return LineCount() - 1; }
  int LineIndex(int line) override {
    if (line < 0 || line >= LineCount()) return -1;
    int index = 0;
    for (int i = 0; i < line && i < LineCount(); ++i) index += int(lines[size_t(i)].size()) + 1;
    return index;
  }
  int LineFromChar(int index) override {
    for (int i = 0; i < LineCount(); ++i) {
      if (index <= int(lines[size_t(i)].size())) return i;
      index -= int(lines[size_t(i)].size()) + 1;
    }
    return LineCount() - 1;
  }
  std::u16string LineText(int line) override { return lines.at(size_t(line)); }
  // Lines 10 rows high.
  int CharTop(int index) override { return LineFromChar(index) * 10; }
  int LineAtRow(int y) override { return std::clamp(y / 10, 0, LineCount() - 1); }
  std::u16string TextRange(int start, int end) override {
    std::u16string all;
    for (size_t i = 0; i < lines.size(); ++i) all += (i ? u"\r" : u"") + lines[i];
    if (end < 0 || end > int(all.size())) end = int(all.size());
    if (start < 0 || start >= end) return {};
    return all.substr(size_t(start), size_t(end - start));
  }
  void GetSelection(int& s, int& e) override { s = selStart, e = selEnd; }
  void SetSelection(int s, int e) override { selStart = s, selEnd = e; }
  void ReplaceSelection(const std::u16string& text) override {
    const int line = LineFromChar(selStart);
    const int column = selStart - LineIndex(line);
    std::u16string& l = lines[size_t(line)];
    const size_t from = std::min(size_t(column), l.size());
    l.replace(from, std::min(size_t(selEnd - selStart), l.size() - from), text);
    selStart = selEnd = selStart + int(text.size());
  }
  void InvalidateLine(int) override {}
  void InvalidateAll() override {}
};

wx::TSpellCheckerBase& Checker() {
  static wx::TSpellCheckerBase* checker = [] {
    wx::TSpellConfigSettings s;
    s.ConfigStorage = wx::TConfigStorage::csNone;
    s.ConfigUseMSWordCustom = false;
    s.ConfigDefaultMain = {};
    s.ConfigDefaultCustom = {};
    s.ConfigDefaultActiveCustom = "";
    auto* c = new wx::TSpellCheckerBase(s);
    for (const char* w : {"the", "a", "of", "text"}) c->TemporaryDictionary().AddWord(w);
    c->TemporaryDictionary().AddAutoCorrect("teh", "the");
    return c;
  }();
  return *checker;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  Lines view;
  for (size_t i = 1; i + 1 < size; i += 2) {
    const char16_t u = char16_t(data[i] | (data[i + 1] << 8));
    if (u == u'\r')
      view.lines.emplace_back();
    else
      view.lines.back().push_back(u);
  }
  wx::TLiveRichEdit live;
  live.SetView(&view);
  live.SetSpellEngine(&Checker());
  live.SetLiveSpellingOptions(false);
  if (!live.SpellingActive()) std::abort();
  const int caret = data[0];
  for (int line = 0; line < view.LineCount(); ++line) {
    const std::u16string text = view.LineText(line);
    int last = 0;
    for (const wx::TSpellingError& e : live.CheckLine(line, caret)) {
      if (e.Start < last || e.End <= e.Start || size_t(e.End) > text.size()) std::abort();
      last = e.End;
    }
  }
  // A repaint of a band: each line handed over lies in it, with marks inside the line.
  const int top = data[size - 1] % 64, bottom = top + data[0] % 64;
  live.PaintBand(0, top, bottom, caret, [&](const wx::TPaintedLine& p) {
    if (p.Top >= bottom || p.Errors == nullptr || p.Errors->empty() || p.Index != view.LineIndex(p.Line)) std::abort();
    for (const wx::TSpellingError& e : *p.Errors)
      if (e.Start < 0 || size_t(e.End) > view.lines[size_t(p.Line)].size()) std::abort();
  });
  int previousEnd = 0;
  for (const auto& [start, end] : live.VisibleMarks()) {
    if (start < previousEnd || end <= start) std::abort();
    previousEnd = end;
  }
  int line = 0;
  wx::TLiveWord word;
  live.MisspelledWordAt(caret, line, word);
  live.ChangeAll(u"teh", u"the");
  const int end = view.LineIndex(view.LineCount() - 1) + int(view.lines.back().size());
  view.SetSelection(end, end);
  live.KeyPressed(u' ');
  live.KeyReleased();
  live.SetSpellEngine(nullptr);
  return 0;
}
