#pragma once

#include <QString>
#include <memory>

class QWidget;

namespace platform {

class AlertDialog;

// Answers of a modal alert: the first button added gives 1000, the second 1001, and so on.
constexpr int ALERT_FIRST_BUTTON_RETURN = 1000;
// Closed without a button: the window's close button, or dismissed by the program.
constexpr int ALERT_DISMISSED = -1001;

// A modal alert with a message, an optional informative text and accessory widget, and buttons
// in the order added. Without added buttons it shows a single "OK".
class Alert
{
public:
    Alert();
    ~Alert();
    Alert(const Alert &) = delete;
    Alert &operator=(const Alert &) = delete;

    void setMessageText(const QString &text);
    void setInformativeText(const QString &text);
    void addButton(const QString &title);
    // The alert takes ownership of the widget; it stays readable until the alert is destroyed.
    void setAccessoryView(QWidget *view);
    // Blocks in a nested event loop until answered.
    int runModal();

private:
    friend bool waitModal(const QString &message, qint64 msecs);
    int runNested();

    std::unique_ptr<AlertDialog> dialog;
};

// Shows the message without buttons for the given time, blocking in a nested event loop. False
// when it was ended sooner: dismissed by the program or closed by the parent.
bool waitModal(const QString &message, qint64 msecs);

// Ends every alert that is running, as if closed without a button.
void dismissOpenAlerts();

} // namespace platform
