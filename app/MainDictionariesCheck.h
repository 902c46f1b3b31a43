// The once-per-run check, before every spelling action, that the main
// dictionaries named under "\Software\Morvane\Tarvelo" ("_Main_count" and
// "_Main_0", "_Main_1", ...) lie in the program's folder.
#pragma once

#include "common/Registry.h"

namespace wx {

class MainDictionariesCheck {
 public:
  // Throws EFileNotFoundAppDir for the first missing file (the check then runs
  // again next time), or a conversion error for a count that is not a number.
  void Run(Registry& registry);
  bool Checked() const { return checked_; }

 private:
  bool checked_ = false;
};

}  // namespace wx
