// The process-wide engine managers of the Windows program and the containers
// they create on demand.
#pragma once

#include "app/ObjectManager.h"
#include "thesaurus/Thesaurus_win.h"

namespace wx {

// The thesaurus container: the component with the program's settings.
struct TDataManagedThesaurus {
  TDataManagedThesaurus();
  TThesaurus Thesaurus;
};

using TManagedThesaurus = TManaged<TDataManagedThesaurus>;

// Created on first use with the "Stay Resident" minutes (a stored value of
// the wrong type is reported and the default of 15 minutes is used).
TManagedThesaurus& ManagedThesaurus();
// Frees the managers and their containers (at program end).
void FreeManagers();

}  // namespace wx
