// SPDX-License-Identifier: MIT
// Die faces, rolls-left pictures, the tray blend, window icons and the
// wizard's die decorations.

#include "common.h"

#include <QLinearGradient>

#include <cmath>

namespace art {

namespace {

// Antialiased edges are blended against the tray the dice lie on, while
// every pixel the die does not touch at all keeps the key green exactly.
QImage keyedFace(int face, const DieLook &look)
{
    QImage layer = canvas(45, 45, Qt::transparent);
    {
        QPainter p(&layer);
        prepare(p);
        drawDie(p, QRectF(0, 0, 45, 45), face, look);
    }
    QImage out(45, 45, QImage::Format_RGB32);
    for (int y = 0; y < 45; ++y)
        for (int x = 0; x < 45; ++x) {
            const QRgb c = layer.pixel(x, y);
            const int a = qAlpha(c);
            if (a == 0) {
                out.setPixel(x, y, KeyGreen.rgb());
                continue;
            }
            auto mix = [a](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            out.setPixel(x, y, qRgb(mix(qRed(c), TrayGreen.red()), mix(qGreen(c), TrayGreen.green()),
                                    mix(qBlue(c), TrayGreen.blue())));
        }
    return out;
}

void rollsPicture(const QString &digit, const QString &word, bool warning, int id)
{
    QImage img = canvas(80, 35, TrayGreen);
    QPainter p(&img);
    prepare(p);

    const QFont big = sans(33, true);
    const QFont small = sans(15, true);
    QPainterPath number;
    number.addText(0, 0, big, digit);
    QPainterPath label;
    label.addText(0, 0, small, word);

    // Set the pair as one centred group: the digit's ink, a gap, the word.
    const QRectF nb = number.boundingRect(), lb = label.boundingRect();
    const qreal gap = 5;
    const qreal total = nb.width() + gap + lb.width();
    const qreal left = std::round((80 - total) / 2);
    const qreal baseline = std::round((35 + nb.height()) / 2);
    number.translate(left - nb.left(), baseline);
    label.translate(left + nb.width() + gap - lb.left(), baseline);

    const QColor ink = warning ? QColor(200, 16, 16) : QColor(20, 72, 20);
    const QColor inkDark = warning ? QColor(130, 0, 0) : QColor(0, 32, 0);
    for (const QPainterPath *path : {&number, &label}) {
        dropShadow(p, *path, {1.2, 1.6}, QColor(0, 90, 0, 150), 1);
        // A thin light edge above makes the lettering sit in the panel.
        p.fillPath(path->translated(-0.6, -0.7), QColor(235, 255, 235));
        const QRectF b = path->boundingRect();
        QLinearGradient g(b.topLeft(), b.bottomLeft());
        g.setColorAt(0, ink.lighter(path == &number ? 125 : 110));
        g.setColorAt(1, inkDark);
        p.fillPath(*path, g);
    }
    p.end();
    saveIndexed(img, QStringLiteral("bitmaps/%1.png").arg(id), {80, 35},
                {TrayGreen.rgb()});
}

void icon(int face)
{
    QImage img = canvas(32, 32, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    QPainterPath body;
    body.addRoundedRect(QRectF(2, 2, 27, 27), 5, 5);
    dropShadow(p, body, {1.2, 1.6}, QColor(0, 0, 0, 130), 1);
    DieLook look = freeDie();
    look.pipRadius = 0.105;
    look.rim = 0.08;
    drawDie(p, QRectF(1.5, 1.5, 28, 28), face, look);
    p.end();
    savePng(img, QStringLiteral("icons/%1.png").arg(face), {32, 32});
}

void decoration(int n, int face, qreal angle)
{
    QImage img = canvas(32, 32, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    p.translate(16, 16);
    p.rotate(angle);
    const QRectF r(-11.5, -11.5, 23, 23);
    QPainterPath body;
    body.addRoundedRect(r, 4.5, 4.5);
    dropShadow(p, body, {1.3, 1.8}, QColor(0, 0, 0, 120), 1);
    DieLook look = freeDie();
    look.pipRadius = 0.105;
    // Alternate ivory and red dice so that a row of them has some life.
    if (n % 2 == 0) {
        look.face = QColor(214, 40, 40);
        look.faceShade = QColor(178, 22, 22);
        look.rimLight = QColor(250, 120, 110);
        look.rimDark = QColor(120, 10, 10);
        look.outline = QColor(90, 10, 10);
        look.pip = QColor(255, 255, 255);
        look.pipLight = QColor(240, 240, 240);
    }
    drawDie(p, r, face, look);
    p.end();
    savePng(img, QStringLiteral("bitmaps/DECO%1.png").arg(n), {32, 32});
}

} // namespace

void makeDice()
{
    const QVector<QRgb> key{KeyGreen.rgb(), TrayGreen.rgb()};
    for (int face = 1; face <= 6; ++face) {
        saveIndexed(keyedFace(face, freeDie()), QStringLiteral("bitmaps/%1.png").arg(1000 + face),
                    {45, 45}, key);
        saveIndexed(keyedFace(face, heldDie()), QStringLiteral("bitmaps/%1.png").arg(1006 + face),
                    {45, 45}, key);
    }
    for (int face = 1; face <= 4; ++face)
        icon(face);
    const int faces[] = {5, 3, 6, 2, 4};
    const qreal angles[] = {-12, 9, -7, 14, -10};
    for (int n = 1; n <= 5; ++n)
        decoration(n, faces[n - 1], angles[n - 1]);
}

void makeRolls()
{
    rollsPicture(QStringLiteral("3"), QStringLiteral("Rolls"), false, 3);
    rollsPicture(QStringLiteral("2"), QStringLiteral("Rolls"), false, 2);
    rollsPicture(QStringLiteral("1"), QStringLiteral("Roll"), false, 1);
    rollsPicture(QStringLiteral("0"), QStringLiteral("Rolls"), true, 6);

    // The join between the tray and the white roll box: a plain linear blend.
    QImage blend(50, 50, QImage::Format_RGB32);
    for (int x = 0; x < 50; ++x) {
        const double t = x / 49.0;
        auto lerp = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
        const QRgb c = qRgb(lerp(TrayGreen.red(), 255), lerp(TrayGreen.green(), 255),
                            lerp(TrayGreen.blue(), 255));
        for (int y = 0; y < 50; ++y)
            blend.setPixel(x, y, c);
    }
    savePng(blend, QStringLiteral("bitmaps/5.png"), {50, 50});
}

} // namespace art
