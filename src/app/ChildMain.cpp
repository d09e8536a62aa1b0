// tovalin-child: makes an account a child account, which logs in to Tovalin's session alone;
// undoes that; lists the child accounts.
#include "accounts/Logind.h"
#include "accounts/Processes.h"
#include "accounts/System.h"
#include "app/CommandLine.h"
#include "platform/Translation.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

using namespace accounts;

namespace {
const QString ADDUSER = QStringLiteral("/usr/sbin/adduser");
// Debian 13's deluser (adduser 3.152) refuses "deluser NAME GROUP" for any group with a hyphen in
// its name ("invalid characters in input string"); gpasswd takes the account out on both.
const QString GPASSWD = QStringLiteral("/usr/bin/gpasswd");

void say(const QString &text)
{
    std::fprintf(stdout, "%s\n", qPrintable(text));
}

// A message naming the account and the group of child accounts, translated.
QString aboutGroup(const char *text, const QString &name)
{
    return QCoreApplication::translate("tovalin-child", text).arg(name, CHILD_GROUP);
}

// Names go to Debian's tools as arguments and name files: none may pass for an option or path.
bool isAccountName(const QString &name)
{
    return !name.isEmpty() && !name.startsWith(u'-') && !name.contains(u'/');
}

int notAnAccount(const QString &name)
{
    return fail(
        QCoreApplication::translate("tovalin-child", "%1 is not an account name.").arg(name));
}

// What is wrong with the command and its account name, for a usage error; nothing where they fit.
QString misuse(const QStringList &arguments, bool addOptions)
{
    const QString command = arguments.value(0);
    if (command.isEmpty())
        return QCoreApplication::translate("tovalin-child",
                                           "a command is needed: add, remove or list");
    if (command != u"add" && command != u"remove" && command != u"list")
        return QCoreApplication::translate("tovalin-child", "unknown command: %1").arg(command);
    if (addOptions && command != u"add")
        return QCoreApplication::translate("tovalin-child",
                                           "--create and --fresh-home are for add alone");
    if (command == u"list" && arguments.size() > 1)
        return QCoreApplication::translate("tovalin-child", "list takes no account name");
    if (command != u"list" && arguments.size() < 2)
        return QCoreApplication::translate("tovalin-child", "%1 needs an account name")
            .arg(command);
    return {};
}

// What the account ran before would go on outside Tovalin's session: its user manager stops
// starting at boot, logind ends every session and process of it, and what runs outside logind's
// sessions (a job that cron started, one through runuser) is killed here.
void endWhatRuns(const QString &name, uid_t uid)
{
    const platform::Result<> linger = logind::disableLinger(uid);
    const platform::Result<> terminated = logind::terminateUser(uid);
    const platform::Result<> &ended = linger ? terminated : linger;
    killAll(readProcesses({uid}, std::nullopt).value(uid));
    if (ended)
        say(QCoreApplication::translate(
                "tovalin-child",
                "Every session and process of %1 was ended, and its user manager no longer "
                "starts at boot.")
                .arg(name));
    else
        // Said, not failed: the account is a child account all the same.
        fail(QCoreApplication::translate("tovalin-child",
                                         "logind could not end what %1 runs (%2): log it out, or "
                                         "restart the machine, before the child uses it.")
                 .arg(name, ended.why()));
}

// Where the home holds what the account's logins would run, moves it aside for the parent and
// makes a fresh one with --fresh-home. False, having said why, where the home stays refused.
bool homeIsClean(const Account &account, bool fresh)
{
    platform::Result<> checked = checkHomeFiles(account.name, startupFiles(account.home));
    if (!checked && fresh) {
        const platform::Result<QString> aside = freshHome(account);
        if (!aside) {
            checked = platform::Failure{
                QCoreApplication::translate(
                    "tovalin-child",
                    "cannot make a fresh home for %1: %2. Nothing else was changed.")
                    .arg(account.name, aside.why())};
        } else {
            say(QCoreApplication::translate("tovalin-child",
                                            "The old home of %1 is now %2, readable by root "
                                            "alone; %1 has a new home made from /etc/skel.")
                    .arg(account.name, *aside));
            checked = checkHomeFiles(account.name, startupFiles(account.home));
        }
    }
    if (!checked)
        fail(checked.why());
    return bool(checked);
}

int add(const QString &typed, bool create, bool fresh)
{
    // Without the rule a child account would log in to any session, so none is made.
    if (!pamRuleInForce())
        return fail(QCoreApplication::translate(
            "tovalin-child",
            "The PAM rule for child accounts is not in force: /etc/pam.d/common-session does not "
            "run pam_tovalin.so. Nothing was changed. Run: sudo pam-auth-update --enable "
            "tovalin"));
    if (create && !readAccount(typed).exists && !runTool(ADDUSER, {typed}))
        return fail(
            QCoreApplication::translate(
                "tovalin-child", "adduser could not make the account %1; nothing else was changed.")
                .arg(typed));
    Account account = readAccount(typed);
    if (account.exists)
        account.sudoRights = sudoRights(account.name);
    if (const auto checked = checkToAdd(typed, account, readPersonAccounts()); !checked)
        return fail(checked.why());
    // The account's own name from here on, as the group and AccountsService know it.
    const QString name = account.name;
    if (!isAccountName(name))
        return notAnAccount(name);
    if (!homeIsClean(account, fresh))
        return 1;
    const bool member = childMembers().contains(name);
    const Sessions current = readSessions(name);
    if (member && current == CHILD_SESSIONS) {
        say(QCoreApplication::translate("tovalin-child",
                                        "%1 is a child account already; nothing was changed.")
                .arg(name));
        return 0;
    }
    // A member whose session changed since (a pick at the login screen) keeps what it had before
    // it first became a child account.
    if (!member) {
        if (const auto kept = keepSessions(name, current); !kept)
            return fail(QCoreApplication::translate(
                            "tovalin-child",
                            "cannot keep the sessions of %1 for undoing: %2; nothing was changed.")
                            .arg(name, kept.why()));
    }
    // The session first: where it cannot be set (accounts-daemon refuses), the group is untouched.
    if (current != CHILD_SESSIONS) {
        if (const auto set = writeSessions(name, CHILD_SESSIONS); !set) {
            if (!member)
                forgetKeptSessions(name);
            return fail(QCoreApplication::translate(
                            "tovalin-child",
                            "cannot set the session of %1 to Tovalin's: %2; nothing was changed.")
                            .arg(name, set.why()));
        }
    }
    if (!member && !runTool(ADDUSER, {name, CHILD_GROUP})) {
        // As far as it can be undone: the group's failure is the one said.
        static_cast<void>(writeSessions(name, current));
        forgetKeptSessions(name);
        return fail(aboutGroup(
            QT_TRANSLATE_NOOP("tovalin-child",
                              "adduser could not add %1 to the group %2; nothing was changed."),
            name));
    }
    say(aboutGroup(
        QT_TRANSLATE_NOOP(
            "tovalin-child",
            "%1 is a child account: it is in the group %2 and its session is Tovalin's. It can log "
            "in to that session alone, at the login screen or by automatic login."),
        name));
    endWhatRuns(name, account.uid);
    return 0;
}

int remove(const QString &typed)
{
    const Account account = readAccount(typed);
    const QString name = account.exists ? account.name : typed;
    if (!isAccountName(name))
        return notAnAccount(name);
    if (!childMembers().contains(name))
        return fail(QCoreApplication::translate("tovalin-child",
                                                "%1 is not a child account; nothing was changed.")
                        .arg(name));
    if (const auto restored =
            writeSessions(name, sessionsToRestore(readSessions(name), keptSessions(name)));
        !restored)
        return fail(
            QCoreApplication::translate(
                "tovalin-child", "cannot restore the sessions of %1: %2; nothing was changed.")
                .arg(name, restored.why()));
    if (!runTool(GPASSWD, {QStringLiteral("--delete"), name, CHILD_GROUP}))
        return fail(
            aboutGroup(QT_TRANSLATE_NOOP(
                           "tovalin-child",
                           "gpasswd could not take %1 out of the group %2; run the command again."),
                       name));
    forgetKeptSessions(name);
    say(aboutGroup(
        QT_TRANSLATE_NOOP(
            "tovalin-child",
            "%1 is no longer a child account: it left the group %2 and has its earlier session "
            "back. The account itself stays."),
        name));
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    platform::installTranslations({QStringLiteral("qtbase")});
    CommandLine commandLine(QCoreApplication::translate(
        "tovalin-child", "Makes an account a child account, which runs Tovalin and nothing else; "
                         "undoes that; lists the child accounts."));
    const QCommandLineOption create(
        QStringLiteral("create"),
        QCoreApplication::translate("tovalin-child", "add: make the account first."));
    const QCommandLineOption fresh(
        QStringLiteral("fresh-home"),
        QCoreApplication::translate("tovalin-child",
                                    "add: move a refused home aside and make a fresh one."));
    commandLine.parser.addOptions({create, fresh});
    commandLine.parser.addPositionalArgument(
        QStringLiteral("command"),
        QCoreApplication::translate("tovalin-child", "add, remove or list."),
        QStringLiteral("add NAME | remove NAME | list"));
    if (const std::optional<int> status = commandLine.parse(argc, argv, 2))
        return *status;
    const QStringList arguments = commandLine.parser.positionalArguments();
    const QString command = arguments.value(0);
    if (const QString why =
            misuse(arguments, commandLine.parser.isSet(create) || commandLine.parser.isSet(fresh));
        !why.isEmpty())
        return fail(why, USAGE_ERROR);
    if (command == u"list") {
        for (const QString &member : childMembers())
            say(member);
        return 0;
    }
    const QString name = arguments[1];
    if (!isAccountName(name))
        return notAnAccount(name);
    if (geteuid() != 0)
        return fail(
            QCoreApplication::translate("tovalin-child", "run it as root, for example with sudo"));
    if (!childGroupExists())
        return fail(QCoreApplication::translate(
                        "tovalin-child", "the group %1 is missing; reinstall the tovalin package.")
                        .arg(CHILD_GROUP));
    if (command == u"add")
        return add(name, commandLine.parser.isSet(create), commandLine.parser.isSet(fresh));
    return remove(name);
}
