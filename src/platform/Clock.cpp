#include "platform/Clock.h"

#include "platform/Timer.h"
#include "platform/TimerRegistry.h"

namespace platform {

namespace {
bool pinned = false;
qint64 pinnedMsecs = 0;
} // namespace

QDateTime now()
{
    if (pinned)
        return QDateTime::fromMSecsSinceEpoch(pinnedMsecs, Qt::UTC);
    return QDateTime::currentDateTimeUtc();
}

void pinClock(const QDateTime &at)
{
    pinned = true;
    pinnedMsecs = at.toMSecsSinceEpoch();
}

void advanceClock(qint64 msecs)
{
    const qint64 target = pinnedMsecs + msecs;
    // A tick may stop or start timers, so the earliest due one is looked up afresh each time.
    for (;;) {
        RepeatingTimer *due = nullptr;
        for (RepeatingTimer *timer : pinnedTimers()) {
            if (timer->valid && timer->nextDueMsecs <= target &&
                (!due || timer->nextDueMsecs < due->nextDueMsecs))
                due = timer;
        }
        if (!due)
            break;
        pinnedMsecs = due->nextDueMsecs;
        due->nextDueMsecs += due->interval;
        due->fire();
    }
    pinnedMsecs = target;
}

void releaseClock()
{
    pinned = false;
}

bool clockIsPinned()
{
    return pinned;
}

} // namespace platform
