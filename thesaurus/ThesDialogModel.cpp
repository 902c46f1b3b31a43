#include "thesaurus/ThesDialogModel.h"

#include <algorithm>

#include "common/AnsiText.h"

namespace wx {

TThesDialogModel::TThesDialogModel(TThesaurusDialogCtrl& ctrl) : ctrl_(ctrl) {
  ctrl_.OnActivate = [this](void*) { Activate(); };
  ctrl_.OnPromptLookup = [this](void*, const std::string& word, const TContextList& contexts) {
    PromptLookup(word, contexts);
  };
  ctrl_.OnPromptContext = [this](void*, const std::vector<std::string>& list) {
    PromptContext(list);
  };
}

void TThesDialogModel::Activate() {
  ctrl_.GetString(0, caption);
  for (int i = 0; i < 3; ++i) ctrl_.GetString(1 + i, labelTexts[i]);
  for (int i = 0; i < 4; ++i) ctrl_.GetString(4 + i, buttonTexts[i]);
  TThesaurusDialogCommands enabled = ctrl_.CommandsEnabled(), visible = ctrl_.CommandsVisible();
  closeEnabled = enabled.Has(tdcClose);
  lookedUpEnabled = enabled.Has(tdcLookedUp);
  lookedUpVisible = visible.Has(tdcLookedUp);
  contextsShift = lookedUpVisible ? 0 : 48;
  previousVisible = visible.Has(tdcPrevious);
  lookupVisible = visible.Has(tdcLookup);
  replaceVisible = visible.Has(tdcReplace);
  closeVisible = visible.Has(tdcClose);
}

void TThesDialogModel::PromptLookup(const std::string& word, const TContextList& contexts) {
  history.erase(std::remove_if(history.begin(), history.end(),
                               [&](const std::string& h) { return AnsiSameText(h, word); }),
                history.end());
  if (!word.empty()) {
    history.insert(history.begin(), word);
    historySelected = 0;
  } else {
    historySelected = -1;
  }
  ++historyVersion;

  contextRows.clear();
  for (const auto& m : contexts) contextRows.push_back({m->contextWord, m->kindName});
  contextsEnabled = !contextRows.empty();
  contextSelected = -1;
  ctrl_.GetString(8, notFoundText);
  ++contextsVersion;
  if (contextsEnabled) {
    SelectContextRow(0);
  } else {
    words.clear();
    wordSelected = -1;
    ++wordsVersion;
  }
  previousEnabled = history.size() >= 2 && ctrl_.CommandsEnabled().Has(tdcPrevious);
}

void TThesDialogModel::SelectContextRow(int row) {
  if (!contextsEnabled || row < 0 || size_t(row) >= contextRows.size()) return;
  contextSelected = row;
  ctrl_.SelectContext(row);
}

void TThesDialogModel::PromptContext(const std::vector<std::string>& list) {
  words = list;
  wordSelected = -1;
  ++wordsVersion;
  if (!history.empty()) {
    for (size_t i = 0; i < words.size(); ++i) {
      if (AnsiSameText(words[i], history.front())) {
        SelectWordRow(int(i));
        SetReplaceText("");
        timerRunning = true;
        break;
      }
    }
  }
  lookupEnabled = false;
  replaceEnabled = false;
}

void TThesDialogModel::SelectWordRow(int row) {
  if (row < 0 || size_t(row) >= words.size()) return;
  wordSelected = row;
  const std::string current = historySelected >= 0 ? history[size_t(historySelected)] : "";
  SetReplaceText(AnsiSameText(words[size_t(row)], current) ? "" : words[size_t(row)]);
}

void TThesDialogModel::SetReplaceText(const std::string& text) {
  ++replaceVersion;
  ReplaceTextChanged(AnsiToUtf8(text));
}

void TThesDialogModel::ReplaceTextChanged(const std::string& text) {
  replaceTyped = text;
  replaceText = Utf8ToAnsi(text);
  TThesaurusDialogCommands enabled = ctrl_.CommandsEnabled();
  lookupEnabled = !text.empty() && enabled.Has(tdcLookup);
  replaceEnabled = !text.empty() && enabled.Has(tdcReplace);
}

void TThesDialogModel::LookupButton() {
  if (lookupEnabled) ctrl_.LookupWord(replaceText);
}

void TThesDialogModel::ChooseHistory(int index) {
  if (index < 0 || size_t(index) >= history.size()) return;
  std::string word = history[size_t(index)];
  ctrl_.LookupWord(word);
}

void TThesDialogModel::PreviousButton() {
  if (!previousEnabled || history.size() <= 1) return;
  history.erase(history.begin());
  ++historyVersion;
  std::string word = history.front();
  ctrl_.LookupWord(word);
}

void TThesDialogModel::ReplaceButton() {
  if (replaceEnabled) ctrl_.ReplaceWithText(replaceTyped);
}

void TThesDialogModel::WordListDoubleClick(int row) {
  if (row < 0 || size_t(row) >= words.size()) return;
  std::string word = words[size_t(row)];
  ctrl_.WordDoubleClick(word);
}

void TThesDialogModel::Close() { ctrl_.CloseDialog(); }

}  // namespace wx
