#include "platform/MainQueue.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

namespace platform {

void runOnMainQueue(std::function<void()> function)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(function),
                              Qt::QueuedConnection);
}

namespace {
constexpr int RETRY_MSECS = 100;
}

void deleteOutsideNestedLoops(QObject *object)
{
    if (QThread::currentThread()->loopLevel() <= 1) {
        delete object;
        return;
    }
    QTimer::singleShot(RETRY_MSECS, [guard = QPointer(object)] {
        if (guard)
            deleteOutsideNestedLoops(guard);
    });
}

} // namespace platform
