#include "windows/SpellViewerModel.h"

#include <algorithm>

#include "common/RegistryStyles.h"
#include "windows/SpellViewerTexts.h"

namespace wx {

// ---------------------------------------------------------------- placement

TRect ReadSpellViewerPlace(Registry& registry, const TRect& current) {
  IniRegistry ini(registry, kSpellViewerBaseKey);
  // A value of another registry type is no number either: it must not stop
  // the spelling action every time.
  auto read = [&](const char* name, int def) {
    try {
      return int(ini.ReadInteger(kSpellViewerSection, name, def));
    } catch (const ERegistryException&) {
      return def;
    }
  };
  const int top = read("Top", current.top);
  const int left = read("Left", current.left);
  const int width = read("Width", current.Width());
  const int height = read("Height", current.Height());
  // Values far beyond any screen are cut so that the sums cannot overflow.
  auto bound = [](int v) { return std::clamp(v, -(1 << 20), 1 << 20); };
  return {bound(left), bound(top), bound(left) + bound(width), bound(top) + bound(height)};
}

void WriteSpellViewerPlace(Registry& registry, const TRect& place) {
  IniRegistry ini(registry, kSpellViewerBaseKey);
  ini.WriteInteger(kSpellViewerSection, "Top", place.top);
  ini.WriteInteger(kSpellViewerSection, "Left", place.left);
  ini.WriteInteger(kSpellViewerSection, "Width", place.Width());
  ini.WriteInteger(kSpellViewerSection, "Height", place.Height());
}

TRect SpellViewerPlacement(const TSpellViewerSettings& s, Registry& registry, const TRect& current, int minWidth,
                           int minHeight, const std::vector<TRect>& workAreas) {
  if (s.UseSavedPosition)
    return FitOnWorkArea(ReadSpellViewerPlace(registry, current), minWidth, minHeight, workAreas);
  int left = s.Left != -1 ? s.Left : current.left;
  int top = s.Top != -1 ? s.Top : current.top;
  int width = s.Width != -1 ? s.Width : current.Width();
  int height = s.Height != -1 ? s.Height : current.Height();
  // The caller's maximum first, then the minimum, which wins when they cross.
  if (s.MaxWidth != -1) width = std::min(width, int(s.MaxWidth));
  if (s.MaxHeight != -1) height = std::min(height, int(s.MaxHeight));
  width = std::max({width, minWidth, s.MinWidth != -1 ? int(s.MinWidth) : 0});
  height = std::max({height, minHeight, s.MinHeight != -1 ? int(s.MinHeight) : 0});
  return {left, top, left + width, top + height};
}

// ---------------------------------------------------------------- results

namespace {

// The number of line breaks ("\r\n", "\r" or "\n") that end text.
size_t TrailingBreaks(const std::u16string& text, size_t& keep) {
  size_t n = text.size(), breaks = 0;
  while (n > 0 && (text[n - 1] == u'\r' || text[n - 1] == u'\n')) {
    n -= (n >= 2 && text[n - 1] == u'\n' && text[n - 2] == u'\r') ? 2 : 1;
    ++breaks;
  }
  keep = n;
  return breaks;
}

}  // namespace

size_t RichResultLength(const std::u16string& paneText, bool originalEndsWithBreak) {
  size_t body = 0;
  const size_t breaks = TrailingBreaks(paneText, body);
  if (breaks == 0 || (originalEndsWithBreak && breaks == 1)) return paneText.size();
  // Drop the last break only: any before it belong to the user's text.
  size_t n = paneText.size();
  return n - ((n >= 2 && paneText[n - 1] == u'\n' && paneText[n - 2] == u'\r') ? 2 : 1);
}

std::string SpellViewerCompletionText(TSpellCheckerBase& speller) {
  return speller.GetString(kSpellTextComplete) + "\r\n\r\n" + speller.GetString(kSpellTextWordsChecked) + " " +
         std::to_string(speller.WordsChecked());
}

// ---------------------------------------------------------------- takeover

TSpellerTakeover::TSpellerTakeover(TSpellCheckerBase& speller)
    : speller_(speller),
      uiType_(speller.UIType),
      onPromptWord_(speller.OnPromptWord),
      onCompleteCheck_(speller.OnCompleteCheck),
      onParserReplaceWord_(speller.OnParserReplaceWord),
      hooks_(speller.DialogHooks()) {
  speller.UIType = suiSilent;
}

TSpellerTakeover::~TSpellerTakeover() {
  speller_.UIType = uiType_;
  speller_.OnPromptWord = std::move(onPromptWord_);
  speller_.OnCompleteCheck = std::move(onCompleteCheck_);
  speller_.OnParserReplaceWord = std::move(onParserReplaceWord_);
  speller_.SetDialogHooks(hooks_);
}

// ---------------------------------------------------------------- the model

TSpellViewerModel::TSpellViewerModel(TSpellCheckerBase& speller) : speller_(speller) {}

void TSpellViewerModel::Setup(std::function<void()> onPrompted, std::function<void()> onComplete) {
  onPrompted_ = std::move(onPrompted);
  speller_.OnPromptWord = [this](const std::string& word, bool repeated) { PromptWord(word, repeated); };
  speller_.OnCompleteCheck = std::move(onComplete);
  repeated_ = inactive_ = false;
  const TSpellDialogCommands& visible = speller_.CommandsVisible;
  buttons_[btnUndo].visible = visible.Has(sdcUndo);
  buttons_[btnOptions].visible = visible.Has(sdcOptions);
  buttons_[btnIgnoreAll].visible = visible.Has(sdcIgnoreAll);
  buttons_[btnIgnore].visible = visible.Has(sdcIgnore);
  buttons_[btnChange].visible = visible.Has(sdcChange);
  buttons_[btnChangeAll].visible = visible.Has(sdcChangeAll);
  buttons_[btnAdd].visible = visible.Has(sdcAdd);
  buttons_[btnAutoCorrect].visible = visible.Has(sdcAutoCorrect);
  buttons_[btnCancel].visible = visible.Has(sdcCancel);
  buttons_[btnHelp].visible = visible.Has(sdcHelp) && speller_.HelpCtxSpellDialog != 0;
  buttons_[btnHelp].enabled = Enabled(sdcHelp);
  buttons_[btnCancel].enabled = Enabled(sdcCancel);
  // A command the checker does not enable is not offered before the first
  // word either.
  ApplyEnabling(true);
}

void TSpellViewerModel::ApplyEnabling(bool active) {
  const bool custom = active && HasCustom();
  buttons_[btnUndo].enabled = active && speller_.CanUndo() && Enabled(sdcUndo);
  buttons_[btnOptions].enabled = active && Enabled(sdcOptions);
  buttons_[btnIgnore].enabled = active && Enabled(sdcIgnore);
  buttons_[btnIgnoreAll].enabled = active && Enabled(sdcIgnoreAll);
  buttons_[btnChange].enabled = active && Enabled(sdcChange);
  buttons_[btnChangeAll].enabled = active && Enabled(sdcChangeAll);
  buttons_[btnAdd].enabled = custom && Enabled(sdcAdd);
  buttons_[btnAutoCorrect].enabled = custom && Enabled(sdcAutoCorrect);
  replacementEnabled = suggestionsEnabled = active;
}

void TSpellViewerModel::Refresh() {
  ApplyEnabling(!inactive_ && !repeated_);
  if (inactive_) return;
  if (repeated_) {
    buttons_[btnOptions].enabled = Enabled(sdcOptions);
    buttons_[btnIgnore].enabled = true;
    buttons_[btnChange].enabled = true;
    return;
  }
  ApplyReplacementRule();
  suggestionsEnabled = !suggestions.empty();
}

void TSpellViewerModel::PromptWord(const std::string& word, bool repeated) {
  word_ = word;
  TakeWord(repeated);
  if (onPrompted_) onPrompted_();
}

void TSpellViewerModel::TakeWord(bool repeated) {
  suggestions.clear();
  noSuggestionsText.clear();
  suggestionSelected = -1;
  ++suggestionsVersion;
  if (repeated != repeated_) {
    repeated_ = repeated;
    ApplyEnabling(!inactive_ && !repeated);
    if (repeated && !inactive_) {
      buttons_[btnOptions].enabled = Enabled(sdcOptions);
      buttons_[btnIgnore].enabled = true;
      buttons_[btnChange].enabled = true;
    }
  }
  buttons_[btnUndo].enabled = !inactive_ && speller_.CanUndo() && Enabled(sdcUndo);
  if (repeated) {
    // The checker reports the pair "word word": the box gets the word once.
    SetReplacement(word_.substr(0, word_.size() / 2));
    return;
  }
  const bool custom = !inactive_ && HasCustom();
  buttons_[btnAdd].enabled = custom && Enabled(sdcAdd);
  buttons_[btnAutoCorrect].enabled = custom && Enabled(sdcAutoCorrect);
  TSuggestionList found;
  speller_.GetSuggestions(word_, found);
  for (const TSuggestion& s : found) suggestions.push_back(s.Word);
  suggestionsEnabled = !inactive_ && !suggestions.empty();
  if (!suggestions.empty()) {
    suggestionSelected = 0;
    SetReplacement(suggestions[0]);
  } else {
    noSuggestionsText = speller_.GetString(kSpellTextNoSuggestions);
    SetReplacement(std::string());
  }
}

void TSpellViewerModel::SetReplacement(const std::string& text) {
  replacement = text;
  ++replacementVersion;
  if (!repeated_) ApplyReplacementRule();
}

void TSpellViewerModel::ApplyReplacementRule() {
  if (inactive_) return;
  const bool some = !replacement.empty();
  buttons_[btnChangeAll].enabled = some && Enabled(sdcChangeAll);
  buttons_[btnChange].enabled = some && Enabled(sdcChange);
  buttons_[btnAutoCorrect].enabled = some && HasCustom() && Enabled(sdcAutoCorrect);
}

void TSpellViewerModel::ReplacementChanged(const std::string& text) {
  replacement = text;
  if (!repeated_) ApplyReplacementRule();
}

void TSpellViewerModel::SuggestionClicked(int index) {
  if (index < 0 || size_t(index) >= suggestions.size() || !suggestionsEnabled) return;
  suggestionSelected = index;
  SetReplacement(suggestions[size_t(index)]);
}

void TSpellViewerModel::SuggestionDoubleClicked(int index) {
  if (index < 0 || size_t(index) >= suggestions.size() || !suggestionsEnabled || repeated_) return;
  // As Change does, with the suggestion in the box.
  suggestionSelected = index;
  SetReplacement(suggestions[size_t(index)]);
  RestoreStyle();
  speller_.Change(replacement);
}

void TSpellViewerModel::Press(Button button) {
  if (!buttons_[button].visible || !buttons_[button].enabled) return;
  switch (button) {
    case btnIgnore:
      RestoreStyle();
      if (repeated_)
        speller_.IgnoreOnce();
      else
        speller_.Ignore();
      break;
    case btnIgnoreAll:
      RestoreStyle();
      speller_.IgnoreAll();
      break;
    case btnChange:
      RestoreStyle();
      if (repeated_)
        speller_.DeleteRepeated();
      else
        speller_.Change(replacement);
      break;
    case btnChangeAll:
      RestoreStyle();
      speller_.ChangeAll(replacement);
      break;
    case btnAdd:
      RestoreStyle();
      WithCustomSaved([&] { speller_.Add(); });
      break;
    case btnAutoCorrect:
      RestoreStyle();
      WithCustomSaved([&] { speller_.AutoCorrect(replacement); });
      break;
    case btnUndo:
      RestoreStyle();
      // Undoing an Add or an Auto-Correct takes the entry out of the file too.
      WithCustomSaved([&] { speller_.Undo(); });
      break;
    case btnOptions:
      if (OnShowOptions) OnShowOptions();
      // The word stays bold: only the list and the buttons follow the new
      // options (taking the style again would remember the bold one).
      TakeWord(repeated_);
      break;
    case btnHelp:
      if (OnHelp) OnHelp();
      break;
    case btnCancel: speller_.Cancel(); break;
    case kButtonCount: break;
  }
}

void TSpellViewerModel::WithCustomSaved(const std::function<void()>& command) {
  TCustomDictionary* custom = speller_.ActiveCustomDictionary();
  command();
  // Saved at once, not only when the check ends: a word added must survive
  // a logoff or a crash while the viewer is still open.
  if (custom) custom->Save();
}

void TSpellViewerModel::Deactivated() {
  inactive_ = true;
  ApplyEnabling(false);
}

void TSpellViewerModel::Activated() {
  if (!inactive_) return;
  inactive_ = false;
  Refresh();
}

}  // namespace wx
