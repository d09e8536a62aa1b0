#pragma once

#include <vector>

namespace platform {

class RepeatingTimer;

// Timers made while the clock is pinned; advanceClock() delivers their ticks.
std::vector<RepeatingTimer *> &pinnedTimers();

} // namespace platform
