// SPDX-License-Identifier: MIT
// The dice cup strip: ten 41x40 frames side by side. The cup rocks while
// the player shakes it, tips over to pour, and stands back up.

#include "common.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <QTransform>

#include <cmath>

namespace art {

namespace {

constexpr int FrameW = 41, FrameH = 40, Frames = 10;

// Cup coordinates: origin at the middle of the base, y grows downwards,
// so the mouth is at y = -Height.
constexpr qreal Height = 28;
constexpr qreal BaseHalf = 8.0;
constexpr qreal MouthHalf = 10.0;
constexpr qreal Curve = 2.4;   // how round the base ellipse looks
constexpr qreal MouthCurve = 3.4;   // seen from a little above, the mouth opens more

qreal halfWidthAt(qreal y) { return BaseHalf + (MouthHalf - BaseHalf) * (-y / Height); }

QPainterPath bodyPath()
{
    QPainterPath p;
    p.moveTo(-MouthHalf, -Height);
    p.lineTo(-BaseHalf, 0);
    p.arcTo(QRectF(-BaseHalf, -Curve, 2 * BaseHalf, 2 * Curve), 180, 180);
    p.lineTo(MouthHalf, -Height);
    p.arcTo(QRectF(-MouthHalf, -Height - MouthCurve, 2 * MouthHalf, 2 * MouthCurve), 0, -180);
    p.closeSubpath();
    return p;
}

// A band of leather around the cup between two heights.
QPainterPath bandPath(qreal yTop, qreal yBottom, qreal bulge)
{
    const qreal t = halfWidthAt(yTop) + bulge, b = halfWidthAt(yBottom) + bulge;
    QPainterPath p;
    p.moveTo(-t, yTop);
    p.lineTo(-b, yBottom);
    p.arcTo(QRectF(-b, yBottom - Curve, 2 * b, 2 * Curve), 180, 180);
    p.lineTo(t, yTop);
    p.arcTo(QRectF(-t, yTop - Curve, 2 * t, 2 * Curve), 0, 180);
    p.closeSubpath();
    return p;
}

QLinearGradient leather(qreal half, const QColor &base)
{
    // Cylinder lighting: a soft highlight left of centre, dark edges.
    QLinearGradient g(-half, 0, half, 0);
    g.setColorAt(0.0, base.darker(230));
    g.setColorAt(0.18, base.darker(130));
    g.setColorAt(0.36, base.lighter(135));
    g.setColorAt(0.5, base.lighter(112));
    g.setColorAt(0.8, base.darker(150));
    g.setColorAt(1.0, base.darker(260));
    return g;
}

void drawCup(QPainter &p)
{
    const QColor hide(150, 76, 34);
    const QColor trim(96, 44, 18);
    const QColor line(52, 24, 8);

    const QPainterPath body = bodyPath();
    p.fillPath(body, leather(MouthHalf, hide));

    // Tooled trim bands at the base and under the rim, with stitching.
    const QPainterPath base = bandPath(-4.2, 0, 0.7);
    const QPainterPath rim = bandPath(-Height, -Height + 4.2, 0.8);
    for (const QPainterPath *band : {&base, &rim}) {
        p.fillPath(*band, leather(MouthHalf + 1, trim));
        p.strokePath(*band, QPen(line, 0.8));
    }
    QPen stitch(QColor(236, 200, 140), 0.7, Qt::CustomDashLine, Qt::FlatCap);
    stitch.setDashPattern({1.6, 1.4});
    p.setPen(stitch);
    for (qreal y : {-2.1, -Height + 2.1}) {
        const qreal h = halfWidthAt(y) - 0.4;
        p.drawArc(QRectF(-h, y - Curve, 2 * h, 2 * Curve), 200 * 16, 140 * 16);
    }

    // A small brass emblem in the middle of the leather.
    const QPointF c(-0.8, -Height / 2);
    QPainterPath diamond;
    diamond.moveTo(c + QPointF(0, -3.6));
    diamond.lineTo(c + QPointF(2.8, 0));
    diamond.lineTo(c + QPointF(0, 3.6));
    diamond.lineTo(c + QPointF(-2.8, 0));
    diamond.closeSubpath();
    QLinearGradient brass(c + QPointF(-3, -3), c + QPointF(3, 3));
    brass.setColorAt(0, QColor(255, 236, 150));
    brass.setColorAt(0.5, QColor(214, 164, 48));
    brass.setColorAt(1, QColor(130, 88, 16));
    p.fillPath(diamond, brass);
    p.strokePath(diamond, QPen(QColor(90, 56, 10), 0.6));

    // The open mouth: dark inside, lighter on the far wall.
    const qreal m = MouthHalf + 0.8;
    QRectF mouth(-m, -Height - MouthCurve, 2 * m, 2 * MouthCurve);
    QLinearGradient inside(0, mouth.top(), 0, mouth.bottom());
    inside.setColorAt(0, QColor(120, 62, 28));
    inside.setColorAt(0.6, QColor(40, 18, 6));
    inside.setColorAt(1, QColor(20, 8, 2));
    p.setPen(QPen(line, 0.8));
    p.setBrush(inside);
    p.drawEllipse(mouth);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(214, 150, 96), 0.7));
    p.drawArc(mouth.adjusted(0.6, 0.4, -0.6, -0.4), 200 * 16, 140 * 16);

