// The user agent the sites see, and tovalin-check's verdicts, each run as a parent would run it.
#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/TrustedFile.h"
#include "web/Profile.h"
#include "web/UserAgent.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <sys/stat.h>
#include <unistd.h>

class CheckTest : public QObject
{
    Q_OBJECT

private slots:
    // Four weeks a version from Chrome 132's release on 2025-01-14; never below the engine's own.
    void chromeMajor_data()
    {
        columns<int, QDate, int>("engine", "today", "major");
        QTest::newRow("release day") << 102 << QDate(2025, 1, 14) << 132;
        QTest::newRow("a day short of four weeks") << 102 << QDate(2025, 2, 10) << 132;
        QTest::newRow("four weeks on") << 122 << QDate(2025, 2, 11) << 133;
        QTest::newRow("this machine's day") << 102 << QDate(2026, 12, 7) << 156;
        QTest::newRow("a clock set back") << 122 << QDate(2020, 1, 1) << 122;
    }
    void chromeMajor()
    {
        QTEST(web::presentedChromeMajor(fetch<int>("engine"), fetch<QDate>("today")), "major");
    }

    // The administrator's user agent is taken from a sound file only, on the password's terms.
    void override_data()
    {
        // theirs: the file is another account's
        columns<QByteArray, int, bool, int>("content", "mode", "theirs", "source");
        const int ignored = int(web::UserAgentChoice::Ignored);
        const QByteArray agent = "Admin/1.0 Chrome/140";
        // clang-format off
        QTest::newRow("trusted") << agent + "\nrest" << 0644 << false << int(web::UserAgentChoice::Administrator);
        QTest::newRow("writable by others") << agent << 0666 << false << ignored;
        QTest::newRow("another account's") << agent << 0644 << true << ignored;
        QTest::newRow("not a header") << QByteArray("Admin\x01") << 0644 << false << ignored;
        QTest::newRow("absent") << QByteArray() << 0 << false << int(web::UserAgentChoice::BuiltIn);
        // clang-format on
    }
    void override()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, theirs);
        QTemporaryDir dir;
        QString path = dir.filePath("user-agent");
        QVERIFY(content.isEmpty() || writeFile(path, content));
        chmod(QFile::encodeName(path).constData(), mode_t(fetch<int>("mode")));
        chmod(QFile::encodeName(dir.path()).constData(), 0755);
        // Root gives the file in its own folder away; an ordinary user takes one of root's.
        if (theirs && geteuid() == 0)
            QCOMPARE(chown(QFile::encodeName(path).constData(), getuid() + 1, gid_t(-1)), 0);
        else if (theirs)
            path = "/etc/hostname";
        QVERIFY(QFileInfo(path).isFile() || content.isEmpty());
        const web::UserAgentChoice choice =
            web::chooseUserAgent(path, getuid(), QDate(2026, 12, 7));
        QTEST(int(choice.source), "source");
        QCOMPARE(choice.userAgent, choice.source == web::UserAgentChoice::Administrator
                                       ? QStringLiteral("Admin/1.0 Chrome/140")
                                       : web::chromeUserAgent(156));
    }

    // A page load and its script see the same Chrome, with no trace of the engine's own name.
    void sitesSeeChrome()
    {
        PageServer server([](const QString &) {
            return "<script>navigator.userAgentData.getHighEntropyValues(['fullVersionList'])"
                   ".then(data => fetch('/seen?' + encodeURIComponent(JSON.stringify("
                   "[navigator.userAgent, data]))))</script>";
        });
        QWebEnginePage page(sharedProfile());
        page.load(QUrl(server.url("/")));
        QTRY_VERIFY_WITH_TIMEOUT(!server.requests.filter("GET /seen?").isEmpty(), 20000);
        const QString
            load = server.requests.constFirst(),
            script = QUrl::fromPercentEncoding(
                server.requests.filter("GET /seen?")[0].section(u' ', 1, 1).mid(6).toLatin1());
        qInfo().noquote() << "page load:" << load << "script:" << script;
        const QString expected =
            web::chooseUserAgent(platform::ADMIN_FOLDER.file(web::USER_AGENT_FILE),
                                 platform::ADMIN_FOLDER.owner, platform::now().date())
                .userAgent;
        QVERIFY(load.contains("\r\nUser-Agent: " + expected + "\r\n"));
        QVERIFY(script.startsWith("[\"" + expected + "\","));
        QVERIFY(!load.contains("QtWebEngine") && !script.contains("QtWebEngine"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
        // The full versions name the same Chrome; the brands stay the engine's (see UserAgent.cpp).
        const QString major = expected.section("Chrome/", 1).section('.', 0, 0);
        QVERIFY(
            script.contains("{\"brand\":\"Google Chrome\",\"version\":\"" + major + ".0.0.0\"}"));
#endif
    }

    // What the check says for the module, the password file and the store a parent may have.
    void verdicts_data()
    {
        // clang-format off
        // module: "-" for none
        // child: the account is in the group tovalin-child
        columns<QByteArray, QByteArray, bool, bool, int, QStringList>(
            "module", "password", "storeReadable", "child", "status", "lines");
        const QByteArray library("\x7f" "ELF\x02\x01\x01");
        const QString module = "/.config/google-chrome/WidevineCdm/4.10.0.0/_platform_specific/linux_x64/libwidevinecdm.so",
                      none = "Verdict: the child's site cannot play here: no Widevine module, encrypted media refused";
        const auto row = QTest::newRow;
        row("no module") << QByteArray("-") << QByteArray() << true << false << 1 << QStringList{"Widevine module: not found.", "Encrypted media (Widevine): refused", none};
        row("empty stand-in") << QByteArray() << QByteArray() << true << false << 1 << QStringList{module + " is there, but it is no library", "Encrypted media (Widevine): can be requested", "Verdict: the child's site cannot play here: a damaged Widevine module"};
        row("stand-in library") << library << QByteArray() << true << false << 0 << QStringList{"Widevine module: found at ", module + ", in this account's home: a child account never", "H.264 video in MP4: plays (canPlayType \"probably\"", "AAC audio in MP4: plays", "Parental password: the built-in one", "Session: no session", "Verdict: the child's site can play here"};
        row("broken password file") << library << QByteArray("garden482\n") << true << false << 1 << QStringList{"password is broken or not safe to trust, so no password opens Tovalin. Repair: sudo tovalin-set-password", "Verdict: the child's site cannot play here: no password opens Tovalin"};
        row("unreadable store") << library << QByteArray() << false << false << 0 << QStringList{"Tovalin.conf cannot be read", "Verdict: the child's site can play"};
        // The child may write its home: neither the check nor the engine takes a module there.
        row("child account") << library << QByteArray() << true << true << 1 << QStringList{"Widevine module: not found. In a child account", "Encrypted media (Widevine): refused", none};
        // clang-format on
    }
    void verdicts()
    {
        QFETCH(QByteArray, module);
        QFETCH(QByteArray, password);
        QTemporaryDir home, etc;
        const QString library = home.filePath(".config/google-chrome/WidevineCdm/4.10.0.0/"
                                              "_platform_specific/linux_x64/libwidevinecdm.so");
        QVERIFY(module == "-" || writeFile(library, module));
        QVERIFY(password.isEmpty() || writeFile(etc.filePath("password"), password));
        chmod(QFile::encodeName(etc.path()).constData(), 0755);
        const QString store = home.filePath("config/Tovalin/Tovalin.conf");
        QVERIFY(fetch<bool>("storeReadable") ||
                (writeFile(store, {}) && QFile::setPermissions(store, {})));
        QProcess check;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        // The account's own groups, under the name of the child group where it is one.
        const QString passwd = etc.filePath("passwd"), group = etc.filePath("group");
        QVERIFY(QFile::copy("/etc/passwd", passwd));
        QVERIFY(writeFile(group, QByteArray(fetch<bool>("child") ? "tovalin-child" : "other") +
                                     ":x:" + QByteArray::number(getegid()) + ":\n"));
        // The address sanitizer refuses a preloaded library first, and one that binds deeply.
        const QString asan = environment.value("ASAN_OPTIONS") + ":verify_asan_link_order=0";
        // clang-format off
        for (const auto &[name, value] : QList<std::pair<QString, QString>>{{"HOME", home.path()}, {"XDG_CONFIG_HOME", home.filePath("config")}, {"LD_PRELOAD", NSS_WRAPPER},
                 {"NSS_WRAPPER_PASSWD", passwd}, {"NSS_WRAPPER_GROUP", group}, {"ASAN_OPTIONS", asan}, {"NSS_WRAPPER_DISABLE_DEEPBIND", "1"}})
            environment.insert(name, value);
        // clang-format on
        check.setProcessEnvironment(environment);
        // Root reads any file: without that right the store is unreadable to it as well.
        const QStringList asUser{"setpriv", "--bounding-set=-dac_override,-dac_read_search", "--"};
        const QStringList command = QStringList(geteuid() == 0 ? asUser : QStringList())
                                    << TOVALIN_CHECK << "--admin-folder=" + etc.path();
        QElapsedTimer took;
        took.start();
        check.start(command[0], command.mid(1));
        QVERIFY(check.waitForFinished(10000));
        QVERIFY2(took.elapsed() < 5000, qPrintable(QString::number(took.elapsed())));
        const QString out = QString::fromLocal8Bit(check.readAllStandardOutput());
        for (const QString &line : fetch<QStringList>("lines"))
            QVERIFY2(out.contains(line), qPrintable(line + " not in:\n" + out));
        QTEST(check.exitCode(), "status");
    }
};

QTEST_MAIN(CheckTest)
#include "tst_check.moc"
