#include "accounts/System.h"
#include "check/Widevine.h"
#include "platform/Clock.h"
#include "platform/TrustedFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace accounts {

using platform::Failure;
using platform::Result;

namespace {
QString systemRoot;

QString systemPath(const QString &path)
{
    return systemRoot + path;
}

// Where tovalin-child keeps each child account's sessions from before it became one, in the
// administrator's folder; the package's postrm reads these files too, at purge.
QString keptFile(const QString &name)
{
    return systemPath(platform::ADMIN_FOLDER.file(QStringLiteral("children/") + name));
}
const QString KEPT_GROUP = QStringLiteral("Before");

// The login shells' and display managers' session wrappers (Debian's Xsession sources
// ~/.xsessionrc and runs ~/.xsession or ~/.Xsession, im-config's part of it ~/.xinputrc,
// LightDM's and GDM's wrappers ~/.profile and ~/.xprofile), pam_env, and systemd's user manager
// (~/.config/systemd/user.conf, whose DefaultEnvironment= GDM's Wayland launcher imports), and
// GTK 3's settings, whose gtk-modules the GTK portal loads, by absolute path too.
const QStringList STARTUP_FILES{QStringLiteral(".profile"),
                                QStringLiteral(".bash_profile"),
                                QStringLiteral(".bash_login"),
                                QStringLiteral(".xprofile"),
                                QStringLiteral(".xsessionrc"),
                                QStringLiteral(".pam_environment"),
                                QStringLiteral(".xinputrc"),
                                QStringLiteral(".xsession"),
                                QStringLiteral(".Xsession"),
                                QStringLiteral(".config/systemd/user.conf"),
                                QStringLiteral(".config/gtk-3.0/settings.ini")};
// systemd's user manager starts units from, and takes environment from, these; the session bus
// activates services from the home's dbus-1 folder (dbus-daemon's <standard_session_servicedirs/>,
// dbus-broker's too) and would run its Exec= for the portal that Qt asks; PipeWire and WirePlumber
// run what their settings' context.exec names, PulseAudio loads the modules its default.pa names;
// the engine loads a Widevine module from these folders before its sandbox starts.
const QStringList STARTUP_FOLDERS{QStringLiteral(".config/systemd/user"),
                                  QStringLiteral(".config/systemd/user.control"),
                                  QStringLiteral(".config/systemd/user.conf.d"),
                                  QStringLiteral(".local/share/systemd/user"),
                                  QStringLiteral(".config/environment.d"),
                                  QStringLiteral(".config/pipewire"),
                                  QStringLiteral(".config/wireplumber"),
                                  QStringLiteral(".local/share/wireplumber"),
                                  QStringLiteral(".local/share/dbus-1"),
                                  QStringLiteral(".config/pulse"),
                                  QStringLiteral(".pulse"),
                                  check::CHROME_MODULES,
                                  check::CHROMIUM_MODULES};
// No startup file comes near this; a larger one counts as unreadable.
constexpr qint64 SIZE_LIMIT = 1 << 20;
// Beyond this many entries, or this deep, a folder counts as unreadable.
constexpr int ENTRY_LIMIT = 10000;
constexpr int DEPTH_LIMIT = 32;

// A file descriptor, closed with its owner.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    Descriptor(Descriptor &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor &operator=(Descriptor &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }

private:
    int m_fd;
};

enum class Kind
{
    Missing,
    Folder,
    File,
    Other
}; // Other: a link, a pipe, a device, a socket

Kind kindAt(int folder, const QString &name)
{
    struct stat status;
    if (::fstatat(folder, QFile::encodeName(name).constData(), &status, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Kind::Missing : Kind::Other;
    return S_ISDIR(status.st_mode)   ? Kind::Folder
           : S_ISREG(status.st_mode) ? Kind::File
                                     : Kind::Other;
}

// Opens the entry without following a link and without waiting on a pipe, and checks that it
// is still what it was found to be.
Descriptor openAt(int folder, const QString &name, Kind kind)
{
    Descriptor entry(::openat(folder, QFile::encodeName(name).constData(),
                              O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                                  (kind == Kind::Folder ? O_DIRECTORY : 0)));
    struct stat status;
    if (!entry.valid() || ::fstat(entry.get(), &status) != 0 ||
        (kind == Kind::File && !S_ISREG(status.st_mode)))
        return Descriptor();
    return entry;
}

std::optional<QByteArray> readAt(int folder, const QString &name)
{
    const Descriptor file = openAt(folder, name, Kind::File);
    if (!file.valid())
        return std::nullopt;
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 || bytes.size() + count > SIZE_LIMIT)
            return std::nullopt;
        if (count == 0)
            return bytes;
        bytes.append(buffer, count);
    }
}

