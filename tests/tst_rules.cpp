// The pure rules, by table: the countdown's text and colour, the minutes a parent types, the
// addresses the web view may go to, the engine switches taken from the environment, the wait
// before a password is judged, the rendering path a renderer calls for, and which password
// files are trusted, and the logins a child account may open.
#include "TestSupport.h"

#include "accounts/ChildAccount.h"
#include "platform/Environment.h"
#include "platform/PasswordFile.h"
#include "platform/RenderingPath.h"
#include "platform/TextColor.h"
#include "platform/Translation.h"
#include "session/Minutes.h"
#include "session/PasswordDelay.h"
#include "session/StatusText.h"
#include "web/ContentWindowGuard.h"
#include "web/NavigationPolicy.h"

#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

constexpr qint64 MAX = std::numeric_limits<qint64>::max();
constexpr qint64 NOW = 1'700'000'000'000;

class RulesTest : public QObject
{
    Q_OBJECT

private slots:
    // A hand-edited store can hold any date: the text stays defined for every pair of instants.
    void statusText_data()
    {
        QTest::addColumn<qint64>("end");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("color");
        const int label = int(StatusColor::Label), red = int(StatusColor::Red);
        QTest::newRow("61 s") << NOW + 61000 << false << "Time remaining: 01:01" << label;
        QTest::newRow("60.9 s, red") << NOW + 60900 << false << "Time remaining: 01:00" << red;
        QTest::newRow("passed") << NOW - 5000 << false << "Time remaining: 00:00" << red;
        QTest::newRow("far past") << -MAX << false << "Time remaining: 00:00" << red;
        QTest::newRow("far future")
            << MAX << false << "Time remaining: 153722838947579:35" << label;
        QTest::newRow("paused") << NOW + 30000 << true << "Paused: 00:30 remaining"
                                << int(StatusColor::Orange);
    }
    void statusText()
    {
        QFETCH(qint64, end);
        QFETCH(bool, paused);
        const StatusText status = ::statusText(remainingSeconds(end, NOW), paused);
        QTEST(status.text, "text");
        QTEST(int(status.color), "color");
    }

    // WCAG's ratio, and a colour moved only as far as legibility asks, its hue kept.
    void legibleOn_data()
    {
        QTest::addColumn<QColor>("wanted");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<double>("contrast"); // of the wanted colour as it is
        QTest::addColumn<QColor>("result");   // invalid: moved, its hue kept
        const QColor red(0xd7, 0x00, 0x15), orange(0xc9, 0x34, 0x00), dark(0x1e, 0x1e, 0x1e);
        const auto row = QTest::newRow;
        // clang-format off
        row("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0 << QColor(Qt::black);
        row("white on white") << QColor(Qt::white) << QColor(Qt::white) << 1.0 << QColor(0x76, 0x76, 0x76);
        row("just legible grey") << QColor(0x76, 0x76, 0x76) << QColor(Qt::white) << 4.54 << QColor(0x76, 0x76, 0x76);
        row("red on white") << red << QColor(Qt::white) << 5.38 << red;
        row("orange on white") << orange << QColor(Qt::white) << 5.28 << orange;
        row("red on dark") << red << dark << 3.1 << QColor();
        row("orange on dark") << orange << dark << 3.16 << QColor();
        // A translucent grey reads as what it makes of the background.
        row("half black on white") << QColor(0, 0, 0, 128) << QColor(Qt::white) << 21.0 << QColor(0x76, 0x76, 0x76);
        // clang-format on
    }
    void legibleOn()
    {
        QFETCH(QColor, wanted);
        QFETCH(QColor, background);
        QFETCH(double, contrast);
        QFETCH(QColor, result);
        if (wanted.alpha() == 255)
            QCOMPARE(std::round(platform::contrastRatio(wanted, background) * 100) / 100, contrast);
        const QColor legible = platform::legibleOn(wanted, background);
        QVERIFY(platform::contrastRatio(legible, background) >= platform::LEGIBLE_CONTRAST);
        if (result.isValid()) {
            QVERIFY2(platform::contrastRatio(legible, result) < 1.05, qPrintable(legible.name()));
        } else {
            QVERIFY(legible.red() > legible.blue() + 40 && legible.red() > legible.green() + 40);
            QCOMPARE(legible.green() > legible.blue() + 20, wanted.green() > wanted.blue() + 20);
            QVERIFY(platform::contrastRatio(legible, background) < 5.5);
        }
    }

    void parseMinutes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("minutes"); // -1: refused, a value no accepted text gives
        QTest::newRow("plain") << "30" << 30LL;
        QTest::newRow("least") << "1" << 1LL;
        QTest::newRow("plus, zeros") << "+007" << 7LL;
        QTest::newRow("most") << "153722867280912930" << 153722867280912930LL;
        for (const QString &text :
             QStringList{"0", "-5", "-0", "", "+", "+-5", " 30", "30 ", "1.5", "12abc", "30\n",
                         QString::fromUtf8("\u0663\u0660"), "9223372036854775808",
                         "153722867280912931", QString(100000, u'9')})
            QTest::newRow(qPrintable(text.left(20))) << text << -1LL;
    }
    void parseMinutes()
    {
        QFETCH(QString, text);
        QTEST(::parseMinutes(text).value_or(-1), "minutes");
    }

