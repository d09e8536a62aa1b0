// One running program per user: a later start hands over, and a name left behind by a killed
// instance is taken over instead of blocking every later start.
#include "platform/SingleInstance.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
QString freshName()
{
    return QStringLiteral("tovalin-test-") + QUuid::createUuid().toString(QUuid::Id128);
}
} // namespace

class InstanceTest : public QObject
{
    Q_OBJECT

private slots:
    void laterStartHandsOver()
    {
        const QString name = freshName();
        QVERIFY(!platform::SingleInstance::handOffToRunningInstance(name));
        platform::SingleInstance running(name);
        QVERIFY(running.isListening());
        QSignalSpy activated(&running, &platform::SingleInstance::activated);
        QVERIFY(platform::SingleInstance::handOffToRunningInstance(name));
        QTRY_COMPARE(activated.size(), 1);
    }

    void nameOfAKilledInstanceIsTakenOver()
    {
        // A socket file that nobody listens on any more, as a killed instance leaves it.
        const QString name = freshName();
        const QByteArray path = QDir(QDir::tempPath()).filePath(name).toLocal8Bit();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        qstrncpy(address.sun_path, path.constData(), sizeof address.sun_path);
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
        close(fd);

        QVERIFY(!platform::SingleInstance::handOffToRunningInstance(name));
        platform::SingleInstance running(name);
        QVERIFY(running.isListening());
        QVERIFY(platform::SingleInstance::handOffToRunningInstance(name));
    }
};

QTEST_MAIN(InstanceTest)
#include "tst_instance.moc"
