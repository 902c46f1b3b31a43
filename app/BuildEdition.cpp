// The program's edition, the one compile-time choice of the product. Each
// edition's program is this file compiled with its WX_BUILD_EDITION.
#include "app/Edition.h"

#ifndef WX_BUILD_EDITION
#define WX_BUILD_EDITION 5
#endif
static_assert(WX_BUILD_EDITION >= 0 && WX_BUILD_EDITION <= 5, "unknown edition");

namespace wx {
const TBuildEdition BuildEdition = TBuildEdition(WX_BUILD_EDITION);
}
