// The one-window rule against real pages served from 127.0.0.1, clicked with the mouse in the web
// view of a running session: links, forms, new windows, downloads, page dialogs and the login.
#include "TestSupport.h"

#include "web/Page.h"
#include "web/Profile.h"

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QQuickWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <algorithm>

namespace {
// Every target is a band 50 px high, so a click at a fixed point hits it; the title is set once
// frames are drawn, as input sent before that may be dropped.
// clang-format off
const QMap<QString, QByteArray> PAGES{
    {"/home", "<title>loading</title><style>*{margin:0;padding:0;border:0}a,button{display:block;width:300px;height:50px}</style>"
              "<a href='/other'>link</a><a href='/blank' target='_blank'>blank</a><button onclick=\"window.open('/popup')\">open</button>"
              "<form action='/form'><button>send</button></form><a href='/file' download>file</a>"
              "<script>let title = 'home'; requestAnimationFrame(() => requestAnimationFrame(() => document.title = title))</script>"},
    // Asks before it is left, which takes a click on a link.
    {"/dialogs", "<a href='/other' style='display:block;height:50px'>leave</a><script>onbeforeunload = e => { e.preventDefault(); e.returnValue = ''; }; alert('a'); "
                 "let title = 'confirm ' + confirm('c') + ', prompt ' + prompt('p', 'x'); requestAnimationFrame(() => requestAnimationFrame(() => document.title = title))</script>"},
    // Links to what other programs would open, then a colour input.
    {"/elsewhere", "<title>loading</title><style>*{margin:0}a,input{display:block;width:300px;height:50px}</style><a href='mailto:a@b.c'>m</a><a href='tel:1'>t</a>"
                   "<a href='my-app:x'>a</a><a href='qrc:/logo.png'>q</a><a href='file:///etc/passwd'>f</a><input type='color'>"
                   "<script>requestAnimationFrame(() => requestAnimationFrame(() => document.title = 'elsewhere'))</script>"},
    // A long list at the right edge, a link to about:, and a frame that keeps its about:srcdoc.
    {"/edge", "<title>loading</title><style>*{margin:0}select{position:absolute;right:0}</style><select><option>" + QByteArray(300, 'w') + "</select><a href='about:blank'>b</a>"
              "<iframe srcdoc=framed></iframe><script>onload = () => requestAnimationFrame(() => document.title = frames[0].document.body.textContent)</script>"},
    {"/refresh", "<meta http-equiv='refresh' content='0;url=about:blank'><script>setTimeout(() => document.title = 'stayed', 2000)</script>"},
    {"/file", "Content-Disposition: attachment\r\n\r\nbytes"},
    {"/login", "Set-Cookie: parent=in\r\n\r\n<title>signed in</title><script>localStorage.parent = 'in'</script>"}};
// clang-format on
} // namespace

class WebTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetSession();
        server.requests.clear();
        writeStore({{"endTime", at(600)}});
        delegate = launch(server.url("/home"));
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        QTRY_VERIFY(view()->focusProxy());
    }

    // While a session runs: forms work (and links, below); a parent's login to the site (a
    // session cookie, as sites use, and storage) outlives the web view and the profile that a pause
    // tears down; the bar keeps its height and its buttons at the right edge as the window grows,
    // and the page takes the rest. Locked with the web view still up, a clicked link goes nowhere
    // while a reload still loads.
    void sessionInTheWindow()
    {
        click(150);
        QTRY_COMPARE(view()->title(), QStringLiteral("/form"));
        // A new time limit takes the page back home.
        ModalDriver modals({PASSWORD, "15"});
        AppDelegateProbe{*delegate}.window()->findChild<QPushButton *>("modifyButton")->click();
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        view()->load(QUrl(server.url("/login")));
        QTRY_COMPARE(view()->title(), QStringLiteral("signed in"));
        const QPointer<QWebEngineProfile> profile = view()->page()->profile();
        delegate->togglePause();
        QVERIFY(!view());
        QTRY_VERIFY(!profile);
        delegate->togglePause();
        QTRY_COMPARE(view()->title(), QStringLiteral("home"));
        QVERIFY(server.requests.last().contains("Cookie: parent=in"));
        QVariant stored;
        view()->page()->runJavaScript("localStorage.parent",
                                      [&stored](const QVariant &value) { stored = value; });
        QTRY_COMPARE(stored, QVariant("in"));
        QWidget *window = AppDelegateProbe{*delegate}.window();
        QCOMPARE(view()->geometry(), QRect(0, 35, 800, 565));
        window->resize(900, 700);
        QTRY_COMPARE(view()->geometry(), QRect(0, 35, 900, 665));
        QCOMPARE(window->findChild<QWidget *>("lockButton")->geometry(), QRect(815, 7, 70, 21));
        window->resize(300, 200);
        QCOMPARE(window->size(), QSize(600, 400));
        AppDelegateProbe{*delegate}.isLocked() = true;
        click(0);
        QTest::qWait(300);
        view()->reload();
        QTRY_COMPARE(server.requests.filter("GET /home ").size(), 4);
        QVERIFY(server.requests.filter("GET /other ").isEmpty());
    }

    // Nothing leaves the one window: new windows, downloads, the context menu's ways out, and
    // the page's own dialogs, which answer no; Return belongs to the page.
    void nothingLeavesTheWindow()
    {
        QList<QWebEngineDownloadRequest *> downloads;
        connect(sharedProfile(), &QWebEngineProfile::downloadRequested, this,
                [&downloads](QWebEngineDownloadRequest *download) { downloads << download; });
        ModalDriver modals;
        view()->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(view()->window()));
        QTest::keyClick(view()->focusProxy(), Qt::Key_Return);
        click(50);
        click(100);
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, Qt::ControlModifier, {150, 20});
        click(200);
        QTRY_COMPARE(downloads.size(), 1);
        QTRY_COMPARE(downloads[0]->state(), QWebEngineDownloadRequest::DownloadCancelled);
        disconnect(sharedProfile(), nullptr, this, nullptr);
        QCOMPARE(view()->title(), QStringLiteral("home"));
        QCOMPARE(server.requests.filter(QRegularExpression("GET /(blank|popup|other) ")),
                 QStringList());
        // Named here, not read from the page, so that one dropped from its list is missed here.
        for (QWebEnginePage::WebAction action :
             {QWebEnginePage::OpenLinkInNewWindow, QWebEnginePage::OpenLinkInNewTab,
              QWebEnginePage::OpenLinkInNewBackgroundTab, QWebEnginePage::DownloadLinkToDisk,
              QWebEnginePage::DownloadImageToDisk, QWebEnginePage::DownloadMediaToDisk,
              QWebEnginePage::SavePage, QWebEnginePage::ViewSource, QWebEnginePage::InspectElement})
            QVERIFY(!view()->page()->action(action)->isEnabled() &&
                    !view()->page()->action(action)->isVisible());
        view()->load(QUrl(server.url("/dialogs")));
        QTRY_COMPARE(view()->title(), QStringLiteral("confirm false, prompt null"));
        click(0);
        QTRY_COMPARE(view()->title(), QStringLiteral("/other"));
        QCOMPARE(modals.messages, QStringList());
    }

    // Nothing goes to the desktop's opener (recorded here instead) and the page stays; the
    // colour chooser that the input asks for never shows, nor blocks the parent's controls.
    void nothingGoesToAnotherProgram()
    {
        const QStringList schemes{"mailto", "tel", "my-app", "qrc", "file"};
        for (const QString &scheme : schemes)
            QDesktopServices::setUrlHandler(scheme, this, "handOff");
        view()->load(QUrl(server.url("/elsewhere")));
        QTRY_COMPARE(view()->title(), QStringLiteral("elsewhere"));
        qApp->installEventFilter(this);
        for (int top = 0; top <= 250; top += 50)
            click(top);
        QTRY_VERIFY(colourChoosers > 0);
        QTRY_VERIFY(!view()->findChild<QColorDialog *>());
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
        QCOMPARE(handedOff, QList<QUrl>());
        QCOMPARE(view()->title(), QStringLiteral("elsewhere"));
        for (QWidget *window : QApplication::topLevelWidgets())
            QVERIFY(!window->isVisible() || window == view()->window());
        // A click as the window system delivers it, which a window left modal would swallow.
        auto *pause = view()->window()->findChild<QPushButton *>("pauseButton");
        QTest::mouseClick(view()->window()->windowHandle(), Qt::LeftButton, {},
                          pause->mapTo(view()->window(), pause->rect().center()));
        QTRY_VERIFY(AppDelegateProbe{*delegate}.isPaused());
    }

    // A list's drop-down opens inside the page's area, whatever the page puts in it; the main
    // frame stays on the web by every route to about:.
    void pageStaysInTheWindow()
    {
        view()->load(QUrl(server.url("/edge")));
        QTRY_COMPARE(view()->title(), QStringLiteral("framed"));
        const QRect page(view()->mapToGlobal(QPoint()), view()->size());
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, {}, {page.width() - 10, 10});
        const auto inside = [&page](QWidget *popup) {
            return popup->isWindow() && popup->isVisible() && page.contains(popup->geometry());
        };
        QTRY_VERIFY(std::ranges::any_of(view()->findChildren<QQuickWidget *>(), inside));
        // Qt 6.4's engine commits about: before it asks, and the page comes back; an engine that
        // asks first keeps the page, whose timer then runs.
        QSignalSpy moves(view(), &QWebEngineView::urlChanged);
        for (const char *script : {"document.links[0].click()", "location = 'about:version'",
                                   "location = 'about:srcdoc'"}) {
            moves.clear();
            view()->page()->runJavaScript(
                QStringLiteral("document.title = 'left'; setTimeout(() => document.title = "
                               "'stayed', 2000); ") +
                script);
            QTRY_VERIFY(view()->title() == "stayed" ||
                        (moves.size() == 2 && view()->title() == "framed"));
        }
        moves.clear();
        view()->load(QUrl(server.url("/refresh")));
        QTRY_VERIFY(view()->title() == "stayed" ||
                    (moves.size() > 2 && moves[2][0].toUrl() == QUrl(server.url("/refresh"))));
    }

public slots:
    void handOff(const QUrl &address) { handedOff << address; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        colourChoosers += event->type() == QEvent::Polish && qobject_cast<QColorDialog *>(watched);
        return false;
    }

private:
    QWebEngineView *view() const { return AppDelegateProbe{*delegate}.webView(); }
    void click(int top)
    {
        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, {}, {150, top + 20});
    }

    PageServer server{[](const QString &address) {
        const QString path = address.section(u'?', 0, 0);
        return PAGES.value(path, "<title>" + path.toUtf8() + "</title>");
    }};
    QList<QUrl> handedOff;
    int colourChoosers = 0;
    std::unique_ptr<AppDelegate> delegate;
};

QTEST_MAIN(WebTest)
#include "tst_web.moc"
