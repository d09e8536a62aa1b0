#include "app/AppDelegate.h"

#include "platform/Alert.h"
#include "platform/Clock.h"
#include "platform/TextColor.h"
#include "platform/Timer.h"
#include "session/StatusText.h"

#include <QLabel>
#include <QPointer>

namespace {
constexpr int TICK_MSECS = 1000;

// The red and the orange as they read on white; a dark bar gets lighter ones.
std::optional<QColor> colorOf(StatusColor color)
{
    switch (color) {
    case StatusColor::Red:
        return QColor(0xd7, 0x00, 0x15);
    case StatusColor::Orange:
        return QColor(0xc9, 0x34, 0x00);
    case StatusColor::Label:
    case StatusColor::Unchanged:
        break;
    }
    return std::nullopt;
}
} // namespace

void AppDelegate::startTimerIfNeeded()
{
    if (!endTime || isLocked || isPaused)
        return;
    if (timer)
        timer->invalidate();
    timer = std::make_unique<platform::RepeatingTimer>(TICK_MSECS, [self = QPointer(this)] {
        if (self)
            self->updateTimer();
    });
}

void AppDelegate::updateTimer()
{
    updateStatusLabel();
    if (!endTime) {
        if (timer)
            timer->invalidate();
        return;
    }
    if (*endTime <= platform::now()) {
        if (timer)
            timer->invalidate();
        // A dialog left open must not keep the session going: it is answered "no" and closes.
        platform::dismissOpenAlerts();
        lockApp();
    }
}

void AppDelegate::lockApp()
{
    isLocked = true;
    savePersistedState();
    updateUI();
}

void AppDelegate::updateStatusLabel()
{
    std::optional<qint64> remaining;
    if (endTime)
        remaining =
            remainingSeconds(endTime->toMSecsSinceEpoch(), platform::now().toMSecsSinceEpoch());
    const StatusText status = statusText(remaining, isPaused);
    statusLabel->setText(status.text);
    // The name carries the text, and setting it sends the name-change event through which a
    // screen reader announces the new time; an unchanged text is not announced again.
    if (statusLabel->accessibleName() != status.text)
        statusLabel->setAccessibleName(status.text);
    if (status.color == StatusColor::Unchanged)
        return;
    platform::setTextColor(statusLabel, colorOf(status.color));
}
