#include "app/AppDelegate.h"

#include "platform/Alert.h"
#include "platform/Clock.h"
#include "platform/PasswordFile.h"
#include "session/PasswordDelay.h"

#include <QCoreApplication>
#include <QLineEdit>

void AppDelegate::showPasswordPrompt(std::function<void()> onSuccess)
{
    platform::Alert alert;
    alert.setMessageText(QCoreApplication::translate("tovalin", "Password Required"));
    alert.setInformativeText(QCoreApplication::translate("tovalin", "Enter password to continue:"));
    alert.addButton(QCoreApplication::translate("tovalin", "OK"));
    alert.addButton(QCoreApplication::translate("tovalin", "Cancel"));
    auto *field = new QLineEdit;
    field->setObjectName(QStringLiteral("passwordField"));
    field->setEchoMode(QLineEdit::Password);
    field->setFixedSize(200, 24);
    field->setAccessibleName(QCoreApplication::translate("tovalin", "Password"));
    alert.setAccessoryView(field);

    if (alert.runModal() != platform::ALERT_FIRST_BUTTON_RETURN)
        return;
    const QString typed = field->text();
    field->clear();

    // After a few wrong answers each further one waits before it is judged, so that guessing
    // takes longer the more it is tried. A lock meanwhile ends the wait unjudged.
    const qint64 wait = remainingPasswordWaitMsecs(
        failedAttempts, lastFailedAttempt ? lastFailedAttempt->toMSecsSinceEpoch() : 0,
        platform::now().toMSecsSinceEpoch());
    if (wait > 0 &&
        !platform::waitModal(QCoreApplication::translate("tovalin", "Checking password…"), wait))
        return;

    if (isParentalPassword(typed)) {
        if (failedAttempts > 0) {
            failedAttempts = 0;
            lastFailedAttempt.reset();
            saveFailedAttempts();
        }
        onSuccess();
        return;
    }
    ++failedAttempts;
    lastFailedAttempt = platform::now();
    saveFailedAttempts();
    showAlert(QCoreApplication::translate("tovalin", "Incorrect password"));
}

bool AppDelegate::isParentalPassword(const QString &typed) const
{
    // Read at every answer, so that a password set while Tovalin runs counts at once.
    const platform::TrustedFile file =
        passwordFile.isEmpty()
            ? platform::TrustedFile{}
            : platform::readPasswordFile(passwordFile, platform::ADMIN_FOLDER.owner);
    switch (file.kind) {
    case platform::TrustedFile::Absent:
        return secretsEqual(typed.toUtf8(), password.toUtf8());
    case platform::TrustedFile::Usable:
        return platform::passwordMatchesHash(file.content, typed);
    case platform::TrustedFile::Refused:
        break;
    }
    return false;
}

void AppDelegate::showAlert(const QString &message)
{
    platform::Alert alert;
    alert.setMessageText(message);
    alert.runModal();
}
