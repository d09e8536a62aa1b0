#include "app/AppDelegate.h"

#include "web/Profile.h"

#include <QComboBox>
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
    updatePauseButton();
}

void AppDelegate::showLockedView()
{
    lockedView->setHidden(false);
    unlockedView->setHidden(true);
    window->setWindowTitle(QStringLiteral("Tovalin - Locked"));
    destroyWebView();
    // The parent can type the minutes at once, without clicking into the field first.
    if (!lockedView->isAncestorOf(window->focusWidget()))
        timerField->setFocus();
}

void AppDelegate::showPausedView()
{
    lockedView->setHidden(true);
    unlockedView->setHidden(false);
    window->setWindowTitle(QStringLiteral("Tovalin - Paused"));
    destroyWebView();
}

void AppDelegate::showUnlockedView()
{
    lockedView->setHidden(true);
    unlockedView->setHidden(false);
    window->setWindowTitle(QStringLiteral("Tovalin - ") + siteTitle(selectedSite));
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

void AppDelegate::updateActionButton()
{
    if (!endTime)
        actionButton->setText(QStringLiteral("Start"));
    else if (isLocked)
        actionButton->setText(QStringLiteral("Unlock"));
    else
        actionButton->setText(QStringLiteral("Extend"));
}

void AppDelegate::updatePauseButton()
{
    pauseButton->setText(isPaused ? QStringLiteral("Resume") : QStringLiteral("Pause"));
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
