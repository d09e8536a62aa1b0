#pragma once

#include <QString>

class QWidget;

namespace platform {

// How pages and the window are drawn: through the machine's OpenGL, or all on the processor.
enum class RenderingPath
{
    Gpu,
    Software
};

// The path for an OpenGL renderer as its driver names it, empty where no OpenGL context could be
// made. A renderer that draws on the processor would push every video frame through software
// OpenGL several times; compositing in software costs a fraction of that.
RenderingPath renderingPathFor(const QString &openGLRenderer);

// The name of the OpenGL renderer that the windows of this program would get; empty where there
// is none. Needs the application object.
QString probeOpenGLRenderer();

// Sets the toolkit and the web engine up for the path. Call once, after the application object
// exists and before the first web view. Nothing is printed: tovalin-check tells which path.
void useRenderingPath(RenderingPath path);

// Probes, then uses the path the renderer calls for.
void chooseRenderingPath();

// Readies a top-level window, before it is first shown, for the web views it will hold, so that
// it is made once for the chosen path and not again when the first page appears.
void prepareWindowForWebViews(QWidget *window);

} // namespace platform
