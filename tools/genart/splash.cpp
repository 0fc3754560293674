// SPDX-License-Identifier: MIT
// The title picture of the splash and About window: the name and the
// credits on a gradient from deep blue to grey. The emblem tumbles over the
// upper right (168, 1, 129 x 128), so that corner holds only the gradient and
// a soft glow for the bolt to stand in.

#include "common.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace art {

namespace {

const QRectF EmblemRoom(168, 1, 129, 128);

void background(QPainter &p, const QRect &r)
{
    QLinearGradient g(QPointF(190, 0), QPointF(110, 200));
    g.setColorAt(0.0, QColor(12, 30, 96));
    g.setColorAt(0.45, QColor(42, 72, 150));
    g.setColorAt(0.72, QColor(120, 138, 180));
    g.setColorAt(1.0, QColor(204, 206, 212));
    p.fillRect(r, g);

    // A faint glow where the bolt turns, brightest at its centre.
    QRadialGradient glow(EmblemRoom.center(), 66);
    glow.setColorAt(0.0, QColor(120, 170, 255, 110));
    glow.setColorAt(0.6, QColor(80, 130, 230, 40));
    glow.setColorAt(1.0, QColor(60, 100, 200, 0));
    p.fillRect(r, glow);
}

// Gold lettering with a dark edge and a soft shadow, from `left` at `baseline`.
void goldText(QPainter &p, const QString &s, const QFont &font, qreal left, qreal baseline)
{
    QPainterPath path;
    path.addText(0, 0, font, s);
    path.translate(left - path.boundingRect().left(), baseline);
    paintGold(p, path, {{2, 2.5}, QColor(0, 8, 40, 200),
                        {QColor(255, 250, 205), QColor(255, 216, 84), QColor(238, 172, 32), QColor(184, 112, 12)},
                        QColor(70, 40, 0)});
}

void plainText(QPainter &p, const QString &s, const QFont &font, qreal left, qreal baseline,
               const QColor &colour)
{
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QPointF(left, baseline), s);
}

void dice(QPainter &p)
{
    const struct {
        QPointF at;
        qreal angle;
        int face;
    } pair[] = {{{252, 172}, -14, 6}, {{279, 182}, 11, 1}};
    for (const auto &d : pair) {
        p.save();
        p.translate(d.at);
        p.rotate(d.angle);
        const QRectF r(-11, -11, 22, 22);
        QPainterPath body;
        body.addRoundedRect(r, 4, 4);
        dropShadow(p, body, {1.5, 2}, QColor(0, 10, 50, 130), 2);
        drawDie(p, r, d.face, freeDie());
        p.restore();
    }
}

} // namespace

void makeSplash()
{
    QImage img = canvas(300, 200, Navy);
    QPainter p(&img);
    prepare(p);
    background(p, img.rect());

    goldText(p, QStringLiteral("Tolmar"), sans(30, true), 14, 60);
    goldText(p, QStringLiteral("Quindle"), sans(40, true), 12, 106);

    // A gold rule, just below the emblem's room, parts the name from the credits.
    QLinearGradient rule(QPointF(14, 0), QPointF(286, 0));
    rule.setColorAt(0.0, QColor(236, 176, 40, 230));
    rule.setColorAt(1.0, QColor(236, 176, 40, 0));
    p.fillRect(QRectF(14, 133, 272, 1.5), rule);

    const QColor ink(14, 24, 72);
    plainText(p, QStringLiteral("A dice game for one to four players"), sans(11, true), 14, 151, ink);
    plainText(p, QStringLiteral("Version 0.1"), sans(11), 14, 166, ink);
    plainText(p, QStringLiteral("Made by the Tolmar Quindle developers"), sans(11), 14, 180, ink);
    plainText(p, QStringLiteral("\u00a9 2026 \u00b7 Free software, MIT licence"), sans(11), 14, 194,
              ink);
    dice(p);
    p.end();
    savePng(img.convertToFormat(QImage::Format_RGB32), QStringLiteral("bitmaps/SPLASHTITLE.png"),
            {300, 200});
}

} // namespace art
