// SPDX-License-Identifier: MIT
#include "common.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHash>
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

namespace {

struct Entry {
    QRgb colour;
    int count;
};

// One box of the median cut: a run of `entries`.
struct Box {
    int begin, end;
    int range(const QVector<Entry> &e, int *channel) const
    {
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        for (int i = begin; i < end; ++i) {
            const int c[3] = {qRed(e[i].colour), qGreen(e[i].colour), qBlue(e[i].colour)};
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], c[k]);
                hi[k] = std::max(hi[k], c[k]);
            }
        }
        int best = 0;
        for (int k = 1; k < 3; ++k)
            if (hi[k] - lo[k] > hi[best] - lo[best])
                best = k;
        *channel = best;
        return hi[best] - lo[best];
    }
};

int channelOf(QRgb c, int k) { return k == 0 ? qRed(c) : k == 1 ? qGreen(c) : qBlue(c); }

QVector<QRgb> medianCut(QVector<Entry> entries, int target)
{
    QVector<Box> boxes{{0, int(entries.size())}};
    while (boxes.size() < target) {
        // Split the box whose colours spread furthest, weighted by how
        // many pixels it covers, so that large smooth areas stay smooth.
        int pick = -1, channel = 0;
        double score = 0;
        for (int b = 0; b < boxes.size(); ++b) {
            if (boxes[b].end - boxes[b].begin < 2)
                continue;
            int ch;
            const int r = boxes[b].range(entries, &ch);
            long pixels = 0;
            for (int i = boxes[b].begin; i < boxes[b].end; ++i)
                pixels += entries[i].count;
            const double s = double(r) * std::sqrt(double(pixels));
            if (r > 0 && s > score) {
                score = s;
                pick = b;
                channel = ch;
            }
        }
        if (pick < 0)
            break;
        Box &box = boxes[pick];
        std::sort(entries.begin() + box.begin, entries.begin() + box.end,
                  [channel](const Entry &a, const Entry &b) {
                      return channelOf(a.colour, channel) < channelOf(b.colour, channel);
                  });
        long total = 0;
        for (int i = box.begin; i < box.end; ++i)
            total += entries[i].count;
        long run = 0;
        int mid = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            run += entries[i].count;
            mid = i + 1;
            if (run * 2 >= total)
                break;
        }
        const Box second{mid, box.end};
        box.end = mid;
        boxes.append(second);
    }
    QVector<QRgb> palette;
    for (const Box &b : boxes) {
        double sum[3] = {0, 0, 0};
        long n = 0;
        for (int i = b.begin; i < b.end; ++i) {
            for (int k = 0; k < 3; ++k)
                sum[k] += double(channelOf(entries[i].colour, k)) * entries[i].count;
            n += entries[i].count;
        }
        palette.append(qRgb(int(std::lround(sum[0] / n)), int(std::lround(sum[1] / n)),
                            int(std::lround(sum[2] / n))));
    }
    return palette;
}

} // namespace

QImage toIndexed(const QImage &image, const QVector<QRgb> &exact, int maxColours)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[rgb.pixel(x, y) | 0xff000000u];

    QVector<QRgb> palette;
    for (QRgb c : exact)
        palette.append(c | 0xff000000u);
    QVector<Entry> rest;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (!palette.contains(it.key()))
            rest.append({it.key(), it.value()});
    // Sorting first keeps the result independent of hash order.
    std::sort(rest.begin(), rest.end(), [](const Entry &a, const Entry &b) {
        return a.colour < b.colour;
    });
    const int room = maxColours - int(palette.size());
    if (rest.size() <= room) {
        for (const Entry &e : rest)
            palette.append(e.colour);
    } else {
        palette += medianCut(rest, room);
    }

    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    QHash<QRgb, int> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        uchar *line = out.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y) | 0xff000000u;
            auto found = nearest.constFind(c);
            if (found == nearest.cend()) {
                int best = 0;
                long bestDistance = -1;
                for (int i = 0; i < palette.size(); ++i) {
                    const long dr = qRed(c) - qRed(palette[i]);
                    const long dg = qGreen(c) - qGreen(palette[i]);
                    const long db = qBlue(c) - qBlue(palette[i]);
                    const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (bestDistance < 0 || d < bestDistance) {
                        bestDistance = d;
                        best = i;
                    }
                }
                found = nearest.insert(c, best);
            }
            line[x] = uchar(found.value());
        }
    }
    return out;
}

void saveIndexed(const QImage &image, const QString &relative, QSize expected,
                 const QVector<QRgb> &exact, int maxColours)
{
    const QImage indexed = toIndexed(image, exact, maxColours);
    // A key colour that moved would break whoever looks for it.
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            const QRgb want = source.pixel(x, y) | 0xff000000u;
            if (exact.contains(want) && indexed.pixel(x, y) != want) {
                fail(QStringLiteral("%1: pixel %2,%3 lost its exact colour").arg(relative)
                         .arg(x).arg(y));
                return;
            }
        }
    savePng(indexed, relative, expected);
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

} // namespace art
