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
    friend struct AppDelegateProbe;

    // src/app/AppDelegate.cpp
public:
    // Where a file holds a password of the parent's own, it is asked for instead of the built-in
    // one; without a file name only the built-in one is.
    explicit AppDelegate(Websites websites = WEBSITES, QString password = PASSWORD,
                         QString passwordFile = {});
    ~AppDelegate() override;

    void applicationDidFinishLaunching();
    void applicationWillTerminate();
    bool applicationShouldTerminateAfterLastWindowClosed() const;

    // src/app/PersistedState.cpp
private:
    void loadPersistedState();
    void savePersistedState();
    void saveFailedAttempts();

    // src/screens/MainWindow.cpp
    void setupWindow();

    // src/screens/LockedScreen.cpp
    void setupLockedView(QWidget *container);

    // src/screens/UnlockedScreen.cpp
    void setupUnlockedView(QWidget *container);

    // src/keys/KeyGuard.cpp
    void setupKeyMonitor();

    // src/screens/ScreenSwitching.cpp
public:
    void siteChanged(); // the site selector's action

private:
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

    // src/session/Countdown.cpp
    void startTimerIfNeeded();
    void updateTimer();
    void lockApp();
    void updateStatusLabel();
    // Shows the notice that is due before the end, if any, or hides it where none may show.
    void updateNotice();

    // src/session/SessionActions.cpp
public:
    // Actions of the controls.
    void performAction();
    void modifyTimer();
    void togglePause();
    void lockNow();

private:
    void startNewSession();
    void performStartNewSession();
    void unlockSession();
    void extendSession();
    void extendSessionAfterExpiry();
    void showModifyTimerDialog();
    void performModifyTimer();

    // src/session/PasswordGate.cpp
    void showPasswordPrompt(std::function<void()> onSuccess);
    bool isParentalPassword(const QString &typed) const;
    void showAlert(const QString &message);

    // src/web/WebViewLifecycle.cpp
public:
    // Callbacks of the web view's page.
    void webViewDecidePolicyForNavigationAction(
        NavigationType type, const std::function<void(NavigationActionPolicy)> &decisionHandler);
    QWebEnginePage *webViewCreateWebView();

private:
    void createWebView();
    void destroyWebView();

    // The state that the files above share.
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
