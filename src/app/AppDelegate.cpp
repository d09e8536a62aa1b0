#include "app/AppDelegate.h"

#include "platform/Timer.h"

#include <QWidget>

AppDelegate::AppDelegate(Websites websites, QString password, QString passwordFile)
    : websites(std::move(websites)), password(std::move(password)),
      passwordFile(std::move(passwordFile))
{
}

// The web view goes before the window that holds it, so its page never outlives the view.
AppDelegate::~AppDelegate()
{
    destroyWebView();
}

void AppDelegate::applicationDidFinishLaunching()
{
    loadPersistedState();
    setupWindow();
    updateUI();
    startTimerIfNeeded();
}

void AppDelegate::applicationWillTerminate()
{
    savePersistedState();
}

bool AppDelegate::applicationShouldTerminateAfterLastWindowClosed() const
{
    return true;
}
