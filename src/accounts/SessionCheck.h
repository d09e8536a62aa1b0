#pragma once

// What the session check reads of the system at a child account's login. root is "/" on a real
// system; the test suite gives a folder that stands for one.
#include "accounts/ChildAccount.h"

namespace accounts {

// The socket where tovalin-watch answers.
inline const QString WATCH_SOCKET = QStringLiteral("/run/tovalin/watch");

// Which of Tovalin's session entries the login screen can start.
SessionEntries sessionEntries(const QString &root);
// Whether tovalin-watch answers "ok" on the socket within a second.
bool watcherAnswers(const QString &socket);
// Everything judgeLogin() needs beyond what PAM told: AccountsService's file, lingering, the
// entries, the watcher and the home check.
void readSystemFacts(LoginRequest &request, const QString &name, const std::optional<QString> &home,
                     const QString &root, const QString &socket);

} // namespace accounts
