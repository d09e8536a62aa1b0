// The parent's roads through the real dialogs, from whatever the store holds: what the dialogs
// say, where the session ends up, and that the store on disk holds it at once, as a program
// killed right after would find it.
#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/PasswordFile.h"
#include "platform/Sound.h"
#include "platform/TextColor.h"
#include "platform/Timer.h"
#include "platform/TimerRegistry.h"
#include "session/StatusText.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QWebEngineView>
#include <numeric>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QVariantMap stored(qint64 end, bool paused = false, bool locked = false)
{
    return {{"endTime", at(end)},
            {"isLocked", locked},
            {"isPaused", paused},
            {"selectedSite", "disney"}};
}

// Whatever is on disk where the store belongs.
QByteArray snapshot()
{
    const QFileInfo store(storeFilePath());
    return QByteArray::number(int(store.permissions()) | store.isDir() << 16 |
                              QFileInfo(store.path()).isFile() << 17) +
           readFile(storeFilePath());
}

// The store holds the session and the wrong answers in a row, nothing else, so a new run finds
// the program as it is now; nobody else may read it.
void expectStored(const AppDelegateProbe &probe)
{
    for (const QString &path : {storeFilePath(), QFileInfo(storeFilePath()).path()})
        QCOMPARE(int(QFileInfo(path).permissions() & 0x77), 0);
    const QVariantMap disk = readStoreFromDisk();
    QCOMPARE(disk.value("failedPasswordAttempts").toLongLong(), probe.failedAttempts());
    QCOMPARE(disk.value("endTime").toDateTime(), probe.endTime().value_or(QDateTime()));
    QCOMPARE(disk.value("isLocked").toString(), probe.isLocked() ? "true" : "false");
    QCOMPARE(disk.value("isPaused").toString(), probe.isPaused() ? "true" : "false");
    QCOMPARE(disk.value("selectedSite"), QVariant(probe.selectedSite()));
    // The mark of the last notice goes with the end it was given for.
    const QDateTime notice =
        probe.endTime() ? probe.lastNotice().value_or(QDateTime()) : QDateTime();
    QCOMPARE(disk.value("lastNotice").toDateTime(), notice);
    QCOMPARE(disk.size(),
             (probe.endTime() ? 4 : 3) + notice.isValid() + (probe.failedAttempts() ? 2 : 0));
    QVERIFY(!probe.isLocked() || !probe.isPaused());
}
// A road: the store it starts from, the control used and the answers to the dialogs; then what
// follows: the dialogs' messages, the end time and the title five seconds later.
struct Road
{
    QVariant store; // values, the file's bytes, or what is there instead
    QString button;
    QStringList steps, messages;
    QDateTime end;
    QString title, minutes = "30";
    qint64 clock = 0; // where the clock is moved after the launch
    bool untrustedPasswordFile = false;
};

// Of the pixels in a box of the picture, the one that stands out most from the background.
QColor inkIn(const QImage &picture, const QRect &box, const QColor &background)
{
    QColor ink = background;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (const QColor pixel = picture.pixelColor(x, y);
                platform::contrastRatio(pixel, background) >
                platform::contrastRatio(ink, background))
                ink = pixel;
    return ink;
}
} // namespace

