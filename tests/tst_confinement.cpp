// Nothing leaves the one window: no address goes to another program, the engine opens no window
// of its own, guessing the password is slowed down, a parent's own password holds, and the
// store is private.
#include "LocalWebServer.h"
#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/Environment.h"
#include "platform/PasswordFile.h"
#include "session/PasswordDelay.h"
#include "web/NavigationPolicy.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEngineView>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const QStringList HANDED_SCHEMES = {"mailto",       "tel", "sms", "intent",
                                    "tovalin-test", "qrc", "file"};

QByteArray row(int top, const QByteArray &element)
{
    return "<div style='position:absolute;left:0;top:" + QByteArray::number(top) +
           "px;width:300px;height:40px'>" + element + "</div>";
}

const QByteArray PAGE =
    "<html><head><title>loading</title><style>a,input{display:block;width:100%;height:100%}"
    "</style></head><body style='margin:0'><script>requestAnimationFrame(() => "
    "requestAnimationFrame(() => { document.title = 'page'; }));</script>" +
    row(0, "<a href='mailto:parent@example.org'>mail</a>") + row(50, "<a href='tel:+100'>tel</a>") +
    row(100, "<a href='sms:+100'>sms</a>") + row(150, "<a href='intent://x#Intent;end'>app</a>") +
    row(200, "<a href='tovalin-test:x'>custom</a>") + row(250, "<a href='qrc:/logo.png'>qrc</a>") +
    row(300, "<a href='file:///etc/passwd'>file</a>") + row(350, "<input type='color'>") +
    "</body></html>";

mode_t modeOf(const QString &path)
{
    struct stat info
    {
    };
    return lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}
} // namespace

class ConfinementTest : public QObject
{
    Q_OBJECT

public slots:
    void handOff(const QUrl &url) { handedOff.append(url); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish && qobject_cast<QColorDialog *>(watched))
            ++colourChoosersAsked;
        return false;
    }