// The folder at the relative path below the given one, each step taken without following a
// link. Where a step is missing or a plain file, nothing can be there; where it is anything else,
// *stop is that step's path.
Descriptor folderAt(int root, const QString &path, QString *stop)
{
    Descriptor folder(::fcntl(root, F_DUPFD_CLOEXEC, 0));
    QStringList walked;
    for (const QString &step : path.split(u'/', Qt::SkipEmptyParts)) {
        walked.append(step);
        const Kind kind = kindAt(folder.get(), step);
        if (kind == Kind::Other)
            *stop = walked.join(u'/');
        if (kind != Kind::Folder)
            return Descriptor();
        folder = openAt(folder.get(), step, kind);
        if (!folder.valid())
            return Descriptor();
    }
    return folder;
}

// The content of the file at the relative path below the folder, read as startupFiles() does.
std::optional<QByteArray> readBelow(int root, const QString &path)
{
    QString stop;
    const Descriptor folder = folderAt(root, path.section(u'/', 0, -2), &stop);
    return folder.valid() ? readAt(folder.get(), path.section(u'/', -1)) : std::nullopt;
}

// The folder's entries; nullopt where it cannot be listed.
std::optional<QStringList> entriesOf(int folder)
{
    QStringList names;
    DIR *listing = ::fdopendir(::fcntl(folder, F_DUPFD_CLOEXEC, 0));
    if (!listing)
        return std::nullopt;
    ::rewinddir(listing);
    while (const dirent *entry = ::readdir(listing))
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.append(QFile::decodeName(entry->d_name));
    ::closedir(listing);
    return names;
}

// Collects the home's paths to check, relative to it: every entry in the folder's tree that is
// not a folder, or the folder itself where its tree is past the limits.
struct HomeWalk
{
    int home;
    QStringList paths;
    int entries = 0;

    void file(const QString &path)
    {
        QString stop;
        const Descriptor folder = folderAt(home, path.section(u'/', 0, -2), &stop);
        if (!stop.isEmpty())
            paths.append(stop);
        else if (folder.valid() && kindAt(folder.get(), path.section(u'/', -1)) != Kind::Missing)
            paths.append(path);
    }

    void tree(const QString &path)
    {
        QString stop;
        const Descriptor folder = folderAt(home, path, &stop);
        if (!stop.isEmpty())
            paths.append(stop);
        else if (folder.valid() && !below(folder.get(), path, 0))
            paths.append(path);
    }

    bool below(int folder, const QString &path, int depth)
    {
        const std::optional<QStringList> names = entriesOf(folder);
        if (!names)
            return false;
        for (const QString &name : *names) {
            const QString entry = path + u'/' + name;
            if (++entries > ENTRY_LIMIT || depth > DEPTH_LIMIT)
                return false;
            const Kind kind = kindAt(folder, name);
            if (kind != Kind::Folder) {
                paths.append(entry);
                continue;
            }
            const Descriptor inner = openAt(folder, name, kind);
            if (!inner.valid() || !below(inner.get(), entry, depth + 1))
                return false;
        }
        return true;
    }

    // The engine looks in each entry of the profiles' folder that leads to a folder, links too.
    void firefoxModules()
    {
        QString stop;
        const Descriptor profiles = folderAt(home, check::FIREFOX_PROFILES, &stop);
        if (!stop.isEmpty())
            paths.append(stop);
        if (!profiles.valid())
            return;
        const std::optional<QStringList> names = entriesOf(profiles.get());
        if (!names)
            paths.append(check::FIREFOX_PROFILES);
        for (const QString &name : names.value_or(QStringList())) {
            const QString profile = check::FIREFOX_PROFILES + u'/' + name;
            const Kind kind = kindAt(profiles.get(), name);
            if (kind == Kind::Other)
                paths.append(profile);
            else if (kind == Kind::Folder)
                tree(profile + u'/' + check::FIREFOX_MODULES);
        }
    }
};

std::optional<QString> readText(const QString &path)
{
    QFile file(path);
    // Only a plain file is read: opening a named pipe would wait for a writer for ever.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return QString::fromUtf8(file.readAll());
}

// Writes the file in one step, readable by root alone, in a folder made for it if missing.
Result<> writeText(const QString &path, const QString &text)
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
        file.write(text.toUtf8()) < 0 || !file.commit())
        return Failure{file.errorString()};
    return {};
}

// A value that could break out of its line in a key file is none.
std::optional<QString> nonEmpty(const std::optional<QString> &value)
{
    return value && !value->isEmpty() && !value->contains(u'\n') && !value->contains(u'\r')
               ? value
               : std::nullopt;
}

