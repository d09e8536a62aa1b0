#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// A notice on the bar before the end: the minutes it says are left, and its mark, the instant
// at which its stretch began (the end less 5 minutes, or less 1 minute), which records that it
// was given for this end.
struct Notice
{
    qint64 minutes;
    qint64 markMsecs;
};

// The notice due at `now` in a running session that ends at `end`, if any: one in the last 5
// minutes and one in the last minute, each once for each end. `lastMark` is the mark of the
// last notice given; the mark of another end counts as none, so a new end brings its notices
// anew. A session that comes to run within a stretch whose notice was not given (started,
// resumed or restarted there, or given an end there) gets it at once, saying the time that is
// actually left: a notice that fell while the session was paused or the program closed is not
// shown late as it was.
std::optional<Notice> dueNotice(qint64 endMsecs, qint64 nowMsecs,
                                std::optional<qint64> lastMarkMsecs);

// What a notice says: "5 minutes left", "1 minute left", translated.
QString noticeText(qint64 minutes);