    // clang-format off
    void schemes_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("mainFrame");
        QTest::addColumn<bool>("frame");
        for (const char *web : {"https", "HTTP"})
            QTest::newRow(web) << web << true << true;
        for (const char *other : {"mailto", "tel", "intent", "my-app", "qrc", "file", "view-source", "chrome"})
            QTest::newRow(other) << other << false << false;
        for (const char *inPage : {"about", "blob", "data"})
            QTest::newRow(inPage) << inPage << false << true;
    }
    void schemes()
    {
        QFETCH(QString, scheme);
        QTEST(schemeStaysInView(scheme, true), "mainFrame");
        QTEST(schemeStaysInView(scheme, false), "frame");
    }

    void keepInside_data()
    {
        QTest::addColumn<QRect>("popup");
        QTest::addColumn<QRect>("kept");
        QTest::newRow("past the right") << QRect(700, 100, 4931, 334) << QRect(10, 100, 800, 334);
        QTest::newRow("over the bar") << QRect(300, 0, 100, 30) << QRect(300, 45, 100, 30);
        QTest::newRow("larger") << QRect(-50, -50, 9000, 9000) << QRect(10, 45, 800, 565);
    }
    void keepInside()
    {
        QFETCH(QRect, popup);
        QTEST(::keepInside(popup, QRect(10, 45, 800, 565)), "kept");
    }

    void engineFlags_data()
    {
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<QByteArray>("kept");
        const QByteArray proxy = "--proxy-server=p:1 --proxy-bypass-list=a --no-proxy-server";
        QTest::newRow("debugging") << QByteArray("--remote-debugging-port=9222") << QByteArray();
        QTest::newRow("mixed") << QByteArray("--widevine-path=/w --remote-debugging-pipe --no-sandbox") << QByteArray("--widevine-path=/w");
        QTest::newRow("proxy") << proxy << proxy;
        QTest::newRow("look-alikes") << QByteArray("--widevine-path --no-proxy-server=1 x--proxy-server=p") << QByteArray();
    }
    void engineFlags()
    {
        QFETCH(QByteArray, flags);
        QTEST(platform::allowedEngineFlags(flags), "kept");
    }

    // Distances from the last wrong answer; a negative one is a clock set back.
    void passwordDelay_data()
    {
        QTest::addColumn<qint64>("failed");
        QTest::addColumn<qint64>("sinceLast");
        QTest::addColumn<qint64>("wait");
        QTest::newRow("three free") << 2LL << 0LL << 0LL;
        QTest::newRow("then 1 s, partly waited") << 3LL << 400LL << 600LL;
        QTest::newRow("doubling") << 5LL << 0LL << 4000LL;
        QTest::newRow("capped") << 9LL << 0LL << 60000LL;
        QTest::newRow("huge count") << MAX << 0LL << 60000LL;
        QTest::newRow("waited out") << 4LL << 2000LL << 0LL;
        QTest::newRow("clock set back") << 4LL << -MAX << 2000LL;
    }
    void passwordDelay()
    {
        QFETCH(qint64, failed);
        QFETCH(qint64, sinceLast);
        QTEST(remainingPasswordWaitMsecs(failed, std::max(-sinceLast, 0LL), std::max(sinceLast, 0LL)), "wait");
    }

    // The typed answer is the password only when every character is the same.
    void secrets()
    {
        for (const char *typed : {"garden483", "garden48", "garden4822", "Garden482", ""})
            QVERIFY2(!secretsEqual(typed, "garden482"), typed);
        QVERIFY(secretsEqual("garden482", "garden482"));
    }

    // Files an administrator left, well or badly: only a sound one is trusted, and then only its
    // own password matches. The content is the hash where empty, and no file at all for "-".
    void passwordFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<uid_t>("owner"); // added to our own uid
        QTest::addColumn<int>("kind");
        const int usable = platform::PasswordFile::Usable, refused = platform::PasswordFile::Refused;
        QTest::newRow("sound") << QByteArray() << 0644 << 0755 << 0u << usable;
        QTest::newRow("absent") << QByteArray("-") << 0 << 0755 << 0u << int(platform::PasswordFile::Absent);
        QTest::newRow("malformed") << QByteArray("garden482\n") << 0644 << 0755 << 0u << refused;
        QTest::newRow("writable by others") << QByteArray() << 0646 << 0755 << 0u << refused;
        QTest::newRow("writable by its group") << QByteArray() << 0664 << 0755 << 0u << refused;
        // A file that cannot even be looked at is no proof that there is none.
        QTest::newRow("in a shut folder") << QByteArray() << 0644 << 0 << 0u << refused;
        QTest::newRow("in an open folder") << QByteArray() << 0644 << 0777 << 0u << refused;
        QTest::newRow("someone else's") << QByteArray() << 0644 << 0755 << 1u << refused;
    }
    // clang-format on
    // Hardware drivers that compile shaders with LLVM say so in their name too.
    void renderingPath_data()
    {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<bool>("software");
        // clang-format off
        for (const char *software : {"", "llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "ANGLE (Google, Vulkan 1.3.0 (SwiftShader Device (Subzero)), SwiftShader driver)"})
            QTest::newRow(software) << software << true;
        for (const char *hardware : {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)"})
            QTest::newRow(hardware) << hardware << false;
        // clang-format on
    }
    void renderingPath()
    {
        QFETCH(QString, renderer);
        QTEST(platform::renderingPathFor(renderer) == platform::RenderingPath::Software,
              "software");
    }

    // The first preferred language that has a translation; none once English or C comes first.
    void translationFor()
    {
        const QStringList shipped{"de", "fr", "pt_BR", "nl"};
        // clang-format off
        for (const QString row : {"de-DE de", "de-AT:fr de", "pt-BR pt_BR", "pt pt_BR", "pt-PT:nl nl", "ja:fr-CA fr", "en-US:de ", "C:de ", "ja ", " "})
            QCOMPARE(platform::translationFor(row.section(' ', 0, 0).split(u':', Qt::SkipEmptyParts), shipped).value_or(""), row.section(' ', 1));
        // clang-format on
    }

    void passwordFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, fileMode);
        QFETCH(int, folderMode);
        QFETCH(uid_t, owner);
        QTemporaryDir dir;
        const QString path = dir.filePath("password");
        QString error;
        QFile file(path);
        QVERIFY(content == "-" || platform::writePasswordFile(path, "parent's own", &error));
        QVERIFY(content == "-" || content.isEmpty() ||
                (file.open(QIODevice::WriteOnly) && file.write(content)));
        file.close();
        chmod(QFile::encodeName(path).constData(), mode_t(fileMode));
        chmod(QFile::encodeName(dir.path()).constData(), mode_t(folderMode));
        overridePermissions(false);
        const platform::PasswordFile read = platform::readPasswordFile(path, getuid() + owner);
        overridePermissions(true);
        chmod(QFile::encodeName(dir.path()).constData(), 0700);
        QTEST(int(read.kind), "kind");
        QCOMPARE(platform::passwordMatchesHash(read.hash, "parent's own"),
                 read.kind == platform::PasswordFile::Usable);
        QVERIFY(!platform::passwordMatchesHash(read.hash, "garden482"));
    }

    // A child account opens Tovalin's session alone; debian/tests/child-account drives every
    // service through real PAM, these the cases that PAM does not send it.
    void childLogin_data()
    {
        QTest::addColumn<QString>("service");
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QString>("picked");   // the session variables, or "-"
        QTest::addColumn<QString>("recorded"); // AccountsService's Session=, or "-"
        QTest::addColumn<bool>("lingers");
        QTest::addColumn<bool>("allowed");
        // clang-format off
        QTest::newRow("GDM, Tovalin's") << "gdm-password" << "open_session" << "-" << "tovalin" << false << true;
        QTest::newRow("GDM, GNOME") << "gdm-autologin" << "open_session" << "-" << "gnome" << false << false;
        QTest::newRow("GDM, variables") << "gdm-password" << "open_session" << "gnome" << "tovalin" << false << false;
        QTest::newRow("LightDM, Tovalin's") << "lightdm-autologin" << "open_session" << "tovalin" << "gnome" << false << true;
        QTest::newRow("LightDM, GNOME") << "lightdm" << "open_session" << "gnome" << "tovalin" << false << false;
        QTest::newRow("text console") << "login" << "open_session" << "tovalin" << "tovalin" << false << false;
        QTest::newRow("no phase") << "lightdm" << "" << "tovalin" << "tovalin" << false << false;
        QTest::newRow("user manager") << "systemd-user" << "open_session" << "-" << "-" << false << true;
        QTest::newRow("lingering user manager") << "systemd-user" << "open_session" << "-" << "-" << true << false;
        QTest::newRow("closing") << "sshd" << "close_session" << "-" << "-" << false << true;
        // clang-format on
    }
    void childLogin()
    {
        QFETCH(QString, service);
        QFETCH(QString, phase);
        QFETCH(QString, picked);
        QFETCH(QString, recorded);
        QFETCH(bool, lingers);
        accounts::LoginRequest request{
            service, phase, true, {}, recorded == u"-" ? std::nullopt : std::optional(recorded),
            lingers};
        for (const char *variable : {"XDG_SESSION_DESKTOP", "DESKTOP_SESSION"})
            if (picked != u"-")
                request.environment.insert(variable, picked);
        QTEST(accounts::judgeLogin(request).allowed, "allowed");
        request.member = false;
        QVERIFY(accounts::judgeLogin(request).allowed);
    }

    // Only a file as /etc/skel has it may stay in a home that becomes a child account's.
    void homeFiles_data()
    {
        QTest::addColumn<QString>("home"); // "-": unreadable
        QTest::addColumn<QString>("skel"); // "-": none
        QTest::addColumn<bool>("refused");
        QTest::newRow("as in skel") << "umask 022"
                                    << "umask 022" << false;
        QTest::newRow("changed") << "systemctl --user start x"
                                 << "umask 022" << true;
        QTest::newRow("not in skel") << ""
                                     << "-" << true;
        QTest::newRow("unreadable") << "-"
                                    << "-" << true;
    }
    void homeFiles()
    {
        QFETCH(QString, home);
        QFETCH(QString, skel);
        const auto content = [](const QString &text) {
            return text == u"-" ? std::nullopt : std::optional(text.toUtf8());
        };
        const accounts::HomeFile file{".profile", content(home), content(skel)};
        const auto refusal = accounts::refusalForHomeFiles("kid", {file});
        QTEST(refusal.has_value(), "refused");
        QVERIFY(!refusal || refusal->contains("~/.profile"));
    }

    // AccountsService's files keep every other line when tovalin-child sets or clears a session.
    void keyFile()
    {
        const QString file = "[User]\nLanguage=de\nSession=gnome\n\n[Other]\nSession=x\n";
        QCOMPARE(accounts::keyFileValue(file, "User", "Session"), "gnome");
        QCOMPARE(accounts::keyFileValue("[User]\n[\nSession=a\n", "User", "Session"), "a");
        QCOMPARE(accounts::withKeyFileValue(file, "User", "XSession", "tovalin"),
                 "[User]\nLanguage=de\nSession=gnome\nXSession=tovalin\n\n[Other]\nSession=x\n");
        QCOMPARE(accounts::withKeyFileValue(file, "User", "Session", std::nullopt),
                 "[User]\nLanguage=de\n\n[Other]\nSession=x\n");
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "tst_rules.moc"
