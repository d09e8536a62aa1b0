// The one-window rule against real pages served from 127.0.0.1: links, new windows, forms and
// downloads, clicked with the mouse in the web view of a running session.
#include "LocalWebServer.h"
#include "TestSupport.h"

#include "web/Page.h"
#include "web/Profile.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {
// Each target fills a known band of the page, so a click at a fixed point hits it.
QByteArray target(const QByteArray &id, int top, const QByteArray &element)
{
    return "<div style='position:absolute;left:0;top:" + QByteArray::number(top) +
           "px;width:300px;height:40px'>" + QByteArray(element).replace("%1", id) + "</div>";
}

const QByteArray HOME =
    "<html><head><title>loading</title><style>a,button{display:block;width:100%;height:100%}"
    "</style></head><body style='margin:0'>"
    // Titled only once frames are drawn: input sent before that may be dropped.
    "<script>requestAnimationFrame(() => requestAnimationFrame(() => {"
    "document.title = 'home'; }));</script>" +
    target("link", 0, "<a id='%1' href='/other'>other</a>") +
    target("blank", 50, "<a id='%1' href='/blank' target='_blank'>blank</a>") +
    target("open", 100, "<button id='%1' onclick=\"window.open('/popup')\">open</button>") +
    target("form", 150,
           "<form action='/submitted'><input type='hidden' name='q' value='1'>"
           "<button id='%1' type='submit'>send</button></form>") +
    target("download", 200, "<a id='%1' href='/file.bin' download>file</a>") + "</body></html>";

QPoint centreOfRow(int top)
{
    return {150, top + 20};
}
} // namespace

class WebTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        server.serve("/home", {"text/html", HOME, {}});
        for (const char *name : {"other", "blank", "popup", "submitted"})
            server.serve(QStringLiteral("/%1").arg(name),
                         {"text/html", QByteArray("<title>") + name + "</title>", {}});
        server.serve("/login", {"text/html", "<title>signed in</title>",
                                "Set-Cookie: parent=signed-in; Max-Age=86400; Path=/\r\n"});
        server.serve("/dialogs",
                     {"text/html",
                      "<script>alert('a'); document.title = 'confirm ' + confirm('c') + "
                      "', prompt ' + prompt('p', 'x');</script>",
                      {}});
        server.serve("/asks-before-leaving",
                     {"text/html",
                      QByteArray(HOME).replace("home", "asks") +
                          "<script>onbeforeunload = event => { "
                          "event.preventDefault(); event.returnValue = ''; };</script>",
                      {}});
        server.serve("/file.bin", {"application/octet-stream", QByteArray(4096, 'x'),
                                   "Content-Disposition: attachment; filename=file.bin\r\n"});
    }

    void init()
    {
        resetSession();
        server.requested.clear();
        writeStore({{"endTime", at(600)}});
        Websites sites = testWebsites();
        sites["disney"] = server.url("/home").toString();
        delegate = std::make_unique<AppDelegate>(sites, PASSWORD);
        delegate->applicationDidFinishLaunching();
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        QTRY_VERIFY(view()->focusProxy());
    }

    void cleanup() { delegate.reset(); }

    void linksAndFormsWorkWhileRunning()
    {
        click(0);
        QTRY_COMPARE(view()->title(), QStringLiteral("other"));
        view()->back();
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        click(150);
        QTRY_COMPARE(view()->title(), QStringLiteral("submitted"));
    }

    // Locked with the web view still up: a clicked link goes nowhere, a reload still loads.
    void clickedLinksAreRefusedWhileLocked()
    {
        AppDelegateProbe{*delegate}.isLocked() = true;
        click(0);
        QTest::qWait(500);
        QCOMPARE(view()->url(), server.url("/home"));
        QVERIFY(!server.requested.contains("/other"));
        view()->reload();
        QTRY_COMPARE(server.requested.count("/home"), 2);
    }

    void newWindowsOpenNothing()
    {
        const int windows = QApplication::topLevelWidgets().size();
        click(50);
        click(100);
        QTest::mouseClick(view()->focusProxy(), Qt::MiddleButton, {}, centreOfRow(0));
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, Qt::ControlModifier,
                          centreOfRow(0));
        QTest::qWait(500);
        QCOMPARE(view()->url(), server.url("/home"));
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        for (const char *path : {"/blank", "/popup", "/other"})
            QVERIFY2(!server.requested.contains(path), path);
    }

    void downloadsAreRefused()
    {
        QList<QWebEngineDownloadRequest *> downloads;
        connect(sharedProfile(), &QWebEngineProfile::downloadRequested, this,
                [&downloads](QWebEngineDownloadRequest *download) { downloads << download; });
        click(200);
        QTRY_COMPARE(downloads.size(), 1);
        QTRY_COMPARE(downloads.first()->state(), QWebEngineDownloadRequest::DownloadCancelled);
        QCOMPARE(view()->url(), server.url("/home"));
        const QDir folder(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
        QVERIFY(!folder.exists(QStringLiteral("file.bin")));
        disconnect(sharedProfile(), nullptr, this, nullptr);
    }

    // A parent's login to the site outlives the web view that a pause tears down.
    void loginOutlivesTheWebView()
    {
        view()->load(server.url("/login"));
        QTRY_COMPARE(view()->title(), QStringLiteral("signed in"));
        delegate->togglePause();
        QVERIFY(!view());
        server.cookies.clear();
        delegate->togglePause();
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        QCOMPARE(server.cookies.value(0), QByteArray("parent=signed-in"));
        QVERIFY(!sharedProfile()->isOffTheRecord());
    }

    // A page's alert, confirm and prompt open nothing and answer no; a page that asks before it
    // is left is left all the same.
    void pageDialogsOpenNothing()
    {
        ModalDriver modals;
        view()->load(server.url("/dialogs"));
        QTRY_COMPARE(view()->title(), QStringLiteral("confirm false, prompt null"));
        view()->load(server.url("/asks-before-leaving"));
        QTRY_COMPARE(view()->title(), QStringLiteral("asks"));
        click(0);
        QTRY_COMPARE(view()->title(), QStringLiteral("other"));
        QCOMPARE(modals.messages, QStringList());
    }

    void contextMenuKeepsToTheWindow()
    {
        for (QWebEnginePage::WebAction action : Page::withheldActions()) {
            QVERIFY(!view()->page()->action(action)->isVisible());
            QVERIFY(!view()->page()->action(action)->isEnabled());
        }
        QVERIFY(view()->page()->action(QWebEnginePage::Copy)->isVisible());
        QVERIFY(view()->page()->action(QWebEnginePage::Back)->isVisible());
    }

private:
    QWebEngineView *view() const { return AppDelegateProbe{*delegate}.webView(); }
    void click(int top)
    {
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, {}, centreOfRow(top));
    }

    LocalWebServer server;
    std::unique_ptr<AppDelegate> delegate;
};

TOVALIN_TEST_MAIN(WebTest)
#include "tst_web.moc"
