#include "accounts/Logind.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace accounts::logind {

namespace {
QDBusMessage call(const QString &method, const QList<QVariant> &arguments, QString *error)
{
    QDBusMessage message = QDBusMessage::createMethodCall(SERVICE, PATH, MANAGER, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::systemBus().call(message);
    if (reply.type() == QDBusMessage::ErrorMessage)
        *error = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
    return reply;
}
} // namespace

std::optional<QList<uid_t>> users(QString *error)
{
    const QDBusMessage reply = call(QStringLiteral("ListUsers"), {}, error);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return std::nullopt;
    // a(uso): uid, name, object
    QList<uid_t> uids;
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        uint uid = 0;
        QString name;
        QDBusObjectPath object;
        list.beginStructure();
        list >> uid >> name >> object;
        list.endStructure();
        uids.append(uid_t(uid));
    }
    list.endArray();
    return uids;
}

bool terminateUser(uid_t uid, QString *error)
{
    const QDBusMessage reply = call(QStringLiteral("TerminateUser"), {uint(uid)}, error);
    // An account with no user in logind runs nothing of a login's.
    return reply.type() == QDBusMessage::ReplyMessage ||
           reply.errorName() == u"org.freedesktop.login1.NoSuchUser";
}

bool disableLinger(uid_t uid, QString *error)
{
    // (uid, enable, interactive): no polkit dialog, root needs none.
    return call(QStringLiteral("SetUserLinger"), {uint(uid), false, false}, error).type() ==
           QDBusMessage::ReplyMessage;
}

} // namespace accounts::logind