    p.strokePath(body, QPen(line, 1.0));
}

void drawSmallDie(QPainter &p, QPointF centre, qreal angle, int face)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    DieLook look = freeDie();
    look.pipRadius = 0.13;
    look.rim = 0.1;
    look.outline = QColor(30, 30, 30);
    look.outlineWidth = 0.9;
    drawDie(p, QRectF(-4.5, -4.5, 9, 9), face, look);
    p.restore();
}

struct Pose {
    qreal angle;     // degrees, clockwise
    QPointF pivot;   // point of the cup (cup coordinates) kept on `at`
    QPointF at;      // where the pivot sits in the frame
    qreal shadow;    // how much of the cup's ground shadow shows
};

QTransform poseTransform(const Pose &pose, int frame)
{
    QTransform t;
    t.translate(frame * FrameW + pose.at.x(), pose.at.y());
    t.rotate(pose.angle);
    t.translate(-pose.pivot.x(), -pose.pivot.y());
    return t;
}

// Keeps a tipped cup inside its frame, one pixel clear of the edges.
Pose fitted(Pose pose)
{
    const QRectF box = poseTransform(pose, 0).map(bodyPath()).boundingRect().adjusted(-1, -1.5, 1, 1.5);
    QPointF shift;
    if (box.left() < 0.5)
        shift.rx() = 0.5 - box.left();
    if (box.right() > FrameW - 0.5)
        shift.rx() = FrameW - 0.5 - box.right();
    if (box.top() < 0.5)
        shift.ry() = 0.5 - box.top();
    pose.at += shift;
    return pose;
}

} // namespace

void makeCup()
{
    QImage strip = canvas(FrameW * Frames, FrameH, Qt::white);
    QPainter p(&strip);
    prepare(p);

    const qreal ground = 37.5;
    const QPointF rest(20.5, ground);
    const QPointF right(BaseHalf + 0.7, 0), left(-BaseHalf - 0.7, 0);
    const QPointF middle(0, -Height / 2);
    const Pose poses[Frames] = {
        {0, {0, 0}, rest, 1},
        {8, right, rest + right, 1},
        {17, right, rest + right, 1},
        {-8, left, rest + left, 1},
        {-17, left, rest + left, 1},
        {40, middle, {19, 21}, 0.7},
        {78, middle, {18, 18}, 0.5},
        {102, middle, {15, 12}, 0.4},
        {122, middle, {14, 12}, 0.35},
        {0, {0, 0}, rest, 1},
    };

    for (int f = 0; f < Frames; ++f) {
        const Pose pose = f >= 5 && f <= 8 ? fitted(poses[f]) : poses[f];
        p.save();
        p.setClipRect(QRect(f * FrameW, 0, FrameW, FrameH));

        // The shadow on the table follows the cup, fading as it lifts.
        const QRectF footprint = poseTransform(pose, f).map(bodyPath()).boundingRect();
        QRectF shade(footprint.left() + 1, ground - 2.6, footprint.width() - 1, 4.6);
        QPainterPath shadow;
        shadow.addEllipse(shade);
        dropShadow(p, shadow, {1.5, 0.3}, QColor(60, 40, 20, int(110 * pose.shadow)), 1);

        p.setTransform(poseTransform(pose, f));
        drawCup(p);
        p.resetTransform();

        // Dice tumbling out once the mouth points down.
        const QPointF mouth = poseTransform(pose, f).map(QPointF(0, -Height));
        if (f == 7) {
            drawSmallDie(p, mouth + QPointF(1.5, 15), 25, 3);
        } else if (f == 8) {
            drawSmallDie(p, QPointF(f * FrameW + 29, ground - 2.5), 6, 5);
            drawSmallDie(p, mouth + QPointF(6.5, 2.5), -32, 2);
        }
        p.restore();
    }
    p.end();
    savePng(strip.convertToFormat(QImage::Format_RGB32), QStringLiteral("bitmaps/4.png"),
            {FrameW * Frames, FrameH});
}

} // namespace art
