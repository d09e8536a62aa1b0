#include "app/AppDelegate.h"

#include "platform/AutoresizingLayout.h"
#include "platform/TextWidth.h"
#include "session/StatusText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr int MARGIN = 15;
constexpr int CONTROL_Y = 7;
constexpr int CONTROL_HEIGHT = 21;
// A notice takes the bar's height but for a thin edge, room for two lines of its text.
constexpr int NOTICE_Y = 3;
constexpr int NOTICE_HEIGHT = BAR_HEIGHT - 2 * NOTICE_Y;
// The longest countdown that the status text is made room for: about 16 hours.
constexpr qint64 LONGEST_SHOWN_SECONDS = 999 * 60 + 59;

// A button of the bar that ends at `right`, at least `width` wide and wide enough for each of its
// titles; `right` moves on to where the next button to its left ends.
QPushButton *makeBarButton(QWidget *bar, const QStringList &titles, const QString &name, int &right,
                           int width)
{
    auto *button = new QPushButton(titles.constFirst());
    button->setObjectName(name);
    QFont font = button->font();
    font.setPixelSize(11);
    button->setFont(font);
    button->setFocusPolicy(Qt::NoFocus);
    width = platform::widthForTexts(button, titles, width);
    right -= width;
    platform::AutoresizingLayout::of(bar)->addWidget(
        button, QRect(right, CONTROL_Y, width, CONTROL_HEIGHT), platform::FlexibleLeftMargin);
    right -= MARGIN;
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

    statusLabel = new QLabel(QCoreApplication::translate("tovalin", "Time remaining: --:--"));
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    QFont monospacedDigits = statusLabel->font();
    monospacedDigits.setPixelSize(13);
    monospacedDigits.setWeight(QFont::Medium);
    statusLabel->setFont(monospacedDigits);
    statusLabel->setAccessibleDescription(
        QCoreApplication::translate("tovalin", "Time left in this session"));
    const int statusWidth =
        platform::widthForTexts(statusLabel,
                                {statusLabel->text(), statusText(LONGEST_SHOWN_SECONDS, false).text,
                                 statusText(LONGEST_SHOWN_SECONDS, true).text},
                                200);
    platform::AutoresizingLayout::of(controlBar)
        ->addWidget(statusLabel, QRect(MARGIN, CONTROL_Y, statusWidth, CONTROL_HEIGHT),
                    platform::FixedFrame);

    int right = W - MARGIN;
    lockButton = makeBarButton(controlBar, {QCoreApplication::translate("tovalin", "End")},
                               QStringLiteral("lockButton"), right, 70);
    lockButton->setAccessibleDescription(
        QCoreApplication::translate("tovalin", "Ends the session and locks Tovalin"));
    connect(lockButton, &QPushButton::clicked, this, &AppDelegate::lockNow);
    pauseButton =
        makeBarButton(controlBar, pauseTitles(), QStringLiteral("pauseButton"), right, 60);
    pauseButton->setAccessibleDescription(
        QCoreApplication::translate("tovalin", "Pauses or resumes the countdown"));
    connect(pauseButton, &QPushButton::clicked, this, &AppDelegate::togglePause);
    modifyButton =
        makeBarButton(controlBar, {QCoreApplication::translate("tovalin", "Modify Timer")},
                      QStringLiteral("modifyButton"), right, 90);
    modifyButton->setAccessibleDescription(QCoreApplication::translate(
        "tovalin", "Asks for the parental password, then sets a new time limit"));
    connect(modifyButton, &QPushButton::clicked, this, &AppDelegate::modifyTimer);

    // The notices before the end, in the room between the countdown and the buttons: on the
    // bar, never over the page, and no control that could take the keyboard or the mouse.
    noticeLabel = new QLabel;
    noticeLabel->setObjectName(QStringLiteral("noticeLabel"));
    QFont noticeFont = noticeLabel->font();
    noticeFont.setPixelSize(12);
    noticeFont.setWeight(QFont::DemiBold);
    noticeLabel->setFont(noticeFont);
    noticeLabel->setAlignment(Qt::AlignCenter);
    // Two lines where a narrow window leaves too little room for one.
    noticeLabel->setWordWrap(true);
    noticeLabel->setAutoFillBackground(true);
    noticeLabel->setBackgroundRole(QPalette::Highlight);
    noticeLabel->setForegroundRole(QPalette::HighlightedText);
    noticeLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    noticeLabel->setAccessibleDescription(
        QCoreApplication::translate("tovalin", "The session ends soon"));
    noticeLabel->hide();
    const int noticeLeft = MARGIN + statusWidth + MARGIN;
    platform::AutoresizingLayout::of(controlBar)
        ->addWidget(noticeLabel,
                    QRect(noticeLeft, NOTICE_Y, std::max(0, right - noticeLeft), NOTICE_HEIGHT),
                    platform::FlexibleWidth);

    platform::AutoresizingLayout::of(unlockedView)
        ->addWidget(controlBar, QRect(0, 0, W, BAR_HEIGHT),
                    platform::FlexibleWidth | platform::FlexibleBottomMargin);

    createWebView();

    platform::AutoresizingLayout::of(container)->addWidget(
        unlockedView, bounds, platform::FlexibleWidth | platform::FlexibleHeight);
}
