#include "platform/TextColor.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace platform {

namespace {
constexpr int STEPS = 64;
const char *const KEEPER_NAME = "textColorKeeper";

double relativeLuminance(const QColor &color)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
           0.0722 * linear(color.blueF());
}

QColor mixed(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](double a, double b) { return float(a + (b - a) * share); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

// Holds the colour a widget's text should have and applies it anew once its palette or its
// parent (and so its background) has changed; the widget itself takes a new palette only after
// the filters have seen the change, so the keeper waits for the event loop. Its own change of
// the palette comes back once, and then finds nothing to do.
class TextColorKeeper : public QObject
{
public:
    explicit TextColorKeeper(QWidget *widget) : QObject(widget), widget(widget)
    {
        setObjectName(QLatin1String(KEEPER_NAME));
        widget->installEventFilter(this);
    }

    void apply()
    {
        const QPalette::ColorRole role = widget->foregroundRole();
        const QColor color = legibleOn(wanted.value_or(QApplication::palette(widget).color(role)),
                                       widget->palette().color(widget->backgroundRole()));
        if (widget->palette().color(role) == color)
            return;
        // A palette that sets this one colour, so that the others keep following the parent's.
        QPalette palette;
        palette.setColor(role, color);
        widget->setPalette(palette);
    }

    std::optional<QColor> wanted;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // A new application palette reaches a child widget as a change of its own palette.
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
            QMetaObject::invokeMethod(this, &TextColorKeeper::apply, Qt::QueuedConnection);
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget *const widget;
};
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a), second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor legibleOn(const QColor &wanted, const QColor &background, double contrast)
{
    // Both as the screen shows them, eight bits a channel: a palette's colour may lie between
    // two such values (Fusion's dark Base does), and a text just at the contrast falls below it.
    const QColor ground(background.rgb());
    const QColor shown = mixed(ground, wanted, wanted.alphaF());
    const QColor white(Qt::white), black(Qt::black);
    const QColor &extreme =
        contrastRatio(white, ground) >= contrastRatio(black, ground) ? white : black;
    for (int step = 0; step < STEPS; ++step) {
        const QColor candidate(mixed(shown, extreme, double(step) / STEPS).rgb());
        if (contrastRatio(candidate, ground) >= contrast)
            return candidate;
    }
    return extreme;
}

void setTextColor(QWidget *widget, std::optional<QColor> wanted)
{
    auto *keeper = static_cast<TextColorKeeper *>(
        widget->findChild<QObject *>(QLatin1String(KEEPER_NAME), Qt::FindDirectChildrenOnly));
    if (!keeper)
        keeper = new TextColorKeeper(widget);
    keeper->wanted = wanted;
    keeper->apply();
}

} // namespace platform
