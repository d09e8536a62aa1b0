#include "app/AppDelegate.h"

#include "platform/Alert.h"
#include "platform/Clock.h"
#include "platform/MainQueue.h"
#include "platform/Timer.h"
#include "session/Minutes.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>

namespace {
// Translated where shown: the language is chosen after static objects are made.
const char *const INVALID_TIME_LIMIT =
    QT_TRANSLATE_NOOP("tovalin", "Please enter a valid time limit");
const char *const INVALID_MINUTES =
    QT_TRANSLATE_NOOP("tovalin", "Please enter a valid number of minutes");
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
        showAlert(QCoreApplication::translate("tovalin", INVALID_TIME_LIMIT));
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
        showAlert(QCoreApplication::translate("tovalin", INVALID_TIME_LIMIT));
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
    alert.setMessageText(QCoreApplication::translate("tovalin", "Set Timer"));
    alert.setInformativeText(
        QCoreApplication::translate("tovalin", "Enter new time limit in minutes:"));
    alert.addButton(QCoreApplication::translate("tovalin", "OK"));
    alert.addButton(QCoreApplication::translate("tovalin", "Cancel"));
    auto *field = new QLineEdit(QString::number(proposal));
    field->setObjectName(QStringLiteral("minutesField"));
    field->setFixedSize(100, 24);
    field->setAccessibleName(QCoreApplication::translate("tovalin", "New time limit in minutes"));
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
        showAlert(QCoreApplication::translate("tovalin", INVALID_MINUTES));
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
    alert.setMessageText(QCoreApplication::translate("tovalin", "End Session"));
    alert.setInformativeText(QCoreApplication::translate(
        "tovalin", "Are you sure you want to end the current session? This will reset the timer."));
    alert.addButton(QCoreApplication::translate("tovalin", "End Session"));
    alert.addButton(QCoreApplication::translate("tovalin", "Cancel"));
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
