#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// How long an answer to the password prompt waits before it is judged, after this many wrong
// answers in a row: nothing for the first three, then 1 s, doubling up to a minute.
qint64 passwordDelayMsecs(qint64 failedAttempts);

// What is left of that wait at `now`, counted from the last wrong answer. A last wrong answer
// in the future (a clock set back) never makes the wait longer than the delay itself.
qint64 remainingPasswordWaitMsecs(qint64 failedAttempts, qint64 lastFailureMsecs, qint64 nowMsecs);

// Whether two secrets are equal, taking the same time wherever they differ.
bool secretsEqual(QByteArrayView a, QByteArrayView b);
