#include "definitions/DefinitionsFormModel.h"

#include <algorithm>

#include "common/AnsiText.h"
#include "definitions/DefinitionsDatabase.h"
#include "definitions/IndexKey.h"

namespace wx {

namespace {
constexpr int kNeighbours = 20;
constexpr int kTypeOfRelation = 6;
constexpr uint8_t kAllPartsOfSpeech = 0xFF;
}  // namespace

uint32_t DefinitionsHighlightColour(uint32_t highlight, uint32_t window, uint32_t windowText,
                                    uint32_t highlightText) {
  constexpr uint32_t kYellow = 0x0000FFFF;
  if (highlight == window) return window == highlightText ? windowText : highlightText;
  if (windowText == highlight) {
    if (highlightText != window) return highlightText;
    if (window != kYellow) return kYellow;
  }
  return highlight;
}

std::string WithoutStar(const std::string& word) {
  if (!word.empty() && word.back() == '*') return word.substr(0, word.size() - 1);
  return word;
}

void TDefinitionsFormModel::SetDefinitionsHeightPercent(int percent) {
  percent_ = std::clamp(percent, 0, 100);
}

void TDefinitionsFormModel::KeyWordChanged(const std::string& text) {
  keyWord = text;
  searchEnabled = true;
}

void TDefinitionsFormModel::Search(const std::string& word) {
  keyWord = word;
  Lookup(word, true);
}

void TDefinitionsFormModel::Lookup(const std::string& word, bool addToHistory) {
  lastSearched = word;
  struct Reset {
    TDefinitionsFormModel& m;
    ~Reset() {
      m.searchEnabled = false;
      m.copyEnabled = false;
      m.definitionFocused = false;
      m.definitionSelection.clear();
    }
  } reset{*this};

  rows.clear();
  notFoundWord.clear();
  chosenSense = -1;
  ++rowsVersion;
  currentRelation = kSynonymsRelation;
  // Nothing of the previous word stays on screen when this search fails.
  if (!DefinitionsOnly()) {
    ShowWords({});
    tabs.clear();
    selectedTab = -1;
    ++tabsVersion;
  }
  if (!db_) return;
  DatabaseOpener open(*db_);
  db_->SearchWord(word);
  TWordLookup& lookup = db_->Lookup();
  const bool found = lookup.SenseCount() > 0;
  if (!DefinitionsHidden()) BuildRows();
  for (bool& d : posDown) d = false;
  UpdateButtons();
  if (!DefinitionsOnly()) {
    if (!lookup.Synonyms().empty()) {
      ShowWords(lookup.Synonyms());
    } else if (lookup.RelationsPresent() & (1u << kTypeOfRelation)) {
      currentRelation = kTypeOfRelation;
      ShowWords(lookup.RelatedByIndex(kTypeOfRelation));
    } else {
      ShowWords({});
    }
    UpdateTabs();
  }
  if (found) {
    if (addToHistory) {
      // Looking a word up after going back drops the entries ahead, as a
      // browser does; the same word twice in a row is kept once.
      history.resize(size_t(historyPos + 1));
      if (history.empty() || history.back() != word) history.push_back(word);
      historyPos = int(history.size()) - 1;
      ++historyVersion;
    }
    showingHistoryEntry_ = true;
  } else {
    showingHistoryEntry_ = false;
    if (!DefinitionsOnly()) {
      std::vector<std::string> neighbours;
      int pos = db_->NeighbourWords(neighbours, kNeighbours);
      ShowWords(neighbours, pos);
    }
    notFoundWord = word;
  }
  previousEnabled = historyPos > 0 || (!showingHistoryEntry_ && historyPos >= 0);
}

// "happier,happiest" as a reader writes it: "happier, happiest" (a comma
// already followed by a blank stays as it is).
std::string TDefinitionsFormModel::ReadableList(const std::string& list) {
  std::string out;
  out.reserve(list.size() + 8);
  for (size_t i = 0; i < list.size(); ++i) {
    out += list[i];
    if (list[i] == ',' && i + 1 < list.size() && list[i + 1] != ' ') out += ' ';
  }
  return out;
}

void TDefinitionsFormModel::BuildRows() {
  const TWordLookup& lookup = db_->Lookup();
  const TWordMorpher* morpher = db_->Morpher();
  int number = 0;
  for (int i = 0; i < lookup.SenseCount(); ++i) {
    const TSynset& s = lookup.Sense(i);
    if (i == 0 || s.headWord != lookup.Sense(i - 1).headWord ||
        s.partOfSpeech != lookup.Sense(i - 1).partOfSpeech) {
      number = 0;
      TDefinitionRow h;
      h.heading = true;
      h.partOfSpeech = s.partOfSpeech;
      h.headWord = s.headWord;
      if (morpher) h.inflections = ReadableList(morpher->ListInflections(s.headWord, s.partOfSpeech));
      rows.push_back(std::move(h));
    }
    TDefinitionRow r;
    r.partOfSpeech = s.partOfSpeech;
    r.gloss = s.gloss.empty() ? std::string(" ") : s.gloss;
    r.gloss[0] = char(AnsiUpperChar(uint8_t(r.gloss[0])));
    r.number = ++number;
    r.senseIndex = i;
    rows.push_back(std::move(r));
  }
}

void TDefinitionsFormModel::UpdateButtons() {
  const TWordLookup& lookup = db_->Lookup();
  for (int p = 0; p < 4; ++p)
    posEnabled[p] = lookup.SenseCount() > 0 && (lookup.PartsOfSpeechPresent() & (1u << p)) != 0;
}

void TDefinitionsFormModel::ShowWords(const std::vector<std::string>& list, int selected) {
  words = list;
  wordSelected = selected >= 0 && selected < int(words.size()) ? selected : -1;
  ++wordsVersion;
}

void TDefinitionsFormModel::UpdateTabs() {
  if (DefinitionsOnly() || !db_) return;
  TWordLookup& lookup = db_->Lookup();
  tabs.clear();
  if (!lookup.Selected().empty()) {
    if (!lookup.Synonyms().empty()) tabs.push_back(kSynonymsRelation);
    for (int n = 0; n < kSynonymsRelation; ++n)
      if (lookup.RelationsPresent() & (1u << n)) tabs.push_back(n);
  }
  auto it = std::find(tabs.begin(), tabs.end(), currentRelation);
  selectedTab = it == tabs.end() ? -1 : int(it - tabs.begin());
  ++tabsVersion;
}

void TDefinitionsFormModel::ShowRelation() {
  if (!db_ || DefinitionsOnly()) return;
  TWordLookup& lookup = db_->Lookup();
  if (!(lookup.RelationsPresent() & (1u << currentRelation))) currentRelation = kSynonymsRelation;
  DatabaseOpener open(*db_);
  ShowWords(lookup.RelatedByIndex(currentRelation));
  UpdateTabs();
}

void TDefinitionsFormModel::ChooseSense(int senseIndex) {
  if (!db_) return;
  TWordLookup& lookup = db_->Lookup();
  if (senseIndex < 0 || senseIndex >= lookup.SenseCount()) return;
  if (chosenSense == senseIndex) {
    chosenSense = -1;
    lookup.SelectSense(-1);
  } else {
    chosenSense = senseIndex;
    int pos = lookup.Sense(senseIndex).partOfSpeech;
    if (!(lookup.PartsOfSpeechPresent() & (1u << pos))) {
      // A part-of-speech button had narrowed the selection: widen it again.
      lookup.SelectSenses("", kAllPartsOfSpeech);
      for (bool& d : posDown) d = false;
      UpdateButtons();
    }
    lookup.SelectSense(senseIndex);
  }
  ++rowsVersion;  // the highlight moved
  ShowRelation();
}

void TDefinitionsFormModel::PartOfSpeechButton(int pos, bool down) {
  if (!db_ || pos < 0 || pos > 3 || !posEnabled[pos]) return;
  TWordLookup& lookup = db_->Lookup();
  if (chosenSense >= 0) {
    chosenSense = -1;
    lookup.SelectSense(-1);
    ++rowsVersion;
  }
  for (int p = 0; p < 4; ++p) posDown[p] = down && p == pos;
  if (down) {
    lookup.SelectSenses("", uint8_t(1u << pos));
    scrollToPartOfSpeech = pos;
  } else {
    lookup.SelectSenses("", kAllPartsOfSpeech);
  }
  ShowRelation();
}

void TDefinitionsFormModel::ChooseTab(int tab) {
  if (!db_ || tab < 0 || tab >= int(tabs.size())) return;
  currentRelation = tabs[size_t(tab)];
  selectedTab = tab;
  DatabaseOpener open(*db_);
  ShowWords(db_->Lookup().RelatedByIndex(currentRelation));
  copyEnabled = false;
}

void TDefinitionsFormModel::SelectWord(int row) {
  if (row < 0 || row >= int(words.size())) return;
  wordSelected = row;
  definitionFocused = false;
  definitionSelection.clear();
  copyEnabled = true;
}

bool TDefinitionsFormModel::WordListActivate() {
  if (wordSelected < 0 || wordSelected >= int(words.size())) return false;
  if (doubleClickAction == ldcReturnWord) return true;
  Search(WithoutStar(words[size_t(wordSelected)]));
  return false;
}

void TDefinitionsFormModel::Previous() {
  int target;
  if (!showingHistoryEntry_ && historyPos >= 0) target = historyPos;
  else if (historyPos > 0) target = historyPos - 1;
  else return;
  historyPos = target;
  ++historyVersion;
  keyWord = history[size_t(target)];
  Lookup(keyWord, false);
}

void TDefinitionsFormModel::EnterDefinition() {
  definitionFocused = true;
  definitionSelection.clear();
  copyEnabled = false;
  wordSelected = -1;
  ++wordsVersion;
}

void TDefinitionsFormModel::LeaveDefinition() {
  definitionFocused = false;
  definitionSelection.clear();
  copyEnabled = false;
}

void TDefinitionsFormModel::DefinitionSelectionChanged(const std::string& selected) {
  if (!definitionFocused) return;
  definitionSelection = selected;
  copyEnabled = !selected.empty();
}

TDefinitionsFormModel::CopyResult TDefinitionsFormModel::CopyButton() const {
  switch (copyAction) {
    case cbpCloseAndReturn: return CopyResult::CloseOk;
    case cbpCopyClipboard: return CopyResult::PutOnClipboard;
    case cbpNoAction: break;
  }
  return CopyResult::None;
}

std::string TDefinitionsFormModel::ReturnWord() const {
  if (definitionFocused) return definitionSelection;
  if (wordSelected >= 0 && wordSelected < int(words.size())) return WithoutStar(words[size_t(wordSelected)]);
  return {};
}

}  // namespace wx
