// tovalin-watch: the root service that ends a child account's sessions and processes once
// anything runs under it that is not Tovalin's session, and tells the PAM check that it runs.
#include "accounts/Watcher.h"
#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace accounts;

namespace {
// The tests' overrides: read only when not run as root, so the service proper takes none.
WatchOptions testOptions()
{
    WatchOptions options;
    if (const QString socket = qEnvironmentVariable("TOVALIN_WATCH_TEST_SOCKET"); !socket.isEmpty())
        options.socket = socket;
    if (qEnvironmentVariableIsSet("TOVALIN_WATCH_TEST_UIDS")) {
        options.childUids.emplace();
        for (const QString &uid :
             qEnvironmentVariable("TOVALIN_WATCH_TEST_UIDS").split(u',', Qt::SkipEmptyParts))
            options.childUids->insert(uid_t(uid.toUInt()));
    }
    bool number = false;
    if (const int session = qEnvironmentVariableIntValue("TOVALIN_WATCH_TEST_SESSION", &number);
        number)
        options.session = session;
    return options;
}
// Tells systemd that the service follows logind and answers the PAM check (sd_notify(3)'s
// protocol: one datagram to $NOTIFY_SOCKET, "@" for an abstract name).
void notifyReady()
{
    const QByteArray path = qgetenv("NOTIFY_SOCKET");
    sockaddr_un address{};
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return;
    address.sun_family = AF_UNIX;
    std::copy(path.begin(), path.end(), address.sun_path);
    if (address.sun_path[0] == '@')
        address.sun_path[0] = '\0';
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return;
    const char ready[] = "READY=1";
    ::sendto(fd, ready, sizeof ready - 1, 0, reinterpret_cast<const sockaddr *>(&address),
             socklen_t(offsetof(sockaddr_un, sun_path) + size_t(path.size())));
    // Closed through Qt (see readProc in accounts/Watcher.cpp: the web engine's close).
    QFile socket;
    socket.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CommandLine commandLine(QStringLiteral(
        "Ends a child account's sessions once anything but Tovalin's session runs under it."));
    if (const std::optional<int> status = commandLine.parse(argc, argv))
        return *status;
    Watcher watcher(geteuid() == 0 ? WatchOptions() : testOptions());
    if (!watcher.start())
        return 1;
    notifyReady();
    return app.exec();
}
