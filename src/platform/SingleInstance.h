#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace platform {

// One running program per user: a later start hands over to the running one, which comes to the
// front, and then ends.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // A name that stands for this program and this user.
    static QString userServerName(const QString &program);

    // True when another instance answered under this name; it has been asked to come forward.
    static bool handOffToRunningInstance(const QString &name);

    // Listens under the name, taking it over from an instance that died without closing it.
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);

    bool isListening() const;

signals:
    // A later start asked for this one; its windows have come forward.
    void activated();

private:
    void bringWindowsForward();

    QLocalServer *server;
};

} // namespace platform
