#include "platform/CenteredLayout.h"

namespace platform {

CenteredLayout::CenteredLayout(QWidget *parent, qreal maximumFraction)
    : QLayout(parent), fraction(maximumFraction)
{
    setContentsMargins(0, 0, 0, 0);
}

CenteredLayout::~CenteredLayout()
{
    delete child;
}

void CenteredLayout::addItem(QLayoutItem *item)
{
    delete child;
    child = item;
}

QLayoutItem *CenteredLayout::takeAt(int index)
{
    if (index != 0)
        return nullptr;
    return std::exchange(child, nullptr);
}

QSize CenteredLayout::sizeHint() const
{
    return child ? child->sizeHint() / fraction : QSize();
}

void CenteredLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    if (!child)
        return;
    const QSize limit(int(rect.width() * fraction), int(rect.height() * fraction));
    const QSize size = child->sizeHint().boundedTo(limit);
    child->setGeometry(QRect(QPoint(rect.x() + (rect.width() - size.width()) / 2,
                                    rect.y() + (rect.height() - size.height()) / 2),
                             size));
}

} // namespace platform
