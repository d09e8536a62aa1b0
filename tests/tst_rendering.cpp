// A page shown on each rendering path.
#include "TestSupport.h"

#include "platform/RenderingPath.h"

#include <QApplication>
#include <QTest>
#include <QWebEngineView>

using platform::RenderingPath;

class RenderingTest : public QObject
{
    Q_OBJECT

private slots:
    // A session draws its page, in the window it first showed. A program keeps the rendering path
    // its first page took: the software one here, or the OpenGL one where TOVALIN_TEST_PATH is
    // "gpu" (run on X, where OpenGL is at hand and a window made anew for it gets another id).
    void sessionShowsItsPage()
    {
        const bool gpu = qEnvironmentVariable("TOVALIN_TEST_PATH") == u"gpu";
        platform::useRenderingPath(gpu ? RenderingPath::Gpu : RenderingPath::Software);
        qApp->installEventFilter(this);
        resetSession();
        writeStore({{"endTime", at(600)}});
        const auto delegate = launch("data:text/html," +
                                     QUrl::toPercentEncoding("<body style='background:#1e90ff'>"));
        const AppDelegateProbe probe{*delegate};
        QTRY_COMPARE_WITH_TIMEOUT(probe.webView()->grab().toImage().pixelColor(100, 100),
                                  QColor(0x1e, 0x90, 0xff), 20000);
        QCOMPARE(windowIdChanges, 1);
    }

protected:
    // Made once, the window gets its id once; made anew, it loses it and gets another.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WinIdChange && watched->objectName() == "mainWindow")
            ++windowIdChanges;
        return false;
    }

private:
    int windowIdChanges = 0;
};

QTEST_MAIN(RenderingTest)
#include "tst_rendering.moc"
