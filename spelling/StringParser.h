// Text source over a caller's string. Replacements change the caller's
// string. Positions are 1-based character indexes; there are no lines (Y = 0).
#pragma once

#include "spelling/ControlParser.h"

namespace wx {

class TStringParser : public TControlParser {
 public:
  explicit TStringParser(std::string& text) : text_(&text) {}

  void Initialize() override;
  uint8_t GetChar() override;
  void GetLine(std::string& text) override { text = *text_; }
  bool MoveNext() override;
  bool MovePrevious() override;
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
