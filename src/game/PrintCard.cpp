// SPDX-License-Identifier: MIT
#include "game/PrintCard.h"
#include "platform/Drawing.h"

#include <QPaintDevice>
#include <QPainter>
#include <QWidget>

bool printCard(QPaintDevice &device, const QWidget &card, double screenDpi)
{
    QPainter painter;
    if (screenDpi <= 0 || !painter.begin(&device))
        return false;
    painter.scale(device.logicalDpiX() / screenDpi, device.logicalDpiY() / screenDpi);
    platform::drawControls(painter, card);
    return painter.end();
}
