// The parent's roads through the real dialogs: start, unlock, extend, pause and resume, end, and
// a new time limit; and the lock that closes a dialog left open at the end of the time.
#include "TestSupport.h"

#include "platform/Clock.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWebEngineView>

namespace {
const QString INVALID_TIME_LIMIT = QStringLiteral("Please enter a valid time limit");
const QString INVALID_MINUTES = QStringLiteral("Please enter a valid number of minutes");

ModalDriver::Step setMinutes(const QString &text)
{
    return typeAndPress(QStringLiteral("minutesField"), text, QStringLiteral("OK"));
}

// Starts a running session of the given length through the store.
std::unique_ptr<AppDelegate> launchRunning(qint64 seconds)
{
    writeStore({{"endTime", at(seconds)}, {"isLocked", false}, {"isPaused", false}});
    return launch();
}
} // namespace

class SessionTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSession(); }

    void startWithThePassword()
    {
        auto delegate = launch();
        AppDelegateProbe probe{*delegate};
        probe.timerField()->setText(QStringLiteral("45"));
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);

        QCOMPARE(modals.messages, QStringList{PASSWORD_PROMPT});
        QCOMPARE(modals.informativeTexts, QStringList{"Enter password to continue:"});
        QCOMPARE(probe.endTime(), at(45 * 60));
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Disney"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Extend"));
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: 45:00"));
        QVERIFY(probe.webView());
        QVERIFY(probe.countdownRuns());
        const QVariantMap saved = readStoreFromDisk();
        QCOMPARE(saved.value("endTime").toDateTime(), at(45 * 60));
        QCOMPARE(saved.value("isLocked").toString(), QStringLiteral("false"));

        // The session outlives the program.
        delegate.reset();
        platform::advanceClock(60000);
        delegate = launch();
        AppDelegateProbe again{*delegate};
        QCOMPARE(again.window()->windowTitle(), QStringLiteral("Tovalin - Disney"));
        QCOMPARE(again.statusLabel()->text(), QStringLiteral("Time remaining: 44:00"));
    }

    // Nothing but the exact password opens the gate, and a refusal changes nothing.
    void refusedPassword_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("space before") << " garden482";
        QTest::newRow("space after") << "garden482 ";
        QTest::newRow("other case") << "Garden482";
        QTest::newRow("huge") << QString(40000, QLatin1Char('x'));
    }
    void refusedPassword()
    {
        QFETCH(QString, typed);
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        // An unusable field is never read behind a wrong password.
        probe.timerField()->setText(QStringLiteral("abc"));
        ModalDriver modals;
        modals.then([typed](QDialog *dialog) {
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("passwordField"));
            QCOMPARE(field->echoMode(), QLineEdit::Password);
            QCOMPARE(field->size(), QSize(200, 24));
            field->setText(typed);
            pressButton(QStringLiteral("OK"))(dialog);
        });
        modals.then(pressButton(QStringLiteral("OK")));
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, "Incorrect password"}));
        QVERIFY(!probe.endTime());
        // The store holds the wrong answer, and nothing of a session.
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(readStoreFromDisk().keys(),
                 QStringList({"failedPasswordAttempts", "lastFailedPasswordAttempt"}));
    }

    void cancelAndRetries()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        ModalDriver modals;
        modals.then(typeAndPress("passwordField", PASSWORD, "Cancel"));
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList{PASSWORD_PROMPT});
        QVERIFY(!probe.endTime());

        // Closing the prompt by its window is "no" as well.
        modals.then([](QDialog *dialog) { dialog->close(); });
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QVERIFY(!probe.endTime());

        // Failures, then the right password still works, with a fresh field, once the wait
        // after the third has passed.
        for (int i = 0; i < 3; ++i) {
            modals.then(typePassword(QStringLiteral("wrong")));
            modals.then(pressButton(QStringLiteral("OK")));
            QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        }
        modals.then([](QDialog *dialog) {
            QVERIFY(
                dialog->findChild<QLineEdit *>(QStringLiteral("passwordField"))->text().isEmpty());
            typePassword(PASSWORD)(dialog);
        });
        modals.then([](QDialog *) { platform::advanceClock(1000); });
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(modals.messages.count("Incorrect password"), 3);
        QCOMPARE(probe.endTime(), at(1 + 30 * 60));
    }

    void unusableMinutesAfterThePassword_data()
    {
        QTest::addColumn<QString>("minutes");
        for (const char *text : {"0", "-5", "", " 30", "30 ", "1.5", "12abc", "9223372036854775808",
                                 "153722867280912931", "99999999999"})
            QTest::newRow(text) << QString::fromLatin1(text);
    }
    void unusableMinutesAfterThePassword()
    {
        QFETCH(QString, minutes);
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        probe.timerField()->setText(minutes);
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        modals.then(pressButton(QStringLiteral("OK")));
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, INVALID_TIME_LIMIT}));
        QVERIFY(!probe.endTime());
        QVERIFY(!probe.countdownRuns());
        QVERIFY(readStoreFromDisk().isEmpty());
    }

    void unlockAfterExpiryStartsAnew()
    {
        writeStore({{"endTime", at(-10)}, {"selectedSite", "netflix"}, {"isPaused", true}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Unlock"));
        probe.timerField()->setText(QStringLiteral("abc"));
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        modals.then(pressButton(QStringLiteral("OK")));
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, INVALID_TIME_LIMIT}));
        QCOMPARE(probe.endTime(), at(-10));

        probe.timerField()->setText(QStringLiteral("+5"));
        modals.then(typePassword(PASSWORD));
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(probe.endTime(), at(5 * 60));
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Netflix"));
        QVERIFY(probe.countdownRuns());
        QCOMPARE(readStoreFromDisk().value("endTime").toDateTime(), at(5 * 60));
    }

    // The clock was set back: the session still has time, so the field is not even read.
    void unlockWithTimeLeftKeepsTheEnd()
    {
        const auto delegate = launchRunning(300);
        const AppDelegateProbe probe{*delegate};
        probe.isLocked() = true;
        probe.updateUI();
        probe.timerField()->setText(QStringLiteral("abc"));
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList{PASSWORD_PROMPT});
        QCOMPARE(probe.endTime(), at(300));
        QVERIFY(!probe.isLocked());
        QVERIFY(!probe.isPaused());
        QVERIFY(probe.countdownRuns());
    }

    void extendCountsFromTheStoredEnd()
    {
        const auto delegate = launchRunning(60);
        const AppDelegateProbe probe{*delegate};
        probe.endTime() = at(-120); // passed, but no tick has locked yet
        probe.timerField()->setText(QStringLiteral("10"));
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        delegate->performAction();
        QCOMPARE(probe.endTime(), at(480));
        QCOMPARE(readStoreFromDisk().value("endTime").toDateTime(), at(480));
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: 08:00"));

        // An extension past the last instant the store can keep is refused.
        probe.timerField()->setText(QStringLiteral("153722867280912930"));
        modals.then(typePassword(PASSWORD));
        modals.then(pressButton(QStringLiteral("OK")));
        delegate->performAction();
        QCOMPARE(modals.messages.last(), INVALID_TIME_LIMIT);
        QCOMPARE(probe.endTime(), at(480));
    }

    // Paused time counts: the end never moves.
    void pauseAndResume()
    {
        const auto delegate = launchRunning(600);
        const AppDelegateProbe probe{*delegate};
        QTest::mouseClick(probe.pauseButton(), Qt::LeftButton);
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Paused"));
        QCOMPARE(probe.pauseButton()->text(), QStringLiteral("Resume"));
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Paused: 10:00 remaining"));
        QVERIFY(!probe.webView());
        QVERIFY(!probe.countdownRuns());
        QCOMPARE(readStoreFromDisk().value("isPaused").toString(), QStringLiteral("true"));

        platform::advanceClock(4 * 60 * 1000);
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Paused: 10:00 remaining"));
        QTest::mouseClick(probe.pauseButton(), Qt::LeftButton);
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Disney"));
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: 06:00"));
        QCOMPARE(probe.endTime(), at(600));
        QVERIFY(probe.webView());
        QVERIFY(probe.countdownRuns());
        QTRY_COMPARE(probe.webView()->url(), QUrl(testWebsites().at("disney")));
    }

    void resumeAfterTheEndLocksAtTheNextTick()
    {
        const auto delegate = launchRunning(60);
        const AppDelegateProbe probe{*delegate};
        delegate->togglePause();
        platform::advanceClock(120000);
        delegate->togglePause();
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Disney"));
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: 00:00"));
        platform::advanceClock(1000);
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Unlock"));
    }

    void endConfirmedWhilePaused()
    {
        auto delegate = launchRunning(600);
        AppDelegateProbe probe{*delegate};
        delegate->togglePause();
        ModalDriver modals;
        modals.then(pressButton(QStringLiteral("Cancel")));
        QTest::mouseClick(probe.lockButton(), Qt::LeftButton);
        QCOMPARE(probe.endTime(), at(600));

        modals.then(pressButton(QStringLiteral("End Session")));
        QTest::mouseClick(probe.lockButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList({"End Session", "End Session"}));
        QCOMPARE(modals.informativeTexts.last(),
                 QStringLiteral("Are you sure you want to end the current session? This will "
                                "reset the timer."));
        QVERIFY(!probe.endTime());
        QVERIFY(probe.isLocked());
        QVERIFY(!probe.isPaused());
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Start"));
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Time remaining: --:--"));
        const QVariantMap saved = readStoreFromDisk();
        QVERIFY(!saved.contains("endTime"));
        QCOMPARE(saved.value("isLocked").toString(), QStringLiteral("true"));
        QCOMPARE(saved.value("isPaused").toString(), QStringLiteral("false"));

        delegate.reset();
        delegate = launch();
        QCOMPARE(AppDelegateProbe{*delegate}.actionButton()->text(), QStringLiteral("Start"));
    }

    void setTimerReplacesTheRemainingTime()
    {
        const auto delegate = launchRunning(40 * 60);
        const AppDelegateProbe probe{*delegate};
        // The refresh takes the page back home.
        const QUrl home(testWebsites().at("disney"));
        QTRY_COMPARE(probe.webView()->url(), home);
        probe.webView()->load(QUrl(QStringLiteral("data:text/html,elsewhere")));
        QTRY_VERIFY(probe.webView()->url() != home);
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        modals.then([](QDialog *dialog) {
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("minutesField"));
            QCOMPARE(field->text(), QStringLiteral("40"));
            QCOMPARE(field->size(), QSize(100, 24));
            // Typing replaces the proposal, which is selected once the dialog is up.
            QTRY_COMPARE(field->selectedText(), QStringLiteral("40"));
            setMinutes(QStringLiteral("015"))(dialog);
        });
        QTest::mouseClick(probe.modifyButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, "Set Timer"}));
        QCOMPARE(modals.informativeTexts.last(),
                 QStringLiteral("Enter new time limit in minutes:"));
        QCOMPARE(probe.endTime(), at(15 * 60));
        QCOMPARE(readStoreFromDisk().value("endTime").toDateTime(), at(15 * 60));
        QVERIFY(probe.countdownRuns());
        QTRY_COMPARE(probe.webView()->url(), home);
    }

    // Behind a refused password the dialog never comes; a cancelled one changes nothing; and a
    // new limit set while paused leaves the session paused.
    void setTimerWhilePaused()
    {
        const auto delegate = launchRunning(600);
        const AppDelegateProbe probe{*delegate};
        delegate->togglePause();
        ModalDriver modals;
        modals.then(typePassword(QStringLiteral("wrong")));
        modals.then(pressButton(QStringLiteral("OK")));
        QTest::mouseClick(probe.modifyButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, "Incorrect password"}));

        modals.then(typePassword(PASSWORD));
        modals.then(typeAndPress(QStringLiteral("minutesField"), QStringLiteral("5"),
                                 QStringLiteral("Cancel")));
        QTest::mouseClick(probe.modifyButton(), Qt::LeftButton);
        QCOMPARE(probe.endTime(), at(600));

        modals.then(typePassword(PASSWORD));
        modals.then(setMinutes(QStringLiteral("5")));
        QTest::mouseClick(probe.modifyButton(), Qt::LeftButton);
        QCOMPARE(probe.endTime(), at(300));
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Paused"));
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Paused: 05:00 remaining"));
        QVERIFY(!probe.countdownRuns());
        QVERIFY(!probe.webView());
    }

    void setTimerRefusesUnusableMinutes()
    {
        const auto delegate = launchRunning(-1);
        const AppDelegateProbe probe{*delegate};
        probe.isLocked() = false; // passed, not yet locked: the proposal is 1
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        modals.then([](QDialog *dialog) {
            auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("minutesField"));
            QCOMPARE(field->text(), QStringLiteral("1"));
            field->setText(QStringLiteral("2.5"));
            pressButton(QStringLiteral("OK"))(dialog);
        });
        modals.then(pressButton(QStringLiteral("OK")));
        delegate->modifyTimer();
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, "Set Timer", INVALID_MINUTES}));
        QCOMPARE(probe.endTime(), at(-1));
    }

    // A dialog left open cannot hold the lock off: at the end it closes as a "no".
    void expiryClosesAnOpenDialog_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("stepsBefore");
        QTest::newRow("password prompt") << "modifyButton" << 0;
        QTest::newRow("set timer") << "modifyButton" << 1;
        QTest::newRow("end session") << "lockButton" << 0;
    }
    void expiryClosesAnOpenDialog()
    {
        QFETCH(QString, button);
        QFETCH(int, stepsBefore);
        const auto delegate = launchRunning(3);
        const AppDelegateProbe probe{*delegate};
        ModalDriver modals;
        if (stepsBefore == 1)
            modals.then(typePassword(PASSWORD));
        modals.then([](QDialog *) { platform::advanceClock(3000); });
        QTest::mouseClick(probe.window()->findChild<QPushButton *>(button), Qt::LeftButton);
        QCOMPARE(modals.messages.size(), stepsBefore + 1);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Unlock"));
        QCOMPARE(probe.endTime(), at(3));
        QCOMPARE(readStoreFromDisk().value("isLocked").toString(), QStringLiteral("true"));
    }
};

TOVALIN_TEST_MAIN(SessionTest)
#include "tst_session.moc"
