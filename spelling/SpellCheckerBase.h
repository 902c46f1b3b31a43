// The non-visual spell-checking component: it owns the main and custom
// dictionaries, the word extractor with its ignore rules, the suggestion
// machinery and an undo list. A check walks a text source word by word,
// accepts or corrects each word, and stops at each word the user must decide
// on; the user's command (ignore, change, add ...) resumes it. The same object
// answers single-word questions for live spelling and builds the
// misspelled-word menu. Windows (the spell dialog, message boxes, the menu on
// screen) are reached only through TSpellDialogHooks and the popup callback.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/EventList.h"
#include "spelling/ControlParser.h"
#include "spelling/CustomDictionary.h"
#include "spelling/DictionaryFiles.h"
#include "spelling/MainDictionaryList.h"
#include "spelling/ParserIgnore.h"
#include "spelling/ParsingEngine.h"
#include "spelling/PhoneticsMap.h"
#include "spelling/SpellConfig.h"
#include "spelling/SpellDialogCommands.h"
#include "spelling/SpellOptions.h"
#include "spelling/SuggestionsGenerator.h"

namespace wx {

enum TWordCheckType : int { wcCorrect, wcExcluded, wcAutoCorrect, wcMisspelled, wcRepeated };
enum TSpellAction : int { saIgnore, saIgnoreAll, saChange, saChangeAll, saAdd, saAutoCorrect };
enum TSpellEndMessage : int { emAlways, emExceptCancel, emNever, emNoDialog };
enum TSpellEndPosition : int { epHome, epOriginal, epNoModify };
enum TCaseModification : int { cmNone, cmInitialCaps, cmInitialCapsOrUpcase, cmAnyCase, cmCustom };
enum TSpellUI : int { suiDialog, suiSilent };
// What became of a dictionary name typed for a new or renamed custom dictionary.
enum TCustomNameResult : int {
  cnOk,
  cnBlank,    // nothing but blanks was typed
  cnInvalid,  // reserved, a folder part where none may be, or characters no file name holds
  cnExists,   // another dictionary has that name already
  cnFailed    // the file could not be created, renamed or written
};

enum TSpellPopupOption : int { spCancel, spDialog, spAutoCorrect, spChangeAll, spAdd, spIgnoreAll, spIgnore, spReplace };
using TSpellPopupOptions = uint8_t;

struct TSpellUndo {
  int X = 0, Y = 0;
  std::string Word;
  TSpellAction Action = saIgnore;
  std::string Replacement;
  bool Automatic = false;
  int Data = 0;
};

// One entry of the misspelled-word menu: Caption "-" is a separator (tag 0);
// a suggestion item's caption is the suggestion itself (a window that adds
// hotkey ampersands maps the clicked item back by its position).
struct TPopupItem {
  std::string Caption;
  bool Enabled = true;
  int Tag = 0;
  std::vector<TPopupItem> Children;
};

// What the spell dialog and message boxes do for the check; the dialog
// implementation fills these in. Every hook has a harmless default so that a
// silent checker needs none.
class TSpellDialogHooks {
 public:
  virtual ~TSpellDialogHooks() = default;
  // Create (if needed), place and show the dialog for the running check.
  virtual void ShowDialog(TControlParser* /*source*/) {}
  // A word (or a repeated pair) is presented; move the dialog off it.
  virtual void PresentWord(const std::string& /*word*/, bool /*repeated*/) {}
  // Close at the end of a check; keepOpen while a multi-part check goes on.
  virtual void CloseDialog(bool /*keepOpen*/) {}
  virtual bool DialogVisible() { return false; }
  // Information box; Yes/No question (true for Yes). Texts are UTF-8.
  virtual void MessageBox(const std::string& /*caption*/, const std::string& /*text*/) {}
  virtual bool AskYesNo(const std::string& /*caption*/, const std::string& /*text*/) { return true; }
  // Processes pending window messages once; false when there is no message
  // loop (a synchronous check then returns while it waits for a command).
  virtual bool ProcessMessages() { return false; }
  virtual void SetHourglass(bool /*on*/) {}
};

class TSpellCheckerBase {
 public:
  // settings: where the configuration lives and its first-run defaults;
  // registry and macros as for TSpellConfig (the system's when null).
  explicit TSpellCheckerBase(TSpellConfigSettings settings = {}, Registry* registry = nullptr,
                             const MacroValues* macros = nullptr);
  virtual ~TSpellCheckerBase();
  TSpellCheckerBase(const TSpellCheckerBase&) = delete;
  TSpellCheckerBase& operator=(const TSpellCheckerBase&) = delete;

