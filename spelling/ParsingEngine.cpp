#include "spelling/ParsingEngine.h"

#include "common/AnsiText.h"

namespace wx {

std::string TMainParsingEngine::DefaultWordCharacters() {
  static const int ranges[][2] = {
      {0x26, 0x27}, {0x30, 0x39}, {0x41, 0x5A}, {0x61, 0x7A}, {0x8A, 0x8A}, {0x8C, 0x8F},
      {0x92, 0x92}, {0x9A, 0x9A}, {0x9C, 0x9F}, {0xA1, 0xA3}, {0xA5, 0xA6}, {0xA8, 0xA8},
      {0xAC, 0xAC}, {0xAF, 0xAF}, {0xB1, 0xB3}, {0xB6, 0xB6}, {0xB8, 0xB9}, {0xBC, 0xBC},
      {0xBF, 0xFF}};
  std::string s;
  for (const auto& r : ranges)
    for (int c = r[0]; c <= r[1]; ++c) s.push_back(static_cast<char>(c));
  return s;
}

TMainParsingEngine::TMainParsingEngine() : wordChars_(DefaultWordCharacters()) { RebuildTables(); }

void TMainParsingEngine::SetWordCharacters(const std::string& chars) {
  wordChars_ = chars;
  RebuildTables();
}

// French text splits at both apostrophes: the straight one and the
// typographic one (0x92) that word processors type ("l\x92homme").
constexpr char kFrenchApostrophes[] = {'\'', '\x92'};

void TMainParsingEngine::SetForbidMidWord(const std::string& chars) {
  forbidMid_ = chars;
  if (french_)
    for (char a : kFrenchApostrophes)
      if (forbidMid_.find(a) == std::string::npos) forbidMid_.push_back(a);
  RebuildTables();
}

void TMainParsingEngine::SetFrenchApostrophes(bool value) {
  if (value == french_) return;
  french_ = value;
  for (char a : kFrenchApostrophes) {
    const auto p = forbidMid_.find(a);
    if (value && p == std::string::npos) forbidMid_.push_back(a);
    if (!value && p != std::string::npos) forbidMid_.erase(p, 1);
  }
  RebuildTables();
}

void TMainParsingEngine::RebuildTables() {
  starts_.fill(false);
  continues_.fill(false);
  stripped_.fill(false);
  forbidStart_.fill(false);
  for (char c : wordChars_) starts_[static_cast<uint8_t>(c)] = continues_[static_cast<uint8_t>(c)] = true;
  for (char c : forbidMid_) continues_[static_cast<uint8_t>(c)] = false;
  for (char c : ForbidEnd) stripped_[static_cast<uint8_t>(c)] = true;
  for (char c : ForbidStart) forbidStart_[static_cast<uint8_t>(c)] = true;
  // Split off in French, the typographic apostrophe does not start the next
  // word either, as the straight one does not.
  if (french_) forbidStart_[0x92] = true;
  builtForbidStart_ = ForbidStart;
  builtForbidEnd_ = ForbidEnd;
  // Position 0 is "outside the text": never a word character.
  starts_[0] = continues_[0] = false;
}

void TMainParsingEngine::Start(TControlParser* parser, int mode) {
  parser_ = parser;
  stringParser_ = dynamic_cast<TStringParser*>(parser);
  lastWord_.clear();
  // ForbidStart/ForbidEnd are public fields: pick up changes made since.
  if (ForbidStart != builtForbidStart_ || ForbidEnd != builtForbidEnd_) RebuildTables();
  if (!parser_) return;
  int x1, y1, x2, y2;
  switch (mode) {
    case kModeSelection:
      parser_->GetSelection(x1, y1, x2, y2);
      MoveToWordStart(x1, y1);
      parser_->SetPosition(x2, y2, kSetEndMark);
      break;
    case kModeFromCaret:
      parser_->GetSelectionStart(x1, y1);
      MoveToWordStart(x1, y1);
      break;
    case kModeWholeText:
      parser_->SetPosition(0, 0, kMoveCursor);
      break;
    default:
      break;
  }
}

void TMainParsingEngine::MoveToWordStart(int x, int y) {
  if (!parser_) return;
  parser_->SetPosition(x, y, kMoveCursor);
  while (Continues(parser_->GetChar()))
    if (!parser_->MovePrevious()) break;
}

template <class Source>
void TMainParsingEngine::NextWord(Source& p, std::string& word) {
  for (;;) {
    word.clear();
    // Find the start of a word.
    uint8_t ch;
    for (;;) {
      ch = p.GetChar();
      if (OnCharacter) {
        int x0, y0, x1, y1;
        p.GetPosition(x0, y0);
        if (OnCharacter(ch, p)) {
          p.GetPosition(x1, y1);
          // A rule that skipped without moving (a tag cut off by the end mark)
          // would be asked again forever: step over the character instead.
          if ((x0 != x1 || y0 != y1)) continue;
          if (!p.MoveNext()) return;
          continue;
        }
      }
      if (Starts(ch) && !forbidStart_[ch]) break;
      if (!p.MoveNext()) return;
    }
    // Collect the word.
    word.push_back(static_cast<char>(ch));
    bool abbreviation = false;
    for (;;) {
      if (!p.MoveNext()) {
        if (!AllowIncompleteLastWord) word.clear();
        break;
      }
      ch = p.GetChar();
      if (Continues(ch)) {
        word.push_back(static_cast<char>(ch));
        continue;
      }
      bool keep = false;
      if (AllowMidPeriod && ch == '.') {
        p.MoveNext();
        const uint8_t next = p.GetChar();
        p.MovePrevious();
        if (Continues(next)) {
          keep = true;
        } else if (word.find('.') != std::string::npos) {
          keep = true;
          abbreviation = true;
        }
      } else if (french_ && (ch == '\'' || ch == 0x92)) {
        const std::string lower = AnsiLower(word);
        keep = lower == "aujourd" || lower == "entr";
      }
      if (!keep) break;
      word.push_back(static_cast<char>(ch));
    }
    // Strip closing quotes and a sentence period.
    while (!word.empty() && stripped_[static_cast<uint8_t>(word.back())]) {
      if (abbreviation && word.back() == '.') break;
      word.pop_back();
      p.MovePrevious();
    }
    if (word.empty() || !OnWord || !OnWord(word, p)) break;
  }
  lastWord_ = word;
}

void TMainParsingEngine::GetNextWord(std::string& word) {
  word.clear();
  if (stringParser_)
    NextWord(*stringParser_, word);
  else if (parser_)
    NextWord(*parser_, word);
}

}  // namespace wx
