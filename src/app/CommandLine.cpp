#include "app/CommandLine.h"

#include <QCoreApplication>
#include <cerrno> // program_invocation_short_name: the name the program was started by
#include <cstdio>

CommandLine::CommandLine(const QString &description)
{
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
}

std::optional<int> CommandLine::parse(int argc, char **argv, qsizetype positionals)
{
    // Read here, not from the application object: some programs give it the program's name alone.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (!parser.parse(arguments)) {
        usageError = parser.errorText();
    } else if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        // --help-all would add the toolkit's options, which no program passes on to it.
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    } else if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", program_invocation_short_name, TOVALIN_VERSION);
        return 0;
    } else if (const QStringList surplus = parser.positionalArguments().mid(positionals);
               !surplus.isEmpty()) {
        usageError =
            QCoreApplication::translate("tovalin", "unexpected argument: %1").arg(surplus.first());
    }
    if (usageError.isEmpty())
        return std::nullopt;
    return fail(usageError, USAGE_ERROR);
}

int fail(const QString &why, int status)
{
    std::fprintf(stderr, "%s: %s\n", program_invocation_short_name, qPrintable(why));
    return status;
}