const std::array<std::pair<const char *, std::optional<QString> Sessions::*>, 3> SESSION_KEYS{{
    {"Session", &Sessions::session},
    {"XSession", &Sessions::xSession},
    {"SessionType", &Sessions::sessionType},
}};

Sessions sessionsIn(const QString &text, const QString &group)
{
    Sessions sessions;
    for (const auto &[key, member] : SESSION_KEYS)
        sessions.*member = nonEmpty(keyFileValue(text, group, QLatin1String(key)));
    return sessions;
}

QString withSessions(QString text, const QString &group, const Sessions &sessions)
{
    for (const auto &[key, member] : SESSION_KEYS)
        text = withKeyFileValue(text, group, QLatin1String(key), nonEmpty(sessions.*member));
    return text;
}
} // namespace

void setSystemRoot(const QString &root)
{
    systemRoot = root;
}

Account readAccount(const QString &name)
{
    const passwd *entry = getpwnam(name.toLocal8Bit().constData());
    if (!entry)
        return {};
    // The account's own name from here on: NSS may have found it under another spelling.
    const QByteArray user(entry->pw_name);
    Account account{true,
                    QString::fromLocal8Bit(user),
                    entry->pw_uid,
                    entry->pw_gid,
                    {},
                    QString::fromLocal8Bit(entry->pw_dir),
                    QString::fromLocal8Bit(entry->pw_shell),
                    std::nullopt};
    int count = 64;
    std::vector<gid_t> gids;
    for (;;) {
        const int room = count;
        gids.resize(size_t(room));
        if (getgrouplist(user.constData(), account.gid, gids.data(), &count) >= 0)
            break;
        if (count <= room) // failed rather than short of room: the groups stay unknown (none)
            return account;
    }
    for (int i = 0; i < count; ++i)
        if (const group *found = getgrgid(gids[size_t(i)]))
            account.groups.append(QString::fromLocal8Bit(found->gr_name));
    return account;
}

