#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace platform {

// A file an administrator leaves for Tovalin in /etc/tovalin, as Tovalin finds it.
struct TrustedFile
{
    enum Kind
    {
        Absent,  // no file
        Usable,  // content holds its start
        Refused, // there, but not to be trusted, or not readable
    };
    Kind kind = Absent;
    QByteArray content;
};

// Reads up to maxBytes of the file, trusting it only where nobody but its owner, who must be
// trustedOwner, could have written it or swapped it: a regular file in a folder of that owner,
// neither writable by others.
TrustedFile readTrustedFile(const QString &path, uid_t trustedOwner, qint64 maxBytes);

} // namespace platform
