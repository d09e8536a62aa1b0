// The system's side of child accounts, in the test's own folders and on a private bus: what the
// home check reads, and how; the sessions kept at add and restored at removal; AccountsService
// over D-Bus against a mock of accounts-daemon.
#include "TestSupport.h"

#include "accounts/Logind.h"
#include "accounts/System.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace accounts;

class AccountsTest : public QObject
{
    Q_OBJECT
    QTemporaryDir root;

private slots:
    void initTestCase()
    {
        QVERIFY(root.isValid());
        setSystemRoot(root.path());
        QVERIFY(writeFile(root.filePath("etc/skel/.profile"), "umask 022\n"));
        QVERIFY(writeFile(root.filePath("elsewhere/systemd/user/x.service"), "[Service]\n"));
        QCOMPARE(::mkfifo(qPrintable(root.filePath("fifo")), 0600), 0);
    }

    // Only a file as /etc/skel has it may stay in a home that becomes a child account's: anything
    // else at the checked paths is found without following a link and without opening a pipe (a
    // pipe read would hang the test).
    void homeFiles_data()
    {
        // planted: "kind path [target]; ..."
        columns<QString, QString>("planted", "refused");
        // clang-format off
        QTest::newRow("as in skel") << "skel .profile; dir .config/pipewire/x" << "";
        QTest::newRow("unlike skel") << "file .profile; file .bash_profile" << ".bash_profile .profile";
        QTest::newRow("sessions' own") << "file .config/systemd/user.conf; file .config/systemd/user.control/a; file .config/pipewire/pipewire.conf.d/b; file .xinputrc; file .xsession; file .config/wireplumber/c; file .Xsession; file .config/systemd/user.conf.d/d; file .local/share/wireplumber/e; file .local/share/dbus-1/services/f; file .config/pulse/default.pa; file .config/gtk-3.0/settings.ini"
            << ".Xsession .config/gtk-3.0/settings.ini .config/pipewire/pipewire.conf.d/b .config/pulse/default.pa .config/systemd/user.conf .config/systemd/user.conf.d/d .config/systemd/user.control/a .config/wireplumber/c .local/share/dbus-1/services/f .local/share/wireplumber/e .xinputrc .xsession";
        QTest::newRow("Widevine") << "file .config/google-chrome/WidevineCdm/latest-component-updated-widevine-cdm; file .mozilla/firefox/p/gmp-widevinecdm/4/libwidevinecdm.so; file .config/chromium/WidevineCdm/4/libwidevinecdm.so; file .mozilla/firefox/profiles.ini"
            << ".config/chromium/WidevineCdm/4/libwidevinecdm.so .config/google-chrome/WidevineCdm/latest-component-updated-widevine-cdm .mozilla/firefox/p/gmp-widevinecdm/4/libwidevinecdm.so";
        QTest::newRow("links") << "link .profile /nonexistent; link .xsessionrc /proc/kmsg; link .bash_login fifo; link .mozilla/firefox/q /; link .config/environment.d/e /dev/null"
            << ".bash_login .config/environment.d/e .mozilla/firefox/q .profile .xsessionrc";
        QTest::newRow("a link on the way") << "link .config elsewhere" << ".config";
        QTest::newRow("pipes, past the limit") << "fifo .xprofile; big .pam_environment; fifo .local/share/systemd/user/u" << ".local/share/systemd/user/u .pam_environment .xprofile";
        // clang-format on
    }
    void homeFiles()
    {
        QFETCH(QString, planted);
        QTemporaryDir home;
        for (const QString &entry : planted.split(QStringLiteral("; "))) {
            const QStringList words = entry.split(u' ');
            const QString path = home.filePath(words[1]);
            QDir().mkpath(path.section(u'/', 0, -2));
            if (words[0] == u"file" || words[0] == u"big")
                QVERIFY(writeFile(path, words[0] == u"big" ? QByteArray(2 << 20, 'x') : "x"));
            else if (words[0] == u"skel")
                QVERIFY(writeFile(path, readFile(root.filePath("etc/skel/.profile"))));
            else if (words[0] == u"dir")
                QVERIFY(QDir().mkpath(path));
            else if (words[0] == u"fifo")
                QCOMPARE(::mkfifo(qPrintable(path), 0600), 0);
            else
                QVERIFY(QFile::link(QDir(root.path()).absoluteFilePath(words[2]), path));
        }
        const QList<HomeFile> files = startupFiles(home.path());
        QStringList refused;
        for (const HomeFile &file : files)
            if (!file.home || file.home != file.skel)
                refused.append(file.path);
        refused.sort();
        QTEST(refused.join(u' '), "refused");
        const auto checked = checkHomeFiles("kid", files);
        QCOMPARE(!checked, !refused.isEmpty());
        QVERIFY(checked || checked.why().contains("~/" + refused.constFirst()));
    }

