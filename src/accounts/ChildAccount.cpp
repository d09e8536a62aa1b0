#include "accounts/ChildAccount.h"

#include <QCoreApplication>

namespace accounts {

using platform::Failure;
using platform::Result;

namespace {
// The display managers' services that log in to a session the account chose at the greeter.
const QStringList GDM_SERVICES{QStringLiteral("gdm-password"), QStringLiteral("gdm-autologin"),
                               QStringLiteral("gdm-fingerprint"), QStringLiteral("gdm-smartcard")};
const QStringList LIGHTDM_SERVICES{QStringLiteral("lightdm"), QStringLiteral("lightdm-autologin")};

LoginVerdict allow(const QString &reason)
{
    return {true, reason, {}};
}
LoginVerdict refuse(const QString &reason, const char *message)
{
    return {false, reason, QCoreApplication::translate("tovalin-session-check", message)};
}

// What the person at the login screen reads; the journal has the detail.
const char *const PICK_TOVALIN = QT_TRANSLATE_NOOP(
    "tovalin-session-check",
    "This account opens Tovalin's session alone: pick Tovalin at the login screen.");
const char *const LOGIN_SCREEN_ONLY = QT_TRANSLATE_NOOP(
    "tovalin-session-check", "This account logs in only at the login screen, to Tovalin.");
const char *const CANNOT_START = QT_TRANSLATE_NOOP(
    "tovalin-session-check",
    "Tovalin's session cannot start on this computer. A parent can run tovalin-check.");
const char *const NO_WATCHER =
    QT_TRANSLATE_NOOP("tovalin-session-check",
                      "Tovalin's watcher is not running, so this account cannot log in now.");
const char *const HOME_FILES = QT_TRANSLATE_NOOP(
    "tovalin-session-check",
    "This account's home holds files that would run at its login; a parent must remove them.");
const char *const NOT_NOW =
    QT_TRANSLATE_NOOP("tovalin-session-check", "This account cannot log in this way.");

// Whether a session of this type ("wayland", "x11") is one Tovalin's entries can start.
bool startable(const SessionEntries &entries, const QString &type)
{
    return (type == u"wayland" && entries.wayland) || (type == u"x11" && entries.x11);
}

QString shown(const std::optional<QString> &value)
{
    return value ? QStringLiteral("\"%1\"").arg(*value) : QStringLiteral("none");
}

QString groupHeader(const QString &line)
{
    return line.trimmed().mid(1).chopped(1);
}
bool isGroupHeader(const QString &line)
{
    // A lone "[" is no header: it would leave nothing to take the brackets off.
    const QString trimmed = line.trimmed();
    return trimmed.size() >= 2 && trimmed.startsWith(u'[') && trimmed.endsWith(u']');
}

// The key of a "key=value" line, or an empty string for a comment, a blank or a header.
QString lineKey(const QString &line)
{
    const QString trimmed = line.trimmed();
    if (trimmed.startsWith(u'#') || trimmed.startsWith(u'['))
        return {};
    const qsizetype equals = trimmed.indexOf(u'=');
    return equals < 0 ? QString() : trimmed.left(equals).trimmed();
}
} // namespace

// Decided when the session opens, the first point at which both display managers have settled
// the session; at account management neither has (GNOME/gdm and canonical/lightdm; older and
// newer sources agree on these calls, and debian/tests/pam-replay.c replays them):
// - LightDM, src/session-child.c, session_child_run(): "authentication_result =
//   pam_acct_mgmt (pam_handle, 0);", then, once the daemon sends the session, "for (i = 0; i <
//   env_length; i++) pam_putenv (pam_handle, read_string ());", then pam_setcred and
//   "result = pam_open_session (pam_handle, 0);". That environment comes from src/seat.c,
//   configure_session(): "session_set_env (session, "XDG_SESSION_DESKTOP", session_name);" and
//   the same for DESKTOP_SESSION and GDMSESSION, where greeter_start_session_cb() takes the
//   greeter's session_name and falls back to "user_get_xsession (user)" only
//   "if (!session_name)".
// - GDM, daemon/gdm-session.c, get_session_name(): "/* FIXME: test the session names before we
//   use them? */ if (self->priv->selected_session != NULL) return self->priv->selected_session;"
//   - the greeter's pick, unchecked. It reaches the PAM environment only when the program starts,
//   after the session opened. daemon/gdm-session-worker.c records it first: at the state
//   ACCREDITED (after pam_acct_mgmt and pam_setcred), save_account_details_now() calls
//   gdm_session_settings_save(), whose "act_user_set_session (user, settings->session_name);"
//   waits for accounts-daemon (accounts_user_call_set_session_sync), which writes the user's file
//   before it answers (user_change_session_authorized_cb(): save_extra_data); and
//   gdm_session_worker_open_session() asserts "worker->priv->state ==
//   GDM_SESSION_WORKER_STATE_ACCOUNT_DETAILS_SAVED" before "pam_open_session". So the file's
//   Session= is the pick by then. Should GDM fail to record it (accounts-daemon not answering),
//   the file holds an older session; the session variables are still checked in case they are
//   there.
// - GDM falls back to its default session when it finds the recorded one among no entries of its
//   session type, after it saved the recorded name (daemon/gdm-session.c, GDM 43: the fallback
//   around lines 577-655 and 1014-1041, used at 2582-2590). So the session type it runs
//   (XDG_SESSION_TYPE, which the worker puts into the PAM environment before it authenticates)
//   and the SessionType it may take from AccountsService must both be one that Tovalin has an
//   entry for, with every program the entry runs, or GNOME starts under Tovalin's name.
// - LightDM looks the session up in xsessions before wayland-sessions (data/lightdm.conf:
//   "#sessions-directory=/usr/share/lightdm/sessions:/usr/share/xsessions:/usr/share/
//   wayland-sessions") and does not check TryExec; Debian's /etc/X11/Xsession then falls back
//   to ~/.xsession (Xsession.d 20x11-common_process-args, 50x11-common_determine-startup), so
//   the entry's programs must be there too.
LoginVerdict judgeLogin(const LoginRequest &request)
{
    if (!request.member)
        return allow(QStringLiteral("not a child account"));
    if (request.phase == u"close_session")
        return allow(QStringLiteral("closing a session"));
    if (request.phase != u"open_session")
        return refuse(QStringLiteral("unexpected PAM phase %1").arg(shown(request.phase)), NOT_NOW);
    const bool gdm = GDM_SERVICES.contains(request.service);
    const bool lightdm = LIGHTDM_SERVICES.contains(request.service);
    const bool userManager = request.service == u"systemd-user";
    if (!gdm && !lightdm && !userManager)
        return refuse(QStringLiteral("the service %1 is not a login to Tovalin's session")
                          .arg(shown(request.service)),
                      LOGIN_SCREEN_ONLY);
    // Whatever the service, a session that names itself is Tovalin's or none.
    for (const SessionVariable &variable : SESSION_VARIABLES) {
        const auto found = request.environment.constFind(variable.name);
        if (variable.namesSession && found != request.environment.cend() && *found != CHILD_SESSION)
            return refuse(QStringLiteral("%1 names the session \"%2\"").arg(variable.name, *found),
                          PICK_TOVALIN);
    }
    if (!request.entries.wayland)
        return refuse(
            QStringLiteral("Tovalin's Wayland session cannot start (missing of the sessions: %1)")
                .arg(request.entries.missing.join(QStringLiteral("; "))),
            CANNOT_START);
    const auto type = request.environment.constFind(QStringLiteral("XDG_SESSION_TYPE"));
    const bool typed = type != request.environment.cend();
    if (gdm || (lightdm && typed)) {
        const QString running = typed ? *type : QString();
        if (!startable(request.entries, running))
            return refuse(QStringLiteral("the session type is %1, for which Tovalin's session "
                                         "cannot start%2")
                              .arg(shown(typed ? std::optional(running) : std::nullopt),
                                   request.entries.missing.isEmpty()
                                       ? QString()
                                       : QStringLiteral(", missing ") +
                                             request.entries.missing.join(QStringLiteral("; "))),
                          CANNOT_START);
    }
    if (gdm) {
        if (request.recordedSession != CHILD_SESSION)
            return refuse(QStringLiteral("the session recorded in AccountsService is %1")
                              .arg(shown(request.recordedSession)),
                          PICK_TOVALIN);
        if (request.recordedSessionType && !request.recordedSessionType->isEmpty() &&
            !startable(request.entries, *request.recordedSessionType))
            return refuse(QStringLiteral("the session type recorded in AccountsService is %1, "
                                         "for which Tovalin has no session")
                              .arg(shown(request.recordedSessionType)),
                          CANNOT_START);
    }
    if (lightdm && !request.environment.contains(QStringLiteral("XDG_SESSION_DESKTOP")))
        return refuse(QStringLiteral("LightDM named no session (XDG_SESSION_DESKTOP unset)"),
                      PICK_TOVALIN);
    if (!request.watcherAnswered)
        return refuse(QStringLiteral("tovalin-watch did not answer"), NO_WATCHER);
    if (!request.homeCheck)
        return refuse(request.homeCheck.why(), HOME_FILES);
    // The user manager that logind starts for the session; it opens no login of its own. An
    // account may turn lingering on for itself without authentication (polkit's
    // org.freedesktop.login1.set-self-linger), and then its manager, with the units the account
    // wrote, starts at boot with no session at all.
    if (userManager) {
        if (request.lingers)
            return refuse(QStringLiteral("the account lingers, so its user manager would start "
                                         "its own units with no login; a parent runs "
                                         "loginctl disable-linger"),
                          NOT_NOW);
        return allow(QStringLiteral("the session's own user manager"));
    }
    return allow(QStringLiteral("Tovalin's session"));
}

std::optional<QString> keyFileValue(const QString &text, const QString &group, const QString &key)
{
    QString current;
    for (const QString &line : text.split(u'\n')) {
        if (isGroupHeader(line))
            current = groupHeader(line);
        else if (current == group && lineKey(line) == key)
            return line.mid(line.indexOf(u'=') + 1).trimmed();
    }
    return std::nullopt;
}

QString withKeyFileValue(const QString &text, const QString &group, const QString &key,
                         const std::optional<QString> &value)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    const QString entry = value ? QStringLiteral("%1=%2").arg(key, *value) : QString();
    QString current;
    qsizetype endOfGroup = -1; // where a new key of the group goes
    bool placed = !value;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isGroupHeader(lines[i])) {
            current = groupHeader(lines[i]);
            if (current == group)
                endOfGroup = i + 1;
            continue;
        }
        if (current != group)
            continue;
        if (lineKey(lines[i]) == key) {
            if (placed) {
                lines.removeAt(i--);
                continue;
            }
            lines[i] = entry;
            placed = true;
        }
        if (!lines[i].trimmed().isEmpty())
            endOfGroup = i + 1;
    }
    if (!placed) {
        if (endOfGroup < 0) {
            lines.append(QStringLiteral("[%1]").arg(group));
            endOfGroup = lines.size();
        }
        lines.insert(endOfGroup, entry);
    }
    return lines.join(u'\n') + u'\n';
}

