// tovalin-session-check: run by the PAM module pam_tovalin when a child account's session
// opens, in an empty environment, with every fact of the login as an argument. Exits 0 where the
// login may go on and 1 where it is refused, and then writes two lines: what the person at the
// login screen is told (in the language given) and why, in English, for the journal, which the
// module writes. Any other status is a failure to check, which the module refuses too.
#include "accounts/SessionCheck.h"
#include "app/CommandLine.h"
#include "platform/Translation.h"

#include <QCoreApplication>
#include <cstdio>

using namespace accounts;

namespace {
QCommandLineOption option(const char *name, const char *about, bool hidden = false)
{
    QCommandLineOption made(QString::fromLatin1(name), QString::fromLatin1(about),
                            QStringLiteral("value"));
    if (hidden)
        made.setFlags(QCommandLineOption::HiddenFromHelp);
    return made;
}

// One line of output, whatever the text holds.
void writeLine(QString text)
{
    text.replace(u'\n', u' ');
    std::fputs(text.toUtf8().append('\n').constData(), stdout);
}

// Why the arguments cannot be judged, as the module reads it for the journal: the second line.
void tellModule(const QString &why)
{
    writeLine(QString());
    writeLine(why);
}

int cannotCheck(const QString &why)
{
    tellModule(why);
    return fail(why, USAGE_ERROR);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CommandLine commandLine(QStringLiteral("Tells pam_tovalin whether a login may go on."));
    QCommandLineParser &parser = commandLine.parser;
    const QCommandLineOption child(QStringLiteral("child"),
                                   QStringLiteral("The account is a child account."));
    // The session variables of the PAM environment, by the name of each.
    QList<std::pair<QString, QCommandLineOption>> variables;
    for (const SessionVariable &variable : SESSION_VARIABLES)
        variables.append({variable.name, QCommandLineOption(variable.option, variable.name,
                                                            QStringLiteral("value"))});
    const QCommandLineOption user = option("user", "The account's own name.");
    const QCommandLineOption home = option("home", "The account's home.");
    const QCommandLineOption service = option("service", "PAM_SERVICE.");
    const QCommandLineOption phase = option("phase", "open_session or close_session.");
    const QCommandLineOption language = option("language", "The languages the person reads.");
    const QCommandLineOption socket = option("watch-socket", "tovalin-watch's socket.", true);
    // For the test suite: the system's files are read under this folder instead of /.
    const QCommandLineOption root = option("root", "The system's root.", true);
    parser.addOptions({child, user, home, service, phase, language, socket, root});
    for (const auto &[name, variable] : variables)
        parser.addOption(variable);
    // Qt reads arguments as UTF-8 and replaces what is not: a home or a name read that way would
    // be looked up under another path, where nothing is planted.
    for (const QString &argument : app.arguments())
        if (argument.contains(QChar::ReplacementCharacter))
            return cannotCheck(QStringLiteral("an argument is not valid UTF-8: %1").arg(argument));
    if (const std::optional<int> status = commandLine.parse(argc, argv)) {
        if (*status == USAGE_ERROR)
            tellModule(commandLine.usageError);
        return *status;
    }
    // A fact given twice is refused rather than read one way or the other.
    const QStringList given = parser.optionNames();
    for (const QString &name : given)
        if (given.count(name) > 1)
            return cannotCheck(QStringLiteral("--%1 given more than once").arg(name));
    if (!parser.isSet(user) || !parser.isSet(service) || !parser.isSet(phase))
        return cannotCheck(QStringLiteral("--user, --service and --phase are needed"));

    const QString name = parser.value(user);
    LoginRequest request;
    request.service = parser.value(service);
    request.phase = parser.value(phase);
    request.member = parser.isSet(child);
    for (const auto &[variable, value] : variables)
        if (parser.isSet(value))
            request.environment.insert(variable, parser.value(value));
    if (request.member && request.phase == u"open_session")
        readSystemFacts(
            request, name, parser.isSet(home) ? std::optional(parser.value(home)) : std::nullopt,
            parser.value(root), parser.isSet(socket) ? parser.value(socket) : WATCH_SOCKET);
    // Only now: the journal's detail, read above, stays in English.
    platform::installTranslationsFor(parser.value(language).split(u':', Qt::SkipEmptyParts));
    const LoginVerdict verdict = judgeLogin(request);
    if (verdict.allowed)
        return 0;
    writeLine(verdict.message);
    writeLine(verdict.reason);
    return 1;
}
