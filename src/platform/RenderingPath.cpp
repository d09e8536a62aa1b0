#include "platform/RenderingPath.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <QQuickWidget>
#include <QQuickWindow>
#include <QWidget>
#include <optional>

namespace platform {

namespace {
// Mesa's software rasterisers and the one that browsers ship.
const char *const SOFTWARE_RENDERERS[] = {"llvmpipe", "softpipe", "swiftshader"};

std::optional<RenderingPath> chosenPath;
} // namespace

RenderingPath renderingPathFor(const QString &openGLRenderer)
{
    if (openGLRenderer.isEmpty())
        return RenderingPath::Software;
    for (const char *name : SOFTWARE_RENDERERS) {
        if (openGLRenderer.contains(QLatin1String(name), Qt::CaseInsensitive))
            return RenderingPath::Software;
    }
    return RenderingPath::Gpu;
}

QString probeOpenGLRenderer()
{
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface))
        return {};
    const auto *name = context.functions()->glGetString(GL_RENDERER);
    const QString renderer =
        name ? QString::fromLatin1(reinterpret_cast<const char *>(name)) : QString();
    context.doneCurrent();
    return renderer;
}

void useRenderingPath(RenderingPath path)
{
    chosenPath = path;
    if (path == RenderingPath::Software) {
        QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
        // The engine reads its switches when the first page is made; what is already there stays.
        QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
        flags.append(flags.isEmpty() ? "--disable-gpu" : " --disable-gpu");
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    }
}

void chooseRenderingPath()
{
    useRenderingPath(renderingPathFor(probeOpenGLRenderer()));
}

void prepareWindowForWebViews(QWidget *window)
{
    if (chosenPath != RenderingPath::Gpu)
        return;
    // A hidden widget that draws through OpenGL has the window made with an OpenGL surface from
    // the start; without it, the first page's view has the window made anew once it shows.
    auto *marker = new QQuickWidget;
    marker->resize(0, 0);
    marker->setParent(window);
    marker->hide();
}

} // namespace platform
