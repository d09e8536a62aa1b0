#include "TestSupport.h"

#include "platform/Clock.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <unistd.h>

QDateTime at(qint64 secondsFromEpoch)
{
    return platform::utcDateTime(QDate(2026, 3, 14), QTime(12, 0)).addSecs(secondsFromEpoch);
}

QString storeFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tovalin/Tovalin.conf");
}

void resetSession()
{
    writeStore({});
    QFile::remove(storeFilePath());
    platform::pinClock(at(0));
}

void writeStore(const QVariantMap &values)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tovalin"),
                       QStringLiteral("Tovalin"));
    settings.clear();
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
}

QVariantMap readStoreFromDisk()
{
    // A copy under a new name is read afresh, past the cache that QSettings keeps per file
    // within one process.
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("store.conf"));
    QFile::copy(storeFilePath(), copy);
    const QSettings settings(copy, QSettings::IniFormat);
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

std::unique_ptr<AppDelegate> launch(const QString &disneyAddress)
{
    Websites sites;
    for (const auto &entry : WEBSITES) {
        const QString page = QStringLiteral("<title>%1</title>home of %1").arg(entry.first);
        sites[entry.first] = QStringLiteral("data:text/html,") + QUrl::toPercentEncoding(page);
    }
    if (!disneyAddress.isEmpty())
        sites[QStringLiteral("disney")] = disneyAddress;
    auto delegate = std::make_unique<AppDelegate>(sites, PASSWORD);
    delegate->applicationDidFinishLaunching();
    return delegate;
}

ModalDriver::ModalDriver(QStringList steps) : steps(std::move(steps))
{
    connect(&timer, &QTimer::timeout, this, &ModalDriver::poll);
    timer.start(5);
}

void ModalDriver::poll()
{
    auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!dialog || dialog == current || !dialog->isVisible())
        return;
    current = dialog;
    messages << dialog->findChild<QLabel *>(QStringLiteral("messageText"))->text();
    expectAccessible(dialog);
    const QString step = steps.isEmpty() ? QString() : steps.takeFirst();
    auto *field = dialog->findChild<QLineEdit *>();
    QPushButton *button = nullptr;
    for (QPushButton *candidate : dialog->findChildren<QPushButton *>())
        button = candidate->text() == step.mid(1) ? candidate : button;
    if (step == QStringLiteral("!")) {
        platform::advanceClock(5000);
    } else if (step.startsWith(u'#') && button) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (!step.isEmpty() && !step.startsWith(u'#') && field) {
        // A stray Escape first: it must not dismiss the dialog.
        QTest::keyClick(field, Qt::Key_Escape);
        if (step.size() > 100)
            field->setText(step);
        else
            QTest::keyClicks(field, step);
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        // Unscripted or unanswerable: close it, so that a failing test ends instead of hanging.
        dialog->reject();
    }
}

void prepareTestEnvironment()
{
    static QTemporaryDir home;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        QDir().mkpath(home.filePath(QString::fromLatin1(name)));
        qputenv(name, home.filePath(QString::fromLatin1(name)).toLocal8Bit());
    }
    QDir().mkpath(home.filePath(QStringLiteral("runtime")));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", home.filePath(QStringLiteral("runtime")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-background-networking");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void expectAccessible(QWidget *root)
{
    for (QWidget *control : root->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(root) ||
            !(control->inherits("QAbstractButton") || control->inherits("QLineEdit") ||
              control->inherits("QComboBox") || control->objectName() == "statusLabel"))
            continue;
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
        const auto labels = iface->relations(QAccessible::Label);
        const QString name = labels.isEmpty() ? iface->text(QAccessible::Name)
                                              : labels.first().first->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty() && iface->role() != QAccessible::NoRole,
                 qPrintable(control->objectName()));
    }
}
