#include "session/StatusText.h"

#include <QCoreApplication>
#include <limits>

namespace {
constexpr qint64 RED_FROM_SECONDS = 60;
}

qint64 remainingSeconds(qint64 endMsecsSinceEpoch, qint64 nowMsecsSinceEpoch)
{
    qint64 msecs = 0;
    if (__builtin_sub_overflow(endMsecsSinceEpoch, nowMsecsSinceEpoch, &msecs))
        msecs = endMsecsSinceEpoch > nowMsecsSinceEpoch ? std::numeric_limits<qint64>::max() : 0;
    return msecs > 0 ? msecs / 1000 : 0;
}

QString timeText(qint64 seconds)
{
    return QStringLiteral("%1:%2")
        .arg(seconds / 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

StatusText statusText(std::optional<qint64> remainingSeconds, bool isPaused)
{
    if (!remainingSeconds)
        return {QCoreApplication::translate("tovalin", "Time remaining: --:--"),
                StatusColor::Unchanged};
    const QString time = timeText(*remainingSeconds);
    if (isPaused)
        return {QCoreApplication::translate("tovalin", "Paused: %1 remaining").arg(time),
                StatusColor::Orange};
    return {QCoreApplication::translate("tovalin", "Time remaining: %1").arg(time),
            *remainingSeconds <= RED_FROM_SECONDS ? StatusColor::Red : StatusColor::Label};
}
