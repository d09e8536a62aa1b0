#pragma once

// The system's side of child accounts: the account database, AccountsService, Debian's account
// tools and what tovalin-child keeps for undoing its changes.
#include "accounts/ChildAccount.h"
#include "platform/Result.h"

namespace accounts {

// Where the system's files are read and written: "/" (the default), a test's folder in tests.
void setSystemRoot(const QString &root);

// Groups is empty where they cannot be read (it always holds the primary group otherwise), and
// sudoRights unknown: sudoRights() asks.
Account readAccount(const QString &name);
// What "sudo -l -U" says of the account; false where sudo is not installed.
std::optional<bool> sudoRights(const QString &name);
// /etc/login.defs' range of uids for people and /etc/shells.
PersonAccounts readPersonAccounts();
bool childGroupExists();
// Whether this process runs in a child account: CHILD_GROUP is among its own groups. (The child's
// session also says so in TOVALIN_CHILD_SESSION, but anything may set a variable.)
bool runsInChildAccount();
// Whether the system's PAM configuration runs the session check, pam_tovalin (pam-auth-update
// leaves locally changed files alone, and the profile can be unticked).
bool pamRuleInForce();
// The files in the home that the account's logins and session run or read: its systemd user
// units and settings, its environment.d, its sound server's settings, the Widevine folders that
// the engine searches and the startup files that the sessions' wrappers source. Read as root
// without following a link anywhere below the home, plain files alone, each to a size limit.
QList<HomeFile> startupFiles(const QString &home);
// Moves the account's home aside, to the returned folder, root's alone, and makes a new one from
// /etc/skel, the account's own.
platform::Result<QString> freshHome(const Account &account);
// The accounts listed as members of the child group.
QStringList childMembers();

// AccountsService's file of the account, as accounts-daemon writes it.
QString accountsServiceFile(const QString &name);
// A key of the [User] group in an AccountsService file: nullopt when it is missing or empty.
std::optional<QString> userFileValue(const QString &file, const QString &key);

// The same, in the file alone.
Sessions readSessionsFromFile(const QString &name);
platform::Result<> writeSessionsToFile(const QString &name, const Sessions &sessions);
// The account's sessions, over D-Bus where accounts-daemon runs, from its file otherwise.
Sessions readSessions(const QString &name);
// Sets them the same way; an absent one is cleared.
platform::Result<> writeSessions(const QString &name, const Sessions &sessions);

// The sessions the account had before it became a child account, kept for removal.
std::optional<Sessions> keptSessions(const QString &name);
platform::Result<> keepSessions(const QString &name, const Sessions &sessions);
void forgetKeptSessions(const QString &name);

// Runs one of Debian's account tools, without a shell, on this terminal. True when it succeeded.
bool runTool(const QString &program, const QStringList &arguments);

} // namespace accounts
