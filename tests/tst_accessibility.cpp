// What a screen reader gets through Qt's accessibility interface: a name and a role for every
// control, the modal dialogs' included, and an announcement each time the countdown changes.

// The recording bridge below is a plugin linked into this program.
#define QT_STATICPLUGIN

#include "TestSupport.h"

#include "platform/Clock.h"

#include <QAccessible>
#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QtPlugin>
#include <vector>

namespace {
// The name changes that a screen reader hears of: the object and its new name, in order.
std::vector<std::pair<const QObject *, QString>> &nameChanges()
{
    static std::vector<std::pair<const QObject *, QString>> recorded;
    return recorded;
}

// Qt hands every accessibility event to the platform's bridges, the way to a screen reader, even
// while no reader has switched accessibility on.
class RecordingBridge : public QAccessibleBridge
{
public:
    void setRootObject(QAccessibleInterface *) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent *event) override
    {
        const QAccessibleInterface *iface = event->accessibleInterface();
        if (event->type() == QAccessible::NameChanged && iface)
            nameChanges().emplace_back(event->object(), iface->text(QAccessible::Name));
    }
};

QStringList announcedNames(const QObject *object)
{
    QStringList names;
    for (const auto &[source, name] : nameChanges()) {
        if (source == object)
            names << name;
    }
    return names;
}

void expectControl(QObject *control, QAccessible::Role role, const QString &name)
{
    QVERIFY(control);
    const QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    QVERIFY(iface);
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
}

// The label a screen reader reads out with the control.
QString labelOf(QObject *control)
{
    const auto relations =
        QAccessible::queryAccessibleInterface(control)->relations(QAccessible::Label);
    return relations.isEmpty() ? QString() : relations.first().first->text(QAccessible::Name);
}

void expectDialog(QDialog *dialog, const QString &name, const QStringList &buttons)
{
    expectControl(dialog, QAccessible::Dialog, name);
    QStringList buttonNames;
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        const QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(button);
        if (iface->role() == QAccessible::Button)
            buttonNames << iface->text(QAccessible::Name);
    }
    QCOMPARE(buttonNames, buttons);
}

// The field is named and reads as a password, and the typed text never reaches a reader.
void checkPasswordDialog(QDialog *dialog)
{
    expectDialog(dialog, PASSWORD_PROMPT, {"OK", "Cancel"});
    auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("passwordField"));
    expectControl(field, QAccessible::EditableText, QStringLiteral("Password"));
    QTest::keyClicks(field, PASSWORD);
    const QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(field);
    QVERIFY(iface->state().passwordEdit);
    for (const QAccessible::Text text :
         {QAccessible::Name, QAccessible::Value, QAccessible::Description, QAccessible::Help})
        QVERIFY(!iface->text(text).contains(PASSWORD));
}

// Starts a session of the locked screen's 30 minutes through the password dialog.
void startSession(const AppDelegateProbe &probe, ModalDriver &modals)
{
    modals.then(typePassword(PASSWORD));
    QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
    QVERIFY(!probe.isLocked());
}
} // namespace

class RecordingBridgePlugin : public QAccessibleBridgePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "tst_accessibility.json")

public:
    QAccessibleBridge *create(const QString &) override { return new RecordingBridge; }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

class AccessibilityTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { resetSession(); }

    void lockedScreen()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        expectControl(probe.timerField(), QAccessible::EditableText,
                      QStringLiteral("Time limit in minutes"));
        QCOMPARE(labelOf(probe.timerField()), QStringLiteral("Time Limit"));
        // Qt on Linux names the pop-up after the chosen site; its row's label goes with it.
        expectControl(probe.siteSelector(), QAccessible::ComboBox, QStringLiteral("Disney"));
        QCOMPARE(labelOf(probe.siteSelector()), QStringLiteral("Choose Website"));
        expectControl(probe.actionButton(), QAccessible::Button, QStringLiteral("Start"));
    }

    void passwordDialog()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        ModalDriver modals;
        modals.then([](QDialog *dialog) {
            checkPasswordDialog(dialog);
            pressButton(QStringLiteral("OK"))(dialog);
        });
        QTest::mouseClick(probe.actionButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList{PASSWORD_PROMPT});
        QVERIFY(probe.endTime());
        // A button's name follows its text.
        expectControl(probe.actionButton(), QAccessible::Button, QStringLiteral("Extend"));
    }

    void setTimerDialog()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        ModalDriver modals;
        startSession(probe, modals);
        modals.then(typePassword(PASSWORD));
        modals.then([](QDialog *dialog) {
            expectDialog(dialog, QStringLiteral("Set Timer"), {"OK", "Cancel"});
            expectControl(dialog->findChild<QLineEdit *>(QStringLiteral("minutesField")),
                          QAccessible::EditableText, QStringLiteral("New time limit in minutes"));
            pressButton(QStringLiteral("Cancel"))(dialog);
        });
        QTest::mouseClick(probe.modifyButton(), Qt::LeftButton);
        QCOMPARE(modals.messages, QStringList({PASSWORD_PROMPT, PASSWORD_PROMPT, "Set Timer"}));
    }

    void controlBar()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        ModalDriver modals;
        startSession(probe, modals);
        expectControl(probe.statusLabel(), QAccessible::StaticText,
                      QStringLiteral("Time remaining: 30:00"));
        expectControl(probe.modifyButton(), QAccessible::Button, QStringLiteral("Modify Timer"));
        expectControl(probe.pauseButton(), QAccessible::Button, QStringLiteral("Pause"));
        expectControl(probe.lockButton(), QAccessible::Button, QStringLiteral("End"));

        QTest::mouseClick(probe.pauseButton(), Qt::LeftButton);
        expectControl(probe.pauseButton(), QAccessible::Button, QStringLiteral("Resume"));

        modals.then([](QDialog *dialog) {
            expectDialog(dialog, QStringLiteral("End Session"), {"End Session", "Cancel"});
            pressButton(QStringLiteral("Cancel"))(dialog);
        });
        QTest::mouseClick(probe.lockButton(), Qt::LeftButton);
        QCOMPARE(modals.messages.last(), QStringLiteral("End Session"));
        QVERIFY(probe.endTime());
    }

    // Every new text of the countdown reaches a reader, as a change of the label's name; a
    // refresh that leaves the text as it was says nothing.
    void countdownIsAnnounced()
    {
        const auto delegate = launch();
        const AppDelegateProbe probe{*delegate};
        ModalDriver modals;
        startSession(probe, modals);
        nameChanges().clear();

        platform::advanceClock(2000);
        const QStringList ticks{"Time remaining: 29:59", "Time remaining: 29:58"};
        QCOMPARE(announcedNames(probe.statusLabel()), ticks);
        probe.updateUI();
        QCOMPARE(announcedNames(probe.statusLabel()), ticks);

        QTest::mouseClick(probe.pauseButton(), Qt::LeftButton);
        QCOMPARE(announcedNames(probe.statusLabel()),
                 ticks + QStringList{"Paused: 29:58 remaining"});
        QCOMPARE(probe.statusLabel()->text(), QStringLiteral("Paused: 29:58 remaining"));
    }
};

TOVALIN_TEST_MAIN(AccessibilityTest)

#include "tst_accessibility.moc"
