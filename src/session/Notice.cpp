#include "session/Notice.h"

#include "session/Minutes.h"

#include <QCoreApplication>
#include <algorithm>

namespace {
constexpr qint64 FIRST_NOTICE_MSECS = 5 * MSECS_PER_MINUTE;
constexpr qint64 LAST_NOTICE_MSECS = 1 * MSECS_PER_MINUTE;
} // namespace

std::optional<Notice> dueNotice(qint64 endMsecs, qint64 nowMsecs,
                                std::optional<qint64> lastMarkMsecs)
{
    qint64 left = 0;
    if (__builtin_sub_overflow(endMsecs, nowMsecs, &left) || left <= 0 || left > FIRST_NOTICE_MSECS)
        return std::nullopt;
    const qint64 mark =
        endMsecs - (left > LAST_NOTICE_MSECS ? FIRST_NOTICE_MSECS : LAST_NOTICE_MSECS);
    // The last minute's notice, once given, also stands for the 5 minutes' should the clock be
    // set back into them.
    if (lastMarkMsecs && (*lastMarkMsecs == mark || *lastMarkMsecs == endMsecs - LAST_NOTICE_MSECS))
        return std::nullopt;
    // The nearest whole minute, at least one: the tick just past 5:00 still says 5.
    return Notice{std::max<qint64>(1, (left + MSECS_PER_MINUTE / 2) / MSECS_PER_MINUTE), mark};
}

QString noticeText(qint64 minutes)
{
    const int n = int(minutes);
    // Two texts, so that English needs no catalogue of its own for its plural; every language
    // gives all of its plural forms for both.
    return n == 1 ? QCoreApplication::translate("tovalin", "%n minute left", nullptr, n)
                  : QCoreApplication::translate("tovalin", "%n minutes left", nullptr, n);
}
