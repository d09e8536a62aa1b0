#pragma once

#include <QLayout>

namespace platform {

// Holds one child at its preferred size, centred, and never larger than the given fraction of
// the parent's width and height.
class CenteredLayout : public QLayout
{
public:
    CenteredLayout(QWidget *parent, qreal maximumFraction);
    ~CenteredLayout() override;

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override { return index == 0 ? child : nullptr; }
    QLayoutItem *takeAt(int index) override;
    int count() const override { return child ? 1 : 0; }
    QSize sizeHint() const override;
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect &rect) override;

private:
    qreal fraction;
    QLayoutItem *child = nullptr;
};

} // namespace platform
