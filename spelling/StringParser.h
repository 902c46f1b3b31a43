// Text source over a caller's string. Replacements change the caller's
// string. Positions are 1-based character indexes; there are no lines (Y = 0).
#pragma once

#include "spelling/ControlParser.h"

namespace wx {

class TStringParser final : public TControlParser {
 public:
  explicit TStringParser(std::string& text) : text_(&text) {}

  void Initialize() override;
  // Inline: the word extractor calls these for every character.
  uint8_t GetChar() override {
    if (fx_ < 1 || fx_ > static_cast<int>(text_->size())) return 0;
    return static_cast<uint8_t>((*text_)[static_cast<size_t>(fx_ - 1)]);
  }
  void GetLine(std::string& text) override { text = *text_; }
  bool MoveNext() override {
    if (fx_ > static_cast<int>(text_->size())) return false;  // already past the end: stay there
    ++fx_;
    return !hasEnd_ || fx_ <= endX_;
  }
  bool MovePrevious() override {
    if (fx_ <= 1) return false;
    --fx_;
    return true;
  }
  void SetPosition(int x, int y, int mode) override;
  void GetPosition(int& x, int& y) override;
  void SelectWord(int length) override;
  void ReplaceWord(const std::string& text) override;
  void SkipWord() override;
  void GetSelectionStart(int& x, int& y) override { GetPosition(x, y); }
  void GetSelection(int& x1, int& y1, int& x2, int& y2) override;

  const std::string& Text() const { return *text_; }

 private:
  std::string* text_;
  int fx_ = 1;
  bool hasEnd_ = false;
  int endX_ = 0;
  int wordLength_ = 0;
};

}  // namespace wx
