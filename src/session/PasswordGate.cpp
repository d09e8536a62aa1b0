#include "app/AppDelegate.h"

#include "platform/Alert.h"

#include <QLineEdit>

void AppDelegate::showPasswordPrompt(std::function<void()> onSuccess)
{
    platform::Alert alert;
    alert.setMessageText(QStringLiteral("Password Required"));
    alert.setInformativeText(QStringLiteral("Enter password to continue:"));
    alert.addButton(QStringLiteral("OK"));
    alert.addButton(QStringLiteral("Cancel"));
    auto *field = new QLineEdit;
    field->setObjectName(QStringLiteral("passwordField"));
    field->setEchoMode(QLineEdit::Password);
    field->setFixedSize(200, 24);
    field->setAccessibleName(QStringLiteral("Password"));
    alert.setAccessoryView(field);

    if (alert.runModal() != platform::ALERT_FIRST_BUTTON_RETURN)
        return;
    const bool accepted = field->text() == password;
    field->clear();
    if (accepted)
        onSuccess();
    else
        showAlert(QStringLiteral("Incorrect password"));
}

void AppDelegate::showAlert(const QString &message)
{
    platform::Alert alert;
    alert.setMessageText(message);
    alert.runModal();
}
