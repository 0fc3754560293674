// SPDX-License-Identifier: MIT
#include "game/PrintCard.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

bool printCard(QPaintDevice &device, const QImage &image, double screenDpi)
{
    QPainter painter;
    if (screenDpi <= 0 || !painter.begin(&device))
        return false;
    const double scaleX = device.logicalDpiX() / screenDpi;
    const double scaleY = device.logicalDpiY() / screenDpi;
    painter.drawImage(QRectF(0, 0, image.width() * scaleX, image.height() * scaleY), image);
    return painter.end();
}
