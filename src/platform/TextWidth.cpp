#include "platform/TextWidth.h"

#include <QAbstractButton>
#include <QStyle>
#include <algorithm>

namespace platform {

int widthForTexts(const QWidget *control, const QStringList &texts, int atLeast)
{
    const QFontMetrics metrics(control->font());
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    // A button's text sits within its frame and the style's margin on either side.
    const QStyle *style = control->style();
    const int padding =
        qobject_cast<const QAbstractButton *>(control)
            ? 2 * (style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, control) +
                   style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, control))
            : control->width() - control->contentsRect().width();
    return std::max(atLeast, widest + padding);
}

} // namespace platform
