#include "platform/Environment.h"

#include <QList>
#include <QtGlobal>

namespace platform {

namespace {
const QList<QByteArrayView> ALLOWED_SWITCHES = {
    "--widevine-path=", "--proxy-server=", "--proxy-bypass-list=", "--no-proxy-server"};
} // namespace

QByteArray allowedEngineFlags(const QByteArray &flags)
{
    QList<QByteArray> kept;
    // The engine splits its switches at spaces, so they are judged the same way.
    for (const QByteArray &flag : flags.split(' ')) {
        for (QByteArrayView allowed : ALLOWED_SWITCHES) {
            const bool takesValue = allowed.endsWith('=');
            if (takesValue ? flag.startsWith(allowed) : flag == allowed) {
                kept.append(flag);
                break;
            }
        }
    }
    return kept.join(' ');
}

void confineEngineEnvironment(bool runningAsRoot)
{
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    qunsetenv("QTWEBENGINEPROCESS_PATH");
    const QByteArray flags = allowedEngineFlags(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"));
    if (flags.isEmpty())
        qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    else
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
    if (runningAsRoot)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    else
        qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
}

} // namespace platform
