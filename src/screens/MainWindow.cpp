#include "app/AppDelegate.h"

#include "platform/AutoresizingLayout.h"
#include "platform/RenderingPath.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace {
constexpr QSize CONTENT_SIZE(800, 600);
constexpr QSize MINIMUM_SIZE(600, 400);

// Asks for full screen again once the window is first on screen, if it is not full screen then.
// cage 0.1.4 misses the request that Qt makes before the window's first commit: wlroots 0.15
// announces a new window only at that commit (types/xdg_shell/wlr_xdg_surface.c,
// handle_xdg_surface_commit), cage listens for full screen only from then on (xdg_shell.c:313-339)
// and maximises the window when it maps (view.c:191-196). Later changes, Escape's among them,
// are the window's own.
class FullScreenOnceShown : public QObject
{
public:
    explicit FullScreenOnceShown(QWidget *window) : QObject(window), window(window)
    {
        window->windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && window->windowHandle()->isExposed()) {
            if (!window->isFullScreen())
                window->setWindowState(window->windowState() | Qt::WindowFullScreen);
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *const window;
};
} // namespace

void AppDelegate::setupWindow()
{
    window = std::make_unique<QWidget>();
    window->setObjectName(QStringLiteral("mainWindow"));
    window->setWindowTitle(QStringLiteral("Tovalin"));
    window->resize(CONTENT_SIZE);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
    window->setMinimumSize(MINIMUM_SIZE);

    auto *containerView = new QWidget;
    containerView->setObjectName(QStringLiteral("containerView"));
    containerView->resize(window->size());
    platform::AutoresizingLayout::of(window.get())
        ->addWidget(containerView, window->rect(),
                    platform::FlexibleWidth | platform::FlexibleHeight);

    setupLockedView(containerView);
    setupUnlockedView(containerView);
    setupKeyMonitor();

    platform::prepareWindowForWebViews(window.get());
    // In the child's login session Tovalin covers the screen by itself, whatever the compositor
    // makes of a new window. Escape leaves full screen there too, back to the title bar whose
    // close button ends the session.
    if (qEnvironmentVariable("TOVALIN_CHILD_SESSION") == QLatin1String("1")) {
        // The X11 session has no window manager to act on the full-screen state (Qt only asks
        // for it, _NET_WM_STATE_FULLSCREEN), so the window takes the screen's size itself.
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            window->setGeometry(screen->geometry());
        window->showFullScreen();
        new FullScreenOnceShown(window.get());
    } else {
        window->show();
    }
    window->raise();
}
