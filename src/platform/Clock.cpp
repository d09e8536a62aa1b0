#include "platform/Clock.h"

#include "platform/Timer.h"
#include "platform/TimerRegistry.h"

#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#include <QTimeZone>
#endif

namespace platform {

namespace {
bool pinned = false;
qint64 pinnedMsecs = 0;
} // namespace

// Qt 6.5 replaced the time spec by a time zone; both give the same instants. Made afresh on
// each call, so other files' constants can use it during static initialisation.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
#define TOVALIN_UTC QTimeZone(QTimeZone::UTC)
#else
#define TOVALIN_UTC Qt::UTC
#endif

QDateTime utcDateTime(qint64 msecsSinceEpoch)
{
    return QDateTime::fromMSecsSinceEpoch(msecsSinceEpoch, TOVALIN_UTC);
}

QDateTime utcDateTime(QDate date, QTime time)
{
    return QDateTime(date, time, TOVALIN_UTC);
}

QDateTime now()
{
    if (pinned)
        return utcDateTime(pinnedMsecs);
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

bool clockIsPinned()
{
    return pinned;
}

} // namespace platform
