#include "app/AppDelegate.h"

#include "platform/AutoresizingLayout.h"
#include "platform/CenteredLayout.h"
#include "platform/PixmapView.h"
#include "platform/TextColor.h"
#include "platform/TextWidth.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr qreal CARD_MAXIMUM_FRACTION = 0.8;
constexpr int CARD_PADDING = 40;
constexpr int LABEL_WIDTH = 120;

QFont systemFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QLabel *makeLabel(const QString &text, int pixelSize)
{
    auto *label = new QLabel(text);
    label->setFont(systemFont(pixelSize));
    return label;
}

} // namespace

void AppDelegate::setupLockedView(QWidget *container)
{
    lockedView = new QWidget;
    lockedView->setObjectName(QStringLiteral("lockedView"));
    lockedView->setAutoFillBackground(true);
    lockedView->setBackgroundRole(QPalette::Window);

    auto *cardView = new QFrame;
    cardView->setObjectName(QStringLiteral("cardView"));
    // Drawn in Base, so its labels take Base's text colour.
    cardView->setBackgroundRole(QPalette::Base);
    cardView->setStyleSheet(QStringLiteral(
        "QFrame#cardView { background-color: palette(base); border-radius: 16px; }"));

    auto *mainStack = new QVBoxLayout(cardView);
    mainStack->setSpacing(35);
    mainStack->setContentsMargins(CARD_PADDING, CARD_PADDING, CARD_PADDING, CARD_PADDING);

    const QPixmap logo(QStringLiteral(":/logo.png"));
    if (!logo.isNull()) {
        auto *logoView = new platform::PixmapView(logo);
        logoView->setObjectName(QStringLiteral("logoView"));
        logoView->setFixedSize(80, 80);
        mainStack->addWidget(logoView, 0, Qt::AlignHCenter);
    }

    auto *titleLabel = new QLabel(QStringLiteral("Tovalin"));
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setFont(systemFont(28, QFont::Bold));
    titleLabel->setAlignment(Qt::AlignCenter);
    mainStack->addWidget(titleLabel, 0, Qt::AlignHCenter);

    auto *formStack = new QVBoxLayout;
    formStack->setSpacing(20);

    auto *siteRow = new QHBoxLayout;
    siteRow->setSpacing(20);
    QLabel *siteLabel = makeLabel(QCoreApplication::translate("tovalin", "Choose Website"), 14);
    siteSelector = new QComboBox;
    siteSelector->setObjectName(QStringLiteral("siteSelector"));
    siteSelector->setFont(systemFont(14));
    // Qt on Linux names a combo box after its current item; a screen reader finds the row's
    // label through the buddy relation.
    siteLabel->setBuddy(siteSelector);
    siteSelector->setAccessibleDescription(
        QCoreApplication::translate("tovalin", "The streaming site the child may watch"));
    for (const QString &key : sortedSiteKeys(websites))
        siteSelector->addItem(siteTitle(key));
    connect(siteSelector, &QComboBox::activated, this, &AppDelegate::siteChanged);
    siteRow->addWidget(siteLabel, 0, Qt::AlignVCenter);
    siteRow->addWidget(siteSelector, 0, Qt::AlignVCenter);
    formStack->addLayout(siteRow);

    auto *timeRow = new QHBoxLayout;
    timeRow->setSpacing(20);
    QLabel *timeLabel = makeLabel(QCoreApplication::translate("tovalin", "Time Limit"), 14);
    // One width for both, so that the fields line up.
    const int labelWidth =
        platform::widthForTexts(siteLabel, {siteLabel->text(), timeLabel->text()}, LABEL_WIDTH);
    siteLabel->setFixedWidth(labelWidth);
    timeLabel->setFixedWidth(labelWidth);
    auto *timerRow = new QHBoxLayout;
    timerRow->setSpacing(8);
    timerField = new QLineEdit(QStringLiteral("30"));
    timerField->setObjectName(QStringLiteral("timerField"));
    timerField->setAlignment(Qt::AlignCenter);
    timerField->setFont(systemFont(14));
    timerField->setFixedWidth(80);
    timeLabel->setBuddy(timerField);
    timerField->setAccessibleName(QCoreApplication::translate("tovalin", "Time limit in minutes"));
    QLabel *minutesLabel = makeLabel(QCoreApplication::translate("tovalin", "minutes"), 12);
    minutesLabel->setForegroundRole(QPalette::PlaceholderText);
    // A placeholder's grey is lighter than legible text.
    platform::setTextColor(minutesLabel);
    timerRow->addWidget(timerField, 0, Qt::AlignVCenter);
    timerRow->addWidget(minutesLabel, 0, Qt::AlignVCenter);
    timeRow->addWidget(timeLabel, 0, Qt::AlignVCenter);
    timeRow->addLayout(timerRow);
    formStack->addLayout(timeRow);
    mainStack->addLayout(formStack);

    actionButton = new QPushButton(actionTitles().constFirst());
    actionButton->setObjectName(QStringLiteral("actionButton"));
    actionButton->setFont(systemFont(14, QFont::Medium));
    actionButton->setFixedWidth(platform::widthForTexts(actionButton, actionTitles(), LABEL_WIDTH));
    // Its accessible name is its text, which follows the session: Start, Extend or Unlock.
    actionButton->setAccessibleDescription(QCoreApplication::translate(
        "tovalin", "Asks for the parental password, then starts, extends or unlocks the session"));
    connect(actionButton, &QPushButton::clicked, this, &AppDelegate::performAction);
    // A shortcut of the button is live only while the button is visible, so Return presses it
    // on the locked screen and belongs to the web page everywhere else.
    auto *returnKey = new QShortcut(QKeySequence(Qt::Key_Return), actionButton);
    connect(returnKey, &QShortcut::activated, actionButton,
            [this] { actionButton->animateClick(); });
    mainStack->addWidget(actionButton, 0, Qt::AlignHCenter);

    auto *cardLayout = new platform::CenteredLayout(lockedView, CARD_MAXIMUM_FRACTION);
    cardLayout->addWidget(cardView);
    platform::AutoresizingLayout::of(container)->addWidget(
        lockedView, container->rect(), platform::FlexibleWidth | platform::FlexibleHeight);
}
