// Bad input that reaches the program through its own widgets and files: a megabyte pasted into
// each text field, and a folder where the store's file belongs. Also what a long run leaves
// behind: heap memory freed by a torn-down page.
#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/Memory.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {
constexpr qsizetype MEGABYTE = 1024 * 1024;
// What a line edit keeps of longer text.
constexpr qsizetype FIELD_CAPACITY = 32767;
// Far above what pasting and refusing a megabyte takes: only a hang or a quadratic pass fails.
constexpr qint64 MOST_MSECS = 5000;

// Pastes over whatever the field held, with the keys a person would use.
void paste(QLineEdit *field, const QString &text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

ModalDriver::Step pasteAndPressOk(const QString &fieldName, const QString &text)
{
    return [=](QDialog *dialog) {
        auto *field = dialog->findChild<QLineEdit *>(fieldName);
        QVERIFY2(field, qPrintable(QStringLiteral("no field ") + fieldName));
        paste(field, text);
        QCOMPARE(field->text().size(), FIELD_CAPACITY);
        pressButton(QStringLiteral("OK"))(dialog);
    };
}

// Clicks a button that opens dialogs and returns once they are all answered, within MOST_MSECS.
void clickWithinBound(QPushButton *button)
{
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(button, Qt::LeftButton);
    QVERIFY2(clock.elapsed() < MOST_MSECS, qPrintable(QString::number(clock.elapsed())));
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}
} // namespace

class RobustnessTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSession(); }

    // Only the exact password opens the gate, even when a paste begins with it.
    void hugePastedPasswordIsRefused()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        ModalDriver modals;
        modals.then(pasteAndPressOk(QStringLiteral("passwordField"),
                                    PASSWORD + QString(MEGABYTE, QLatin1Char('x'))));
        modals.then(pressButton(QStringLiteral("OK")));
        clickWithinBound(probe.actionButton());
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, "Incorrect password"}));
        QVERIFY(!probe.endTime());
        QVERIFY(!readStoreFromDisk().contains("endTime"));
    }

    void hugePastedMinutesAreRefused_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::newRow("nines") << QString(MEGABYTE, QLatin1Char('9'));
        // What is kept of it is all zeros.
        QTest::newRow("zeros, then a five") << QString(MEGABYTE - 1, QLatin1Char('0')) + '5';
        QTest::newRow("digits of another script") << QString(MEGABYTE, QChar(0x0663));
    }
    void hugePastedMinutesAreRefused()
    {
        QFETCH(QString, pasted);
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        paste(probe.timerField(), pasted);
        QCOMPARE(probe.timerField()->text().size(), FIELD_CAPACITY);
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        modals.then(pressButton(QStringLiteral("OK")));
        clickWithinBound(probe.actionButton());
        QCOMPARE(modals.messages,
                 QStringList({PASSWORD_PROMPT, "Please enter a valid time limit"}));
        QVERIFY(!probe.endTime());
        QVERIFY(!probe.countdownRuns());
        QVERIFY(readStoreFromDisk().isEmpty());
    }

    void hugePastedNewTimeLimitIsRefused()
    {
        writeStore({{"endTime", at(600)}});
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        const QVariantMap before = readStoreFromDisk();
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        modals.then(
            pasteAndPressOk(QStringLiteral("minutesField"), QString(MEGABYTE, QLatin1Char('7'))));
        modals.then(pressButton(QStringLiteral("OK")));
        clickWithinBound(probe.modifyButton());
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, "Set Timer",
                                               "Please enter a valid number of minutes"}));
        QCOMPARE(probe.endTime(), at(600));
        QCOMPARE(readStoreFromDisk(), before);
    }

    // Nothing can be read from a folder or written in its place: the run goes on all the same,
    // and the folder stays as it was.
    void storeThatIsAFolder()
    {
        QVERIFY(QDir().mkpath(storeFilePath()));
        const auto removeFolder = qScopeGuard([] { QDir(storeFilePath()).removeRecursively(); });
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Start"));

        probe.timerField()->setText(QStringLiteral("2"));
        ModalDriver modals;
        modals.then(typePassword(PASSWORD));
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Disney"));
        platform::advanceClock(2 * 60 * 1000);
        QCOMPARE(probe.window()->windowTitle(), QStringLiteral("Tovalin - Locked"));
        QCOMPARE(probe.actionButton()->text(), QStringLiteral("Unlock"));
        delegate->applicationWillTerminate();
        QVERIFY(QFileInfo(storeFilePath()).isDir());
    }

    // Small blocks freed below one that stays, as a page's leave the heap: the heap cannot
    // shrink from its end, so only handing back the free pages inside it brings them back.
    void freedHeapGoesBackToTheSystem()
    {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator keeps a heap of its own");
#elif !defined(__GLIBC__)
        QSKIP("only glibc's heap is handed back");
#endif
        constexpr qint64 BLOCK = 2048;
        constexpr qint64 TOTAL = 64 * MEGABYTE;
        std::vector<std::unique_ptr<char[]>> blocks;
        for (qint64 made = 0; made < TOTAL; made += BLOCK)
            blocks.push_back(std::make_unique<char[]>(BLOCK));
        const auto kept = std::make_unique<char[]>(BLOCK);
        blocks.clear();
        const qint64 before = residentBytes();
        QVERIFY(before > 0);

        platform::returnFreeMemory();
        const qint64 returned = before - residentBytes();
        QVERIFY2(returned > TOTAL * 3 / 4, qPrintable(QString::number(returned)));
    }
};

TOVALIN_TEST_MAIN(RobustnessTest)
#include "tst_robustness.moc"
