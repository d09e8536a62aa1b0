#include "web/Profile.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
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
        // Web content never writes files of its own.
        QObject::connect(made, &QWebEngineProfile::downloadRequested,
                         [](QWebEngineDownloadRequest *download) { download->cancel(); });
        return made;
    }();
    return profile;
}