private slots:
    void schemes_data()
    {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<bool>("mainFrame");
        QTest::addColumn<bool>("frame");
        QTest::newRow("https") << "https" << true << true;
        QTest::newRow("HTTP") << "HTTP" << true << true;
        for (const QString &scheme :
             HANDED_SCHEMES + QStringList{"view-source", "chrome", "devtools"})
            QTest::newRow(qPrintable(scheme)) << scheme << false << false;
        for (const char *inPage : {"about", "blob", "data"})
            QTest::newRow(inPage) << inPage << false << true;
    }
    void schemes()
    {
        QFETCH(QString, scheme);
        QFETCH(bool, mainFrame);
        QFETCH(bool, frame);
        QCOMPARE(schemeStaysInView(scheme, true), mainFrame);
        QCOMPARE(schemeStaysInView(scheme, false), frame);
    }

    void engineFlags_data()
    {
        QTest::addColumn<QByteArray>("flags");
        QTest::addColumn<QByteArray>("kept");
        QTest::newRow("debugging") << QByteArray("--remote-debugging-port=9222") << QByteArray();
        QTest::newRow("mixed") << QByteArray(
                                      "--widevine-path=/w --remote-debugging-pipe --no-sandbox")
                               << QByteArray("--widevine-path=/w");
        QTest::newRow("proxy")
            << QByteArray("--proxy-server=p:1 --proxy-bypass-list=a --no-proxy-server")
            << QByteArray("--proxy-server=p:1 --proxy-bypass-list=a --no-proxy-server");
        QTest::newRow("look-alikes")
            << QByteArray("--widevine-path --no-proxy-server=1 x--proxy-server=p") << QByteArray();
    }
    void engineFlags()
    {
        QFETCH(QByteArray, flags);
        QFETCH(QByteArray, kept);
        QCOMPARE(platform::allowedEngineFlags(flags), kept);
    }

    void passwordDelay_data()
    {
        QTest::addColumn<qint64>("failed");
        QTest::addColumn<qint64>("sinceLast");
        QTest::addColumn<qint64>("wait");
        QTest::newRow("three free") << qint64(2) << qint64(0) << qint64(0);
        QTest::newRow("then 1 s") << qint64(3) << qint64(0) << qint64(1000);
        QTest::newRow("partly waited") << qint64(3) << qint64(400) << qint64(600);
        QTest::newRow("doubling") << qint64(5) << qint64(0) << qint64(4000);
        QTest::newRow("capped") << qint64(9) << qint64(0) << qint64(60000);
        QTest::newRow("huge count")
            << std::numeric_limits<qint64>::max() << qint64(0) << qint64(60000);
        QTest::newRow("waited out") << qint64(4) << qint64(2000) << qint64(0);
        QTest::newRow("clock set back") << qint64(4) << qint64(-86400000) << qint64(2000);
        QTest::newRow("extremes") << qint64(4) << std::numeric_limits<qint64>::min()
                                  << qint64(2000);
    }
    void passwordDelay()
    {
        QFETCH(qint64, failed);
        QFETCH(qint64, sinceLast);
        QFETCH(qint64, wait);
        // Last wrong answer at 0 for a positive distance, now at 0 for a negative one.
        const qint64 now = sinceLast < 0 ? 0 : sinceLast;
        const qint64 last = sinceLast < 0 ? -1 - sinceLast : 0;
        QCOMPARE(remainingPasswordWaitMsecs(failed, last, now), wait);
    }

    void secrets()
    {
        QVERIFY(secretsEqual("garden482", "garden482"));
        QVERIFY(secretsEqual("", ""));
        for (const char *other : {"", "garden48", "garden4821", "Garden482", " garden482"})
            QVERIFY2(!secretsEqual("garden482", other), other);
    }

    // Files an administrator left, well or badly; only a sound one is trusted, and then its
    // password alone opens the gate.
    void passwordFile_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("folderMode");
        QTest::addColumn<bool>("ours");
        QTest::addColumn<int>("kind");
        const QByteArray good = "$argon2id$";
        QTest::newRow("sound") << good << 0644 << 0755 << true
                               << int(platform::PasswordFile::Usable);
        QTest::newRow("absent") << QByteArray() << 0 << 0755 << true
                                << int(platform::PasswordFile::Absent);
        QTest::newRow("malformed") << QByteArray("garden482\n") << 0644 << 0755 << true
                                   << int(platform::PasswordFile::Refused);
        QTest::newRow("writable by others")
            << good << 0666 << 0755 << true << int(platform::PasswordFile::Refused);
        QTest::newRow("in an open folder")
            << good << 0644 << 0777 << true << int(platform::PasswordFile::Refused);
        QTest::newRow("someone else's")
            << good << 0644 << 0755 << false << int(platform::PasswordFile::Refused);
        QTest::newRow("unreadable")
            << good << 0 << 0755 << true << int(platform::PasswordFile::Refused);
    }
    void passwordFile()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, fileMode);
        QFETCH(int, folderMode);
        QFETCH(bool, ours);
        QFETCH(int, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("password"));
        QString error;
        if (!content.isEmpty()) {
            QVERIFY2(platform::writePasswordFile(path, QStringLiteral("parent's own"), &error),
                     qPrintable(error));
            if (content != "$argon2id$") {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly));
                file.write(content);
            }
            chmod(QFile::encodeName(path).constData(), mode_t(fileMode));
        }
        chmod(QFile::encodeName(dir.path()).constData(), mode_t(folderMode));
        const uid_t owner = ours ? getuid() : getuid() + 1;
        const platform::PasswordFile file = platform::readPasswordFile(path, owner);
        if (geteuid() == 0 && QTest::currentDataTag() == QByteArray("unreadable"))
            QSKIP("root reads any file");
        QCOMPARE(int(file.kind), kind);
        if (file.kind == platform::PasswordFile::Usable) {
            QVERIFY(platform::passwordMatchesHash(file.hash, QStringLiteral("parent's own")));
            QVERIFY(!platform::passwordMatchesHash(file.hash, PASSWORD));
        }
    }

    // Each link is clicked with the mouse; none may reach the desktop's opener (recorded here),
    // and the page stays. The colour chooser is asked for, and no window shows.
    void nothingLeavesTheWindow()
    {
        for (const QString &scheme : HANDED_SCHEMES)
            QDesktopServices::setUrlHandler(scheme, this, "handOff");
        LocalWebServer server;
        server.serve(QStringLiteral("/page"), {"text/html", PAGE, {}});
        resetSession();
        writeStore({{"endTime", at(600)}});
        Websites sites = testWebsites();
        sites["disney"] = server.url(QStringLiteral("/page")).toString();
        AppDelegate delegate(sites, PASSWORD);
        delegate.applicationDidFinishLaunching();
        QWebEngineView *view = AppDelegateProbe{delegate}.webView();
        QTRY_COMPARE(view->title(), QStringLiteral("page"));
        QTRY_VERIFY(view->focusProxy());
        for (int top = 0; top <= 300; top += 50)
            QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(150, top + 20));
        QTest::qWait(1000);
        QCOMPARE(handedOff, QList<QUrl>());
        QCOMPARE(view->url(), server.url(QStringLiteral("/page")));

        qApp->installEventFilter(this);
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(150, 370));
        QTRY_VERIFY(colourChoosersAsked > 0);
        QTRY_VERIFY(!view->findChild<QColorDialog *>());
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible() || window == view->window(),
                     qPrintable(window->objectName()));
        for (const QString &scheme : HANDED_SCHEMES)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    // Three wrong answers are free; the fourth waits a second before its verdict, the next, after
    // a restart, two; the right answer clears the count. The store stays private all along.
    void guessingIsSlowedDown()
    {
        umask(022);
        resetSession();
        auto delegate = launch();
        ModalDriver modals;
        const auto waitFor = [](qint64 msecs) {
            return [msecs](QDialog *) { platform::advanceClock(msecs); };
        };
        for (int i = 0; i < 4; ++i) {
            modals.then(typePassword(QStringLiteral("guess")));
            if (i == 3)
                modals.then(waitFor(1000));
            modals.then(pressButton(QStringLiteral("OK")));
            AppDelegateProbe{*delegate}.actionButton()->click();
        }
        const QString wrong = QStringLiteral("Incorrect password");
        const QString checking = QStringLiteral("Checking password…");
        QCOMPARE(modals.messages,
                 QStringList({PASSWORD_PROMPT, wrong, PASSWORD_PROMPT, wrong, PASSWORD_PROMPT,
                              wrong, PASSWORD_PROMPT, checking, wrong}));
        QCOMPARE(readStoreFromDisk().value("failedPasswordAttempts").toLongLong(), 4);
        QCOMPARE(modeOf(storeFilePath()), mode_t(0600));
        QCOMPARE(modeOf(QFileInfo(storeFilePath()).path()), mode_t(0700));

        delegate = launch();
        modals.messages.clear();
        modals.then(typePassword(PASSWORD));
        modals.then(waitFor(2000));
        AppDelegateProbe{*delegate}.actionButton()->click();
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, checking}));
        QVERIFY(!AppDelegateProbe{*delegate}.isLocked());
        QVERIFY(!readStoreFromDisk().contains("failedPasswordAttempts"));
    }

private:
    QList<QUrl> handedOff;
    int colourChoosersAsked = 0;
};

TOVALIN_TEST_MAIN(ConfinementTest)
#include "tst_confinement.moc"