  // --- settings ---
  std::string QuoteChars = ">";
  TSpellEndMessage EndMessage = emExceptCancel;
  TSpellEndPosition EndCursorPosition = epOriginal;
  bool EndMessageWordCount = false;
  int MaxUndo = -1;
  int MaxSuggestions = -1;
  bool SynchronousCheck = true;
  bool UseHourglassCursor = true;
  bool PhoneticSuggestions = true;
  bool SuggestionsAutoReplace = false;
  bool MappingAutoReplace = true;
  bool UseExcludeWords = true;
  bool UseAutoCorrectFirst = false;
  bool RecheckReplacedWords = true;
  bool ResumeFromLastPosition = true;
  bool DialogShowImmediate = false;
  bool DialogShowModal = false;
  TCaseModification AllowedCases = cmInitialCaps;
  TSpellUI UIType = suiSilent;
  // The spell dialog: its commands, where it opens, how it avoids the word,
  // its help topic (0: no Help button).
  TSpellDialogCommands CommandsVisible, CommandsEnabled;
  TSpellDialogInitialPos DialogInitialPos = ipLastUserPos;
  TSpellDialogAvoidPos DialogSelectionAvoid = saAvoid;
  int HelpCtxSpellDialog = 0;
  // Shows a help topic (the spell dialog's Help button).
  std::function<void(int context)> OnShowHelp;
  // The spell dialog appeared for a check / went away; the user left it for
  // another window (once) / came back to it (the check then resumes).
  std::function<void()> OnSpellDialogShow, OnSpellDialogHide, OnDialogDeactivate, OnDialogActivate;
  // The language of GetString.
  TSpellLanguageType UILanguage = ltEnglish;

  // --- configuration (dictionaries and options), kept by TSpellConfig ---
  TSpellConfig& Config() { return config_; }
  // Folders searched for dictionary names given without a folder.
  void SetConfigDictionaryDir(const std::vector<std::string>& folders);
  void SetMainDictionaryNames(const std::vector<std::string>& names);
  void SetCustomDictionaryNames(const std::vector<std::string>& names, const std::string& active);
  void SetMappingDictionaryName(const std::string& name);
  void SetSuggestionsLearningDict(const std::string& name);
  // Main dictionaries stay mapped between checks; turning it off unmaps them now.
  bool KeepDictionariesActive() const { return keepActive_; }
  void SetKeepDictionariesActive(bool value);
  // Accepted replacements are learned; turning it off closes the learning
  // dictionary (saving it), turning it on opens it again.
  bool SuggestionsLearning() const { return learningOn_; }
  void SetSuggestionsLearning(bool value);
  void SetOptions(TSpellOptions options);
  TSpellOptions Options() { return config_.Options(); }
  // The option set the rules were last built from.
  bool HasOption(TSpellOption o) const { return appliedOptions_.Has(o); }
  // The configuration reports a change: reopen dictionaries, rebuild rules.
  void ConfigurationChanged(bool dictionariesChanged, bool optionsChanged);
  // The options the options dialog offers; live-spelling controls add the
  // two live options they serve.
  TSpellOptions ConfigAvailableOptions{soLiveSpelling, soLiveCorrect, soUpcase,       soNumbers,     soHTML,
                                       soInternet,     soQuoted,      soAbbreviations, soPrimaryOnly, soRepeated};
  bool LiveSpelling() const { return HasOption(soLiveSpelling); }
  bool LiveCorrect() const { return HasOption(soLiveCorrect); }
  void SetQuoteChars(const std::string& chars);
  void SetPhoneticMaxDistance(int v) { map_->DistanceMax = v; }
  void SetPhoneticDivisor(int v) { map_->SetDistanceDivisor(v); }
  void SetPhoneticDepth(int v) { map_->SetStartDepth(v); }
  int PhoneticMaxDistance() const { return map_->DistanceMax; }
  int PhoneticDivisor() const { return map_->DistanceDivisor(); }
  int PhoneticDepth() const { return map_->StartDepth(); }

