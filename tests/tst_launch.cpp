// Launch into the right screen from the store, the countdown and its lock, the screens' geometry,
// and the keys: Return on the locked screen only, Escape swallowed everywhere.
#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/Timer.h"
#include "platform/TimerRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWebEngineView>

namespace {
int runningCountdowns()
{
    int count = 0;
    for (platform::RepeatingTimer *timer : platform::pinnedTimers())
        count += timer->isValid() ? 1 : 0;
    return count;
}

// Records the key events that reach a widget.
class KeyRecorder : public QObject
{
public:
    explicit KeyRecorder(QWidget *target) { target->installEventFilter(this); }
    QList<QPair<QEvent::Type, int>> seen;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key != Qt::Key_Shift)
            seen.append({event->type(), key});
        return false;
    }
};

QColor textColor(const QLabel *label)
{
    return label->palette().color(QPalette::WindowText);
}
} // namespace

class LaunchTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSession(); }

    void launchState_data()
    {
        QTest::addColumn<QVariantMap>("store");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("status");
        QTest::addColumn<bool>("running");
        QTest::addColumn<QString>("pause");

        const QString noSession = QStringLiteral("Time remaining: --:--");
        QTest::newRow("empty store") << QVariantMap() << "Tovalin - Locked"
                                     << "Start" << noSession << false << "Pause";
        // The stored locked flag plays no part: the end time alone decides.
        QTest::newRow("running, stored as locked")
            << QVariantMap{{"endTime", at(3600)}, {"isLocked", true}, {"isPaused", false}}
            << "Tovalin - Disney"
            << "Extend"
            << "Time remaining: 60:00" << true << "Pause";
        QTest::newRow("paused") << QVariantMap{{"endTime", at(3600)},
                                               {"isPaused", true},
                                               {"selectedSite", "netflix"}}
                                << "Tovalin - Paused"
                                << "Extend"
                                << "Paused: 60:00 remaining" << false << "Resume";
        QTest::newRow("expired while paused")
            << QVariantMap{{"endTime", at(-60)}, {"isPaused", true}} << "Tovalin - Locked"
            << "Unlock"
            << "Time remaining: 00:00" << false << "Pause";
        QTest::newRow("ends exactly now") << QVariantMap{{"endTime", at(0)}} << "Tovalin - Locked"
                                          << "Unlock"
                                          << "Time remaining: 00:00" << false << "Pause";
        QTest::newRow("end time stored as a number")
            << QVariantMap{{"endTime", at(3600).toSecsSinceEpoch()}, {"isPaused", true}}
            << "Tovalin - Locked"
            << "Start" << noSession << false << "Pause";
        QTest::newRow("end time stored as text")
            << QVariantMap{{"endTime", at(3600).toString(Qt::ISODate)}} << "Tovalin - Locked"
            << "Start" << noSession << false << "Pause";
        QTest::newRow("year 9999")
            << QVariantMap{{"endTime", platform::utcDateTime(QDate(9999, 12, 31), QTime(23, 59))}}
            << "Tovalin - Disney"
            << "Extend"
            << "Time remaining: 4193813519:00" << true << "Pause";
        QTest::newRow("year 1") << QVariantMap{{"endTime",
                                                platform::utcDateTime(QDate(1, 1, 1), QTime(0, 0))}}
                                << "Tovalin - Locked"
                                << "Unlock"
                                << "Time remaining: 00:00" << false << "Pause";
        QTest::newRow("paused flag that means no")
            << QVariantMap{{"endTime", at(90)}, {"isPaused", "maybe"}} << "Tovalin - Disney"
            << "Extend"
            << "Time remaining: 01:30" << true << "Pause";
        QTest::newRow("paused flag as a number")
            << QVariantMap{{"endTime", at(90)}, {"isPaused", 1}} << "Tovalin - Paused"
            << "Extend"
            << "Paused: 01:30 remaining" << false << "Resume";
    }
    void launchState()
    {
        QFETCH(QVariantMap, store);
        QFETCH(QString, title);
        QFETCH(QString, action);
        QFETCH(QString, status);
        QFETCH(bool, running);
        QFETCH(QString, pause);
        writeStore(store);
        const QVariantMap before = readStoreFromDisk();

        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QCOMPARE(probe.window()->windowTitle(), title);
        QCOMPARE(probe.actionButton()->text(), action);
        QCOMPARE(probe.statusLabel()->text(), status);
        QCOMPARE(probe.pauseButton()->text(), pause);
        QCOMPARE(probe.lockedView()->isVisible(), title == "Tovalin - Locked");
        QCOMPARE(probe.unlockedView()->isVisible(), title != "Tovalin - Locked");
        // The web view exists exactly while a session runs, and so does the countdown.
        QCOMPARE(probe.webView() != nullptr, running);
        QCOMPARE(probe.countdownRuns(), running);
        QCOMPARE(runningCountdowns(), running ? 1 : 0);
        QVERIFY(!probe.isLocked() || !probe.isPaused());
        // Launching writes nothing.
        QCOMPARE(readStoreFromDisk(), before);
    }

    void runningSessionShowsItsSite()
    {
        writeStore({{"endTime", at(600)}, {"selectedSite", "primevideo"}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Primevideo"));
        QCOMPARE(probe.siteSelector()->currentIndex(), 2);
        QTRY_COMPARE(probe.webView()->url(), QUrl(testWebsites().at("primevideo")));
        QTRY_COMPARE(probe.webView()->title(), QStringLiteral("primevideo"));
    }

    // A key that is not in the table shows no page, keeps the pop-up, and is written back.
    void unknownSiteKeyIsKept()
    {
        writeStore({{"endTime", at(600)}, {"selectedSite", "elsewhere"}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Elsewhere"));
        QCOMPARE(probe.siteSelector()->currentIndex(), 0);
        QVERIFY(probe.webView());
        QVERIFY(probe.webView()->url().isEmpty());
        delegate->applicationWillTerminate();
        QCOMPARE(readStoreFromDisk().value("selectedSite").toString(), QStringLiteral("elsewhere"));
    }

    void terminationSavesTheDerivedState()
    {
        writeStore({{"endTime", at(-5)}, {"isPaused", true}, {"selectedSite", "netflix"}});
        const auto delegate = launch();
        delegate->applicationWillTerminate();
        const QVariantMap saved = readStoreFromDisk();
        QCOMPARE(saved.value("endTime").toDateTime(), at(-5));
        QCOMPARE(saved.value("endTime").typeId(), int(QMetaType::QDateTime));
        QCOMPARE(saved.value("isPaused").toString(), QStringLiteral("false"));
        QCOMPARE(saved.value("isLocked").toString(), QStringLiteral("true"));
        QCOMPARE(saved.value("selectedSite").toString(), QStringLiteral("netflix"));
    }

    void damagedStoreStartsWithoutSession_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("random bytes") << QByteArray("\x00\xff\xfe[[[=\n\x01\x02garbage", 18);
        QTest::newRow("truncated date")
            << QByteArray("[General]\nendTime=@DateTime(\\0\\0\\0\\x10\\0\\0\nisPaused=true\n");
        QTest::newRow("unknown type")
            << QByteArray("[General]\nendTime=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5QFoo\\0)\n");
        QTest::newRow("empty file") << QByteArray();
    }
    void damagedStoreStartsWithoutSession()
    {
        QFETCH(QByteArray, content);
        QDir().mkpath(QFileInfo(storeFilePath()).path());
        QFile file(storeFilePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Start"));
        // The next save leaves a clean store with the session's keys alone.
        delegate->applicationWillTerminate();
        QCOMPARE(readStoreFromDisk().keys(), QStringList({"isLocked", "isPaused", "selectedSite"}));
    }

    // A config folder that cannot be written: the run goes on normally.
    void unwritableStoreKeepsRunning()
    {
        const QString folder = QFileInfo(storeFilePath()).path();
        QDir(folder).removeRecursively();
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        probe.endTime() = at(5);
        probe.isLocked() = false;
        probe.updateUI();
        probe.startTimerIfNeeded();
        platform::advanceClock(5000);
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Unlock"));
        QFile::remove(folder);
    }

    void countdownTurnsRedAndLocksAtTheEnd()
    {
        writeStore({{"endTime", at(62).addMSecs(400)}, {"selectedSite", "netflix"}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: 01:02"));
        const QColor labelColor = textColor(probe.statusLabel());

        platform::advanceClock(1000);
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: 01:01"));
        QCOMPARE(textColor(probe.statusLabel()), labelColor);
        platform::advanceClock(1000);
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: 01:00"));
        QVERIFY(textColor(probe.statusLabel()) != labelColor);

        // 0.4 s left at this tick: the text reaches 00:00, the lock waits for the next tick.
        platform::advanceClock(60000);
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: 00:00"));
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Netflix"));
        QVERIFY(probe.webView());

        platform::advanceClock(1000);
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Unlock"));
        QVERIFY(!probe.webView());
        QVERIFY(!probe.countdownRuns());
        const QVariantMap saved = readStoreFromDisk();
        QCOMPARE(saved.value("isLocked").toString(), QStringLiteral("true"));
        QCOMPARE(saved.value("endTime").toDateTime(), at(62).addMSecs(400));
    }

    void atMostOneCountdown()
    {
        writeStore({{"endTime", at(600)}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        probe.startTimerIfNeeded();
        probe.startTimerIfNeeded();
        QCOMPARE(runningCountdowns(), 1);
    }

    // A tick without an end time only stops the countdown: no lock, no save, no refresh.
    void tickWithoutEndTimeStopsTheCountdown()
    {
        writeStore({{"endTime", at(600)}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        probe.endTime().reset();
        platform::advanceClock(1000);
        QVERIFY(!probe.countdownRuns());
        QVERIFY(!probe.isLocked());
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Disney"));
        QCOMPARE(readStoreFromDisk().value("endTime").toDateTime(), at(600));
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: --:--"));
    }

    // A lock that comes while a nested loop runs, such as a drag in the page, must not delete the
    // web view under that loop: it goes from sight at once and is deleted once the loop is over.
    void webViewOutlivesANestedLoop()
    {
        writeStore({{"endTime", at(1)}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        const QPointer<QWebEngineView> view = probe.webView();
        QEventLoop outer;
        QEventLoop inner;
        QTimer::singleShot(0, &outer, [&] {
            QTimer::singleShot(0, &inner, [&] {
                platform::advanceClock(1000);
                QVERIFY(!probe.webView());
                QVERIFY(view && view->isHidden());
                inner.quit();
            });
            inner.exec();
            outer.quit();
        });
        outer.exec();
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QTRY_VERIFY(!view);
    }

    void controlBarGeometry()
    {
        writeStore({{"endTime", at(600)}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QWidget *bar = probe.statusLabel()->parentWidget();
        QTRY_COMPARE(bar->geometry(), QRect(0, 0, 800, 35));
        QCOMPARE(probe.statusLabel()->geometry(), QRect(15, 7, 200, 21));
        QCOMPARE(probe.lockButton()->geometry(), QRect(715, 7, 70, 21));
        QCOMPARE(probe.pauseButton()->geometry(), QRect(640, 7, 60, 21));
        QCOMPARE(probe.modifyButton()->geometry(), QRect(535, 7, 90, 21));
        QCOMPARE(probe.webView()->geometry(), QRect(0, 35, 800, 565));

        probe.window()->resize(900, 700);
        QTRY_COMPARE(bar->geometry(), QRect(0, 0, 900, 35));
        QCOMPARE(probe.statusLabel()->geometry(), QRect(15, 7, 200, 21));
        QCOMPARE(probe.lockButton()->geometry(), QRect(815, 7, 70, 21));
        QCOMPARE(probe.pauseButton()->geometry(), QRect(740, 7, 60, 21));
        QCOMPARE(probe.modifyButton()->geometry(), QRect(635, 7, 90, 21));
        QCOMPARE(probe.webView()->geometry(), QRect(0, 35, 900, 665));
    }

    void lockedCardStaysCentredAndBounded()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QWidget *card = probe.lockedView()->findChild<QWidget *>(QStringLiteral("cardView"));
        QVERIFY(card);
        QCOMPARE(probe.lockedView()->findChild<QLabel *>("logoView")->size(), QSize(80, 80));
        QCOMPARE(probe.timerField()->text(), QStringLiteral("30"));
        // Typing goes straight into the minutes.
        QCOMPARE(probe.window()->focusWidget(), probe.timerField());
        QCOMPARE(probe.siteSelector()->count(), 3);
        QCOMPARE(probe.siteSelector()->itemText(1), QStringLiteral("Netflix"));
        for (const QSize size : {QSize(800, 600), QSize(600, 400), QSize(1400, 1000)}) {
            probe.window()->resize(size);
            QTRY_COMPARE(probe.lockedView()->size(), size);
            const QRect frame = card->geometry();
            QVERIFY(frame.width() <= size.width() * 0.8 && frame.height() <= size.height() * 0.8);
            QVERIFY(qAbs(frame.center().x() - size.width() / 2) <= 1);
            QVERIFY(qAbs(frame.center().y() - size.height() / 2) <= 1);
        }
    }

    void windowIsNotSmallerThanItsMinimum()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QCOMPARE(probe.window()->size(), QSize(800, 600));
        probe.window()->resize(300, 200);
        QCOMPARE(probe.window()->size(), QSize(600, 400));
    }

    // Picking a site saves it at once and refreshes nothing.
    void pickedSiteIsSavedAtOnce()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QVERIFY(QTest::qWaitForWindowActive(probe.window()));
        QTest::keyClick(probe.siteSelector(), Qt::Key_Down);
        QCOMPARE(probe.selectedSite(), QStringLiteral("netflix"));
        QCOMPARE(readStoreFromDisk().value("selectedSite").toString(), QStringLiteral("netflix"));
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QVERIFY(!probe.webView());
    }

    void returnPressesTheActionButtonOnlyWhenLocked()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QVERIFY(QTest::qWaitForWindowActive(probe.window()));
        ModalDriver modals;
        modals.then(pressButton("Cancel"));
        QTest::keyClick(probe.timerField(), Qt::Key_Return);
        QTRY_COMPARE(modals.messages, QStringList{"Password Required"});

        // In a running session Return belongs to the page.
        probe.endTime() = at(600);
        probe.isLocked() = false;
        probe.updateUI();
        QTRY_VERIFY(probe.webView()->focusProxy());
        QWidget *page = probe.webView()->focusProxy();
        KeyRecorder recorder(page);
        QTest::keyClick(page, Qt::Key_Return);
        QTest::qWait(300);
        QCOMPARE(modals.messages.size(), 1);
        QVERIFY(recorder.seen.contains({QEvent::KeyPress, int(Qt::Key_Return)}));
    }

    void escapeIsSwallowedAndLeavesFullScreen()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        KeyRecorder recorder(probe.timerField());
        QTest::keyClick(probe.timerField(), Qt::Key_Escape, Qt::ShiftModifier);
        QTest::keyClick(probe.timerField(), Qt::Key_A);
        QCOMPARE(recorder.seen,
                 (QList<QPair<QEvent::Type, int>>{{QEvent::KeyRelease, Qt::Key_Escape},
                                                  {QEvent::KeyPress, Qt::Key_A},
                                                  {QEvent::KeyRelease, Qt::Key_A}}));
        QCOMPARE(probe.timerField()->text(), QStringLiteral("30a"));

        probe.window()->setWindowState(Qt::WindowFullScreen);
        QVERIFY(probe.window()->isFullScreen());
        QTest::keyClick(probe.timerField(), Qt::Key_Escape);
        QVERIFY(!probe.window()->isFullScreen());

        // The same in a running session, in the web page.
        probe.endTime() = at(600);
        probe.isLocked() = false;
        probe.updateUI();
        QTRY_VERIFY(probe.webView()->focusProxy());
        QWidget *page = probe.webView()->focusProxy();
        KeyRecorder pageRecorder(page);
        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!pageRecorder.seen.contains({QEvent::KeyPress, int(Qt::Key_Escape)}));
    }
};

TOVALIN_TEST_MAIN(LaunchTest)
#include "tst_launch.moc"
