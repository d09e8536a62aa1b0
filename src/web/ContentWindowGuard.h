#pragma once

#include <QObject>
#include <QRect>

// Whether a window that web content asks the engine for (a colour chooser, an authorisation
// question, a picker) may open. Pop-ups that stay inside the view, such as a list's drop-down or
// a context menu, may; anything else would be a second window.
bool contentWindowAllowed(Qt::WindowType type);

// Where a pop-up of the given geometry goes so that it lies within the area: moved in, and cut
// to the area's size where it is larger.
QRect keepInside(const QRect &popup, const QRect &area);

// Keeps windows made on behalf of a web view from ever showing: they are answered "cancel" as
// soon as they are asked for. The pop-ups that may open are kept within the view, whatever size
// and place the engine or the page gives them, so none covers the control bar or leaves the
// window.
class ContentWindowGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
