#include "app/AppDelegate.h"

#include "platform/Alert.h"
#include "platform/Clock.h"
#include "platform/MainQueue.h"
#include "platform/Timer.h"
#include "session/Minutes.h"

#include <QLineEdit>
#include <QPointer>

namespace {
const QString INVALID_TIME_LIMIT = QStringLiteral("Please enter a valid time limit");
const QString INVALID_MINUTES = QStringLiteral("Please enter a valid number of minutes");
} // namespace

void AppDelegate::performAction()
{
    if (!endTime) {
        startNewSession();
        return;
    }
    const QPointer<AppDelegate> self(this);
    if (isLocked) {
        showPasswordPrompt([self] {
            if (self)
                self->unlockSession();
        });
    } else {
        showPasswordPrompt([self] {
            if (self)
                self->extendSession();
        });
    }
}

void AppDelegate::startNewSession()
{
    showPasswordPrompt([self = QPointer(this)] {
        if (self)
            self->performStartNewSession();
    });
}

void AppDelegate::performStartNewSession()
{
    const std::optional<QDateTime> end = endAfterMinutes(platform::now(), timerField->text());
    if (!end) {
        showAlert(INVALID_TIME_LIMIT);
        return;
    }
    endTime = end;
    isLocked = false;
    savePersistedState();
    updateUI();
    startTimerIfNeeded();
}

void AppDelegate::unlockSession()
{
    if (!endTime)
        return;
    if (*endTime <= platform::now()) {
        extendSessionAfterExpiry();
        return;
    }
    isLocked = false;
    isPaused = false;
    savePersistedState();
    updateUI();
    startTimerIfNeeded();
}

// Restarting after expiry is starting anew from now, with the same checks and message.
void AppDelegate::extendSessionAfterExpiry()
{
    performStartNewSession();
}

void AppDelegate::extendSession()
{
    const QString text = timerField->text();
    // Without an end time there is nothing to move, but the minutes are still checked.
    const std::optional<QDateTime> end = endTime ? endAfterMinutes(*endTime, text) : std::nullopt;
    if (endTime ? !end : !parseMinutes(text)) {
        showAlert(INVALID_TIME_LIMIT);
        return;
    }
    endTime = end;
    savePersistedState();
    updateUI();
}

void AppDelegate::modifyTimer()
{
    showModifyTimerDialog();
}

void AppDelegate::showModifyTimerDialog()
{
    showPasswordPrompt([self = QPointer(this)] {
        if (self)
            self->performModifyTimer();
    });
}

void AppDelegate::performModifyTimer()
{
    if (!endTime)
        return;
    const qint64 proposal =
        proposedMinutes(endTime->toMSecsSinceEpoch() - platform::now().toMSecsSinceEpoch());

    platform::Alert alert;
    alert.setMessageText(QStringLiteral("Set Timer"));
    alert.setInformativeText(QStringLiteral("Enter new time limit in minutes:"));
    alert.addButton(QStringLiteral("OK"));
    alert.addButton(QStringLiteral("Cancel"));
    auto *field = new QLineEdit(QString::number(proposal));
    field->setObjectName(QStringLiteral("minutesField"));
    field->setFixedSize(100, 24);
    field->setAccessibleName(QStringLiteral("New time limit in minutes"));
    field->setAlignment(Qt::AlignCenter);
    alert.setAccessoryView(field);
    // Selected once the dialog is up, so that typing replaces the proposal.
    platform::runOnMainQueue([field = QPointer(field)] {
        if (field)
            field->selectAll();
    });

    if (alert.runModal() != platform::ALERT_FIRST_BUTTON_RETURN)
        return;
    const std::optional<QDateTime> end = endAfterMinutes(platform::now(), field->text());
    if (!end) {
        showAlert(INVALID_MINUTES);
        return;
    }
    endTime = end;
    savePersistedState();
    updateUI();
}

void AppDelegate::togglePause()
{
    isPaused = !isPaused;
    savePersistedState();
    updateUI();
    if (isPaused) {
        if (timer)
            timer->invalidate();
    } else {
        startTimerIfNeeded();
    }
}

void AppDelegate::lockNow()
{
    platform::Alert alert;
    alert.setMessageText(QStringLiteral("End Session"));
    alert.setInformativeText(QStringLiteral(
        "Are you sure you want to end the current session? This will reset the timer."));
    alert.addButton(QStringLiteral("End Session"));
    alert.addButton(QStringLiteral("Cancel"));
    if (alert.runModal() != platform::ALERT_FIRST_BUTTON_RETURN)
        return;
    endTime.reset();
    isPaused = false;
    isLocked = true;
    if (timer)
        timer->invalidate();
    savePersistedState();
    updateUI();
}
