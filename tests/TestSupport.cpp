#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/Timer.h"

#include <QApplication>
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

bool AppDelegateProbe::countdownRuns() const
{
    return d.timer && d.timer->isValid();
}

QDateTime testEpoch()
{
    return platform::utcDateTime(QDate(2026, 3, 14), QTime(12, 0));
}

QDateTime at(qint64 secondsFromEpoch)
{
    return testEpoch().addSecs(secondsFromEpoch);
}

Websites testWebsites()
{
    Websites sites;
    for (const auto &[key, url] : WEBSITES) {
        Q_UNUSED(url)
        const QString page = QStringLiteral("<title>%1</title>home of %1").arg(key);
        sites[key] = QStringLiteral("data:text/html,") + QUrl::toPercentEncoding(page);
    }
    return sites;
}

QString storeFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tovalin/Tovalin.conf");
}

void resetSession()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tovalin"),
              QStringLiteral("Tovalin"))
        .clear();
    QFile::remove(storeFilePath());
    platform::pinClock(testEpoch());
}

void writeStore(const QVariantMap &values)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Tovalin"),
                       QStringLiteral("Tovalin"));
    settings.clear();
    for (auto it = values.begin(); it != values.end(); ++it)
        settings.setValue(it.key(), it.value());
    settings.sync();
}

QVariantMap readStoreFromDisk()
{
    // A copy under a new name is read afresh, past the cache that QSettings keeps per file
    // within one process.
    QVariantMap values;
    if (!QFile::exists(storeFilePath()))
        return values;
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("store.conf"));
    QFile::copy(storeFilePath(), copy);
    const QSettings settings(copy, QSettings::IniFormat);
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

std::unique_ptr<AppDelegate> launch()
{
    auto delegate = std::make_unique<AppDelegate>(testWebsites(), PASSWORD);
    delegate->applicationDidFinishLaunching();
    return delegate;
}

ModalDriver::ModalDriver()
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
    const auto *message = dialog->findChild<QLabel *>(QStringLiteral("messageText"));
    const auto *informative = dialog->findChild<QLabel *>(QStringLiteral("informativeText"));
    messages << (message ? message->text() : QString());
    informativeTexts << (informative ? informative->text() : QString());
    if (steps.empty()) {
        // Unscripted: close it, so that a failing test ends instead of hanging.
        dialog->reject();
        return;
    }
    const Step step = std::move(steps.front());
    steps.pop_front();
    step(dialog);
}

static QPushButton *buttonTitled(QDialog *dialog, const QString &title)
{
    for (QPushButton *button : dialog->findChildren<QPushButton *>()) {
        if (button->text() == title)
            return button;
    }
    return nullptr;
}

ModalDriver::Step pressButton(const QString &title)
{
    return [title](QDialog *dialog) {
        QPushButton *button = buttonTitled(dialog, title);
        QVERIFY2(button, qPrintable(QStringLiteral("no button ") + title));
        QTest::mouseClick(button, Qt::LeftButton);
    };
}

ModalDriver::Step typeAndPress(const QString &fieldName, const QString &text, const QString &title)
{
    return [=](QDialog *dialog) {
        auto *field = dialog->findChild<QLineEdit *>(fieldName);
        QVERIFY2(field, qPrintable(QStringLiteral("no field ") + fieldName));
        QTest::keyClicks(field, text);
        pressButton(title)(dialog);
    };
}

ModalDriver::Step typePassword(const QString &text)
{
    return typeAndPress(QStringLiteral("passwordField"), text, QStringLiteral("OK"));
}

void prepareTestEnvironment()
{
    static QTemporaryDir home;
    for (const char *name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        const QString dir = home.filePath(QString::fromLatin1(name));
        QDir().mkpath(dir);
        qputenv(name, dir.toLocal8Bit());
    }
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-background-networking");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void configureTestApplication()
{
    QApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QApplication::setApplicationName(QStringLiteral("Tovalin"));
}