std::optional<bool> sudoRights(const QString &name)
{
    const QString sudo = QStringLiteral("/usr/bin/sudo");
    struct stat status;
    if (::lstat(QFile::encodeName(sudo).constData(), &status) != 0 && errno == ENOENT)
        return false;
    QProcess query;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    query.setProcessEnvironment(environment);
    query.setStandardInputFile(QProcess::nullDevice());
    query.start(sudo, {QStringLiteral("-n"), QStringLiteral("-l"), QStringLiteral("-U"), name});
    if (!query.waitForFinished(60000) || query.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return sudoListing(QString::fromLocal8Bit(query.readAllStandardOutput()), name);
}

PersonAccounts readPersonAccounts()
{
    PersonAccounts people;
    const QString defs =
        readText(systemPath(QStringLiteral("/etc/login.defs"))).value_or(QString());
    for (const auto &[key, bound] : {std::pair(QStringLiteral("UID_MIN"), &people.uidMin),
                                     std::pair(QStringLiteral("UID_MAX"), &people.uidMax)}) {
        bool ok = false;
        const uint value = loginDefsValue(defs, key).value_or(QString()).toUInt(&ok);
        if (ok)
            *bound = uid_t(value);
    }
    if (const std::optional<QString> shells = readText(systemPath(QStringLiteral("/etc/shells"))))
        people.shells = shellsIn(*shells);
    return people;
}

QList<HomeFile> startupFiles(const QString &home)
{
    // The home's own path is root's to set; everything below it is the account's.
    const Descriptor homeFolder(
        ::open(QFile::encodeName(home).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // A home that is missing holds nothing; one that cannot be opened is refused as a whole.
    if (!homeFolder.valid())
        return errno == ENOENT ? QList<HomeFile>() : QList<HomeFile>{{QString(), {}, {}}};
    const Descriptor skel(
        ::open(QFile::encodeName(systemPath(QStringLiteral("/etc/skel"))).constData(),
               O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    HomeWalk walk{homeFolder.get(), {}};
    for (const QString &path : STARTUP_FILES)
        walk.file(path);
    for (const QString &folder : STARTUP_FOLDERS)
        walk.tree(folder);
    walk.firefoxModules();
    walk.paths.removeDuplicates();
    QList<HomeFile> files;
    for (const QString &path : std::as_const(walk.paths))
        files.append({path, readBelow(homeFolder.get(), path),
                      skel.valid() ? readBelow(skel.get(), path) : std::nullopt});
    return files;
}

bool pamRuleInForce()
{
    const QString text =
        readText(systemPath(QStringLiteral("/etc/pam.d/common-session"))).value_or(QString());
    for (const QString &line : text.split(u'\n'))
        if (!line.trimmed().startsWith(u'#') && line.contains(u"pam_tovalin.so"))
            return true;
    return false;
}

bool childGroupExists()
{
    return getgrnam(CHILD_GROUP.toLocal8Bit().constData()) != nullptr;
}

bool runsInChildAccount()
{
    const group *child = getgrnam(CHILD_GROUP.toLocal8Bit().constData());
    if (!child)
        return false;
    std::vector<gid_t> groups(size_t(std::max(getgroups(0, nullptr), 0)) + 1);
    const int count = getgroups(int(groups.size()), groups.data());
    // Groups that cannot be read are no proof of an ordinary account.
    if (count < 0)
        return true;
    groups.resize(size_t(count));
    groups.push_back(getegid());
    return std::find(groups.begin(), groups.end(), child->gr_gid) != groups.end();
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
    return systemPath(QStringLiteral("/var/lib/AccountsService/users/")) + name;
}

std::optional<QString> userFileValue(const QString &file, const QString &key)
{
    const std::optional<QString> text = readText(file);
    return text ? nonEmpty(keyFileValue(*text, QStringLiteral("User"), key)) : std::nullopt;
}

Sessions readSessionsFromFile(const QString &name)
{
    return sessionsIn(readText(accountsServiceFile(name)).value_or(QString()),
                      QStringLiteral("User"));
}

Result<> writeSessionsToFile(const QString &name, const Sessions &sessions)
{
    const QString path = accountsServiceFile(name);
    const std::optional<QString> text = readText(path);
    // One that is there but cannot be read would be written anew without its other keys.
    if (!text && QFileInfo(path).exists())
        return Failure{QCoreApplication::translate("tovalin-child", "%1 cannot be read").arg(path)};
    const QString changed =
        withSessions(text.value_or(QString()), QStringLiteral("User"), sessions);
    // A file of nothing but its header is the same as none: removal leaves none where add found
    // none.
    if (changed.trimmed() == u"[User]") {
        QFile file(path);
        if (file.remove() || !file.exists())
            return {};
        return Failure{file.errorString()};
    }
    return writeText(path, changed);
}

std::optional<Sessions> keptSessions(const QString &name)
{
    const std::optional<QString> text = readText(keptFile(name));
    return text ? std::optional(sessionsIn(*text, KEPT_GROUP)) : std::nullopt;
}

Result<> keepSessions(const QString &name, const Sessions &sessions)
{
    return writeText(keptFile(name), withSessions(QString(), KEPT_GROUP, sessions));
}

void forgetKeptSessions(const QString &name)
{
    QFile::remove(keptFile(name));
}

Result<QString> freshHome(const Account &account)
{
    const QString home = QDir::cleanPath(account.home);
    const QByteArray path = QFile::encodeName(home);
    struct stat status;
    if (!home.startsWith(u'/') || home == u"/" || ::lstat(path.constData(), &status) != 0 ||
        !S_ISDIR(status.st_mode) || status.st_uid != account.uid)
        return Failure{QCoreApplication::translate("tovalin-child",
                                                   "%1 is not a home folder of the account's own")
                           .arg(home)};
    const QString aside = home + QStringLiteral(".tovalin-old-") +
                          platform::now().toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QByteArray asidePath = QFile::encodeName(aside);
    // Never over a folder that is there already.
    if (::renameat2(AT_FDCWD, path.constData(), AT_FDCWD, asidePath.constData(),
                    RENAME_NOREPLACE) != 0)
        return Failure{QString::fromLocal8Bit(std::strerror(errno))};
    const Descriptor moved(
        ::open(asidePath.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!moved.valid() || ::fchown(moved.get(), 0, 0) != 0 || ::fchmod(moved.get(), 0700) != 0)
        return Failure{QCoreApplication::translate("tovalin-child",
                                                   "%1 was moved to %2, which could not be made "
                                                   "root's alone: %3")
                           .arg(home, aside, QString::fromLocal8Bit(std::strerror(errno)))};
    // pam_mkhomedir's helper copies /etc/skel as the account's own, the new home with the old
    // one's mode.
    if (!runTool(QStringLiteral("/usr/sbin/mkhomedir_helper"),
                 {account.name, QStringLiteral("0022"), systemPath(QStringLiteral("/etc/skel")),
                  QString::number(status.st_mode & 07777, 8)}))
        return Failure{QCoreApplication::translate("tovalin-child",
                                                   "%1 was moved to %2, but mkhomedir_helper could "
                                                   "not make a new home")
                           .arg(home, aside)};
    return aside;
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
