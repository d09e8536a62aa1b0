#include "web/UserAgent.h"

#include "platform/Clock.h"
#include "platform/TrustedFile.h"

#include <QRegularExpression>
#include <QWebEngineProfile>
#include <QtWebEngineCore/qtwebenginecoreglobal.h>
#include <algorithm>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QWebEngineClientHints>
#endif

namespace web {

namespace {
// Chrome's published release cadence: a new major version reaches the stable channel every four
// weeks, here counted from Chrome 132's stable release. The sites support the last few Chrome
// versions and refuse older ones, while an engine stays on the Chromium it was built on for years
// (Debian 12's on 102, Debian 13's on 122); so Tovalin presents the version that the cadence has
// reached by today. Chrome skips a week or two some years, so the count may run a version or
// two ahead of the real stable line: a site takes a version just ahead of its list, never one
// far behind it. A clock set back never takes it below the engine's own version.
constexpr int CADENCE_DAYS = 28;
constexpr int ANCHOR_MAJOR = 132;
const QDate ANCHOR_DATE(2025, 1, 14);

constexpr qsizetype LONGEST_USER_AGENT = 512;

// A user agent fit for a header: one line of printable ASCII.
bool fitForHeader(const QByteArray &line)
{
    return !line.isEmpty() && line.size() <= LONGEST_USER_AGENT &&
           std::all_of(line.begin(), line.end(), [](char c) { return c >= 0x20 && c < 0x7f; });
}

int engineChromiumMajor()
{
    return QByteArray(qWebEngineChromiumVersion()).split('.').first().toInt();
}
} // namespace

int presentedChromeMajor(int engineChromiumMajor, QDate today)
{
    const qint64 days = ANCHOR_DATE.daysTo(today);
    // Whole cycles, rounded down before the anchor too.
    const qint64 cycles =
        days >= 0 ? days / CADENCE_DAYS : -((-days + CADENCE_DAYS - 1) / CADENCE_DAYS);
    return int(std::max<qint64>(engineChromiumMajor, ANCHOR_MAJOR + cycles));
}

QString chromeUserAgent(int chromeMajor)
{
    return QStringLiteral("Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) "
                          "Chrome/%1.0.0.0 Safari/537.36")
        .arg(chromeMajor);
}

UserAgentChoice chooseUserAgent(const QString &overridePath, uid_t trustedOwner, QDate today)
{
    const QString derived = chromeUserAgent(presentedChromeMajor(engineChromiumMajor(), today));
    const platform::TrustedFile file =
        platform::readTrustedFile(overridePath, trustedOwner, LONGEST_USER_AGENT + 2);
    if (file.kind == platform::TrustedFile::Absent)
        return {UserAgentChoice::BuiltIn, derived};
    const QByteArray line = file.content.split('\n').first().trimmed();
    if (file.kind == platform::TrustedFile::Refused || !fitForHeader(line))
        return {UserAgentChoice::Ignored, derived};
    return {UserAgentChoice::Administrator, QString::fromLatin1(line)};
}

void applyUserAgent(QWebEngineProfile *profile)
{
    const QString userAgent = chooseUserAgent(platform::ADMIN_FOLDER.file(USER_AGENT_FILE),
                                              platform::ADMIN_FOLDER.owner, platform::now().date())
                                  .userAgent;
    profile->setHttpUserAgent(userAgent);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // Qt 6.8 lets the high-entropy hints (navigator.userAgentData.getHighEntropyValues() and the
    // Sec-CH-UA-Full-Version-List header a site asks for) be set: they name the same Chrome. The
    // brands of Sec-CH-UA and navigator.userAgentData.brands cannot be set through Qt; they stay
    // the engine's own Chromium major.
    QWebEngineClientHints *hints = profile->clientHints();
    const QRegularExpressionMatch chrome =
        QRegularExpression(QStringLiteral("Chrome/(\\d+)")).match(userAgent);
    if (!chrome.hasMatch()) {
        // Another browser's user agent: the hints would say Chromium, so they say no more than
        // they must.
        hints->setAllClientHintsEnabled(false);
        return;
    }
    const QString version = chrome.captured(1) + QStringLiteral(".0.0.0");
    hints->setPlatform(QStringLiteral("Linux"));
    hints->setIsMobile(false);
    hints->setFullVersion(version);
    hints->setFullVersionList({{QStringLiteral("Google Chrome"), version},
                               {QStringLiteral("Chromium"), version},
                               {QStringLiteral("Not_A Brand"), QStringLiteral("24.0.0.0")}});
#endif
}

} // namespace web
