#include "platform/PasswordFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <sodium.h>

namespace platform {

namespace {
bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}
} // namespace

TrustedFile readPasswordFile(const QString &path, uid_t trustedOwner)
{
    const TrustedFile file = readTrustedFile(path, trustedOwner, crypto_pwhash_STRBYTES + 1);
    if (file.kind != TrustedFile::Usable)
        return file;
    QByteArray hash = file.content;
    if (hash.endsWith('\n'))
        hash.chop(1);
    if (!hash.startsWith(crypto_pwhash_argon2id_STRPREFIX) ||
        hash.size() >= crypto_pwhash_STRBYTES || hash.contains('\n') || hash.contains('\0'))
        return {TrustedFile::Refused, {}};
    return {TrustedFile::Usable, hash};
}

bool passwordMatchesHash(const QByteArray &hash, const QString &typed)
{
    const QByteArray secret = typed.toUtf8();
    return sodiumReady() &&
           crypto_pwhash_str_verify(hash.constData(), secret.constData(),
                                    static_cast<unsigned long long>(secret.size())) == 0;
}

Result<> writePasswordFile(const QString &path, const QString &password)
{
    const QByteArray secret = password.toUtf8();
    char hash[crypto_pwhash_STRBYTES];
    // Interactive limits: a check takes well under a second here, a guess just as long.
    if (!sodiumReady() ||
        crypto_pwhash_str(hash, secret.constData(), static_cast<unsigned long long>(secret.size()),
                          crypto_pwhash_OPSLIMIT_INTERACTIVE,
                          crypto_pwhash_MEMLIMIT_INTERACTIVE) != 0) {
        return Failure{QCoreApplication::translate("tovalin-set-password",
                                                   "the password could not be hashed")};
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly) || file.write(hash) < 0 || file.write("\n") < 0 ||
        !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                             QFile::ReadOther) ||
        !file.commit())
        return Failure{file.errorString()};
    return {};
}

} // namespace platform
