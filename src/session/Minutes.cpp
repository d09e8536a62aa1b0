#include "session/Minutes.h"

#include "platform/Clock.h"

#include <limits>

namespace {
constexpr qint64 SECONDS_PER_MINUTE = 60;
// The store keeps dates that the clock can print and read back; stay within ordinary years.
const QDateTime LATEST_END = platform::utcDateTime(QDate(9999, 12, 31), QTime(23, 59, 59, 999));
} // namespace

std::optional<qint64> parseMinutes(QStringView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        if (__builtin_mul_overflow(value, 10, &value) ||
            __builtin_add_overflow(value, qint64(c - u'0'), &value))
            return std::nullopt;
    }
    // Any negative count is below 1, so its magnitude need not reach 2^63.
    if (negative || value < 1)
        return std::nullopt;
    qint64 seconds = 0;
    if (__builtin_mul_overflow(value, SECONDS_PER_MINUTE, &seconds))
        return std::nullopt;
    return value;
}

std::optional<QDateTime> addMinutes(const QDateTime &from, qint64 minutes)
{
    qint64 msecs = 0;
    qint64 end = 0;
    if (!from.isValid() || __builtin_mul_overflow(minutes, MSECS_PER_MINUTE, &msecs) ||
        __builtin_add_overflow(from.toMSecsSinceEpoch(), msecs, &end) ||
        end > LATEST_END.toMSecsSinceEpoch())
        return std::nullopt;
    return platform::utcDateTime(end);
}

std::optional<QDateTime> endAfterMinutes(const QDateTime &from, QStringView text)
{
    const std::optional<qint64> minutes = parseMinutes(text);
    return minutes ? addMinutes(from, *minutes) : std::nullopt;
}

qint64 proposedMinutes(qint64 remainingMsecs)
{
    if (remainingMsecs <= 0)
        return 1;
    return remainingMsecs / MSECS_PER_MINUTE + (remainingMsecs % MSECS_PER_MINUTE != 0 ? 1 : 0);
}
