#include "web/ContentWindowGuard.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QWebEngineView>

bool contentWindowAllowed(Qt::WindowType type)
{
    return type == Qt::Popup || type == Qt::ToolTip;
}

QRect keepInside(const QRect &popup, const QRect &area)
{
    const QSize size = popup.size().boundedTo(area.size());
    const int x = qBound(area.left(), popup.left(), area.left() + area.width() - size.width());
    const int y = qBound(area.top(), popup.top(), area.top() + area.height() - size.height());
    return {QPoint(x, y), size};
}

namespace {
const QWebEngineView *webViewOf(const QWidget *widget)
{
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (const auto *view = qobject_cast<const QWebEngineView *>(w))
            return view;
    }
    return nullptr;
}

void refuse(QWidget *widget)
{
    widget->setAttribute(Qt::WA_DontShowOnScreen);
    // Never modal either: a window that never shows would still block the program's own until
    // the window system heard it had gone, and on X it does not hear that.
    widget->setWindowModality(Qt::NonModal);
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
}
} // namespace

bool ContentWindowGuard::eventFilter(QObject *watched, QEvent *event)
{
    // Polishing comes before the window is first shown, so it never reaches the screen; showing,
    // before it is mapped.
    const QEvent::Type type = event->type();
    if ((type != QEvent::Polish && type != QEvent::Show && type != QEvent::Move &&
         type != QEvent::Resize) ||
        !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const QWebEngineView *view = widget->isWindow() ? webViewOf(widget) : nullptr;
    if (!view)
        return false;
    if (!contentWindowAllowed(widget->windowType())) {
        if (type == QEvent::Polish)
            refuse(widget);
        return false;
    }
    // Drop-downs, pickers and data lists are sized by the engine from what the page puts in
    // them, and placed only within the screen; tooltips and the context menu likewise.
    if (type != QEvent::Polish) {
        const QRect inside =
            keepInside(widget->geometry(), QRect(view->mapToGlobal(QPoint(0, 0)), view->size()));
        if (inside != widget->geometry())
            widget->setGeometry(inside);
    }
    return false;
}
