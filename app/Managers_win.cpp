#include "app/Managers_win.h"

#include "app/AppErrors.h"
#include "app/DefinitionsGeometry.h"
#include "app/ErrorBox_win.h"
#include "app/MainOptions.h"
#include "app/WindowIdleTimer_win.h"
#include "definitions/DefinitionsFormModel.h"
#include "spelling/DefaultMainDictionary.h"
#include "ui/Dpi_win.h"
#include "ui/WindowPlacement_win.h"

namespace wx {

namespace {

int32_t StayResidentMinutes() {
  int32_t minutes = 15;
  Guarded([&] { minutes = ReadStayResidentMinutes(CurrentRegistry()); });
  return minutes;
}

// The process-wide manager of one container type, made on first use.
template <typename Container>
std::unique_ptr<TManaged<Container>>& Slot() {
  static std::unique_ptr<TManaged<Container>> manager;
  return manager;
}

template <typename Container>
TManaged<Container>& Manager() {
  auto& slot = Slot<Container>();
  if (!slot)
    slot = std::make_unique<TManaged<Container>>(StayResidentMinutes(), std::make_unique<WindowIdleTimer>(),
                                                 [] { return std::make_unique<Container>(); });
  return *slot;
}

int ScaledToScreen(int px) { return ScaleToDpi(px, ScreenDpi()); }

}  // namespace

TDataManagedDefinitions::TDataManagedDefinitions() {
  // No fixed Caption: the window takes its title from its caption table, in
  // the language active when it opens and after every switch.
  DefinitionsDialog1.ScreenCentered = false;
  DefinitionsDialog1.SetDatabaseFile(AppFilePath("definitions.ydd"));
  // Without a stored place the window opens at its design size, scaled for the screen's DPI.
  WindowGeometry stored;
  stored.width = ScaledToScreen(stored.width);
  stored.height = ScaledToScreen(stored.height);
  Guarded([&] { stored = ReadDefinitionsGeometry(CurrentRegistry(), stored); });
  DefinitionsDialog1.WinHeight = stored.height;
  DefinitionsDialog1.WinWidth = stored.width;
  DefinitionsDialog1.SetWinLeft(stored.left);
  DefinitionsDialog1.SetWinTop(stored.top);
  // The senses are what the user came for: they take a little over half the
  // height (at the component's 35% the pane showed two and a half senses
  // above a mostly empty word list).
  DefinitionsDialog1.DefinitionsHeightPercent = 55;
  KeepOnScreen();
}

void TDataManagedDefinitions::KeepOnScreen() {
  TDefinitionsDialog& d = DefinitionsDialog1;
  WindowGeometry g = UsableGeometry({d.WinLeft(), d.WinTop(), d.WinWidth, d.WinHeight},
                                    ScaledToScreen(kDefinitionsMinWidth), ScaledToScreen(kDefinitionsMinHeight),
                                    MonitorWorkAreas());
  d.WinHeight = g.height;
  d.WinWidth = g.width;
  d.SetWinLeft(g.left);
  d.SetWinTop(g.top);
}

void TDataManagedDefinitions::SavePlace() {
  DefinitionsDialog1.TakeOpenWindowBounds();
  WindowGeometry g{DefinitionsDialog1.WinLeft(), DefinitionsDialog1.WinTop(), DefinitionsDialog1.WinWidth,
                   DefinitionsDialog1.WinHeight};
  Guarded([&] { WriteDefinitionsGeometry(CurrentRegistry(), g); });
}

TDataManagedDefinitions::~TDataManagedDefinitions() { SavePlace(); }

TManagedDefinitions& ManagedDefinitions() { return Manager<TDataManagedDefinitions>(); }

TDataManagedThesaurus::TDataManagedThesaurus() {
  Thesaurus.SetFilename("%AppDir%\\Thesaurus.qxt");
  Thesaurus.Owner = ApplicationWindow();
}

TManagedThesaurus& ManagedThesaurus() { return Manager<TDataManagedThesaurus>(); }

namespace {

TSpellConfigSettings SpellerConfiguration() {
  TSpellConfigSettings s;
  s.ConfigStorage = TConfigStorage::csRegistry;
  s.ConfigID = "Default";
  s.ConfigFilename = "%AppDir%\\Spell.cfg";
  s.ConfigRegistryKey = "Software\\Morvane\\Tarvelo";
  s.ConfigDictionaryDir = {"%AppDir%"};
  s.ConfigUseMSWordCustom = true;
  // A first run checks in the Windows display language when its dictionary
  // is installed beside the program, in English otherwise.
  s.ConfigDefaultMain = {
      DefaultMainDictionary(GetUserDefaultUILanguage(), InstalledMainDictionaries({AppDir()}), "american.qxm")};
  s.ConfigDefaultCustom = {"default.qxu", "autocorrect.qxu"};
  s.ConfigDefaultActiveCustom = "default.qxu";
  s.ConfigDefaultOptions = {soLiveSpelling, soLiveCorrect, soUpcase, soNumbers, soHTML, soInternet, soRepeated};
  s.ConfigDefaultUseMSWordCustom = false;
  return s;
}

}  // namespace

TDataManagedSpelling::TDataManagedSpelling() : Speller(SpellerConfiguration()) {
  TSpellCheckerBase& s = Speller;
  s.SuggestionsAutoReplace = false;
  s.SetSuggestionsLearningDict("%AppDir%\\%UserName%_sp.qxl");
  s.SetSuggestionsLearning(true);
  s.SetQuoteChars(">");
  s.DialogShowImmediate = false;
  s.DialogShowModal = false;
  s.EndMessage = emExceptCancel;
  s.EndCursorPosition = epOriginal;
  s.EndMessageWordCount = true;
  s.MaxUndo = -1;
  s.MaxSuggestions = -1;
  s.SetKeepDictionariesActive(false);
  s.SynchronousCheck = true;
  s.UseHourglassCursor = true;
  s.PhoneticSuggestions = true;
  s.SetPhoneticMaxDistance(4);
  s.SetPhoneticDivisor(2);
  s.SetPhoneticDepth(2);
  s.MappingAutoReplace = true;
  s.UseExcludeWords = true;
  s.UseAutoCorrectFirst = false;
  s.RecheckReplacedWords = false;
  s.ResumeFromLastPosition = true;
  s.UIType = suiDialog;
  // Wendrix's ranked suggestions unless the user asked for the classic ones.
  s.SetClassicSuggestions(ReadClassicSuggestions(CurrentRegistry()));
}

TManagedSpelling& ManagedSpelling() { return Manager<TDataManagedSpelling>(); }

void FreeManagers() {
  Slot<TDataManagedSpelling>().reset();
  Slot<TDataManagedThesaurus>().reset();
  Slot<TDataManagedDefinitions>().reset();
}

void SaveManagedState() {
  if (auto& definitions = Slot<TDataManagedDefinitions>())
    if (TDataManagedDefinitions* d = definitions->ManagedObject()) d->SavePlace();
}

}  // namespace wx
