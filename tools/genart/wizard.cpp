// SPDX-License-Identifier: MIT
// Artwork of the new-game wizard: the title panel and the connection icons
// that sit on its silver pages.

#include "common.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

namespace art {

namespace {

QLinearGradient vertical(const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

// Gold lettering with a dark edge, centred on `centreX` at `baseline`.
void goldText(QPainter &p, const QString &s, const QFont &font, qreal centreX, qreal baseline)
{
    QPainterPath path;
    path.addText(0, 0, font, s);
    const QRectF b = path.boundingRect();
    path.translate(std::round(centreX - b.width() / 2 - b.left()), baseline);
    paintGold(p, path, {{1.5, 2}, QColor(0, 30, 0, 190),
                        {QColor(255, 250, 200), QColor(255, 214, 80), QColor(236, 170, 30), QColor(180, 110, 10)},
                        QColor(90, 50, 0)});
}

void title()
{
    QImage img = canvas(180, 150, WindowGreen);
    QPainter p(&img);
    prepare(p);
    QRadialGradient felt(QPointF(90, 62), 120);
    felt.setColorAt(0.0, QColor(72, 190, 84));
    felt.setColorAt(0.55, QColor(16, 132, 36));
    felt.setColorAt(1.0, QColor(0, 70, 12));
    p.fillRect(img.rect(), felt);

    // A fine gold frame keeps the panel from looking unfinished.
    QPainterPath frame;
    frame.addRoundedRect(QRectF(4.5, 4.5, 171, 141), 8, 8);
    p.strokePath(frame, QPen(QColor(230, 190, 80, 170), 1));

    goldText(p, QStringLiteral("Tolmar"), sans(34, true), 90, 46);
    goldText(p, QStringLiteral("Quindle"), sans(34, true), 90, 82);

    // Two dice tumbling under the name, either side of the caption.
    const struct {
        QPointF at;
        qreal angle;
        int face;
        bool red;
    } dice[] = {{{30, 118}, -16, 5, false}, {{150, 116}, 13, 3, true}};
    for (const auto &d : dice) {
        p.save();
        p.translate(d.at);
        p.rotate(d.angle);
        const QRectF r(-14, -14, 28, 28);
        QPainterPath body;
        body.addRoundedRect(r, 5, 5);
        dropShadow(p, body, {2, 3}, QColor(0, 30, 0, 150), 2);
        DieLook look = freeDie();
        if (d.red) {
            look.face = QColor(214, 36, 36);
            look.faceShade = QColor(176, 20, 20);
            look.rimLight = QColor(250, 130, 120);
            look.rimDark = QColor(120, 10, 10);
            look.outline = QColor(80, 8, 8);
            look.pip = Qt::white;
            look.pipLight = QColor(235, 235, 235);
        }
        drawDie(p, r, d.face, look);
        p.restore();
    }

    QPainterPath caption;
    const QFont font = sans(15, true);
    caption.addText(0, 0, font, QStringLiteral("NEW GAME"));
    const QRectF cb = caption.boundingRect();
    caption.translate(std::round(90 - cb.width() / 2 - cb.left()), 123);
    dropShadow(p, caption, {1, 1.5}, QColor(0, 30, 0, 200), 1);
    p.fillPath(caption, vertical(caption.boundingRect(), Qt::white, QColor(214, 240, 214)));
    p.end();
    savePng(img.convertToFormat(QImage::Format_RGB32), QStringLiteral("bitmaps/WIZTITLE.png"),
            {180, 150});
}

void modem()
{
    QImage img = canvas(32, 32, Silver);
    QPainter p(&img);
    prepare(p);

    // The box, seen a little from above: a lid and a front with lamps.
    QPainterPath lid;
    lid.moveTo(2.5, 19.5);
    lid.lineTo(7.5, 14.5);
    lid.lineTo(30.5, 14.5);
    lid.lineTo(27.5, 19.5);
    lid.closeSubpath();
    const QRectF front(2.5, 19.5, 25, 8);
    QPainterPath whole = lid;
    whole.addRect(front);
    dropShadow(p, whole, {1.5, 1.5}, QColor(0, 0, 0, 110), 1);
    p.fillPath(lid, vertical(lid.boundingRect(), QColor(246, 242, 230), QColor(222, 216, 200)));
    p.fillRect(front, vertical(front, QColor(214, 208, 190), QColor(170, 164, 148)));
    QPainterPath side;
    side.moveTo(27.5, 19.5);
    side.lineTo(30.5, 14.5);
    side.lineTo(30.5, 22.5);
    side.lineTo(27.5, 27.5);
    side.closeSubpath();
    p.fillPath(side, QColor(150, 144, 128));
    const QPen edge(QColor(70, 66, 56), 1);
    p.strokePath(lid, edge);
    p.strokePath(side, edge);
    p.setPen(edge);
    p.drawRect(front);
    const QColor lamps[] = {QColor(40, 220, 60), QColor(40, 220, 60), QColor(255, 190, 30),
                            QColor(230, 40, 30)};
    for (int i = 0; i < 4; ++i) {
        QRadialGradient g(QPointF(6.2 + 3.5 * i, 22.8), 1.8);
        g.setColorAt(0, lamps[i].lighter(150));
        g.setColorAt(1, lamps[i].darker(130));
        p.setPen(QPen(QColor(60, 60, 50), 0.5));
        p.setBrush(g);
        p.drawEllipse(QPointF(6.5 + 3.5 * i, 23.5), 1.2, 1.2);
    }
    p.setBrush(Qt::NoBrush);

    // The telephone handset resting in its cradle on the lid.
    QPainterPath handset;
    handset.moveTo(6, 13);
    handset.cubicTo(6, 6.5, 9, 4.5, 18, 4.5);
    handset.cubicTo(27, 4.5, 30, 6.5, 30, 13);
    handset.lineTo(25, 13);
    handset.cubicTo(25, 10, 23, 9, 18, 9);
    handset.cubicTo(13, 9, 11, 10, 11, 13);
    handset.closeSubpath();
    QPainterPath cups;
    cups.addRoundedRect(QRectF(4, 10.5, 9, 4.5), 2, 2);
    cups.addRoundedRect(QRectF(23, 10.5, 9, 4.5), 2, 2);
    handset = handset.united(cups);
    dropShadow(p, handset, {1, 1.5}, QColor(0, 0, 0, 120), 1);
    p.fillPath(handset, vertical(handset.boundingRect(), QColor(96, 96, 104), QColor(20, 20, 26)));
    p.strokePath(handset, QPen(QColor(0, 0, 0), 0.8));
    p.setPen(QPen(QColor(200, 200, 210, 170), 0.8));
    p.drawArc(QRectF(9, 5.5, 18, 8), 40 * 16, 100 * 16);
    p.end();
    savePng(img.convertToFormat(QImage::Format_RGB32), QStringLiteral("bitmaps/WIZMODEM.png"),
            {32, 32});
}

void cable()
{
    QImage img = canvas(32, 32, Silver);
    QPainter p(&img);
    prepare(p);

    // The cable curls in from the lower left to the back of the plug.
    QPainterPath wire;
    wire.moveTo(0.5, 28);
    wire.cubicTo(6, 31.5, 8.5, 27, 9.5, 24);
    wire.cubicTo(10.5, 21, 12, 20.5, 15.5, 17.5);
    QPainterPathStroker stroker;
    stroker.setWidth(4.2);
    stroker.setCapStyle(Qt::FlatCap);
    const QPainterPath wireShape = stroker.createStroke(wire);
    dropShadow(p, wireShape, {1, 1.5}, QColor(0, 0, 0, 110), 1);
    p.fillPath(wireShape, QColor(24, 84, 190));
    p.strokePath(wireShape, QPen(QColor(10, 36, 96), 0.8));
    p.setPen(QPen(QColor(130, 180, 255), 0.9));
    p.drawPath(wire.translated(-0.6, -0.8));

    p.save();
    p.translate(21.5, 11.5);
    p.rotate(45);
    // Strain relief boot, then the clear plug body with its contacts.
    const QRectF boot(-3.5, 4, 7, 6);
    const QRectF body(-5.5, -8, 11, 12.5);
    QPainterPath plug;
    plug.addRoundedRect(boot, 1.5, 1.5);
    plug.addRoundedRect(body, 1.2, 1.2);
    dropShadow(p, plug, {1.5, 1.5}, QColor(0, 0, 0, 110), 1);
    p.setPen(QPen(QColor(10, 40, 110), 0.8));
    p.setBrush(vertical(boot, QColor(70, 130, 230), QColor(20, 70, 170)));
    p.drawRoundedRect(boot, 1.5, 1.5);
    QLinearGradient clear(body.topLeft(), body.topRight());
    clear.setColorAt(0, QColor(200, 210, 220));
    clear.setColorAt(0.35, QColor(250, 252, 255));
    clear.setColorAt(1, QColor(160, 170, 185));
    p.setPen(QPen(QColor(80, 90, 105), 0.8));
    p.setBrush(clear);
    p.drawRoundedRect(body, 1.2, 1.2);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(vertical(QRectF(0, -7.5, 1, 4), QColor(255, 230, 120), QColor(190, 140, 20)));
        p.drawRect(QRectF(-3.9 + 2.1 * i, -7.4, 1.2, 3.6));
    }
    // The latch on top.
    p.setBrush(QColor(170, 180, 195));
    p.setPen(QPen(QColor(80, 90, 105), 0.7));
    p.drawRect(QRectF(-2, -2.5, 4, 5));
    p.restore();
    p.end();
    savePng(img.convertToFormat(QImage::Format_RGB32), QStringLiteral("bitmaps/WIZCABLE.png"),
            {32, 32});
}

void monitor()
{
    QImage img = canvas(32, 32, Silver);
    QPainter p(&img);
    prepare(p);
    const QRectF bezel(2.5, 2.5, 27, 21);
    QPainterPath stand;
    stand.moveTo(13, 23);
    stand.lineTo(19, 23);
    stand.lineTo(20, 27);
    stand.lineTo(12, 27);
    stand.closeSubpath();
    QPainterPath base;
    base.addRoundedRect(QRectF(7.5, 26.5, 17, 3.5), 1.5, 1.5);
    QPainterPath all;
    all.addRoundedRect(bezel, 2.5, 2.5);
    all = all.united(stand).united(base);
    dropShadow(p, all, {1.5, 1.5}, QColor(0, 0, 0, 120), 1);

    const QPen edge(QColor(60, 60, 66), 1);
    p.fillPath(stand, vertical(stand.boundingRect(), QColor(150, 150, 156), QColor(110, 110, 116)));
    p.strokePath(stand, edge);
    p.fillPath(base, vertical(base.boundingRect(), QColor(236, 236, 240), QColor(150, 150, 158)));
    p.strokePath(base, edge);

    QPainterPath frame;
    frame.addRoundedRect(bezel, 2.5, 2.5);
    p.fillPath(frame, vertical(bezel, QColor(246, 246, 250), QColor(176, 176, 186)));
    p.strokePath(frame, edge);

    const QRectF screen(5, 5, 22, 15.5);
    QLinearGradient glow(screen.topLeft(), screen.bottomRight());
    glow.setColorAt(0, QColor(90, 170, 255));
    glow.setColorAt(0.6, QColor(20, 80, 200));
    glow.setColorAt(1, QColor(8, 36, 120));
    p.setPen(QPen(QColor(40, 40, 50), 0.8));
    p.setBrush(glow);
    p.drawRect(screen);
    // Glass reflection across the upper left of the screen.
    QPainterPath shine;
    shine.moveTo(screen.topLeft() + QPointF(0.5, 0.5));
    shine.lineTo(screen.left() + 13, screen.top() + 0.5);
    shine.lineTo(screen.left() + 0.5, screen.top() + 10);
    shine.closeSubpath();
    p.fillPath(shine, QColor(255, 255, 255, 70));
    // A tiny die on the screen says what it is for.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(15.5, 9, 9, 9), 2, 2);
    p.setBrush(QColor(20, 20, 20));
    for (const QPointF &u : pipLayout(2))
        p.drawEllipse(QPointF(15.5, 9) + u * 9, 1.1, 1.1);
    // Power lamp.
    p.setBrush(QColor(60, 230, 80));
    p.drawEllipse(QPointF(26.5, 21.8), 0.8, 0.8);
    p.end();
    savePng(img.convertToFormat(QImage::Format_RGB32), QStringLiteral("bitmaps/WIZMONITOR.png"),
            {32, 32});
}

} // namespace

void makeWizard()
{
    title();
    modem();
    cable();
    monitor();
}

} // namespace art
