#pragma once

#include <QStringList>

class QWidget;

namespace platform {

// The width a label or button needs to show the widest of the texts whole in its own font, and
// never less than the given width: a translation may need more room than the English that the
// layout was drawn for, and the English keeps its numbers.
int widthForTexts(const QWidget *control, const QStringList &texts, int atLeast);

} // namespace platform
