#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Qt's code for the Escape key, independent of the keyboard layout.
constexpr int ESCAPE_KEY = Qt::Key_Escape;

struct KeyDecision
{
    bool consume;
    bool leaveFullScreen;
};

// Escape is always swallowed, and takes the window out of full screen; other keys pass.
KeyDecision decideKeyDown(int key, bool windowIsFullScreen);

// Sees every key press of the application before its target does.
class KeyGuard : public QObject
{
public:
    KeyGuard(QWidget *window, QObject *parent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> window;
};
