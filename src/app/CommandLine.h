#pragma once

#include <QCommandLineParser>
#include <optional>

// The status of a usage error: an unknown option, a missing value, a missing or surplus argument.
constexpr int USAGE_ERROR = 2;

// Every program's command line, as Debian's tools read theirs: --help and --version print on
// standard output and end with 0; a usage error is one line on standard error and ends with
// USAGE_ERROR.
class CommandLine
{
public:
    // The parser knows --help and --version; the program adds its own options to it.
    explicit CommandLine(const QString &description);
    // The status to end with where the program ends here (help, version, a usage error), after
    // saying so; nothing where it goes on. Up to the given number of positional arguments are
    // taken, for the program to judge.
    std::optional<int> parse(int argc, char **argv, qsizetype positionals = 0);

    QCommandLineParser parser;
    // What the usage error that parse() ended with said.
    QString usageError;
};

// The program's error line, "program: why", on standard error; returns the status.
int fail(const QString &why, int status = 1);