    // Remove gives back what add found, SessionType too, in the file where no daemon runs.
    void keptAndRestored()
    {
        const QString file = root.filePath("var/lib/AccountsService/users/kid");
        // Every other line stays, in another group too.
        const QByteArray other = "\n[InputSource0]\nSession=x\n";
        QVERIFY(writeFile(file, "[User]\nLanguage=de\nSession=gnome\nSessionType=x11\n" + other));
        const Sessions before = readSessionsFromFile("kid");
        QCOMPARE(before, (Sessions{"gnome", std::nullopt, "x11"}));
        QVERIFY(keepSessions("kid", before));
        QVERIFY(writeSessionsToFile("kid", CHILD_SESSIONS));
        QCOMPARE(readFile(file),
                 "[User]\nLanguage=de\nSession=tovalin\nXSession=tovalin\n" + other);
        QVERIFY(writeSessionsToFile(
            "kid", sessionsToRestore(readSessionsFromFile("kid"), keptSessions("kid"))));
        QCOMPARE(readFile(file), "[User]\nLanguage=de\nSession=gnome\nSessionType=x11\n" + other);
        // As the first release kept them: no SessionType, which is then cleared.
        QVERIFY(writeFile(root.filePath("etc/tovalin/children/old"), "[Before]\nSession=plasma\n"));
        QCOMPARE(keptSessions("old"), (Sessions{"plasma", std::nullopt, std::nullopt}));
    }

    // add takes the PAM rule to be in force only from a line that is not a comment.
    void pamRule()
    {
        const QString file = root.filePath("etc/pam.d/common-session");
        QVERIFY(writeFile(file, "# session\trequisite\tpam_tovalin.so\n") && !pamRuleInForce());
        QVERIFY(writeFile(file, "session\trequisite\tpam_tovalin.so\n") && pamRuleInForce());
    }

    // Where accounts-daemon runs, through it; an account it does not know, in the file. Lingering
    // goes off through logind.
    void overDBus()
    {
        QProcess bus, mock, logind;
        const auto end = qScopeGuard([&] {
            for (QProcess *process : {&logind, &mock, &bus}) {
                process->terminate();
                process->waitForFinished();
            }
        });
        bus.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        QVERIFY(bus.waitForReadyRead(20000));
        qputenv("DBUS_SYSTEM_BUS_ADDRESS", bus.readLine().trimmed());
        mock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        mock.start("/usr/bin/python3", {"-m", "dbusmock", "--template", ACCOUNTS_MOCK});
        logind.start("/usr/bin/python3", {"-m", "dbusmock", "--system", "--template", "logind"});
        for (const char *service : {"org.freedesktop.Accounts", "org.freedesktop.login1"})
            QTRY_VERIFY_WITH_TIMEOUT(
                QDBusConnection::systemBus().interface()->isServiceRegistered(service), 20000);
        QDBusMessage linger = QDBusMessage::createMethodCall(
            logind::SERVICE, logind::PATH, "org.freedesktop.DBus.Mock", "AddMethod");
        linger << logind::MANAGER << "SetUserLinger" << "ubb" << "" << "assert not args[1]";
        QCOMPARE(QDBusConnection::systemBus().call(linger).type(), QDBusMessage::ReplyMessage);
        QVERIFY(logind::disableLinger(1000));
        const QByteArray file = readFile(accountsServiceFile("kid"));
        QCOMPARE(readSessions("kid"), (Sessions{"plasma", std::nullopt, "wayland"}));
        const auto written = writeSessions("kid", CHILD_SESSIONS);
        QVERIFY2(written, qPrintable(written ? QString() : written.why()));
        QCOMPARE(readSessions("kid"), CHILD_SESSIONS);
        QCOMPARE(readFile(accountsServiceFile("kid")), file); // the daemon's to write
        QVERIFY(writeSessions("other", CHILD_SESSIONS));
        QCOMPARE(readSessionsFromFile("other"), CHILD_SESSIONS);
    }
};

QTEST_GUILESS_MAIN(AccountsTest)
#include "tst_accounts.moc"
