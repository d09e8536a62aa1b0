// tovalin-watch: the root service that ends a child account's sessions and processes once
// anything runs under it that is not Tovalin's session, and tells the PAM check that it runs.
#include "accounts/Watcher.h"

#include <QCoreApplication>
#include <unistd.h>

using namespace accounts;

namespace {
// The tests' overrides: read only when not run as root, so the service proper takes none.
WatchOptions testOptions()
{
    WatchOptions options;
    if (const QString socket = qEnvironmentVariable("TOVALIN_WATCH_TEST_SOCKET"); !socket.isEmpty())
        options.socket = socket;
    if (qEnvironmentVariableIsSet("TOVALIN_WATCH_TEST_UIDS")) {
        options.childUids.emplace();
        for (const QString &uid :
             qEnvironmentVariable("TOVALIN_WATCH_TEST_UIDS").split(u',', Qt::SkipEmptyParts))
            options.childUids->insert(uid_t(uid.toUInt()));
    }
    bool number = false;
    if (const int session = qEnvironmentVariableIntValue("TOVALIN_WATCH_TEST_SESSION", &number);
        number)
        options.session = session;
    return options;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Watcher watcher(geteuid() == 0 ? WatchOptions() : testOptions());
    if (!watcher.start())
        return 1;
    return app.exec();
}
