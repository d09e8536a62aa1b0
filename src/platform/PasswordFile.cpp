#include "platform/PasswordFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <sodium.h>
#include <sys/stat.h>

namespace platform {

namespace {
bool ownedAndClosed(const QByteArray &path, uid_t owner, bool folder)
{
    struct stat info
    {
    };
    if (lstat(path.constData(), &info) != 0 || info.st_uid != owner ||
        (info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return false;
    return folder ? S_ISDIR(info.st_mode) : S_ISREG(info.st_mode);
}

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}
} // namespace

PasswordFile readPasswordFile(const QString &path, uid_t trustedOwner)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    if (lstat(name.constData(), &info) != 0 && errno == ENOENT)
        return {};
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!ownedAndClosed(name, trustedOwner, false) || !ownedAndClosed(folder, trustedOwner, true) ||
        !file.open(QIODevice::ReadOnly))
        return {PasswordFile::Refused, {}};
    QByteArray hash = file.read(crypto_pwhash_STRBYTES + 1);
    if (hash.endsWith('\n'))
        hash.chop(1);
    if (!hash.startsWith(crypto_pwhash_argon2id_STRPREFIX) ||
        hash.size() >= crypto_pwhash_STRBYTES || hash.contains('\n') || hash.contains('\0'))
        return {PasswordFile::Refused, {}};
    return {PasswordFile::Usable, hash};
}

bool passwordMatchesHash(const QByteArray &hash, const QString &typed)
{
    const QByteArray secret = typed.toUtf8();
    return sodiumReady() &&
           crypto_pwhash_str_verify(hash.constData(), secret.constData(),
                                    static_cast<unsigned long long>(secret.size())) == 0;
}

bool writePasswordFile(const QString &path, const QString &password, QString *error)
{
    const QByteArray secret = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    // Interactive limits: a check takes well under a second here, a guess just as long.
    if (!sodiumReady() ||
        crypto_pwhash_str(hash, secret.constData(), static_cast<unsigned long long>(secret.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        *error =
            QCoreApplication::translate("tovalin-set-password", "the password could not be hashed");
        return false;
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(hash) < 0 || file.write("\n") < 0 ||
        !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther) ||
        !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace platform
