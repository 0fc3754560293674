// SPDX-License-Identifier: MIT
// Mouse cursors: the pencil that marks the scorecard and the closed hand
// that grabs the dice. Hot spots: pencil tip (5,27), hand centre (15,15).

#include "common.h"

#include <QLinearGradient>

#include <cmath>

namespace art {

namespace {

const QColor Outline(0, 0, 0);
const QColor Skin(255, 222, 188);
const QColor SkinShade(232, 184, 146);

void pencil()
{
    QImage img = canvas(32, 32, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    // Drawn along +x from the point, then laid at 45 degrees up and right.
    p.translate(4.9, 28.1);
    p.rotate(-45);

    const qreal half = 3.3;
    const qreal cone = 8.5, ferrule = 25.5, eraser = 28.5, end = 32;
    QPainterPath wood;
    wood.moveTo(0, 0);
    wood.lineTo(cone, -half);
    wood.lineTo(cone, half);
    wood.closeSubpath();
    QPainterPath lead;
    lead.moveTo(0, 0);
    lead.lineTo(3, -half * 3 / cone);
    lead.lineTo(3, half * 3 / cone);
    lead.closeSubpath();
    const QRectF body(cone, -half, ferrule - cone, 2 * half);
    const QRectF band(ferrule, -half, eraser - ferrule, 2 * half);
    QPainterPath rubber;
    rubber.addRoundedRect(QRectF(eraser - 1.5, -half, end - eraser + 1.5, 2 * half), 2, 2);

    QPainterPath whole = wood;
    whole.addRect(body);
    whole.addRect(band);
    whole = whole.united(rubber);
    dropShadow(p, whole, {1.2, 1.2}, QColor(0, 0, 0, 90), 1);

    const auto across = [&](const QColor &a, const QColor &b) {
        QLinearGradient g(0, -half, 0, half);
        g.setColorAt(0, a);
        g.setColorAt(0.35, a.lighter(104));
        g.setColorAt(1, b);
        return g;
    };
    p.fillPath(rubber, across(QColor(255, 200, 196), QColor(226, 140, 136)));
    p.fillRect(body, across(Qt::white, QColor(196, 196, 204)));
    p.fillRect(band, across(QColor(236, 236, 240), QColor(140, 140, 150)));
    p.fillPath(wood, across(Skin, SkinShade));
    p.fillPath(lead, QColor(30, 30, 30));

    const QPen line(Outline, 1.0, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    p.strokePath(whole.simplified(), line);
    p.setPen(QPen(Outline, 0.8));
    p.drawLine(QPointF(cone, -half), QPointF(cone, half));
    p.drawLine(QPointF(ferrule, -half), QPointF(ferrule, half));
    p.drawLine(QPointF(eraser, -half), QPointF(eraser, half));
    // A facet line along the body.
    p.setPen(QPen(QColor(150, 150, 160), 0.7));
    p.drawLine(QPointF(cone + 0.5, 1.0), QPointF(ferrule - 0.5, 1.0));
    p.end();
    // The writing point is the hot spot: it must be a solid pixel.
    img.setPixelColor(5, 27, QColor(20, 20, 20));
    savePng(img, QStringLiteral("cursors/1.png"), {32, 32});
}

void hand()
{
    QImage img = canvas(32, 32, Qt::transparent);
    QPainter p(&img);
    prepare(p);

    // Seen from the palm side: four curled fingers on top, the thumb folded
    // across them, the wrist below.
    QPainterPath fingers;
    const qreal tops[] = {8.5, 6.5, 6.5, 8};
    for (int i = 0; i < 4; ++i)
        fingers.addRoundedRect(QRectF(7 + 4.5 * i, tops[i], 5, 9.5), 2.4, 2.4);
    QPainterPath palm;
    palm.addRoundedRect(QRectF(7, 11.5, 18.5, 11.5), 4, 4);
    QPainterPath wrist;
    wrist.addRect(QRectF(10.5, 20, 12, 5.5));
    QPainterPath whole = fingers.united(palm).united(wrist);
    dropShadow(p, whole, {1.2, 1.2}, QColor(0, 0, 0, 90), 1);

    QLinearGradient light(7, 6, 24, 25);
    light.setColorAt(0, Skin.lighter(104));
    light.setColorAt(1, SkinShade);
    p.fillPath(whole, light);
    const QPen line(Outline, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(whole.simplified(), line);
    // Creases between the curled fingers.
    p.setPen(line);
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(7 + 4.5 * i + 0.25, tops[i] + 2.5), QPointF(7 + 4.5 * i + 0.25, 12.5));
    // The thumb lies across the front of the fist, over the knuckles.
    p.save();
    p.translate(10.5, 16.5);
    p.rotate(-18);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-7, -2.8, 12.5, 5.6), 2.8, 2.8);
    p.fillPath(thumb, light);
    p.strokePath(thumb, line);
    p.restore();
    // The cuff edge at the wrist.
    p.setPen(QPen(Outline, 1.0));
    p.drawLine(QPointF(10.5, 25.5), QPointF(22.5, 25.5));
    p.end();
    savePng(img, QStringLiteral("cursors/2.png"), {32, 32});
}

} // namespace

void makeCursors()
{
    pencil();
    hand();
}

} // namespace art
