#include "platform/Timer.h"

#include "platform/Clock.h"
#include "platform/TimerRegistry.h"

#include <QTimer>
#include <algorithm>

namespace platform {

std::vector<RepeatingTimer *> &pinnedTimers()
{
    static std::vector<RepeatingTimer *> timers;
    return timers;
}

RepeatingTimer::RepeatingTimer(int intervalMsecs, std::function<void()> tick)
    : interval(intervalMsecs), tick(std::move(tick))
{
    if (clockIsPinned()) {
        nextDueMsecs = now().toMSecsSinceEpoch() + interval;
        pinnedTimers().push_back(this);
        return;
    }
    qtimer = new QTimer;
    qtimer->setInterval(interval);
    qtimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(qtimer, &QTimer::timeout, [this] { fire(); });
    qtimer->start();
}

RepeatingTimer::~RepeatingTimer()
{
    invalidate();
    auto &timers = pinnedTimers();
    timers.erase(std::remove(timers.begin(), timers.end(), this), timers.end());
    // The timer may be dropped from inside its own tick, so its QTimer goes later.
    if (qtimer)
        qtimer->deleteLater();
}

void RepeatingTimer::fire()
{
    const std::function<void()> run = tick;
    run();
}

void RepeatingTimer::invalidate()
{
    valid = false;
    if (qtimer) {
        qtimer->stop();
        QObject::disconnect(qtimer, nullptr, nullptr, nullptr);
    }
}

} // namespace platform
