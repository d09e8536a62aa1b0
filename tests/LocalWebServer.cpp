#include "LocalWebServer.h"

#include <QTcpSocket>

LocalWebServer::LocalWebServer()
{
    server.listen(QHostAddress::LocalHost);
    connect(&server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { answer(socket); });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

QUrl LocalWebServer::url(const QString &path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(server.serverPort()).arg(path));
}

void LocalWebServer::answer(QTcpSocket *socket)
{
    if (!socket->canReadLine())
        return;
    const QList<QByteArray> requestLine = socket->readLine().split(' ');
    QByteArray cookie;
    for (const QByteArray &header : socket->readAll().split('\n')) {
        if (header.toLower().startsWith("cookie:"))
            cookie = header.mid(7).trimmed();
    }
    cookies << cookie;
    const QString path =
        requestLine.size() > 1 ? QUrl(QString::fromLatin1(requestLine[1])).path() : QString();
    requested << path;
    const auto page = pages.constFind(path);
    const QByteArray status = page == pages.cend() ? "404 Not Found" : "200 OK";
    const Response response = page == pages.cend() ? Response{"text/plain", "missing", {}} : *page;
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + response.contentType +
                  "\r\nContent-Length: " + QByteArray::number(response.body.size()) +
                  "\r\nConnection: close\r\n" + response.extraHeaders + "\r\n" + response.body);
    socket->disconnectFromHost();
}
