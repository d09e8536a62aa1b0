#include "platform/AutoresizingLayout.h"

#include <QWidget>

namespace platform {

namespace {
// Shares a change of the parent's extent between the flexible parts of one axis.
void resizeAxis(int &position, int &extent, int delta, bool flexBefore, bool flexSize,
                bool flexAfter)
{
    const int parts = int(flexBefore) + int(flexSize) + int(flexAfter);
    if (parts == 0)
        return;
    const int share = delta / parts;
    if (flexBefore)
        position += share;
    if (flexSize)
        extent += share;
}
} // namespace

AutoresizingLayout::AutoresizingLayout(QWidget *parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
}

AutoresizingLayout::~AutoresizingLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

AutoresizingLayout *AutoresizingLayout::of(QWidget *parent)
{
    if (auto *existing = dynamic_cast<AutoresizingLayout *>(parent->layout()))
        return existing;
    return new AutoresizingLayout(parent);
}

void AutoresizingLayout::addWidget(QWidget *widget, const QRect &frame, unsigned mask)
{
    addChildWidget(widget);
    const QSize parentSize = parentWidget() ? parentWidget()->size() : QSize();
    entries.append({new QWidgetItem(widget), frame, mask, parentSize});
    widget->setGeometry(frame);
    invalidate();
}

void AutoresizingLayout::addItem(QLayoutItem *item)
{
    const QSize parentSize = parentWidget() ? parentWidget()->size() : QSize();
    entries.append({item, item->geometry(), FixedFrame, parentSize});
}

QLayoutItem *AutoresizingLayout::itemAt(int index) const
{
    return index >= 0 && index < entries.size() ? entries[index].item : nullptr;
}

QLayoutItem *AutoresizingLayout::takeAt(int index)
{
    if (index < 0 || index >= entries.size())
        return nullptr;
    return entries.takeAt(index).item;
}

QSize AutoresizingLayout::sizeHint() const
{
    return parentWidget() ? parentWidget()->size() : QSize();
}

QRect AutoresizingLayout::resized(const QRect &frame, unsigned mask, QSize from, QSize to)
{
    int x = frame.x(), y = frame.y(), width = frame.width(), height = frame.height();
    resizeAxis(x, width, to.width() - from.width(), mask & FlexibleLeftMargin, mask & FlexibleWidth,
               mask & FlexibleRightMargin);
    resizeAxis(y, height, to.height() - from.height(), mask & FlexibleTopMargin,
               mask & FlexibleHeight, mask & FlexibleBottomMargin);
    return {x, y, qMax(0, width), qMax(0, height)};
}

void AutoresizingLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    for (const Entry &entry : std::as_const(entries))
        entry.item->setGeometry(resized(entry.frame, entry.mask, entry.parentSize, rect.size())
                                    .translated(rect.topLeft()));
}

} // namespace platform
