#include "accounts/Logind.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>

namespace accounts::logind {

using platform::Failure;
using platform::Result;

namespace {
QDBusMessage call(const QString &method, const QList<QVariant> &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(SERVICE, PATH, MANAGER, method);
    message.setArguments(arguments);
    return QDBusConnection::systemBus().call(message);
}

Failure failure(const QDBusMessage &reply)
{
    return {reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage()};
}
} // namespace

Result<QList<uid_t>> users()
{
    const QDBusMessage reply = call(QStringLiteral("ListUsers"), {});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return failure(reply);
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

Result<> terminateUser(uid_t uid)
{
    const QDBusMessage reply = call(QStringLiteral("TerminateUser"), {uint(uid)});
    // An account with no user in logind runs nothing of a login's.
    if (reply.type() == QDBusMessage::ReplyMessage ||
        reply.errorName() == u"org.freedesktop.login1.NoSuchUser")
        return {};
    return failure(reply);
}

Result<> disableLinger(uid_t uid)
{
    // (uid, enable, interactive): no polkit dialog, root needs none.
    const QDBusMessage reply = call(QStringLiteral("SetUserLinger"), {uint(uid), false, false});
    if (reply.type() == QDBusMessage::ReplyMessage)
        return {};
    return failure(reply);
}

} // namespace accounts::logind
