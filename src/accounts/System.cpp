#include "accounts/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace accounts {

namespace {
// Where tovalin-child keeps each child account's sessions from before it became one.
const QString KEPT_FOLDER = QStringLiteral("/etc/tovalin/children");
const QString KEPT_GROUP = QStringLiteral("Before");

// The login shells' and display managers' session wrappers (Debian's Xsession sources
// ~/.xsessionrc, LightDM's and GDM's wrappers ~/.profile and ~/.xprofile) and pam_env. Tovalin's
// X11 session runs through Debian's Xsession too: im-config's Xsession.d/70im-config_launch
// sources ~/.xinputrc (as IM_CONFIG_XINPUTRC_USR), and 50x11-common_determine-startup runs
// ~/.xsession or ~/.Xsession should the session's own script not run.
const QStringList STARTUP_FILES{QStringLiteral(".profile"),    QStringLiteral(".bash_profile"),
                                QStringLiteral(".bash_login"), QStringLiteral(".xprofile"),
                                QStringLiteral(".xsessionrc"), QStringLiteral(".pam_environment"),
                                QStringLiteral(".xinputrc"),   QStringLiteral(".xsession"),
                                QStringLiteral(".Xsession")};
// systemd's user manager starts units from, and takes environment from, these.
const QStringList STARTUP_FOLDERS{QStringLiteral(".config/systemd/user"),
                                  QStringLiteral(".local/share/systemd/user"),
                                  QStringLiteral(".config/environment.d")};

// Far above any startup or AccountsService file; the home's files are read as root, at every
// login within the display manager's own processes, and a sparse file costs its owner nothing.
constexpr qint64 MAX_FILE_SIZE = 1 << 20;

// nullopt also for a larger file, which the home check then counts as the account's own.
std::optional<QByteArray> readBytes(const QString &path)
{
    QFile file(path);
    // Only a plain file is read: opening a named pipe would wait for a writer for ever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.read(MAX_FILE_SIZE + 1);
    if (bytes.size() > MAX_FILE_SIZE)
        return std::nullopt;
    return bytes;
}

std::optional<QString> readText(const QString &path)
{
    const std::optional<QByteArray> bytes = readBytes(path);
    return bytes ? std::optional(QString::fromUtf8(*bytes)) : std::nullopt;
}

// Writes the file in one step, readable by root alone, in a folder made for it if missing.
bool writeText(const QString &path, const QString &text, QString *error)
{
    const QString folder = path.section(u'/', 0, -2);
    // A folder made here is root's alone, as accounts-daemon makes its users folder.
    const bool make = !QDir(folder).exists();
    QSaveFile file(path);
    if (!QDir().mkpath(folder) ||
        (make && !QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ExeOwner)) ||
        !file.open(QIODevice::WriteOnly) ||
        !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(text.toUtf8()) < 0 || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

std::optional<QString> nonEmpty(const std::optional<QString> &value)
{
    return value && !value->isEmpty() ? value : std::nullopt;
}

Sessions sessionsIn(const QString &text, const QString &group)
{
    return {nonEmpty(keyFileValue(text, group, QStringLiteral("Session"))),
            nonEmpty(keyFileValue(text, group, QStringLiteral("XSession")))};
}

QString withSessions(QString text, const QString &group, const Sessions &sessions)
{
    text = withKeyFileValue(text, group, QStringLiteral("Session"), sessions.session);
    return withKeyFileValue(text, group, QStringLiteral("XSession"), sessions.xSession);
}
} // namespace

Account readAccount(const QString &name)
{
    const QByteArray user = name.toLocal8Bit();
    const passwd *entry = getpwnam(user.constData());
    if (!entry)
        return {};
    Account account{true, entry->pw_uid, {}, QString::fromLocal8Bit(entry->pw_dir)};
    int count = 64;
    std::vector<gid_t> gids;
    for (;;) {
        const int room = count;
        gids.resize(size_t(room));
        if (getgrouplist(user.constData(), entry->pw_gid, gids.data(), &count) >= 0)
            break;
        if (count <= room) // failed rather than short of room: the groups stay unknown (none)
            return account;
    }
    for (int i = 0; i < count; ++i)
        if (const group *found = getgrgid(gids[size_t(i)]))
            account.groups.append(QString::fromLocal8Bit(found->gr_name));
    return account;
}

QList<HomeFile> startupFiles(const QString &home)
{
    const QDir homeFolder(home);
    QStringList paths;
    // A dangling link counts too: its target may appear later.
    for (const QString &path : STARTUP_FILES)
        if (const QFileInfo info(homeFolder.filePath(path)); info.exists() || info.isSymLink())
            paths.append(path);
    for (const QString &folder : STARTUP_FOLDERS) {
        QDirIterator entries(homeFolder.filePath(folder),
                             QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
        while (entries.hasNext()) {
            const QFileInfo info(entries.next());
            if (!info.isDir() || info.isSymLink())
                paths.append(homeFolder.relativeFilePath(info.filePath()));
        }
    }
    QList<HomeFile> files;
    for (const QString &path : paths)
        files.append({path, readBytes(homeFolder.filePath(path)),
                      readBytes(QStringLiteral("/etc/skel/") + path)});
    return files;
}

bool pamRuleInForce()
{
    const QString text = readText(QStringLiteral("/etc/pam.d/common-session")).value_or(QString());
    for (const QString &line : text.split(u'\n'))
        if (!line.trimmed().startsWith(u'#') && line.contains(u"pam_tovalin.so"))
            return true;
    return false;
}

bool childGroupExists()
{
    return getgrnam(CHILD_GROUP.toLocal8Bit().constData()) != nullptr;
}

QStringList childMembers()
{
    QStringList members;
    if (const group *found = getgrnam(CHILD_GROUP.toLocal8Bit().constData()))
        for (char **member = found->gr_mem; *member; ++member)
            members.append(QString::fromLocal8Bit(*member));
    return members;
}

QString accountsServiceFile(const QString &name)
{
    return QStringLiteral("/var/lib/AccountsService/users/") + name;
}

std::optional<QString> recordedSession(const QString &name)
{
    const std::optional<QString> text = readText(accountsServiceFile(name));
    return text ? sessionsIn(*text, QStringLiteral("User")).session : std::nullopt;
}

std::optional<QString> userFileValue(const QString &file, const QString &key)
{
    const std::optional<QString> text = readText(file);
    return text ? nonEmpty(keyFileValue(*text, QStringLiteral("User"), key)) : std::nullopt;
}

bool lingers(const QString &name)
{
    return QFile::exists(QStringLiteral("/var/lib/systemd/linger/") + name);
}

Sessions readSessionsFromFile(const QString &name)
{
    return sessionsIn(readText(accountsServiceFile(name)).value_or(QString()),
                      QStringLiteral("User"));
}

bool writeSessionsToFile(const QString &name, const Sessions &sessions, QString *error)
{
    const QString path = accountsServiceFile(name);
    const std::optional<QString> text = readText(path);
    // One that is there but cannot be read would be written anew without its other keys.
    if (!text && QFileInfo(path).exists()) {
        *error = QCoreApplication::translate("tovalin-child", "%1 cannot be read").arg(path);
        return false;
    }
    const QString changed =
        withSessions(text.value_or(QString()), QStringLiteral("User"), sessions);
    // A file of nothing but its header is the same as none: removal leaves none where add found
    // none.
    if (changed.trimmed() == u"[User]")
        return QFile::remove(path) || !QFile::exists(path);
    return writeText(path, changed, error);
}

std::optional<Sessions> keptSessions(const QString &name)
{
    const std::optional<QString> text = readText(KEPT_FOLDER + u'/' + name);
    return text ? std::optional(sessionsIn(*text, KEPT_GROUP)) : std::nullopt;
}

bool keepSessions(const QString &name, const Sessions &sessions, QString *error)
{
    return writeText(KEPT_FOLDER + u'/' + name, withSessions(QString(), KEPT_GROUP, sessions),
                     error);
}

void forgetKeptSessions(const QString &name)
{
    QFile::remove(KEPT_FOLDER + u'/' + name);
}

bool runTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.setProcessChannelMode(QProcess::ForwardedChannels);
    tool.setInputChannelMode(QProcess::ForwardedInputChannel);
    tool.start(program, arguments);
    return tool.waitForFinished(-1) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

} // namespace accounts
