#pragma once

#include <QString>
#include <QStringList>

namespace check {

// The module folders under the home that the engine searches, relative to it: Chrome's, each
// Firefox profile's FIREFOX_MODULES, Chromium's.
inline const QString CHROME_MODULES = QStringLiteral(".config/google-chrome/WidevineCdm");
inline const QString FIREFOX_PROFILES = QStringLiteral(".mozilla/firefox");
inline const QString FIREFOX_MODULES = QStringLiteral("gmp-widevinecdm");
inline const QString CHROMIUM_MODULES = QStringLiteral(".config/chromium/WidevineCdm");

// The places where the web engine looks for the Widevine module, by where they come from, each
// in the engine's order.
struct WidevinePlaces
{
    QStringList plugins; // Qt's plugin folders (or the program's own folder): machine-wide
    QStringList home;    // the browsers' folders in the account's home
    QStringList fixed;   // where the browsers' packages put it: machine-wide
};

// The places for a user whose home is the given folder (none in the home where it is empty).
// Reads the home's folders; needs the application object.
WidevinePlaces widevinePlaces(const QString &home);

// Where the engine looks, in the order it looks, given the switches Tovalin passes on (see
// platform::engineArguments): the module that the --widevine-path switch names, alone, where it
// names one; the places otherwise. In a child account only where a machine-wide installation
// puts it: never the home, nor a path that the environment names.
QStringList widevineSearchOrder(const QStringList &engineArguments, const WidevinePlaces &places,
                                bool childAccount);

// The first of the paths that exists, as the engine takes it; empty where none does.
QString firstExisting(const QStringList &paths);

// Whether the file can be a module at all: a shared library has an ELF header, so an empty or
// truncated file never plays, though the engine offers Widevine for it.
bool looksLikeLibrary(const QString &path);

// In a child account, has the engine take the module from the machine-wide places alone: the
// first of them that exists (or the first, where none does) is named with --widevine-path, in
// place of any that the environment names. Call once the application object exists and
// before the engine starts.
void keepWidevineMachineWide(bool childAccount);

} // namespace check
