// The built program as separate processes: one instance per user whatever the environment says,
// and no debugging door opened from the environment.
#include "TestSupport.h"

#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The program started as the desktop would start it, with no session bus to start one of its own.
void startTovalin(QProcess &process, const QProcessEnvironment &extra = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                       QStringLiteral("unix:path=/nonexistent"));
    environment.insert(extra);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(qEnvironmentVariable("TOVALIN_BINARY"), {});
    QVERIFY(process.waitForStarted());
}

quint16 freePort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}
} // namespace

class InstanceTest : public QObject
{
    Q_OBJECT

private slots:
    // Also gives these programs the tests' own folders, not the user's.
    void initTestCase() { resetSession(); }

    void oneWindow_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<bool>("longPath");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("same TMPDIR") << QString() << false << 0;
        QTest::newRow("a TMPDIR each") << "TMPDIR" << false << 0;
        QTest::newRow("a runtime folder each") << "XDG_RUNTIME_DIR" << false << 0;
        // Too long for a socket beside the store: the later start cannot reach the first, and
        // says so rather than show a second window.
        QTest::newRow("the store by a long path") << "XDG_RUNTIME_DIR" << true << 1;
    }
    // Started at the same moment: one keeps running, the other hands over and ends.
    void oneWindow()
    {
        QFETCH(QString, variable);
        QFETCH(bool, longPath);
        QFETCH(int, exitCode);
        QTemporaryDir temp;
        const QString store = temp.filePath(QString(100, u'x'));
        QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME"));
        QFile::link(qEnvironmentVariable("XDG_CONFIG_HOME"), store);
        for (int round = 0; round < (longPath ? 1 : 4); ++round) {
            QProcess first, second;
            for (QProcess *process : {&first, &second}) {
                QProcessEnvironment extra;
                const QString own = temp.filePath(QString::number(quintptr(process)));
                QDir().mkpath(own);
                QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                if (!variable.isEmpty())
                    extra.insert(variable, own);
                if (longPath && process == &second)
                    extra.insert(QStringLiteral("XDG_CONFIG_HOME"), store);
                startTovalin(*process, extra);
            }
            QTRY_VERIFY_WITH_TIMEOUT(first.state() == QProcess::NotRunning ||
                                         second.state() == QProcess::NotRunning,
                                     30000);
            QProcess &gone = first.state() == QProcess::NotRunning ? first : second;
            QProcess &kept = &gone == &first ? second : first;
            QCOMPARE(gone.exitStatus(), QProcess::NormalExit);
            QCOMPARE(gone.exitCode(), exitCode);
            QVERIFY(!kept.waitForFinished(1000));
            kept.kill();
            kept.waitForFinished();
        }
    }

    void environmentOpensNoDebuggingPort()
    {
        const quint16 ports[] = {freePort(), freePort()};
        QProcessEnvironment extra;
        extra.insert(QStringLiteral("QTWEBENGINE_REMOTE_DEBUGGING"), QString::number(ports[0]));
        extra.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"),
                     QStringLiteral("--remote-debugging-port=%1").arg(ports[1]));
        QProcess tovalin;
        startTovalin(tovalin, extra);
        // Long enough for the engine, which starts with the window, to have opened any port.
        QVERIFY(!tovalin.waitForFinished(4000));
        for (quint16 port : ports) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port);
            QVERIFY2(!socket.waitForConnected(1000), qPrintable(QString::number(port)));
        }
        tovalin.kill();
        tovalin.waitForFinished();
    }
};

QTEST_MAIN(InstanceTest)
#include "tst_instance.moc"
