// Natively there is no system registry: the program's settings live in memory
// for the run (tools and tests replace it with SetCurrentRegistry).
#include <memory>

#include "common/MemoryRegistry.h"

namespace wx {

std::shared_ptr<Registry> MakeSystemRegistry() { return std::make_shared<MemoryRegistry>(); }

Registry& MachineRegistry() {
  static MemoryRegistry machine;
  return machine;
}

}  // namespace wx
