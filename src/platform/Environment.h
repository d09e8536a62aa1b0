#pragma once

#include <QByteArray>

namespace platform {

// The web engine switches that may come from the environment: where the DRM module lives, and
// the proxy to reach the sites through. Everything else (a debugging port above all) is dropped.
QByteArray allowedEngineFlags(const QByteArray &flags);

// Clears what the environment could make the web engine do behind the program's back: open a
// debugging port, run another program as its helper, or change its switches. Its sandbox is off
// only where it cannot run, under root. Call before the application object exists.
void confineEngineEnvironment(bool runningAsRoot);

} // namespace platform
