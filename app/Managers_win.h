// The process-wide engine managers of the Windows program and the containers
// they create on demand.
#pragma once

#include "app/ObjectManager.h"
#include "definitions/DefinitionsDialog.h"
#include "thesaurus/Thesaurus_win.h"

namespace wx {

// The thesaurus container: the component with the program's settings.
struct TDataManagedThesaurus {
  TDataManagedThesaurus();
  TThesaurus Thesaurus;
};

using TManagedThesaurus = TManaged<TDataManagedThesaurus>;

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
  TDefinitionsDialog DefinitionsDialog1;
};

using TManagedDefinitions = TManaged<TDataManagedDefinitions>;

// Created on first use with the "Stay Resident" minutes (a stored value of
// the wrong type is reported and the default of 15 minutes is used).
TManagedThesaurus& ManagedThesaurus();
TManagedDefinitions& ManagedDefinitions();
// Frees the managers and their containers (at program end).
void FreeManagers();

}  // namespace wx
