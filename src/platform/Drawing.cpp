// SPDX-License-Identifier: MIT
#include "platform/Drawing.h"
#include "platform/Resources.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace platform {
namespace {

bool magnifies(const QPainter &painter)
{
    const QRectF pixel = painter.deviceTransform().mapRect(QRectF(0, 0, 1, 1));
    return pixel.width() > 1.0 || pixel.height() > 1.0;
}

} // namespace

void drawControls(QPainter &painter, const QWidget &window)
{
    if (window.autoFillBackground())
        painter.fillRect(window.rect(), window.palette().window());
    // children() lists siblings from the back to the front.
    for (QObject *object : window.children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isHidden())
            continue;
        painter.save();
        painter.translate(child->pos());
        painter.setClipRect(child->rect(), Qt::IntersectClip);
        if (const auto *drawable = dynamic_cast<const Drawable *>(child))
            drawable->draw(painter);
        else
            painter.drawPixmap(0, 0, child->grab());
        painter.restore();
    }
}

void drawPicture(QPainter &painter, const QRect &target, const QImage &picture,
                 const QString &largePath)
{
    if (!largePath.isEmpty() && magnifies(painter)) {
        const QImage large = res::picture(largePath);
        if (!large.isNull()) {
            painter.save();
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(target), large);
            painter.restore();
            return;
        }
    }
    painter.drawImage(target.topLeft(), picture);
}

} // namespace platform
