#include "app/AppDelegate.h"

#include "platform/Alert.h"
#include "platform/Clock.h"
#include "platform/Sound.h"
#include "platform/TextColor.h"
#include "platform/Timer.h"
#include "session/Notice.h"
#include "session/StatusText.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPointer>
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
#include <QAccessibleAnnouncementEvent>
#endif

namespace {
constexpr int TICK_MSECS = 1000;
// A notice stays on the bar for this many ticks.
constexpr int NOTICE_TICKS = 10;
// A soft sound of the freedesktop theme, which every theme that follows it has or inherits.
const QString NOTICE_SOUND = QStringLiteral("dialog-information");

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
    if (noticeTicksLeft > 0 && --noticeTicksLeft == 0)
        noticeLabel->hide();
    updateStatusLabel();
    updateNotice();
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

void AppDelegate::updateNotice()
{
    if (!endTime || isLocked || isPaused) {
        noticeLabel->hide();
        noticeTicksLeft = 0;
        return;
    }
    const std::optional<Notice> due =
        dueNotice(endTime->toMSecsSinceEpoch(), platform::now().toMSecsSinceEpoch(),
                  lastNotice ? std::optional(lastNotice->toMSecsSinceEpoch()) : std::nullopt);
    if (!due)
        return;
    lastNotice = platform::utcDateTime(due->markMsecs);
    const QString text = noticeText(due->minutes);
    noticeLabel->setText(text);
    // As with the countdown, the new name is announced; from Qt 6.8 on, the notice is also
    // announced as such, which AT-SPI passes on as an announcement of its own
    // (src/gui/accessible/linux/atspiadaptor.cpp, AtSpiAdaptor::sendAnnouncement).
    noticeLabel->setAccessibleName(text);
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent announcement(noticeLabel, text);
    QAccessible::updateAccessibility(&announcement);
#endif
    noticeLabel->show();
    noticeTicksLeft = NOTICE_TICKS;
    platform::playEventSound(NOTICE_SOUND, text);
    // Given is given: a restart right after does not give it again.
    savePersistedState();
}
