#pragma once

#include <QDate>
#include <QString>
#include <sys/types.h>

class QWebEngineProfile;

namespace web {

// The administrator's file that may set another user agent: one line.
inline const QString USER_AGENT_FILE = QStringLiteral("user-agent");

// The Chrome major version Tovalin presents on the given day, for an engine built on the given
// Chromium major.
int presentedChromeMajor(int engineChromiumMajor, QDate today);

// Chrome's own user agent on Linux for that major, with the minor parts zeroed as Chrome sends.
QString chromeUserAgent(int chromeMajor);

struct UserAgentChoice
{
    enum Source
    {
        BuiltIn,       // the rule above
        Administrator, // the administrator's file
        Ignored,       // the rule above, as the administrator's file is not to be trusted
    };
    Source source = BuiltIn;
    QString userAgent;
};

// The user agent in force: the administrator's file where it is sound, the rule otherwise.
UserAgentChoice chooseUserAgent(const QString &overridePath, uid_t trustedOwner, QDate today);

// Sets the profile's user agent, and its client hints where the engine allows, to the one in
// force today.
void applyUserAgent(QWebEngineProfile *profile);

} // namespace web
