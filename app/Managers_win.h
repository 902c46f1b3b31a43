// The process-wide engine managers of the Windows program and the containers
// they create on demand.
#pragma once

#include "app/ObjectManager.h"
#include "definitions/DefinitionsDialog.h"
#include "spelling/SpellCheckerBase.h"
#include "thesaurus/Thesaurus_win.h"

namespace wx {

// The thesaurus container: the component with the program's settings.
struct TDataManagedThesaurus {
  TDataManagedThesaurus();
  TThesaurus Thesaurus;
};

using TManagedThesaurus = TManaged<TDataManagedThesaurus>;

// The speller container: the checker with the program's settings. Its
// configuration (dictionaries, options) lives in the registry under
// "Software\Morvane\Tarvelo", section "Default".
struct TDataManagedSpelling {
  TDataManagedSpelling();
  TSpellCheckerBase Speller;
};

using TManagedSpelling = TManaged<TDataManagedSpelling>;

// The definitions container: the lookup component with the program's
// settings. It reads the window's last place when created (brought onto a
// monitor's work area at no less than the window's minimum size) and stores
// the window's place when freed.
struct TDataManagedDefinitions {
  TDataManagedDefinitions();
  ~TDataManagedDefinitions();
  TDataManagedDefinitions(const TDataManagedDefinitions&) = delete;
  TDataManagedDefinitions& operator=(const TDataManagedDefinitions&) = delete;
  // Brings the window's place onto a monitor's work area at no less than
  // the minimum size (monitors and the work area may change between sessions).
  void KeepOnScreen();
  // Stores the window's place (the open window's, if it is open).
  void SavePlace();
  TDefinitionsDialog DefinitionsDialog1;
};

using TManagedDefinitions = TManaged<TDataManagedDefinitions>;

// Created on first use with the "Stay Resident" minutes (a stored value of
// the wrong type is reported and the default of 15 minutes is used).
TManagedThesaurus& ManagedThesaurus();
// The speller's manager: acquired at start-up and never released, so its
// container lives for the whole run.
TManagedSpelling& ManagedSpelling();
TManagedDefinitions& ManagedDefinitions();
// Frees the managers and their containers (at program end).
void FreeManagers();
// Stores what the containers keep until they are freed, for a program that
// ends with the Windows session and may never free them.
void SaveManagedState();

}  // namespace wx