Q_DECLARE_METATYPE(Road)

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        umask(022);
        overridePermissions(true);
        QDir(storeFilePath()).removeRecursively();
        QFile::remove(QFileInfo(storeFilePath()).path());
        resetSession();
    }

    void road_data()
    {
        QTest::addColumn<Road>("road");
        const QString P = "Password Required", I = "Incorrect password", S = "Set Timer",
                      E = "End Session", T = "Please enter a valid time limit", PW = PASSWORD,
                      M = "Please enter a valid number of minutes";
        const auto road = [](const char *name, const Road &row) { QTest::newRow(name) << row; };
        const auto seed = [](const QVariant &end, const char *key = "isLocked",
                             const QVariant &value = true) {
            return QVariantMap{{"endTime", end}, {key, value}};
        };
        const QDateTime year1 = platform::utcDateTime(QDate(1, 1, 1), QTime(0, 0));
        // clang-format off
        // Launched from what is stored, a site is picked: the screen follows the end time alone,
        // and the save leaves a clean store whatever was there.
        road("empty", {QVariantMap(), "site", {}, {}, {}, "Locked"});
        road("running, stored as locked", {seed(at(60)), "site", {}, {}, at(60), "Disney"});
        road("ends exactly now", {seed(at(0)), "site", {}, {}, at(0), "Locked"});
        // 0.4 s left at the fifth tick: the text reaches 00:00, the lock waits for the next tick.
        road("ends between ticks", {seed(at(5).addMSecs(400)), "site", {}, {}, at(5).addMSecs(400), "Disney"});
        road("a date long gone", {seed(year1), "site", {}, {}, year1, "Locked"});
        // The lock falls on the tick that reaches the end, not on the one after.
        road("ends on a tick", {stored(5), "", {}, {}, at(5), "Locked"});
        road("paused: yes", {seed(at(60), "isPaused", "yes"), "site", {}, {}, at(60), "Paused"});
        road("paused: -1", {seed(at(60), "isPaused", " -01"), "site", {}, {}, at(60), "Paused"});
        road("unknown site", {seed(at(60), "selectedSite", "elsewhere"), "site", {}, {}, at(60), "Elsewhere"});
        road("end as text", {seed(at(60).toString(Qt::ISODate)), "site", {}, {}, {}, "Locked"});
        road("a date that is no date", {seed(QDateTime()), "site", {}, {}, {}, "Locked"});
        QByteArray garbage(2048, 0);
        std::iota(garbage.begin(), garbage.end(), char(0));
        road("garbage", {garbage, "site", {}, {}, {}, "Locked"});
        road("truncated in a date", {QByteArray("[General]\nendTime=@DateTime(\\0\\0\\0\\x10"), "site", {}, {}, {}, "Locked"});
        road("values of the wrong type", {QByteArray("[General]\nendTime=1893456000\nisPaused=maybe\n"
              "isLocked=@Variant(\\0\\0\\0\\x7f\\0)\nselectedSite=@ByteArray(\\xff\\xfe)\n"), "site", {}, {}, {}, "Locked"});
        // Out of reach: the program runs a session all the same and leaves what is there alone.
        for (const char *store : {"store is a folder", "config folder is a file", "unreadable store"})
            road(store, {store, "action", {PW}, {P}, at(1800), "Disney"});

        const QVariantMap ended = stored(-10, false, true);
        QVariantMap none = ended;
        none.remove("endTime");
        road("start", {none, "action", {PW}, {P}, at(2700), "Disney", "45"});
        // The minutes field has the focus, and Return presses Start on the locked screen.
        road("start with keys", {none, "keys", {PW}, {P}, at(2700), "Disney", "4"});
        // An unusable field is never read behind a wrong password.
        road("wrong password", {none, "action", {"Garden482", "#OK"}, {P, I}, {}, "Locked", "abc"});
        road("huge password", {none, "action", {PW.repeated(5000), "#OK"}, {P, I}, {}, "Locked"});
        // A password file that is not to be trusted lets no password through, the built-in one
        // included.
        road("password file refused", {none, "action", {PW, "#OK"}, {P, I}, {}, "Locked", "30", 0, true});
        road("cancel", {none, "action", {"#Cancel"}, {P}, {}, "Locked"});
        road("prompt closed", {none, "action", {}, {P}, {}, "Locked"});
        road("huge minutes", {none, "action", {PW, "#OK"}, {P, T}, {}, "Locked", QString(1 << 20, '9')});
        road("end past 9999", {none, "action", {PW, "#OK"}, {P, T}, {}, "Locked", "153722867280912930"});
        // Unlocking after the end starts anew from now, with the same checks.
        road("unlock after expiry", {stored(-10, true), "action", {PW}, {P}, at(300), "Disney", "+5"});
        road("unlock, bad minutes", {ended, "action", {PW, "#OK"}, {P, T}, at(-10), "Locked", "abc"});
        // The clock was set back: the session still has time, so the field is not even read.
        road("unlock, time left", {ended, "action", {PW}, {P}, at(-10), "Disney", "abc", -600});
        road("extend", {stored(60), "action", {PW}, {P}, at(660), "Disney", "10"});
        // Paused time counts: the end never moves, and a paused session does not lock.
        road("pause", {stored(3), "pause", {}, {}, at(3), "Paused"});
        road("resume", {stored(600, true), "pause", {}, {}, at(600), "Disney"});
        road("resume after the end", {stored(60, true), "pause", {}, {}, at(60), "Locked", "", 120});
        road("end", {stored(600, true), "lock", {"#End Session"}, {E}, {}, "Locked"});
        road("end cancelled", {stored(600, true), "lock", {"#Cancel"}, {E}, at(600), "Paused"});
        // Typing replaces the proposal, the minutes left rounded up; the limit counts from now.
        road("set timer", {stored(2400), "modify", {PW, "015"}, {P, S}, at(900), "Disney"});
        road("set timer, proposal", {stored(2370), "modify", {PW, "#OK"}, {P, S}, at(2400), "Disney"});
        road("set timer cancelled", {stored(600), "modify", {PW, "#Cancel"}, {P, S}, at(600), "Disney"});
        road("set timer refused", {stored(600), "modify", {PW, "2.5", "#OK"}, {P, S, M}, at(600), "Disney"});
        road("set timer while paused", {stored(600, true), "modify", {PW, "5"}, {P, S}, at(300), "Paused"});
        // After three wrong answers in a row, each answer waits before it is judged, across a
        // restart; the right one clears the count, a lock ends the wait unjudged.
        const auto failing = [](QVariantMap store, int count) {
            store.insert({{"failedPasswordAttempts", count}, {"lastFailedPasswordAttempt", at(0)}});
            return store;
        };
        const QString C = "Checking password…";
        road("answer waits", {failing(none, 3), "action", {PW, "!"}, {P, C}, at(1805), "Disney"});
        road("right after one wrong", {failing(none, 1), "action", {PW}, {P}, at(1800), "Disney"});
        road("wrong answer waits", {failing(none, 4), "action", {"guess", "!", "#OK"}, {P, C, I}, {}, "Locked"});
        road("expiry while an answer waits", {failing(stored(3), 5), "modify", {PW, "!"}, {P, C}, at(3), "Locked"});
        // A dialog left open cannot hold the lock off: at the end it closes as a "no".
        road("expiry at the prompt", {stored(3), "modify", {"!"}, {P}, at(3), "Locked"});
        road("expiry at set timer", {stored(3), "modify", {PW, "!"}, {P, S}, at(3), "Locked"});
        road("expiry at end session", {stored(3), "lock", {"!"}, {E}, at(3), "Locked"});
        // clang-format on
    }
    void road()
    {
        QFETCH(Road, road);
        const QVariant &store = road.store;
        const QString path = storeFilePath(), folder = QFileInfo(path).path();
        if (store.typeId() == QMetaType::QVariantMap) {
            writeStore(store.toMap());
        } else if (store == "store is a folder") {
            QDir().mkpath(path);
        } else if (store == "config folder is a file") {
            QVERIFY(QDir(folder).removeRecursively() && writeFile(folder, {}));
        } else if (store == "unreadable store") {
            // Grown by a line, so that this process reads the file afresh too.
            writeStore(stored(600));
            QFile file(path);
            QVERIFY(file.open(QIODevice::Append) && file.write("\n") && file.setPermissions({}));
        } else {
            QVERIFY(writeFile(path, store.toByteArray()));
        }
        const QByteArray before = snapshot();
        QTemporaryDir etc;
        const QString passwordFile = road.untrustedPasswordFile ? etc.filePath("password") : "";
        QVERIFY(passwordFile.isEmpty() ||
                (platform::writePasswordFile(passwordFile, PASSWORD) &&
                 QFile(passwordFile).setPermissions(QFile::Permissions(0x6666))));
        overridePermissions(store != "unreadable store");
        const auto delegate = launch({}, passwordFile);
        const AppDelegateProbe probe{*delegate};
        platform::pinClock(at(road.clock));
        QLineEdit *minutes = probe.window()->findChild<QLineEdit *>("timerField");
        QCOMPARE(minutes->text(), "30");
        minutes->setText(road.minutes);
        ModalDriver modals(road.steps);
        if (road.button == "site") {
            // As launched, before any tick.
            QCOMPARE(probe.window()->windowTitle(), "Tovalin - " + road.title);
            probe.siteSelector()->setCurrentIndex(2);
            emit probe.siteSelector()->activated(2);
            QCOMPARE(probe.selectedSite(), "primevideo");
        } else if (road.button == "keys") {
            // Typed into whatever has the focus, as a person would; Escape leaves full screen.
            QVERIFY(QTest::qWaitForWindowActive(probe.window()));
            probe.window()->setWindowState(Qt::WindowFullScreen);
            for (int key : {int(Qt::Key_5), int(Qt::Key_Escape), int(Qt::Key_Return)})
                QTest::keyClick(probe.window()->focusWidget(), Qt::Key(key));
            QVERIFY(!probe.window()->isFullScreen());
            // The card stays centred and within 80% of the screen as the window changes.
            const QWidget *card = probe.window()->findChild<QWidget *>("cardView");
            probe.window()->resize(1400, 1000);
            QTRY_VERIFY((card->geometry().center() - QPoint(700, 500)).manhattanLength() <= 2);
            probe.window()->resize(600, 400);
            QTRY_VERIFY(card->width() <= 480 && card->height() <= 320);
        } else if (!road.button.isEmpty()) {
            probe.window()->findChild<QPushButton *>(road.button + "Button")->click();
        }
        QTRY_COMPARE(modals.messages, road.messages);
        QTRY_COMPARE(probe.endTime().value_or(QDateTime()), road.end);
        QVERIFY(!QApplication::activeModalWidget());
        if (store.typeId() != QMetaType::QString)
            expectStored(probe);
        // The countdown shows the rule's text, and its name carries it to a screen reader.
        const std::optional<qint64> left =
            probe.endTime() ? std::optional(remainingSeconds(road.end.toMSecsSinceEpoch(),
                                                             platform::now().toMSecsSinceEpoch()))
                            : std::nullopt;
        QCOMPARE(probe.statusLabel()->text(), statusText(left, probe.isPaused()).text);
        QCOMPARE(probe.statusLabel()->accessibleName(), probe.statusLabel()->text());

        platform::advanceClock(5000);
        QCOMPARE(probe.window()->windowTitle(), "Tovalin - " + road.title);
        const bool locked = road.title == "Locked";
        const QString action = !locked              ? "Extend"
                               : road.end.isValid() ? "Unlock"
                                                    : "Start",
                      pause = road.title == "Paused" ? "Resume" : "Pause";
        QCOMPARE(probe.window()->findChild<QPushButton *>("actionButton")->text(), action);
        QCOMPARE(probe.window()->findChild<QPushButton *>("pauseButton")->text(), pause);
        // A right answer clears the count of wrong ones, however short it was.
        if (road.steps.contains(PASSWORD) && !locked)
            QCOMPARE(probe.failedAttempts(), 0);
        const bool running = !probe.isLocked() && !probe.isPaused();
        // One web view and one countdown while it runs, none else; a view that goes is deleted
        // soon after.
        QCOMPARE(probe.webView() != nullptr, running);
        QTRY_COMPARE(probe.window()->findChildren<QWebEngineView *>().size(), running ? 1 : 0);
        QCOMPARE(
            std::ranges::count_if(platform::pinnedTimers(), &platform::RepeatingTimer::isValid),
            running ? 1 : 0);
        expectAccessible(probe.window());
        overridePermissions(true);
        if (store.typeId() != QMetaType::QString)
            expectStored(probe);
        else
            QCOMPARE(snapshot(), before);
    }

    // In every language each text fits its control, on the locked screen, the bar (running with
    // a notice, and paused) and each alert, at the window's smallest size and at 800 x 600.
    void languagesFit_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language : {"en", "de", "fr", "es", "it", "pt_BR", "nl", "pl"})
            QTest::newRow(language) << language;
    }
    void languagesFit()
    {
        QFETCH(QString, language);
        QTranslator translator;
        QVERIFY(language == "en" || translator.load(":/i18n/tovalin_" + language));
        QCoreApplication::installTranslator(&translator);
        writeStore({{"failedPasswordAttempts", 3}, {"lastFailedPasswordAttempt", at(0)}});
        const auto delegate = launch();
        QWidget *window = AppDelegateProbe{*delegate}.window();
        window->findChild<QLineEdit *>("timerField")->setText("abc");
        // The alerts on the way: the password with a wait, then the time limit refused; a wrong
        // password; the password setting a new limit, then that refused; a limit of 3 minutes,
        // which brings its notice; ending the session.
        // clang-format off
        const QList<QStringList> presses{{"action", PASSWORD, "!", "#"}, {"action", "guess", "#"}, {"action", PASSWORD}, {"modify", PASSWORD, "2.5", "#"}, {"modify", PASSWORD, "3"}, {"pause"}, {"lock", "#"}};
        // clang-format on
        for (const QStringList &press : presses) {
            ModalDriver modals(press.mid(1));
            window->findChild<QPushButton *>(press[0] + "Button")->click();
            window->findChild<QLineEdit *>("timerField")->setText("30");
            for (const QSize size : {window->minimumSize(), QSize(800, 600)}) {
                window->resize(size);
                QApplication::processEvents();
                expectAccessible(window);
            }
        }
        QCOMPARE(window->windowTitle(), QCoreApplication::translate("tovalin", "Tovalin - Paused"));
    }

    // The notices before the end as the clock moves. A step moves the clock some seconds ("+N",
    // each tick on the way delivered), pauses or resumes, quits or launches the program, or takes
    // the password to start, to extend by or to set a new limit of some minutes. Each notice is
    // heard as the second it came at and what the bar said then.
    void notices_data()
    {
        columns<QVariantMap, QStringList, QStringList>("store", "steps", "heard");
        // clang-format off
        const auto row = [](const char *name, const QVariantMap &store, const QStringList &steps, const QStringList &heard) { QTest::newRow(name) << store << steps << heard; };
        row("crossing 5:00 and 1:00", stored(400), {"+400"}, {"100 5 minutes left", "340 1 minute left"});
        row("started with 3 minutes", {}, {"start 3", "+180"}, {"0 3 minutes left", "120 1 minute left"});
        row("unlocked after the end", stored(-10, false, true), {"start 2", "+120"}, {"0 2 minutes left", "60 1 minute left"});
        row("launched with 30 s", stored(30), {"+30"}, {"0 1 minute left"});
        row("new limit across 5:00", stored(400), {"+120", "limit 10", "+600"}, {"100 5 minutes left", "420 5 minutes left", "660 1 minute left"});
        row("new limit inside", stored(400), {"+120", "limit 2", "+120"}, {"100 5 minutes left", "120 2 minutes left", "180 1 minute left"});
        row("extended across 1:00", stored(400), {"+360", "extend 5", "+340"}, {"100 5 minutes left", "340 1 minute left", "400 5 minutes left", "640 1 minute left"});
        row("paused across 5:00", stored(400), {"+60", "pause", "+120", "pause", "+220"}, {"180 4 minutes left", "340 1 minute left"});
        row("paused to the end", stored(200, true), {"+300"}, {});
        row("closed across 5:00", stored(400), {"+60", "quit", "+120", "launch", "+220"}, {"180 4 minutes left", "340 1 minute left"});
        row("restarted after 5:00", stored(400), {"+120", "quit", "launch", "+280"}, {"100 5 minutes left", "340 1 minute left"});
        // What the store holds for the last notice counts only as a mark of this end.
        const QStringList both{"0 3 minutes left", "140 1 minute left"};
        for (const auto &[name, mark, heard] : std::initializer_list<std::tuple<const char *, QVariant, QStringList>>{
                 {"marked: 5 minutes", at(-100), {"140 1 minute left"}}, {"marked: 1 minute, clock set back", at(140), {}}, {"mark as text", "x", both},
                 {"mark of another end", at(-99), both}, {"mark no date", QDateTime(), both}, {"mark far ahead", platform::utcDateTime(QDate(9999, 1, 1), QTime()), both}}) {
            QVariantMap store = stored(200);
            store.insert("lastNotice", mark);
            row(name, store, {"+200"}, heard);
        }
        // clang-format on
    }
    void notices()
    {
        writeStore(fetch<QVariantMap>("store"));
        QStringList heard;
        // Heard with the notice on show, its text also its name for a screen reader.
        platform::setSoundListener([&heard](const QString &sound) {
            QLabel *notice = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets())
                notice = notice ? notice : window->findChild<QLabel *>("noticeLabel");
            QVERIFY(sound == "dialog-information" && notice->isVisible() &&
                    notice->accessibleName() == notice->text());
            heard << QString::number(at(0).secsTo(platform::now())) + " " + notice->text();
        });
        std::unique_ptr<AppDelegate> delegate = launch();
        for (const QString &step : fetch<QStringList>("steps")) {
            const QString minutes = step.section(' ', 1);
            if (step.startsWith('+')) {
                platform::advanceClock(step.toLongLong() * 1000);
            } else if (step == "pause") {
                delegate->togglePause();
            } else if (step == "quit") {
                std::exchange(delegate, nullptr)->applicationWillTerminate();
            } else if (step == "launch") {
                delegate = launch();
            } else {
                const bool limit = step.startsWith("limit");
                QWidget *window = AppDelegateProbe{*delegate}.window();
                window->findChild<QLineEdit *>("timerField")->setText(minutes);
                ModalDriver modals(limit ? QStringList{PASSWORD, minutes} : QStringList{PASSWORD});
                window->findChild<QPushButton *>(limit ? "modifyButton" : "actionButton")->click();
                QTRY_VERIFY(modals.steps.isEmpty() && !QApplication::activeModalWidget());
            }
        }
        platform::setSoundListener([](const QString &) {});
        QTEST(heard, "heard");
    }

    // A notice shows on the bar, in the room between the countdown and the buttons, and leaves
    // the page as it was and the keyboard where it was; some ten seconds later it is gone.
    void noticeOnTheBar()
    {
        writeStore(stored(301));
        const auto delegate = launch("data:text/html," +
                                     QUrl::toPercentEncoding("<body style='background:#1e90ff'>"));
        QWidget *window = AppDelegateProbe{*delegate}.window();
        const auto *notice = window->findChild<QLabel *>("noticeLabel");
        const QColor page(0x1e, 0x90, 0xff), lit = notice->palette().color(QPalette::Highlight);
        QTRY_COMPARE_WITH_TIMEOUT(window->grab().toImage().pixelColor(400, 300), page, 20000);
        QWidget *const focus = QApplication::focusWidget();
        const int left = window->findChild<QWidget *>("statusLabel")->geometry().right(),
                  right = window->findChild<QWidget *>("modifyButton")->geometry().left();
        for (const bool shown : {true, false}) {
            platform::advanceClock(shown ? 1000 : 10000);
            const QImage image = window->grab().toImage();
            int count = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) {
                    const QColor color = image.pixelColor(x, y);
                    count += color == lit;
                    QVERIFY(y < BAR_HEIGHT ? color != lit || (x > left && x < right)
                                           : color == page);
                }
            // Most of the room is the notice's, with its text across it.
            QVERIFY(shown ? count > (right - left) * BAR_HEIGHT / 2 &&
                                count < notice->width() * notice->height()
                          : count == 0);
        }
        QCOMPARE(QApplication::focusWidget(), focus);
    }

    // The countdown's text as drawn on the bar: the label's colour, red in the last minute and
    // orange while paused, legible in a light and a dark scheme, the dark one coming while
    // Tovalin runs. Also run at other scales (tests/CMakeLists.txt).
    void statusDrawn_data()
    {
        columns<bool, qint64, bool, int>("dark", "end", "paused", "color");
        for (const char *scheme : {"light", "dark"}) {
            const bool dark = *scheme == 'd';
            // clang-format off
            QTest::addRow("%s, running", scheme) << dark << qint64(600) << false << int(StatusColor::Label);
            QTest::addRow("%s, last minute", scheme) << dark << qint64(60) << false << int(StatusColor::Red);
            QTest::addRow("%s, paused", scheme) << dark << qint64(600) << true << int(StatusColor::Orange);
            // clang-format on
        }
    }
    void statusDrawn()
    {
        QFETCH(int, color);
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
        writeStore(stored(fetch<qint64>("end"), fetch<bool>("paused")));
        const auto delegate = launch();
        // A dark desktop's scheme: black fields, white text.
        if (fetch<bool>("dark"))

            QApplication::setPalette(QPalette(QColor(0x3c3c3c), QColor(0x2d2d2d)));
        QWidget *status = AppDelegateProbe{*delegate}.statusLabel(), *bar = status->parentWidget();
        QColor ink, background;
        // The new palette reaches the widgets through the event loop.
        QTRY_VERIFY2_WITH_TIMEOUT(
            [&] {
                const QImage drawn = bar->grab().toImage();
                const qreal ratio = drawn.devicePixelRatio();
                background = drawn.pixelColor(1, drawn.height() - 2);
                ink =
                    inkIn(drawn, QRect(status->pos() * ratio, status->size() * ratio), background);
                return background == QApplication::palette().color(QPalette::Base) &&
                       platform::contrastRatio(ink, background) >= platform::LEGIBLE_CONTRAST;
            }(),
            qPrintable(ink.name() + " on " + background.name()), 1000);
        const bool reddish = ink.red() > ink.green() + 40 && ink.red() > ink.blue() + 40;
        QCOMPARE(reddish, color != int(StatusColor::Label));
        QCOMPARE(reddish && ink.green() > ink.blue() + 20, color == int(StatusColor::Orange));
    }

    // The logo as the locked screen draws it, whole and sharp at the screen's pixel ratio: at
    // each device pixel, the picture scaled to the logo's box in device pixels.
    void logoDrawn()
    {
        const auto delegate = launch();
        QWidget *logo = AppDelegateProbe{*delegate}.window()->findChild<QWidget *>("logoView");
        const QImage drawn = logo->grab().toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn.size(), logo->size() * logo->devicePixelRatioF());
        const QImage source =
            QImage(":/logo.png")
                .convertToFormat(QImage::Format_ARGB32_Premultiplied)
                .scaled(drawn.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        int opaque = 0, off = 0;
        for (int i = 0; i < drawn.width() * drawn.height(); ++i) {
            const QColor want = source.pixelColor(i % drawn.width(), i / drawn.width()),
                         got = drawn.pixelColor(i % drawn.width(), i / drawn.width());
            opaque += want.alpha() == 255;
            off += want.alpha() == 255 && platform::contrastRatio(want, got) > 1.1;
        }
        QVERIFY(opaque > drawn.width() * drawn.height() / 2);
        QCOMPARE(off, 0);
    }

    // Quitting saves the state the launch derived: an expired session is no longer paused.
    void quitSaves()
    {
        writeStore(stored(-5, true));
        launch()->applicationWillTerminate();
        QCOMPARE(readStoreFromDisk().value("isPaused").toString(), "false");
    }
};

QTEST_MAIN(SessionTest)
#include "tst_session.moc"