std::optional<QString> loginDefsValue(const QString &text, const QString &key)
{
    std::optional<QString> value; // the last setting wins, as login.defs(5) reads them
    for (const QString &line : text.split(u'\n')) {
        const QStringList words = line.simplified().split(u' ');
        if (words.size() >= 2 && words[0] == key)
            value = words[1];
    }
    return value;
}

QStringList shellsIn(const QString &text)
{
    QStringList shells;
    for (const QString &line : text.split(u'\n'))
        if (const QString shell = line.trimmed(); !shell.isEmpty() && !shell.startsWith(u'#'))
            shells.append(shell);
    return shells;
}

// sudo's plugins/sudoers display_privs() prints "User %s may run the following commands on %s:"
// before the privileges, and only "User %s is not allowed to run sudo on %s." where there are
// none (both through gettext, hence the C locale).
std::optional<bool> sudoListing(const QString &output, const QString &name)
{
    const QString user = QStringLiteral("User %1 ").arg(name);
    for (const QString &line : output.split(u'\n')) {
        if (line.startsWith(user + QStringLiteral("may run the following commands on ")))
            return true;
        if (line.startsWith(user + QStringLiteral("is not allowed to run sudo on ")))
            return false;
    }
    return std::nullopt;
}

Result<> checkToAdd(const QString &name, const Account &account, const PersonAccounts &people)
{
    // In one arg(): a name holding "%2" is not filled in again.
    const auto refusal = [&name](const char *text, const QString &detail = QString()) {
        const QString translated = QCoreApplication::translate("tovalin-child", text);
        return Failure{detail.isEmpty() ? translated.arg(name) : translated.arg(name, detail)};
    };
    if (!account.exists)
        return refusal(QT_TRANSLATE_NOOP("tovalin-child",
                                         "There is no account %1; nothing was changed. "
                                         "To make one, run: tovalin-child add --create %1"));
    if (account.uid == 0)
        return refusal(QT_TRANSLATE_NOOP(
            "tovalin-child", "%1 is the administrator's account root; nothing was changed."));
    // The greeter's, the daemons' and nobody's accounts have uids outside the range that adduser
    // gives people.
    if (account.uid < people.uidMin || account.uid > people.uidMax)
        return refusal(QT_TRANSLATE_NOOP("tovalin-child",
                                         "%1 is a system account (its uid %2 is outside UID_MIN "
                                         "to UID_MAX of /etc/login.defs), not a person's. Nothing "
                                         "was changed."),
                       QString::number(account.uid));
    // An empty shell is /bin/sh (passwd(5)).
    const QString shell = account.shell.isEmpty() ? QStringLiteral("/bin/sh") : account.shell;
    const QString program = shell.section(u'/', -1);
    if (program == u"nologin" || program == u"false" ||
        (people.shells && !people.shells->contains(shell)))
        return refusal(QT_TRANSLATE_NOOP("tovalin-child",
                                         "%1 is not a person's account: its shell %2 is no login "
                                         "shell of /etc/shells. Nothing was changed."),
                       shell);
    for (const QString &administrators :
         {QStringLiteral("sudo"), QStringLiteral("adm"), QStringLiteral("wheel")})
        if (account.groups.contains(administrators))
            return refusal(
                QT_TRANSLATE_NOOP("tovalin-child",
                                  "%1 is an administrator (in the group %2); a child "
                                  "account must be a standard one. Nothing was changed."),
                administrators);
    if (!account.sudoRights)
        return refusal(QT_TRANSLATE_NOOP("tovalin-child",
                                         "sudo -l -U %1 did not say whether %1 may run commands "
                                         "as another user; nothing was changed."));
    if (*account.sudoRights)
        return refusal(QT_TRANSLATE_NOOP("tovalin-child",
                                         "%1 may run commands as another user (sudo -l -U %1 "
                                         "lists them); a child account must be a standard one. "
                                         "Nothing was changed."));
    return {};
}

Result<> checkHomeFiles(const QString &name, const QList<HomeFile> &files)
{
    // Anything else was written by the account itself, before it became a child account.
    QStringList own;
    for (const HomeFile &file : files)
        if (!file.home || file.home != file.skel)
            own.append(QStringLiteral("~/") + file.path);
    if (own.isEmpty())
        return {};
    return Failure{
        QCoreApplication::translate(
            "tovalin-child",
            "The home of %1 holds files that would run at its logins: %2. Move them out of the "
            "home, then run tovalin-child add %1 again, or run tovalin-child add --fresh-home "
            "%1 to move the whole home aside. Nothing was changed.")
            .arg(name, own.join(QStringLiteral(", ")))};
}

Sessions sessionsToRestore(const Sessions &current, const std::optional<Sessions> &kept)
{
    if (kept)
        return *kept;
    const auto without = [](const std::optional<QString> &value) {
        return value == CHILD_SESSION ? std::nullopt : value;
    };
    return {without(current.session), without(current.xSession), current.sessionType};
}

} // namespace accounts
