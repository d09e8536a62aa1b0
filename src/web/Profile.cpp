#include "web/Profile.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QWebEngineProfile>

QWebEngineProfile *sharedProfile()
{
    static QWebEngineProfile *profile = [] {
        auto *made = new QWebEngineProfile(QStringLiteral("Tovalin"), QCoreApplication::instance());
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        made->setPersistentStoragePath(data + QStringLiteral("/web"));
        made->setCachePath(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                           QStringLiteral("/web"));
        made->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
        return made;
    }();
    return profile;
}
