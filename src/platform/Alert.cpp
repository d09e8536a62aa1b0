#include "platform/Alert.h"

#include "platform/Timer.h"

#include <QApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <vector>

namespace platform {

class AlertDialog : public QDialog
{
public:
    AlertDialog()
    {
        setWindowModality(Qt::ApplicationModal);
        setObjectName(QStringLiteral("alert"));
        auto *layout = new QVBoxLayout(this);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        message = new QLabel;
        message->setObjectName(QStringLiteral("messageText"));
        QFont bold = message->font();
        bold.setBold(true);
        message->setFont(bold);
        informative = new QLabel;
        informative->setObjectName(QStringLiteral("informativeText"));
        informative->hide();
        accessory = new QVBoxLayout;
        buttons = new QHBoxLayout;
        // Keeps short messages from squeezing the alert.
        buttons->addSpacing(120);
        buttons->addStretch();
        for (QLabel *label : {message, informative}) {
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            label->setMaximumWidth(400);
        }
        layout->addWidget(message);
        layout->addWidget(informative);
        layout->addLayout(accessory);
        layout->addLayout(buttons);
    }

    QLabel *message;
    QLabel *informative;
    QVBoxLayout *accessory;
    QHBoxLayout *buttons;
    QList<QPushButton *> buttonList;
    QWidget *accessoryView = nullptr;
};

namespace {
std::vector<QPointer<QDialog>> &runningAlerts()
{
    static std::vector<QPointer<QDialog>> alerts;
    return alerts;
}
} // namespace

Alert::Alert() : dialog(std::make_unique<AlertDialog>()) {}

Alert::~Alert() = default;

void Alert::setMessageText(const QString &text)
{
    dialog->message->setText(text);
    dialog->setWindowTitle(text);
}

void Alert::setInformativeText(const QString &text)
{
    dialog->informative->setText(text);
    dialog->informative->setVisible(!text.isEmpty());
}

void Alert::addButton(const QString &title)
{
    auto *button = new QPushButton(title);
    const int response = ALERT_FIRST_BUTTON_RETURN + int(dialog->buttonList.size());
    dialog->buttonList.append(button);
    // The first button is the default one, which the Return key presses.
    button->setDefault(response == ALERT_FIRST_BUTTON_RETURN);
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, dialog.get(),
                     [d = dialog.get(), response] { d->done(response); });
    dialog->buttons->addWidget(button);
}

void Alert::setAccessoryView(QWidget *view)
{
    dialog->accessory->addWidget(view);
    dialog->accessoryView = view;
}

int Alert::runModal()
{
    if (dialog->buttonList.isEmpty())
        addButton(QCoreApplication::translate("tovalin", "OK"));
    return runNested();
}

int Alert::runNested()
{
    // Typing goes to the accessory, not to a button: it has the focus and comes first in the
    // tab order.
    QWidget *previous = dialog->accessoryView;
    if (previous)
        previous->setFocus();
    for (QPushButton *button : std::as_const(dialog->buttonList)) {
        if (previous)
            QWidget::setTabOrder(previous, button);
        previous = button;
    }
    auto &alerts = runningAlerts();
    alerts.emplace_back(dialog.get());
    const int result = dialog->exec();
    std::erase_if(alerts, [this](const QPointer<QDialog> &d) { return d == dialog.get(); });
    return result >= ALERT_FIRST_BUTTON_RETURN ? result : ALERT_DISMISSED;
}

bool waitModal(const QString &message, qint64 msecs)
{
    Alert alert;
    alert.setMessageText(message);
    AlertDialog *dialog = alert.dialog.get();
    // A program timer, so that a test's clock ends the wait as time passing would.
    RepeatingTimer timer(int(std::min<qint64>(msecs, std::numeric_limits<int>::max())), [dialog] {
        // Not once it has been dismissed: that answer stands.
        if (dialog->isVisible())
            dialog->done(ALERT_FIRST_BUTTON_RETURN);
    });
    return alert.runNested() == ALERT_FIRST_BUTTON_RETURN;
}

void dismissOpenAlerts()
{
    for (const QPointer<QDialog> &alert : runningAlerts()) {
        if (alert)
            alert->done(QDialog::Rejected);
    }
}

} // namespace platform
