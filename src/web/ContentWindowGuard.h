#pragma once

#include <QObject>

// Whether a window that web content asks the engine for (a colour chooser, an authorisation
// question, a picker) may open. Pop-ups that stay inside the view, such as a list's drop-down or
// a context menu, may; anything else would be a second window.
bool contentWindowAllowed(Qt::WindowType type);

// Keeps windows made on behalf of a web view from ever showing: they are answered "cancel" as
// soon as they are asked for.
class ContentWindowGuard : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
