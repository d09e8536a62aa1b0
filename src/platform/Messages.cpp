#include "platform/Messages.h"

#include <QtGlobal>

namespace platform {

namespace {
QtMessageHandler passOn = nullptr;

// Dropped: debug and info messages. On every start the web engine describes its set-up at info
// level ("GL Type", "Surface Type: OpenGL", "QSG RHI Backend: OpenGL", its switches, "Sandboxing
// disabled by user." under root): nothing a user can act on, and a parent reading the terminal
// would take it for trouble. Warnings, criticals and fatals are faults and go on as before.
void filter(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;
    passOn(type, context, message);
}
} // namespace

void keepInformationQuiet()
{
    passOn = qInstallMessageHandler(filter);
}

} // namespace platform
