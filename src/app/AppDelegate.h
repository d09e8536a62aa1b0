#pragma once

#include "app/Constants.h"
#include "web/NavigationPolicy.h"

#include <QDateTime>
#include <QObject>
#include <functional>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWebEnginePage;
class QWebEngineView;
class QWidget;

namespace platform {
class RepeatingTimer;
}

// The application controller: it owns the window, the screens, the web view, the countdown and
// the session, and carries out every action of the program.
class AppDelegate : public QObject
{
public:
    // Where a file holds a password of the parent's own, it is asked for instead of the built-in
    // one; without a file name only the built-in one is.
    explicit AppDelegate(Websites websites = WEBSITES, QString password = PASSWORD,
                         QString passwordFile = {});
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    bool applicationShouldTerminateAfterLastWindowClosed() const;

    // Actions of the controls.
    void siteChanged();
    void performAction();
    void modifyTimer();
    void togglePause();
    void lockNow();

    // Callbacks of the web view's page.
    void webViewDecidePolicyForNavigationAction(
        NavigationType type, const std::function<void(NavigationActionPolicy)> &decisionHandler);
    QWebEnginePage *webViewCreateWebView();

private:
    friend struct AppDelegateProbe;

    void loadPersistedState();
    void savePersistedState();
    void setupWindow();
    void setupLockedView(QWidget *container);
    void setupUnlockedView(QWidget *container);
    void setupKeyMonitor();
    void updateUI();
    void showLockedView();
    void showPausedView();
    void showUnlockedView();
    void updateSiteSelector();
    void updateActionButton();
    void updatePauseButton();
    // The texts each button shows in turn, translated: the buttons are as wide as the widest.
    static QStringList actionTitles();
    static QStringList pauseTitles();
    void startTimerIfNeeded();
    void updateTimer();
    void lockApp();
    void updateStatusLabel();
    // Shows the notice that is due before the end, if any, or hides it where none may show.
    void updateNotice();
    void startNewSession();
    void performStartNewSession();
    void unlockSession();
    void extendSession();
    void extendSessionAfterExpiry();
    void showModifyTimerDialog();
    void performModifyTimer();
    void showPasswordPrompt(std::function<void()> onSuccess);
    bool isParentalPassword(const QString &typed) const;
    void saveFailedAttempts();
    void showAlert(const QString &message);
    void createWebView();
    void destroyWebView();

    std::unique_ptr<QWidget> window;
    QWebEngineView *webView = nullptr;
    QWidget *lockedView = nullptr;
    QWidget *unlockedView = nullptr;
    QComboBox *siteSelector = nullptr;
    QLineEdit *timerField = nullptr;
    QPushButton *actionButton = nullptr;
    QLabel *statusLabel = nullptr;
    QLabel *noticeLabel = nullptr;
    QPushButton *modifyButton = nullptr;
    QPushButton *pauseButton = nullptr;
    QPushButton *lockButton = nullptr;
    std::unique_ptr<platform::RepeatingTimer> timer;
    std::optional<QDateTime> endTime;
    QString selectedSite = DEFAULT_SITE;
    bool isLocked = true;
    bool isPaused = false;
    // The mark of the last notice given before the end (see dueNotice), and the ticks that the
    // notice on show has left.
    std::optional<QDateTime> lastNotice;
    int noticeTicksLeft = 0;
    // Wrong answers to the password prompt in a row, and when the last came: they slow guessing
    // down, across restarts too.
    qint64 failedAttempts = 0;
    std::optional<QDateTime> lastFailedAttempt;

    // The program-wide constants, as the entry point hands them over.
    const Websites websites;
    const QString password;
    const QString passwordFile;
};
