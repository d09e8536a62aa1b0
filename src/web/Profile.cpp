#include "web/Profile.h"

#include "web/ContentWindowGuard.h"
#include "web/UserAgent.h"

#include <QCoreApplication>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

QWebEngineProfile *sharedProfile()
{
    static QWebEngineProfile *profile = [] {
        auto *made = new QWebEngineProfile(QStringLiteral("Tovalin"), QCoreApplication::instance());
        const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        made->setPersistentStoragePath(data + QStringLiteral("/web"));
        made->setCachePath(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                           QStringLiteral("/web"));
        made->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
        web::applyUserAgent(made);
        // Web content never writes files of its own.
        QObject::connect(made, &QWebEngineProfile::downloadRequested,
                         [](QWebEngineDownloadRequest *download) { download->cancel(); });
        // An address of a scheme the engine cannot show fails to load; it is never handed to
        // the desktop, which would start another program.
        made->settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
        QCoreApplication::instance()->installEventFilter(
            new ContentWindowGuard(QCoreApplication::instance()));
        return made;
    }();
    return profile;
}
