#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace platform {

// Where an administrator keeps the parent's own password, as a salted slow hash.
inline const QString PASSWORD_FILE_PATH = QStringLiteral("/etc/tovalin/password");

struct PasswordFile
{
    enum Kind
    {
        Absent,  // no file: the built-in password holds
        Usable,  // hash holds the password
        Refused, // there, but not to be trusted: no password opens anything
    };
    Kind kind = Absent;
    QByteArray hash;
};

// Reads the file, trusting it only where nobody but its owner, who must be trustedOwner, could
// have written it or swapped it: a regular file in a folder of that owner, not writable by others.
PasswordFile readPasswordFile(const QString &path, uid_t trustedOwner);

bool passwordMatchesHash(const QByteArray &hash, const QString &typed);

// Writes a hash of the password to the file in one step: a reader sees the old file or the new
// one, never a part. False with the reason in error when it could not.
bool writePasswordFile(const QString &path, const QString &password, QString *error);

} // namespace platform
