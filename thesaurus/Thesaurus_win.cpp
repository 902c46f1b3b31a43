#include "thesaurus/Thesaurus_win.h"

#include "common/AnsiText.h"
#include "thesaurus/ThesDialog_win.h"

namespace wx {

std::unique_ptr<TThesaurusForm> TThesaurus::CreateDialog() {
  return std::make_unique<TThesDialog>(Owner);
}

void TThesaurus::SaveCursorShowWait() { savedCursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT)); }

void TThesaurus::RestoreCursor() { SetCursor(savedCursor_); }

std::wstring ThesaurusSession(TThesaurus& thesaurus, const std::wstring& word) {
  std::string replacement;
  thesaurus.ShowThesaurusAt(Utf8ToAnsi(WideToUtf8(word)), replacement);
  // When no session ran (data missing, one already open) replacement stays
  // empty while ReplacementText still holds an earlier session's word; a
  // session that ran set both, and the text keeps what the user typed.
  if (replacement.empty()) return std::wstring();
  return Utf8ToWide(thesaurus.ReplacementText());
}

}  // namespace wx
