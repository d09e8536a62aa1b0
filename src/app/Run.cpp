#include "app/Run.h"

#include "app/AppDelegate.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <unistd.h>

int runTovalin(char **argv, const Websites &websites)
{
    // The web engine refuses to start as root with its sandbox on; ordinary users keep it.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Tovalin reads no command line: the toolkit and the web engine get the program's name alone.
    int applicationArgc = 1;
    QApplication app(applicationArgc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QApplication::setApplicationName(QStringLiteral("Tovalin"));
    // The Wayland app id, which a desktop matches to the entry org.tovalin.Tovalin.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tovalin.Tovalin"));
    // A steady caret: a blinking one would wake the program twice a second for as long as it
    // waits on the locked screen.
    QApplication::setCursorFlashTime(0);

    // Starting Tovalin while it runs brings the running window forward instead of a second one.
    const QString instanceName =
        platform::SingleInstance::userServerName(QStringLiteral("Tovalin"));
    if (platform::SingleInstance::handOffToRunningInstance(instanceName))
        return 0;
    platform::SingleInstance instance(instanceName);

    AppDelegate delegate(websites, PASSWORD);
    QApplication::setQuitOnLastWindowClosed(
        delegate.applicationShouldTerminateAfterLastWindowClosed());
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
