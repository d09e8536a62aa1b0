#include "web/ContentWindowGuard.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWebEngineView>

bool contentWindowAllowed(Qt::WindowType type)
{
    return type == Qt::Popup || type == Qt::ToolTip;
}

namespace {
bool madeForWebView(const QWidget *widget)
{
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QWebEngineView *>(w))
            return true;
    }
    return false;
}
} // namespace

bool ContentWindowGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Polishing comes before the window is first shown, so it never reaches the screen.
    if (event->type() != QEvent::Polish || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (!widget->isWindow() || contentWindowAllowed(widget->windowType()) ||
        !madeForWebView(widget))
        return false;
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    // Answered once whoever asked for it has finished setting it up.
    QMetaObject::invokeMethod(
        widget,
        [widget = QPointer(widget)] {
            if (auto *dialog = qobject_cast<QDialog *>(widget))
                dialog->reject();
            else if (widget)
                widget->close();
        },
        Qt::QueuedConnection);
    return false;
}
