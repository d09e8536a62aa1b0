#pragma once

#include <QLayout>
#include <QList>
#include <QRect>

namespace platform {

// Which parts of a child follow its parent when the parent changes size; the rest keep their
// distance to the parent's edges. Coordinates are top-left based.
enum Autoresizing : unsigned
{
    FixedFrame = 0,
    FlexibleLeftMargin = 1,
    FlexibleWidth = 2,
    FlexibleRightMargin = 4,
    FlexibleTopMargin = 8,
    FlexibleHeight = 16,
    FlexibleBottomMargin = 32,
};

// Places each child at a fixed frame, adjusted by its autoresizing mask when the parent grows
// or shrinks. The size change is shared equally between the flexible parts of each axis.
class AutoresizingLayout : public QLayout
{
public:
    explicit AutoresizingLayout(QWidget *parent);
    ~AutoresizingLayout() override;

    // The layout of the parent, made on first use.
    static AutoresizingLayout *of(QWidget *parent);

    // The frame is taken as given for the parent's current size.
    void addWidget(QWidget *widget, const QRect &frame, unsigned mask);

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override { return int(entries.size()); }
    QSize sizeHint() const override;
    QSize minimumSize() const override { return {0, 0}; }
    void setGeometry(const QRect &rect) override;

    // The frame a child with this mask gets when its parent goes from one size to another.
    static QRect resized(const QRect &frame, unsigned mask, QSize from, QSize to);

private:
    struct Entry
    {
        QLayoutItem *item;
        QRect frame;
        unsigned mask;
        QSize parentSize;
    };
    QList<Entry> entries;
};

} // namespace platform
