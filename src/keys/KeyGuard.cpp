#include "keys/KeyGuard.h"

#include "app/AppDelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

KeyDecision decideKeyDown(int key, bool windowIsFullScreen)
{
    if (key != ESCAPE_KEY)
        return {false, false};
    return {true, windowIsFullScreen};
}

KeyGuard::KeyGuard(QWidget *window, QObject *parent) : QObject(parent), window(window) {}

bool KeyGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !window)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const KeyDecision decision = decideKeyDown(key->key(), window->isFullScreen());
    if (decision.leaveFullScreen)
        window->setWindowState(window->windowState() & ~Qt::WindowFullScreen);
    return decision.consume;
}

void AppDelegate::setupKeyMonitor()
{
    // Parented to the controller, so the filter goes when the controller does.
    qApp->installEventFilter(new KeyGuard(window.get(), this));
}
