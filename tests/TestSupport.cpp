#include "TestSupport.h"

#include "platform/Clock.h"
#include "platform/Sound.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <linux/capability.h>
#include <sys/syscall.h>
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

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
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
    QFile::copy(storeFilePath(), dir.filePath(QStringLiteral("copy")));
    const QSettings settings(dir.filePath(QStringLiteral("copy")), QSettings::IniFormat);
    QVariantMap values;
    for (const QString &key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

std::unique_ptr<AppDelegate> launch(const QString &disneyAddress, const QString &passwordFile)
{
    Websites sites;
    for (const auto &entry : WEBSITES)
        sites[entry.first] = QStringLiteral("data:text/html,") + entry.first;
    if (!disneyAddress.isEmpty())
        sites[QStringLiteral("disney")] = disneyAddress;
    auto delegate = std::make_unique<AppDelegate>(sites, PASSWORD, passwordFile);
    delegate->applicationDidFinishLaunching();
    return delegate;
}

PageServer::PageServer(const std::function<QByteArray(const QString &path)> &page)
{
    listen(QHostAddress::LocalHost);
    connect(this, &QTcpServer::newConnection, this, [this, page] {
        QTcpSocket *socket = nextPendingConnection();
        connect(socket, &QTcpSocket::readyRead, socket, [this, page, socket] {
            requests += QString::fromLatin1(socket->readAll());
            const QByteArray body = page(requests.last().section(u' ', 1, 1));
            socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\nContent-Type: text/html\r\n" +
                          (body.contains("\r\n\r\n") ? body : "\r\n" + body));
            socket->disconnectFromHost();
        });
    });
}

QString PageServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
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
    const QString step = steps.isEmpty() ? QStringLiteral("#") : steps.takeFirst();
    auto *field = dialog->findChild<QLineEdit *>();
    QPushButton *button = nullptr;
    for (QPushButton *candidate : dialog->findChildren<QPushButton *>())
        button = step.startsWith(u'#') && candidate->text() == step.mid(1) ? candidate : button;
    if (step == QStringLiteral("!")) {
        platform::advanceClock(5000);
    } else if (button) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else if (field && step != QStringLiteral("#")) {
        // A stray Escape first: it must not dismiss the dialog.
        QTest::keyClick(field, Qt::Key_Escape);
        QTest::keyClicks(field, step.left(100));
        field->insert(step.mid(100));
        QTest::keyClick(field, Qt::Key_Return);
    } else {
        // Unscripted or unanswerable: closed, so that a failing test ends instead of hanging.
        dialog->reject();
    }
}

void expectAccessible(QWidget *root)
{
    QList<QRect> taken;
    for (QWidget *control : root->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(root))
            continue;
        const QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
        if (QList{QAccessible::Button, QAccessible::EditableText, QAccessible::ComboBox}.contains(
                face->role()) ||
            control == root->findChild<QWidget *>("statusLabel"))
            QVERIFY2(!face->text(QAccessible::Name).isEmpty(), qPrintable(control->objectName()));
        auto *label = qobject_cast<QLabel *>(control);
        auto *button = qobject_cast<QPushButton *>(control);
        const QString text = label ? label->text() : button ? button->text() : QString();
        if (text.isEmpty())
            continue;
        // A button's text is drawn inside its frame.
        const int frame = button ? control->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect room = control->contentsRect().adjusted(frame, frame, -frame, -frame);
        const QRect placed(control->mapTo(root, QPoint()), control->size());
        const int wrap = label && label->wordWrap() ? Qt::TextWordWrap : 0;
        const bool fits =
            control->fontMetrics().boundingRect(room, wrap, text).width() <= room.width();
        QVERIFY2(fits && root->rect().contains(placed) &&
                     std::ranges::none_of(
                         taken, [&placed](QRect other) { return other.intersects(placed); }),
                 qPrintable(text));
        taken.append(placed);
    }
}

// A headless, isolated home for every test program, made before its QApplication exists.
[[maybe_unused]] static const bool prepared = [] {
    static QTemporaryDir home;
    // Downloads and anything else kept under the home land here, should a fault let them through.
    qputenv("HOME", home.path().toLocal8Bit());
    for (const char *name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(name, home.filePath(QString::fromLatin1(name)).toLocal8Bit());
    // Texts are checked in English: no translation, whatever the machine's language.
    qputenv("LC_ALL", "C.UTF-8");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QCoreApplication::setApplicationName(QStringLiteral("Tovalin"));
    // No test plays a sound on the machine; those that listen for sounds set their own ear.
    platform::setSoundListener([](const QString &) {});
    return true;
}();

void overridePermissions(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    syscall(SYS_capget, &header, data);
    const unsigned bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    data[0].effective =
        on ? data[0].effective | (bits & data[0].permitted) : data[0].effective & ~bits;
    syscall(SYS_capset, &header, data);
}
