#pragma once

#include <QDateTime>
#include <QStringView>
#include <optional>

inline constexpr qint64 MSECS_PER_MINUTE = 60 * 1000;

// A typed number of minutes: an optional single sign, then one or more ASCII digits and nothing
// else, at least 1, and small enough that the count in seconds fits a signed 64-bit integer.
std::optional<qint64> parseMinutes(QStringView text);

// The instant a number of minutes after another, or nothing when it would fall outside the
// instants that the clock and the store can hold.
std::optional<QDateTime> addMinutes(const QDateTime &from, qint64 minutes);

// The end a typed number of minutes after an instant, or nothing when the text is unusable or
// the end out of range.
std::optional<QDateTime> endAfterMinutes(const QDateTime &from, QStringView text);

// What "Set Timer" proposes: the remaining time in minutes, rounded up, at least 1.
qint64 proposedMinutes(qint64 remainingMsecs);
