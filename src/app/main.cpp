#include "app/AppDelegate.h"

#include <QApplication>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // The web engine refuses to start as root with its sandbox on; ordinary users keep it.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QApplication::setApplicationName(QStringLiteral("Tovalin"));

    AppDelegate delegate(WEBSITES, PASSWORD);
    QApplication::setQuitOnLastWindowClosed(
        delegate.applicationShouldTerminateAfterLastWindowClosed());
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
