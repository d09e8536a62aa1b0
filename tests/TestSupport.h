#pragma once

#include "app/AppDelegate.h"

#include <QDialog>
#include <QPointer>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QVariantMap>
#include <memory>

class QComboBox;
class QLabel;

// Reaches the controller's private state, for tests only.
struct AppDelegateProbe
{
    AppDelegate &d;

    QWidget *window() const { return d.window.get(); }
    QWebEngineView *webView() const { return d.webView; }
    QComboBox *siteSelector() const { return d.siteSelector; }
    QLabel *statusLabel() const { return d.statusLabel; }
    std::optional<QDateTime> &endTime() const { return d.endTime; }
    QString selectedSite() const { return d.selectedSite; }
    bool &isLocked() const { return d.isLocked; }
    bool isPaused() const { return d.isPaused; }
    std::optional<QDateTime> lastNotice() const { return d.lastNotice; }
    qint64 failedAttempts() const { return d.failedAttempts; }
};

// A table's columns, one name for each type.
template <typename... Types, typename... Names> void columns(Names... names)
{
    static_assert(sizeof...(Types) == sizeof...(Names));
    (QTest::addColumn<Types>(names), ...);
}

// The current row's value in a column, for a value read once.
template <typename T> const T &fetch(const char *column)
{
    return *static_cast<const T *>(QTest::qData(column, qMetaTypeId<T>()));
}

// An instant some seconds from the one every test starts at.
QDateTime at(qint64 secondsFromEpoch);

// An empty store and the clock pinned at at(0).
void resetSession();
// Writes values into the store, as a hand edit or an older run would have left them.
void writeStore(const QVariantMap &values);
// The store as a new run of the program would read it from disk.
QVariantMap readStoreFromDisk();
QString storeFilePath();
// Writes the file whole, its folders made as needed.
bool writeFile(const QString &path, const QByteArray &bytes);
// The file's bytes, none where it cannot be read.
QByteArray readFile(const QString &path);

// A controller that has gone through its launch sequence, with sites that need no network.
std::unique_ptr<AppDelegate> launch(const QString &disneyAddress = {},
                                    const QString &passwordFile = {});

// A web server on 127.0.0.1 that keeps every request and answers it with the page for its path:
// headers and body where the page holds a blank line, else an HTML body.
struct PageServer : QTcpServer
{
    explicit PageServer(const std::function<QByteArray(const QString &path)> &page);
    QString url(const QString &path) const;

    QStringList requests;
};

// Root reads and writes any file; without these capabilities it meets permissions as a user does.
void overridePermissions(bool on);

// Answers the modal dialogs as they come up, one step each, and records their messages. A step
// is "#Title" (click that button), "!" (five seconds pass while the dialog is open) or text
// (typed into the dialog's field, then Return). A dialog without a step is closed. Each
// dialog's controls are checked for a screen reader.
struct ModalDriver : QObject
{
    explicit ModalDriver(QStringList steps = {});
    void poll();

    QStringList steps, messages;
    QTimer timer;
    QPointer<QDialog> current;
};

// Every control that a person can reach under root has a name that a screen reader reads out,
// its own or its label's; every label and button shows its whole text in its own font, inside
// root, and none overlaps another.
void expectAccessible(QWidget *root);
