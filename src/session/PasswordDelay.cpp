#include "session/PasswordDelay.h"

#include <algorithm>

namespace {
constexpr qint64 FREE_ATTEMPTS = 3;
constexpr qint64 FIRST_DELAY_MSECS = 1000;
constexpr qint64 LONGEST_DELAY_MSECS = 60 * 1000;
} // namespace

qint64 passwordDelayMsecs(qint64 failedAttempts)
{
    if (failedAttempts < FREE_ATTEMPTS)
        return 0;
    qint64 delay = FIRST_DELAY_MSECS;
    for (qint64 n = FREE_ATTEMPTS; n < failedAttempts && delay < LONGEST_DELAY_MSECS; ++n)
        delay *= 2;
    return std::min(delay, LONGEST_DELAY_MSECS);
}

qint64 remainingPasswordWaitMsecs(qint64 failedAttempts, qint64 lastFailureMsecs, qint64 nowMsecs)
{
    const qint64 delay = passwordDelayMsecs(failedAttempts);
    qint64 waited = 0;
    if (__builtin_sub_overflow(nowMsecs, lastFailureMsecs, &waited))
        waited = nowMsecs > lastFailureMsecs ? delay : 0;
    return delay - std::clamp(waited, qint64(0), delay);
}

bool secretsEqual(QByteArrayView a, QByteArrayView b)
{
    const qsizetype length = std::max(a.size(), b.size());
    unsigned difference = a.size() == b.size() ? 0 : 1;
    for (qsizetype i = 0; i < length; ++i) {
        const auto x = static_cast<unsigned char>(i < a.size() ? a[i] : 0);
        const auto y = static_cast<unsigned char>(i < b.size() ? b[i] : 0);
        difference |= unsigned(x ^ y);
    }
    return difference == 0;
}
