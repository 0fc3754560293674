// SPDX-License-Identifier: MIT
#include "platform/Resources.h"
#include "platform/Widgets.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget *parent)
    : QWidget(parent)
{
}

TImage *TImage::create(QWidget *parent, const char *name, const QString &path, QPoint topLeft)
{
    auto *image = new TImage(parent);
    image->setObjectName(QLatin1String(name));
    image->setPicture(res::picture(path));
    image->setGeometry(QRect(topLeft, image->picture().size()));
    return image;
}

void TImage::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TImage::draw(QPainter &painter) const
{
    if (!m_picture.isNull())
        platform::drawPicture(painter, rect(), m_picture, m_largePath);
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    draw(painter);
}

void TImage::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(this, event);
}

void TImage::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit mousePressed(this, event);
}

void TImage::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(this, event);
    if (platform::endsClick(*this, *event))
        emit clicked(this);
}

TShape::TShape(QWidget *parent)
    : QWidget(parent)
{
}

void TShape::setPen(const QColor &colour, int width)
{
    m_pen = colour;
    m_penWidth = width;
    update();
}

void TShape::setBrush(const QColor &colour)
{
    m_brush = colour;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    draw(painter);
}

void TShape::draw(QPainter &painter) const
{
    painter.save();
    if (m_brush.isValid())
        painter.fillRect(rect(), m_brush);
    // The pen lies inside the rectangle, as a framed shape draws it.
    QPen pen(m_pen, m_penWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = m_penWidth / 2.0;
    painter.drawRect(QRectF(inset, inset, width() - m_penWidth, height() - m_penWidth));
    painter.restore();
}

void TShape::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(this, event);
}

void TShape::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit mousePressed(this, event);
}

void TShape::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(this, event);
}

namespace {
const QColor Highlight(255, 255, 255);
const QColor Shadow(128, 128, 128);

// Draws one ring of a bevel `inset` pixels inside `bounds`.
void ring(QPainter &painter, const QRect &bounds, int inset, BevelStyle style)
{
    const QRect r = bounds.adjusted(inset, inset, -inset, -inset);
    const QColor topLeft = style == BevelStyle::Raised ? Highlight : Shadow;
    const QColor bottomRight = style == BevelStyle::Raised ? Shadow : Highlight;
    painter.fillRect(r.left(), r.top(), r.width(), 1, topLeft);
    painter.fillRect(r.left(), r.top(), 1, r.height(), topLeft);
    painter.fillRect(r.left(), r.bottom(), r.width(), 1, bottomRight);
    painter.fillRect(r.right(), r.top(), 1, r.height(), bottomRight);
}
} // namespace

TBevel::TBevel(QWidget *parent, BevelStyle style)
    : QWidget(parent), m_style(style)
{
}

void TBevel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool raised = m_style == BevelStyle::Raised;
    painter.fillRect(0, 0, width(), 1, raised ? Highlight : Shadow);
    painter.fillRect(0, 1, width(), 1, raised ? Shadow : Highlight);
}

TPanel::TPanel(QWidget *parent, BevelStyle outer, BevelStyle inner, const QColor &colour)
    : QWidget(parent), m_outer(outer), m_inner(inner), m_colour(colour)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_colour);
    ring(painter, rect(), 0, m_outer);
    ring(painter, rect(), 1, m_inner);
}
