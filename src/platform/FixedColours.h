// SPDX-License-Identifier: MIT
#pragma once
// The game's windows keep the colours they were drawn in, whatever scheme the
// desktop uses: a dark desktop palette would otherwise put light text on the
// game's own silver, green and white surfaces.

#include <QColor>
#include <QPalette>

class QWidget;

namespace platform {

// The toolkit's own light palette: black text on light grey buttons and
// windows, white fields; every role and group set.
QPalette lightPalette();

// Gives `widget` the light palette, with `window` as its background when it
// is valid and `text` as the colour of every text in every state but
// disabled. The palette is complete, so no desktop colour reaches the widget
// or its children.
void fixColours(QWidget *widget, const QColor &window = QColor(), const QColor &text = Qt::black);

} // namespace platform
