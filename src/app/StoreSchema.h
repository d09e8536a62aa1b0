#pragma once

#include <QString>

// The keys of the per-user store (platform::Store) and what each holds. Tovalin writes them
// (src/app/PersistedState.cpp); tovalin-check reads them, and the benchmark seeds them by reading
// this file, so each stays one line of this form.
namespace storekeys {

inline const QString END_TIME = QStringLiteral("endTime"); // a date; none where no session is
inline const QString SELECTED_SITE = QStringLiteral("selectedSite"); // a key of WEBSITES
inline const QString IS_LOCKED = QStringLiteral("isLocked");
inline const QString IS_PAUSED = QStringLiteral("isPaused");
inline const QString LAST_NOTICE = QStringLiteral("lastNotice"); // the last notice's mark, a date
inline const QString FAILED_ATTEMPTS = QStringLiteral("failedPasswordAttempts");        // a count
inline const QString LAST_FAILED_ATTEMPT = QStringLiteral("lastFailedPasswordAttempt"); // a date

} // namespace storekeys
