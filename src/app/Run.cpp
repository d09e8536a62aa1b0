#include "app/Run.h"

#include "accounts/System.h"
#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "check/Widevine.h"
#include "platform/Environment.h"
#include "platform/Messages.h"
#include "platform/PasswordFile.h"
#include "platform/RenderingPath.h"
#include "platform/SingleInstance.h"
#include "platform/Store.h"
#include "platform/Translation.h"

#include <QApplication>
#include <sys/stat.h>
#include <unistd.h>

int runTovalin(char **argv, const Websites &websites)
{
    // The session and the sites' logins are nobody else's business, whatever the umask says.
    umask(077);
    platform::confineEngineEnvironment(geteuid() == 0);
    platform::keepInformationQuiet();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Dialogs are Qt's own, so none can slip past the program as a window of the desktop's.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    // The toolkit and the web engine get the program's name alone: the engine would take switches
    // from the command line, which main() has read.
    int applicationArgc = 1;
    QApplication app(applicationArgc, argv);
    // Qt's own texts too: the fields' and pages' context menus.
    platform::installTranslations({QStringLiteral("qtbase"), QStringLiteral("qtwebengine")});
    QApplication::setOrganizationName(QStringLiteral("Tovalin"));
    QApplication::setApplicationName(QStringLiteral("Tovalin"));
    // The Wayland app id, which a desktop matches to the entry org.tovalin.Tovalin.desktop.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tovalin.Tovalin"));
    // A steady caret: a blinking one would wake the program twice a second for as long as it
    // waits on the locked screen.
    QApplication::setCursorFlashTime(0);

    // Starting Tovalin while it runs brings the running window forward instead of a second one.
    QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty())
        token = qgetenv("DESKTOP_STARTUP_ID");
    platform::SingleInstance instance(platform::Store().folder(), QStringLiteral("tovalin"), token);
    if (instance.role() == platform::SingleInstance::Role::HandedOff)
        return 0;
    if (instance.role() == platform::SingleInstance::Role::Unavailable)
        return fail(instance.error());

    check::keepWidevineMachineWide(accounts::runsInChildAccount());
    platform::chooseRenderingPath();
    AppDelegate delegate(websites, PASSWORD, platform::ADMIN_FOLDER.file(platform::PASSWORD_FILE));
    QApplication::setQuitOnLastWindowClosed(
        delegate.applicationShouldTerminateAfterLastWindowClosed());
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
