#include "web/Profile.h"

#include "web/ContentWindowGuard.h"
#include "web/UserAgent.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QStandardPaths>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {
// Time enough, with room to spare, for the engine to close a profile's files on a busy machine.
constexpr qint64 SETTLE_MSECS = 1000;

QPointer<QWebEngineProfile> current;
int pagesOnCurrent = 0;
QElapsedTimer sinceLastEnded;

QWebEngineProfile *makeProfile()
{
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
    return made;
}
} // namespace

QWebEngineProfile *sharedProfile()
{
    static const bool guarded = [] {
        QCoreApplication::instance()->installEventFilter(
            new ContentWindowGuard(QCoreApplication::instance()));
        return true;
    }();
    Q_UNUSED(guarded);
    if (!current)
        current = makeProfile();
    return current;
}

// At the lock the page goes first: deleting it (its WebContents) ends its frames, their scripts
// and dedicated workers, and the requests they have under way, except keep-alive ones; a drag it
// holds is cancelled just before (WebViewLifecycle.cpp) and its pop-ups are the view's children.
// What deleting the profile then ends, in the engine's browser process (Qt WebEngine 6.4 and 6.8
// alike: ~ProfileAdapter calls BrowserContext::NotifyWillBeDestroyed, then the storage partition
// and its network context go with ProfileQt):
// - service workers: their context is shut down, which stops every running worker;
// - shared workers and whatever else holds a renderer alive without a page (keep-alive requests
//   such as beacons and fetch(..., {keepalive: true})): each renderer of the profile has its
//   keep-alive count disabled, so it exits once its last frame has gone;
// - requests still under way: their network context is torn down with the storage partition.
// Neither version offers a call that stops a profile's workers short of deleting it. The
// cookies and storage are on disk; a profile of the same name and paths finds them again.
void endProfileAfter(QWebEnginePage *page)
{
    ++pagesOnCurrent;
    QObject::connect(page, &QObject::destroyed, [] {
        --pagesOnCurrent;
        // Once the page's own teardown has run to the end, unless a new page has come meanwhile.
        QTimer::singleShot(0, current.data(), [] {
            if (pagesOnCurrent == 0) {
                delete current.data();
                sinceLastEnded.start();
            }
        });
    });
}

void afterStorageSettles(QObject *context, std::function<void()> function)
{
    const qint64 left = sinceLastEnded.isValid() ? SETTLE_MSECS - sinceLastEnded.elapsed() : 0;
    if (left > 0)
        QTimer::singleShot(int(left), context, std::move(function));
    else
        function();
}
