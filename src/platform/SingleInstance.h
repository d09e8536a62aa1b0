#pragma once

#include <QObject>
#include <QString>
#include <optional>

class QLocalServer;

namespace platform {

// One running program per user and store. The first start holds a lock in the store's folder,
// made private, for as long as it runs, and listens beside it; a later start finds the lock taken
// and asks the running one to come forward, handing it the desktop's activation token, instead
// of showing a window. Where the store's folder cannot be had, the user's private runtime folder
// serves: $XDG_RUNTIME_DIR where it is a folder of ours that nobody else may enter, else
// /run/user/UID, else ~/.cache/tovalin.
class SingleInstance : public QObject
{
public:
    enum class Role
    {
        First,
        HandedOff,
        Unavailable,
    };

    SingleInstance(const QString &storeFolder, const QString &program,
                   const QByteArray &activationToken);
    ~SingleInstance() override;

    Role role() const { return held; }
    QString error() const { return reason; }

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
