#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QLocalServer;

namespace platform {

// Where the instance's lock and socket go: the store's own folder, made private, so that every
// start on one store meets the same lock whatever its environment. Where that folder cannot be
// had (and so nothing is stored), the user's private runtime folder: $XDG_RUNTIME_DIR where it
// is a folder of ours that nobody else may enter, else /run/user/UID, else ~/.cache/tovalin.
// Nothing when none can be had; error says why.
std::optional<QString> instanceFolder(const QString &storeFolder, QString *error);

// One running program per user. The first start holds a lock in a private folder for
// as long as it runs and listens there; a later start finds the lock taken and asks the running
// one to come forward, handing it the desktop's activation token, instead of showing a window.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    enum class Role
    {
        First,
        HandedOff,
        Unavailable,
    };

    SingleInstance(const QString &folder, const QString &program,
                   const QByteArray &activationToken);
    ~SingleInstance() override;

    Role role() const { return held; }
    QString error() const { return reason; }

signals:
    // A later start asked for this one; its windows have come forward.
    void activated();

private:
    void listen();
    bool handOff(const QByteArray &activationToken);
    static void bringWindowsForward(const QByteArray &activationToken);

    QString lockPath;
    QString socketPath;
    int lockFd = -1;
    Role held = Role::Unavailable;
    QString reason;
    QLocalServer *server = nullptr;
};

} // namespace platform
