// The account's sessions through accounts-daemon where it runs, so that its cache and the display
// managers see the change at once; through its file where it does not.
#include "accounts/System.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusObjectPath>
#include <QDBusReply>

namespace accounts {

namespace {
const QString SERVICE = QStringLiteral("org.freedesktop.Accounts");
const QString USER_INTERFACE = QStringLiteral("org.freedesktop.Accounts.User");

// The account's object in accounts-daemon, or an empty path where the daemon does not run.
QString userObject(const QString &name)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(SERVICE))
        return {};
    QDBusInterface accounts(SERVICE, QStringLiteral("/org/freedesktop/Accounts"), SERVICE, bus);
    const QDBusReply<QDBusObjectPath> reply = accounts.call(QStringLiteral("FindUserByName"), name);
    return reply.isValid() ? reply.value().path() : QString();
}
} // namespace

Sessions readSessions(const QString &name)
{
    const QString object = userObject(name);
    if (object.isEmpty())
        return readSessionsFromFile(name);
    QDBusInterface user(SERVICE, object, USER_INTERFACE, QDBusConnection::systemBus());
    const auto read = [&user](const char *property) -> std::optional<QString> {
        const QString value = user.property(property).toString();
        return value.isEmpty() ? std::nullopt : std::optional(value);
    };
    return {read("Session"), read("XSession"), read("SessionType")};
}

platform::Result<> writeSessions(const QString &name, const Sessions &sessions)
{
    const QString object = userObject(name);
    if (object.isEmpty())
        return writeSessionsToFile(name, sessions);
    QDBusInterface user(SERVICE, object, USER_INTERFACE, QDBusConnection::systemBus());
    // accountsservice's src/user.c: each setter saves the user's file, SessionType= among its
    // keys (user_save_to_keyfile()), before it answers.
    for (const auto &[method, value] :
         {std::pair(QStringLiteral("SetSession"), sessions.session),
          std::pair(QStringLiteral("SetXSession"), sessions.xSession),
          std::pair(QStringLiteral("SetSessionType"), sessions.sessionType)}) {
        const QDBusReply<void> reply = user.call(method, value.value_or(QString()));
        if (!reply.isValid())
            return platform::Failure{reply.error().message()};
    }
    return {};
}

} // namespace accounts
