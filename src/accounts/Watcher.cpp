#include "accounts/Watcher.h"

#include "accounts/ChildAccount.h"
#include "accounts/Logind.h"
#include "accounts/Processes.h"
#include "accounts/System.h"
#include "platform/Timer.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QLocalSocket>
#include <QTimer>
#include <cstdio>
#include <pwd.h>
#include <syslog.h>
#include <unistd.h>

namespace accounts {

namespace {
// Two scans a foreign process must outlive (see judgeAccount): within a second in all.
constexpr int SCAN_MSECS = 250;
const QByteArray PING = QByteArrayLiteral("ping\n");
// A client that says nothing is dropped after this.
constexpr int CLIENT_MSECS = 2000;
constexpr int RETRY_MSECS = 5000;

} // namespace

void log(int priority, const QString &text)
{
    // systemd reads the <N> prefix on standard error as the line's priority (sd-daemon(3)).
    if (qEnvironmentVariableIsSet("JOURNAL_STREAM"))
        std::fprintf(stderr, "<%d>%s\n", priority, qPrintable(text));
    else
        std::fprintf(stderr, "tovalin-watch: %s\n", qPrintable(text));
    std::fflush(stderr);
}

Watcher::Watcher(WatchOptions options) : options(std::move(options)) {}

Watcher::~Watcher() = default;

bool Watcher::start()
{
    QLocalServer::removeServer(options.socket);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!server.listen(options.socket)) {
        log(LOG_ERR,
            QStringLiteral("cannot listen on %1: %2").arg(options.socket, server.errorString()));
        return false;
    }
    connect(&server, &QLocalServer::newConnection, this, &Watcher::answer);
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected()) {
        log(LOG_ERR,
            QStringLiteral("cannot reach the system bus: %1").arg(bus.lastError().message()));
        return false;
    }
    for (const auto &[name, slot] : {std::pair("UserNew", SLOT(userNew(QDBusMessage))),
                                     std::pair("UserRemoved", SLOT(userRemoved(QDBusMessage)))})
        if (!bus.connect(logind::SERVICE, logind::PATH, logind::MANAGER, QString::fromLatin1(name),
                         this, slot)) {
            log(LOG_ERR, QStringLiteral("cannot follow logind's %1").arg(QLatin1String(name)));
            return false;
        }
    // logind restarted: its users are listed again.
    auto *service = new QDBusServiceWatcher(logind::SERVICE, bus,
                                            QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(service, &QDBusServiceWatcher::serviceOwnerChanged, this, &Watcher::refresh);
    // An account that joins the group while logged in is watched from then on.
    groupFile.addPath(QStringLiteral("/etc/group"));
    connect(&groupFile, &QFileSystemWatcher::fileChanged, this, [this](const QString &path) {
        // An editor that replaces the file drops the watch on the old one.
        groupFile.addPath(path);
        refresh();
    });
    refresh();
    return true;
}

bool Watcher::isChild(uid_t uid) const
{
    if (options.childUids)
        return options.childUids->contains(uid);
    const passwd *entry = ::getpwuid(uid);
    return entry &&
           readAccount(QString::fromLocal8Bit(entry->pw_name)).groups.contains(CHILD_GROUP);
}

void Watcher::refresh()
{
    const platform::Result<QList<uid_t>> users = logind::users();
    ready = bool(users);
    if (!users) {
        log(LOG_WARNING, QStringLiteral("cannot list logind's users: %1").arg(users.why()));
        // Until it can, every child account's login is refused: asked again, not left so.
        QTimer::singleShot(RETRY_MSECS, this, &Watcher::refresh);
        return;
    }
    // One that left the group is no longer watched; one that joined it is.
    for (const uid_t uid : QSet<uid_t>(watched))
        if (!users->contains(uid) || !isChild(uid))
            userGone(uid);
    for (const uid_t uid : *users)
        watch(uid);
}

void Watcher::watch(uid_t uid)
{
    if (watched.contains(uid) || !isChild(uid))
        return;
    log(LOG_INFO, QStringLiteral("watching the child account with uid %1").arg(uid));
    watched.insert(uid);
    updateTimer();
    scan();
}

namespace {
// The uid that UserNew and UserRemoved carry first.
uid_t uidOf(const QDBusMessage &signal)
{
    return signal.arguments().isEmpty() ? uid_t(-1)
                                        : uid_t(signal.arguments().constFirst().toUInt());
}
} // namespace

void Watcher::userNew(const QDBusMessage &signal)
{
    watch(uidOf(signal));
}

void Watcher::userRemoved(const QDBusMessage &signal)
{
    userGone(uidOf(signal));
}

void Watcher::userGone(uid_t uid)
{
    if (watched.remove(uid))
        log(LOG_INFO, QStringLiteral("no longer watching the account with uid %1").arg(uid));
    foreignBefore.remove(uid);
    ended.remove(uid);
    updateTimer();
}

void Watcher::updateTimer()
{
    // No child logged in: nothing but logind's signals wakes the service.
    if (watched.isEmpty())
        timer.reset();
    else if (!timer)
        timer = std::make_unique<platform::RepeatingTimer>(SCAN_MSECS, [this] { scan(); });
}

void Watcher::scan()
{
    const QHash<uid_t, QList<RunningProcess>> processes = readProcesses(watched, options.session);
    for (const uid_t uid : std::as_const(watched)) {
        const AccountVerdict verdict =
            judgeAccount(processes.value(uid), foreignBefore.contains(uid));
        if (!verdict.foreign) {
            foreignBefore.remove(uid);
            continue;
        }
        if (!verdict.end) {
            foreignBefore.insert(uid);
            continue;
        }
        // Two more scans before the next try, should this one not end it.
        foreignBefore.remove(uid);
        log(LOG_WARNING,
            QStringLiteral("ending every session and process of the child account with uid %1: %2")
                .arg(uid)
                .arg(verdict.reason));
        // Asked before, and this still runs: outside logind's sessions, or logind failed.
        if (ended.contains(uid)) {
            const QList<RunningProcess> left = processes.value(uid);
            killAll(left);
            log(LOG_WARNING,
                QStringLiteral("killed the %1 processes left of uid %2").arg(left.size()).arg(uid));
        }
        ended.insert(uid);
        if (const auto terminated = logind::terminateUser(uid); !terminated)
            log(LOG_ERR, QStringLiteral("logind did not end the account with uid %1: %2")
                             .arg(uid)
                             .arg(terminated.why()));
    }
}

void Watcher::answer()
{
    while (QLocalSocket *client = server.nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        QTimer::singleShot(CLIENT_MSECS, client, &QLocalSocket::abort);
        connect(client, &QLocalSocket::readyRead, client, [this, client] {
            if (client->bytesAvailable() < PING.size())
                return;
            // Only while logind is followed: a check asked before that fails closed.
            if (client->read(PING.size()) == PING && ready)
                client->write("ok\n");
            client->disconnectFromServer();
        });
    }
}

} // namespace accounts
