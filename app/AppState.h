// Process-wide flags of the resident program.
#pragma once

namespace wx {

// Set when the Windows session ends or the controller is destroyed; windows
// then close without their notices.
inline bool ShuttingDown = false;

}  // namespace wx
