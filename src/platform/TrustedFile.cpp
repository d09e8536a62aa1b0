#include "platform/TrustedFile.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace platform {

namespace {
bool ownedAndClosed(const QByteArray &path, uid_t owner, bool folder)
{
    struct stat info{};
    if (lstat(path.constData(), &info) != 0 || info.st_uid != owner ||
        (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return false;
    return folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode);
}
} // namespace

TrustedFile readTrustedFile(const QString &path, uid_t trustedOwner, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info{};
    if (lstat(name.constData(), &info) != 0 && errno == ENOENT)
        return {};
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!ownedAndClosed(name, trustedOwner, false) || !ownedAndClosed(folder, trustedOwner, true) ||
        !file.open(QIODevice::ReadOnly))
        return {TrustedFile::Refused, {}};
    return {TrustedFile::Usable, file.read(maxBytes)};
}

} // namespace platform
