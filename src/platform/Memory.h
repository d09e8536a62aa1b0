#pragma once

namespace platform {

// Gives the free pages of the program's heap back to the system. Large parts that are torn down
// (a web page, the engine's buffers for it) leave their memory free inside the heap, where the
// system still counts it against the program until it is returned.
void returnFreeMemory();

// The same, a short while from now: work that is under way when it is asked for (a renderer
// shutting down) frees the most once it has finished.
void returnFreeMemorySoon();

} // namespace platform
