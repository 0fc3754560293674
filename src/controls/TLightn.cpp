// SPDX-License-Identifier: MIT
#include "controls/TLightn.h"
#include "platform/Widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QWindow>

namespace {

QColor colourOf(quint32 value)
{
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

} // namespace

TLightningBolt::TLightningBolt(QWidget *parent)
    : QWidget(parent)
{
    // Every pixel comes from the buffer; the backdrop is captured by hand.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(75, 75);
    BuildModel();
}

TLightningBolt::~TLightningBolt()
{
    setRunning(false);
}

void TLightningBolt::setRunning(bool running)
{
    if (running == Running())
        return;
    if (running) {
        m_timer = new TThreadedTimer(this);
        m_timer->setInterval(StepInterval);
        m_timer->setOnTimer([this](QObject *sender) { RotateStep(sender); });
        m_timer->setEnabled(true);
    } else {
        TThreadedTimer *timer = m_timer;
        m_timer = nullptr;
        timer->setEnabled(false);
        delete timer;
    }
}

void TLightningBolt::setRotatex(int degrees)
{
    m_angles[0] = degrees;
    m_turn.sx = bolt::sinDeg(degrees);
    m_turn.cx = bolt::cosDeg(degrees);
}

void TLightningBolt::setRotatey(int degrees)
{
    m_angles[1] = degrees;
    m_turn.sy = bolt::sinDeg(degrees);
    m_turn.cy = bolt::cosDeg(degrees);
}

void TLightningBolt::setRotatez(int degrees)
{
    m_angles[2] = degrees;
    m_turn.sz = bolt::sinDeg(degrees);
    m_turn.cz = bolt::cosDeg(degrees);
}

void TLightningBolt::BuildModel()
{
    m_vertices = bolt::model();
    ScaleAndProject();
}

void TLightningBolt::ScaleAndProject()
{
    m_scale = bolt::scaleFor(size());
    bolt::scale(m_vertices, m_scale);
    m_points = bolt::projectAll(m_vertices, m_centre);
    paint();
}

void TLightningBolt::RotateStep(QObject *)
{
    for (int i = 0; i < bolt::VertexCount; ++i) {
        m_vertices[i] = bolt::rotate(m_vertices[i], m_turn);
        m_points[i] = bolt::project(m_vertices[i], m_centre);
    }
    paint();
    if (Running() && OnTimer)
        OnTimer(this);
}

// What the system's request to paint does: a fresh backdrop, the centre of
// the current size, and the figure back in its starting pose.
void TLightningBolt::paintMessage()
{
    m_rebuild = false;
    m_buffer = QImage(size(), QImage::Format_RGB32);
    captureBackdrop();
    m_centre = QPoint(width() / 2, height() / 2);
    BuildModel();
}

// The backdrop is what lies under the emblem without the emblem: the
// parent's own painting and the siblings stacked below, never this control,
// or every frame would be baked into the next as a trail.
void TLightningBolt::captureBackdrop()
{
    m_background = QImage(size(), QImage::Format_RGB32);
    QWidget *parent = parentWidget();
    if (!parent)
        return;
    m_background.fill(parent->palette().color(parent->backgroundRole()));
    QPainter painter(&m_background);
    parent->render(&painter, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    for (QObject *child : parent->children()) {
        if (child == this)
            break;
        auto *below = qobject_cast<QWidget *>(child);
        if (!below || below->isWindow() || !below->isVisible()
            || !below->geometry().intersects(geometry()))
            continue;
        below->render(&painter, below->pos() - pos(), QRegion(),
                      QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
}

void TLightningBolt::paint()
{
    drawBuffer();
    if (parentWidget() && isVisible() && !m_painting)
        repaint();
}

void TLightningBolt::drawBuffer()
{
    if (m_buffer.isNull())
        return; // not painted by the system yet: nothing to draw on
    if (Transparent && m_background.size() == m_buffer.size())
        m_buffer = m_background.copy();
    else
        m_buffer.fill(colourOf(BackGroundColor));
    const int level = Shading ? ShadeLevel() : 0;
    const QColor side = Shading ? QColor(level, level, level) : colourOf(Shade);
    const QColor front = colourOf(FrontFaceColor);
    const QColor back = colourOf(Shading ? FrontFaceColor : BackFaceColor);
    QPainter painter(&m_buffer);
    painter.setPen(Qt::NoPen);
    QPoint corners[11];
    for (const bolt::Polygon &polygon : bolt::paintOrder(m_vertices)) {
        painter.setBrush(polygon.fill == bolt::Fill::Side        ? side
                         : polygon.fill == bolt::Fill::FaceFront ? front
                                                                 : back);
        const int count = int(polygon.vertices.size());
        for (int i = 0; i < count; ++i)
            corners[i] = m_points[polygon.vertices[i] - 1];
        painter.drawPolygon(corners, count);
    }
}

bool TLightningBolt::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
        watchWindowExposure();
        m_rebuild = true;
        break;
    case QEvent::Resize:
        m_rebuild = true;
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// A window uncovered is exposed without a paint event of ours; the expose
// of the window is what tells us.
void TLightningBolt::watchWindowExposure()
{
    QWindow *handle = window()->windowHandle();
    if (!handle || handle == m_watchedWindow)
        return;
    if (m_watchedWindow)
        m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = handle;
    handle->installEventFilter(this);
    connect(handle, &QObject::destroyed, this, [this] { m_watchedWindow = nullptr; });
}

bool TLightningBolt::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_watchedWindow && event->type() == QEvent::Expose) {
        m_rebuild = true;
        update();
    }
    return QWidget::eventFilter(watched, event);
}

void TLightningBolt::paintEvent(QPaintEvent *)
{
    const QScopedValueRollback<bool> painting(m_painting, true);
    if (m_rebuild || m_buffer.size() != size())
        paintMessage();
    QPainter(this).drawImage(0, 0, m_buffer);
}

void TLightningBolt::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(this, event);
}

void TLightningBolt::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked(this);
    emit mousePressed(this, event);
}

void TLightningBolt::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(this, event);
}

void TLightningBolt::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(this, event);
    if (platform::endsClick(*this, *event))
        emit clicked(this);
}
