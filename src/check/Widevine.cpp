#include "check/Widevine.h"

#include "platform/Environment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>

namespace check {

// The engine's own search: IsWidevineAvailable() in Qt WebEngine's src/core/content_client_qt.cpp
// (the same in 6.4 and 6.8 on Linux: 6.4.2 lines 176-329, 6.8 lines 184-337): the path of the
// --widevine-path switch alone where it is given and not empty (Chromium's CommandLine keeps the
// last value of a switch given twice, and none after "--": base/command_line.cc, IsSwitch(),
// AppendSwitchNative(), AppendSwitchesAndArguments());
// otherwise Qt's plugin folders "webengine" and "ppapi" (each the program's own folder where it is
// missing); then, under the home folder, the version folders of Chrome's, each Firefox profile's
// and Chromium's module folders (Chrome's and Chromium's moved where their
// "latest-component-updated-widevine-cdm" hint says), each folder itself first and the others in
// reverse name order, the library directly in it or under _platform_specific/linux_x64; and last
// six fixed paths of browsers' packages.
namespace {
const char LIBRARY[] = "libwidevinecdm.so";
const char PLATFORM_LIBRARY[] = "/_platform_specific/linux_x64/libwidevinecdm.so";

QString pluginFolder(const char *name)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QLatin1String(name);
    return QFileInfo::exists(folder) ? folder : QCoreApplication::applicationDirPath();
}

// Chrome's component updater leaves the module's folder in a hint file beside the versions.
QDir hintedFolder(const QDir &folder)
{
    QFile hint(folder.filePath(QStringLiteral("latest-component-updated-widevine-cdm")));
    // A plain file only: opening a named pipe would wait for a writer for ever.
    if (!QFileInfo(hint).isFile() || !hint.open(QIODevice::ReadOnly))
        return folder;
    const QJsonDocument json = QJsonDocument::fromJson(hint.read(64 * 1024));
    const QString path = json.object().value(QStringLiteral("Path")).toString();
    return path.isEmpty() ? folder : QDir(path);
}

QStringList homePlaces(const QString &home)
{
    QStringList places;
    QList<QDir> folders;
    const QDir chrome(home + u'/' + CHROME_MODULES);
    if (chrome.exists())
        folders << hintedFolder(chrome);
    const QDir firefox(home + u'/' + FIREFOX_PROFILES);
    for (const QFileInfo &profile :
         firefox.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed)) {
        const QDir module(profile.absoluteFilePath() + u'/' + FIREFOX_MODULES);
        if (module.exists())
            folders << module;
    }
    const QDir chromium(home + u'/' + CHROMIUM_MODULES);
    if (chromium.exists())
        folders << hintedFolder(chromium);
    for (const QDir &folder : folders) {
        QFileInfoList versions =
            folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::Reversed);
        versions.prepend(QFileInfo(folder.absolutePath()));
        for (const QFileInfo &version : versions) {
            places << version.absoluteFilePath() + u'/' + QLatin1String(LIBRARY)
                   << version.absoluteFilePath() + QLatin1String(PLATFORM_LIBRARY);
        }
    }
    return places;
}
} // namespace

WidevinePlaces widevinePlaces(const QString &home)
{
    WidevinePlaces places;
    places.plugins = QStringList{pluginFolder("/webengine") + u'/' + QLatin1String(LIBRARY),
                                 pluginFolder("/ppapi") + u'/' + QLatin1String(LIBRARY)};
    if (!home.isEmpty())
        places.home = homePlaces(home);
    places.fixed = QStringList{
        QStringLiteral("/usr/lib/chromium/libwidevinecdm.so"),
        QStringLiteral("/usr/lib/chromium-browser/libwidevinecdm.so"),
        QStringLiteral("/usr/lib64/chromium/libwidevinecdm.so"),
        QStringLiteral("/usr/lib64/chromium-browser/WidevineCdm") + QLatin1String(PLATFORM_LIBRARY),
        QStringLiteral("/opt/google/chrome/WidevineCdm") + QLatin1String(PLATFORM_LIBRARY),
        QStringLiteral("/opt/google/chrome/libwidevinecdm.so")};
    return places;
}

QStringList widevineSearchOrder(const QStringList &engineArguments, const WidevinePlaces &places,
                                bool childAccount)
{
    if (childAccount)
        return places.plugins + places.fixed;
    QString named;
    for (const QString &argument : engineArguments) {
        if (argument == u"--")
            break;
        const qsizetype equals = argument.indexOf(u'=');
        if (argument.left(equals) == u"--widevine-path")
            named = equals < 0 ? QString() : argument.mid(equals + 1);
    }
    if (!named.isEmpty())
        return {named};
    return places.plugins + places.home + places.fixed;
}

QString firstExisting(const QStringList &paths)
{
    for (const QString &path : paths) {
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

bool looksLikeLibrary(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(4) == "\x7f"
                                                             "ELF";
}

void keepWidevineMachineWide(bool childAccount)
{
    if (!childAccount)
        return;
    const QStringList machineWide = widevineSearchOrder({}, widevinePlaces(QString()), true);
    const QString found = firstExisting(machineWide);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            platform::allowedEngineFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"),
                                         found.isEmpty() ? machineWide.constFirst() : found));
}

} // namespace check
