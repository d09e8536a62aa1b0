#pragma once

// tovalin-watch's work: follows logind's users, and while one of them is a child account scans
// /proc for what runs under it; ends the account when something is not Tovalin's. Answers the
// PAM check on a Unix socket that it is on watch.
#include "accounts/SessionPrograms.h"

#include <QDBusMessage>
#include <QFileSystemWatcher>
#include <QHash>
#include <QLocalServer>
#include <QObject>
#include <QSet>
#include <memory>
#include <optional>
#include <sys/types.h>

namespace platform {
class RepeatingTimer;
}

namespace accounts {

// Where the PAM check asks; systemd makes the folder root's alone (RuntimeDirectory).
inline const QString WATCH_SOCKET = QStringLiteral("/run/tovalin/watch");

struct WatchOptions
{
    QString socket = WATCH_SOCKET;
    // For the tests, never taken as root: the uids taken for child accounts instead of the
    // group's, and the one session (its id) whose processes alone are looked at, its leader
    // aside.
    std::optional<QSet<uid_t>> childUids;
    std::optional<int> session;
};

class Watcher : public QObject
{
    Q_OBJECT

public:
    explicit Watcher(WatchOptions options);
    ~Watcher() override;
    // False, logged, where the socket cannot be made or the bus cannot be reached.
    bool start();

private slots:
    void userNew(const QDBusMessage &signal);
    void userRemoved(const QDBusMessage &signal);

private:
    void refresh();
    bool isChild(uid_t uid) const;
    void watch(uid_t uid);
    void userGone(uid_t uid);
    void updateTimer();
    void scan();
    void answer();

    WatchOptions options;
    QLocalServer server;
    QFileSystemWatcher groupFile;
    bool ready = false; // logind answered: the PAM check may be told so
    QSet<uid_t> watched;
    QSet<uid_t> foreignBefore;
    QSet<uid_t> ended; // logind was asked to end these; what is left of them is killed
    std::unique_ptr<platform::RepeatingTimer> timer;
};

// To the journal through standard error, with its priority (syslog's LOG_*).
void log(int priority, const QString &text);

} // namespace accounts
