#pragma once

#include "accounts/SessionPrograms.h"

#include <QHash>
#include <QSet>
#include <optional>
#include <sys/types.h>

namespace accounts {

// The processes running as the given uids (their effective uid), read from /proc; zombies
// aside.
QHash<uid_t, QList<RunningProcess>> readProcesses(const QSet<uid_t> &uids,
                                                  std::optional<int> session);
// SIGKILL to each of them.
void killAll(const QList<RunningProcess> &processes);

} // namespace accounts
