// SPDX-License-Identifier: MIT
#include "common.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QRadialGradient>
#include <QLinearGradient>
#include <QTextStream>

#include <algorithm>
#include <vector>
#include <cmath>

namespace art {

namespace {
QString g_root;
int g_failures = 0;
QString g_regular = QStringLiteral("Liberation Sans");
QString g_bold = QStringLiteral("Liberation Sans");
} // namespace

void setOutputRoot(const QString &root) { g_root = root; }

QString outputPath(const QString &relative)
{
    const QString path = QDir(g_root).filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
}

void fail(const QString &message)
{
    QTextStream(stderr) << "genart: " << message << '\n';
    ++g_failures;
}

int failures() { return g_failures; }

void savePng(const QImage &image, const QString &relative, QSize expected)
{
    if (image.size() != expected) {
        fail(QStringLiteral("%1 is %2x%3, not %4x%5").arg(relative).arg(image.width())
                 .arg(image.height()).arg(expected.width()).arg(expected.height()));
        return;
    }
    if (!image.save(outputPath(relative), "PNG"))
        fail(QStringLiteral("cannot write %1").arg(relative));
}

bool loadFonts(const QString &resourceRoot)
{
    const QDir fonts(QDir(resourceRoot).filePath(QStringLiteral("fonts")));
    const int regular = QFontDatabase::addApplicationFont(
        fonts.filePath(QStringLiteral("LiberationSans-Regular.ttf")));
    const int bold = QFontDatabase::addApplicationFont(
        fonts.filePath(QStringLiteral("LiberationSans-Bold.ttf")));
    if (regular < 0 || bold < 0)
        return false;
    g_regular = QFontDatabase::applicationFontFamilies(regular).value(0, g_regular);
    g_bold = QFontDatabase::applicationFontFamilies(bold).value(0, g_bold);
    return true;
}

QFont sans(qreal pixelSize, bool bold)
{
    QFont f(bold ? g_bold : g_regular);
    f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferVerticalHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QImage canvas(int w, int h, const QColor &fill)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

DieLook freeDie() { return DieLook(); }

DieLook heldDie()
{
    DieLook d;
    d.face = QColor(192, 192, 192);
    d.faceShade = QColor(178, 178, 176);
    d.rimLight = QColor(232, 232, 232);
    d.rimDark = QColor(120, 120, 118);
    d.outline = QColor(56, 56, 56);
    d.pipLight = QColor(80, 80, 80);
    return d;
}

QVector<QPointF> pipLayout(int face)
{
    const qreal a = 0.27, b = 0.5, c = 0.73;
    switch (face) {
    case 1: return {{b, b}};
    case 2: return {{a, a}, {c, c}};
    case 3: return {{a, a}, {b, b}, {c, c}};
    case 4: return {{a, a}, {c, a}, {a, c}, {c, c}};
    case 5: return {{a, a}, {c, a}, {b, b}, {a, c}, {c, c}};
    case 6: return {{a, a}, {a, b}, {a, c}, {c, a}, {c, b}, {c, c}};
    default: return {};
    }
}

void drawDie(QPainter &p, const QRectF &r, int face, const DieLook &look)
{
    const qreal s = r.width();
    const qreal half = look.outlineWidth / 2;
    const qreal radius = look.radius * s;
    QPainterPath outer;
    outer.addRoundedRect(r.adjusted(half, half, -half, -half), radius, radius);

    // The rim catches the light on the upper left and falls off below.
    QLinearGradient rim(r.topLeft(), r.bottomRight());
    rim.setColorAt(0.0, look.rimLight);
    rim.setColorAt(0.45, look.face);
    rim.setColorAt(1.0, look.rimDark);
    p.fillPath(outer, rim);

    const qreal inset = look.rim * s;
    const QRectF inner = r.adjusted(inset, inset, -inset, -inset);
    QPainterPath top;
    const qreal innerRadius = std::max<qreal>(1.0, radius - inset * 0.7);
    top.addRoundedRect(inner, innerRadius, innerRadius);
    QRadialGradient shade(inner.topLeft() + QPointF(inner.width() * 0.3, inner.height() * 0.25),
                          inner.width() * 1.05);
    shade.setColorAt(0.0, look.face);
    shade.setColorAt(0.55, look.face);
    shade.setColorAt(1.0, look.faceShade);
    p.fillPath(top, shade);

    p.strokePath(outer, QPen(look.outline, look.outlineWidth));

    // A lone pip is traditionally drilled larger than the others.
    const qreal pr = look.pipRadius * s * (face == 1 ? 1.3 : 1.0);
    for (const QPointF &u : pipLayout(face)) {
        const QPointF c = r.topLeft() + u * s;
        // Pips are drilled: a faint light lip on the lower right edge,
        // and a body that is darkest where the drilling shades it.
        p.setPen(Qt::NoPen);
        QColor lip = look.rimLight;
        lip.setAlpha(200);
        p.setBrush(lip);
        p.drawEllipse(c + QPointF(pr * 0.14, pr * 0.18), pr, pr);
        QRadialGradient g(c + QPointF(pr * 0.3, pr * 0.35), pr * 1.25);
        g.setColorAt(0.0, look.pipLight);
        g.setColorAt(0.6, look.pip);
        g.setColorAt(1.0, look.pip);
        p.setBrush(g);
        p.drawEllipse(c, pr, pr);
    }
    p.setBrush(Qt::NoBrush);
}

void shadowText(QPainter &p, const QRectF &r, int flags, const QString &text,
                const QColor &colour, const QColor &shadow, QPointF offset)
{
    p.setPen(shadow);
    p.drawText(r.translated(offset), flags, text);
    p.setPen(colour);
    p.drawText(r, flags, text);
}

QImage blurred(const QImage &image, int radius)
{
    QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0)
        return img;
    const int w = img.width(), h = img.height();
    // Work on the raw premultiplied words: averaging them is what a blur of
    // a translucent layer needs.
    std::vector<int> ch(size_t(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(img.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            int *o = &ch[(size_t(y) * w + x) * 4];
            o[0] = qRed(line[x]);
            o[1] = qGreen(line[x]);
            o[2] = qBlue(line[x]);
            o[3] = qAlpha(line[x]);
        }
    }
    auto pass = [&](bool horizontal) {
        const std::vector<int> src = ch;
        const int n = horizontal ? w : h, lines = horizontal ? h : w;
        const int count = 2 * radius + 1;
        for (int l = 0; l < lines; ++l)
            for (int i = 0; i < n; ++i)
                for (int k = 0; k < 4; ++k) {
                    int sum = 0;
                    for (int j = i - radius; j <= i + radius; ++j) {
                        if (j < 0 || j >= n)
                            continue;
                        const size_t at = horizontal ? size_t(l) * w + j : size_t(j) * w + l;
                        sum += src[at * 4 + k];
                    }
                    const size_t at = horizontal ? size_t(l) * w + i : size_t(i) * w + l;
                    ch[at * 4 + k] = sum / count;
                }
    };
    for (int i = 0; i < 3; ++i) {
        pass(true);
        pass(false);
    }
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int *c = &ch[(size_t(y) * w + x) * 4];
            line[x] = qRgba(c[0], c[1], c[2], c[3]);
        }
    }
    return img;
}

void dropShadow(QPainter &p, const QPainterPath &shape, QPointF offset,
                const QColor &colour, int blur)
{
    QPaintDevice *device = p.device();
    QImage layer(device->width(), device->height(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter q(&layer);
        prepare(q);
        q.translate(offset);
        q.setWorldTransform(p.worldTransform(), true);
        q.fillPath(shape, colour);
    }
    layer = blurred(layer, blur);
    p.save();
    p.resetTransform();
    p.drawImage(0, 0, layer);
    p.restore();
}

void paintGold(QPainter &p, const QPainterPath &placed, const GoldLook &look)
{
    dropShadow(p, placed, look.shadowOffset, look.shadow, 2);
    const QRectF r = placed.boundingRect();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    const qreal at[4] = {0.0, 0.45, 0.55, 1.0};
    for (int i = 0; i < 4; ++i)
        g.setColorAt(at[i], look.stops[i]);
    p.strokePath(placed, QPen(look.edge, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(placed, g);
}

} // namespace art
