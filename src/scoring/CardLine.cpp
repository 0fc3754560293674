// SPDX-License-Identifier: MIT
#include "scoring/CardLine.h"
#include "platform/Resources.h"
#include "platform/Widgets.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
const QColor Separator(192, 192, 192);
constexpr int ColumnCentres[3] = {15, 45, 75};
}

TCardLine::TCardLine(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(DefaultWidth, DefaultHeight);
}

void TCardLine::setCol(int column, const QString &text)
{
    m_cols[column - 1] = text.left(MaxLength);
    repaint();
}

void TCardLine::setTopLine(int width)
{
    m_topLine = width;
    repaint();
}

int TCardLine::columnAt(int x)
{
    if (x < 30)
        return 1;
    return x <= 60 ? 2 : 3;
}

QImage TCardLine::picture() const
{
    QImage image(size(), QImage::Format_RGB32);
    QPainter painter(&image);
    draw(painter);
    return image;
}

void TCardLine::draw(QPainter &painter) const
{
    painter.save();
    painter.fillRect(rect(), Qt::white);
    drawGrid(painter);
    drawContents(painter);
    painter.restore();
}

void TCardLine::drawGrid(QPainter &painter) const
{
    if (m_topLine > 0)
        painter.fillRect(0, 0, width(), m_topLine, Separator);
    painter.fillRect(30, 0, 1, height(), Separator);
    painter.fillRect(60, 0, 1, height(), Separator);
}

void TCardLine::drawContents(QPainter &painter) const
{
    static const QColor Colours[3] = {Qt::black, QColor(0, 0, 255), QColor(255, 0, 0)};
    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (int i = 0; i < 3; ++i) {
        if (m_cols[i].isEmpty())
            continue;
        painter.setPen(i == 0 ? palette().color(QPalette::WindowText) : Colours[i]);
        const int x = ColumnCentres[i] - metrics.horizontalAdvance(m_cols[i]) / 2;
        painter.drawText(x, 2 + metrics.ascent(), m_cols[i]);
    }
}

void TCardLine::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, picture());
}

void TCardLine::mousePressEvent(QMouseEvent *event)
{
    m_clickColumn = columnAt(int(event->position().x()));
    QWidget::mousePressEvent(event);
    event->accept();
}

void TCardLine::mouseReleaseEvent(QMouseEvent *event)
{
    if (platform::endsClick(*this, *event))
        emit clicked(this);
}

void TCardCheckLine::drawContents(QPainter &painter) const
{
    static constexpr int Lefts[3] = {2, 32, 62};
    for (int i = 0; i < 3; ++i) {
        const QString text = col(i + 1);
        if (text.isEmpty() || text == QLatin1String("0"))
            continue;
        const QString name = res::checkMarks(text.toInt());
        const QImage marks = res::picture(res::bitmap(name));
        if (!marks.isNull())
            platform::drawPicture(painter, QRect(Lefts[i], 1, 25, 15), marks, res::largeBitmap(name));
    }
}
