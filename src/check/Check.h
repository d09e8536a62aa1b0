#pragma once

#include "platform/TrustedFile.h"

class QTextStream;

namespace check {

// Looks at this machine and this account, and the administrator's files in the folder, as Tovalin
// would and prints what it finds, one line
// each, with an overall verdict last. Changes nothing and reaches no network. Returns the exit
// status: 0 where the child's site can play, 1 where it cannot. Needs the application object.
int runCheck(const platform::AdminFolder &folder, QTextStream &out);

} // namespace check
