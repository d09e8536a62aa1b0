// tovalin-check: tells a parent whether the child's site can play in this account.
#include "accounts/System.h"
#include "check/Check.h"
#include "check/Widevine.h"
#include "platform/Environment.h"
#include "platform/Messages.h"
#include "platform/Translation.h"
#include "platform/TrustedFile.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // As Tovalin would run in this account, with the engine switches it would take.
    platform::confineEngineEnvironment(geteuid() == 0);
    platform::keepInformationQuiet();
    // No window is shown: without a display, the engine runs offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    else
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The check reads no command line but the folder of the administrator's files, which only
    // tests give; the toolkit and the engine get the program's name alone.
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    int applicationArgc = 1;
    QApplication app(applicationArgc, argv);
    QApplication::setApplicationName(QStringLiteral("tovalin-check"));
    platform::installTranslations();
    check::keepWidevineMachineWide(accounts::runsInChildAccount());
    QTextStream out(stdout);
    return check::runCheck(folder.isEmpty()
                               ? platform::ADMIN_FOLDER
                               : platform::AdminFolder{folder, platform::ADMIN_FOLDER.owner},
                           out);
}
