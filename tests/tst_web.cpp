// The one-window rule against real pages served from 127.0.0.1, clicked with the mouse in the web
// view of a running session: links, forms, new windows, downloads, page dialogs and the login.
#include "TestSupport.h"

#include "web/Page.h"
#include "web/Profile.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {
// Each target fills a band of the page 50 px high, so a click at a fixed point hits it.
const QByteArray HOME =
    "<title>loading</title><style>body{margin:0} form{margin:0} a,button{display:block;width:300px;"
    "height:50px;margin:0;padding:0;border:0}</style>"
    "<a href='/other'>link</a><a href='/blank' target='_blank'>blank</a>"
    "<button onclick=\"window.open('/popup')\">open</button>"
    "<form action='/submitted'><button>send</button></form><a href='/file' download>file</a>"
    // Titled only once frames are drawn: input sent before that may be dropped.
    "<script>requestAnimationFrame(() => requestAnimationFrame(() => document.title = 'home'))"
    "</script>";

// Serves each path its fixed answer, and keeps every request.
class Server : public QTcpServer
{
public:
    Server()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    requests << socket->readAll();
                    const QByteArray path = requests.last().split(' ').value(1).split('?')[0];
                    socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n" +
                                  pages.value(path, "\r\nmissing"));
                    socket->disconnectFromHost();
                });
        });
    }
    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }
    qsizetype requested(const char *path) const
    {
        return std::count_if(requests.begin(), requests.end(), [path](const QByteArray &request) {
            return request.startsWith("GET " + QByteArray(path));
        });
    }
    QMap<QByteArray, QByteArray> pages;
    QList<QByteArray> requests;
};
} // namespace

class WebTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        server.pages["/home"] = "Content-Type: text/html\r\n\r\n" + HOME;
        for (const char *name : {"/other", "/blank", "/popup", "/submitted"})
            server.pages[name] =
                "Content-Type: text/html\r\n\r\n<title>" + QByteArray(name) + "</title>";
        server.pages["/file"] = "Content-Disposition: attachment; filename=file.bin\r\n\r\nbytes";
        server.pages["/login"] =
            "Set-Cookie: parent=in; Max-Age=86400; Path=/\r\n\r\n<title>signed in</title>";
        server.pages["/dialogs"] =
            "Content-Type: text/html\r\n\r\n<script>onbeforeunload = e => { e.preventDefault(); "
            "e.returnValue = ''; }; alert('a'); document.title = 'confirm ' + confirm('c') + "
            "', prompt ' + prompt('p', 'x');</script>";
    }

    void init()
    {
        resetSession();
        server.requests.clear();
        writeStore({{"endTime", at(600)}});
        delegate = launch(server.url("/home"));
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        QTRY_VERIFY(view()->focusProxy());
    }

    void cleanup() { delegate.reset(); }

    void linksAndFormsWhileRunning()
    {
        click(0);
        QTRY_COMPARE(view()->title(), QStringLiteral("/other"));
        view()->back();
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        click(150);
        QTRY_COMPARE(view()->title(), QStringLiteral("/submitted"));
    }

    // Locked with the web view still up: a clicked link goes nowhere, a reload still loads.
    void linksRefusedWhileLocked()
    {
        AppDelegateProbe{*delegate}.isLocked() = true;
        click(0);
        QTest::qWait(300);
        view()->reload();
        QTRY_COMPARE(server.requested("/home "), 2);
        QVERIFY(!server.requested("/other"));
    }

    // Nothing leaves the one window: new windows, downloads, the context menu's ways out.
    void newWindowsAndDownloadsOpenNothing()
    {
        QList<QWebEngineDownloadRequest *> downloads;
        connect(sharedProfile(), &QWebEngineProfile::downloadRequested, this,
                [&downloads](QWebEngineDownloadRequest *download) { downloads << download; });
        const int windows = QApplication::topLevelWidgets().size();
        click(50);
        click(100);
        QTest::mouseClick(view()->focusProxy(), Qt::MiddleButton, {}, {150, 20});
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, Qt::ControlModifier, {150, 20});
        click(200);
        QTRY_COMPARE(downloads.size(), 1);
        QTRY_COMPARE(downloads[0]->state(), QWebEngineDownloadRequest::DownloadCancelled);
        disconnect(sharedProfile(), nullptr, this, nullptr);
        QCOMPARE(view()->url(), QUrl(server.url("/home")));
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        for (const char *path : {"/blank", "/popup", "/other"})
            QVERIFY2(!server.requested(path), path);
        for (QWebEnginePage::WebAction action : Page::withheldActions())
            QVERIFY(!view()->page()->action(action)->isEnabled());
    }

    // A page's alert, confirm and prompt open nothing and answer no; a page that asks before it
    // is left is left all the same. Return and Escape belong to the page.
    void pageDialogsAndKeysOpenNothing()
    {
        ModalDriver modals;
        view()->load(QUrl(server.url("/dialogs")));
        QTRY_COMPARE(view()->title(), QStringLiteral("confirm false, prompt null"));
        QTest::keyClick(view()->focusProxy(), Qt::Key_Return);
        view()->load(QUrl(server.url("/other")));
        QTRY_COMPARE(view()->title(), QStringLiteral("/other"));
        QTest::qWait(200);
        QCOMPARE(modals.messages, QStringList());
    }

    // A parent's login to the site outlives the web view that a pause tears down.
    void loginOutlivesTheWebView()
    {
        view()->load(QUrl(server.url("/login")));
        QTRY_COMPARE(view()->title(), QStringLiteral("signed in"));
        delegate->togglePause();
        QVERIFY(!view());
        delegate->togglePause();
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        QVERIFY(server.requests.last().contains("Cookie: parent=in"));
    }

    // The bar keeps its height and its buttons to the right edge; the page takes the rest.
    void layoutFollowsTheWindow()
    {
        const AppDelegateProbe probe{*delegate};
        probe.window()->resize(900, 700);
        QTRY_COMPARE(view()->geometry(), QRect(0, 35, 900, 665));
        QCOMPARE(probe.statusLabel()->parentWidget()->geometry(), QRect(0, 0, 900, 35));
        QCOMPARE(probe.pauseButton()->geometry(), QRect(740, 7, 60, 21));
        probe.window()->resize(300, 200);
        QCOMPARE(probe.window()->size(), QSize(600, 400));
    }

private:
    QWebEngineView *view() const { return AppDelegateProbe{*delegate}.webView(); }
    void click(int top)
    {
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, {}, {150, top + 20});
    }

    Server server;
    std::unique_ptr<AppDelegate> delegate;
};

TOVALIN_TEST_MAIN(WebTest)
#include "tst_web.moc"