  void SetDialogHooks(TSpellDialogHooks* hooks) { hooks_ = hooks; }
  TSpellDialogHooks* DialogHooks() const { return hooks_; }
  void SetParsingEngine(std::unique_ptr<TMainParsingEngine> engine);
  void SetGenerator(std::unique_ptr<TSuggestionsGenerator> generator);
  void SetPhoneticsMap(std::unique_ptr<TPhoneticsMap> map);
  // Which generator makes suggestions: the classic one (edit candidates and
  // sound-alikes sorted by edit distance, the component's default) or
  // Wendrix's ranked one (TRankedSuggestions). Setting it replaces the
  // generator; a generator set with SetGenerator decides by RanksOwnList.
  void SetClassicSuggestions(bool classic);
  bool ClassicSuggestions() const { return !generator_->RanksOwnList(); }

  // (Re)opens every configured dictionary.
  void OpenDictionaries();

  // --- custom dictionary files (the dictionaries dialogs use these) ---
  // Makes the object for each custom dictionary the checker opens (a plain
  // TCustomDictionary when unset or when it answers null).
  std::function<std::unique_ptr<TCustomDictionary>()> OnCreateCustomDictionary;
  // Opens a custom dictionary by name (see CustomDictionaryPath). Open
  // objects on the same file save first, so the new one reads current
  // contents. Null when the file is refused.
  std::unique_ptr<TCustomDictionary> OpenCustomDictionary(const std::string& name);
  // Creates an empty dictionary (an existing file is kept as it is) named by
  // the file-name part of name with the extension ".qxu" in the first search
  // folder, and lists it; createdName receives that file name.
  TCustomNameResult NewCustomDictionary(const std::string& name, std::string* createdName = nullptr);
  // Renames a custom dictionary file within its folder. newName must be a
  // plain name (its extension becomes ".qxu"): a folder part, a reserved or
  // blank name, a name taken or a folder that takes no file is refused.
  TCustomNameResult RenameCustomDictionary(const std::string& oldName, const std::string& newName);
  // Unlists a custom dictionary and deletes its file.
  bool DeleteCustomDictionary(const std::string& name);
  // Lists or unlists a custom dictionary (listing only one that opens);
  // unlisting the active one makes the first remaining one active.
  bool SetCustomDictionaryListed(const std::string& name, bool listed);
  // The same for a word-processor dictionary (listing only an existing file).
  bool SetWordCustomDictionaryListed(const std::string& path, bool listed);
  // The dictionary files on disk, cached until the configuration changes.
  const std::vector<std::string>& MainDictionaryFiles();
  const std::vector<std::string>& CustomDictionaryFiles();
  const std::vector<std::string>& WordCustomDictionaryFiles();
  void ForgetDictionaryFiles();
  // Where the word processor's dictionaries are listed: the user's and the
  // machine's registry (CurrentRegistry() and MachineRegistry() when unset).
  void SetWordProcessorRegistries(Registry* user, Registry* machine) {
    wordUserRegistry_ = user;
    wordMachineRegistry_ = machine;
    ForgetDictionaryFiles();
  }
  TMainDictionaryList& MainDictionaries() { return mains_; }
  TCustomDictionary* ActiveCustomDictionary() {
    if (!dictionariesOpen_) OpenDictionaries();
    return active_.get();
  }
  TCustomDictionary& TemporaryDictionary() { return temp_; }
  TCustomDictionary* LearningDictionary() {
    if (!dictionariesOpen_) OpenDictionaries();
    return learning_.get();
  }
  int Language() const { return mains_.Language(); }
  void ReorderMainDictionaries();
  void DeactivateDictionaries();
  void ApplyOptions(bool force);
  TIgnoreRules& IgnoreRules() { return rules_; }

