// Running the window messages that are waiting, outside the main loop.
#pragma once

namespace wx {

// Dispatches every message now in the thread's queue. A quit message is
// posted again for the main loop and ends the run: false then.
bool ProcessPendingMessages();

}  // namespace wx
