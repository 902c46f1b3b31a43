// Every window's caption table, for the checks that hold for all of them.
#pragma once

#include <vector>

#include "common/Captions.h"

namespace wx {

std::vector<const CaptionTable*> AllCaptionTables();

}  // namespace wx
