// tovalin-session-check: run by pam_exec when a session opens (the PAM profile "tovalin"); exits 0
// where the login may go on. pam_exec hands it the PAM items and the PAM environment as its own
// environment. A refusal is logged to the system journal, so a parent can find out why.
#include "accounts/System.h"

#include <syslog.h>

using namespace accounts;

int main()
{
    const QString user = qEnvironmentVariable("PAM_USER");
    openlog("tovalin-session-check", LOG_PID, LOG_AUTHPRIV);
    const Account account = readAccount(user);
    // pam_succeed_if runs this only for a member of the group, so an account that cannot be read
    // now is taken for one.
    const bool unreadable = !account.exists || account.groups.isEmpty();
    if (unreadable)
        syslog(LOG_WARNING, "cannot read the account %s or its groups; judged as a child account",
               qPrintable(user));
    accounts::LoginRequest request{qEnvironmentVariable("PAM_SERVICE"),
                                   qEnvironmentVariable("PAM_TYPE"),
                                   unreadable || account.groups.contains(CHILD_GROUP),
                                   {},
                                   std::nullopt};
    if (request.member) {
        request.recordedSession = recordedSession(user);
        request.lingers = lingers(user);
        for (const char *variable : {"XDG_SESSION_DESKTOP", "DESKTOP_SESSION", "GDMSESSION"})
            if (qEnvironmentVariableIsSet(variable))
                request.environment.insert(QString::fromLatin1(variable),
                                           qEnvironmentVariable(variable));
    }
    const LoginVerdict verdict = judgeLogin(request);
    if (!verdict.allowed)
        syslog(LOG_WARNING, "refused the child account %s a session through %s: %s",
               qPrintable(user), qPrintable(request.service), qPrintable(verdict.reason));
    closelog();
    return verdict.allowed ? 0 : 1;
}
