#pragma once

#include "platform/Result.h"
#include "platform/TrustedFile.h"

namespace platform {

// The administrator's file of the parent's own password, as a salted slow hash.
inline const QString PASSWORD_FILE = QStringLiteral("password");

// The file as Tovalin trusts it (see readTrustedFile), its content the hash: where it is absent
// the built-in password holds, where it is refused or holds no hash no password opens anything.
TrustedFile readPasswordFile(const QString &path, uid_t trustedOwner);

bool passwordMatchesHash(const QByteArray &hash, const QString &typed);

// Writes a hash of the password to the file in one step: a reader sees the old file or the new
// one, never a part.
Result<> writePasswordFile(const QString &path, const QString &password);

} // namespace platform
