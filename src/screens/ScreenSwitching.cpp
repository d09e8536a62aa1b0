#include "app/AppDelegate.h"

#include "web/Profile.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QWebEngineView>

void AppDelegate::updateUI()
{
    if (isLocked)
        showLockedView();
    else if (isPaused)
        showPausedView();
    else
        showUnlockedView();
    updateSiteSelector();
    updateActionButton();
    updateStatusLabel();
    updateNotice();
    updatePauseButton();
}

void AppDelegate::showLockedView()
{
    lockedView->setHidden(false);
    unlockedView->setHidden(true);
    window->setWindowTitle(QCoreApplication::translate("tovalin", "Tovalin - Locked"));
    destroyWebView();
    // The parent can type the minutes at once, without clicking into the field first.
    if (!lockedView->isAncestorOf(window->focusWidget()))
        timerField->setFocus();
}

void AppDelegate::showPausedView()
{
    lockedView->setHidden(true);
    unlockedView->setHidden(false);
    window->setWindowTitle(QCoreApplication::translate("tovalin", "Tovalin - Paused"));
    destroyWebView();
}

void AppDelegate::showUnlockedView()
{
    lockedView->setHidden(true);
    unlockedView->setHidden(false);
    window->setWindowTitle(
        QCoreApplication::translate("tovalin", "Tovalin - %1").arg(siteTitle(selectedSite)));
    if (!webView)
        createWebView();
    webView->setHidden(false);
    const auto site = websites.find(selectedSite);
    if (site == websites.end())
        return;
    const QUrl url(site->second, QUrl::StrictMode);
    if (url.isValid())
        afterStorageSettles(webView, [view = webView, url] { view->load(url); });
}

void AppDelegate::updateSiteSelector()
{
    const int index = int(sortedSiteKeys(websites).indexOf(selectedSite));
    if (index >= 0)
        siteSelector->setCurrentIndex(index);
}

QStringList AppDelegate::actionTitles()
{
    return {QCoreApplication::translate("tovalin", "Start"),
            QCoreApplication::translate("tovalin", "Unlock"),
            QCoreApplication::translate("tovalin", "Extend")};
}

QStringList AppDelegate::pauseTitles()
{
    return {QCoreApplication::translate("tovalin", "Pause"),
            QCoreApplication::translate("tovalin", "Resume")};
}

void AppDelegate::updateActionButton()
{
    actionButton->setText(actionTitles()[!endTime ? 0 : isLocked ? 1 : 2]);
}

void AppDelegate::updatePauseButton()
{
    pauseButton->setText(pauseTitles()[isPaused ? 1 : 0]);
}

void AppDelegate::siteChanged()
{
    const QStringList keys = sortedSiteKeys(websites);
    const int index = siteSelector->currentIndex();
    if (index < 0 || index >= keys.size())
        return;
    selectedSite = keys[index];
    savePersistedState();
}
