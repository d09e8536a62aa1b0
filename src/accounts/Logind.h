#pragma once

// logind on the system bus, for tovalin-watch and tovalin-child: the accounts it has users for,
// and ending or unlingering one.
#include "platform/Result.h"

#include <QList>
#include <QString>
#include <sys/types.h>

namespace accounts::logind {

inline const QString SERVICE = QStringLiteral("org.freedesktop.login1");
inline const QString PATH = QStringLiteral("/org/freedesktop/login1");
inline const QString MANAGER = QStringLiteral("org.freedesktop.login1.Manager");

// The uids logind has a user for (logged in or lingering).
platform::Result<QList<uid_t>> users();
// Ends every session and process of the account, its user manager among them; true too where
// logind has no user for it.
platform::Result<> terminateUser(uid_t uid);
// Stops logind starting the account's user manager at boot.
platform::Result<> disableLinger(uid_t uid);

} // namespace accounts::logind
