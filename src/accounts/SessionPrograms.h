#pragma once

// What may run under a child account: the programs of Tovalin's session, and the verdict on
// what runs. Pure: tovalin-watch reads /proc and carries the verdict out.
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace accounts {

// How a listed path may run under a child account.
enum class SessionRole
{
    Program,     // for the whole session
    Interpreter, // only running a listed Script
    Script,      // a script, or the program text of sh -c or awk, that a listed Interpreter runs
};

struct SessionProgram
{
    const char *path;
    SessionRole role;
};

// The one list of what Tovalin's session runs, on Debian 12 and 13, under GDM and LightDM.
extern const QList<SessionProgram> SESSION_PROGRAMS;

// What /proc shows of one process of a child account.
struct RunningProcess
{
    int pid = 0;
    QString program;        // /proc/PID/exe's target; empty where it cannot be read
    bool sameFile = false;  // that target is the very file at that path in root's view
    bool rootsFile = false; // the file is root's and only root may write it
    QStringList arguments;  // its command line
};

// Why the process is not part of Tovalin's session, in English; nullopt when it is.
std::optional<QString> foreignReason(const RunningProcess &process);

struct AccountVerdict
{
    bool foreign = false; // something not Tovalin's runs now
    bool end = false;     // end the account's sessions and processes
    QString reason;       // for the journal, in English
};

// The verdict on one scan of the account's processes. What is foreign ends the account only when
// the scan before found something foreign too: the display managers' start-up scripts run short
// helpers (grep, cat, cpp) between forking and exec'ing their next step, and those must not end
// a session that is starting. Anything that stays across two scans ends it.
AccountVerdict judgeAccount(const QList<RunningProcess> &processes, bool foreignBefore);

} // namespace accounts
