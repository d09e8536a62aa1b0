#include "platform/MainQueue.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace platform {

void runOnMainQueue(std::function<void()> function)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(function),
                              Qt::QueuedConnection);
}

} // namespace platform
