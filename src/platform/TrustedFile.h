#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace platform {

// The administrator's folder, and the owner that its files must have to be trusted. Each file
// in it is named where it is read (PASSWORD_FILE, USER_AGENT_FILE and the account tools' kept
// sessions); tovalin-check's folder argument and tests move the folder, tests its owner too.
struct AdminFolder
{
    QString path;
    uid_t owner = 0;

    QString file(const QString &name) const { return path + u'/' + name; }
};

// Root's own, the one Tovalin reads.
inline const AdminFolder ADMIN_FOLDER{QStringLiteral("/etc/tovalin"), 0};

// A file an administrator leaves for Tovalin in the administrator's folder, as Tovalin finds it.
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
