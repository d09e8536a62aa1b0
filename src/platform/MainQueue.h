#pragma once

#include <functional>

namespace platform {

// Runs the function later on the main thread, also inside a modal alert's nested loop.
void runOnMainQueue(std::function<void()> function);

} // namespace platform
