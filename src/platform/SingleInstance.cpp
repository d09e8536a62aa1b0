#include "platform/SingleInstance.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QWidget>
#include <unistd.h>

namespace platform {

namespace {
constexpr int HANDOFF_TIMEOUT_MSECS = 2000;
}

QString SingleInstance::userServerName(const QString &program)
{
    return program + QLatin1Char('-') + QString::number(getuid());
}

bool SingleInstance::handOffToRunningInstance(const QString &name)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(HANDOFF_TIMEOUT_MSECS))
        return false;
    socket.write("activate\n");
    socket.waitForBytesWritten(HANDOFF_TIMEOUT_MSECS);
    socket.disconnectFromServer();
    return true;
}

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent), server(new QLocalServer(this))
{
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        // Left behind by an instance that was killed: nobody answers on it any more.
        QLocalServer::removeServer(name);
        server->listen(name);
    }
    connect(server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            bringWindowsForward();
            emit activated();
        }
    });
}

bool SingleInstance::isListening() const
{
    return server->isListening();
}

void SingleInstance::bringWindowsForward()
{
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
