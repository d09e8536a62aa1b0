// The pure rules, by table: the countdown's text and colour, the minutes a parent types, the
// addresses the web view may go to, the engine switches taken from the environment and where
// they make the engine look for the Widevine module, which media answers play, the wait before
// a password is judged, the rendering path a renderer calls for, and which password files are
// trusted, the accounts that may become a child's and what may run under one.
#include "TestSupport.h"

#include "accounts/ChildAccount.h"
#include "accounts/SessionPrograms.h"
#include "check/MediaProbe.h"
#include "check/Widevine.h"
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
        columns<qint64, bool, QString, int>("end", "paused", "text", "color");
        const int label = int(StatusColor::Label), red = int(StatusColor::Red);
        // clang-format off
        QTest::newRow("61 s") << NOW + 61000 << false << "Time remaining: 01:01" << label;
        QTest::newRow("60.9 s, red") << NOW + 60900 << false << "Time remaining: 01:00" << red;
        QTest::newRow("passed") << NOW - 5000 << false << "Time remaining: 00:00" << red;
        QTest::newRow("far past") << -MAX << false << "Time remaining: 00:00" << red;
        QTest::newRow("far future") << MAX << false << "Time remaining: 153722838947579:35" << label;
        QTest::newRow("paused") << NOW + 30000 << true << "Paused: 00:30 remaining" << int(StatusColor::Orange);
        // clang-format on
    }
    void statusText()
    {
        const StatusText status =
            ::statusText(remainingSeconds(fetch<qint64>("end"), NOW), fetch<bool>("paused"));
        QTEST(status.text, "text");
        QTEST(int(status.color), "color");
    }

    // WCAG's ratio, and a colour moved only as far as legibility asks, its hue kept.
    void legibleOn_data()
    {
        // contrast: of the wanted colour as it is
        // result: where invalid, the colour must move, its hue kept
        columns<QColor, QColor, double, QColor>("wanted", "background", "contrast", "result");
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
        // Fusion's dark Base lies between two 8-bit values: the text reads as the screen shows both.
        row("red on Fusion's dark") << red << QColor(0x32, 0x32, 0x32).darker(140) << 2.89 << QColor();
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
        QVERIFY(platform::contrastRatio(QColor(legible.rgb()), QColor(background.rgb())) >=
                platform::LEGIBLE_CONTRAST);
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
        // minutes: -1 where refused, a value no accepted text gives
        columns<QString, qint64>("text", "minutes");
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
    void parseMinutes() { QTEST(::parseMinutes(fetch<QString>("text")).value_or(-1), "minutes"); }

    // clang-format off
    void schemes_data()
    {
        columns<QString, bool, bool>("scheme", "mainFrame", "frame");
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
        columns<QRect, QRect>("popup", "kept");
        QTest::newRow("past the right") << QRect(700, 100, 4931, 334) << QRect(10, 100, 800, 334);
        QTest::newRow("over the bar") << QRect(300, 0, 100, 30) << QRect(300, 45, 100, 30);
        QTest::newRow("larger") << QRect(-50, -50, 9000, 9000) << QRect(10, 45, 800, 565);
    }
    void keepInside()
    {
        QTEST(::keepInside(fetch<QRect>("popup"), QRect(10, 45, 800, 565)), "kept");
    }

    void engineFlags_data()
    {
        // widevine: a child account's machine-wide module
        columns<QByteArray, QString, QByteArray>("flags", "widevine", "kept");
        const QByteArray proxy = "--proxy-server=p:1 --proxy-bypass-list=a --no-proxy-server";
        QTest::newRow("debugging") << QByteArray("--remote-debugging-port=9222") << "" << QByteArray();
        QTest::newRow("mixed") << QByteArray("--widevine-path=/w --remote-debugging-pipe --no-sandbox") << "" << QByteArray("--widevine-path=/w");
        QTest::newRow("proxy") << proxy << "" << proxy;
        QTest::newRow("look-alikes") << QByteArray("--widevine-path --no-proxy-server=1 x--proxy-server=p") << "" << QByteArray();
        QTest::newRow("quoted") << QByteArray("--widevine-path=\"/a b/w.so\" \"--no-sandbox\"") << "" << QByteArray("\"--widevine-path=/a b/w.so\"");
        QTest::newRow("child account") << QByteArray("--widevine-path=/home/k/w --no-proxy-server") << "/opt/w" << QByteArray("--widevine-path=/opt/w --no-proxy-server");
    }
    void engineFlags()
    {
        QTEST(platform::allowedEngineFlags(fetch<QByteArray>("flags"), fetch<QString>("widevine")),
              "kept");
    }

    // The engine takes the last switch's module alone; a child account takes none from its home
    // or its environment.
    void widevineSearch_data()
    {
        columns<QByteArray, bool, QStringList>("flags", "child", "order");
        const QStringList all{"/p", "/h", "/f"}, machineWide{"/p", "/f"};
        QTest::newRow("no switch") << QByteArray() << false << all;
        QTest::newRow("named") << QByteArray("--widevine-path=/w") << false << QStringList{"/w"};
        QTest::newRow("without =") << QByteArray("--widevine-path /w") << false << all;
        QTest::newRow("empty") << QByteArray("--widevine-path=") << false << all;
        QTest::newRow("quoted value") << QByteArray("--widevine-path=\"/a b\"") << false << QStringList{"/a b"};
        QTest::newRow("quoted whole") << QByteArray("\"--widevine-path=/a=b\"") << false << QStringList{"/a=b"};
        QTest::newRow("among others") << QByteArray("--no-proxy-server --widevine-path=/w --proxy-server=p") << false << QStringList{"/w"};
        QTest::newRow("twice") << QByteArray("--widevine-path=/a --widevine-path=/b") << false << QStringList{"/b"};
        QTest::newRow("after --") << QByteArray("-- --widevine-path=/w") << false << all;
        QTest::newRow("child") << QByteArray() << true << machineWide;
        QTest::newRow("child, named") << QByteArray("--widevine-path=/h") << true << machineWide;
    }
    void widevineSearch()
    {
        const check::WidevinePlaces places{{"/p"}, {"/h"}, {"/f"}};
        const QStringList flags = platform::engineArguments(fetch<QByteArray>("flags"));
        QTEST(check::widevineSearchOrder(flags, places, fetch<bool>("child")), "order");
    }

    // A site streams through MediaSource: both of the engine's answers must take the type.
    void mediaPlays_data()
    {
        columns<QString, bool, bool>("canPlayType", "isTypeSupported", "plays");
        for (const char *answer : {"probably", "maybe", ""})
            for (const bool supported : {true, false})
                QTest::addRow("\"%s\", %d", answer, supported) << answer << supported << (*answer && supported);
    }
    void mediaPlays()
    {
        QTEST(check::mediaPlays(fetch<QString>("canPlayType"), fetch<bool>("isTypeSupported")),
              "plays");
    }

    // Distances from the last wrong answer; a negative one is a clock set back.
    void passwordDelay_data()
    {
        columns<qint64, qint64, qint64>("failed", "sinceLast", "wait");
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
        QFETCH(qint64, sinceLast);
        QTEST(remainingPasswordWaitMsecs(fetch<qint64>("failed"), std::max(-sinceLast, 0LL), std::max(sinceLast, 0LL)), "wait");
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
        // owner: added to our own uid
        columns<QByteArray, int, int, uid_t, int>("content", "fileMode", "folderMode", "owner", "kind");
        const int usable = platform::TrustedFile::Usable, refused = platform::TrustedFile::Refused;
        QTest::newRow("sound") << QByteArray() << 0644 << 0755 << 0u << usable;
        QTest::newRow("absent") << QByteArray("-") << 0 << 0755 << 0u << int(platform::TrustedFile::Absent);
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
        columns<QString, bool>("renderer", "software");
        // clang-format off
        for (const char *software : {"", "llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "ANGLE (Google, Vulkan 1.3.0 (SwiftShader Device (Subzero)), SwiftShader driver)"})
            QTest::newRow(software) << software << true;
        for (const char *hardware : {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", "AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)"})
            QTest::newRow(hardware) << hardware << false;
        // clang-format on
    }
    void renderingPath()
    {
        QTEST(platform::renderingPathFor(fetch<QString>("renderer")) ==
                  platform::RenderingPath::Software,
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
        QTemporaryDir dir;
        const QString path = dir.filePath("password");
        QVERIFY(content == "-" || platform::writePasswordFile(path, "parent's own"));
        QVERIFY(content == "-" || content.isEmpty() || writeFile(path, content));
        chmod(QFile::encodeName(path).constData(), mode_t(fetch<int>("fileMode")));
        chmod(QFile::encodeName(dir.path()).constData(), mode_t(fetch<int>("folderMode")));
        overridePermissions(false);
        const platform::TrustedFile read =
            platform::readPasswordFile(path, getuid() + fetch<uid_t>("owner"));
        overridePermissions(true);
        chmod(QFile::encodeName(dir.path()).constData(), 0700);
        QTEST(int(read.kind), "kind");
        QCOMPARE(platform::passwordMatchesHash(read.content, "parent's own"),
                 read.kind == platform::TrustedFile::Usable);
        QVERIFY(!platform::passwordMatchesHash(read.content, "garden482"));
    }

    // Only a person's standard account may become a child account.
    void checkToAdd_data()
    {
        // sudo: -1 where sudo did not say
        columns<uint, QString, QString, int, bool>("uid", "shell", "group", "sudo", "refused");
        // clang-format off
        QTest::newRow("a person") << 1000u << "/bin/bash" << "users" << 0 << false;
        QTest::newRow("empty shell is /bin/sh") << 60000u << "" << "users" << 0 << false;
        QTest::newRow("root") << 0u << "/bin/bash" << "users" << 0 << true;
        QTest::newRow("the greeter's") << 999u << "/bin/bash" << "users" << 0 << true;
        QTest::newRow("above UID_MAX") << 60001u << "/bin/bash" << "users" << 0 << true;
        QTest::newRow("nologin") << 1000u << "/usr/sbin/nologin" << "users" << 0 << true;
        QTest::newRow("false, listed") << 1000u << "/bin/false" << "users" << 0 << true;
        QTest::newRow("not in /etc/shells") << 1000u << "/usr/bin/python3" << "users" << 0 << true;
        QTest::newRow("wheel") << 1000u << "/bin/bash" << "wheel" << 0 << true;
        QTest::newRow("sudoers.d") << 1000u << "/bin/bash" << "users" << 1 << true;
        QTest::newRow("sudo did not say") << 1000u << "/bin/bash" << "users" << -1 << true;
        // clang-format on
    }
    void checkToAdd()
    {
        QFETCH(uint, uid);
        QFETCH(QString, shell);
        QFETCH(QString, group);
        QFETCH(int, sudo);
        const accounts::Account account{
            true,    "kid",       uid_t(uid), 100,
            {group}, "/home/kid", shell,      sudo < 0 ? std::nullopt : std::optional(sudo == 1)};
        const accounts::PersonAccounts people{
            1000, 60000, accounts::shellsIn("# /etc/shells\n/bin/sh\n/bin/bash\n/bin/false\n")};
        QTEST(!accounts::checkToAdd("kid", account, people), "refused");
    }
    // What login.defs and sudo say, as tovalin-child reads them.
    void systemAnswers()
    {
        // clang-format off
        QCOMPARE(accounts::loginDefsValue("UID_MIN 500\n#UID_MAX 9\n  UID_MIN\t1000\n", "UID_MIN"), "1000");
        QCOMPARE(accounts::sudoListing("User kid may run the following commands on pc:\n", "kid"), true);
        QCOMPARE(accounts::sudoListing("User kid is not allowed to run sudo on pc.\n", "kid"), false);
        QCOMPARE(accounts::sudoListing("User kidd may run the following commands on pc:", "kid"), std::nullopt);
        // clang-format on
    }

    // What runs under a child account, one process a string: its command line, after "other:"
    // for another file under a listed name, "gone:" for a root's file replaced by an upgrade,
    // "gone-own:" for one that was not root's; "?" for one whose program cannot be read.
    void sessionProcesses_data()
    {
        // foreign: in the reason; empty: all is Tovalin's
        columns<QStringList, QString>("processes", "foreign");
        // clang-format off
        const QString qtwe = "/usr/lib/qt6/libexec/QtWebEngineProcess --type=zygote";
        const QStringList cage{"/usr/bin/cage -- env QT_QPA_PLATFORM=wayland tovalin", "/usr/bin/tovalin", qtwe, qtwe, "/usr/bin/Xwayland :0"};
        const QStringList user{"/usr/lib/systemd/systemd --user", "/usr/lib/systemd/systemd", "/usr/bin/dbus-daemon --session", "/usr/bin/pipewire", "/usr/bin/wireplumber", "/usr/bin/pipewire-pulse", "/usr/libexec/at-spi-bus-launcher"};
        const QStringList gdm{"/usr/libexec/gdm-wayland-session \"cage -- env tovalin\"", "/usr/bin/gnome-keyring-daemon --daemonize --login"};
        const QString xsession = "/usr/bin/dash /etc/X11/Xsession cage -- env tovalin";
        QTest::newRow("GDM, Debian 12") << gdm + user + cage << "";
        QTest::newRow("GDM, Debian 13, dbus-broker") << gdm + cage + QStringList{"/usr/lib/systemd/systemd --user", "/usr/bin/dbus-broker-launch --scope user", "/usr/bin/dbus-broker --log 4"} << "";
        QTest::newRow("LightDM, starting") << QStringList{xsession, xsession, "/usr/bin/grep -Eo ^use-ssh-agent", "/usr/bin/dbus-update-activation-environment --systemd --all", "/usr/bin/ssh-agent cage"} << "";
        QTest::newRow("LightDM") << user + cage + QStringList{"/usr/bin/ssh-agent cage"} << "";
        QTest::newRow("GDM on X") << QStringList{"/usr/libexec/gdm-x-session --run-script tovalin-x11-session", "/usr/bin/dash /usr/bin/Xorg vt2 -displayfd 3", "/usr/lib/xorg/Xorg vt2", "/usr/bin/dash /etc/gdm3/Xsession /usr/libexec/tovalin/tovalin-x11-session", "/usr/bin/bash -e /usr/libexec/tovalin/tovalin-x11-session", "/usr/bin/tovalin", qtwe} << "";
        QTest::newRow("LightDM on X, Debian 12") << QStringList{"/usr/sbin/lightdm --session-child 13 16", "/usr/bin/dash /etc/X11/Xsession /usr/libexec/tovalin/tovalin-x11-session", "/usr/bin/chmod 600 /home/kid/.xsession-errors", "/usr/bin/systemctl --user set-environment DBUS_SESSION_BUS_ADDRESS=unix:path=/run/user/1000/bus", "/usr/bin/dbus-daemon --session --address=systemd:", "/usr/bin/tovalin", qtwe} << "";
        QTest::newRow("LightDM on X, Debian 13") << QStringList{"/usr/bin/dash /etc/X11/Xsession /usr/libexec/tovalin/tovalin-x11-session", "/usr/bin/run-parts --list /etc/X11/Xsession.d", "/usr/bin/dash /usr/bin/im-launch /usr/libexec/tovalin/tovalin-x11-session", "/usr/bin/tovalin", qtwe, "/usr/lib/systemd/systemd --user", "/usr/lib/systemd/systemd-executor", "/usr/lib/systemd/user-generators/systemd-xdg-autostart-generator", "/usr/lib/systemd/user-environment-generators/30-systemd-environment-d-generator"} << "";
        const QString gpg = "/usr/bin/dash\t-c\t[ -z \"$(gpgconf --list-options gpg-agent | awk -F: '/^enable-ssh-support:/{print$10}')\" ] || systemctl --user ";
        QTest::newRow("GDM, Debian 13, gpg-agent's socket") << gdm + QStringList{"/usr/lib/systemd/systemd --user", gpg + "set-environment \"$@\"\t-\tSSH_AUTH_SOCK=/run/user/1000/gnupg/S.gpg-agent.ssh", "/usr/bin/gpgconf --list-options gpg-agent", "/usr/bin/mawk -F: /^enable-ssh-support:/{print$10}", "/usr/bin/systemctl --user set-environment SSH_AUTH_SOCK=/run/user/1000/gnupg/S.gpg-agent.ssh", gpg + "unset-environment SSH_AUTH_SOCK"} + cage << "";
        const QString xkb = "/usr/bin/dash\t-c\t\"/usr/bin/xkbcomp\" -w 1 \"-R/usr/share/X11/xkb\" -xkm \"-\" -em1 \"The XKEYBOARD keymap compiler (xkbcomp) reports:\" -emp \"> \" -eml \"Errors from xkbcomp are not fatal to the X server\" \"/tmp/server-";
        QTest::newRow("GDM on X, Debian 13") << QStringList{"/usr/libexec/gdm-session-worker [pam/gdm-autologin]", "/usr/libexec/gdm-x-session --register-session /usr/libexec/tovalin/tovalin-x11-session", "/usr/lib/xorg/Xorg vt2 -displayfd 3", xkb + "12.xkm\"", "/usr/bin/xkbcomp -w 1", "/usr/libexec/gvfsd", "/usr/bin/tovalin"} << "";
        QTest::newRow("the keymap's command, more to it") << QStringList{xkb + "0.xkm\"; sh"} << "/usr/bin/dash runs";
        QTest::newRow("awk with code of its own") << QStringList{"/usr/bin/gawk -e /^enable-ssh-support:/{print$10} -f /home/kid/x.awk", "/usr/bin/mawk -F: /^enable-ssh-support:/{print$10} /home/kid/x"} << "/usr/bin/gawk runs no listed script); process 101 (/usr/bin/mawk runs no listed script";
        QTest::newRow("awk's own program") << QStringList{"/usr/bin/mawk BEGIN{system(\"sh\")}"} << "/usr/bin/mawk runs BEGIN";
        QTest::newRow("upgraded Tovalin") << cage + QStringList{"gone:/usr/bin/tovalin"} << "";
        QTest::newRow("GNOME") << gdm + user + QStringList{"/usr/bin/gnome-shell", "/usr/libexec/gnome-session-binary"} << "/usr/bin/gnome-shell is not part";
        QTest::newRow("Xfce") << user + QStringList{xsession, "/usr/bin/xfce4-session", "/usr/bin/xfwm4"} << "/usr/bin/xfce4-session is not part";
        QTest::newRow("a shell") << cage + QStringList{"/usr/bin/bash"} << "/usr/bin/bash runs no listed script";
        QTest::newRow("a shell's own command") << QStringList{"/usr/bin/dash -c loop /etc/X11/Xsession"} << "/usr/bin/dash runs loop";
        QTest::newRow("a shell reading its input") << QStringList{"/usr/bin/bash -s /etc/X11/Xsession"} << "/usr/bin/bash runs -s";
        QTest::newRow("a script by itself") << QStringList{"/etc/X11/Xsession"} << "/etc/X11/Xsession is not part";
        QTest::newRow("a user timer") << user + QStringList{"/usr/bin/python3.11 /home/kid/.local/bin/more-time"} << "/usr/bin/python3.11 is not part";
        QTest::newRow("another file under the name") << QStringList{"other:/usr/bin/tovalin"} << "/usr/bin/tovalin is not the file";
        QTest::newRow("replaced, not root's") << QStringList{"gone-own:/usr/bin/cage"} << "/usr/bin/cage is not the file";
        QTest::newRow("unreadable") << cage + QStringList{"?"} << "cannot be read";
        // clang-format on
    }
    void sessionProcesses()
    {
        QFETCH(QString, foreign);
        QList<accounts::RunningProcess> running;
        for (QString line : fetch<QStringList>("processes")) {
            const QString kind =
                line.startsWith(u'/') || line == u"?" ? "" : line.section(u':', 0, 0);
            line = line.section(u':', kind.isEmpty() ? 0 : 1);
            // Arguments with spaces of their own are apart by tabs.
            const QStringList arguments = line.split(line.contains(u'\t') ? u'\t' : u' ');
            const QString deleted = kind.startsWith("gone") ? " (deleted)" : "";
            running.append({int(running.size()) + 100,
                            line == u"?" ? QString() : arguments.constFirst() + deleted,
                            kind.isEmpty(), kind != u"gone-own", arguments});
        }
        for (const bool before : {false, true}) {
            const accounts::AccountVerdict verdict = accounts::judgeAccount(running, before);
            QCOMPARE(verdict.foreign, !foreign.isEmpty());
            QCOMPARE(verdict.end, verdict.foreign && before);
            QVERIFY2(verdict.reason.contains(foreign), qPrintable(verdict.reason));
        }
    }
};

QTEST_APPLESS_MAIN(RulesTest)
#include "tst_rules.moc"
