#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

enum class StatusColor
{
    Unchanged,
    Label,
    Red,
    Orange
};

struct StatusText
{
    QString text;
    StatusColor color;
};

// Whole seconds from now until the end, truncated toward zero and never negative. Defined for
// every pair of instants, however far apart.
qint64 remainingSeconds(qint64 endMsecsSinceEpoch, qint64 nowMsecsSinceEpoch);

// "MM:SS" with at least two digits each; the minutes are not capped.
QString timeText(qint64 seconds);

// The countdown's text: remainingSeconds is empty when there is no session.
StatusText statusText(std::optional<qint64> remainingSeconds, bool isPaused);
