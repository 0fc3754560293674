// SPDX-License-Identifier: MIT
#include "scoring/CardLine.h"
#include "platform/Resources.h"

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
    image.fill(Qt::white);
    drawGrid(image);
    drawContents(image);
    return image;
}

void TCardLine::drawGrid(QImage &image) const
{
    QPainter painter(&image);
    if (m_topLine > 0)
        painter.fillRect(0, 0, image.width(), m_topLine, Separator);
    painter.fillRect(30, 0, 1, image.height(), Separator);
    painter.fillRect(60, 0, 1, image.height(), Separator);
}

void TCardLine::drawContents(QImage &image) const
{
    static const QColor Colours[3] = {Qt::black, QColor(0, 0, 255), QColor(255, 0, 0)};
    QPainter painter(&image);
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
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(this);
}

void TCardCheckLine::drawContents(QImage &image) const
{
    static constexpr int Lefts[3] = {2, 32, 62};
    QPainter painter(&image);
    for (int i = 0; i < 3; ++i) {
        const QString text = col(i + 1);
        if (text.isEmpty() || text == QLatin1String("0"))
            continue;
        const QImage marks = res::picture(res::bitmap(res::checkMarks(text.toInt())));
        if (!marks.isNull())
            painter.drawImage(QPoint(Lefts[i], 1), marks, QRect(0, 0, 25, 15));
    }
}
