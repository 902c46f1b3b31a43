#include "spelling/StringParser.h"

#include <algorithm>

namespace wx {

void TStringParser::Initialize() {
  fx_ = 1;
  hasEnd_ = false;
  endX_ = 0;
  wordLength_ = 0;
}

void TStringParser::SetPosition(int x, int /*y*/, int mode) {
  const int last = static_cast<int>(text_->size()) + 1;
  if (mode == kMoveCursor) {
    fx_ = std::clamp(x, 1, last);
  } else if (mode == kSetEndMark) {
    hasEnd_ = true;
    endX_ = x;
  }
}

void TStringParser::GetPosition(int& x, int& y) {
  x = fx_;
  y = 0;
}

void TStringParser::SelectWord(int length) {
  wordLength_ = std::max(0, std::min(length, fx_ - 1));
  fx_ -= wordLength_;
}

void TStringParser::ReplaceWord(const std::string& text) {
  const int len = static_cast<int>(text_->size());
  const int start = std::clamp(fx_ - 1, 0, len);
  const int count = std::min(wordLength_, len - start);
  if (hasEnd_) endX_ += static_cast<int>(text.size()) - count;
  text_->replace(static_cast<size_t>(start), static_cast<size_t>(count), text);
  fx_ = start + 1 + static_cast<int>(text.size());
  wordLength_ = static_cast<int>(text.size());
}

void TStringParser::SkipWord() {
  fx_ = std::min(fx_ + wordLength_, static_cast<int>(text_->size()) + 1);
}

void TStringParser::GetSelection(int& x1, int& y1, int& x2, int& y2) {
  x1 = x2 = fx_;
  y1 = y2 = 0;
}

}  // namespace wx
