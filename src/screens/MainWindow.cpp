#include "app/AppDelegate.h"

#include "platform/AutoresizingLayout.h"
#include "platform/RenderingPath.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
constexpr QSize CONTENT_SIZE(800, 600);
constexpr QSize MINIMUM_SIZE(600, 400);
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
    window->show();
    window->raise();
}
