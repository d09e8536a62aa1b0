#include "app/CommandLine.h"
#include "app/Run.h"
#include "platform/Translation.h"

#include <QCoreApplication>

namespace {
// Read before the toolkit starts, which needs a display that --help and --version do not, by an
// application object of its own: Tovalin's gets the program's name alone.
std::optional<int> readCommandLine(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    platform::installTranslations({QStringLiteral("qtbase")});
    CommandLine commandLine(QCoreApplication::translate(
        "tovalin", "Gives a child one streaming site for a fixed number of minutes."));
    // A session manager restarts a Qt program with -session ID; there is nothing to restore.
    commandLine.parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    QCommandLineOption session(QStringLiteral("session"), QString(), QStringLiteral("id"));
    session.setFlags(QCommandLineOption::HiddenFromHelp);
    commandLine.parser.addOption(session);
    return commandLine.parse(argc, argv);
}
} // namespace

int main(int argc, char *argv[])
{
    // Without arguments there is nothing to read, and no second application object is made.
    if (argc > 1)
        if (const std::optional<int> status = readCommandLine(argc, argv))
            return *status;
    return runTovalin(argv, WEBSITES);
}
