// The thesaurus component of the Windows program: the standard dialog and
// the wait cursor. The program's data module sets Filename to
// "%AppDir%\Thesaurus.qxt"; the controller calls ShowThesaurusAt and reads
// ReplacementWord (or uses ThesaurusSession for Unicode text).
#pragma once

#include <windows.h>

#include <string>

#include "thesaurus/ThesaurusBase.h"

namespace wx {

class TThesaurus : public TThesaurusBase {
 public:
  // The window the dialog belongs to (may be none).
  HWND Owner = nullptr;

 protected:
  std::unique_ptr<TThesaurusForm> CreateDialog() override;
  void SaveCursorShowWait() override;
  void RestoreCursor() override;

 private:
  HCURSOR savedCursor_ = nullptr;
};

// One session for a Unicode word (as the controller holds clipboard text):
// the word goes to the engine in the ANSI code page (characters outside it
// cannot be stored words, so such a word is simply not found); returns the
// chosen replacement, or an empty string.
std::wstring ThesaurusSession(TThesaurus& thesaurus, const std::wstring& word);

}  // namespace wx
