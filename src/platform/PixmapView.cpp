#include "platform/PixmapView.h"

#include <QPainter>
#include <cmath>

namespace platform {

PixmapView::PixmapView(QPixmap source, QWidget *parent) : QWidget(parent), source(std::move(source))
{
}

void PixmapView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The painter's device, not the widget: grab() and render() may draw at another ratio.
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QSize pixels(int(std::ceil(width() * ratio)), int(std::ceil(height() * ratio)));
    if (scaled.size() != pixels || !qFuzzyCompare(scaled.devicePixelRatio(), ratio)) {
        scaled = source.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        scaled.setDevicePixelRatio(ratio);
    }
    const QSizeF shown = scaled.deviceIndependentSize();
    painter.drawPixmap(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2),
                       scaled);
}

} // namespace platform
