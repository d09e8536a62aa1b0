#pragma once

#include <QString>

class QTextStream;

namespace check {

// The administrator's files that the check reads; tests point them elsewhere.
struct CheckSettings
{
    QString passwordFile;
    QString userAgentFile;
};

// Looks at this machine and this account as Tovalin would and prints what it finds, one line
// each, with an overall verdict last. Changes nothing and reaches no network. Returns the exit
// status: 0 where the child's site can play, 1 where it cannot. Needs the application object.
int runCheck(const CheckSettings &settings, QTextStream &out);

} // namespace check
