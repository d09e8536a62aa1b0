#pragma once

#include "app/AppDelegate.h"

#include <QDateTime>
#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <deque>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Reaches the controller's private state, for tests only.
struct AppDelegateProbe
{
    AppDelegate &d;

    QWidget *window() const { return d.window.get(); }
    QWebEngineView *webView() const { return d.webView; }
    QWidget *lockedView() const { return d.lockedView; }
    QWidget *unlockedView() const { return d.unlockedView; }
    QComboBox *siteSelector() const { return d.siteSelector; }
    QLineEdit *timerField() const { return d.timerField; }
    QPushButton *actionButton() const { return d.actionButton; }
    QLabel *statusLabel() const { return d.statusLabel; }
    QPushButton *modifyButton() const { return d.modifyButton; }
    QPushButton *pauseButton() const { return d.pauseButton; }
    QPushButton *lockButton() const { return d.lockButton; }
    std::optional<QDateTime> &endTime() const { return d.endTime; }
    QString &selectedSite() const { return d.selectedSite; }
    bool &isLocked() const { return d.isLocked; }
    bool &isPaused() const { return d.isPaused; }
    bool countdownRuns() const;
    void startTimerIfNeeded() const { d.startTimerIfNeeded(); }
    void updateUI() const { d.updateUI(); }
};

// The instant every test starts from, and one some seconds from it.
QDateTime testEpoch();
QDateTime at(qint64 secondsFromEpoch);

// The message of the password prompt.
inline const QString PASSWORD_PROMPT = QStringLiteral("Password Required");

// Sites that load without a network: each home page is a small local document.
Websites testWebsites();

// An empty store and the clock pinned at testEpoch().
void resetSession();

// Writes raw values into the store, as a hand edit or an older run would have left them.
void writeStore(const QVariantMap &values);
// The store as a new run of the program would read it from disk.
QVariantMap readStoreFromDisk();
QString storeFilePath();

// A controller that has gone through its launch sequence.
std::unique_ptr<AppDelegate> launch();

// Answers the modal dialogs that come up, one scripted step each, and records their messages.
class ModalDriver : public QObject
{
public:
    using Step = std::function<void(QDialog *)>;

    ModalDriver();
    void then(Step step) { steps.push_back(std::move(step)); }

    QStringList messages;
    QStringList informativeTexts;

private:
    void poll();

    std::deque<Step> steps;
    QTimer timer;
    QPointer<QDialog> current;
};

// Steps for ModalDriver.
ModalDriver::Step pressButton(const QString &title);
ModalDriver::Step typeAndPress(const QString &fieldName, const QString &text, const QString &title);
ModalDriver::Step typePassword(const QString &text);

// Sets up a headless, isolated environment; call before the QApplication exists.
void prepareTestEnvironment();
void configureTestApplication();

#define TOVALIN_TEST_MAIN(TestObject)                                                              \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        prepareTestEnvironment();                                                                  \
        QApplication app(argc, argv);                                                              \
        configureTestApplication();                                                                \
        TestObject test;                                                                           \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
