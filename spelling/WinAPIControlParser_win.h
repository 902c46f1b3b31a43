// Text source over a Windows edit or rich-edit control, addressed by its
// window handle; the control may belong to another process. Positions are the
// control's own: X is the 0-based column in UTF-16 characters, Y the 0-based
// line. The checker sees each character as its Windows-1252 byte; characters
// outside the code page read as a non-letter, so they end a word and are never
// altered.
#pragma once

#include <windows.h>

#include <string>

#include "spelling/ControlParser.h"

namespace wx {

class TSpellCheckerBase;

class TWinAPIControlParser : public TControlParser {
 public:
  // Kinds of control: plain edit, first-generation rich edit (and controls
  // that take the rich edit's message conventions), later rich edit.
  enum : int { kEdit = 0, kRichEdit1 = 1, kRichEdit2 = 2 };
  // Longest line read; longer lines are cut.
  static constexpr int kMaxLine = 16374;

  explicit TWinAPIControlParser(HWND window) : window_(window) {}

  void Initialize() override;
  uint8_t GetChar() override;
  void GetLine(std::string& text) override;
  bool MoveNext() override;
  bool MovePrevious() override;
  void SetPosition(int x, int y, int mode) override;
  void GetPosition(int& x, int& y) override;
  void SelectWord(int length) override;
  void ReplaceWord(const std::string& text) override;
  void SkipWord() override;
  void ScrollToWord() override;
  void GetSelectionStart(int& x, int& y) override;
  void GetSelection(int& x1, int& y1, int& x2, int& y2) override;
  void GetControlRect(TWordRect& rect) override;
  int GetWordRect(TWordRect& rect) override;

  int Kind() const { return kind_; }
  void SetKind(int kind) { kind_ = kind; }
  HWND Window() const { return window_; }

 private:
  bool FetchLine();
  bool LoadLine(int line);
  void CharToPosition(LRESULT index, int& x, int& y);
  int LineHeight();
  POINT CharPoint(LRESULT index);

  HWND window_;
  int kind_ = kEdit;
  int x_ = 0, y_ = 0;
  bool hasEnd_ = false;
  int endX_ = 0, endY_ = 0;
  int cachedLine_ = -1;
  std::u16string line_;  // the cached line with CR LF appended
  bool cacheInvalid_ = true;
  int lineCount_ = 0;
  LRESULT wordStart_ = 0;
  int wordLength_ = 0;
};

// Checks an edit or rich-edit window with the checker (modes as CheckParser).
void CheckWindow(TSpellCheckerBase& checker, HWND window, int mode);
// The same, forcing the first-generation rich-edit position convention.
void CheckRichEdit(TSpellCheckerBase& checker, HWND window, int mode);
int WordCountWindow(TSpellCheckerBase& checker, HWND window, int mode);

}  // namespace wx
