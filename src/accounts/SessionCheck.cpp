#include "accounts/SessionCheck.h"

#include "accounts/System.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace accounts {

namespace {
// Both entries and the script of the X11 one are installed with the package (packaging/).
const QString PREFIX = QStringLiteral(TOVALIN_INSTALL_PREFIX);
const QString TOVALIN = PREFIX + QStringLiteral("/bin/tovalin");
// Each entry is named after the session it starts.
const QString WAYLAND_ENTRY = PREFIX + QStringLiteral("/share/wayland-sessions/") + CHILD_SESSION +
                              QStringLiteral(".desktop");
const QString X11_ENTRY =
    PREFIX + QStringLiteral("/share/xsessions/") + CHILD_SESSION + QStringLiteral(".desktop");
const QString X11_SCRIPT = PREFIX + QStringLiteral("/libexec/tovalin/tovalin-x11-session");
// The Wayland entry runs cage from Debian's package; Debian 12's cage (0.1.4) does not start
// without Xwayland.
const QString CAGE = QStringLiteral("/usr/bin/cage");
const QString XWAYLAND = QStringLiteral("/usr/bin/Xwayland");
constexpr int WATCH_TIMEOUT_MSECS = 1000;

bool debian12(const QString &root)
{
    QFile file(root + QStringLiteral("/etc/os-release"));
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : file.read(65536).split('\n'))
        if (line.trimmed() == "VERSION_ID=\"12\"" || line.trimmed() == "VERSION_ID=12")
            return true;
    return false;
}

// Those of the files that are not there as they must be, named as on the real system. The
// programs run as the account, not as root, who may run any file with an execute bit: one it
// cannot run sends Debian's Xsession to ~/.xsession or x-session-manager
// (/etc/X11/Xsession.d/20x11-common_process-args, 50x11-common_determine-startup).
QStringList missingOf(const QString &root, const QStringList &files, const QStringList &programs)
{
    QStringList missing;
    for (const QString &path : files)
        if (!QFileInfo(root + path).isFile())
            missing.append(path);
    for (const QString &path : programs)
        if (const QFileInfo info(root + path);
            !info.isFile() || !info.permission(QFileDevice::ExeOther))
            missing.append(path);
    return missing;
}

// Waits for the socket to be ready within the deadline.
bool waitFor(int fd, short events, const QDeadlineTimer &deadline)
{
    for (;;) {
        pollfd wait{fd, events, 0};
        const int got = poll(&wait, 1, int(deadline.remainingTime()));
        if (got < 0 && errno == EINTR)
            continue;
        return got > 0 && (wait.revents & events);
    }
}
} // namespace

SessionEntries sessionEntries(const QString &root)
{
    QStringList waylandPrograms{CAGE, TOVALIN};
    if (debian12(root))
        waylandPrograms.append(XWAYLAND);
    const QStringList wayland = missingOf(root, {WAYLAND_ENTRY}, waylandPrograms);
    const QStringList x11 = missingOf(root, {X11_ENTRY}, {X11_SCRIPT, TOVALIN});
    QStringList missing = wayland;
    for (const QString &path : x11)
        if (!missing.contains(path))
            missing.append(path);
    return {wayland.isEmpty(), x11.isEmpty(), missing};
}

// tovalin-watch's protocol: the client writes "ping\n", the service answers "ok\n". Anything
// else, or nothing within the second, is no answer.
bool watcherAnswers(const QString &socket)
{
    const QByteArray path = QFile::encodeName(socket);
    sockaddr_un address{};
    if (path.isEmpty() || size_t(path.size()) >= sizeof address.sun_path)
        return false;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const QDeadlineTimer deadline(WATCH_TIMEOUT_MSECS);
    bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    if (!connected && (errno == EINPROGRESS || errno == EAGAIN) && waitFor(fd, POLLOUT, deadline)) {
        int error = 0;
        socklen_t size = sizeof error;
        connected = getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    QByteArray answer;
    if (connected && ::send(fd, "ping\n", 5, MSG_NOSIGNAL) == 5) {
        char buffer[16];
        while (!answer.contains('\n') && answer.size() < 16 && waitFor(fd, POLLIN, deadline)) {
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got < 0 && errno == EINTR)
                continue;
            if (got <= 0)
                break;
            answer.append(buffer, got);
        }
    }
    ::close(fd);
    return answer == "ok\n";
}

void readSystemFacts(LoginRequest &request, const QString &name, const std::optional<QString> &home,
                     const QString &root, const QString &socket)
{
    const QString file = root + accountsServiceFile(name);
    request.recordedSession = userFileValue(file, QStringLiteral("Session"));
    request.recordedSessionType = userFileValue(file, QStringLiteral("SessionType"));
    request.lingers = QFile::exists(root + QStringLiteral("/var/lib/systemd/linger/") + name);
    request.entries = sessionEntries(root);
    request.watcherAnswered = watcherAnswers(socket);
    // The same check as tovalin-child add's, again at every session: the home may have changed.
    if (!home || home->isEmpty() || !QFileInfo(*home).isAbsolute())
        request.homeCheck = platform::Failure{QStringLiteral("the account's home is unknown")};
    else if (const auto checked = checkHomeFiles(name, startupFiles(*home)); !checked)
        request.homeCheck =
            platform::Failure{QStringLiteral("the home check refuses it: ") + checked.why()};
}

} // namespace accounts
