#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace platform {

// The least contrast between a text and its background that reads well, as WCAG AA asks of
// normal-sized text.
constexpr double LEGIBLE_CONTRAST = 4.5;

// WCAG's contrast ratio of two opaque colours: 1 for equal ones, 21 for black on white.
double contrastRatio(const QColor &a, const QColor &b);

// The wanted colour where it reads on the background; otherwise that colour moved toward white
// or black, whichever the background sets off better, just far enough to reach the contrast. A
// translucent colour is taken as it shows over the background; what comes back is opaque.
QColor legibleOn(const QColor &wanted, const QColor &background,
                 double contrast = LEGIBLE_CONTRAST);

// Colours the widget's text with the wanted colour (without one, the colour the application's
// palette gives it), made legible on the colour it is drawn on, and again whenever the
// application's palette changes (a desktop turning dark). Qt draws a widget's text in its
// foreground role, which follows the background role it inherits (Text on Base, WindowText on
// Window: qtbase, src/widgets/kernel/qwidget.cpp, QWidget::foregroundRole() and
// backgroundRole()), so the colour goes where the widget reads it.
void setTextColor(QWidget *widget, std::optional<QColor> wanted = std::nullopt);

} // namespace platform
