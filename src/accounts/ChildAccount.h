#pragma once

// The rules of a child account: which logins the PAM check lets through for it, and what
// tovalin-child may change. Pure: the callers read the system and carry the answers out.
#include "platform/Result.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <sys/types.h>

namespace accounts {

// The system group of child accounts, made when the package is installed.
inline const QString CHILD_GROUP = QStringLiteral("tovalin-child");
// The login session that runs Tovalin alone (wayland-sessions/tovalin.desktop and
// xsessions/tovalin.desktop).
inline const QString CHILD_SESSION = QStringLiteral("tovalin");

// Which of Tovalin's session entries can start on this machine: each is there with every program
// it runs.
struct SessionEntries
{
    bool wayland = false;
    bool x11 = false;
    // The files missing for either, beside the system's root; empty when both can start.
    QStringList missing;
};

// The session variables of the PAM environment that the check is shown, each with the option of
// tovalin-session-check that passes it (pam_tovalin.c's list, in C, names the same), and whether
// it names the session that the display manager starts.
struct SessionVariable
{
    QString name;
    QString option;
    bool namesSession = false;
};
inline const QList<SessionVariable> SESSION_VARIABLES{
    {QStringLiteral("XDG_SESSION_DESKTOP"), QStringLiteral("session-desktop"), true},
    {QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("session-type"), false},
    {QStringLiteral("DESKTOP_SESSION"), QStringLiteral("desktop-session"), true},
    {QStringLiteral("GDMSESSION"), QStringLiteral("gdm-session"), true}};

// What the PAM stack shows the check at a login of the account.
struct LoginRequest
{
    QString service;                        // PAM_SERVICE
    QString phase;                          // open_session or close_session
    bool member = false;                    // the account is in CHILD_GROUP
    QHash<QString, QString> environment;    // the session variables of the PAM environment
    std::optional<QString> recordedSession; // AccountsService's Session=, if readable
    bool lingers = false; // systemd starts its user manager at boot, with no login
    std::optional<QString> recordedSessionType; // AccountsService's SessionType=, if set
    SessionEntries entries;
    bool watcherAnswered = false; // tovalin-watch said it runs
    platform::Result<> homeCheck; // the home check of the home's startup files
};

struct LoginVerdict
{
    bool allowed = false;
    QString reason;  // for the system journal, in English
    QString message; // for the person at the login screen, translated; empty when allowed
};

LoginVerdict judgeLogin(const LoginRequest &request);

// A value in a GLib key file (AccountsService's user files): nullopt when the key is absent.
std::optional<QString> keyFileValue(const QString &text, const QString &group, const QString &key);
// The text with the key set to value, or removed where value is nullopt; other lines kept.
QString withKeyFileValue(const QString &text, const QString &group, const QString &key,
                         const std::optional<QString> &value);

// What tovalin-child knows of an account before it changes anything.
struct Account
{
    bool exists = false;
    QString name; // its own (pw_name), which NSS may spell unlike the name typed
    uid_t uid = 0;
    gid_t gid = 0;
    QStringList groups; // every group the account is in, its primary group among them
    QString home;
    QString shell;
    // What "sudo -l -U" says: the account may run commands (true), none (false), or nullopt where
    // sudo is installed and did not answer plainly.
    std::optional<bool> sudoRights;
};

// What the system calls a person's account: login.defs' range of uids and the login shells.
struct PersonAccounts
{
    uid_t uidMin = 1000;
    uid_t uidMax = 60000;
    std::optional<QStringList> shells; // /etc/shells, nullopt where it cannot be read
};

// The value of a setting in /etc/login.defs ("UID_MIN 1000"), nullopt where it is not set.
std::optional<QString> loginDefsValue(const QString &text, const QString &key);
// /etc/shells' shells: its lines without comments and blanks.
QStringList shellsIn(const QString &text);

// What "sudo -l -U NAME" printed in the C locale: whether it lists commands that the account may
// run; nullopt for anything else.
std::optional<bool> sudoListing(const QString &output, const QString &name);

// Whether the account may become a child account; why not, translated.
platform::Result<> checkToAdd(const QString &name, const Account &account,
                              const PersonAccounts &people);

// A file in the account's home that its logins would run or read, beside its namesake in
// /etc/skel.
struct HomeFile
{
    QString path; // relative to the home
    // Its content; nullopt where it is no plain file to read: a symbolic link on its path
    // (dangling or not), a named pipe or device, one past the size limit.
    std::optional<QByteArray> home;
    std::optional<QByteArray> skel; // nullopt where /etc/skel has none
};

// Whether the account may become a child account with these files in its home: where each is as
// /etc/skel has it. Why not, translated.
platform::Result<> checkHomeFiles(const QString &name, const QList<HomeFile> &files);

// The account's sessions in AccountsService (Session= for Wayland, XSession= for X) and the kind of
// session GDM looks for it among (SessionType=, "wayland" or "x11"), which the account may set
// for itself.
struct Sessions
{
    std::optional<QString> session;
    std::optional<QString> xSession;
    std::optional<QString> sessionType;
    bool operator==(const Sessions &) const = default;
};

// Tovalin's, with no session type: GDM then looks where its own default puts it.
inline const Sessions CHILD_SESSIONS{CHILD_SESSION, CHILD_SESSION, std::nullopt};

// The sessions to restore on removal: those kept at add, or, where none were kept, the current
// ones without any that name Tovalin's.
Sessions sessionsToRestore(const Sessions &current, const std::optional<Sessions> &kept);

} // namespace accounts
