// SPDX-License-Identifier: MIT
#include "controls/Animate.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTimerEvent>

TAnimated::TAnimated(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(30, 30);
}

void TAnimated::setInterval(int interval)
{
    if (interval == m_interval)
        return;
    m_timer.stop();
    if (m_play && interval > 0)
        m_timer.start(interval, Qt::PreciseTimer, this);
    m_interval = interval;
}

void TAnimated::setFrame(int frame)
{
    const int target = frame < 0 ? frames() - 1 : frame % frames();
    if (target == m_frame)
        return;
    m_frame = target;
    emit changeFrame(this);
    update();
}

void TAnimated::setBitMap(const QPixmap &strip)
{
    m_strip = strip;
    resize(width(), m_strip.height() > 0 ? m_strip.height() : 30);
    update();
}

void TAnimated::loadBitMap(const QPixmap &strip)
{
    m_strip = strip;
    update();
}

void TAnimated::setPlay(bool play)
{
    if (play == m_play)
        return;
    m_play = play;
    if (m_play && m_interval > 0)
        m_timer.start(m_interval, Qt::PreciseTimer, this);
    else if (!m_play)
        m_timer.stop();
}

void TAnimated::setTransparentColor(quint32 colour)
{
    if (colour == m_transparentColor)
        return;
    m_transparentColor = colour;
    update();
}

void TAnimated::step()
{
    // The handler of changeFrame may move the frame; the end test reads the
    // frame it left.
    if (!m_reverse) {
        setFrame(m_frame + 1);
        if (m_frame == frames() - 1)
            endTest();
    } else {
        setFrame(m_frame - 1);
        if (m_frame == 0)
            endTest();
    }
}

void TAnimated::endTest()
{
    if (m_loop)
        return;
    m_play = false;
    m_timer.stop();
}

void TAnimated::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_timer.timerId())
        step();
    else
        QWidget::timerEvent(event);
}

void TAnimated::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_strip.height() > 0)
        painter.drawPixmap(QRect(0, 0, width(), height()), m_strip,
                           QRect(width() * m_frame, 0, width(), height()));
    else
        painter.fillRect(rect(), Qt::white);
}

void TAnimated::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(this, event);
}

void TAnimated::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit mousePressed(this, event);
}

void TAnimated::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(this, event);
}
