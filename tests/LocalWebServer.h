#pragma once

#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

// A small HTTP server on 127.0.0.1 that serves fixed pages and remembers every path asked for.
class LocalWebServer : public QObject
{
public:
    struct Response
    {
        QByteArray contentType;
        QByteArray body;
        QByteArray extraHeaders;
    };

    LocalWebServer();
    void serve(const QString &path, const Response &response) { pages.insert(path, response); }
    QUrl url(const QString &path) const;
    QStringList requested;
    // The Cookie header of each request, empty where it had none.
    QList<QByteArray> cookies;

private:
    void answer(QTcpSocket *socket);

    QTcpServer server;
    QMap<QString, Response> pages;
};
