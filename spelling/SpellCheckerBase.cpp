#include "spelling/SpellCheckerBase.h"

#include <algorithm>
#include <chrono>
#include <climits>

#include "common/AnsiText.h"
#include "common/AtomicFile.h"
#include "common/FileSystem.h"
#include "spelling/RankedSuggestions.h"
#include "spelling/StringParser.h"
#include "spelling/WordDistance.h"

namespace wx {

namespace {

// An end mark past any text: far below INT_MAX so that shifting it by a
// replacement cannot overflow.
constexpr int kFarEnd = 1 << 29;

// A word that reads as a decimal number: an optional sign, digits with at
// most one point among or around them, and an optional exponent (3.14, -2,
// +7, .5, 1e5, 6.02E+23). Names such as "inf" or "nan" are words, not
// numbers, with a sign too; a number too large for a double is still a
// number.
bool IsNumber(const std::string& w) {
  size_t i = 0;
  const size_t n = w.size();
  auto digits = [&] {
    const size_t start = i;
    while (i < n && w[i] >= '0' && w[i] <= '9') ++i;
    return i - start;
  };
  if (i < n && (w[i] == '-' || w[i] == '+')) ++i;
  size_t mantissa = digits();
  if (i < n && w[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < n && (w[i] == 'e' || w[i] == 'E')) {
    ++i;
    if (i < n && (w[i] == '+' || w[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == n;
}

}  // namespace

TSpellCheckerBase::TSpellCheckerBase(TSpellConfigSettings settings, Registry* registry, const MacroValues* macros)
    : config_(std::move(settings), registry, macros),
      engine_(std::make_unique<TMainParsingEngine>()),
      generator_(std::make_unique<TSuggestionsGenerator>()),
      map_(std::make_unique<TPhoneticsMap>()) {
  WireEngine();
  config_.OnChanged = [this](bool dictionaries, bool options) { ConfigurationChanged(dictionaries, options); };
  config_.OnConfigLoaded = [this] {
    if (OnConfigLoaded) OnConfigLoaded();
  };
  config_.OnConfigSaved = [this] {
    if (OnConfigSaved) OnConfigSaved();
  };
  config_.DetectWordCustomDictionaries = [this] { return WordCustomDictionaryFiles(); };
}

TSpellCheckerBase::~TSpellCheckerBase() {
  DestroyingList.Notify();
  if (ownsSource_) delete source_;
  source_ = nullptr;
  for (auto* d : {active_.get(), mapping_.get(), learning_.get()})
    if (d) d->Save();
  for (auto& d : customs_) d->Save();
  config_.OnChanged = nullptr;
  config_.OnConfigLoaded = nullptr;
  config_.OnConfigSaved = nullptr;
}

void TSpellCheckerBase::WireEngine() {
  engine_->OnCharacter = [this](uint8_t c, TControlParser& p) { return rules_.CharacterHook(c, p); };
  engine_->OnWord = [this](const std::string& w, TControlParser& p) { return rules_.WordHook(w, p); };
}

void TSpellCheckerBase::SetParsingEngine(std::unique_ptr<TMainParsingEngine> engine) {
  if (!engine || checking_) return;
  engine_ = std::move(engine);
  WireEngine();
  ApplyOptions(true);
}

void TSpellCheckerBase::SetGenerator(std::unique_ptr<TSuggestionsGenerator> generator) {
  if (generator) generator_ = std::move(generator);
}

void TSpellCheckerBase::SetClassicSuggestions(bool classic) {
  if (classic == ClassicSuggestions()) return;
  if (classic)
    generator_ = std::make_unique<TSuggestionsGenerator>();
  else
    generator_ = std::make_unique<TRankedSuggestions>();
  generator_->SetLanguage(Language());
}

void TSpellCheckerBase::SetPhoneticsMap(std::unique_ptr<TPhoneticsMap> map) {
  if (map) map_ = std::move(map);
}

// ---------------------------------------------------------------- configuration

void TSpellCheckerBase::SetConfigDictionaryDir(const std::vector<std::string>& folders) {
  config_.SetDictionaryDirs(folders);
  dictionariesOpen_ = false;
}

void TSpellCheckerBase::SetMainDictionaryNames(const std::vector<std::string>& names) {
  config_.SetMainDictionaries(names);
}

void TSpellCheckerBase::SetCustomDictionaryNames(const std::vector<std::string>& names, const std::string& active) {
  config_.SetCustomDictionaries(names);
  config_.SetActiveCustom(active);
}

void TSpellCheckerBase::ConfigurationChanged(bool dictionariesChanged, bool optionsChanged) {
  ForgetDictionaryFiles();
  if (dictionariesChanged) dictionariesOpen_ = false;  // reopened on the next question
  if (optionsChanged) ApplyOptions(false);
  if (OnConfigChanged) OnConfigChanged();
  ConfigChangedList.Notify();
}

void TSpellCheckerBase::SetMappingDictionaryName(const std::string& name) {
  mappingName_ = name;
  mapping_.reset();
  dictionariesOpen_ = false;
}

void TSpellCheckerBase::SetSuggestionsLearningDict(const std::string& name) {
  learningName_ = name;
  if (learning_) learning_->Save();
  learning_.reset();
  dictionariesOpen_ = false;
}

void TSpellCheckerBase::OpenLearningDictionary() {
  if (learningOn_ && !learningName_.empty() && !learning_)
    learning_ = OpenCustomDictionary(config_.ExpandMacros(learningName_));
}

void TSpellCheckerBase::SetKeepDictionariesActive(bool value) {
  keepActive_ = value;
  if (!value && !checking_) DeactivateDictionaries();
}

void TSpellCheckerBase::SetSuggestionsLearning(bool value) {
  if (value == learningOn_) return;
  learningOn_ = value;
  if (!value) {
    if (learning_) learning_->Save();
    learning_.reset();
  } else if (dictionariesOpen_) {
    OpenLearningDictionary();
  }
}

void TSpellCheckerBase::SetOptions(TSpellOptions options) {
  config_.SetOptions(options);
  ApplyOptions(false);
}

void TSpellCheckerBase::SetQuoteChars(const std::string& chars) {
  QuoteChars = chars;
  ApplyOptions(true);
}

void TSpellCheckerBase::ApplyOptions(bool force) {
  const TSpellOptions options = config_.Options();
  if (!force && optionsApplied_ && appliedOptions_ == options) return;
  appliedOptions_ = options;
  rules_.Build(HasOption(soInternet), HasOption(soUpcase), HasOption(soNumbers), HasOption(soHTML),
               HasOption(soQuoted), HasOption(soAbbreviations), QuoteChars);
  optionsApplied_ = true;
  if (OnAddCustomIgnore) OnAddCustomIgnore();
  OptionsAppliedList.Notify();
}

void TSpellCheckerBase::OpenDictionaries() {
  // Reading the lists loads the configuration first (which reports a change
  // of dictionaries): do it before anything is opened.
  const std::vector<std::string> mains = config_.MainDictionaries();
  const std::vector<std::string> customs = config_.CustomDictionaries();
  const std::vector<std::string> wordCustoms = config_.WordCustomDictionaries();
  const std::string activeName = config_.ExpandedActiveCustom();
  const std::vector<std::string> folders = config_.SearchFolders();

  mains_.Clear();
  for (const auto& name : mains)
    if (auto d = OpenMainDictionary(config_.ExpandMacros(name), folders)) mains_.Add(std::move(d));
  english_ = mains_.HasEnglish();
  engine_->SetFrenchApostrophes((Language() & 0xFF) == 0x0C);
  generator_->SetLanguage(Language());

  for (auto& d : customs_) d->Save();
  customs_.clear();
  for (const auto& name : customs) {
    const std::string expanded = config_.ExpandConfigID(name);
    if (expanded != activeName)
      if (auto d = OpenCustomDictionary(expanded)) customs_.push_back(std::move(d));
  }
  wordCustoms_.clear();
  for (const auto& path : wordCustoms)
    if (auto d = OpenWordCustomDictionary(path)) wordCustoms_.push_back(std::move(d));

  const std::string before = active_ ? active_->FileName() : std::string();
  if (active_) active_->Save();
  active_.reset();
  if (!activeName.empty()) active_ = OpenCustomDictionary(activeName);
  if (!active_ || active_->FileName() != before) undo_.clear();
  if (!mappingName_.empty() && !mapping_) mapping_ = OpenCustomDictionary(config_.ExpandMacros(mappingName_));
  OpenLearningDictionary();
  dictionariesOpen_ = true;
  ApplyOptions(false);
  if (OnDictionariesChanged) OnDictionariesChanged();
}

// ---------------------------------------------------------------- custom dictionary files

void TSpellCheckerBase::SettleCustomObjects(const std::string& path, bool drop) {
  auto settle = [&](std::unique_ptr<TCustomDictionary>& d) {
    if (!d || d->FileName() != path) return false;
    d->Save();
    if (drop) {
      d->SetModified(false);  // nothing may write the old file again
      d.reset();
    }
    return drop;
  };
  settle(active_);
  settle(mapping_);
  settle(learning_);
  for (auto& d : customs_) settle(d);
  customs_.erase(std::remove(customs_.begin(), customs_.end(), nullptr), customs_.end());
  if (drop) dictionariesOpen_ = false;
}

std::unique_ptr<TCustomDictionary> TSpellCheckerBase::OpenCustomDictionary(const std::string& name) {
  const std::vector<std::string> folders = config_.SearchFolders();
  const std::string path = CustomDictionaryPath(name, folders);
  if (path.empty()) return nullptr;
  SettleCustomObjects(path, false);
  std::unique_ptr<TCustomDictionary> d = OnCreateCustomDictionary ? OnCreateCustomDictionary() : nullptr;
  return wx::OpenCustomDictionary(path, folders, std::move(d));
}

TCustomNameResult TSpellCheckerBase::NewCustomDictionary(const std::string& name, std::string* createdName) {
  if (name.find_first_not_of(" \t") == std::string::npos) return cnBlank;
  const std::string file = CustomDictionaryFileName(name);
  if (file.empty()) return cnInvalid;
  auto d = OpenCustomDictionary(file);
  if (!d) return cnFailed;
  d->SetModified(true);
  const bool saved = d->Save();
  d->SetModified(false);
  d.reset();
  if (!saved) return cnFailed;
  config_.AddCustomDictionary(file);
  ForgetDictionaryFiles();
  if (createdName) *createdName = file;
  return cnOk;
}

TCustomNameResult TSpellCheckerBase::RenameCustomDictionary(const std::string& oldName, const std::string& newName) {
  if (newName.find_first_not_of(" \t") == std::string::npos) return cnBlank;
  // Renaming happens in place: a typed folder ("..\\x", a full path) is refused
  // rather than followed out of the dictionary folder.
  if (HasFolder(newName) || newName.find(':') != std::string::npos) return cnInvalid;
  const std::string file = CustomDictionaryFileName(newName);
  if (file.empty()) return cnInvalid;
  if (file == oldName) return cnExists;
  const std::vector<std::string>& files = CustomDictionaryFiles();
  if (std::find(files.begin(), files.end(), oldName) == files.end()) return cnFailed;
  auto d = OpenCustomDictionary(oldName);
  if (!d) return cnFailed;
  const std::string oldPath = d->FileName();
  const std::string newPath = JoinPath(ParentFolder(oldPath), file);
  if (PathExists(newPath)) return cnExists;
  if (!CanCreateFileAt(newPath)) return cnFailed;
  d->SetModified(true);  // the file exists before it is renamed
  const bool saved = d->Save();
  d->SetModified(false);
  d.reset();
  if (!saved) return cnFailed;
  SettleCustomObjects(oldPath, true);
  if (!RenamePath(oldPath, newPath)) return cnFailed;
  const bool wasActive = config_.ExpandedActiveCustom() == oldName;
  if (config_.RemoveCustomDictionary(oldName)) config_.AddCustomDictionary(file);
  if (wasActive) config_.SetActiveCustom(file);
  ForgetDictionaryFiles();
  return cnOk;
}

bool TSpellCheckerBase::DeleteCustomDictionary(const std::string& name) {
  SetCustomDictionaryListed(name, false);
  ForgetDictionaryFiles();
  auto d = OpenCustomDictionary(name);
  if (!d) return false;
  const std::string path = d->FileName();
  d->SetModified(false);
  d.reset();
  SettleCustomObjects(path, true);
  return RemoveFilePath(path);
}

bool TSpellCheckerBase::SetCustomDictionaryListed(const std::string& name, bool listed) {
  const std::vector<std::string>& list = config_.CustomDictionaries();
  const bool has = std::find(list.begin(), list.end(), name) != list.end();
  if (has == listed) return false;
  if (!listed) {
    const bool wasActive = config_.ActiveCustom() == name;
    config_.RemoveCustomDictionary(name);
    if (wasActive) config_.SetActiveCustom(list.empty() ? std::string() : list.front());
    return true;
  }
  if (!OpenCustomDictionary(config_.ExpandConfigID(name))) return false;
  return config_.AddCustomDictionary(name);
}

bool TSpellCheckerBase::SetWordCustomDictionaryListed(const std::string& path, bool listed) {
  const std::vector<std::string>& list = config_.WordCustomDictionaries();
  const bool has = std::find(list.begin(), list.end(), path) != list.end();
  if (has == listed) return false;
  if (!listed) return config_.RemoveWordCustomDictionary(path);
  if (!IsRegularFile(path)) return false;
  return config_.AddWordCustomDictionary(path);
}

const std::vector<std::string>& TSpellCheckerBase::MainDictionaryFiles() {
  if (!mainFiles_) mainFiles_ = FindDictionaryFiles(config_.SearchFolders(), "qxm");
  return *mainFiles_;
}

const std::vector<std::string>& TSpellCheckerBase::CustomDictionaryFiles() {
  if (!customFiles_) customFiles_ = wx::CustomDictionaryFiles(config_.SearchFolders(), config_.ExpandedActiveCustom());
  return *customFiles_;
}

const std::vector<std::string>& TSpellCheckerBase::WordCustomDictionaryFiles() {
  if (!wordFiles_) {
    wordFiles_.emplace();
    if (config_.Settings().ConfigUseMSWordCustom)
      *wordFiles_ = wx::WordCustomDictionaryFiles(wordUserRegistry_ ? *wordUserRegistry_ : CurrentRegistry(),
                                                  config_.Macros().appData,
                                                  wordMachineRegistry_ ? wordMachineRegistry_ : &MachineRegistry());
  }
  return *wordFiles_;
}

void TSpellCheckerBase::ForgetDictionaryFiles() {
  mainFiles_.reset();
  customFiles_.reset();
  wordFiles_.reset();
}

void TSpellCheckerBase::ReorderMainDictionaries() {
  mains_.Reorder();
  // The first dictionary decides the language-dependent behaviour.
  engine_->SetFrenchApostrophes((Language() & 0xFF) == 0x0C);
  generator_->SetLanguage(Language());
}

void TSpellCheckerBase::DeactivateDictionaries() {
  config_.Save();
  for (auto* d : {active_.get(), mapping_.get(), learning_.get()})
    if (d) d->Save();
  for (auto& d : customs_) d->Save();
  mains_.Deactivate();
}

// ---------------------------------------------------------------- word questions

bool TSpellCheckerBase::WordInMainDictionaries(const std::string& word, bool candidate) {
  if (!dictionariesOpen_) OpenDictionaries();
  return mains_.WordExists(word, candidate);
}

bool TSpellCheckerBase::WordInVocabulary(const std::string& word, bool candidate) {
  if (WordInMainDictionaries(word, candidate)) return true;
  if (active_ && active_->IsAdded(word)) return true;
  for (auto& d : customs_)
    if (d->IsAdded(word)) return true;
  for (auto& d : wordCustoms_)
    if (d->IsAdded(word)) return true;
  return temp_.IsAdded(word);
}

std::string TSpellCheckerBase::AdjustCase(const std::string& word) {
  std::string w = word;
  if (w.empty()) return w;
  switch (AllowedCases) {
    case cmNone:
      break;
    case cmInitialCaps:
      w[0] = static_cast<char>(AnsiLowerChar(static_cast<uint8_t>(w[0])));
      break;
    case cmInitialCapsOrUpcase:
      if (w == AnsiUpper(w))
        w = AnsiLower(w);
      else
        w[0] = static_cast<char>(AnsiLowerChar(static_cast<uint8_t>(w[0])));
      break;
    case cmAnyCase:
      w = AnsiLower(w);
      break;
    case cmCustom:
      if (OnCaseModification) OnCaseModification(w);
      break;
  }
  return w;
}

bool TSpellCheckerBase::CheckWord(const std::string& word) {
  if (word.empty()) return true;
  if (WordInVocabulary(word)) return true;
  const std::string adjusted = AdjustCase(word);
  if (adjusted != word && WordInVocabulary(adjusted)) return true;
  if (english_ && mains_.IsPossessive(word, [this](std::string_view s) { return AdjustCase(std::string(s)); }))
    return true;
  if (IsNumber(word)) return true;
  if (word.size() == 1) return true;
  if (rules_.IgnoreWordByRules(word, source_)) return true;
  // Word processors type the typographic apostrophe (0x92 in the code page)
  // where the dictionaries hold the straight one: "don\x92t" is "don't".
  if (word.find('\x92') != std::string::npos) {
    std::string straight = word;
    std::replace(straight.begin(), straight.end(), '\x92', '\'');
    return CheckWord(straight);
  }
  return false;
}

bool TSpellCheckerBase::IsExcluded(const std::string& word) {
  if (!dictionariesOpen_) OpenDictionaries();
  if (active_ && active_->IsExcludedWord(word)) return true;
  for (auto& d : customs_)
    if (d->IsExcludedWord(word)) return true;
  std::string r;
  return mapping_ && mapping_->GetAutoCorrect(word, r);
}

bool TSpellCheckerBase::GetAutoCorrection(const std::string& word, std::string& replacement) {
  if (!dictionariesOpen_) OpenDictionaries();
  if (active_ && active_->GetAutoCorrect(word, replacement)) return true;
  if (temp_.GetAutoCorrect(word, replacement)) return true;
  for (auto& d : customs_)
    if (d->GetAutoCorrect(word, replacement)) return true;
  if (MappingAutoReplace && mapping_ && mapping_->GetAutoCorrect(word, replacement)) return true;
  if (SuggestionsAutoReplace && learning_ && learning_->GetAutoCorrect(word, replacement)) return true;
  if (HasOption(soDUalCaps) && word.size() > 2) {
    const auto b0 = static_cast<uint8_t>(word[0]), b1 = static_cast<uint8_t>(word[1]);
    const bool restLower = word.substr(2) == AnsiLower(word.substr(2));
    if (restLower && b0 == AnsiUpperChar(b0) && b1 == AnsiUpperChar(b1) && AnsiLowerChar(b0) != AnsiUpperChar(b0) &&
        AnsiLowerChar(b1) != AnsiUpperChar(b1)) {
      std::string r = word;
      r[1] = static_cast<char>(AnsiLowerChar(b1));
      if (CheckWord(r)) {
        replacement = r;
        return true;
      }
    }
  }
  return false;
}

bool TSpellCheckerBase::IsRepeatedWord(const std::string& word, TControlParser& source) {
  int x, y;
  source.GetPosition(x, y);
  bool ok = true;
  for (size_t i = 0; ok && i <= word.size(); ++i) ok = source.MovePrevious();
  ok = ok && source.GetChar() == ' ';
  for (size_t i = word.size(); ok && i > 0; --i)
    ok = source.MovePrevious() && source.GetChar() == static_cast<uint8_t>(word[i - 1]);
  source.SetPosition(x, y, kMoveCursor);
  return ok;
}

// ---------------------------------------------------------------- suggestions

bool TSpellCheckerBase::WordExistsForSuggestions(const std::string& word) {
  const bool lowerFirst = AnsiLowerChar(static_cast<uint8_t>(word[0])) == static_cast<uint8_t>(word[0]);
  if (HasOption(soPrimaryOnly)) {
    if (WordInMainDictionaries(word, true)) return true;
    if (!(AllowedCases == cmInitialCaps && lowerFirst)) {
      const std::string a = AdjustCase(word);
      if (a != word && WordInMainDictionaries(a, true)) return true;
    }
  } else {
    if (WordInVocabulary(word, true)) return true;
    if (!(AllowedCases == cmInitialCaps && lowerFirst)) {
      const std::string a = AdjustCase(word);
      if (a != word && WordInVocabulary(a, true)) return true;
    }
  }
  // Only a word ending in "'s" or "'S" can be a possessive: most candidates
  // are turned away here without building the case adjustment.
  const size_t n = word.size();
  if (!english_ || n < 3 || word[n - 2] != '\'' || (word[n - 1] != 's' && word[n - 1] != 'S')) return false;
  return mains_.IsPossessive(word, [this](std::string_view s) { return AdjustCase(std::string(s)); });
}

bool TSpellCheckerBase::SuggestionLetters(std::string_view prefix, TSuggestionsGenerator::Letters& letters) {
  // Case adjustment may change only the first byte (or nothing) for the
  // sets of letters to cover the words it lets through.
  if (AllowedCases != cmInitialCaps && AllowedCases != cmNone) return false;
  // Added words are enumerated for every prefix asked about: beyond a few
  // hundred that costs more than trying every letter.
  constexpr int32_t kMaxEnumerated = 300;
  const bool primaryOnly = HasOption(soPrimaryOnly);
  std::vector<TCustomDictionary*> customs;
  if (!primaryOnly) {
    if (active_) customs.push_back(active_.get());
    for (auto& d : customs_) customs.push_back(d.get());
    for (auto& d : wordCustoms_) customs.push_back(d.get());
    customs.push_back(&temp_);
    for (auto* d : customs)
      if (d->AddedCount() > kMaxEnumerated) return false;
  }
  letters.fill(0);
  auto addFrom = [&](std::string_view p) {
    for (size_t i = 0; i < mains_.Count(); ++i) mains_[i].NextLetters(p, letters);
    std::string w;
    for (auto* d : customs)
      for (size_t i = 0; d->GetAddedWord(i, w); ++i)
        if (w.size() > p.size() && w.compare(0, p.size(), p) == 0) {
          const auto c = static_cast<uint8_t>(w[p.size()]);
          letters[c / 64] |= uint64_t(1) << (c % 64);
        }
  };
  addFrom(prefix);
  if (AllowedCases == cmInitialCaps) {
    if (prefix.empty()) {
      // A first byte passes when its lower-case form begins a word.
      const TSuggestionsGenerator::Letters found = letters;
      for (int c = 0; c < 256; ++c) {
        const uint8_t l = AnsiLowerChar(static_cast<uint8_t>(c));
        if ((found[l / 64] >> (l % 64)) & 1) letters[c / 64] |= uint64_t(1) << (c % 64);
      }
    } else if (const auto first = static_cast<uint8_t>(prefix[0]); AnsiLowerChar(first) != first) {
      std::string lowered(prefix);
      lowered[0] = static_cast<char>(AnsiLowerChar(first));
      addFrom(lowered);
    }
  }
  // A possessive: the stem continues the prefix (covered above), or the
  // candidate's changed byte is its apostrophe or final s.
  for (uint8_t c : {uint8_t('\''), uint8_t('s'), uint8_t('S')}) letters[c / 64] |= uint64_t(1) << (c % 64);
  return true;
}

class TSpellCheckerBase::RankedSource final : public TSuggestionSource {
 public:
  explicit RankedSource(TSpellCheckerBase& c) : c_(c) {}
  size_t MainCount() override { return c_.mains_.Count(); }
  TMainDictionary& Main(size_t i) override { return c_.mains_[i]; }
  bool Offerable(const std::string& word) override {
    if (word.empty() || !c_.WordExistsForSuggestions(word)) return false;
    return !Excluded(word);
  }
  bool Excluded(const std::string& word) override { return c_.UseExcludeWords && c_.IsExcluded(word); }
  bool ForEachAddedWord(const std::function<void(const std::string& word)>& fn) override {
    if (c_.HasOption(soPrimaryOnly)) return true;
    std::string w;
    auto each = [&](TCustomDictionary& d) {
      for (size_t i = 0; d.GetAddedWord(i, w); ++i) fn(w);
    };
    if (c_.active_) each(*c_.active_);
    for (auto& d : c_.customs_) each(*d);
    for (auto& d : c_.wordCustoms_) each(*d);
    each(c_.temp_);
    return true;
  }
  bool IsLearned(const std::string& word) override { return c_.learning_ && c_.learning_->IsAdded(word); }

 private:
  TSpellCheckerBase& c_;
};

void TSpellCheckerBase::SuggestRanked(const std::string& word, int maxCount, TSuggestionList& dest) {
  RankedSource source(*this);
  TSuggestionList list;
  generator_->Rank(word, maxCount, source, list);
  // The replacement the user chose for this word before comes first.
  std::string learned;
  if (learning_ && learning_->GetAutoCorrect(word, learned) && !learned.empty()) {
    auto it = std::find_if(list.begin(), list.end(), [&](const TSuggestion& s) { return s.Word == learned; });
    if (it != list.end()) list.erase(it);
    list.insert(list.begin(), {learned, 0});
  }
  const size_t most = maxCount >= 0 ? static_cast<size_t>(maxCount) : TRankedSuggestions::kMaxOffered;
  if (list.size() > most) list.resize(most);
  dest = std::move(list);
}

void TSpellCheckerBase::Suggest(const std::string& word, int maxCount, TSuggestionList& dest) {
  if (!dictionariesOpen_) OpenDictionaries();
  std::string mapped;
  if (mapping_ && mapping_->GetAutoCorrect(word, mapped)) {
    dest.push_back({mapped, 0});
    return;
  }
  if (generator_->RanksOwnList()) {
    SuggestRanked(word, maxCount, dest);
    return;
  }
  TSuggestionList list;
  const TSuggestionsGenerator::ExistsFn exists = [this](const std::string& w) { return WordExistsForSuggestions(w); };
  generator_->SetLetterGate([this](std::string_view prefix, TSuggestionsGenerator::Letters& letters) {
    return SuggestionLetters(prefix, letters);
  });
  generator_->GenerateWithCaseVariants(word, maxCount, exists, &list);
  generator_->SetLetterGate(nullptr);
  const size_t k = list.size();

  if (PhoneticSuggestions && !mains_.Empty()) {
    TMainDictionary* first = mains_.First();
    std::vector<std::string> words;
    auto findMatches = [&] {
      words.clear();
      for (const auto& s : list) words.push_back(s.Word);
      const size_t before = words.size();
      first->FindPhoneticMatches(word, *map_, words);
      for (size_t i = before; i < words.size(); ++i) list.push_back({words[i], 0});
    };
    if (first->Language() != map_->Language()) {
      map_->SetLanguage(first->Language());
      if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap();
    }
    findMatches();
    if ((map_->Language() & 0xFF) == 9 && list.size() < 20) {
      map_->SetLanguage(0);
      if (OnAdjustPhoneticsMap) OnAdjustPhoneticsMap();
      findMatches();
    }
  }

  for (auto& s : list) s.Distance = WordDistance(word, s.Word);
  // Sound-alike candidates must be close enough to the word.
  size_t out = k;
  for (size_t i = k; i < list.size(); ++i)
    if (map_->DistanceAcceptable(word, list[i].Distance)) {
      if (out != i) list[out] = std::move(list[i]);
      ++out;
    }
  list.resize(out);

  if (learning_) {
    std::string learned;
    if (learning_->GetAutoCorrect(word, learned)) {
      auto it = std::find_if(list.begin(), list.end(), [&](const TSuggestion& s) { return s.Word == learned; });
      if (it != list.end())
        it->Distance = 0;
      else
        list.insert(list.begin(), {learned, 0});
    }
    for (auto& s : list) s.Distance = learning_->IsAdded(s.Word) ? 2 * s.Distance - 1 : 2 * s.Distance;
  }

  // Exchange sort: equal distances keep their production order except where an
  // exchange moves them.
  for (size_t i = 0; i + 1 < list.size(); ++i)
    for (size_t j = i + 1; j < list.size(); ++j)
      if (list[i].Distance > list[j].Distance) std::swap(list[i], list[j]);
  if (maxCount >= 0 && list.size() > static_cast<size_t>(maxCount)) list.resize(static_cast<size_t>(maxCount));
  dest = std::move(list);
}

void TSpellCheckerBase::LearnReplacement(const std::string& word, const std::string& replacement) {
  if (!learningOn_ || !learning_ || word.empty() || replacement.empty()) return;
  std::string old;
  if (learning_->GetAutoCorrect(word, old)) {
    if (old == replacement) return;
    learning_->RemoveAutoCorrect(word);
  }
  learning_->AddAutoCorrect(word, replacement);
  learning_->AddWord(replacement);
}

// ---------------------------------------------------------------- checks

void TSpellCheckerBase::CheckString(std::string& text) {
  auto* p = new TStringParser(text);
  p->Initialize();
  CheckParser(p, kModeWholeText, true);
}

void TSpellCheckerBase::CheckParser(TControlParser* source, int mode, bool owned) {
  if (!source) return;
  if (checking_ || (multi_ && cancelled_)) {
    if (owned) delete source;
    return;
  }
  TSpellDialogHooks& ui = hooks_ ? *hooks_ : defaultHooks_;
  source_ = source;
  ownsSource_ = owned;
  source->GetSelectionStart(savedX_, savedY_);
  if (mode == kModeSelectionThenRest) {
    BeginMultiCheck();
    int x1, y1, x2, y2;
    source->GetSelection(x1, y1, x2, y2);
    pendingParts_.clear();
    if (x1 == x2 && y1 == y2) {
      pendingParts_.push_back({kModeFromCaret, false, 0, 0, false, 0, 0, false});
      pendingParts_.push_back({kModeKeepPosition, true, 0, 0, true, x1, y1, false});
    } else {
      pendingParts_.push_back({kModeSelection, false, 0, 0, false, 0, 0, false});
      pendingParts_.push_back({kModeKeepPosition, true, x2, y2, true, kFarEnd, kFarEnd, true});
      pendingParts_.push_back({kModeKeepPosition, true, 0, 0, true, x1, y1, false});
    }
    Part first = pendingParts_.front();
    pendingParts_.erase(pendingParts_.begin());
    StartPart(first);
  } else {
    StartPart({mode, false, 0, 0, false, 0, 0, false});
  }
  if (SynchronousCheck)
    while (checking_ && ui.ProcessMessages()) {
    }
}

void TSpellCheckerBase::StartPart(const Part& part) {
  checking_ = true;
  cancelled_ = false;
  beforeChangeFired_ = false;
  if (!dictionariesOpen_) OpenDictionaries();
  ApplyOptions(false);
  previousWord_.clear();
  repeated_ = false;
  currentWord_.clear();
  if (part.setCursor) source_->SetPosition(part.x, part.y, kMoveCursor);
  if (part.setEnd) source_->SetPosition(part.endX, part.endY, kSetEndMark);
  engine_->Start(source_, part.mode);
  // A later part starting where a selection ended may start inside a word:
  // check that word whole.
  if (part.setCursor) engine_->MoveToWordStart(part.x, part.y);
  ClearUndo();
  if (!multi_) {
    wordsChecked_ = 0;
    countdown_ = 100;
  }
  if (DialogShowImmediate) ShowDialog();
  ReorderMainDictionaries();
  if (!(DialogShowImmediate && DialogShowModal && UIType == suiDialog)) ContinueCheck();
}

void TSpellCheckerBase::ContinueCheck() {
  TSpellDialogHooks& ui = hooks_ ? *hooks_ : defaultHooks_;
  const auto started = std::chrono::steady_clock::now();
  std::string w, r;
  while (checking_) {
    engine_->GetNextWord(w);
    if (w.empty()) {
      if (hourglass_) ui.SetHourglass(hourglass_ = false);
      FinishCheck();
      return;
    }
    ++wordsChecked_;
    if (countdown_ > 0 && --countdown_ == 0) ReorderMainDictionaries();
    r.clear();
    TWordCheckType verdict;
    if (CheckWord(w)) {
      verdict = wcCorrect;
      if (UseExcludeWords && IsExcluded(w)) {
        verdict = GetAutoCorrection(w, r) ? wcAutoCorrect : wcExcluded;
      } else if (UseAutoCorrectFirst && GetAutoCorrection(w, r)) {
        verdict = wcAutoCorrect;
      } else if (HasOption(soRepeated)) {
        if (w == previousWord_ && IsRepeatedWord(w, *source_)) verdict = wcRepeated;
        previousWord_ = w;
      }
    } else {
      verdict = GetAutoCorrection(w, r) ? wcAutoCorrect : wcMisspelled;
    }
    if (OnWordCheck) OnWordCheck(w, verdict, r);
    currentWord_ = w;
    if (verdict == wcAutoCorrect) {
      // Select first so that the undo entry records where the word starts.
      source_->SelectWord(static_cast<int>(w.size()));
      AddUndo(saChange, r, true);
      ReplaceWordNotify(r, 2);
    }
    if (UseHourglassCursor && !hourglass_ &&
        std::chrono::steady_clock::now() - started > std::chrono::milliseconds(1000))
      ui.SetHourglass(hourglass_ = true);
    if (verdict == wcCorrect || verdict == wcAutoCorrect) continue;

    // Present the word and wait for a command.
    if (hourglass_) ui.SetHourglass(hourglass_ = false);
    repeated_ = verdict == wcRepeated;
    if (repeated_) currentWord_ = w + " " + w;
    source_->SelectWord(static_cast<int>(currentWord_.size()));
    source_->ScrollToWord();
    ShowDialog();
    if (checking_) {
      ReorderMainDictionaries();
      if (UIType == suiDialog) ui.PresentWord(currentWord_, repeated_);
      if (OnPromptWord) OnPromptWord(currentWord_, repeated_);
    }
    return;
  }
}

void TSpellCheckerBase::ShowDialog() {
  if (UIType != suiDialog) return;
  TSpellDialogHooks& ui = hooks_ ? *hooks_ : defaultHooks_;
  dialogShown_ = true;
  ui.ShowDialog(source_);
}

void TSpellCheckerBase::CloseDialog() {
  if (UIType != suiDialog) return;
  TSpellDialogHooks& ui = hooks_ ? *hooks_ : defaultHooks_;
  ui.CloseDialog(multi_);
}

void TSpellCheckerBase::ShowEndMessageIfDue() {
  if (UIType != suiDialog || multi_) return;
  const bool due = EndMessage == emAlways || (EndMessage == emExceptCancel && !cancelled_) ||
                   (EndMessage == emNoDialog && dialogShown_);
  if (!due) return;
  if (OnShowEndMessage && OnShowEndMessage(wordsChecked_)) return;
  std::string text = GetString(56);
  if (EndMessageWordCount) text += "\n\n" + GetString(57) + " " + std::to_string(wordsChecked_);
  TSpellDialogHooks& ui = hooks_ ? *hooks_ : defaultHooks_;
  ui.MessageBox(GetString(13), text);
}

void TSpellCheckerBase::FinishCheck() {
  if (!checking_) return;
  if (OnCompleteCheck) OnCompleteCheck();
  ShowEndMessageIfDue();
  if (!cancelled_ && source_) {
    if (EndCursorPosition == epHome)
      source_->SetPosition(0, 0, kMoveCursor);
    else if (EndCursorPosition == epOriginal)
      source_->SetPosition(savedX_, savedY_, kMoveCursor);
    source_->SelectWord(0);
  }
  const bool morePart = multi_ && !cancelled_ && !pendingParts_.empty();
  CloseDialog();
  ClearUndo();
  checking_ = false;
  repeated_ = false;
  if (!keepActive_) DeactivateDictionaries();
  if (morePart) {
    Part next = pendingParts_.front();
    pendingParts_.erase(pendingParts_.begin());
    TSpellDialogHooks& ui = hooks_ ? *hooks_ : defaultHooks_;
    if (next.askFirst && !ui.AskYesNo(GetString(13), GetString(58))) {
      cancelled_ = true;
      pendingParts_.clear();
    } else {
      StartPart(next);
      return;
    }
  }
  if (multi_ && !pendingParts_.empty()) pendingParts_.clear();
  const bool wasMulti = multi_;
  if (wasMulti) EndMultiCheck();
  if (ownsSource_) delete source_;
  source_ = nullptr;
  ownsSource_ = false;
  dialogShown_ = false;
}

void TSpellCheckerBase::BeginMultiCheck() {
  wordsChecked_ = 0;
  countdown_ = 100;
  cancelled_ = false;
  multi_ = true;
  multiKeepDictionaries_ = keepActive_;
  keepActive_ = true;
}

void TSpellCheckerBase::EndMultiCheck() {
  if (!multi_) return;
  multi_ = false;
  ShowEndMessageIfDue();
  CloseDialog();
  keepActive_ = multiKeepDictionaries_;
  if (!keepActive_ && !checking_) DeactivateDictionaries();
}

void TSpellCheckerBase::StopCheck(bool cancelled) {
  if (!checking_) return;
  cancelled_ = cancelled;
  FinishCheck();
}

void TSpellCheckerBase::CountWords(TControlParser& source, int mode, int& words, int& errors, bool& anyError,
                                   bool stopAtFirst, bool countErrors) {
  words = errors = 0;
  anyError = false;
  if (mode != kModeSelection && mode != kModeWholeText) return;
  if (!dictionariesOpen_) OpenDictionaries();
  ApplyOptions(false);
  TSpellDialogHooks& ui = hooks_ ? *hooks_ : defaultHooks_;
  int sx, sy;
  source.GetSelectionStart(sx, sy);
  TMainParsingEngine engine;
  engine.SetFrenchApostrophes(engine_->FrenchApostrophes());
  engine.OnCharacter = engine_->OnCharacter;
  engine.OnWord = engine_->OnWord;
  TControlParser* saved = source_;
  source_ = &source;
  engine.Start(&source, mode);
  const auto started = std::chrono::steady_clock::now();
  bool hourglass = false;
  std::string w, previous;
  for (;;) {
    engine.GetNextWord(w);
    if (w.empty()) break;
    ++words;
    if (countErrors) {
      bool error = !CheckWord(w) || (UseExcludeWords && IsExcluded(w));
      if (!error && HasOption(soRepeated)) {
        error = w == previous && IsRepeatedWord(w, source);
        previous = w;
      }
      if (error) {
        ++errors;
        anyError = true;
        if (stopAtFirst) break;
      }
    }
    if (UseHourglassCursor && !hourglass &&
        std::chrono::steady_clock::now() - started > std::chrono::milliseconds(1000))
      ui.SetHourglass(hourglass = true);
  }
  if (hourglass) ui.SetHourglass(false);
  if (EndCursorPosition == epHome)
    source.SetPosition(0, 0, kMoveCursor);
  else if (EndCursorPosition == epOriginal)
    source.SetPosition(sx, sy, kMoveCursor);
  source_ = saved;
}

int TSpellCheckerBase::WordCountParser(TControlParser& source, int mode) {
  int words, errors;
  bool any;
  CountWords(source, mode, words, errors, any, false, false);
  return words;
}

int TSpellCheckerBase::WordCountString(std::string& text) {
  TStringParser p(text);
  p.Initialize();
  return WordCountParser(p, kModeWholeText);
}

// ---------------------------------------------------------------- text changes and undo

void TSpellCheckerBase::ReplaceWordNotify(const std::string& replacement, int state) {
  if (!source_) return;
  if (!beforeChangeFired_) {
    beforeChangeFired_ = true;
    if (OnBeforeChange) OnBeforeChange();
  }
  if (OnParserReplaceWord) OnParserReplaceWord(replacement, true, state);
  source_->ReplaceWord(replacement);
  if (OnParserReplaceWord) OnParserReplaceWord(replacement, false, state);
}

void TSpellCheckerBase::SkipWordNotify(int state) {
  if (!source_) return;
  if (OnParserIgnoreWord) OnParserIgnoreWord(true, state);
  WordSkippedList.Notify(true, state);
  source_->SkipWord();
  if (OnParserIgnoreWord) OnParserIgnoreWord(false, state);
  WordSkippedList.Notify(false, state);
}

void TSpellCheckerBase::UndoNotify(int state, TSpellAction action, int& data) {
  if (OnParserUndoLast) OnParserUndoLast(state, action, data);
  if (source_) source_->UndoLast(state, action, data);
}

void TSpellCheckerBase::AddUndo(TSpellAction action, const std::string& replacement, bool automatic) {
  if (!source_ || MaxUndo == 0) return;
  TSpellUndo e;
  source_->GetPosition(e.X, e.Y);
  e.Word = currentWord_;
  e.Action = action;
  e.Replacement = replacement;
  e.Automatic = automatic;
  UndoNotify(0, action, e.Data);
  undo_.push_back(std::move(e));
  if (MaxUndo != -1)
    while (static_cast<int>(undo_.size()) > MaxUndo) undo_.pop_front();
}

void TSpellCheckerBase::UndoLastAction() {
  for (bool again = true; again && !undo_.empty() && source_;) {
    TSpellUndo e = undo_.back();
    UndoNotify(1, e.Action, e.Data);
    switch (e.Action) {
      case saIgnore:
        break;
      case saIgnoreAll:
        temp_.RemoveWord(e.Word);
        break;
      case saAdd:
        if (active_) active_->RemoveWord(e.Word);
        break;
      case saChange:
      case saChangeAll:
      case saAutoCorrect: {
        if (e.Action == saChangeAll) temp_.RemoveAutoCorrect(e.Word);
        if (e.Action == saAutoCorrect) {
          if (active_) active_->RemoveAutoCorrect(e.Word);
          temp_.RemoveAutoCorrect(e.Word);
        }
        source_->SetPosition(e.X + static_cast<int>(e.Replacement.size()), e.Y, kMoveCursor);
        source_->SelectWord(static_cast<int>(e.Replacement.size()));
        ReplaceWordNotify(e.Word, 3 + (e.Action - saChange));
        break;
      }
    }
    source_->SetPosition(e.X, e.Y, kMoveCursor);
    undo_.pop_back();
    UndoNotify(2, e.Action, e.Data);
    again = e.Automatic;
  }
  previousWord_.clear();
  repeated_ = false;
}

void TSpellCheckerBase::MoveBack(int count) {
  for (int i = 0; i < count; ++i)
    if (!source_->MovePrevious()) break;
}

// ---------------------------------------------------------------- user commands

void TSpellCheckerBase::Ignore() {
  if (!CommandAllowed(false)) return;
  AddUndo(saIgnore, {}, false);
  SkipWordNotify(kSkipIgnore);
  ContinueCheck();
}

void TSpellCheckerBase::IgnoreAll() {
  if (!CommandAllowed(true)) return;
  AddUndo(saIgnoreAll, {}, false);
  temp_.AddWord(currentWord_);
  SkipWordNotify(kSkipIgnoreAll);
  ContinueCheck();
}

void TSpellCheckerBase::Change(const std::string& replacement) {
  if (!CommandAllowed(true)) return;
  AddUndo(saChange, replacement, false);
  ReplaceWordNotify(replacement, 0);
  if (RecheckReplacedWords) MoveBack(static_cast<int>(replacement.size()));
  LearnReplacement(currentWord_, replacement);
  ContinueCheck();
}

void TSpellCheckerBase::ChangeAll(const std::string& replacement) {
  if (!CommandAllowed(true)) return;
  AddUndo(saChangeAll, replacement, false);
  temp_.AddAutoCorrect(currentWord_, replacement);
  ReplaceWordNotify(replacement, 1);
  LearnReplacement(currentWord_, replacement);
  ContinueCheck();
}

void TSpellCheckerBase::Add() {
  if (!CommandAllowed(true)) return;
  AddUndo(saAdd, {}, false);
  if (active_) active_->AddWord(currentWord_);
  SkipWordNotify(kSkipAdd);
  ContinueCheck();
}

void TSpellCheckerBase::AutoCorrect(const std::string& replacement) {
  if (!CommandAllowed(true)) return;
  AddUndo(saAutoCorrect, replacement, false);
  if (active_) active_->AddAutoCorrect(currentWord_, replacement);
  LearnReplacement(currentWord_, replacement);
  ReplaceWordNotify(replacement, 2);
  ContinueCheck();
}

void TSpellCheckerBase::DeleteRepeated() {
  if (!checking_ || !source_ || !repeated_) return;
  const std::string single = currentWord_.substr(0, currentWord_.find(' '));
  AddUndo(saChange, single, false);
  ReplaceWordNotify(single, 0);
  repeated_ = false;
  ContinueCheck();
}

void TSpellCheckerBase::Undo() {
  if (!checking_ || !CanUndo()) return;
  UndoLastAction();
  ContinueCheck();
}

void TSpellCheckerBase::Cancel() {
  if (!checking_) return;
  cancelled_ = true;
  FinishCheck();
}

void TSpellCheckerBase::Resume() {
  if (!checking_ || !source_) return;
  ClearUndo();
  int px, py, cx, cy;
  // Presenting the word selected it, which left the cursor at its start.
  source_->GetPosition(px, py);
  source_->GetSelectionStart(cx, cy);
  int x = cx, y = cy;
  if (ResumeFromLastPosition && (py < cy || (py == cy && px < cx))) {
    x = px;
    y = py;
  }
  engine_->MoveToWordStart(x, y);
  repeated_ = false;
  previousWord_.clear();
  ContinueCheck();
}

// ---------------------------------------------------------------- popup menu

std::vector<TPopupItem> TSpellCheckerBase::BuildPopupItems(TSpellCheckerBase& c, TSpellPopupOptions options,
                                                            const std::string& word) {
  auto has = [&](TSpellPopupOption o) { return (options & (1u << o)) != 0; };
  std::vector<TPopupItem> items;
  TSuggestionList suggestions;
  if (has(spReplace)) {
    c.Suggest(word, 5, suggestions);
    for (const auto& s : suggestions) items.push_back({s.Word, true, spReplace, {}});
    if (suggestions.empty()) items.push_back({kTextNoSuggestions, false, 0, {}});
    items.push_back({"-", true, 0, {}});
  }
  if (has(spIgnore)) items.push_back({"I&gnore", true, spIgnore, {}});
  if (has(spIgnoreAll)) items.push_back({"&Ignore All", true, spIgnoreAll, {}});
  if (has(spAdd)) items.push_back({"&Add", c.active_ != nullptr, spAdd, {}});
  items.push_back({"-", true, 0, {}});
  auto submenu = [&](const char* caption, TSpellPopupOption tag) {
    TPopupItem sub{caption, true, 0, {}};
    for (const auto& s : suggestions) sub.Children.push_back({s.Word, true, tag, {}});
    items.push_back(std::move(sub));
  };
  if (has(spChangeAll) && !suggestions.empty()) submenu("&Change All", spChangeAll);
  if (has(spAutoCorrect) && !suggestions.empty() && c.active_) submenu("A&uto Correct", spAutoCorrect);
  if (has(spDialog)) items.push_back({"&Spelling ...", true, spDialog, {}});
  return items;
}

TSpellPopupOption TSpellCheckerBase::ShowWordPopup(TSpellPopupOptions options, std::string& word, int x, int y) {
  if (word.empty() || popupOpen_) return spCancel;
  popupOpen_ = true;
  if (!dictionariesOpen_) OpenDictionaries();
  const std::string original = word;
  const std::vector<TPopupItem> items = BuildPopupItems(*this, options, word);
  int action = spCancel;
  std::string chosen;
  if (OnPopupDoMenu) OnPopupDoMenu(items, x, y, action, chosen);
  TSpellPopupOption result = action >= spCancel && action <= spReplace ? static_cast<TSpellPopupOption>(action)
                                                                        : spCancel;
  switch (result) {
    case spAutoCorrect:
      // Saved at once: a pair made from the menu must survive a logoff or a
      // crash before the next full check ends.
      if (active_) {
        active_->AddAutoCorrect(word, chosen);
        active_->Save();
      } else
        result = spCancel;
      break;
    case spChangeAll:
      temp_.AddAutoCorrect(word, chosen);
      break;
    case spAdd:
      if (active_) {
        active_->AddWord(word);
        active_->Save();
      } else
        result = spCancel;
      break;
    case spIgnoreAll:
      temp_.AddWord(word);
      break;
    default:
      break;
  }
  if ((result == spAutoCorrect || result == spChangeAll || result == spReplace) && !chosen.empty()) {
    LearnReplacement(word, chosen);
    word = chosen;
  }
  if (OnPopupResult) OnPopupResult(original, word, result);
  popupOpen_ = false;
  PopupResultList.Notify(result);
  return result;
}

}  // namespace wx
