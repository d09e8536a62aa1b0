#include "platform/Environment.h"

#include <QList>
#include <QtGlobal>

namespace platform {

namespace {
const QByteArrayView WIDEVINE_SWITCH = "--widevine-path=";
const QList<QByteArrayView> ALLOWED_SWITCHES = {
    WIDEVINE_SWITCH, "--proxy-server=", "--proxy-bypass-list=", "--no-proxy-server"};
} // namespace

// parseEnvCommandLine() in Qt WebEngine's src/core/web_engine_context.cpp (6.4.2 lines 304-348,
// 6.8 lines 599-643): a double quote opens or closes a quoted stretch wherever it stands and is
// dropped; a space outside one ends the argument; spaces at the start of an argument are skipped.
QStringList engineArguments(const QByteArray &flags)
{
    QStringList arguments;
    QString argument;
    enum
    {
        Between,
        Quoted,
        Unquoted
    } state = Between;
    for (const QChar c : QString::fromLocal8Bit(flags)) {
        if (c == u'"') {
            state = state == Quoted ? Unquoted : Quoted;
        } else if (c != u' ' || state == Quoted) {
            argument += c;
            if (state == Between)
                state = Unquoted;
        } else if (state == Unquoted) {
            arguments.append(argument);
            argument.clear();
            state = Between;
        }
    }
    if (!argument.isEmpty())
        arguments.append(argument);
    return arguments;
}

QByteArray allowedEngineFlags(const QByteArray &flags, const QString &widevinePath)
{
    QStringList kept;
    if (!widevinePath.isEmpty())
        kept.append(QString::fromLatin1(WIDEVINE_SWITCH) + widevinePath);
    for (const QString &argument : engineArguments(flags)) {
        const QByteArray flag = argument.toLocal8Bit();
        for (QByteArrayView allowed : ALLOWED_SWITCHES) {
            const bool takesValue = allowed.endsWith('=');
            if (takesValue ? flag.startsWith(allowed) : flag == allowed) {
                if (widevinePath.isEmpty() || allowed != WIDEVINE_SWITCH)
                    kept.append(argument);
                break;
            }
        }
    }
    // Quoted whole where it holds a space, so that the engine reads it back as one.
    for (QString &argument : kept)
        if (argument.contains(u' '))
            argument = u'"' + argument + u'"';
    return kept.join(u' ').toLocal8Bit();
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
