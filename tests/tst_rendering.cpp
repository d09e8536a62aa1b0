// The rendering path: which renderers are drawn in software, and a page shown on that path.
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
    void pathForRenderer_data()
    {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<RenderingPath>("path");
        QTest::newRow("no OpenGL") << QString() << RenderingPath::Software;
        QTest::newRow("llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)" << RenderingPath::Software;
        QTest::newRow("softpipe") << "softpipe" << RenderingPath::Software;
        QTest::newRow("SwiftShader")
            << "ANGLE (Google, Vulkan 1.3.0 (SwiftShader Device (Subzero)), SwiftShader driver)"
            << RenderingPath::Software;
        QTest::newRow("Intel") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << RenderingPath::Gpu;
        // Hardware drivers that compile shaders with LLVM say so in their name.
        QTest::newRow("AMD") << "AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49)"
                             << RenderingPath::Gpu;
    }

    void pathForRenderer()
    {
        QFETCH(QString, renderer);
        QFETCH(RenderingPath, path);
        QCOMPARE(platform::renderingPathFor(renderer), path);
    }

    // A session composited in software still draws its page, in the window it first showed.
    void softwareSessionShowsItsPage()
    {
        platform::useRenderingPath(RenderingPath::Software, {});
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
