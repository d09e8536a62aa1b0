#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace platform {

// The engine's switches in QTWEBENGINE_CHROMIUM_FLAGS as the engine itself reads them: split at
// spaces outside double quotes, the quotes dropped.
QStringList engineArguments(const QByteArray &flags);

// The web engine switches that may come from the environment: where the DRM module lives, and
// the proxy to reach the sites through. Everything else (a debugging port above all) is dropped.
// Where widevinePath is given (a child account's machine-wide module), it is the one module
// switch, whatever the environment names. The engine reads the result back into the same
// switches.
QByteArray allowedEngineFlags(const QByteArray &flags, const QString &widevinePath = {});

// Clears what the environment could make the web engine do behind the program's back: open a
// debugging port, run another program as its helper, or change its switches. Its sandbox is off
// only where it cannot run, under root. Call before the application object exists.
void confineEngineEnvironment(bool runningAsRoot);

} // namespace platform
