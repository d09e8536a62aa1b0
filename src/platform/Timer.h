#pragma once

#include <QtGlobal>
#include <functional>
#include <memory>

class QTimer;

namespace platform {

// A repeating timer on the main loop. It first fires one interval after it is made, and never
// again once invalidated; invalidating a stopped timer does nothing.
class RepeatingTimer
{
public:
    RepeatingTimer(int intervalMsecs, std::function<void()> tick);
    ~RepeatingTimer();
    RepeatingTimer(const RepeatingTimer &) = delete;
    RepeatingTimer &operator=(const RepeatingTimer &) = delete;

    void invalidate();
    bool isValid() const { return valid; }

private:
    friend void advanceClock(qint64 msecs);

    // Runs the tick from a copy, since the tick may drop this timer and the function with it.
    void fire();

    int interval;
    std::function<void()> tick;
    bool valid = true;
    qint64 nextDueMsecs = 0; // used while the clock is pinned
    QTimer *qtimer = nullptr;
};

} // namespace platform
