#pragma once

#include <QDateTime>

// The program's one source of the current time. Tests pin it and move it by hand; while it is
// pinned, repeating timers are driven by those moves instead of by wall time.
namespace platform {

QDateTime now();

// Instants in UTC, built the way the running Qt version wants them.
QDateTime utcDateTime(qint64 msecsSinceEpoch);
QDateTime utcDateTime(QDate date, QTime time);

void pinClock(const QDateTime &at);
// Moves pinned time forward, delivering every timer tick that falls due on the way, in order.
void advanceClock(qint64 msecs);
bool clockIsPinned();

} // namespace platform
