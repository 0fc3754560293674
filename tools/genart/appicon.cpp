// SPDX-License-Identifier: MIT
// The application icon the desktop shows: a lightning bolt striking across
// two dice on the game's green. One list of shapes gives both the PNGs of
// every hicolor size and the scalable SVG, so the two never drift apart.

#include "common.h"

#include <QFile>
#include <QLinearGradient>
#include <QTextStream>
#include <QTransform>

#include <cmath>

namespace art {

namespace {

constexpr qreal Side = 256; // the drawing's own units

// A filled shape with a top-to-bottom gradient and an optional outline.
struct Shape {
    QPainterPath path;
    QColor top;
    QColor bottom;
    QColor outline = Qt::transparent;
    qreal outlineWidth = 0;
};

Shape solid(const QPainterPath &path, const QColor &colour)
{
    return {path, colour, colour};
}

QPainterPath rotated(const QPainterPath &path, QPointF centre, qreal degrees)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

// A die of side `side` centred on `centre`, turned by `degrees`, with its
// shadow, body and pips. `outline` is the rim's width, thicker for the
// small sizes where a thin line would vanish.
QList<Shape> die(QPointF centre, qreal side, qreal degrees, int face, qreal outline)
{
    const QRectF box(centre.x() - side / 2, centre.y() - side / 2, side, side);
    QPainterPath body;
    body.addRoundedRect(box, side * 0.2, side * 0.2);
    QList<Shape> shapes;
    shapes << solid(rotated(body.translated(side * 0.04, side * 0.07), centre, degrees),
                    QColor(0, 0, 0, 90));
    shapes << Shape{rotated(body, centre, degrees), QColor(255, 255, 255), QColor(214, 212, 204),
                    QColor(40, 40, 40), outline};
    for (const QPointF &unit : pipLayout(face)) {
        const QPointF at(box.left() + unit.x() * side, box.top() + unit.y() * side);
        QPainterPath pip;
        pip.addEllipse(at, side * 0.1, side * 0.1);
        shapes << solid(rotated(pip, centre, degrees), QColor(16, 16, 16));
    }
    return shapes;
}

QPainterPath polygon(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

QList<Shape> backdrop()
{
    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    return {Shape{tile, QColor(40, 176, 40), WindowGreen.darker(125), QColor(0, 64, 0), 6}};
}

Shape bolt(qreal outline, qreal shift = 0)
{
    const QPainterPath path = polygon({{168, 14}, {70, 138}, {124, 138}, {84, 242},
                                       {196, 104}, {138, 104}, {184, 14}});
    return {path.translated(shift, 0), QColor(255, 240, 96), QColor(255, 150, 0),
            QColor(120, 50, 0), outline};
}

// From 32 pixels up: two dice, the bolt between and over them.
QList<Shape> fullIcon()
{
    QList<Shape> shapes = backdrop();
    shapes << die({84, 88}, 92, -14, 5, 4) << die({172, 176}, 92, 11, 3, 4);
    shapes << bolt(5);
    return shapes;
}

// At 16 to 24 pixels pips merge and thin lines vanish: one big die showing
// two, left of a broad bolt that leaves its pips in sight.
QList<Shape> smallIcon()
{
    QList<Shape> shapes = backdrop();
    shapes << die({92, 150}, 140, -10, 2, 12);
    shapes << bolt(12, 34);
    return shapes;
}

QBrush fillOf(const Shape &shape)
{
    if (shape.top == shape.bottom)
        return shape.top;
    const QRectF b = shape.path.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, shape.top);
    g.setColorAt(1, shape.bottom);
    return g;
}

QImage render(const QList<Shape> &shapes, int size)
{
    QImage image = canvas(size, size, Qt::transparent);
    QPainter p(&image);
    prepare(p);
    p.scale(size / Side, size / Side);
    for (const Shape &shape : shapes) {
        QPen pen(shape.outline, shape.outlineWidth);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(shape.outlineWidth > 0 ? pen : QPen(Qt::NoPen));
        p.setBrush(fillOf(shape));
        p.drawPath(shape.path);
    }
    return image;
}

QString number(qreal v)
{
    return QString::number(std::round(v * 100) / 100, 'g', 6);
}

QString colourAttributes(const QString &name, const QColor &c)
{
    QString text = QStringLiteral(" %1=\"%2\"").arg(name, c.name(QColor::HexRgb));
    if (c.alpha() < 255)
        text += QStringLiteral(" %1-opacity=\"%2\"").arg(name, number(c.alphaF()));
    return text;
}

QString pathData(const QPainterPath &path)
{
    QStringList parts;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        const QString point = number(e.x) + QLatin1Char(' ') + number(e.y);
        if (e.isMoveTo())
            parts << QStringLiteral("M") + point;
        else if (e.isLineTo())
            parts << QStringLiteral("L") + point;
        else if (e.isCurveTo())
            parts << QStringLiteral("C") + point;
        else
            parts << point;
    }
    return parts.join(QLatin1Char(' ')) + QStringLiteral(" Z");
}

QString svg(const QList<Shape> &shapes)
{
    QString defs, body;
    for (int i = 0; i < shapes.size(); ++i) {
        const Shape &s = shapes[i];
        QString fill = colourAttributes(QStringLiteral("fill"), s.top);
        if (s.top != s.bottom) {
            const QRectF b = s.path.boundingRect();
            defs += QStringLiteral("    <linearGradient id=\"g%1\" gradientUnits=\"userSpaceOnUse\" "
                                   "x1=\"0\" y1=\"%2\" x2=\"0\" y2=\"%3\">\n"
                                   "      <stop offset=\"0\" stop-color=\"%4\"/>\n"
                                   "      <stop offset=\"1\" stop-color=\"%5\"/>\n"
                                   "    </linearGradient>\n")
                        .arg(i).arg(number(b.top()), number(b.bottom()),
                                    s.top.name(), s.bottom.name());
            fill = QStringLiteral(" fill=\"url(#g%1)\"").arg(i);
        }
        QString stroke;
        if (s.outlineWidth > 0)
            stroke = colourAttributes(QStringLiteral("stroke"), s.outline)
                     + QStringLiteral(" stroke-width=\"%1\" stroke-linejoin=\"round\"")
                           .arg(number(s.outlineWidth));
        body += QStringLiteral("  <path fill-rule=\"evenodd\"%1%2 d=\"%3\"/>\n")
                    .arg(fill, stroke, pathData(s.path));
    }
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                          "width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
                          "  <title>Tolmar Quindle</title>\n"
                          "  <defs>\n%1  </defs>\n%2</svg>\n")
        .arg(defs, body);
}

void saveText(const QString &text, const QString &relative)
{
    QFile file(outputPath(relative));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(QStringLiteral("cannot write %1").arg(relative));
        return;
    }
    file.write(text.toUtf8());
}

} // namespace

void makeAppIcon()
{
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QImage image = render(size < 32 ? smallIcon() : fullIcon(), size);
        savePng(image, QStringLiteral("appicon/%1.png").arg(size), {size, size});
    }
    saveText(svg(fullIcon()), QStringLiteral("appicon/tolmar-quindle.svg"));
}

} // namespace art
