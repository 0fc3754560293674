// SPDX-License-Identifier: MIT
#pragma once

class QImage;
class QPaintDevice;

// Paints a scorecard's image at the device's top left corner, scaled by the
// device's dots per inch over the screen's, so that a printed card keeps the
// size in inches it has on screen. False when the device cannot be painted.
bool printCard(QPaintDevice &device, const QImage &image, double screenDpi);