  // --- single-word questions ---
  // candidate: the word is an edit of a misspelling (see TMainDictionary::WordExists).
  bool WordInMainDictionaries(const std::string& word, bool candidate = false);
  bool WordInVocabulary(const std::string& word, bool candidate = false);
  std::string AdjustCase(const std::string& word);
  bool CheckWord(const std::string& word);
  bool IsExcluded(const std::string& word);
  bool GetAutoCorrection(const std::string& word, std::string& replacement);
  bool IsLineIgnored(const std::string& line) { return rules_.IsLineIgnored(line); }
  bool IgnoreWordByRules(const std::string& word) { return rules_.IgnoreWordByRules(word, source_); }
  void Suggest(const std::string& word, int maxCount, TSuggestionList& dest);
  void GetSuggestions(const std::string& word, TSuggestionList& dest) { Suggest(word, MaxSuggestions, dest); }
  void LearnReplacement(const std::string& word, const std::string& replacement);
  bool IsRepeatedWord(const std::string& word, TControlParser& source);

  // --- checks ---
  void CheckString(std::string& text);
  // Takes the source; owned sources are freed when the check ends.
  void CheckParser(TControlParser* source, int mode, bool owned = false);
  void BeginMultiCheck();
  void EndMultiCheck();
  void StopCheck(bool cancelled);
  int WordCountString(std::string& text);
  int WordCountParser(TControlParser& source, int mode);
  void CountWords(TControlParser& source, int mode, int& words, int& errors, bool& anyError, bool stopAtFirst,
                  bool countErrors);

  // --- the user's answers to a presented word ---
  void Ignore();
  void IgnoreOnce() { Ignore(); }
  void IgnoreAll();
  void Change(const std::string& replacement);
  void ChangeAll(const std::string& replacement);
  void Add();
  void AutoCorrect(const std::string& replacement);
  void Undo();
  void DeleteRepeated();
  void Resume();
  void Cancel();
  bool CanUndo() const { return !undo_.empty(); }
  void ClearUndo() { undo_.clear(); }
  const std::deque<TSpellUndo>& UndoList() const { return undo_; }

  // --- state ---
  bool Checking() const { return checking_; }
  bool Cancelled() const { return cancelled_; }
  bool RepeatedPresented() const { return repeated_; }
  const std::string& CurrentWord() const { return currentWord_; }
  int WordsChecked() const { return wordsChecked_; }
  TControlParser* Source() const { return source_; }

  // --- dialog texts ---
  // Text `index` (0 ... 65) of the spelling dialogs in UILanguage, UTF-8
  // ("&" marks an access key); OnGetString may replace it. Empty outside
  // that range.
  std::string GetString(int index);
  std::function<void(int index, std::string& text)> OnGetString;

  // --- the misspelled-word menu ---
  // Builds the menu, lets OnPopupDoMenu show it and report the chosen tag and
  // caption, records the choice in the dictionaries and returns it.
  TSpellPopupOption ShowWordPopup(TSpellPopupOptions options, std::string& word, int x, int y);
  static std::vector<TPopupItem> BuildPopupItems(TSpellCheckerBase& checker, TSpellPopupOptions options,
                                                 const std::string& word);

  // --- events ---
  std::function<void(const std::string& word, TWordCheckType& type, std::string& replacement)> OnWordCheck;
  std::function<void(const std::string& word, bool repeated)> OnPromptWord;
  std::function<void()> OnCompleteCheck;
  std::function<void()> OnBeforeChange;
  std::function<void()> OnAdjustPhoneticsMap;
  std::function<void()> OnAddCustomIgnore;
  std::function<void()> OnDictionariesChanged;
  std::function<bool(int wordsChecked)> OnShowEndMessage;  // true: shown by the handler
  std::function<void(const std::string& replacement, bool before, int state)> OnParserReplaceWord;
  std::function<void(bool before, int state)> OnParserIgnoreWord;
  std::function<void(int undoState, TSpellAction action, int& data)> OnParserUndoLast;
  std::function<void(std::string& word)> OnCaseModification;
  std::function<void(const std::vector<TPopupItem>& items, int x, int y, int& action, std::string& word)>
      OnPopupDoMenu;
  std::function<void(const std::string& original, std::string& word, TSpellPopupOption& result)> OnPopupResult;
  // After the configuration changed (dictionaries or options), was loaded, was saved.
  std::function<void()> OnConfigChanged;
  std::function<void()> OnConfigLoaded;
  std::function<void()> OnConfigSaved;

