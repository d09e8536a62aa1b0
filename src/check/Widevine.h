#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace check {

// The module folders under the home that the engine searches, relative to it: Chrome's, each
// Firefox profile's FIREFOX_MODULES, Chromium's.
inline const QString CHROME_MODULES = QStringLiteral(".config/google-chrome/WidevineCdm");
inline const QString FIREFOX_PROFILES = QStringLiteral(".mozilla/firefox");
inline const QString FIREFOX_MODULES = QStringLiteral("gmp-widevinecdm");
inline const QString CHROMIUM_MODULES = QStringLiteral(".config/chromium/WidevineCdm");

// Where the web engine looks for the Widevine module, in the order it looks, for a user whose
// home is the given folder, with the engine switches that Tovalin passes on.
QStringList widevineSearchPaths(const QString &home, const QByteArray &engineFlags);

// The first of the paths that exists, as the engine takes it; empty where none does.
QString firstExisting(const QStringList &paths);

// Whether the file can be a module at all: a shared library has an ELF header, so an empty or
// truncated file never plays, though the engine offers Widevine for it.
bool looksLikeLibrary(const QString &path);

} // namespace check
