#pragma once

#include <QPixmap>
#include <QWidget>

namespace platform {

// Shows a picture filling the widget, drawn for the device pixels of the screen it is on (2 at a
// scale of 2, 1.5 at 1.5): never a picture of logical pixels blown up, or one too large cut off.
class PixmapView : public QWidget
{
public:
    explicit PixmapView(QPixmap source, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QPixmap source;
    // The picture as last drawn, at the size and pixel ratio it was drawn for.
    QPixmap scaled;
};

} // namespace platform
