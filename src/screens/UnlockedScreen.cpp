#include "app/AppDelegate.h"

#include "platform/AutoresizingLayout.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int MARGIN = 15;
constexpr int CONTROL_Y = 7;
constexpr int CONTROL_HEIGHT = 21;

QPushButton *makeBarButton(QWidget *bar, const QString &title, const QString &name, int x,
                           int width)
{
    auto *button = new QPushButton(title);
    button->setObjectName(name);
    QFont font = button->font();
    font.setPixelSize(11);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    platform::AutoresizingLayout::of(bar)->addWidget(
        button, QRect(x, CONTROL_Y, width, CONTROL_HEIGHT), platform::FlexibleLeftMargin);
    return button;
}
} // namespace

void AppDelegate::setupUnlockedView(QWidget *container)
{
    const QRect bounds = container->rect();
    const int W = bounds.width();

    unlockedView = new QWidget;
    unlockedView->setObjectName(QStringLiteral("unlockedView"));
    unlockedView->resize(bounds.size());

    auto *controlBar = new QWidget;
    controlBar->setObjectName(QStringLiteral("controlBar"));
    controlBar->setAutoFillBackground(true);
    controlBar->setBackgroundRole(QPalette::Base);
    controlBar->resize(W, BAR_HEIGHT);

    statusLabel = new QLabel(QStringLiteral("Time remaining: --:--"));
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    QFont monospacedDigits = statusLabel->font();
    monospacedDigits.setPixelSize(13);
    monospacedDigits.setWeight(QFont::Medium);
    statusLabel->setFont(monospacedDigits);
    statusLabel->setAccessibleDescription(QStringLiteral("Time left in this session"));
    platform::AutoresizingLayout::of(controlBar)
        ->addWidget(statusLabel, QRect(MARGIN, CONTROL_Y, 200, CONTROL_HEIGHT),
                    platform::FixedFrame);

    lockButton = makeBarButton(controlBar, QStringLiteral("End"), QStringLiteral("lockButton"),
                               W - MARGIN - 70, 70);
    lockButton->setAccessibleDescription(QStringLiteral("Ends the session and locks Tovalin"));
    connect(lockButton, &QPushButton::clicked, this, &AppDelegate::lockNow);
    pauseButton = makeBarButton(controlBar, QStringLiteral("Pause"), QStringLiteral("pauseButton"),
                                W - MARGIN - 70 - MARGIN - 60, 60);
    pauseButton->setAccessibleDescription(QStringLiteral("Pauses or resumes the countdown"));
    connect(pauseButton, &QPushButton::clicked, this, &AppDelegate::togglePause);
    modifyButton =
        makeBarButton(controlBar, QStringLiteral("Modify Timer"), QStringLiteral("modifyButton"),
                      W - MARGIN - 70 - MARGIN - 60 - MARGIN - 90, 90);
    modifyButton->setAccessibleDescription(
        QStringLiteral("Asks for the parental password, then sets a new time limit"));
    connect(modifyButton, &QPushButton::clicked, this, &AppDelegate::modifyTimer);

    platform::AutoresizingLayout::of(unlockedView)
        ->addWidget(controlBar, QRect(0, 0, W, BAR_HEIGHT),
                    platform::FlexibleWidth | platform::FlexibleBottomMargin);

    createWebView();

    platform::AutoresizingLayout::of(container)->addWidget(
        unlockedView, bounds, platform::FlexibleWidth | platform::FlexibleHeight);
}
