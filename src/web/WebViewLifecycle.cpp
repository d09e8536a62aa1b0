#include "app/AppDelegate.h"

#include "platform/AutoresizingLayout.h"
#include "platform/MainQueue.h"
#include "platform/Memory.h"
#include "web/Page.h"
#include "web/Profile.h"

#include <QDrag>
#include <QPointer>
#include <QWebEngineView>

void AppDelegate::createWebView()
{
    if (webView)
        return;
    const QRect bounds = unlockedView->rect();
    webView = new QWebEngineView;
    webView->setObjectName(QStringLiteral("webView"));
    const QPointer<AppDelegate> self(this);
    // The view owns its page, so dropping the view ends the page and its renderer with it; the
    // profile, and with it what the page left running in the engine, follows its last page.
    auto *page = new Page(
        sharedProfile(),
        [self](NavigationType type, const std::function<void(NavigationActionPolicy)> &handler) {
            // Nothing may load for a controller that is gone.
            if (!self) {
                handler(NavigationActionPolicy::Cancel);
                return;
            }
            self->webViewDecidePolicyForNavigationAction(type, handler);
        },
        [self]() -> QWebEnginePage * { return self ? self->webViewCreateWebView() : nullptr; },
        webView);
    endProfileAfter(page);
    webView->setPage(page);
    platform::AutoresizingLayout::of(unlockedView)
        ->addWidget(webView, QRect(0, BAR_HEIGHT, bounds.width(), bounds.height() - BAR_HEIGHT),
                    platform::FlexibleWidth | platform::FlexibleHeight);
    webView->raise();
}

void AppDelegate::destroyWebView()
{
    if (webView) {
        // Gone from sight and silent at once, even where it must outlive a loop running in it.
        webView->hide();
        webView->page()->setAudioMuted(true);
        webView->stop();
        // A drag that the page started holds its own loop, which would keep the page until the
        // button is released; its picture would stay over the locked screen meanwhile.
        QDrag::cancel();
        // What the page used comes free inside the heap as it goes; returned, the locked program
        // is back near its size before the session.
        QObject::connect(webView, &QObject::destroyed, &platform::returnFreeMemorySoon);
        platform::deleteOutsideNestedLoops(webView);
    }
    webView = nullptr;
}

void AppDelegate::webViewDecidePolicyForNavigationAction(
    NavigationType type, const std::function<void(NavigationActionPolicy)> &decisionHandler)
{
    decisionHandler(navigationPolicy(isLocked, type));
}

QWebEnginePage *AppDelegate::webViewCreateWebView()
{
    return nullptr;
}
