#include "check/Check.h"

#include "accounts/ChildAccount.h"
#include "accounts/SessionCheck.h"
#include "accounts/System.h"
#include "app/StoreSchema.h"
#include "check/MediaProbe.h"
#include "check/Widevine.h"
#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/PasswordFile.h"
#include "platform/RenderingPath.h"
#include "platform/Store.h"
#include "web/UserAgent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QTextStream>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>

namespace check {

namespace {
// Long enough for a cold start of the engine on a slow machine, well short of five seconds.
constexpr int ENGINE_TIMEOUT_MSECS = 3500;

struct Report
{
    QTextStream &out;
    QStringList blockers;

    void line(const QString &label, const QString &text)
    {
        out << QCoreApplication::translate("tovalin-check", "%1: %2").arg(label, text) << '\n';
    }
    void block(const QString &why) { blockers << why; }
};

void engine(Report &report)
{
    QString text =
        QCoreApplication::translate("tovalin-check", "Qt WebEngine %1, based on Chromium %2")
            .arg(QLatin1String(qWebEngineVersion()), QLatin1String(qWebEngineChromiumVersion()));
    const QLatin1String security(qWebEngineChromiumSecurityPatchVersion());
    if (!QLatin1String(qWebEngineChromiumVersion()).startsWith(security))
        text +=
            QCoreApplication::translate("tovalin-check", ", with security fixes up to Chromium %1")
                .arg(security);
    report.line(QCoreApplication::translate("tovalin-check", "Engine"), text);
}

void userAgent(Report &report, const platform::AdminFolder &folder)
{
    const QString path = folder.file(web::USER_AGENT_FILE);
    const web::UserAgentChoice choice =
        web::chooseUserAgent(path, folder.owner, platform::now().date());
    QString source;
    switch (choice.source) {
    case web::UserAgentChoice::BuiltIn:
        source = QCoreApplication::translate("tovalin-check", "built in");
        break;
    case web::UserAgentChoice::Administrator:
        source = QCoreApplication::translate("tovalin-check", "from %1").arg(path);
        break;
    case web::UserAgentChoice::Ignored:
        source = QCoreApplication::translate(
                     "tovalin-check",
                     "built in; %1 is ignored: it must be one line in a file owned by root that "
                     "no other account may write, in a folder of the same kind")
                     .arg(path);
        break;
    }
    report.line(QCoreApplication::translate("tovalin-check", "User agent"),
                choice.userAgent + QStringLiteral(" (") + source + u')');
}

void widevine(Report &report)
{
    const QString label = QCoreApplication::translate("tovalin-check", "Widevine module");
    // In a child account Tovalin has the engine look where a machine-wide installation puts the
    // module, never in the home, which is the child's to write (keepWidevineMachineWide()).
    const bool child = accounts::runsInChildAccount();
    const QString found = firstExisting(
        widevineSearchOrder(platform::engineArguments(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")),
                            widevinePlaces(child ? QString() : QDir::homePath()), child));
    if (found.isEmpty()) {
        report.line(
            label, child ? QCoreApplication::translate(
                               "tovalin-check",
                               "not found. In a child account the engine takes it only from where "
                               "a machine-wide installation puts it, never from the home: install "
                               "a browser that brings it (Google Chrome) for the whole machine, so "
                               "that libwidevinecdm.so ends up in /opt/google/chrome/WidevineCdm/"
                               "_platform_specific/linux_x64/ or /opt/google/chrome/")
                         : QCoreApplication::translate(
                               "tovalin-check",
                               "not found. Install a browser that brings it (Google Chrome) in "
                               "this account, so that libwidevinecdm.so ends up in "
                               "~/.config/google-chrome/WidevineCdm/VERSION/_platform_specific/"
                               "linux_x64/ or /opt/google/chrome/WidevineCdm/_platform_specific/"
                               "linux_x64/, or name it with "
                               "QTWEBENGINE_CHROMIUM_FLAGS=\"--widevine-path=PATH\". A child "
                               "account takes it only from where a machine-wide installation "
                               "puts it, never from the home"));
        report.block(QCoreApplication::translate("tovalin-check", "no Widevine module"));
    } else if (!looksLikeLibrary(found)) {
        report.line(label, QCoreApplication::translate(
                               "tovalin-check",
                               "%1 is there, but it is no library (empty or damaged): install "
                               "it again from the browser that brings it")
                               .arg(found));
        report.block(QCoreApplication::translate("tovalin-check", "a damaged Widevine module"));
    } else if (!child && found.startsWith(QDir::homePath() + u'/')) {
        // Run before the account becomes a child account, this is what the parent must know.
        report.line(label, QCoreApplication::translate(
                               "tovalin-check",
                               "found at %1, in this account's home: a child account never takes "
                               "it from there, only from where a machine-wide installation puts "
                               "it (/opt/google/chrome/)")
                               .arg(found));
    } else {
        report.line(label, QCoreApplication::translate("tovalin-check", "found at %1").arg(found));
    }
}

void media(Report &report)
{
    const MediaAnswers answers = askEngine(ENGINE_TIMEOUT_MSECS);
    if (!answers.answered) {
        report.line(
            QCoreApplication::translate("tovalin-check", "Media"),
            QCoreApplication::translate("tovalin-check", "the engine did not answer within %1 s")
                .arg(ENGINE_TIMEOUT_MSECS / 1000.0));
        report.block(QCoreApplication::translate("tovalin-check", "the engine did not answer"));
        return;
    }
    const auto playable = [&](const QString &label, const QString &canPlay, bool source,
                              const QString &blocker) {
        const QString answer =
            QCoreApplication::translate("tovalin-check",
                                        "canPlayType \"%1\", MediaSource.isTypeSupported %2")
                .arg(canPlay, source ? QStringLiteral("true") : QStringLiteral("false"));
        const bool plays = mediaPlays(canPlay, source);
        report.line(label,
                    (plays ? QCoreApplication::translate("tovalin-check", "plays (%1)")
                           : QCoreApplication::translate("tovalin-check", "does not play (%1)"))
                        .arg(answer));
        if (!plays)
            report.block(blocker);
    };
    playable(QCoreApplication::translate("tovalin-check", "H.264 video in MP4"),
             answers.videoCanPlay, answers.videoSource,
             QCoreApplication::translate("tovalin-check", "no H.264 video"));
    playable(QCoreApplication::translate("tovalin-check", "AAC audio in MP4"), answers.audioCanPlay,
             answers.audioSource, QCoreApplication::translate("tovalin-check", "no AAC audio"));
    const QString label =
        QCoreApplication::translate("tovalin-check", "Encrypted media (Widevine)");
    if (answers.keySystemError.isEmpty()) {
        report.line(label, QCoreApplication::translate("tovalin-check", "can be requested"));
    } else {
        report.line(label, QCoreApplication::translate("tovalin-check", "refused (%1)")
                               .arg(answers.keySystemError));
        report.block(QCoreApplication::translate("tovalin-check", "encrypted media refused"));
    }
}

void rendering(Report &report, const QString &renderer)
{
    const QString label = QCoreApplication::translate("tovalin-check", "Rendering");
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        report.line(label, QCoreApplication::translate(
                               "tovalin-check",
                               "not known without a display: run tovalin-check on the desktop "
                               "the child will use"));
        return;
    }
    const QString found =
        renderer.isEmpty()
            ? QCoreApplication::translate("tovalin-check", "no usable OpenGL")
            : QCoreApplication::translate("tovalin-check", "OpenGL renderer: %1").arg(renderer);
    report.line(label,
                (platform::renderingPathFor(renderer) == platform::RenderingPath::Software
                     ? QCoreApplication::translate("tovalin-check", "composited in software (%1)")
                     : QCoreApplication::translate("tovalin-check", "composited on the GPU (%1)"))
                    .arg(found));
}

void password(Report &report, const platform::AdminFolder &folder)
{
    const QString label = QCoreApplication::translate("tovalin-check", "Parental password");
    const QString path = folder.file(platform::PASSWORD_FILE);
    switch (platform::readPasswordFile(path, folder.owner).kind) {
    case platform::TrustedFile::Absent:
        report.line(label, QCoreApplication::translate("tovalin-check",
                                                       "the built-in one (%1 is not there)")
                               .arg(path));
        break;
    case platform::TrustedFile::Usable:
        report.line(
            label,
            QCoreApplication::translate("tovalin-check", "the parent's own, from %1").arg(path));
        break;
    case platform::TrustedFile::Refused:
        report.line(label, QCoreApplication::translate(
                               "tovalin-check",
                               "%1 is broken or not safe to trust, so no password opens Tovalin. "
                               "Repair: sudo tovalin-set-password")
                               .arg(path));
        report.block(QCoreApplication::translate("tovalin-check", "no password opens Tovalin"));
        break;
    }
}

// Whether GDM runs X alone here: WaylandEnable=false in its configuration, or in the file where
// its udev rules turn Wayland off for this machine's graphics (Debian 13's gdm3: 61-gdm.rules
// runs "gdm-runtime-config set daemon WaylandEnable false", which writes /run/gdm3/custom.conf).
bool gdmRunsXAlone()
{
    for (const char *path : {"/run/gdm3/custom.conf", "/etc/gdm3/daemon.conf"}) {
        QFile file(QString::fromLatin1(path));
        const std::optional<QString> value =
            file.open(QIODevice::ReadOnly)
                ? accounts::keyFileValue(QString::fromUtf8(file.read(1 << 20)),
                                         QStringLiteral("daemon"), QStringLiteral("WaylandEnable"))
                : std::nullopt;
        if (value == u"false" || value == u"0")
            return true;
    }
    return false;
}

void childSession(Report &report)
{
    // As the session check judges a child account's login (src/accounts/SessionCheck.cpp).
    const accounts::SessionEntries entries = accounts::sessionEntries(QString());
    const QString missing = entries.missing.join(QStringLiteral(", "));
    QString text;
    if (!entries.wayland)
        text = QCoreApplication::translate(
                   "tovalin-check",
                   "cannot run, so child accounts cannot log in: missing %1 (sudo apt-get install "
                   "--reinstall tovalin cage xwayland)")
                   .arg(missing);
    else if (!entries.x11 && gdmRunsXAlone())
        text = QCoreApplication::translate(
                   "tovalin-check",
                   "cannot run, so child accounts cannot log in: GDM here runs X alone "
                   "(WaylandEnable=false), and Tovalin's session for X11 is missing %1 (sudo "
                   "apt-get install --reinstall tovalin)")
                   .arg(missing);
    else if (!entries.x11)
        text = QCoreApplication::translate("tovalin-check",
                                           "can run on Wayland only: a login screen that runs X "
                                           "alone cannot start it (missing %1)")
                   .arg(missing);
    else
        text = QCoreApplication::translate("tovalin-check", "can run, on Wayland and on X11");
    report.line(QCoreApplication::translate("tovalin-check", "Child's session"), text);

    const QString label = QCoreApplication::translate("tovalin-check", "Child accounts");
    const QStringList names = accounts::childMembers();
    if (!accounts::childGroupExists())
        report.line(label, QCoreApplication::translate("tovalin-check",
                                                       "none (the group %1 is not present)")
                               .arg(accounts::CHILD_GROUP));
    else if (names.isEmpty())
        report.line(label, QCoreApplication::translate("tovalin-check",
                                                       "none (the group %1 has no members)")
                               .arg(accounts::CHILD_GROUP));
    else
        report.line(label, names.join(QStringLiteral(", ")));
}

void session(Report &report)
{
    const QString label = QCoreApplication::translate("tovalin-check", "Session");
    const platform::Store store(platform::Store::ReadOnly);
    const QString path = store.file();
    QFile file(path);
    if (file.exists() && !file.open(QIODevice::ReadOnly)) {
        report.line(label, QCoreApplication::translate(
                               "tovalin-check",
                               "%1 cannot be read, so Tovalin keeps no session until it can "
                               "(it must be a file that this account may read and write)")
                               .arg(path));
        return;
    }
    const std::optional<QDateTime> endTime = store.date(storekeys::END_TIME);
    QString state;
    if (!endTime)
        state = QCoreApplication::translate("tovalin-check", "no session");
    else if (*endTime <= platform::now())
        state =
            QCoreApplication::translate("tovalin-check", "locked (the last session ended at %1)")
                .arg(QLocale().toString(endTime->toLocalTime(), QLocale::ShortFormat));
    else if (store.boolean(storekeys::IS_PAUSED))
        state = QCoreApplication::translate("tovalin-check", "paused");
    else
        state = QCoreApplication::translate("tovalin-check", "running until %1")
                    .arg(QLocale().toString(endTime->toLocalTime(), QLocale::ShortFormat));
    report.line(label, QCoreApplication::translate("tovalin-check", "%1, in %2").arg(state, path));
}
} // namespace

int runCheck(const platform::AdminFolder &folder, QTextStream &out)
{
    Report report{out, {}};
    engine(report);
    userAgent(report, folder);
    widevine(report);
    // The engine runs on the path Tovalin would take, so it answers as it would in Tovalin.
    const QString renderer = platform::probeOpenGLRenderer();
    platform::useRenderingPath(platform::renderingPathFor(renderer));
    media(report);
    rendering(report, renderer);
    password(report, folder);
    childSession(report);
    session(report);
    const QString verdict = QCoreApplication::translate("tovalin-check", "Verdict");
    if (report.blockers.isEmpty()) {
        report.line(verdict,
                    QCoreApplication::translate("tovalin-check", "the child's site can play here"));
        return 0;
    }
    report.line(verdict, QCoreApplication::translate("tovalin-check",
                                                     "the child's site cannot play here: %1")
                             .arg(report.blockers.join(QStringLiteral(", "))));
    return 1;
}

} // namespace check
