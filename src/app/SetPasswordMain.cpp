// tovalin-set-password: sets the parent's own password for every account of this machine.
#include "app/CommandLine.h"
#include "platform/PasswordFile.h"
#include "platform/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {
constexpr qsizetype LONGEST_PASSWORD = 1024;

// One line from standard input, not echoed where it is a terminal.
std::optional<QString> readSecretLine(const QString &prompt)
{
    std::fputs(qPrintable(prompt), stderr);
    termios saved{};
    const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    int c = 0;
    while ((c = std::getchar()) != EOF && c != '\n')
        line.push_back(char(c));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        std::fputc('\n', stderr);
    }
    if (c == EOF && line.empty())
        return std::nullopt;
    return QString::fromStdString(line);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    platform::installTranslations({QStringLiteral("qtbase")});
    CommandLine commandLine(QCoreApplication::translate(
        "tovalin-set-password", "Sets the parental password for every account of this machine."));
    // Only ever given by tests and image builds; the program's own file is fixed.
    QCommandLineOption file(QStringLiteral("file"), QString(), QStringLiteral("file"));
    file.setFlags(QCommandLineOption::HiddenFromHelp);
    commandLine.parser.addOption(file);
    if (const std::optional<int> status = commandLine.parse(argc, argv))
        return *status;
    const QString path = commandLine.parser.isSet(file)
                             ? commandLine.parser.value(file)
                             : platform::ADMIN_FOLDER.file(platform::PASSWORD_FILE);
    if (!commandLine.parser.isSet(file) && geteuid() != 0)
        return fail(QCoreApplication::translate("tovalin-set-password",
                                                "run it as root, for example with sudo"));
    const std::optional<QString> first = readSecretLine(
        QCoreApplication::translate("tovalin-set-password", "New parental password: "));
    const std::optional<QString> second = readSecretLine(
        QCoreApplication::translate("tovalin-set-password", "The same password again: "));
    if (!first || !second)
        return fail(QCoreApplication::translate("tovalin-set-password", "no password was given"));
    if (*first != *second)
        return fail(QCoreApplication::translate("tovalin-set-password",
                                                "the two passwords differ; nothing was changed"));
    if (first->isEmpty() || first->size() > LONGEST_PASSWORD)
        return fail(QCoreApplication::translate("tovalin-set-password",
                                                "the password must have 1 to %1 characters")
                        .arg(LONGEST_PASSWORD));
    const QString folder = QFileInfo(path).absolutePath();
    const QByteArray folderName = QFile::encodeName(folder);
    if (!QDir().mkpath(folder) || chown(folderName.constData(), geteuid(), getegid()) != 0 ||
        chmod(folderName.constData(), 0755) != 0)
        return fail(
            QCoreApplication::translate("tovalin-set-password", "cannot make %1").arg(folder));
    if (const auto written = platform::writePasswordFile(path, *first); !written)
        return fail(QCoreApplication::translate("tovalin-set-password", "cannot write %1: %2")
                        .arg(path, written.why()));
    // What Tovalin will make of it: a file it refuses would let no password through at all.
    if (platform::readPasswordFile(path, geteuid()).kind != platform::TrustedFile::Usable)
        return fail(QCoreApplication::translate(
                        "tovalin-set-password",
                        "%1 was written, but is not safe to trust; see tovalin-set-password(8)")
                        .arg(path));
    std::fprintf(stderr, "%s\n",
                 qPrintable(QCoreApplication::translate(
                     "tovalin-set-password",
                     "The parental password is set. Tovalin asks for it from now on.")));
    return 0;
}
