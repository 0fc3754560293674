// SPDX-License-Identifier: MIT
#include "controls/QuindleDice.h"
#include "platform/Random.h"
#include "platform/Resources.h"

#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr QRgb Green = 0xff00ff00;

// Value 0 has no resource: a face of the right colour without pips.
QImage blankFace(bool held)
{
    // A copy: the decoded faces are shared and must stay as they are.
    QImage face = res::picture(res::bitmap(held ? 1007 : 1001)).copy();
    if (face.isNull()) {
        face = QImage(TQuindleDice::Size, TQuindleDice::Size, QImage::Format_RGB32);
        face.fill(Qt::white);
    }
    const QRgb colour = face.pixel(TQuindleDice::Size / 2, 6);
    QPainter p(&face);
    p.fillRect(QRect(4, 4, TQuindleDice::Size - 8, TQuindleDice::Size - 8), QColor(colour));
    return face;
}
} // namespace

TQuindleDice::TQuindleDice(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(Size, Size);
}

void TQuindleDice::setValue(int value)
{
    m_value = qBound(0, value, 6);
    repaint();
    emit changed();
}

void TQuindleDice::setSelected(bool selected)
{
    m_selected = selected;
    repaint();
    emit changed();
}

void TQuindleDice::Roll()
{
    setValue(rng::random(6) + 1);
}

QImage TQuindleDice::face() const
{
    if (m_value == 0)
        return blankFace(m_selected);
    QImage image = res::picture(res::bitmap((m_selected ? 1006 : 1000) + m_value));
    if (image.isNull()) {
        image = QImage(Size, Size, QImage::Format_RGB32);
        image.fill(Green);
    }
    return image;
}

void TQuindleDice::paintEvent(QPaintEvent *)
{
    {
        QPainter painter(this);
        painter.drawImage(0, 0, face());
    }
    // A die is always 45 by 45, whatever size code gave it.
    if (width() != Size || height() != Size)
        resize(Size, Size);
}

void TQuindleDice::mousePressEvent(QMouseEvent *event)
{
    flip();
    event->accept();
}

void TQuindleDice::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a press like any other.
    flip();
    event->accept();
}

void TQuindleDice::changeEvent(QEvent *event)
{
    // A disabled die lets its presses through to the tray behind it.
    if (event->type() == QEvent::EnabledChange)
        setAttribute(Qt::WA_TransparentForMouseEvents, !isEnabled());
    QWidget::changeEvent(event);
}

void TQuindleDice::flip()
{
    setSelected(!m_selected);
}
