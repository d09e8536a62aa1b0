#include "platform/SingleInstance.h"

#include "platform/Result.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QWidget>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {
constexpr int ANSWER_MSECS = 2000;
// A first start that holds the lock may still be on its way to listening: a later start waits
// this long for it before giving up.
constexpr int HANDOFF_TRIES = 50;
constexpr int HANDOFF_RETRY_MSECS = 100;
constexpr qsizetype TOKEN_MAX = 512;
constexpr qsizetype SOCKET_FOLDER_MAX = 90;

QString systemError()
{
    return QString::fromLocal8Bit(strerror(errno));
}

// A folder that only this user can enter, and that no other account could have swapped.
bool isPrivateFolder(const QByteArray &path)
{
    struct stat info{};
    return lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == getuid() && (info.st_mode & 077) == 0;
}

bool peerIsThisUser(qintptr descriptor)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
           peer.uid == getuid();
}

// An activation token is an opaque word; anything else is not passed on.
QByteArray cleanToken(const QByteArray &token)
{
    if (token.size() > TOKEN_MAX)
        return {};
    for (char c : token) {
        if (c <= ' ' || c > '~')
            return {};
    }
    return token;
}

// The folder at the path, made if missing and closed to others if it is ours; nothing where it
// is not a private folder of ours.
Result<QString> ownPrivateFolder(const QByteArray &path)
{
    if (mkdir(path.constData(), 0700) != 0 && errno != EEXIST)
        return Failure{QCoreApplication::translate("tovalin", "cannot make %1: %2")
                           .arg(QString::fromLocal8Bit(path), systemError())};
    struct stat info{};
    if (lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == getuid())
        chmod(path.constData(), info.st_mode & S_IRWXU);
    if (!isPrivateFolder(path))
        return Failure{
            QCoreApplication::translate("tovalin", "%1 is not a private folder of this user")
                .arg(QString::fromLocal8Bit(path))};
    return QString::fromLocal8Bit(path);
}

Result<QString> privateRuntimeFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return QString::fromLocal8Bit(runtime);
    const QByteArray session = "/run/user/" + QByteArray::number(getuid());
    if (isPrivateFolder(session))
        return QString::fromLocal8Bit(session);
    // Not in a folder that every account shares, where another could take the name first: in
    // this user's home, as the account database has it.
    const passwd *account = getpwuid(getuid());
    if (!account || !account->pw_dir)
        return Failure{QCoreApplication::translate("tovalin", "this account has no home folder")};
    const QByteArray cache = QByteArray(account->pw_dir) + "/.cache";
    mkdir(cache.constData(), 0700);
    return ownPrivateFolder(cache + "/tovalin");
}
} // namespace

SingleInstance::SingleInstance(const QString &storeFolder, const QString &program,
                               const QByteArray &activationToken)
{
    // The lock sits beside the session it guards, so that every start on one store meets it
    // whatever its environment or however it spells the path; only where that folder cannot be
    // had (and so nothing is stored) does it go to the runtime folder.
    QDir().mkpath(QFileInfo(storeFolder).absolutePath());
    Result<QString> lockFolder = ownPrivateFolder(QFile::encodeName(storeFolder));
    if (!lockFolder)
        lockFolder = privateRuntimeFolder();
    // A socket's name has room for about a hundred bytes; a long store path puts it in the
    // runtime folder, where a start with another runtime folder does not find it and says so.
    Result<QString> socketFolder = lockFolder;
    if (lockFolder && QFile::encodeName(*lockFolder).size() >= SOCKET_FOLDER_MAX)
        socketFolder = privateRuntimeFolder();
    if (!lockFolder || !socketFolder) {
        reason = !lockFolder ? lockFolder.why() : socketFolder.why();
        return;
    }
    lockPath = QDir(*lockFolder).filePath(program + QStringLiteral(".lock"));
    socketPath = QDir(*socketFolder).filePath(program + QStringLiteral(".socket"));
    lockFd = open(QFile::encodeName(lockPath).constData(),
                  O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (lockFd < 0) {
        reason = QCoreApplication::translate("tovalin", "cannot open %1: %2")
                     .arg(lockPath, systemError());
        return;
    }
    for (int attempt = 0; attempt < HANDOFF_TRIES; ++attempt) {
        // The lock goes with the process, however it ends: a killed instance leaves none.
        if (flock(lockFd, LOCK_EX | LOCK_NB) == 0) {
            held = Role::First;
            listen();
            return;
        }
        if (errno != EWOULDBLOCK) {
            reason = QCoreApplication::translate("tovalin", "cannot lock %1: %2")
                         .arg(lockPath, systemError());
            return;
        }
        if (handOff(activationToken)) {
            held = Role::HandedOff;
            return;
        }
        QThread::msleep(HANDOFF_RETRY_MSECS);
    }
    reason =
        QCoreApplication::translate("tovalin", "Tovalin is already running but does not answer");
}

SingleInstance::~SingleInstance()
{
    // The name goes before the lock: a start that takes the lock next must find nothing of ours.
    delete server;
    if (lockFd >= 0)
        close(lockFd);
}

bool SingleInstance::handOff(const QByteArray &activationToken)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(ANSWER_MSECS) || !peerIsThisUser(socket.socketDescriptor()))
        return false;
    socket.write("activate " + cleanToken(activationToken) + '\n');
    if (!socket.waitForBytesWritten(ANSWER_MSECS))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(ANSWER_MSECS))
            return false;
    }
    return socket.readLine() == "ok\n";
}

void SingleInstance::listen()
{
    // Nobody but this user may enter the folder, so the socket needs no rights of its own.
    server = new QLocalServer;
    // Only this process holds the lock, so whatever is left under the name is stale.
    QLocalServer::removeServer(socketPath);
    if (!server->listen(socketPath))
        std::fprintf(stderr, "tovalin: a later start cannot reach this one: %s\n",
                     qPrintable(server->errorString()));
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (!peerIsThisUser(socket->socketDescriptor())) {
                socket->abort();
                continue;
            }
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                const QByteArray line = socket->readLine(TOKEN_MAX + 16).trimmed();
                if (!line.startsWith("activate")) {
                    socket->abort();
                    return;
                }
                bringWindowsForward(cleanToken(line.mid(int(strlen("activate"))).trimmed()));
                socket->write("ok\n");
                socket->disconnectFromServer();
            });
        }
    });
}

void SingleInstance::bringWindowsForward(const QByteArray &activationToken)
{
    // On Wayland only a token from the launcher lets a window take the focus; Qt's Wayland
    // plugin takes it from here when the window asks to be activated.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible() && !window->isMinimized())
            continue;
        if (window->isMinimized())
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
    }
}

} // namespace platform
