// SPDX-License-Identifier: MIT
#pragma once

class QPaintDevice;
class QWidget;

// Draws a scorecard's client area at the device's top left corner (on a
// printer, the top left of the printable area), scaled by the device's dots
// per inch over the screen's so that the card keeps its size in inches. The
// card is drawn at the device's own resolution, from the code that paints
// it on screen, so that text and rules stay sharp. False when the device
// cannot be painted.
bool printCard(QPaintDevice &device, const QWidget &card, double screenDpi);
