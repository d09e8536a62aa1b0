// tovalin-check: tells a parent whether the child's site can play in this account.
#include "accounts/System.h"
#include "app/CommandLine.h"
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
    // The toolkit and the engine get the program's name alone: the engine takes switches from
    // the command line.
    int applicationArgc = 1;
    QApplication app(applicationArgc, argv);
    QApplication::setApplicationName(QStringLiteral("tovalin-check"));
    platform::installTranslations({QStringLiteral("qtbase")});
    CommandLine commandLine(QCoreApplication::translate(
        "tovalin-check", "Tells whether the child's streaming site can play in this account."));
    // The folder of the administrator's files, which only tests give.
    QCommandLineOption adminFolder(QStringLiteral("admin-folder"), QString(),
                                   QStringLiteral("folder"));
    adminFolder.setFlags(QCommandLineOption::HiddenFromHelp);
    commandLine.parser.addOption(adminFolder);
    if (const std::optional<int> status = commandLine.parse(argc, argv))
        return *status;
    const QString folder = commandLine.parser.value(adminFolder);
    check::keepWidevineMachineWide(accounts::runsInChildAccount());
    QTextStream out(stdout);
    return check::runCheck(folder.isEmpty()
                               ? platform::ADMIN_FOLDER
                               : platform::AdminFolder{folder, platform::ADMIN_FOLDER.owner},
                           out);
}