  // Listener lists for every control that shares this checker (live
  // spelling): the option set was applied; the configuration changed; a word
  // was skipped (before, state as OnParserIgnoreWord); a misspelled-word menu
  // closed with a result.
  TEventList<> OptionsAppliedList;
  TEventList<> ConfigChangedList;
  TEventList<bool, int> WordSkippedList;
  // The states a skipped word is reported with (WordSkippedList and
  // OnParserIgnoreWord): Ignore, Ignore All, Add.
  static constexpr int kSkipIgnore = 10, kSkipIgnoreAll = 11, kSkipAdd = 12;
  TEventList<TSpellPopupOption> PopupResultList;
  // The checker is being destroyed: listeners let go of it.
  TEventList<> DestroyingList;

  // Dialog texts used by the session (English).
  static constexpr const char* kTextSpelling = "Spelling";
  static constexpr const char* kTextComplete = "The spelling check is complete.";
  static constexpr const char* kTextWordsChecked = "Words checked:";
  static constexpr const char* kTextCheckRemainder =
      "The selection has been checked.  Would you like to check the remainder of the document?";
  static constexpr const char* kTextNoSuggestions = "(no suggestions)";

 private:
  struct Part {
    int mode;
    bool setCursor;
    int x, y;
    bool setEnd;
    int endX, endY;
    bool askFirst;
  };

  void ContinueCheck();
  void FinishCheck();
  void StartPart(const Part& part);
  void ShowDialog();
  void CloseDialog();
  void ShowEndMessageIfDue();
  void AddUndo(TSpellAction action, const std::string& replacement, bool automatic);
  void UndoLastAction();
  void ReplaceWordNotify(const std::string& replacement, int state);
  void SkipWordNotify(int state);
  void UndoNotify(int state, TSpellAction action, int& data);
  bool CommandAllowed(bool notRepeated) const { return checking_ && source_ && !(notRepeated && repeated_); }
  void MoveBack(int count);
  bool WordExistsForSuggestions(const std::string& word);
  // What a generator that ranks its own list asks of the checker.
  class RankedSource;
  void SuggestRanked(const std::string& word, int maxCount, TSuggestionList& dest);
  // The letter gate of the generator for WordExistsForSuggestions.
  bool SuggestionLetters(std::string_view prefix, TSuggestionsGenerator::Letters& letters);
  void OpenLearningDictionary();
  void WireEngine();

  // Dictionaries.
  TMainDictionaryList mains_;
  std::vector<std::unique_ptr<TCustomDictionary>> customs_;
  std::vector<std::unique_ptr<TCustomDictionary>> wordCustoms_;
  std::unique_ptr<TCustomDictionary> active_;
  std::unique_ptr<TCustomDictionary> mapping_;
  std::unique_ptr<TCustomDictionary> learning_;
  TCustomDictionary temp_;
  bool english_ = false;

  // Saves every open custom dictionary object on path; with drop, also
  // closes them (their file is renamed or deleted).
  void SettleCustomObjects(const std::string& path, bool drop);

  // Configuration.
  TSpellConfig config_;
  Registry* wordUserRegistry_ = nullptr;
  Registry* wordMachineRegistry_ = nullptr;
  std::optional<std::vector<std::string>> mainFiles_, customFiles_, wordFiles_;
  std::string mappingName_;
  std::string learningName_;
  bool keepActive_ = false;
  bool learningOn_ = true;
  TSpellOptions appliedOptions_;
  bool optionsApplied_ = false;
  bool dictionariesOpen_ = false;

  // Engines.
  std::unique_ptr<TMainParsingEngine> engine_;
  std::unique_ptr<TSuggestionsGenerator> generator_;
  std::unique_ptr<TPhoneticsMap> map_;
  TIgnoreRules rules_;
  TSpellDialogHooks defaultHooks_;
  TSpellDialogHooks* hooks_ = nullptr;

  // Check state.
  TControlParser* source_ = nullptr;
  bool ownsSource_ = false;
  bool checking_ = false;
  bool cancelled_ = false;
  bool multi_ = false;
  bool repeated_ = false;
  bool dialogShown_ = false;
  bool beforeChangeFired_ = false;
  bool hourglass_ = false;
  bool popupOpen_ = false;
  std::string currentWord_;
  std::string previousWord_;
  int savedX_ = 0, savedY_ = 0;
  int wordsChecked_ = 0;
  int countdown_ = 100;
  std::deque<TSpellUndo> undo_;
  std::vector<Part> pendingParts_;
  bool multiKeepDictionaries_ = false;
};

}  // namespace wx
